#pragma once

#include "fileprotection.h"
#include "textfile.h"

#include <QString>
#include <QStringList>

// NwConfig.dat: lines 'name=value'. The program reads and writes "agroup" (the requirement row)
// and the folders last used by the file dialogs; every other line is carried along unchanged,
// in its place.
struct SettingsList
{
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
    FileProtection protection; // set when the file was there but could not be read
};

// Missing file: empty list, no message. A file that exists but cannot be read gives an empty
// list too, and the protection with its start message: the file is never written in this run.
SettingsList LoadSettings(const QString &dataDirectory);

// Index of the first line whose name (text before the first '=') equals name ignoring
// case; -1 when none.
int FindSetting(const SettingsList &settings, const QString &name);

// The value (text after the first '=') of that line.
QString SettingValue(const SettingsList &settings, int line);

// The keys of the folders the file dialogs last used, one per kind of file: meal files, and
// reports (text, CSV, PDF, several days).
inline constexpr QLatin1String MealFolderSetting("mahlzeitordner");
inline constexpr QLatin1String ReportFolderSetting("berichtordner");

// Puts name = value into the list (replacing the value of the first line of that name, whose
// name keeps its letter case, or appending "name=value") and writes the whole list to
// NwConfig.dat, or refuses to when the file is protected (the list holds the value either
// way). A value with a line break is refused before anything changes: it would become a line
// of its own. After a write the list's encoding is the one written in (UTF-8 with its mark
// when the value does not fit Windows-1252).
WriteResult StoreSetting(SettingsList &settings, const QString &name, const QString &value,
                         const QString &dataDirectory);

// The folder last used for key (MealFolderSetting, ReportFolderSetting); empty when none is
// kept, the dialog then opening where it did before.
QString RememberedFolder(const SettingsList &settings, QLatin1String key);

// Keeps folder under key (StoreSetting). An empty folder is not kept: nothing is written and
// the result is ok.
WriteResult StoreRememberedFolder(SettingsList &settings, QLatin1String key, const QString &folder,
                                  const QString &dataDirectory);

// Puts "agroup" = row into the list (replacing the first match's value, or appending
// "agroup=row") and writes the whole list to NwConfig.dat, or refuses to when the file is
// protected (the list holds the row either way). After a write the list's encoding is the
// one written in.
WriteResult StoreAgeGroup(SettingsList &settings, int row, const QString &dataDirectory);
