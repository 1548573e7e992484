#pragma once

#include "chartdata.h"

#include <QFont>
#include <QRect>

class QPainter;

// A bar chart painted with QPainter into any device: a window, a PDF page, an image. Beside its
// colour every class has a pattern of its own, explained in a legend, and every bar carries its
// value, so a black-and-white print reads the same.

// Draws data into area of painter, in the painter's font.
void PaintChart(QPainter &painter, const QRect &area, const ChartData &data);

// Where bar index lands when data is painted into area in font; empty when there is no such bar
// or it has no height.
QRect ChartBarRect(const QRect &area, const QFont &font, const ChartData &data, int index);

// Where the reference line's text lands: clear of every bar, value text and mark when the chart
// leaves any room for it; empty without bars or line.
QRect ChartReferenceTextRect(const QRect &area, const QFont &font, const ChartData &data);
