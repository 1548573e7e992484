#include "instancelock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

InstanceLock::InstanceLock(const QString &folder, const QString &fileName)
    : m_path(QDir(folder).filePath(fileName)),
      m_lock(std::make_unique<QLockFile>(m_path))
{
    // The program may run for days; the lock must never go stale by age, only when the
    // process that holds it has died (QLockFile checks the process id written in the file).
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::DefaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

bool InstanceLock::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError)
        return false;

    // A lock file whose owner cannot be read (cut short by a crash while it was written) would
    // block every later start, since it never ages out. A starting copy writes its owner at
    // once, so an unreadable file that is a few seconds old is left over and may go.
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application)) {
        const QDateTime modified = QFileInfo(m_path).lastModified();
        if (modified.isValid() && modified.secsTo(QDateTime::currentDateTime()) >= 5 &&
            m_lock->removeStaleLockFile())
            return m_lock->tryLock(0);
    }
    return false;
}

bool InstanceLock::isHeld() const
{
    return m_lock->isLocked();
}

bool InstanceLock::heldByAnother() const
{
    return !m_lock->isLocked() && m_lock->error() == QLockFile::LockFailedError;
}

void InstanceLock::release()
{
    if (m_lock->isLocked())
        m_lock->unlock();
}
