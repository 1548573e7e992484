#pragma once

#include <QPushButton>

// A push button whose caption breaks into lines at blanks when it is wider than the button;
// a run of several blanks always starts a new line, and blanks at either end are dropped.
// text() stays the caption exactly as given.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrapButton(const QString &text, QWidget *parent = nullptr);

    // The flags the caption is drawn with, so that a caller can measure it the same way.
    static constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

    // The caption as it is laid out: text() with the line breaks above applied.
    QString shownCaption() const;

    // The part of the button the caption is laid out in.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
