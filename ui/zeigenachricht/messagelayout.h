#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

// Size of every button of the message window.
constexpr int MessageButtonWidth = 75;
constexpr int MessageButtonHeight = 25;

// Where everything of the message window goes for one text and one button set. Computed
// without a window so the rules can be checked with any measure.
struct MessageLayout
{
    QString shownText;  // the first 1000 characters of the text
    int lineUnits = 1;  // 1 + one per line + one more per line wider than 900 pixels
    int widestLine = 0; // largest measured width in pixels
    QRect label;        // Label1 in client coordinates
    QSize client;       // client size of the window
    bool leftVisible = false;
    QString leftCaption;  // JaBtn
    QString rightCaption; // NeinBtn
    QRect leftButton;     // JaBtn; empty when hidden
    QRect rightButton;    // NeinBtn
    bool thirdVisible = false;
    QString thirdCaption; // AbbrechenBtn
    QRect thirdButton;    // AbbrechenBtn; empty when hidden
    bool leftIsDefault = false; // Enter answers with the left button instead of the right
};

// Lays the window out for text and mode (a MessageMode value; an unknown value is shown as
// ModeOk so the window can always be closed). measureWidth gives a line's width in pixels in
// the window's font; it is called with at most 300 characters per line.
MessageLayout LayOutMessageWindow(const QString &text, int mode,
                                  const std::function<int(const QString &)> &measureWidth);
