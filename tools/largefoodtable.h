#pragma once

#include <QString>

// A data folder fifteen times the size of the shipped one, for measuring the program at the
// size of a national food table: every shipped Swiss food `copies` times (copy k > 0 with id
// + 100000·k and " #k" after the name, synonyms kept), and 1,001 own foods with ids 30000 to
// 31000, named and valued after the shipped foods in turn. The other shipped files are copied
// as they are. Returns an empty text on success, else what went wrong.
QString WriteLargeFoodTables(const QString &shippedDataDirectory, const QString &outDirectory,
                             int copies = 15);
