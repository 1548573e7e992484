// Exporting the day as the window shows it: a text or CSV report, Qt's print preview, a PDF.

#include "tmainform.h"

#include "dayexport.h"
#include "printpainter.h"
#include "printpreview.h"
#include "userprompts.h"

DayReport TMainForm::dayReport(const QDateTime &created) const
{
    return SessionDayReport(*m_session, created);
}

PrintDocument TMainForm::dayPrintDocument(const QDateTime &created) const
{
    return SessionPrintDocument(*m_session, created);
}

void TMainForm::SaveDayBalance()
{
    SaveDayBalanceReport(*m_session, m_context.clock());
}

void TMainForm::PrintDay()
{
    if (m_session->plan().allEmpty()) {
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
    SaveDayPdf(*m_session, m_context.clock(), WritePrintPdf);
}
