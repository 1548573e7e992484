// Draws the main window's info sign (a blue disc with a white bold serif "i", 32 × 32 pixels)
// into a PNG to look at (ui/main/pictures/info_sign.png) and into the pixels the window shows
// (ui/main/pictures/info_sign.argb: 32 × 32 premultiplied ARGB words, little-endian, row by row).
// Both are committed: drawing the sign at every start looked up a serif face used nowhere else
// in the window, and decoding a PNG at every start cost more than the rest of the picture's
// way to the screen. Run this after changing the drawing:
//
//   cmake --build <build folder> --target render_info_sign
//   <build folder>/bin/render_info_sign ui/main/pictures/info_sign.png ui/main/pictures/info_sign.argb
//
// It checks that both written files read back to exactly the pixels drawn.
#include "argbpicture.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int Size = 32;

QImage InfoSign()
{
    // The same pixel format as a QPixmap on the raster platforms.
    QImage picture(Size, Size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 60, 140), 1));
    painter.setBrush(QColor(40, 100, 200));
    painter.drawEllipse(QRectF(1, 1, Size - 2, Size - 2));

    QFont font = painter.font();
    font.setBold(true);
    font.setFamily(QStringLiteral("serif"));
    font.setPixelSize(qMax(8, int(Size * 0.7)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("i"));
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    // Nothing is shown; without a display the offscreen platform still has fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: render_info_sign <output.png> <output.argb>\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString rawPath = QString::fromLocal8Bit(argv[2]);
    const QImage picture = InfoSign();
    if (!picture.save(path, "PNG")) {
        err << "render_info_sign: cannot write " << path << '\n';
        return 1;
    }
    // A PNG holds colours not multiplied by their alpha; the window gets them multiplied back.
    if (QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied) != picture) {
        err << "render_info_sign: " << path << " does not read back to the drawn pixels\n";
        return 1;
    }

    if (!WriteArgbWordsFile(picture, rawPath)) {
        err << "render_info_sign: " << rawPath << " cannot be written or does not read back to the drawn pixels\n";
        return 1;
    }
    return 0;
}
