#include "wrapbutton.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

QString WrapButton::shownCaption() const
{
    // A run of several blanks in a caption is there to push the next word onto a new line.
    QString caption = text().trimmed();
    caption.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral("\n"));
    return caption;
}

QRect WrapButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
}

void WrapButton::paintEvent(QPaintEvent *)
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
    painter.drawText(captionRect(), CaptionFlags, shownCaption());
}
