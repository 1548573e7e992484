#include "dayhistory.h"

#include "savetarget.h"

#include <QHash>

void DayHistory::record(const QString &what, const DaySnapshot &before, int parts)
{
    m_redo.clear();
    if (m_undo.size() >= MaxSteps)
        m_undo.removeFirst();
    m_undo.append({what, before, parts});
}

DayHistory::Step DayHistory::undo(const DaySnapshot &current)
{
    Step step = m_undo.takeLast();
    m_redo.append({step.what, current, step.parts});
    return step;
}

DayHistory::Step DayHistory::redo(const DaySnapshot &current)
{
    Step step = m_redo.takeLast();
    m_undo.append({step.what, current, step.parts});
    return step;
}

void DayHistory::fileHolds(const QString &path, const QStringList &lines)
{
    if (path.isEmpty())
        return;
    // The same file may be named through a link or with dots; each name is resolved once.
    const QString file = ResolvedFilePath(path);
    QHash<QString, bool> sameFile;
    const auto update = [&](QList<Step> &steps) {
        for (Step &step : steps) {
            const QString own = step.day.plan.mealFilePath();
            if (own.isEmpty())
                continue;
            auto known = sameFile.constFind(own);
            if (known == sameFile.constEnd())
                known = sameFile.insert(own, ResolvedFilePath(own) == file);
            if (known.value())
                step.day.fileLines = lines;
        }
    };
    update(m_undo);
    update(m_redo);
}
