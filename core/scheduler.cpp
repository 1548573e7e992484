#include "scheduler.h"

#include <QTimer>

TimerScheduler::TimerScheduler(QObject *parent) : QObject(parent) {}

TimerScheduler::~TimerScheduler() = default; // the timers are children and go with it

Scheduler::TaskId TimerScheduler::schedule(int delayMs, Task task)
{
    const TaskId id = ++m_lastId;
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, id, timer, task = std::move(task)] {
        m_timers.remove(id);
        timer->deleteLater();
        task();
    });
    m_timers.insert(id, timer);
    timer->start(delayMs);
    return id;
}

void TimerScheduler::cancel(TaskId id)
{
    if (QTimer *timer = m_timers.take(id)) {
        timer->stop();
        timer->deleteLater();
    }
}
