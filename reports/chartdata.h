#pragma once

#include "balance.h"
#include "daysummary.h"
#include "reference.h"

#include <QList>
#include <QLocale>
#include <QString>

// What a bar chart shows, as data: the window's chart and the printed page paint the same.

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
    QString referenceText;    // written beside the line, as far right as the bars leave room
    QLocale locale;           // for the axis numbers
};

// The average of each nutrient as a percentage of its requirement, coloured by its class, with
// the line at 100 % and, for the limits, marks at 110 % and 140 %.
ChartData AveragePercentChart(const DaySummary &summary, const QLocale &locale);

// Nutrient k of every day in its own unit, each day coloured by its own class, with the
// requirement as the line (and, for a limit, marks at 110 % and 140 % of it).
ChartData NutrientPerDayChart(const DaySummary &summary, int nutrient, const QLocale &locale);

// The day's percentages of the requirement, one bar per nutrient in its class, each written as
// the day panel writes it (PercentText without its padding); the line at 100 % and the limits'
// marks as above. A nutrient without a requirement has no value text.
ChartData DayPercentChart(const DayBalance &balance, const ReferenceSet &requirement, const QLocale &locale);
