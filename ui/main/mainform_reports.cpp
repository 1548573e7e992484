// Exporting the day as the window shows it, as a text or a CSV report.

#include "tmainform.h"

#include "dayreport.h"
#include "reportfile.h"
#include "savequestion.h"
#include "userprompts.h"

#include <QFileInfo>

DayReport TMainForm::dayReport(const QDateTime &created) const
{
    // Built from what the labels were filled from, so the report shows the figures of the
    // window without reading them back out of it.
    return DayReportFromPlan(m_plan, m_balance, m_requirements.active, m_context.locale, created);
}

void TMainForm::SaveDayBalance()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_plan.allEmpty()) {
        prompts->showNotice(QStringLiteral("Die Tagesbilanz ist leer !"));
        return;
    }
    // Only the "Text" button gives the text report; "CSV" and a closed question give CSV.
    const bool asText =
        prompts->askUser(
            QStringLiteral(" Soll die Tagesbilanz als Textdatei oder CSV-Datei gespeichert werden? "),
            ModeTextCsv) == AnswerLeft;

    const QDateTime created = m_context.clock();
    const QString extension = asText ? QStringLiteral("txt") : QStringLiteral("csv");
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern als");
    request.initialFolder = m_lastReportFolder.isEmpty() ? m_context.dataDirectory : m_lastReportFolder;
    request.filter = asText ? QStringLiteral("Textdateien (*.txt)") : QStringLiteral("CSV-Dateien (*.csv)");
    request.defaultExtension = extension;
    request.proposedName = DefaultReportFileName(m_plan.chosenMealFileName(), created, extension);
    const QString path = prompts->getSaveFileName(request);
    if (path.isEmpty())
        return;
    // A refusal has said why; "Nein" to the overwrite question needs no further word.
    const SaveTargetAnswer target = CheckSaveTarget(*prompts, path, m_context.dataDirectory);
    if (!target.allowed())
        return;

    const DayReport report = dayReport(created);
    const WriteResult written =
        WriteReportFile(target.writePath, asText ? FormatDayReportText(report) : FormatDayReportCsv(report));
    if (!written.ok) {
        prompts->showPlainMessage(written.message());
        return;
    }
    m_lastReportFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    prompts->showNotice(asText ? QStringLiteral("Die Tagesbilanz wurde als Textdatei gespeichert !")
                               : QStringLiteral("Die Tagesbilanz wurde als CSV-Datei gespeichert !"));
}
