#include "fooddata.h"

#include "nutrients.h"
#include "textformat.h"

#include <QDir>

namespace {

const QString SwissFileName = QStringLiteral("NwChDb.dat");
const QString AdditionalFileName = QStringLiteral("NwAnDb.dat");

// Takes a food file's lines when line 0 begins with the expected title; case and accents
// count. A file with no lines at all is accepted as it is.
FoodFileLoad CheckFoodFile(const TextReadResult &read, const QString &title, const QString &missingMessage,
                           const QString &wrongFileMessage)
{
    FoodFileLoad load;
    if (read.status != ReadStatus::Ok) {
        // A file that exists but cannot be read is as useless as a missing one.
        load.outcome = FoodFileOutcome::NotFound;
        load.message = missingMessage;
        return load;
    }
    load.encoding = read.file.encoding;
    if (!read.file.lines.isEmpty() && read.file.lines.first().left(title.size()) != title) {
        load.outcome = FoodFileOutcome::WrongFile;
        load.message = wrongFileMessage;
        return load;
    }
    load.outcome = FoodFileOutcome::Loaded;
    load.lines = read.file.lines;
    return load;
}

// The file has no quoting: a ';' inside a field, or a line break, would shift every later
// field of the row when it is read back. They are replaced so the row keeps its shape.
QString FieldText(const QString &text)
{
    QString field = text;
    field.replace(QLatin1Char(';'), QLatin1Char(','));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

} // namespace

FoodFileLoad LoadSwissDatabase(const QString &dataDirectory)
{
    return CheckFoodFile(ReadTextFile(DataFilePath(dataDirectory, SwissFileName)),
                         QStringLiteral("Schweizer Nährwert"),
                         QStringLiteral("Schweizer Nährwertdatenbank nicht gefunden!"),
                         QStringLiteral("Die Datei enthält nicht die Schweizer Nährwertdatenbank"));
}

QStringList SplitFoodLine(const QString &line, int limit)
{
    QStringList fields;
    if (limit <= 0)
        return fields;
    fields.reserve(limit);
    // Walks the line once instead of cutting the rest after every field, so a 10,000-field
    // line costs no more than reading it.
    qsizetype start = 0;
    const qsizetype size = line.size();
    while (start < size && fields.size() < limit) {
        qsizetype end = line.indexOf(QLatin1Char(';'), start);
        if (end < 0)
            end = size; // the last field without its closing ';'
        fields.append(line.mid(start, end - start));
        start = end + 1;
    }
    while (fields.size() < limit)
        fields.append(QString());
    return fields;
}

FoodFileLoad LoadAdditionalFoods(const QString &dataDirectory)
{
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, AdditionalFileName));
    // Either way the user's own foods may well be in the file, so it must survive this run.
    if (read.status == ReadStatus::Failed) {
        FoodFileLoad load;
        load.outcome = FoodFileOutcome::Unreadable;
        load.protection = ProtectUnreadableFile(AdditionalFileName, read.reason);
        load.message = load.protection.startMessage;
        return load;
    }
    FoodFileLoad load = CheckFoodFile(read, QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                                      QStringLiteral("Die Datei enthält nicht die eigene Nährwertdatenbank"));
    if (load.outcome == FoodFileOutcome::WrongFile) {
        load.protection.fileName = AdditionalFileName;
        load.protection.finding = QStringLiteral("enthält nicht die eigene Nährwertdatenbank");
    }
    return load;
}

QStringList AdditionalFoodFileLines(const QList<AdditionalFoodRow> &rows, const QDate &date)
{
    QStringList lines;
    lines.reserve(rows.size() + 2);
    lines.append(QStringLiteral("Zusätzliche Lebensmittel;;Stand;") + TwoDigits(date.day()) +
                 QLatin1Char('.') + TwoDigits(date.month()) + QLatin1Char('.') +
                 TwoDigits(date.year() - 2000) + QLatin1Char(';'));
    QString columns = QStringLiteral("ID;Lebensmittel;");
    for (const NutrientEntry &entry : NutrientCatalogue())
        columns += entry.shortName + QLatin1Char(';');
    lines.append(columns);
    for (const AdditionalFoodRow &row : rows) {
        QString line = FieldText(row.id) + QLatin1Char(';') + FieldText(row.name) + QLatin1Char(';') +
                       FieldText(row.referenceAmount) + QLatin1Char(';');
        for (int k = 0; k < NutrientCount; ++k)
            line += FieldText(row.values.value(k)) + QLatin1Char(';');
        lines.append(line);
    }
    return lines;
}

QList<AdditionalFoodRow> AdditionalFoodRows(const QStringList &lines)
{
    QList<AdditionalFoodRow> rows;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList fields = SplitFoodLine(lines.at(i), 20);
        AdditionalFoodRow row;
        row.id = fields.at(0);
        row.name = fields.at(1);
        row.referenceAmount = fields.at(2);
        row.values = fields.mid(3, NutrientCount);
        rows.append(row);
    }
    return rows;
}

QString DataFilePath(const QString &dataDirectory, const QString &fileName)
{
    return QDir(dataDirectory).filePath(fileName);
}
