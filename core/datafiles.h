#pragma once

#include <QLatin1String>

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

// The settings: 'name=value' lines, no header.
inline constexpr QLatin1String SettingsFileName("NwConfig.dat");
