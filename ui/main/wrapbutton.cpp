#include "wrapbutton.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the frame only; the caption is laid out here so that it can wrap.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // A run of several blanks in a caption is there to push the next word onto a new line.
    QString caption = text().trimmed();
    caption.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral("\n"));
    painter.drawText(contents.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, caption);
}
