#include "textformat.h"

QString FitLeft(const QString &text, int width)
{
    if (width <= 0)
        return QString();
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString FitRight(const QString &text, int width)
{
    if (width <= 0)
        return QString();
    return text.left(width).rightJustified(width, QLatin1Char(' '));
}

QString TwoDigits(int value)
{
    // Widened first so that the magnitude of INT_MIN is representable.
    const qint64 wide = value;
    const QString digits = QString::number(wide < 0 ? -wide : wide).rightJustified(2, QLatin1Char('0'));
    return wide < 0 ? QLatin1Char('-') + digits : digits;
}

QString ShortDate(const QDate &date)
{
    return TwoDigits(date.day()) + QLatin1Char('.') + TwoDigits(date.month()) + QLatin1Char('.') +
           TwoDigits(date.year() - 2000);
}

QString FileNamePart(const QString &path)
{
    qsizetype cut = -1;
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        cut = qMax(cut, path.lastIndexOf(separator));
    return path.mid(cut + 1);
}
