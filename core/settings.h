#pragma once

#include "fileprotection.h"
#include "textfile.h"

#include <QString>
#include <QStringList>

// NwConfig.dat: lines 'name=value'. Only "agroup" is read or written; every other line is
// carried along unchanged.
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

// Puts "agroup" = row into the list (replacing the first match's value, or appending
// "agroup=row") and writes the whole list to NwConfig.dat, or refuses to when the file is
// protected (the list holds the row either way). After a write the list's encoding is the
// one written in.
WriteResult StoreAgeGroup(SettingsList &settings, int row, const QString &dataDirectory);
