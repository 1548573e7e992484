#include "appinfo.h"

#include "textformat.h"

#include <QStringList>

QString ProgramVersion()
{
    return QStringLiteral("25.12");
}

QString AppTitle()
{
    return QStringLiteral("Kostbilanz ") + ProgramVersion();
}

QString BuildStamp(const QString &appTitle, const QString &compilerDate, const QString &compilerTime)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QStringList dateParts = compilerDate.simplified().split(QLatin1Char(' '));
    int month = 0;
    int day = 0;
    int year = 0;
    if (dateParts.size() == 3) {
        for (int m = 0; m < 12; ++m) {
            if (dateParts.at(0) == QLatin1String(months[m])) {
                month = m + 1;
                break;
            }
        }
        day = dateParts.at(1).toInt();
        year = dateParts.at(2).toInt();
    }
    const QStringList timeParts = compilerTime.split(QLatin1Char(':'));
    const int hour = timeParts.value(0).toInt();
    const int minute = timeParts.value(1).toInt();
    const int second = timeParts.value(2).toInt();
    return appTitle + QLatin1Char(' ') + TwoDigits(day) + QLatin1Char('.') + TwoDigits(month) + QLatin1Char('.')
           + TwoDigits(year) + QLatin1Char(' ') + TwoDigits(hour) + QLatin1Char(':') + TwoDigits(minute)
           + QLatin1Char(':') + TwoDigits(second) + QLatin1Char(' ');
}
