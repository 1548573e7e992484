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
    enum class Outcome
    {
        Acquired,    // this copy may run
        RunningCopy, // another living copy holds a lock: " Das C-Programm läuft bereits "
        Unlockable,  // a lock could not be taken for another reason; message() says which and why
    };

    ProgramLocks(const QString &runtimeFolder, const QString &dataFolder);

    // Acquired when this copy holds both locks, or holds the instance lock and the data folder
    // takes no new files at all (then no copy can write its data files either). Otherwise
    // nothing is held afterwards. Never waits.
    Outcome tryAcquire();

    // After Unlockable: "Der Programmordner „%s“ kann nicht gesperrt werden: <reason>. Das
    // Programm wird beendet, damit keine Daten verloren gehen." (the runtime folder named
    // "Laufzeitordner" when its lock failed).
    QString message() const { return m_message; }

    void release();

    QString instanceLockPath() const { return m_instance.lockFilePath(); }
    QString dataLockPath() const { return m_data.lockFilePath(); }

private:
    InstanceLock m_instance;
    InstanceLock m_data;
    QString m_message;
};
