#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures kept as their pixels instead of a PNG, so showing one costs no decoding: premultiplied
// ARGB words, little-endian, row by row, as a raster QPixmap holds them.

// The words of picture (converted to premultiplied ARGB first).
QByteArray ArgbWords(const QImage &picture);

// The picture of size those words make; pixels the words do not reach stay transparent.
QImage ArgbWordsPicture(const QByteArray &words, const QSize &size);

// Writes the words of picture to path and reads them back; false when the file cannot be
// written or does not give back exactly the picture's pixels. For the tools that make the files.
bool WriteArgbWordsFile(const QImage &picture, const QString &path);
