#pragma once

#include "instancelock.h"

#include <QString>

// The name of the lock file a running copy keeps in its data folder. It starts with a dot and
// ends in ".lock", so it can never be taken for one of the data files ("Nw….dat").
inline constexpr QLatin1String DataFolderLockFileName(".Kostbilanz.lock");

// The locks a running copy holds: the instance lock in the runtime folder, and one in the data
// folder. A copy started with another XDG_RUNTIME_DIR or TMPDIR looks for the first one in a
// folder of its own, but finds the second one, so two copies never write the same data files.
class ProgramLocks
{
public:
    ProgramLocks(const QString &runtimeFolder, const QString &dataFolder);

    // True when this copy may run: it holds both locks, or it holds the instance lock and the
    // data folder takes no new files at all (then no copy can write its data files either).
    // False when another living copy holds either lock; nothing is held then. Never waits.
    bool tryAcquire();

    void release();

    QString instanceLockPath() const { return m_instance.lockFilePath(); }
    QString dataLockPath() const { return m_data.lockFilePath(); }

private:
    InstanceLock m_instance;
    InstanceLock m_data;
};
