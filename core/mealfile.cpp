#include "mealfile.h"

namespace {

const QLatin1String HeaderValue("Mz251026");

// The part before the first '=' and the part after it; a line without '=' has neither.
struct NameValue
{
    QString name;
    QString value;
};

NameValue SplitNameValue(const QString &line)
{
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return {line.left(equals), line.mid(equals + 1)};
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QStringList MealFileLines(const MealPlan &plan)
{
    QStringList lines;
    lines.append(QStringLiteral("VNR=") + HeaderValue);
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
    if (lines.isEmpty() || SplitNameValue(lines.first()).value != HeaderValue)
        return false;
    for (const QString &line : lines) {
        if (SplitNameValue(line).name.compare(QLatin1String("VNR"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

MealFileLine ParseMealFileLine(const QString &line)
{
    const NameValue parts = SplitNameValue(line);
    const QStringList fields = parts.value.split(QLatin1Char(';'));

    MealFileLine result;
    // "MahlzeitN": the ninth character names the meal; anything else keeps the previous one.
    if (parts.name.size() >= 9) {
        const QChar digit = parts.name.at(8);
        if (digit >= QLatin1Char('1') && digit <= QLatin1Char('6'))
            result.meal = digit.unicode() - '0';
    }
    result.id = NormaliseMealId(fields.value(1));
    result.amount = fields.value(2);
    return result;
}

QString NormaliseMealId(const QString &field)
{
    int i = 0;
    while (i < field.size() && (field.at(i) == QLatin1Char(' ') || field.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field.at(i) == QLatin1Char('-') || field.at(i) == QLatin1Char('+'))) {
        negative = field.at(i) == QLatin1Char('-');
        ++i;
    }
    while (i < field.size() && field.at(i) == QLatin1Char('0'))
        ++i;
    const int firstDigit = i;
    while (i < field.size() && IsAsciiDigit(field.at(i)))
        ++i;

    // The digits stay text: an id of any length is written back as it was read, and one too
    // long for any integer type simply finds no food instead of wrapping round to another id.
    const QString digits = field.mid(firstDigit, i - firstDigit);
    if (digits.isEmpty())
        return QStringLiteral("0");
    if (negative)
        return QLatin1Char('-') + digits;
    return digits;
}
