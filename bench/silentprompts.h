#pragma once

#include "userprompts.h"

#include <QStringList>

// Prompts for windows driven by the benchmark: no window ever opens. Every text that would
// have been shown is kept, so the benchmark can refuse to time a start-up that went wrong
// (a missing data file, a refused entry).
class SilentPrompts : public UserPrompts
{
public:
    QStringList shown;

    int showNotice(const QString &text) override
    {
        shown.append(text);
        return AnswerLeft;
    }
    int askUser(const QString &text, MessageMode) override
    {
        shown.append(text);
        return AnswerClosed;
    }
    void showPlainMessage(const QString &text) override { shown.append(text); }
    QString getSaveFileName(const FileDialogRequest &) override { return QString(); }
    QString getOpenFileName(const FileDialogRequest &) override { return QString(); }
    QStringList getOpenFileNames(const FileDialogRequest &) override { return QStringList(); }
};
