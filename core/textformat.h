#pragma once

#include <QDate>
#include <QString>

// printf-style fixed-width cells, counted in UTF-16 code units like the rest of the program.

// "%-w.ws": cut to width, padded with blanks on the right.
QString FitLeft(const QString &text, int width);

// "%w.ws": cut to its first width characters, padded with blanks on the left.
QString FitRight(const QString &text, int width);

// "%2.2d": at least two digits, leading zeros.
QString TwoDigits(int value);

// "dd.mm.yy": the date line of the data files and of the reports.
QString ShortDate(const QDate &date);

// The file-name part of a path: the text behind the last '/', '\\' or ':'.
QString FileNamePart(const QString &path);
