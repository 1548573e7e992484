#include "qtgerman.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtGermanTexts(QTranslator &translator)
{
    // Named outright instead of chosen by the user's locale: the program speaks German to
    // everyone, so Qt's dialogs must too.
    if (!translator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
