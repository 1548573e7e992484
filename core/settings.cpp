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

WriteResult StoreAgeGroup(SettingsList &settings, int row, const QString &dataDirectory)
{
    const QString name = QStringLiteral("agroup");
    const int line = FindSetting(settings, name);
    if (line >= 0) {
        // The name keeps the letter case it was written with.
        QString &text = settings.lines[line];
        text = text.left(text.indexOf(QLatin1Char('=')) + 1) + QString::number(row);
    } else {
        settings.lines.append(name + QLatin1Char('=') + QString::number(row));
    }
    const QString path = DataFilePath(dataDirectory, SettingsFileName);
    if (settings.protection.isProtected())
        return settings.protection.refusedWrite(path);
    const WriteResult result = WriteTextFile(path, settings.lines, settings.encoding);
    if (result.ok)
        settings.encoding = result.encoding;
    return result;
}
