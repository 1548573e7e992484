// The recovery file: the unsaved day kept on disk while it is edited, and offered back at the
// next start when the program did not end normally. Whether it can be kept is shown in the
// status line, never in a box: the user may be typing.

#include "tmainform.h"

#include "sessionfile.h"
#include "textfile.h"
#include "userprompts.h"

#include <QLabel>
#include <QTimer>

namespace {

QString RecoveryOffText(const QString &reason)
{
    return QStringLiteral("Wiederherstellung nicht möglich: ") + reason;
}

} // namespace

void TMainForm::OfferSessionRecovery()
{
    const QString &folder = m_context.dataDirectory;
    const SessionFile session = ReadSessionFile(folder);
    switch (session.status) {
    case SessionFileStatus::None:
        // A day without entries is nothing to offer; a file of one is left over.
        RemoveSessionFile(folder);
        return;
    case SessionFileStatus::NotAFile:
        // Not the program's to remove; said once, and no write tries again.
        m_sessionBlocked = true;
        showStatus(RecoveryOffText(NotRegularFileRefusal(SessionFilePath(folder))));
        return;
    case SessionFileStatus::Damaged:
        RemoveSessionFile(folder);
        m_context.prompts->showNotice(
            QStringLiteral("Die Wiederherstellungsdatei war beschädigt und wurde entfernt."));
        return;
    case SessionFileStatus::Ok:
        break;
    }
    if (m_context.prompts->askUser(
            QStringLiteral("Die Mahlzeiten der letzten Sitzung wurden nicht gespeichert. Wiederherstellen?"),
            ModeYesNoDefaultYes) != AnswerLeft) {
        RemoveSessionFile(folder);
        return;
    }
    // The file stays: it holds this day until the next change rewrites it.
    setLabelText(QStringLiteral("DateiNameLabel"), session.fileLabel);
    showLoadedDay(RestoreSession(session, m_store.index()));
}

void TMainForm::keepSession()
{
    if (m_plan.changed()) {
        if (!m_sessionTimer->isActive())
            m_sessionTimer->start();
        return;
    }
    // Saved or freshly read: the day is in a file of its own.
    m_sessionTimer->stop();
    if (m_sessionBlocked)
        return;
    RemoveSessionFile(m_context.dataDirectory);
    showStatus(QString()); // nothing unsaved is left to lose
}

void TMainForm::writeSession()
{
    if (m_sessionBlocked)
        return;
    if (!m_plan.changed()) {
        RemoveSessionFile(m_context.dataDirectory);
        return;
    }
    // The earlier recovery file stays as it was when the write fails, and the next change tries
    // again; until one succeeds the status line says the day is not protected.
    const WriteResult written =
        WriteSessionFile(m_context.dataDirectory, m_plan, labelNamed(QStringLiteral("DateiNameLabel"))->text());
    showStatus(written.ok ? QString() : RecoveryOffText(written.refused() ? written.refusal : written.reason));
}
