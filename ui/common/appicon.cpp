#include "appicon.h"

#include <QApplication>
#include <QEvent>
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
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/kostbilanz-%1.png").arg(size), QSize(size, size));
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
