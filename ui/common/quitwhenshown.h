#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// For timing a whole start-up from outside (bench/): ends the event loop once the watched
// window has been painted for the first time. Only made when KOSTBILANZ_QUIT_WHEN_SHOWN=1.
// When KOSTBILANZ_START_STAMP_NS holds the CLOCK_MONOTONIC time the process was started at (the
// benchmark takes it just before fork), the time from there to the painted frame is printed
// on standard output as "first-paint-ms <milliseconds>".
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
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                PrintFirstPaint();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    static void PrintFirstPaint()
    {
        const char *stamp = std::getenv("KOSTBILANZ_START_STAMP_NS");
        if (stamp == nullptr)
            return;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long nowNs = (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
        std::printf("first-paint-ms %.3f\n", double(nowNs - std::atoll(stamp)) / 1e6);
        std::fflush(stdout);
    }
};
