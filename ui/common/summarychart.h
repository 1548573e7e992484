#pragma once

#include "chartdata.h"

#include <QWidget>

// The bar chart of several days as a widget; it paints with PaintChart, as a printed page does.
class SummaryChart : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryChart(QWidget *parent = nullptr);

    void setData(const ChartData &data);
    const ChartData &data() const { return m_data; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartData m_data;
};
