#pragma once

#include <QLatin1String>
#include <QString>

// The files of the data folder, and how many header lines stand before their data lines.

// The Swiss food table (read only): title, column names, units, then one food a line.
inline constexpr QLatin1String SwissFoodFileName("NwChDb.dat");
inline constexpr int SwissFoodHeaderLines = 3;

// The user's own foods: dated title, column names, then one food a line.
inline constexpr QLatin1String OwnFoodFileName("NwAnDb.dat");
inline constexpr int OwnFoodHeaderLines = 2;

// The requirement rows, 0..7 from the DGE file and 8..9 from the own-values file: each a
// title and a line of nutrient names before the rows.
inline constexpr QLatin1String DgeReferenceFileName("NwRefWerteDge.dat");
inline constexpr QLatin1String OwnReferenceFileName("NwRefWerteAnw.dat");
inline constexpr int ReferenceHeaderLines = 2;

// Reference values for the nutrients beyond the thirteen, one row for each DGE row: the same
// two header lines before the rows.
inline constexpr QLatin1String ExtendedReferenceFileName("NwRefWerteErweitert.dat");

// The settings: 'name=value' lines, no header.
inline constexpr QLatin1String SettingsFileName("NwConfig.dat");

// The day being edited, kept while it is unsaved so a crash does not lose it.
inline constexpr QLatin1String SessionFileName("NwSitzung.dat");

// German words for the table's Swiss names, one 'German;Swiss' pair a line, no header.
inline constexpr QLatin1String WordListFileName("NwWortliste.dat");

// Household measures of the Swiss foods: a header line, then one 'id;Maß;Gramm;' a line.
inline constexpr QLatin1String MeasuresFileName("NwPortionen.dat");
inline constexpr int MeasuresHeaderLines = 1;

// The user's own household measures, for Swiss and own foods alike: the same layout as
// NwPortionen.dat (MeasuresHeaderLines, then 'id;Maß;Gramm;'), merged over it.
inline constexpr QLatin1String OwnMeasuresFileName("NwMasse.dat");

// The locks of a running copy. The first lies in the user's runtime folder and keeps the
// program to one copy per user; the second is held in the data folder, so two copies never
// write the same files whatever their runtime folders.
inline constexpr QLatin1String InstanceLockFileName("C-Programm.lock");
inline constexpr QLatin1String DataFolderLockFileName("Kostbilanz.lock");
// The diary's own lock, in the diary folder: two copies with different data folders share one
// diary, and must never write the same day.
inline constexpr QLatin1String DiaryLockFileName("Tagebuch.lock");
// Beside a lock while a gone copy's lock is being removed (Qt's QLockFile names it so); a start
// killed at that moment leaves it behind.
inline constexpr QLatin1String RemovalLockSuffix(".rmlock");

// True when path names one of the program's own files in dataDirectory (any letter case):
// the files above and the program's lock files. A save of a meal file or report must never
// replace one of them.
bool IsProgramDataFile(const QString &path, const QString &dataDirectory);
