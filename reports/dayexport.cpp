#include "dayexport.h"

#include "numbertext.h"
#include "reportfile.h"
#include "reportsave.h"
#include "userprompts.h"

namespace {

const QString EmptyDay = QStringLiteral("Die Tagesbilanz ist leer !");

FileDialogRequest ReportRequest(const DaySession &session, const QString &title, const QString &filter,
                                const QString &extension, const QDateTime &created)
{
    FileDialogRequest request;
    request.title = title;
    request.initialFolder = session.reportFolder();
    request.filter = filter;
    request.defaultExtension = extension;
    request.proposedName = DefaultReportFileName(session.plan().chosenMealFileName(), created, extension);
    return request;
}

} // namespace

DayReport SessionDayReport(const DaySession &session, const QDateTime &created)
{
    // Built from what the labels were filled from, so the report shows the figures of the
    // window without reading them back out of it.
    return DayReportFromPlan(session.plan(), session.balance(), session.requirements().active,
                             session.locale(), created);
}

PrintDocument SessionPrintDocument(const DaySession &session, const QDateTime &created)
{
    return DayPrintDocument(session.plan(), session.balance(), session.requirements().active,
                            GermanNumberLocale(), created, session.foodStore().swissHeaderLine());
}

void SaveDayBalanceReport(DaySession &session, const QDateTime &created)
{
    UserPrompts &prompts = session.prompts();
    if (session.plan().allEmpty()) {
        prompts.showNotice(EmptyDay);
        return;
    }
    // Only the "Text" button gives the text report; "CSV" and a closed question give CSV.
    const bool asText =
        prompts.askUser(
            QStringLiteral(" Soll die Tagesbilanz als Textdatei oder CSV-Datei gespeichert werden? "),
            ModeTextCsv) == AnswerLeft;
    const FileDialogRequest request =
        ReportRequest(session, QStringLiteral("Speichern als"),
                      asText ? QStringLiteral("Textdateien (*.txt)") : QStringLiteral("CSV-Dateien (*.csv)"),
                      asText ? QStringLiteral("txt") : QStringLiteral("csv"), created);
    const QString path = SaveReportAs(
        prompts, request, session.dataDirectory(),
        [&](const QString &target) {
            const DayReport report = SessionDayReport(session, created);
            return WriteReportFile(target, asText ? FormatDayReportText(report) : FormatDayReportCsv(report));
        },
        asText ? QStringLiteral("Die Tagesbilanz wurde als Textdatei gespeichert !")
               : QStringLiteral("Die Tagesbilanz wurde als CSV-Datei gespeichert !"));
    if (!path.isEmpty())
        session.rememberReportFolder(path);
}

void SaveDayPdf(DaySession &session, const QDateTime &created, const PdfWriter &writePdf)
{
    UserPrompts &prompts = session.prompts();
    if (session.plan().allEmpty()) {
        prompts.showNotice(EmptyDay);
        return;
    }
    const FileDialogRequest request =
        ReportRequest(session, QStringLiteral("Als PDF speichern"), QStringLiteral("PDF-Dateien (*.pdf)"),
                      QStringLiteral("pdf"), created);
    const QString path = SaveReportAs(
        prompts, request, session.dataDirectory(),
        [&](const QString &target) { return writePdf(target, SessionPrintDocument(session, created)); },
        QStringLiteral("Die Tagesbilanz wurde als PDF-Datei gespeichert !"));
    if (!path.isEmpty())
        session.rememberReportFolder(path);
}
