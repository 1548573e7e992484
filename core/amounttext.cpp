#include "amounttext.h"

#include "foodindex.h"
#include "numbertext.h"
#include "searchfold.h"

#include <QStringView>

#include <algorithm>

namespace {

// The vulgar fractions people type or paste.
double FractionValue(QChar c)
{
    switch (c.unicode()) {
    case 0x00BC:
        return 0.25;
    case 0x00BD:
        return 0.5;
    case 0x00BE:
        return 0.75;
    case 0x2153:
        return 1.0 / 3;
    case 0x2154:
        return 2.0 / 3;
    case 0x2155:
        return 0.2;
    case 0x2156:
        return 0.4;
    case 0x2157:
        return 0.6;
    case 0x2158:
        return 0.8;
    case 0x2159:
        return 1.0 / 6;
    case 0x215A:
        return 5.0 / 6;
    case 0x215B:
        return 0.125;
    case 0x215C:
        return 0.375;
    case 0x215D:
        return 0.625;
    case 0x215E:
        return 0.875;
    default:
        return 0;
    }
}

struct Quantity
{
    double count = 1;
    QString text = QStringLiteral("1"); // as it is shown in the measure text
    qsizetype end = 0;                  // where the measure begins
};

qsizetype SkipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    return at;
}

qsizetype SkipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && IsAsciiDigit(text[at]))
        ++at;
    return at;
}

// The number at the start of text: "2", "1,5", "1.5", "½", "1½", "1 ½", "1/2", "1 1/2".
Quantity ReadQuantity(QStringView text)
{
    Quantity quantity;
    qsizetype at = SkipDigits(text, 0);
    double count = 0;
    bool any = at > 0;
    bool whole = true;
    if (any && at + 1 < text.size() && (text[at] == u',' || text[at] == u'.') && IsAsciiDigit(text[at + 1])) {
        at = SkipDigits(text, at + 1);
        whole = false;
    }
    if (any)
        count = CommaToPoint(text.first(at).toString()).toDouble();
    qsizetype next = SkipBlanks(text, at);
    if (next < text.size() && FractionValue(text[next]) > 0) {
        count += FractionValue(text[next]);
        at = next + 1;
        any = true;
    } else if (whole) {
        // "1/2" or "1 1/2".
        const qsizetype from = any && next > at ? next : (any ? qsizetype(0) : -1);
        if (from >= 0) {
            const qsizetype numeratorEnd = SkipDigits(text, from);
            if (numeratorEnd > from && numeratorEnd + 1 < text.size() && text[numeratorEnd] == u'/' &&
                IsAsciiDigit(text[numeratorEnd + 1])) {
                const qsizetype denominatorEnd = SkipDigits(text, numeratorEnd + 1);
                const double numerator = text.sliced(from, numeratorEnd - from).toDouble();
                const double denominator =
                    text.sliced(numeratorEnd + 1, denominatorEnd - numeratorEnd - 1).toDouble();
                if (denominator > 0) {
                    count = (from == 0 ? 0 : count) + numerator / denominator;
                    at = denominatorEnd;
                }
            }
        }
    }
    if (any) {
        quantity.count = count;
        quantity.text = text.first(at).toString().simplified();
        quantity.end = at;
    }
    return quantity;
}

bool IsOneOf(QStringView word, std::initializer_list<QStringView> forms)
{
    return std::find(forms.begin(), forms.end(), word) != forms.end();
}

// The measure a folded word names, or empty: singular and plural, short and long.
QString SimpleMeasure(QStringView word)
{
    if (IsOneOf(word, {u"scheibe", u"scheiben", u"scheibchen"}))
        return QStringLiteral("Scheibe");
    if (IsOneOf(word, {u"el", u"essloffel", u"essloffeln"}))
        return QStringLiteral("EL");
    if (IsOneOf(word, {u"tl", u"teeloffel", u"teeloffeln"}))
        return QStringLiteral("TL");
    if (IsOneOf(word, {u"tasse", u"tassen"}))
        return QStringLiteral("Tasse");
    if (IsOneOf(word, {u"glas", u"glaser", u"glasern"}))
        return QStringLiteral("Glas");
    if (IsOneOf(word, {u"becher", u"bechern"}))
        return QStringLiteral("Becher");
    if (IsOneOf(word, {u"portion", u"portionen"}))
        return QStringLiteral("Portion");
    return QString();
}

bool IsPieceWord(QStringView word)
{
    return IsOneOf(word, {u"stuck", u"stucke", u"stucken", u"stk", u"st"});
}

bool IsGramWord(QStringView word)
{
    return IsOneOf(word, {u"g", u"gr", u"gramm"});
}

// "klein", "mittel" or "groß" for a folded size word; empty for none.
QString PieceSize(QStringView word)
{
    if (IsOneOf(word, {u"klein", u"kleine", u"kleines", u"kleinen", u"kleiner", u"kleinem"}))
        return QStringLiteral("klein");
    if (IsOneOf(word,
                {u"mittel", u"mittlere", u"mittleres", u"mittleren", u"mittlerer", u"mittlerem",
                 u"mittelgross", u"mittelgrosse", u"mittelgrosses", u"mittelgrossen", u"mittelgrosser"}))
        return QStringLiteral("mittel");
    if (IsOneOf(word, {u"gross", u"grosse", u"grosses", u"grossen", u"grosser", u"grossem"}))
        return QStringLiteral("groß");
    return QString();
}

QString Plural(const QString &measure)
{
    if (measure == u"Scheibe")
        return QStringLiteral("Scheiben");
    if (measure == u"Tasse")
        return QStringLiteral("Tassen");
    if (measure == u"Glas")
        return QStringLiteral("Gläser");
    if (measure == u"Portion")
        return QStringLiteral("Portionen");
    return measure; // EL, TL, Becher, Stück ...
}

AmountReading Refusal(const QString &measure)
{
    AmountReading reading;
    reading.refused = true;
    reading.message = QStringLiteral("Das Maß „%1“ ist für dieses Lebensmittel nicht bekannt.").arg(measure);
    return reading;
}

QString AmountText(double amount)
{
    return FormatFittedDecimal(amount, 40, 3);
}

} // namespace

AmountReading ReadAmountText(const QString &text, const QList<FoodMeasure> &measures,
                             const QString &referenceAmount)
{
    AmountReading reading;
    const QStringView typed = QStringView(text).trimmed();
    if (std::none_of(typed.begin(), typed.end(), [](QChar c) { return c.isLetter(); })) {
        reading.amountText = text;
        return reading;
    }
    const bool inGrams = IsPerHundredGrams(referenceAmount);
    const Quantity quantity = ReadQuantity(typed);
    const QString phrase = typed.sliced(quantity.end).trimmed().toString();
    const QString folded = FoldForSearch(phrase);
    const QList<QStringView> words = SearchWords(folded);

    // The food's own unit.
    if (words.size() == 1 && (inGrams ? IsGramWord(words.front()) : IsPieceWord(words.front()))) {
        reading.amountText = AmountText(quantity.count);
        return reading;
    }

    QString measure;
    if (words.size() == 1)
        measure = SimpleMeasure(words.front());
    const auto pieceWord = std::find_if(words.begin(), words.end(), IsPieceWord);
    if (measure.isEmpty() && inGrams && pieceWord != words.end() && words.size() <= 2) {
        const QString size =
            words.size() == 2 ? PieceSize(words.at(pieceWord == words.begin() ? 1 : 0)) : QString();
        if (words.size() == 1) {
            // "Stück" alone is a middle-sized one, or the food's only size.
            measure = QStringLiteral("Stück mittel");
            QStringList sizes;
            for (const FoodMeasure &known : measures) {
                if (known.name.startsWith(u"Stück "))
                    sizes.append(known.name);
            }
            if (sizes.size() == 1)
                measure = sizes.front();
        } else if (!size.isEmpty()) {
            measure = QStringLiteral("Stück ") + size;
        }
    }
    if (measure.isEmpty())
        return Refusal(phrase);

    const auto known = std::find_if(measures.begin(), measures.end(),
                                    [&](const FoodMeasure &m) { return m.name == measure; });
    if (known == measures.end())
        return Refusal(measure);
    const double amount = quantity.count * known->amount;
    reading.amountText = AmountText(amount);
    const QString name = quantity.count > 1 ? Plural(measure) : measure;
    reading.measureText =
        inGrams ? QStringLiteral("%1 %2 (%3 g)").arg(quantity.text, name, FormatFittedDecimal(amount, 40, 1))
                : QStringLiteral("%1 %2").arg(quantity.text, name);
    return reading;
}

AmountReading ReadAmountForFood(const QString &text, const FoodMeasures &source, const QString &id,
                                const QString &referenceAmount)
{
    return ReadAmountText(text, MeasuresForFood(source, id, referenceAmount), referenceAmount);
}
