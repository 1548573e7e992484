#pragma once

#include "textfile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// "NW-Tagesbilanz-<prefix>-yymmdd-hhmmss.<extension>", prefix from the chosen meal file's
// name up to its first '.', followed by '-'; empty when no meal file was chosen.
QString DefaultReportFileName(const QString &chosenMealFileName, const QDateTime &created,
                              const QString &extension);

// UTF-8 with the mark EF BB BF, CR LF after every line; replaces the file atomically.
WriteResult WriteReportFile(const QString &path, const QStringList &lines);
