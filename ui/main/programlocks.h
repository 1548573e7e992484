#pragma once

#include "instancelock.h"

#include <QString>

// The locks a running copy holds: the instance lock in the runtime folder, and one in the data
// folder (DataFolderLockFileName, among the program's own file names so that no save replaces
// it). A copy started with another XDG_RUNTIME_DIR or TMPDIR looks for the first one in a
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
