#include "reportfile.h"

#include "textformat.h"

QString DefaultReportFileName(const QString &chosenMealFileName, const QDateTime &created,
                              const QString &extension)
{
    QString prefix;
    if (!chosenMealFileName.isEmpty()) {
        // Only the name counts, never a dot in a folder name; a name without a dot gives
        // an empty stem, so the prefix is "-" alone.
        const QString name = FileNamePart(chosenMealFileName);
        const int dot = name.indexOf(QLatin1Char('.'));
        prefix = (dot < 0 ? QString() : name.left(dot)) + QLatin1Char('-');
    }
    const QDate date = created.date();
    const QTime time = created.time();
    return QStringLiteral("NW-Tagesbilanz-") + prefix + QLatin1Char('-') + TwoDigits(date.year() - 2000) +
           TwoDigits(date.month()) + TwoDigits(date.day()) + QLatin1Char('-') + TwoDigits(time.hour()) +
           TwoDigits(time.minute()) + TwoDigits(time.second()) + QLatin1Char('.') + extension;
}

WriteResult WriteReportFile(const QString &path, const QStringList &lines)
{
    return WriteTextFile(path, lines, TextEncoding::Utf8Bom);
}
