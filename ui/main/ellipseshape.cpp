#include "ellipseshape.h"

#include <QPainter>

EllipseShape::EllipseShape(const QColor &colour, QWidget *parent) : QWidget(parent), m_colour(colour)
{
    // The markers overlap the top of the tabs; clicks there must still reach the tabs.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EllipseShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour.darker(140), 1));
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
