#pragma once

#include "scheduler.h"

#include <QList>

#include <algorithm>

// A scheduler whose time moves only when the test says so: advance() runs every task that falls
// due on the way, in the order they fall due, each at its own moment.
class FakeScheduler : public Scheduler
{
public:
    TaskId schedule(int delayMs, Task task) override
    {
        m_tasks.append({++m_lastId, m_nowMs + delayMs, std::move(task)});
        return m_lastId;
    }

    void cancel(TaskId id) override
    {
        m_tasks.erase(
            std::remove_if(m_tasks.begin(), m_tasks.end(), [id](const Pending &p) { return p.id == id; }),
            m_tasks.end());
    }

    // Moves the time on by ms.
    void advance(qint64 ms)
    {
        const qint64 end = m_nowMs + ms;
        for (;;) {
            auto next = std::min_element(m_tasks.begin(), m_tasks.end(),
                                         [](const Pending &a, const Pending &b) { return a.due < b.due; });
            if (next == m_tasks.end() || next->due > end)
                break;
            m_nowMs = next->due;
            const Task task = next->task;
            m_tasks.erase(next);
            task();
        }
        m_nowMs = end;
    }

    qint64 nowMs() const { return m_nowMs; }
    int pendingCount() const { return int(m_tasks.size()); }
    // Milliseconds until the next task falls due; -1 when none waits.
    qint64 nextDueInMs() const
    {
        if (m_tasks.isEmpty())
            return -1;
        qint64 due = m_tasks.first().due;
        for (const Pending &pending : m_tasks)
            due = std::min(due, pending.due);
        return due - m_nowMs;
    }

private:
    struct Pending
    {
        TaskId id;
        qint64 due;
        Task task;
    };
    TaskId m_lastId = 0;
    qint64 m_nowMs = 0;
    QList<Pending> m_tasks;
};
