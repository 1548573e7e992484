#pragma once

#include "printdocument.h"
#include "textfile.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// A PrintDocument on pages: laid out first (so the page count is known before anything is
// painted), then painted into any paged device, a PDF or a printer. All lengths are tenths of
// a millimetre on the page, measured from the top left corner inside the margins.

enum class PrintBlockKind
{
    Title,
    Info,      // a line under the title
    TableHead, // the heads and units, again on every page the table goes on
    TableRow,
    Text,      // a water share, a message or its heading
    Chart,
    Footer, // the source line and the page number, at the foot of every page
};

struct PrintBlock
{
    PrintBlockKind kind = PrintBlockKind::Text;
    int row = -1; // the table row of a TableRow
    QRectF rect;
    QStringList lines; // as painted: the label's lines of a row (a long name wraps), a text's lines
};

struct PrintPage
{
    QList<PrintBlock> blocks;
};

struct PrintLayout
{
    QSizeF content;             // the area inside the margins
    QList<qreal> columnLefts;   // label, amount, the thirteen values, the database code when there is one
    QList<qreal> columnWidths;
    QList<PrintPage> pages;
};

// A4 landscape with the margins the document is laid out for.
QPageLayout PrintPageLayout();

// The fonts of the table (body, bold) and of the title; sizes in the units above.
QFont PrintBodyFont(bool bold = false);
QFont PrintTitleFont();

// Places every part of document on pages of content size: title and lines under it on the
// first page, the table row by row (a meal's heading stays with its first row, the day sums
// with the requirement and the percentages), the texts, then the chart, which starts a page
// of its own when it does not fit under the table.
PrintLayout LayOutPrintDocument(const PrintDocument &document, const QSizeF &content);

// Lays document out for the device's page and paints it page by page; the device's page
// layout is used as it is.
void PaintPrintDocument(QPagedPaintDevice &device, const PrintDocument &document);

// The document as a PDF on A4 landscape.
QByteArray PrintDocumentPdf(const PrintDocument &document);

// Writes PrintDocumentPdf to a temporary file beside path and renames it over path, so a
// failed write leaves no half file.
WriteResult WritePrintPdf(const QString &path, const PrintDocument &document);
