#include "windowfont.h"

#include <QFontDatabase>

QString WindowFontFamily()
{
    // Looked up on every call: the font database can change while the program runs, and the
    // look-up is cheap next to building a window.
    const QString tahoma = QStringLiteral("Tahoma");
    if (QFontDatabase::hasFamily(tahoma))
        return tahoma;
    const QString liberation = QStringLiteral("Liberation Sans");
    if (QFontDatabase::hasFamily(liberation))
        return liberation;
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
