#pragma once

#include <QIcon>

// The program's icon, made from the PNGs built into the program (16 to 256 pixels), never from
// the SVG. Set as the application's window icon, every window shows it.
QIcon ApplicationIcon();
