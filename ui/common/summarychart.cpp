#include "summarychart.h"

#include "chartpainter.h"

#include <QPainter>

SummaryChart::SummaryChart(QWidget *parent) : QWidget(parent) {}

void SummaryChart::setData(const ChartData &data)
{
    m_data = data;
    update();
}

void SummaryChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintChart(painter, rect(), m_data);
}
