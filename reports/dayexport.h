#pragma once

#include "dayreport.h"
#include "daysession.h"
#include "printdocument.h"
#include "textfile.h"

#include <QDateTime>
#include <QString>

#include <functional>

// The day of a session as reports: each export of the main window is one call here.

// The day as the window shows it (meals, the balance last computed, the requirement in force),
// its sums in the session's locale as the labels show them, ready for a report written at created.
DayReport SessionDayReport(const DaySession &session, const QDateTime &created);

// The same day as a document to print, in the German number format like every document beyond
// the window's labels, with the source named as the Swiss file names itself.
PrintDocument SessionPrintDocument(const DaySession &session, const QDateTime &created);

// "Tagesbilanz in Datei speichern": "Die Tagesbilanz ist leer !" for an empty day; otherwise
// the question Text or CSV (only "Text" gives the text report), then the report's road to a
// file, starting in the folder of the last report, dated created.
void SaveDayBalanceReport(DaySession &session, const QDateTime &created);

// "Als PDF speichern ...": the same road for the print document; writePdf writes it.
using PdfWriter = std::function<WriteResult(const QString &path, const PrintDocument &document)>;
void SaveDayPdf(DaySession &session, const QDateTime &created, const PdfWriter &writePdf);
