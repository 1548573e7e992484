#include "wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

QString WrapButton::shownCaption() const
{
    // A run of several blanks in a caption is there to push the next word onto a new line.
    // Looked for by hand: a regular expression would load and compile the regex engine during
    // every start-up, for the seven captions of the main window.
    const QString caption = text().trimmed();
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size();) {
        if (caption.at(i) != QLatin1Char(' ')) {
            shown += caption.at(i++);
            continue;
        }
        qsizetype end = i;
        while (end < caption.size() && caption.at(end) == QLatin1Char(' '))
            ++end;
        shown += end - i >= 2 ? QLatin1Char('\n') : QLatin1Char(' ');
        i = end;
    }
    return shown;
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
