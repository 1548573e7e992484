#pragma once

#include "balance.h"
#include "daysummary.h"

#include <QList>
#include <QLocale>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

// One bar: its height in the chart's unit, the text written over it, its class (colour and
// pattern) and short lines across it at given heights.
struct ChartBar
{
    QString caption; // under the bar
    double value = 0;
    QString valueText;
    PercentClass percentClass = PercentClass::Unrated;
    QList<double> marks;
};

// What a chart shows; with no bars only the title is drawn.
struct ChartData
{
    QString title;
    QList<ChartBar> bars;
    double referenceLine = 0; // a line across the chart at this height when greater than 0
    QString referenceText;    // written at the line's right end
    QLocale locale;           // for the axis numbers
};

// The average of each nutrient as a percentage of its requirement, coloured by its class, with
// the line at 100 % and, for the limits, marks at 110 % and 140 %.
ChartData AveragePercentChart(const DaySummary &summary, const QLocale &locale);

// Nutrient k of every day in its own unit, each day coloured by its own class, with the
// requirement as the line (and, for a limit, marks at 110 % and 140 % of it).
ChartData NutrientPerDayChart(const DaySummary &summary, int nutrient, const QLocale &locale);

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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartData m_data;
};
