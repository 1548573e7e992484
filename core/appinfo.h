#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// The local clock, passed in wherever a test needs to fix the date or time.
using Clock = std::function<QDateTime()>;

inline Clock SystemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

// "25.12"
QString ProgramVersion();

// "Kostbilanz 25.12": application title, main window caption, plain message box caption.
QString AppTitle();

// AppTitle followed by the build date and time, "%s %02d.%02d.%02d %02d:%02d:%02d ", from
// the compiler's __DATE__ ("Dec 10 2025") and __TIME__ ("17:53:49") texts. An unknown
// month abbreviation reads as month 0.
QString BuildStamp(const QString &appTitle, const QString &compilerDate, const QString &compilerTime);
