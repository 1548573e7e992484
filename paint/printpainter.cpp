#include "printpainter.h"

#include "appinfo.h"
#include "chartpainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// Tenths of a millimetre: fine enough that measuring and painting agree, whatever the device.
constexpr qreal UnitsPerMm = 10;
constexpr qreal BodyPixels = 27;  // about 7.7 pt
constexpr qreal TitlePixels = 45; // about 12.8 pt
constexpr qreal CellPadding = 8;
constexpr qreal RowPadding = 5;
constexpr qreal ValueWidth = 148;
constexpr qreal DbWidth = 70;
constexpr qreal GapAfterTitle = 20;
constexpr qreal GapBeforeTable = 40;
constexpr qreal GapAfterTable = 40;
// The chart takes what is left under the table within these heights, or a page of its own.
constexpr qreal ChartMinHeight = 650;
constexpr qreal ChartMaxHeight = 950;
// The chart's own sizes (lines, swatches, gaps) are screen pixels; on paper one of them is a
// pixel of a 100 dpi screen.
constexpr qreal ChartPixel = 25.4 / 100 * UnitsPerMm;
constexpr int ChartFontPixels = 11;

const QColor HeadGrey(225, 225, 225);
const QColor SumGrey(240, 240, 240);
const QColor RuleGrey(170, 170, 170);

QFont BaseFont(qreal pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    // Unhinted, the widths measured for the layout are the widths painted at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool BoldRow(PrintRowKind kind)
{
    return kind == PrintRowKind::Heading || kind == PrintRowKind::Sum;
}

// Greedy breaking at blanks; a word wider than the line is broken where it must be.
QStringList WrapText(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QStringList lines;
    QString line;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line.clear();
        while (metrics.horizontalAdvance(word) > width && word.size() > 1) {
            qsizetype fit = 1;
            while (fit < word.size() && metrics.horizontalAdvance(word.left(fit + 1)) <= width)
                ++fit;
            lines.append(word.left(fit));
            word = word.mid(fit);
        }
        line = word;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

qreal LineHeight(const QFont &font)
{
    return QFontMetricsF(font).lineSpacing();
}

// A row holds its label's lines; a percentage row has its marks under the texts.
qreal RowHeight(const PrintRow &row, int labelLines)
{
    const int lines = std::max(labelLines, row.kind == PrintRowKind::Percent ? 2 : 1);
    return lines * LineHeight(PrintBodyFont(BoldRow(row.kind))) + 2 * RowPadding;
}

// A heading stays with the row under it, and the day's last rows (sums, requirement,
// percentages) stay together.
bool KeepsWithNext(const QList<PrintRow> &rows, int index)
{
    if (index + 1 >= rows.size())
        return false;
    const PrintRowKind next = rows.at(index + 1).kind;
    return rows.at(index).kind == PrintRowKind::Heading || next == PrintRowKind::Requirement ||
           next == PrintRowKind::Percent;
}

class PageFiller
{
public:
    PageFiller(PrintLayout &layout, qreal bottom) : m_layout(layout), m_bottom(bottom) { newPage(); }

    qreal room() const { return m_bottom - m_y; }
    bool pageIsEmpty() const { return m_layout.pages.last().blocks.isEmpty(); }

    void newPage()
    {
        m_layout.pages.append(PrintPage());
        m_y = 0;
    }

    void skip(qreal height) { m_y = std::min(m_bottom, m_y + height); }

    void place(PrintBlockKind kind, qreal height, const QStringList &lines, int row = -1)
    {
        PrintBlock block;
        block.kind = kind;
        block.row = row;
        block.rect = QRectF(0, m_y, m_layout.content.width(), height);
        block.lines = lines;
        m_layout.pages.last().blocks.append(block);
        m_y += height;
    }

private:
    PrintLayout &m_layout;
    qreal m_bottom;
    qreal m_y = 0;
};

void PaintCellText(QPainter &painter, const QRectF &cell, qreal top, qreal lineHeight, const QString &text,
                   Qt::Alignment alignment)
{
    const QRectF inner(cell.left() + CellPadding, top, cell.width() - 2 * CellPadding, lineHeight);
    painter.drawText(inner, int(alignment | Qt::AlignVCenter), text);
}

void PaintTableHead(QPainter &painter, const PrintLayout &layout, const PrintTable &table, const PrintBlock &block)
{
    painter.fillRect(block.rect, HeadGrey);
    painter.setFont(PrintBodyFont(true));
    const qreal line = LineHeight(painter.font());
    for (int column = 0; column < layout.columnLefts.size(); ++column) {
        const QRectF cell(layout.columnLefts.at(column), block.rect.top(), layout.columnWidths.at(column),
                          block.rect.height());
        const Qt::Alignment alignment = column == 0 ? Qt::AlignLeft : Qt::AlignRight;
        PaintCellText(painter, cell, cell.top() + RowPadding, line, table.heads.value(column), alignment);
        painter.setFont(PrintBodyFont(false));
        PaintCellText(painter, cell, cell.top() + RowPadding + line, line, table.units.value(column), alignment);
        painter.setFont(PrintBodyFont(true));
    }
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(block.rect.bottomLeft(), block.rect.bottomRight());
}

void PaintTableRow(QPainter &painter, const PrintLayout &layout, const PrintRow &row, const PrintBlock &block)
{
    const QRectF &rect = block.rect;
    if (row.kind == PrintRowKind::Sum || row.kind == PrintRowKind::Requirement || row.kind == PrintRowKind::Count)
        painter.fillRect(rect, SumGrey);
    painter.setFont(PrintBodyFont(BoldRow(row.kind)));
    painter.setPen(Qt::black);
    const qreal line = LineHeight(painter.font());
    const qreal top = rect.top() + RowPadding;

    const QRectF labelCell(layout.columnLefts.at(0), rect.top(), layout.columnWidths.at(0), rect.height());
    if (row.kind == PrintRowKind::Heading || row.kind == PrintRowKind::Note) {
        // Across the whole table: nothing stands beside it.
        const QRectF wide(0, rect.top(), layout.content.width(), rect.height());
        PaintCellText(painter, wide, top, line, block.lines.value(0), Qt::AlignLeft);
    } else {
        for (int i = 0; i < block.lines.size(); ++i)
            PaintCellText(painter, labelCell, top + i * line, line, block.lines.at(i), Qt::AlignLeft);
    }

    auto cellRect = [&](int column) {
        return QRectF(layout.columnLefts.at(column), rect.top(), layout.columnWidths.at(column), rect.height());
    };
    if (!row.amount.isEmpty())
        PaintCellText(painter, cellRect(1), top, line, row.amount, Qt::AlignRight);
    for (int k = 0; k < row.cells.size() && 2 + k < layout.columnLefts.size(); ++k) {
        const PrintCell &cell = row.cells.at(k);
        const QRectF box = cellRect(2 + k);
        if (row.kind == PrintRowKind::Percent) {
            const Rgb rgb = PercentClassColour(cell.percentClass);
            painter.fillRect(box.adjusted(2, 2, -2, -2), QColor(rgb.red, rgb.green, rgb.blue));
            painter.setFont(PrintBodyFont(true));
            PaintCellText(painter, box, top, line, cell.text, Qt::AlignRight);
            painter.setFont(PrintBodyFont(false));
            PaintCellText(painter, box, top + line, line, cell.mark, Qt::AlignRight);
            painter.setFont(PrintBodyFont(BoldRow(row.kind)));
        } else {
            PaintCellText(painter, box, top, line, cell.text, Qt::AlignRight);
        }
    }
    if (!row.dbCode.isEmpty() && layout.columnLefts.size() > 2 + NutrientCount)
        PaintCellText(painter, cellRect(2 + NutrientCount), top, line, row.dbCode, Qt::AlignRight);

    painter.setPen(QPen(row.kind == PrintRowKind::Sum ? Qt::black : RuleGrey, row.kind == PrintRowKind::Sum ? 2 : 1));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

void PaintFooter(QPainter &painter, const PrintBlock &block)
{
    painter.setFont(PrintBodyFont(false));
    painter.setPen(RuleGrey);
    painter.drawLine(block.rect.topLeft(), block.rect.topRight());
    painter.setPen(Qt::black);
    const QRectF text = block.rect.adjusted(0, RowPadding, 0, 0);
    painter.drawText(text, int(Qt::AlignLeft | Qt::AlignTop), block.lines.value(0));
    painter.drawText(text, int(Qt::AlignRight | Qt::AlignTop), block.lines.value(1));
}

void PaintChart(QPainter &painter, const ChartData &chart, const QRectF &rect)
{
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(ChartPixel, ChartPixel);
    QFont font = BaseFont(ChartFontPixels, false);
    painter.setFont(font);
    const QRect area(0, 0, int(rect.width() / ChartPixel), int(rect.height() / ChartPixel));
    PaintChart(painter, area, chart);
    painter.setPen(QPen(RuleGrey, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

QPageLayout PrintPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 10, 12, 10),
                       QPageLayout::Millimeter);
}

QFont PrintBodyFont(bool bold)
{
    return BaseFont(BodyPixels, bold);
}

QFont PrintTitleFont()
{
    return BaseFont(TitlePixels, true);
}

PrintLayout LayOutPrintDocument(const PrintDocument &document, const QSizeF &content)
{
    PrintLayout layout;
    layout.content = content;
    const PrintTable &table = document.table;

    // The values and the amount have a fixed width that holds seven characters; the label
    // column takes the rest, and long labels wrap in it.
    const int fixedColumns = 1 + NutrientCount;
    const qreal dbWidth = table.hasDbColumn ? DbWidth : 0;
    const qreal labelWidth = std::max(ValueWidth, content.width() - fixedColumns * ValueWidth - dbWidth);
    layout.columnLefts.append(0);
    layout.columnWidths.append(labelWidth);
    for (int column = 0; column < fixedColumns; ++column) {
        layout.columnLefts.append(labelWidth + column * ValueWidth);
        layout.columnWidths.append(ValueWidth);
    }
    if (table.hasDbColumn) {
        layout.columnLefts.append(labelWidth + fixedColumns * ValueWidth);
        layout.columnWidths.append(DbWidth);
    }

    const QFont body = PrintBodyFont(false);
    const qreal line = LineHeight(body);
    const qreal footerHeight = line + 2 * RowPadding;
    PageFiller filler(layout, content.height() - footerHeight);

    filler.place(PrintBlockKind::Title, LineHeight(PrintTitleFont()) + GapAfterTitle, {document.title});
    for (const QString &info : document.infoLines)
        filler.place(PrintBlockKind::Info, line, {info});
    filler.skip(GapBeforeTable);

    const qreal headHeight = 2 * LineHeight(PrintBodyFont(true)) + 2 * RowPadding;
    const qreal labelTextWidth = labelWidth - 2 * CellPadding;
    QList<QStringList> labels;
    QList<qreal> heights;
    for (const PrintRow &row : table.rows) {
        const QFontMetricsF metrics(PrintBodyFont(BoldRow(row.kind)));
        // Headings and notes run across the table and need no wrapping.
        const QStringList lines = row.kind == PrintRowKind::Heading || row.kind == PrintRowKind::Note
                                      ? QStringList{row.label}
                                      : WrapText(row.label, metrics, labelTextWidth);
        labels.append(lines);
        heights.append(RowHeight(row, int(lines.size())));
    }
    bool headOnPage = false;
    for (int i = 0; i < table.rows.size(); ++i) {
        // The rows that must stay with this one go to the next page together with it.
        qreal together = heights.at(i);
        for (int j = i; KeepsWithNext(table.rows, j); ++j)
            together += heights.at(j + 1);
        const qreal head = headOnPage ? 0 : headHeight;
        if (together + head > filler.room() && (headOnPage || !filler.pageIsEmpty())) {
            filler.newPage();
            headOnPage = false;
        }
        if (!headOnPage) {
            filler.place(PrintBlockKind::TableHead, headHeight, {});
            headOnPage = true;
        }
        filler.place(PrintBlockKind::TableRow, heights.at(i), labels.at(i), i);
    }

    QStringList texts = document.waterLines;
    if (!document.messageLines.isEmpty()) {
        texts.append(QStringLiteral("Meldungen beim Einlesen:"));
        texts.append(document.messageLines);
    }
    if (!texts.isEmpty())
        filler.skip(GapAfterTable);
    const QFontMetricsF metrics(body);
    for (const QString &text : std::as_const(texts)) {
        const QStringList lines = WrapText(text, metrics, content.width());
        const qreal height = lines.size() * line;
        if (height > filler.room())
            filler.newPage();
        filler.place(PrintBlockKind::Text, height, lines);
    }

    if (!document.chart.title.isEmpty() || !document.chart.bars.isEmpty()) {
        filler.skip(GapAfterTable);
        if (ChartMinHeight > filler.room())
            filler.newPage();
        filler.place(PrintBlockKind::Chart, std::min(ChartMaxHeight, filler.room()), {});
    }

    const int count = int(layout.pages.size());
    for (int page = 0; page < count; ++page) {
        PrintBlock footer;
        footer.kind = PrintBlockKind::Footer;
        footer.rect = QRectF(0, content.height() - footerHeight, content.width(), footerHeight);
        footer.lines = {document.sourceLine, QStringLiteral("Seite %1 von %2").arg(page + 1).arg(count)};
        layout.pages[page].blocks.append(footer);
    }
    return layout;
}

void PaintPrintDocument(QPagedPaintDevice &device, const PrintDocument &document)
{
    // A page narrower than A4 landscape (portrait, chosen in the preview) gets the same table
    // shrunk to its width rather than cut at its edge.
    const QSizeF content = device.pageLayout().paintRect(QPageLayout::Millimeter).size() * UnitsPerMm;
    const qreal designed = PrintPageLayout().paintRect(QPageLayout::Millimeter).width() * UnitsPerMm;
    const qreal fit = std::min<qreal>(1, content.width() / designed);
    const PrintLayout layout = LayOutPrintDocument(document, content / fit);

    QPainter painter(&device);
    // Device pixels per tenth of a millimetre.
    painter.scale(fit * device.logicalDpiX() / 254.0, fit * device.logicalDpiY() / 254.0);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int page = 0; page < layout.pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        for (const PrintBlock &block : layout.pages.at(page).blocks) {
            painter.setPen(Qt::black);
            switch (block.kind) {
            case PrintBlockKind::Title:
                painter.setFont(PrintTitleFont());
                painter.drawText(block.rect, int(Qt::AlignLeft | Qt::AlignTop), block.lines.value(0));
                break;
            case PrintBlockKind::Info:
            case PrintBlockKind::Text:
                painter.setFont(PrintBodyFont(false));
                for (int i = 0; i < block.lines.size(); ++i) {
                    const qreal line = LineHeight(painter.font());
                    painter.drawText(QRectF(block.rect.left(), block.rect.top() + i * line, block.rect.width(), line),
                                     int(Qt::AlignLeft | Qt::AlignVCenter), block.lines.at(i));
                }
                break;
            case PrintBlockKind::TableHead:
                PaintTableHead(painter, layout, document.table, block);
                break;
            case PrintBlockKind::TableRow:
                PaintTableRow(painter, layout, document.table.rows.at(block.row), block);
                break;
            case PrintBlockKind::Chart:
                PaintChart(painter, document.chart, block.rect);
                break;
            case PrintBlockKind::Footer:
                PaintFooter(painter, block);
                break;
            }
        }
    }
}

QByteArray PrintDocumentPdf(const PrintDocument &document)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PrintPageLayout());
        writer.setResolution(600);
        writer.setTitle(document.title);
        writer.setCreator(AppTitle());
        PaintPrintDocument(writer, document);
    }
    return bytes;
}

WriteResult WritePrintPdf(const QString &path, const PrintDocument &document)
{
    return WriteFileAtomically(path, PrintDocumentPdf(document));
}
