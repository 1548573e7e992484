#include "numbertext.h"

#include <QByteArray>
#include <QVarLengthArray>

#include <array>
#include <charconv>
#include <climits>
#include <cmath>

namespace {

// A finite double written with 18 significant digits: |value| = 0.d0d1...d17 * 10^(exponent+1),
// i.e. digits[0] stands at the place 10^exponent. Halves are decided on these digits and not
// on the binary value, so 12.25 rounds up while 0.35 (really 0.34999999999999997...) does not.
constexpr int ExpansionDigits = 18;
struct DecimalExpansion
{
    bool negative = false;
    std::array<char, ExpansionDigits> digits{}; // '0'..'9'
    int exponent = 0;
};

// "%.17e" as Qt's conversion writes it, halves of the 19th digit rounded away from zero.
DecimalExpansion ExpandHalfAway(double value)
{
    DecimalExpansion expansion;
    expansion.negative = std::signbit(value);
    const QString text = QString::number(std::fabs(value), 'e', ExpansionDigits - 1);
    const qsizetype ePos = text.indexOf(QLatin1Char('e'));
    int count = 0;
    for (qsizetype i = 0; i < ePos && count < ExpansionDigits; ++i) {
        if (IsAsciiDigit(text.at(i)))
            expansion.digits[count++] = static_cast<char>(text.at(i).unicode());
    }
    expansion.exponent = ePos >= 0 ? text.mid(ePos + 1).toInt() : 0;
    return expansion;
}

// "%.17e" by std::to_chars into a buffer on the stack: every value of every meal entry is
// written with one decimal, a third of a million of them for a year of meal files, and Qt's
// conversion with its allocations cost twenty times as much. The two differ only where the
// binary value ends exactly in a 5 at the 19th digit: to_chars rounds that half to an even
// 18th digit, Qt away from zero, so only the 18th digit differs, by one and without a carry.
// FormatGeneral never reads the 18th digit; FormatDecimals takes ExpandHalfAway where it does.
// Compared on 26 million values, random bits and such ties included: every text the same.
DecimalExpansion Expand(double value)
{
    DecimalExpansion expansion;
    expansion.negative = std::signbit(value);
    char text[32]; // "d.ddddddddddddddddde+XXX"
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, std::fabs(value),
                                                      std::chars_format::scientific, ExpansionDigits - 1);
    const char *const end = result.ptr;
    const char *p = text;
    int count = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && count < ExpansionDigits)
            expansion.digits[count++] = *p;
    }
    int exponent = 0;
    if (p != end)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    expansion.exponent = exponent;
    return expansion;
}

// Adds one to a string of decimal digits; returns true when the carry ran out of the top
// (the digits are then all '0' and the caller must account for the extra leading 1).
bool IncrementDigits(char *digits, qsizetype count)
{
    for (qsizetype i = count - 1; i >= 0; --i) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    return true;
}

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

bool IsNumericText(const QString &text)
{
    return IsNumericText(QStringView(text));
}

bool IsNumericText(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool passes = IsAsciiDigit(ch) || ch == QLatin1Char(',') || ch == QLatin1Char('.') ||
                            (ch == QLatin1Char('-') && i == 0);
        if (!passes)
            return false;
    }
    return true;
}

namespace {

// LeadingNumber, with a ',' read as the point too when commaIsPoint: the same as reading a
// copy whose commas became points, without making the copy.
double ReadLeadingNumber(QStringView text, bool commaIsPoint)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    // Normalised to "d.d" (an empty part as "0") in a buffer on the stack and read by
    // std::from_chars, which never looks at the locale: the balance reads every value of
    // every meal this way on each change, so the reading must not allocate.
    QVarLengthArray<char, 64> number;
    const qsizetype integerStart = i;
    bool nonZeroInteger = false;
    while (i < size && IsAsciiDigit(text.at(i))) {
        nonZeroInteger = nonZeroInteger || text.at(i) != QLatin1Char('0');
        number.append(static_cast<char>(text.at(i++).unicode()));
    }
    const bool hasInteger = i > integerStart;
    if (!hasInteger)
        number.append('0');
    number.append('.');
    bool hasFraction = false;
    if (i < size && (text.at(i) == QLatin1Char('.') || (commaIsPoint && text.at(i) == QLatin1Char(',')))) {
        ++i;
        const qsizetype fractionStart = i;
        while (i < size && IsAsciiDigit(text.at(i)))
            number.append(static_cast<char>(text.at(i++).unicode()));
        hasFraction = i > fractionStart;
    }
    if (!hasInteger && !hasFraction)
        return 0.0;
    if (!hasFraction)
        number.append('0');
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(
        number.constData(), number.constData() + number.size(), value, std::chars_format::fixed);
    // Out of range is an overflow (infinity) or an underflow (0): the right limits either way.
    if (result.ec == std::errc::result_out_of_range)
        value = nonZeroInteger ? HUGE_VAL : 0.0;
    else if (result.ec != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

} // namespace

double LeadingNumber(const QString &text)
{
    return ReadLeadingNumber(text, false);
}

QString CommaToPoint(const QString &text)
{
    QString copy = text;
    copy.replace(QLatin1Char(','), QLatin1Char('.'));
    return copy;
}

bool ReadDecimalText(const QString &text, double *value)
{
    return ReadDecimalText(QStringView(text), value);
}

bool ReadDecimalText(QStringView text, double *value)
{
    // ',' and '.' pass the test alike, so the text passes exactly when its copy with points would.
    if (!IsNumericText(text))
        return false;
    if (value)
        *value = ReadLeadingNumber(text, true);
    return true;
}

QString FormatDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    // The expansion holds 18 digits; more decimals than that would only repeat its zeros.
    decimals = qBound(0, decimals, 17);
    DecimalExpansion expansion = Expand(value);
    // Number of leading digits that stand at the places 10^exponent down to 10^-decimals.
    const int keep = expansion.exponent + 1 + decimals;
    // Where the 18th digit is read, it is taken as Qt's conversion gives it (see Expand).
    if (keep >= ExpansionDigits - 1)
        expansion = ExpandHalfAway(value);
    // |value| * 10^decimals, rounded, as decimal digits, behind a '0' that takes a carry out of
    // the top. On the stack: this runs for every value of every meal entry.
    QVarLengthArray<char, 40> scaled;
    scaled.append('0');
    if (keep == 0) {
        scaled.append(expansion.digits[0] >= '5' ? '1' : '0');
    } else if (keep >= ExpansionDigits) {
        scaled.append(expansion.digits.data(), ExpansionDigits);
        for (int i = ExpansionDigits; i < keep; ++i)
            scaled.append('0');
    } else if (keep > 0) {
        scaled.append(expansion.digits.data(), keep);
        if (expansion.digits[keep] >= '5')
            IncrementDigits(scaled.data(), scaled.size());
    }
    qsizetype first = 0;
    while (first < scaled.size() - 1 && scaled[first] == '0')
        ++first;
    const bool isZero = scaled.size() - first == 1 && scaled[first] == '0';
    // At least one digit before the comma: 0,042 rather than ,042.
    while (scaled.size() - first <= decimals) {
        if (first > 0) {
            --first; // a '0' already stands there
        } else {
            scaled.insert(qsizetype(0), '0');
        }
    }
    const qsizetype count = scaled.size() - first;

    QVarLengthArray<char, 48> text;
    if (expansion.negative && !isZero)
        text.append('-');
    text.append(scaled.data() + first, count - decimals);
    if (decimals > 0) {
        text.append(',');
        text.append(scaled.data() + scaled.size() - decimals, decimals);
    }
    return QString::fromLatin1(text.data(), text.size());
}

QString FormatOneDecimal(double value)
{
    return FormatDecimals(value, 1);
}

QString FormatFittedDecimal(double value, int maxLength, int maxDecimals)
{
    if (!std::isfinite(value))
        return QString();
    for (int decimals = maxDecimals; decimals >= 0; --decimals) {
        QString text = FormatDecimals(value, decimals);
        if (decimals > 0) {
            // The comma stops the loop: every text made with decimals holds one.
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char(',')))
                text.chop(1);
        }
        if (text.size() <= maxLength)
            return text;
    }
    return QString();
}

QLocale GermanNumberLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QString FormatGeneral(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    constexpr int significant = 15;
    const DecimalExpansion expansion = Expand(value);
    QByteArray digits(expansion.digits.data(), significant);
    int exponent = expansion.exponent;
    if (expansion.digits[significant] >= '5' && IncrementDigits(digits.data(), digits.size())) {
        digits = '1' + digits.left(significant - 1);
        ++exponent;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.chop(1);
    if (digits == "0")
        return QStringLiteral("0");

    const QString separator = locale.decimalPoint();
    QString text;
    if (exponent < -4 || exponent >= significant) {
        text = QLatin1Char(digits.at(0));
        if (digits.size() > 1)
            text += separator + QString::fromLatin1(digits.mid(1));
        text += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent >= 0) {
        const int integerCount = exponent + 1;
        QByteArray integerPart = digits.left(integerCount);
        integerPart.append(QByteArray(integerCount - integerPart.size(), '0'));
        text = QString::fromLatin1(integerPart);
        if (digits.size() > integerCount)
            text += separator + QString::fromLatin1(digits.mid(integerCount));
    } else {
        text = QLatin1Char('0') + separator + QString(-exponent - 1, QLatin1Char('0')) +
               QString::fromLatin1(digits);
    }
    if (expansion.negative)
        text.prepend(QLatin1Char('-'));
    return text;
}

int ParseWholeNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    // Accumulated as a magnitude and clamped, so a long run of digits cannot overflow.
    const qint64 limit = negative ? -static_cast<qint64>(INT_MIN) : static_cast<qint64>(INT_MAX);
    qint64 magnitude = 0;
    while (i < size && IsAsciiDigit(text.at(i))) {
        magnitude = magnitude * 10 + (text.at(i).unicode() - u'0');
        if (magnitude > limit)
            magnitude = limit;
        ++i;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
