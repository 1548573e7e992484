#include "messagewindowprompts.h"

#include "appinfo.h"
#include "tzeigenachrichtform.h"

#include <QFileDialog>
#include <QMessageBox>

MessageWindowPrompts::MessageWindowPrompts(QWidget *dialogParent) : m_dialogParent(dialogParent) {}

MessageWindowPrompts::~MessageWindowPrompts() = default;

TZeigeNachrichtForm *MessageWindowPrompts::messageWindow() const
{
    // Made on first use, not with the prompts: most runs show no notice, and the window would
    // cost every start-up time and memory.
    if (!m_window)
        m_window = std::make_unique<TZeigeNachrichtForm>();
    return m_window.get();
}

int MessageWindowPrompts::showNotice(const QString &text)
{
    return messageWindow()->ask(text, ModeOk);
}

int MessageWindowPrompts::askUser(const QString &text, MessageMode mode)
{
    return messageWindow()->ask(text, mode);
}

void MessageWindowPrompts::showPlainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle(), text, QMessageBox::Ok, m_dialogParent.data());
    // Paths and system messages may hold '<'; they are shown as they are.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString MessageWindowPrompts::getSaveFileName(const FileDialogRequest &request)
{
    return runFileDialog(true, m_saveSettings, request);
}

QString MessageWindowPrompts::getOpenFileName(const FileDialogRequest &request)
{
    return runFileDialog(false, m_openSettings, request);
}

QString MessageWindowPrompts::runFileDialog(bool save, DialogSettings &settings,
                                            const FileDialogRequest &request)
{
    // The report saves set only title and name and rely on the filter, folder and extension
    // the meal save left behind, so empty fields keep what the dialog had.
    if (!request.title.isEmpty())
        settings.title = request.title;
    if (!request.initialFolder.isEmpty())
        settings.folder = request.initialFolder;
    if (!request.filter.isEmpty() && request.filter != settings.filter) {
        settings.filter = request.filter;
        settings.selectedFilter.clear();
    }
    if (!request.defaultExtension.isEmpty())
        settings.defaultExtension = request.defaultExtension;

    QFileDialog dialog(m_dialogParent.data(), settings.title, settings.folder);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt's own dialog speaks the program's German; a desktop's native one follows the
    // system's language instead.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!settings.filter.isEmpty()) {
        dialog.setNameFilter(settings.filter);
        if (!settings.selectedFilter.isEmpty())
            dialog.selectNameFilter(settings.selectedFilter);
    }
    dialog.setDefaultSuffix(settings.defaultExtension);
    // An empty proposed name clears the name field; keeping the last one would offer a
    // report's name when saving meals.
    dialog.selectFile(request.proposedName);

    if (dialog.exec() != QDialog::Accepted)
        return QString();
    if (!settings.filter.isEmpty())
        settings.selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}
