#include "settings.h"

#include "datafiles.h"
#include "fooddata.h"

SettingsList LoadSettings(const QString &dataDirectory)
{
    SettingsList settings;
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, SettingsFileName));
    if (read.status == ReadStatus::Ok) {
        settings.lines = read.file.lines;
        settings.encoding = read.file.encoding;
    } else if (read.status == ReadStatus::Failed || read.status == ReadStatus::Refused) {
        settings.protection = ProtectUnreadableFile(SettingsFileName, read.reason);
    }
    return settings;
}

int FindSetting(const SettingsList &settings, const QString &name)
{
    for (int i = 0; i < settings.lines.size(); ++i) {
        const QString &line = settings.lines.at(i);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        // A line without '=' has no name and never matches.
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString SettingValue(const SettingsList &settings, int line)
{
    if (line < 0 || line >= settings.lines.size())
        return QString();
    const QString &text = settings.lines.at(line);
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : text.mid(equals + 1);
}

WriteResult StoreSetting(SettingsList &settings, const QString &name, const QString &value,
                         const QString &dataDirectory)
{
    const QString path = DataFilePath(dataDirectory, SettingsFileName);
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return WriteResult::Refused(
            path, QStringLiteral("Der Wert von „%1“ enthält einen Zeilenumbruch und wird nicht gespeichert.").arg(name));
    const int line = FindSetting(settings, name);
    if (line >= 0) {
        // The name keeps the letter case it was written with.
        QString &text = settings.lines[line];
        text = text.left(text.indexOf(QLatin1Char('=')) + 1) + value;
    } else {
        settings.lines.append(name + QLatin1Char('=') + value);
    }
    return settings.protection.writeLines(path, settings.lines, settings.encoding);
}

QString RememberedFolder(const SettingsList &settings, QLatin1String key)
{
    return SettingValue(settings, FindSetting(settings, key));
}

WriteResult StoreRememberedFolder(SettingsList &settings, QLatin1String key, const QString &folder,
                                  const QString &dataDirectory)
{
    // A dialog that was cancelled has no folder to keep; the one kept before stays.
    if (folder.isEmpty()) {
        WriteResult nothing;
        nothing.path = DataFilePath(dataDirectory, SettingsFileName);
        return nothing;
    }
    return StoreSetting(settings, key, folder, dataDirectory);
}

WriteResult StoreAgeGroup(SettingsList &settings, int row, const QString &dataDirectory)
{
    return StoreSetting(settings, QStringLiteral("agroup"), QString::number(row), dataDirectory);
}
