#pragma once

#include "datafiles.h"

#include <QLockFile>
#include <QString>

#include <memory>

// A lock that keeps the program to one running copy: a lock file in a folder, by default
// InstanceLockFileName. It belongs to the process that took it; once that process is gone,
// even killed, or its process id now runs another program, the lock no longer blocks anyone.
class InstanceLock
{
public:
    enum class Attempt
    {
        Acquired,       // this object holds the lock (also when it held it already)
        HeldByAnother,  // a living copy of the program holds it
        FolderReadOnly, // the folder takes no new files (or is not there): no copy can write in it
        Failed,         // anything else (a full disk, a folder at the lock's path); see failure()
    };

    // folder: where the lock file lives; fileName: the lock file's name.
    explicit InstanceLock(const QString &folder, const QString &fileName = InstanceLockFileName);
    ~InstanceLock();

    // The folder the program uses: the user's runtime folder, else the temporary folder.
    static QString DefaultFolder();

    // Never waits. After Failed, failure() says why in German.
    Attempt tryAcquire();

    bool isHeld() const;
    void release();

    QString lockFilePath() const { return m_path; }
    QString folder() const { return m_folder; }
    QString failure() const { return m_failure; }

private:
    QString m_folder;
    QString m_path;
    QString m_failure;
    std::unique_ptr<QLockFile> m_lock;
};
