#include "fileprotection.h"

QString FileProtection::refusal(const QString &ending) const
{
    return QStringLiteral("Die Datei „") + fileName + QStringLiteral("“ ") + finding +
           QStringLiteral(" und wird nicht überschrieben") + ending;
}

WriteResult FileProtection::refusedWrite(const QString &path) const
{
    return WriteResult::Refused(path, refusal());
}

WriteResult FileProtection::writeLines(const QString &path, const QStringList &lines, TextEncoding &encoding) const
{
    if (isProtected())
        return refusedWrite(path);
    const WriteResult result = WriteTextFile(path, lines, encoding);
    if (result.ok)
        encoding = result.encoding;
    return result;
}

FileProtection ProtectUnreadableFile(const QString &fileName, const QString &reason)
{
    FileProtection protection;
    protection.fileName = fileName;
    protection.finding = QStringLiteral("konnte beim Start nicht gelesen werden");
    protection.startMessage = QStringLiteral("Die Datei „") + fileName +
                              QStringLiteral("“ konnte nicht gelesen werden:\n") + reason +
                              QStringLiteral("\nSie wird bis zum Programmende nicht überschrieben.");
    return protection;
}
