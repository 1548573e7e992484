#include "wrappushbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrapPushButton::WrapPushButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

QRect WrapPushButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
}

void WrapPushButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws frame and focus only; the caption is laid out here so that it can wrap,
    // which the style's own single-line caption cannot.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(), CaptionFlags, text());
}
