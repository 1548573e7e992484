#include "appicon.h"

#include "argbpicture.h"

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QResource>
#include <QTimer>
#include <QWidget>

// Q_INIT_RESOURCE declares the resource's init function where it is used, so the call sits in
// the global namespace. A static library needs the explicit call, or the linker drops the icons.
static void InitApplicationIconResource()
{
    Q_INIT_RESOURCE(appicon);
}

QIcon ApplicationIcon()
{
    InitApplicationIconResource();
    // The pictures' pixels as they are, not PNGs: reading a PNG through Qt's image readers
    // loads every image-format plug-in first, and with the decoding that took longer than the
    // rest of the program's way from its first frame to its end.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QByteArray words = QResource(QStringLiteral(":/appicon/kostbilanz-%1.argb").arg(size)).uncompressedData();
        icon.addPixmap(QPixmap::fromImage(ArgbWordsPicture(words, QSize(size, size))));
    }
    return icon;
}

namespace {

// Watches a window for its first paint and then, queued behind the frame, sets the icon.
class IconAfterFirstPaint : public QObject
{
public:
    explicit IconAfterFirstPaint(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(ApplicationIcon());
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void SetApplicationIconAfterFirstPaint(QWidget *window)
{
    new IconAfterFirstPaint(window);
}
