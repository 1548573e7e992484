#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Pictures kept as their pixels instead of a PNG, so showing one costs no decoding: premultiplied
// ARGB words, little-endian, row by row, as a raster QPixmap holds them.

// The words of picture (converted to premultiplied ARGB first).
QByteArray ArgbWords(const QImage &picture);

// The picture of size those words make; pixels the words do not reach stay transparent.
QImage ArgbWordsPicture(const QByteArray &words, const QSize &size);
