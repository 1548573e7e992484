#include "daydata.h"

#include "settings.h"

DayData::DayData(const QString &dataDirectory, const QLocale &locale)
    : m_dataDirectory(dataDirectory), m_store(dataDirectory, locale)
{
}

bool DayData::load(const std::function<void(const QString &)> &tell, Stop stop)
{
    const QStringList foodMessages = m_store.loadFiles();
    for (const QString &message : foodMessages)
        tell(message);
    if (stop == Stop::WithoutSwissFoods && m_store.swissLineCount() == 0) {
        tell(QStringLiteral("Die Schweizer Nährwertliste ist leer!"));
        return false;
    }

    const SettingsList settings = LoadSettings(m_dataDirectory);
    if (!settings.protection.startMessage.isEmpty())
        tell(settings.protection.startMessage);
    m_store.buildIndex();

    const ReferenceLoad load = LoadReferenceValues(m_dataDirectory, settings);
    m_requirements = load.state;
    if (!load.message.isEmpty())
        tell(load.message);
    if (!m_requirements.ownValuesProtection.startMessage.isEmpty())
        tell(m_requirements.ownValuesProtection.startMessage);
    return true;
}
