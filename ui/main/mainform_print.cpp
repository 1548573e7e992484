// The day on paper: Qt's print preview, and the same pages as a PDF file.

#include "tmainform.h"

#include "numbertext.h"
#include "printdocument.h"
#include "printpainter.h"
#include "reportfile.h"
#include "savequestion.h"
#include "userprompts.h"

#include <QFileInfo>

PrintDocument TMainForm::dayPrintDocument(const QDateTime &created) const
{
    // The same figures as the text report, in the German number format like every document
    // beyond the window's labels; the source is named as the Swiss file names itself.
    return DayPrintDocument(m_plan, m_balance, m_requirements.active, GermanNumberLocale(), created,
                            m_store.swissHeaderLine());
}

void TMainForm::PrintDay()
{
    if (m_plan.allEmpty()) {
        m_context.prompts->showNotice(QStringLiteral("Die Tagesbilanz ist leer !"));
        return;
    }
    const PrintDocument document = dayPrintDocument(m_context.clock());
    if (m_context.printPreview)
        m_context.printPreview(document, this);
    else
        ShowPrintPreview(document, this);
}

void TMainForm::SaveDayAsPdf()
{
    UserPrompts *prompts = m_context.prompts;
    if (m_plan.allEmpty()) {
        prompts->showNotice(QStringLiteral("Die Tagesbilanz ist leer !"));
        return;
    }
    const QDateTime created = m_context.clock();
    FileDialogRequest request;
    request.title = QStringLiteral("Als PDF speichern");
    request.initialFolder = m_lastReportFolder.isEmpty() ? m_context.dataDirectory : m_lastReportFolder;
    request.filter = QStringLiteral("PDF-Dateien (*.pdf)");
    request.defaultExtension = QStringLiteral("pdf");
    request.proposedName = DefaultReportFileName(m_plan.chosenMealFileName(), created, QStringLiteral("pdf"));
    const QString path = prompts->getSaveFileName(request);
    if (path.isEmpty())
        return;
    const SaveTargetAnswer target = CheckSaveTarget(*prompts, path, m_context.dataDirectory);
    if (!target.allowed())
        return;

    const WriteResult written = WritePrintPdf(target.writePath, dayPrintDocument(created));
    if (!written.ok) {
        prompts->showPlainMessage(written.message());
        return;
    }
    m_lastReportFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    prompts->showNotice(QStringLiteral("Die Tagesbilanz wurde als PDF-Datei gespeichert !"));
}
