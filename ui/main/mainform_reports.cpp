// Exporting the day as the window shows it, as a text or a CSV report.

#include "tmainform.h"

#include "dayreport.h"
#include "reportfile.h"
#include "userprompts.h"

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
    // The shared save dialog keeps folder, filter and extension from its last use.
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern als");
    request.proposedName = DefaultReportFileName(m_plan.chosenMealFileName(), created,
                                                 asText ? QStringLiteral("txt") : QStringLiteral("csv"));
    const QString path = prompts->getSaveFileName(request);
    if (path.isEmpty())
        return;

    const DayReport report = dayReport(created);
    const WriteResult written =
        WriteReportFile(path, asText ? FormatDayReportText(report) : FormatDayReportCsv(report));
    if (!written.ok) {
        prompts->showPlainMessage(written.message());
        return;
    }
    prompts->showNotice(asText ? QStringLiteral("Die Tagesbilanz wurde als Textdatei gespeichert !")
                               : QStringLiteral("Die Tagesbilanz wurde als CSV-Datei gespeichert !"));
}
