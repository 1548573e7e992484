#pragma once

#include <QIcon>

class QWidget;

// The program's icon, made from the PNGs built into the program (16 to 256 pixels), never from
// the SVG. Set as the application's window icon, every window shows it.
QIcon ApplicationIcon();

// Makes ApplicationIcon() the application's window icon right after window is first painted,
// so decoding the six pictures does not hold up the first frame; until then the desktop shows
// its default for a moment.
void SetApplicationIconAfterFirstPaint(QWidget *window);
