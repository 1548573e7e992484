#include "versioninfo.h"

#include "appinfo.h"

#include <QFileInfo>

namespace {

QString FourHexDigits(quint16 number)
{
    return QStringLiteral("%1").arg(number, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

VersionInfo VersionInfo::programVersionInfo()
{
    VersionInfo info;
    const Translation german{0x0407, 0x04E4};
    info.addTranslation(german.language, german.codePage);
    const QString version = ProgramVersion() + QStringLiteral(".0.0");
    info.setString(stringKey(german, QStringLiteral("FileDescription")), QStringLiteral("Kostbilanz"));
    info.setString(stringKey(german, QStringLiteral("FileVersion")), version);
    info.setString(stringKey(german, QStringLiteral("InternalName")), QStringLiteral("kostbilanz"));
    info.setString(stringKey(german, QStringLiteral("OriginalFilename")), QStringLiteral("kostbilanz"));
    info.setString(stringKey(german, QStringLiteral("ProductName")), QStringLiteral("Kostbilanz"));
    info.setString(stringKey(german, QStringLiteral("ProductVersion")), ProgramVersion());
    return info;
}

void VersionInfo::addTranslation(quint16 language, quint16 codePage)
{
    m_translations.append({language, codePage});
}

void VersionInfo::setString(const QString &key, const QString &value)
{
    m_strings.insert(key, value);
}

bool VersionInfo::isEmpty() const
{
    return m_translations.isEmpty() && m_strings.isEmpty();
}

bool VersionInfo::queryValue(const QString &key, QString *value) const
{
    const auto found = m_strings.constFind(key);
    if (found == m_strings.constEnd())
        return false;
    *value = found.value();
    return true;
}

QString VersionInfo::stringKey(const Translation &translation, const QString &name)
{
    return QStringLiteral("\\StringFileInfo\\") + FourHexDigits(translation.language) +
           FourHexDigits(translation.codePage) + QLatin1Char('\\') + name;
}

QString MissingFileVersionText()
{
    return QStringLiteral("-- n.Vers.");
}

QString LookUpFileVersion(const QString &programFilePath, const VersionInfo &block,
                          const QString &previousText)
{
    if (!QFileInfo::exists(programFilePath) || block.isEmpty())
        return previousText;
    // A block without a translation has no key to look under; it reads like one whose
    // file version entry is missing.
    if (block.translations().isEmpty())
        return MissingFileVersionText();
    QString version;
    if (!block.queryValue(
            VersionInfo::stringKey(block.translations().constFirst(), QStringLiteral("FileVersion")),
            &version))
        return MissingFileVersionText();
    return version.left(10);
}
