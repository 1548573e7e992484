#include "numbertext.h"

#include <QByteArray>
#include <QVarLengthArray>

#include <charconv>
#include <climits>
#include <cmath>

namespace {

// A finite double written with 18 significant digits: |value| = 0.d0d1...d17 * 10^(exponent+1),
// i.e. digits[0] stands at the place 10^exponent. Halves are decided on these digits and not
// on the binary value, so 12.25 rounds up while 0.35 (really 0.34999999999999997...) does not.
struct DecimalExpansion
{
    bool negative = false;
    QByteArray digits; // exactly 18 characters '0'..'9'
    int exponent = 0;
};

DecimalExpansion Expand(double value)
{
    DecimalExpansion expansion;
    expansion.negative = std::signbit(value);
    const QString text = QString::number(std::fabs(value), 'e', 17); // "d.ddddddddddddddddde+XX"
    const qsizetype ePos = text.indexOf(QLatin1Char('e'));
    for (qsizetype i = 0; i < ePos; ++i) {
        const QChar ch = text.at(i);
        if (IsAsciiDigit(ch))
            expansion.digits.append(static_cast<char>(ch.unicode()));
    }
    expansion.exponent = ePos >= 0 ? text.mid(ePos + 1).toInt() : 0;
    return expansion;
}

// Adds one to a string of decimal digits; returns true when the carry ran out of the top
// (the digits are then all '0' and the caller must account for the extra leading 1).
bool IncrementDigits(QByteArray &digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool passes = IsAsciiDigit(ch) || ch == QLatin1Char(',') || ch == QLatin1Char('.') ||
                            (ch == QLatin1Char('-') && i == 0);
        if (!passes)
            return false;
    }
    return true;
}

double LeadingNumber(const QString &text)
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
    if (i < size && text.at(i) == QLatin1Char('.')) {
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

QString CommaToPoint(const QString &text)
{
    QString copy = text;
    copy.replace(QLatin1Char(','), QLatin1Char('.'));
    return copy;
}

bool ReadDecimalText(const QString &text, double *value)
{
    const QString copy = CommaToPoint(text);
    if (!IsNumericText(copy))
        return false;
    if (value)
        *value = LeadingNumber(copy);
    return true;
}

QString FormatDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    // The expansion holds 18 digits; more decimals than that would only repeat its zeros.
    decimals = qBound(0, decimals, 17);
    const DecimalExpansion expansion = Expand(value);
    // Number of leading digits that stand at the places 10^exponent down to 10^-decimals.
    const int keep = expansion.exponent + 1 + decimals;
    QByteArray scaled; // |value| * 10^decimals, rounded, as decimal digits
    if (keep < 0) {
        scaled = "0";
    } else if (keep == 0) {
        scaled = expansion.digits.at(0) >= '5' ? "1" : "0";
    } else if (keep >= expansion.digits.size()) {
        scaled = expansion.digits + QByteArray(keep - expansion.digits.size(), '0');
    } else {
        scaled = expansion.digits.left(keep);
        if (expansion.digits.at(keep) >= '5' && IncrementDigits(scaled))
            scaled.prepend('1');
    }
    while (scaled.size() > 1 && scaled.at(0) == '0')
        scaled.remove(0, 1);
    const bool isZero = scaled == "0";
    // At least one digit before the comma: 0,042 rather than ,042.
    if (scaled.size() <= decimals)
        scaled.prepend(QByteArray(decimals + 1 - scaled.size(), '0'));
    QString text = QString::fromLatin1(scaled.left(scaled.size() - decimals));
    if (decimals > 0)
        text += QLatin1Char(',') + QString::fromLatin1(scaled.right(decimals));
    if (expansion.negative && !isZero)
        text.prepend(QLatin1Char('-'));
    return text;
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

QString FormatGeneral(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    constexpr int significant = 15;
    const DecimalExpansion expansion = Expand(value);
    QByteArray digits = expansion.digits.left(significant);
    int exponent = expansion.exponent;
    if (expansion.digits.at(significant) >= '5' && IncrementDigits(digits)) {
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
