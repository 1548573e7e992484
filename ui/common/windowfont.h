#pragma once

#include <QFont>
#include <QString>

// The face every window uses: Tahoma where installed, else Liberation Sans (metric twin of
// Arial, close to Tahoma), else the system's sans-serif.
QString WindowFontFamily();

// That face at a size in pixels (13 for the ordinary windows).
QFont WindowFontPixels(int pixelSize);

// That face at a size in points (10 for the message window).
QFont WindowFontPoints(int pointSize);
