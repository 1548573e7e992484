// Writes a PNG's pixels as premultiplied ARGB words (paint/argbpicture.h), the form the program
// embeds its icon in, and checks that the words read back to the PNG's pixels:
//
//   png_to_argb <input.png> <output.argb>
//
// tools/render_icons.sh runs it for every icon size after drawing the PNGs.
#include "argbpicture.h"

#include <QImage>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: png_to_argb <input.png> <output.argb>\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString rawPath = QString::fromLocal8Bit(argv[2]);
    const QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        err << "png_to_argb: cannot read " << path << '\n';
        return 1;
    }
    if (!WriteArgbWordsFile(picture, rawPath)) {
        err << "png_to_argb: " << rawPath << " cannot be written or does not read back to the pixels of " << path << '\n';
        return 1;
    }
    return 0;
}
