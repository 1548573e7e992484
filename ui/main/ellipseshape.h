#pragma once

#include <QColor>
#include <QWidget>

// A filled ellipse that fills its rectangle; lets every mouse event through to what lies below.
class EllipseShape : public QWidget
{
    Q_OBJECT

public:
    EllipseShape(const QColor &colour, QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
