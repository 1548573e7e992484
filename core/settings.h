#pragma once

#include "textfile.h"

#include <QString>
#include <QStringList>

// NwConfig.dat: lines 'name=value'. Only "agroup" is read or written; every other line is
// carried along unchanged.
struct SettingsList
{
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Missing or unreadable file: empty list, no message.
SettingsList LoadSettings(const QString &dataDirectory);

// Index of the first line whose name (text before the first '=') equals name ignoring
// case; -1 when none.
int FindSetting(const SettingsList &settings, const QString &name);

// The value (text after the first '=') of that line.
QString SettingValue(const SettingsList &settings, int line);

// Puts "agroup" = row into the list (replacing the first match's value, or appending
// "agroup=row") and writes the whole list to NwConfig.dat.
WriteResult StoreAgeGroup(SettingsList &settings, int row, const QString &dataDirectory);
