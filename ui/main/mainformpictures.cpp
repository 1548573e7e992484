#include "mainformpictures.h"

#include "argbpicture.h"

#include <QImage>
#include <QPainter>
#include <QResource>

QPixmap MagnifierPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal lens = size * 0.56;
    const QRectF lensRect(size * 0.08, size * 0.08, lens, lens);
    const qreal handleWidth = qMax<qreal>(2.0, size * 0.14);

    // Handle first, so the rim of the lens covers its inner end.
    painter.setPen(QPen(QColor(90, 60, 30), handleWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(lensRect.center() + QPointF(lens * 0.36, lens * 0.36), QPointF(size * 0.9, size * 0.9));

    painter.setPen(QPen(QColor(60, 60, 60), qMax<qreal>(1.5, size * 0.08)));
    painter.setBrush(QColor(200, 230, 255, 220));
    painter.drawEllipse(lensRect);

    // A small highlight makes the glass read as glass at small sizes.
    painter.setPen(QPen(Qt::white, qMax<qreal>(1.0, size * 0.05), Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(lensRect.adjusted(lens * 0.2, lens * 0.2, -lens * 0.2, -lens * 0.2), 100 * 16, 70 * 16);
    return picture;
}

// Q_INIT_RESOURCE declares the resource's init function where it is used, so the call sits in
// the global namespace. A static library needs the explicit call, or the linker drops the picture.
static void InitMainWindowResource()
{
    Q_INIT_RESOURCE(mainwindow);
}

QPixmap InfoPicture()
{
    // The drawn pixels as they are, not a PNG: decoding one took more than the rest of showing
    // the picture, and the picture is in the first frame.
    constexpr int Size = 32;
    InitMainWindowResource();
    return QPixmap::fromImage(ArgbWordsPicture(QResource(QStringLiteral(":/main/info_sign.argb")).uncompressedData(),
                                               QSize(Size, Size)));
}
