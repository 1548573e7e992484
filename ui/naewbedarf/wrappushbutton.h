#pragma once

#include <QPushButton>

// A push button whose caption breaks into lines at blanks when it is wider than the button.
// text() stays the caption exactly as given.
class WrapPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrapPushButton(const QString &text, QWidget *parent = nullptr);

    // The flags the caption is drawn with, so that a caller can measure it the same way.
    static constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

    // The part of the button the caption is laid out in.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
