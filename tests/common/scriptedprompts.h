#pragma once

#include "userprompts.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A UserPrompts that records every call and answers from queues the test fills.
// Unscripted questions answer 99 (closed), unscripted dialogs answer "cancelled".
class ScriptedPrompts : public UserPrompts
{
public:
    struct Call
    {
        QString kind; // "notice", "ask", "plain", "save", "open", "openmany"
        QString text; // message text, or the dialog title
        int mode = 0;
        FileDialogRequest request;
    };

    QList<Call> calls;
    QList<int> answers;       // for askUser, in order
    QStringList savePaths;    // for getSaveFileName, in order ("" = cancel)
    QStringList openPaths;    // for getOpenFileName, in order ("" = cancel)
    QList<QStringList> openPathLists; // for getOpenFileNames, in order (empty = cancel)

    int showNotice(const QString &text) override
    {
        calls.append({QStringLiteral("notice"), text, 0, {}});
        return 0;
    }
    int askUser(const QString &text, MessageMode mode) override
    {
        calls.append({QStringLiteral("ask"), text, int(mode), {}});
        return answers.isEmpty() ? 99 : answers.takeFirst();
    }
    void showPlainMessage(const QString &text) override
    {
        calls.append({QStringLiteral("plain"), text, 0, {}});
    }
    QString getSaveFileName(const FileDialogRequest &request) override
    {
        calls.append({QStringLiteral("save"), request.title, 0, request});
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    QString getOpenFileName(const FileDialogRequest &request) override
    {
        calls.append({QStringLiteral("open"), request.title, 0, request});
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QStringList getOpenFileNames(const FileDialogRequest &request) override
    {
        calls.append({QStringLiteral("openmany"), request.title, 0, request});
        return openPathLists.isEmpty() ? QStringList() : openPathLists.takeFirst();
    }

    // The texts of the calls of one kind, in order.
    QStringList texts(const QString &kind) const
    {
        QStringList result;
        for (const Call &call : calls) {
            if (call.kind == kind)
                result.append(call.text);
        }
        return result;
    }
    void clear() { calls.clear(); }
};
