#include "mealfile.h"

#include "fooddata.h"
#include "numbertext.h"
#include "textfile.h"
#include "textformat.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QLatin1String HeaderValue = MealFileHeaderLine.mid(4); // behind "VNR="

// The part before the first '=' and the part after it; a line without '=' has neither.
// Views into the line: a meal file is read line by line into the plan, and nothing of a line
// but its id and amount is kept.
struct NameValue
{
    QStringView name;
    QStringView value;
};

NameValue SplitNameValue(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return {};
    return {line.left(equals), line.mid(equals + 1)};
}

} // namespace

QStringList MealFileLines(const MealPlan &plan)
{
    QStringList lines;
    lines.append(MealFileHeaderLine);
    for (int meal = 1; meal <= MealCount; ++meal) {
        const QString name = QStringLiteral("Mahlzeit") + QString::number(meal) + QLatin1Char('=');
        for (const MealEntry &entry : plan.meal(meal)) {
            lines.append(name + entry.dbCode + QLatin1Char(';') + entry.id + QLatin1Char(';') + entry.amount +
                         QLatin1Char(';'));
        }
    }
    return lines;
}

bool PassesMealFileNameTest(const QString &path)
{
    return path.endsWith(QLatin1String("txt"), Qt::CaseSensitive);
}

bool IsValidMealFileHeader(const QStringList &lines)
{
    if (lines.isEmpty() || SplitNameValue(lines.first()).value.compare(HeaderValue, Qt::CaseSensitive) != 0)
        return false;
    for (const QString &line : lines) {
        if (SplitNameValue(line).name.compare(QLatin1String("VNR"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

MealFileLine ParseMealFileLine(QStringView line)
{
    const NameValue parts = SplitNameValue(line);
    LineFieldViews fields;
    SplitFoodLine(parts.value, 3, fields);

    MealFileLine result;
    // "MahlzeitN": the ninth character names the meal; anything else keeps the previous one.
    if (parts.name.size() >= 9) {
        const QChar digit = parts.name.at(8);
        if (digit >= QLatin1Char('1') && digit <= QLatin1Char('6'))
            result.meal = digit.unicode() - '0';
    }
    result.id = NormaliseMealId(fields.at(1));
    result.amount = fields.at(2).toString();
    result.sessionLine = parts.name.compare(QLatin1String("Sitzung"), Qt::CaseInsensitive) == 0;
    return result;
}

QString NormaliseMealId(QStringView field)
{
    qsizetype i = 0;
    while (i < field.size() && (field.at(i) == u' ' || field.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < field.size() && (field.at(i) == u'-' || field.at(i) == u'+')) {
        negative = field.at(i) == u'-';
        ++i;
    }
    while (i < field.size() && field.at(i) == u'0')
        ++i;
    const qsizetype firstDigit = i;
    while (i < field.size() && IsAsciiDigit(field.at(i)))
        ++i;

    // The digits stay text: an id of any length is written back as it was read, and one too
    // long for any integer type simply finds no food instead of wrapping round to another id.
    const QStringView digits = field.mid(firstDigit, i - firstDigit);
    if (digits.isEmpty())
        return QStringLiteral("0");
    if (negative)
        return QLatin1Char('-') + digits.toString();
    return digits.toString();
}

MealFileLoad LoadMealFileLines(const QStringList &lines, const FoodIndex &index, int startMeal)
{
    MealFileLoad load;
    load.plan.setActiveMeal(startMeal >= 1 && startMeal <= MealCount ? startMeal : 1);
    // One input line for the whole file, as the window has one: what it holds after the last
    // line (the unit caption of the last food found) is what the window's line keeps.
    InputLine input;
    for (qsizetype i = MealFileHeaderLines; i < lines.size(); ++i) {
        const MealFileLine line = ParseMealFileLine(lines.at(i));
        if (line.sessionLine)
            continue;
        if (line.meal >= 1 && line.meal <= MealCount)
            load.plan.setActiveMeal(line.meal);
        const int lineNumber = int(i) + 1;
        const int position = index.findById(line.id);
        if (position < 0) {
            load.refusals.append(
                {lineNumber, QStringLiteral("Lebensmittel-ID %1 nicht in Liste vorhanden !").arg(line.id)});
            continue;
        }
        input.amount = line.amount;
        ShowFoodInInputLine(index, position, input);
        const EnterResult result = EnterFood(load.plan, input);
        if (!result.entered)
            load.refusals.append({lineNumber, result.message, result.focusAmount});
    }
    load.unitCaption = input.unitCaption;
    load.plan.setActiveMeal(1);
    load.plan.setChanged(false);
    return load;
}

MealFileRead ReadMealFileAt(const QString &path, const FoodIndex &index, int startMeal)
{
    MealFileRead result;
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    if (info.isFile() && info.size() > MaxMealFileBytes) {
        result.status = MealFileReadStatus::TooLarge;
        result.message =
            QStringLiteral("Die Datei „%1“ ist zu groß für eine Mahlzeiten-Datei.").arg(FileNamePart(path));
        return result;
    }
    const TextReadResult read = ReadTextFile(path, MaxMealFileBytes);
    if (read.status == ReadStatus::Missing)
        return result;
    if (read.status == ReadStatus::Refused) {
        // Not a regular file, or it grew past the limit since the look above.
        const bool regular = QFileInfo(path).isFile();
        result.status = regular ? MealFileReadStatus::TooLarge : MealFileReadStatus::NotRegular;
        result.message = regular ? QStringLiteral("Die Datei „%1“ ist zu groß für eine Mahlzeiten-Datei.")
                                       .arg(FileNamePart(path))
                                 : read.reason;
        return result;
    }
    if (read.status != ReadStatus::Ok) {
        result.status = MealFileReadStatus::Unreadable;
        result.reason = read.reason;
        result.message = QStringLiteral("Die Datei \"") + QDir::toNativeSeparators(path) +
                         QStringLiteral("\" konnte nicht gelesen werden:\n") + read.reason;
        return result;
    }
    if (!IsValidMealFileHeader(read.file.lines)) {
        result.status = MealFileReadStatus::InvalidHeader;
        result.message = QStringLiteral("Es ist keine gültige Mahlzeiten-Datei !");
        return result;
    }
    result.status = MealFileReadStatus::Ok;
    result.load = LoadMealFileLines(read.file.lines, index, startMeal);
    return result;
}

QList<MealFileRefusal> RefusalsToShow(const QList<MealFileRefusal> &refusals)
{
    if (refusals.size() <= MaxShownRefusals)
        return refusals;
    QList<MealFileRefusal> shown = refusals.mid(0, MaxShownRefusals);
    shown.append({0, QStringLiteral("Weitere %1 Zeilen wurden nicht übernommen.")
                         .arg(refusals.size() - MaxShownRefusals)});
    return shown;
}
