#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// For timing a whole start-up from outside (bench/): ends the event loop once the watched
// window has been painted for the first time. Only made when KOSTBILANZ_QUIT_WHEN_SHOWN=1.
class QuitWhenShown : public QObject
{
public:
    // Watches window and belongs to it.
    explicit QuitWhenShown(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the window's children paint and the frame reaches the screen first.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};
