#pragma once

#include "userprompts.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class TZeigeNachrichtForm;

// The program's real prompts: notices and questions in the message window, the plain
// message box, and one open and one save dialog that keep their settings between uses.
class MessageWindowPrompts : public UserPrompts
{
public:
    // dialogParent, when given, parents the message box and the file dialogs; it may be set
    // later with setDialogParent. The message window is made (hidden) when first needed.
    explicit MessageWindowPrompts(QWidget *dialogParent = nullptr);
    ~MessageWindowPrompts() override;

    void setDialogParent(QWidget *dialogParent) { m_dialogParent = dialogParent; }
    TZeigeNachrichtForm *messageWindow() const;

    int showNotice(const QString &text) override;
    int askUser(const QString &text, MessageMode mode) override;
    void showPlainMessage(const QString &text) override;

    // Title, folder, filter and default extension of the request replace the remembered ones
    // unless empty; the proposed name is always used as given. The save dialog never asks
    // before replacing a file: the callers ask themselves where it matters.
    QString getSaveFileName(const FileDialogRequest &request) override;
    QString getOpenFileName(const FileDialogRequest &request) override;
    // The same open dialog, with its settings, for several files at once.
    QStringList getOpenFileNames(const FileDialogRequest &request) override;

private:
    struct DialogSettings
    {
        QString title;
        QString folder;
        QString filter;
        QString selectedFilter;
        QString defaultExtension;
    };

    enum class DialogKind
    {
        Save,
        OpenOne,
        OpenMany,
    };
    QStringList runFileDialog(DialogKind kind, DialogSettings &settings, const FileDialogRequest &request);

    mutable std::unique_ptr<TZeigeNachrichtForm> m_window;
    QPointer<QWidget> m_dialogParent;
    DialogSettings m_saveSettings;
    DialogSettings m_openSettings;
};
