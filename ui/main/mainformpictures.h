#pragma once

#include <QPixmap>

// The main window's small pictures.

// A magnifying glass on a transparent square of size pixels, drawn at run time.
QPixmap MagnifierPicture(int size);

// A blue disc with a white "i" on a transparent square of 32 pixels, drawn once by
// tools/render_info_sign and built into the program as its pixels (pictures/info_sign.argb).
QPixmap InfoPicture();
