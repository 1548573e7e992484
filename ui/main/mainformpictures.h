#pragma once

#include <QPixmap>

// The main window's small pictures, drawn at run time so the program needs no picture files.

// A magnifying glass on a transparent square of size pixels.
QPixmap MagnifierPicture(int size);

// A blue disc with a white "i" on a transparent square of size pixels.
QPixmap InfoPicture(int size);
