#include "windowfont.h"

#include <QFontDatabase>
#include <QStringList>

QString WindowFontFamily()
{
    // Looked up on every call: the font database can change while the program runs. The names
    // are compared with the installed families directly: QFontDatabase::hasFamily first asks
    // fontconfig to resolve the name as an alias, which costs more than a third of the
    // program's start-up instructions and is not wanted here, since only an installed family
    // of that very name gives the window its look.
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")}) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return QString();
}

static QFont BaseFont()
{
    QFont font;
    const QString family = WindowFontFamily();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont WindowFontPixels(int pixelSize)
{
    QFont font = BaseFont();
    font.setPixelSize(pixelSize);
    return font;
}

QFont WindowFontPoints(int pointSize)
{
    QFont font = BaseFont();
    font.setPointSize(pointSize);
    return font;
}
