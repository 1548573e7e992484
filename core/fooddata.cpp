#include "fooddata.h"

#include "datafiles.h"
#include "nutrients.h"
#include "textformat.h"

#include <QDir>

namespace {

struct FoodFileCheck
{
    FoodFileOutcome outcome = FoodFileOutcome::NotFound;
    QString message;
};

// Takes a food file that was read when line 0 (firstLine; there are no lines at all when
// !hasLines) begins with the expected title; case and accents count. A file with no lines at
// all is accepted as it is.
FoodFileCheck CheckFoodFile(bool read, bool hasLines, const QString &firstLine, const QString &title,
                            const QString &missingMessage, const QString &wrongFileMessage)
{
    // A file that exists but cannot be read is as useless as a missing one.
    if (!read)
        return {FoodFileOutcome::NotFound, missingMessage};
    if (hasLines && firstLine.left(title.size()) != title)
        return {FoodFileOutcome::WrongFile, wrongFileMessage};
    return {FoodFileOutcome::Loaded, QString()};
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

SwissFoodLoad LoadSwissDatabase(const QString &dataDirectory)
{
    SwissFoodLoad load;
    // Mapped, not read: at start-up only its line count and first line are needed, and copying
    // a large table into fresh memory would cost more than everything else of loading it.
    const FileMapResult read = MapFileBytes(DataFilePath(dataDirectory, SwissFoodFileName));
    const DeferredTextLines lines =
        read.status == ReadStatus::Ok ? DeferredTextLines(read.file) : DeferredTextLines();
    const FoodFileCheck check = CheckFoodFile(
        read.status == ReadStatus::Ok, !lines.isEmpty(), lines.first(), QStringLiteral("Schweizer Nährwert"),
        QStringLiteral("Schweizer Nährwertdatenbank nicht gefunden!"),
        QStringLiteral("Die Datei enthält nicht die Schweizer Nährwertdatenbank"));
    load.outcome = check.outcome;
    // A file refused before it was read (a pipe, far too large) is named with the reason.
    load.message = read.status == ReadStatus::Refused ? read.reason : check.message;
    if (check.outcome == FoodFileOutcome::Loaded)
        load.lines = lines;
    return load;
}

void SplitFoodLine(QStringView line, int limit, LineFieldViews &fields)
{
    fields.clear();
    // Walks the line once instead of cutting the rest after every field, so a 10,000-field
    // line costs no more than reading it.
    const QChar *p = line.data();
    const QChar *const end = p + line.size();
    while (p != end && fields.size() < limit) {
        const QChar *fieldEnd = p;
        while (fieldEnd != end && *fieldEnd != u';')
            ++fieldEnd;
        fields.append(QStringView(p, fieldEnd - p));
        // The last field needs no closing ';'.
        p = fieldEnd == end ? end : fieldEnd + 1;
    }
    while (fields.size() < limit)
        fields.append(QStringView());
}

QStringList SplitFoodLine(const QString &line, int limit)
{
    LineFieldViews views;
    SplitFoodLine(line, limit, views);
    QStringList fields;
    fields.reserve(views.size());
    for (const QStringView view : views)
        fields.append(view.toString());
    return fields;
}

FoodFileLoad LoadAdditionalFoods(const QString &dataDirectory)
{
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, OwnFoodFileName));
    // Either way the user's own foods may well be in the file, so it must survive this run.
    if (read.status == ReadStatus::Failed || read.status == ReadStatus::Refused) {
        FoodFileLoad load;
        load.outcome = FoodFileOutcome::Unreadable;
        load.protection = ProtectUnreadableFile(OwnFoodFileName, read.reason);
        load.message = load.protection.startMessage;
        return load;
    }
    const FoodFileCheck check =
        CheckFoodFile(read.status == ReadStatus::Ok, !read.file.lines.isEmpty(), read.file.lines.value(0),
                      QStringLiteral("Zusätzliche Lebensmittel"), QString(),
                      QStringLiteral("Die Datei enthält nicht die eigene Nährwertdatenbank"));
    FoodFileLoad load;
    load.outcome = check.outcome;
    load.message = check.message;
    if (read.status == ReadStatus::Ok)
        load.encoding = read.file.encoding;
    if (check.outcome == FoodFileOutcome::Loaded)
        load.lines = read.file.lines;
    if (load.outcome == FoodFileOutcome::WrongFile) {
        load.protection.fileName = OwnFoodFileName;
        load.protection.finding = QStringLiteral("enthält nicht die eigene Nährwertdatenbank");
    }
    return load;
}

QString OwnFoodSemicolonRefusal()
{
    return QStringLiteral("Das Zeichen ';' ist in Bezeichnung und Werten nicht erlaubt!");
}

QString OwnFoodDuplicateRefusal()
{
    return QStringLiteral("Das Lebensmittel ist schon in der Liste vorhanden!");
}

QString OwnFoodNameRefusal(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Keine Lebensmittel-Bezeichnung eingegeben!");
    if (name.contains(QLatin1Char(';')))
        return OwnFoodSemicolonRefusal();
    return QString();
}

QStringList AdditionalFoodFileLines(const QList<AdditionalFoodRow> &rows, const QDate &date)
{
    QStringList lines;
    lines.reserve(rows.size() + OwnFoodHeaderLines);
    lines.append(QStringLiteral("Zusätzliche Lebensmittel;;Stand;") + ShortDate(date) + QLatin1Char(';'));
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
    for (qsizetype i = OwnFoodHeaderLines; i < lines.size(); ++i) {
        const QStringList fields = SplitFoodLine(lines.at(i), 3 + NutrientCount);
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
