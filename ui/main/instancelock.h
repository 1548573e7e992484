#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The lock that keeps the program to one running copy: a lock file in a folder, by default
// "C-Programm.lock". It belongs to the process that took it; once that process is gone, even
// killed, the lock no longer blocks anyone.
class InstanceLock
{
public:
    // folder: where the lock file lives; fileName: the lock file's name.
    InstanceLock(const QString &folder, const QString &fileName = QStringLiteral("C-Programm.lock"));
    ~InstanceLock();

    // The folder the program uses: the user's runtime folder, else the temporary folder.
    static QString DefaultFolder();

    // True when this object now holds the lock (also when it held it already); false when
    // another living holder has it or the folder is not writable. Never waits.
    bool tryAcquire();

    bool isHeld() const;

    // After a refused tryAcquire: true when a living holder has the lock, false when the
    // lock file could not be made at all (a folder that cannot be written, say).
    bool heldByAnother() const;
    void release();

    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
