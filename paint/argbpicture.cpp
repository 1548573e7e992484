#include "argbpicture.h"

#include <QFile>
#include <QtEndian>

QByteArray ArgbWords(const QImage &picture)
{
    const QImage premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray words;
    words.reserve(qsizetype(premultiplied.width()) * premultiplied.height() * 4);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(premultiplied.constScanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            char word[4];
            qToLittleEndian<quint32>(line[x], word);
            words.append(word, 4);
        }
    }
    return words;
}

QImage ArgbWordsPicture(const QByteArray &words, const QSize &size)
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const char *word = words.constData();
    qsizetype left = words.size() / 4;
    for (int y = 0; y < size.height() && left > 0; ++y) {
        auto *line = reinterpret_cast<quint32 *>(picture.scanLine(y));
        for (int x = 0; x < size.width() && left > 0; ++x, --left, word += 4)
            line[x] = qFromLittleEndian<quint32>(word);
    }
    return picture;
}

bool WriteArgbWordsFile(const QImage &picture, const QString &path)
{
    const QImage premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray words = ArgbWords(premultiplied);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(words) != words.size() || !file.flush())
        return false;
    file.close();
    return file.open(QIODevice::ReadOnly) && ArgbWordsPicture(file.readAll(), premultiplied.size()) == premultiplied;
}
