#pragma once

#include <QPushButton>

// A push button whose caption breaks into lines at blanks to fit its fixed width. text()
// stays the caption exactly as given.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    WrapButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
