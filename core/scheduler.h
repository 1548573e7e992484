#pragma once

#include <QHash>
#include <QObject>
#include <QtGlobal>

#include <functional>

class QTimer;

// Runs work later, on the thread's event loop. The program's runs on Qt's timers; tests put a
// scheduler of their own in its place and move its time on by hand, so nothing waits for the
// wall clock.
class Scheduler
{
public:
    using Task = std::function<void()>;
    using TaskId = quint64;

    virtual ~Scheduler() = default;

    // Runs task once, delayMs from now, unless it is cancelled first. The id is never 0.
    virtual TaskId schedule(int delayMs, Task task) = 0;

    // Forgets the task of id when it has not run yet; any other id is ignored.
    virtual void cancel(TaskId id) = 0;
};

// The scheduler on Qt's precise timers: a coarse timer may fire a twentieth of its delay late.
class TimerScheduler : public QObject, public Scheduler
{
    Q_OBJECT

public:
    explicit TimerScheduler(QObject *parent = nullptr);
    ~TimerScheduler() override;

    TaskId schedule(int delayMs, Task task) override;
    void cancel(TaskId id) override;

private:
    TaskId m_lastId = 0;
    QHash<TaskId, QTimer *> m_timers;
};
