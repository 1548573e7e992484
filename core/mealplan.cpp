#include "mealplan.h"

#include "numbertext.h"

#include <QtNumeric>

void InputLine::clearFood()
{
    id.clear();
    name.clear();
    nameHint.clear();
    dbType.clear();
    referenceAmount.clear();
    values = QStringList(NutrientCount, QString());
    amount.clear();
}

void ShowFoodInInputLine(const FoodIndex &index, int position, InputLine &line)
{
    // A position outside the index finds nothing; the line stays as it was.
    if (position < 0 || position >= index.count())
        return;

    const FoodRecord food = index.record(position);
    line.id = index.id(position);
    line.name = QLatin1Char(' ') + food.name;
    line.referenceAmount = food.referenceAmount;
    line.values = QStringList(NutrientCount, QString());
    for (int k = 0; k < NutrientCount; ++k)
        line.values[k] = food.values.value(k);
    line.dbType = food.dbType;
    line.unitCaption = IsPerHundredGrams(food.referenceAmount) ? QStringLiteral("g") : QStringLiteral("St");
    line.nameHint = food.dbType + QLatin1Char(' ') + line.id;
}

bool MealPlan::allEmpty() const
{
    for (const QList<MealEntry> &entries : m_meals) {
        if (!entries.isEmpty())
            return false;
    }
    return true;
}

void MealPlan::clearAll()
{
    for (QList<MealEntry> &entries : m_meals)
        entries.clear();
}

namespace {

EnterResult Refuse(const QString &message, bool focusAmount = false)
{
    EnterResult result;
    result.message = message;
    result.focusAmount = focusAmount;
    return result;
}

} // namespace

QString TooManyEntriesRefusal()
{
    return QStringLiteral("Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!");
}

EnterResult EnterFood(MealPlan &plan, InputLine &line)
{
    if (line.name.isEmpty())
        return Refuse(QStringLiteral("Es ist kein Lebensmittel ausgewählt ( Auswählen mit Lupe)!"));
    if (line.dbType.isEmpty())
        return Refuse(QStringLiteral("Es ist kein Datenbank-Typ vorhanden!"));
    if (line.id.isEmpty())
        return Refuse(QStringLiteral("Es ist keine Datenbank-ID vorhanden"));
    if (line.amount.isEmpty())
        return Refuse(QStringLiteral("Es ist keine Menge angegeben!"), true);

    const QString amountCopy = CommaToPoint(line.amount);
    if (!IsNumericText(amountCopy))
        return Refuse(QStringLiteral("Die Menge ist kein nummerischer Wert!"), true);
    const double amount = LeadingNumber(amountCopy);
    // Hundreds of digits (a hand-edited meal file) read as infinity, which no meal can hold.
    if (!qIsFinite(amount))
        return Refuse(QStringLiteral("Die Menge ist kein nummerischer Wert!"), true);
    if (amount < 0.1)
        return Refuse(QStringLiteral("Die Menge muss größer 0,1 sein!"), true);

    // A hand-edited food file can carry a reference amount of 0 (or an empty one, which
    // reads as 0); dividing by it would store infinite values in the meal, so it is refused
    // like a reference amount that is no number at all.
    const QString referenceMessage = QStringLiteral("Die Bezugsmenge ist kein nummerischer Wert!");
    if (!IsNumericText(line.referenceAmount))
        return Refuse(referenceMessage);
    const double reference = LeadingNumber(line.referenceAmount);
    if (!(reference > 0))
        return Refuse(referenceMessage);

    MealEntry entry;
    entry.name = line.name;
    entry.dbCode = DbCodeFor(line.dbType);
    entry.id = line.id;
    entry.amount = FormatOneDecimal(amount);
    entry.values.reserve(NutrientCount);
    for (int k = 0; k < NutrientCount; ++k) {
        const QString value = line.values.value(k);
        double number = 0;
        if (ReadDecimalText(value, &number)) {
            // Scaled with the amount as read, not with its one-decimal text, so 0,14 g
            // scales by 0.14 although the meal shows 0,1.
            entry.values.append(FormatOneDecimal(number * amount / reference));
        } else {
            entry.values.append(value);
        }
    }

    if (plan.entryCount(plan.activeMeal()) >= MaxEntriesPerMeal)
        return Refuse(TooManyEntriesRefusal());

    plan.append(plan.activeMeal(), entry);
    plan.setChanged(true);
    line.clearFood();
    EnterResult result;
    result.entered = true;
    return result;
}
