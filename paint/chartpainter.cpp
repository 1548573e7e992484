#include "chartpainter.h"

#include "numbertext.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QColor ClassColour(PercentClass percentClass)
{
    const Rgb rgb = PercentClassColour(percentClass);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A pattern per class on top of its colour, so the classes also part in black and white.
Qt::BrushStyle ClassPattern(PercentClass percentClass)
{
    switch (percentClass) {
    case PercentClass::Warn:
        return Qt::BDiagPattern;
    case PercentClass::Alarm:
        return Qt::DiagCrossPattern;
    case PercentClass::Normal:
    case PercentClass::Unrated:
        break;
    }
    return Qt::NoBrush;
}

// A step of 1, 2, 2.5 or 5 times a power of ten that is at least raw.
double NiceStep(double raw)
{
    if (!(raw > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

// Where everything goes when data is painted into an area in a font.
struct ChartLayout
{
    QRect titleLine;
    QRect plot;
    double top = 1;  // the value at the plot's upper edge
    double step = 1; // between two grid lines
    double slot = 0; // the width each bar has, its gap included
    double barWidth = 0;

    int y(double value) const
    {
        const double share = std::clamp(value / top, 0.0, 1.0);
        return plot.bottom() - int(std::lround(share * plot.height()));
    }
    double slotLeft(int index) const { return plot.left() + index * slot; }
    QRect bar(int index, double value) const
    {
        const int left = int(std::lround(slotLeft(index) + (slot - barWidth) / 2));
        const int width = std::max(1, int(std::lround(barWidth)));
        const int upper = y(value);
        return QRect(left, upper, width, plot.bottom() - upper);
    }
    int markHalf() const { return int(std::lround(std::min(slot * 0.45, barWidth / 2 + 6))); }
    int captionSpace() const { return int(slot) - 2; }
};

ChartLayout LayOut(const QRect &area, const QFontMetrics &metrics, const ChartData &data)
{
    ChartLayout layout;
    double highest = data.referenceLine;
    for (const ChartBar &bar : data.bars) {
        highest = std::max(highest, bar.value);
        for (const double mark : bar.marks)
            highest = std::max(highest, mark);
    }
    // About five grid lines, and a little room above the highest bar.
    layout.step = NiceStep(highest * 1.05 / 5);
    layout.top = std::max(layout.step, std::ceil(highest * 1.05 / layout.step) * layout.step);

    const int line = metrics.height();
    layout.titleLine = QRect(area.left() + 4, area.top() + 2, area.width() - 8, line + 4);
    const int axisWidth = metrics.horizontalAdvance(FormatGeneral(layout.top, data.locale)) + 10;
    layout.plot = QRect(QPoint(area.left() + axisWidth, layout.titleLine.bottom() + line + 4),
                        QPoint(area.right() - 8, area.bottom() - line - 6));
    if (!data.bars.isEmpty()) {
        layout.slot = double(layout.plot.width()) / double(data.bars.size());
        layout.barWidth = std::min(layout.slot * 0.7, 64.0);
    }
    return layout;
}

// Where bar index's value text goes, just over the bar; empty when it has none or it does not
// fit its slot (a year of days leaves no room).
QRect ValueTextRect(const ChartLayout &layout, const QFontMetrics &metrics, const ChartData &data, int index)
{
    const ChartBar &bar = data.bars.at(index);
    const int textWidth = metrics.horizontalAdvance(bar.valueText);
    if (bar.valueText.isEmpty() || textWidth > layout.captionSpace())
        return QRect();
    const QRect rect = layout.bar(index, bar.value);
    return QRect(rect.center().x() - textWidth / 2 - 1, rect.top() - metrics.height() - 2, textWidth + 2,
                 metrics.height());
}

// The reference line's text goes just over the line, else just under it, as far right as there
// is room: first clear of the bars, their value texts and marks, then only of bars and value
// texts, then only of value texts (on white over a bar); where there is none, at the right end.
// Written at a fixed place, it ran into the value text of a last bar near the line.
QRect ReferenceTextRect(const ChartLayout &layout, const QFontMetrics &metrics, const ChartData &data)
{
    QList<QRect> valueTexts, bars, marks;
    for (int i = 0; i < data.bars.size(); ++i) {
        const ChartBar &bar = data.bars.at(i);
        const QRect rect = layout.bar(i, bar.value);
        bars.append(rect);
        valueTexts.append(ValueTextRect(layout, metrics, data, i));
        for (const double mark : bar.marks)
            marks.append(QRect(rect.center().x() - layout.markHalf(), layout.y(mark) - 1,
                               2 * layout.markHalf() + 1, 3));
    }
    const auto clearOf = [](const QList<QRect> &taken, const QRect &candidate) {
        return std::none_of(taken.cbegin(), taken.cend(),
                            [&](const QRect &rect) { return rect.intersects(candidate); });
    };
    const QRect &plot = layout.plot;
    const int width = metrics.horizontalAdvance(data.referenceText) + 4;
    const int height = metrics.height();
    const int y = layout.y(data.referenceLine);
    for (const int pass : {0, 1, 2}) {
        for (const int top : {y - height - 2, y + 3}) {
            if (top < plot.top() || top + height > plot.bottom())
                continue;
            for (int left = plot.right() - 2 - width; left >= plot.left() + 2; left -= 2) {
                const QRect candidate(left, top, width, height);
                if (clearOf(valueTexts, candidate) && (pass == 2 || clearOf(bars, candidate)) &&
                    (pass > 0 || clearOf(marks, candidate)))
                    return candidate;
            }
        }
    }
    return QRect(plot.right() - 2 - width, y - height - 2, width, height);
}

void DrawLegend(QPainter &painter, const QFontMetrics &metrics, const QRect &titleLine)
{
    const struct
    {
        PercentClass percentClass;
        const char *text;
    } entries[] = {
        {PercentClass::Normal, "im Bereich"},
        {PercentClass::Warn, "außerhalb"},
        {PercentClass::Alarm, "Obergrenze über 140 %"},
    };
    int right = titleLine.right();
    for (auto it = std::rbegin(entries); it != std::rend(entries); ++it) {
        const QString text = QString::fromUtf8(it->text);
        const int textWidth = metrics.horizontalAdvance(text);
        const QRect textRect(right - textWidth, titleLine.top(), textWidth, titleLine.height());
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
        const QRect swatch(textRect.left() - 22, titleLine.center().y() - 6, 18, 12);
        painter.fillRect(swatch, ClassColour(it->percentClass));
        painter.fillRect(swatch, QBrush(Qt::black, ClassPattern(it->percentClass)));
        painter.setPen(Qt::black);
        painter.drawRect(swatch);
        right = swatch.left() - 14;
    }
}

} // namespace

void PaintChart(QPainter &painter, const QRect &area, const ChartData &data)
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    const QFontMetrics metrics(painter.font());
    const ChartLayout layout = LayOut(area, metrics, data);

    painter.setPen(Qt::black);
    painter.drawText(layout.titleLine, Qt::AlignLeft | Qt::AlignVCenter, data.title);
    if (data.bars.isEmpty()) {
        painter.restore();
        return;
    }
    DrawLegend(painter, metrics, layout.titleLine);

    // Grid lines with their values on the left.
    const QRect &plot = layout.plot;
    for (double value = 0; value <= layout.top + layout.step / 2; value += layout.step) {
        const int y = layout.y(value);
        painter.setPen(QColor(210, 210, 210));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(area.left(), y - metrics.height() / 2, plot.left() - area.left() - 6, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, FormatGeneral(value, data.locale));
    }

    const int captionSpace = layout.captionSpace();
    for (int i = 0; i < data.bars.size(); ++i) {
        const ChartBar &bar = data.bars.at(i);
        const QRect rect = layout.bar(i, bar.value);
        if (rect.height() > 0) {
            painter.fillRect(rect, ClassColour(bar.percentClass));
            painter.fillRect(rect, QBrush(Qt::black, ClassPattern(bar.percentClass)));
            if (rect.width() >= 4) {
                painter.setPen(Qt::black);
                painter.drawRect(rect.adjusted(0, 0, -1, -1));
            }
        }
        // The marks stand out on both sides of the bar, so they read on a bar of any colour.
        painter.setPen(QPen(Qt::black, 2));
        const int markHalf = layout.markHalf();
        const int centre = rect.center().x();
        for (const double mark : bar.marks)
            painter.drawLine(centre - markHalf, layout.y(mark), centre + markHalf, layout.y(mark));
    }

    // The line before the texts, so a value just under or over it stays readable on its white.
    painter.setPen(Qt::black);
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    if (data.referenceLine > 0) {
        const int y = layout.y(data.referenceLine);
        painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        const QRect textRect = ReferenceTextRect(layout, metrics, data);
        painter.fillRect(textRect, Qt::white);
        painter.drawText(textRect, Qt::AlignCenter, data.referenceText);
    }

    for (int i = 0; i < data.bars.size(); ++i) {
        const ChartBar &bar = data.bars.at(i);
        // Texts only where they fit: with a year of days there is no room under each bar.
        painter.setPen(Qt::black);
        const QRect textRect = ValueTextRect(layout, metrics, data, i);
        if (!textRect.isEmpty()) {
            // On white, so a mark or the line behind it does not cross the digits.
            painter.fillRect(textRect, Qt::white);
            painter.drawText(textRect, Qt::AlignCenter, bar.valueText);
        }
        if (captionSpace >= metrics.averageCharWidth() * 3) {
            painter.drawText(
                QRect(int(layout.slotLeft(i)), plot.bottom() + 3, int(layout.slot), metrics.height()),
                Qt::AlignHCenter | Qt::AlignTop,
                metrics.elidedText(bar.caption, Qt::ElideRight, captionSpace));
        }
    }

    painter.restore();
}

QRect ChartBarRect(const QRect &area, const QFont &font, const ChartData &data, int index)
{
    if (index < 0 || index >= data.bars.size())
        return QRect();
    const ChartLayout layout = LayOut(area, QFontMetrics(font), data);
    return layout.bar(index, data.bars.at(index).value);
}

QRect ChartReferenceTextRect(const QRect &area, const QFont &font, const ChartData &data)
{
    if (data.bars.isEmpty() || data.referenceLine <= 0)
        return QRect();
    const QFontMetrics metrics(font);
    return ReferenceTextRect(LayOut(area, metrics, data), metrics, data);
}
