#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>

// The program's one number test and one number reading. Values are carried as texts and
// become numbers only through these functions.

// '0' to '9' only: the data files are written with ASCII digits, and a digit of another
// script must not turn a text into a number.
constexpr bool IsAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Digits, ',' and '.', and '-' only in the first position. The empty text passes.
bool IsNumericText(const QString &text);
bool IsNumericText(QStringView text);

// The longest leading plain decimal number with '.' as the point, whatever the locale;
// 0 when there is none ('', '-', '.'). '1.2.3' gives 1.2, '11,4' gives 11.
double LeadingNumber(const QString &text);

// A copy with every ',' turned into '.'.
QString CommaToPoint(const QString &text);

// The value of a text that passes IsNumericText after its commas became points;
// nullopt-like: returns false and leaves value alone when it does not pass.
bool ReadDecimalText(const QString &text, double *value);
bool ReadDecimalText(QStringView text, double *value);

// Exactly decimals places (0 to 17) after a decimal comma, none and no comma for 0; halves away
// from zero decided on the 18-significant-digit expansion; no grouping, no "-0".
QString FormatDecimals(double value, int decimals);

// One decimal, decimal comma, halves away from zero decided on the 18-significant-digit
// expansion (0.35 gives "0,3", 12.25 gives "12,3"), no grouping, no "-0,0".
QString FormatOneDecimal(double value);

// The value with as many decimals as fit into maxLength characters, at most maxDecimals, rounded
// as FormatDecimals does and without trailing zeros: 0.042 gives "0,042", 123.456 in six
// characters "123,46", 12.5 "12,5". Empty when not even the whole number fits, or the value is
// not finite.
QString FormatFittedDecimal(double value, int maxLength, int maxDecimals);

// Rounded to 15 significant digits (halves away from zero on the 18-digit expansion), in
// the shortest form with the locale's decimal separator and no grouping: 0, 375, 57,9.
QString FormatGeneral(double value, const QLocale &locale);

// The locale of every number the program writes or shows beyond the main window's sum and
// requirement labels (which follow the user's settings): German, a decimal comma, so that
// one file or window never mixes "15,2" with "15.2". Passed on explicitly, never the default.
QLocale GermanNumberLocale();

// Leading blanks, one sign, then digits up to the first other character; 0 without digits.
// Saturates at the int range instead of overflowing.
int ParseWholeNumber(const QString &text);
