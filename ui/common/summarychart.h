#pragma once

#include "chartdata.h"

#include <QRect>
#include <QWidget>

class QPainter;

// A bar chart painted with QPainter. Beside its colour every class has a pattern of its own,
// explained in a legend, and every bar carries its value, so a black-and-white print reads
// the same. paint() draws into any painter, with or without a window (a PDF, an image).
class SummaryChart : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryChart(QWidget *parent = nullptr);

    void setData(const ChartData &data);
    const ChartData &data() const { return m_data; }

    // Draws the chart into area of painter, in the painter's font; needs no window.
    void paint(QPainter &painter, const QRect &area) const { paintData(painter, area, m_data); }
    static void paintData(QPainter &painter, const QRect &area, const ChartData &data);

    // Where bar index lands when the chart is painted into area in font; empty when there is
    // no such bar or it has no height.
    static QRect barRect(const QRect &area, const QFont &font, const ChartData &data, int index);

    // Where the reference line's text lands: clear of every bar, value text and mark when the
    // chart leaves any room for it; empty without bars or line.
    static QRect referenceTextRect(const QRect &area, const QFont &font, const ChartData &data);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartData m_data;
};
