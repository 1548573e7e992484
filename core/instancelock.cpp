#include "instancelock.h"

#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

InstanceLock::InstanceLock(const QString &folder, const QString &fileName)
    : m_folder(folder), m_path(QDir(folder).filePath(fileName)), m_lock(std::make_unique<QLockFile>(m_path))
{
    // The program may run for days; the lock must never go stale by age, only when the
    // process that holds it has died or its id runs another program now (QLockFile checks the
    // process id and the program's name written in the file).
    m_lock->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::DefaultFolder()
{
    // Asked only when set: QStandardPaths warns in English about a missing one.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
            return runtime;
    }
    return QDir::tempPath();
}

InstanceLock::Attempt InstanceLock::tryAcquire()
{
    m_failure.clear();
    if (m_lock->isLocked())
        return Attempt::Acquired;
    // A folder (or anything but a file) at the lock's path is no running copy, though the
    // lock file's creation fails there just as if one held it.
    const QFileInfo existing(m_path);
    if ((existing.exists() || existing.isSymLink()) && !existing.isFile()) {
        m_failure = QStringLiteral("„") + QDir::toNativeSeparators(m_path) +
                    QStringLiteral("“ ist keine Sperrdatei, sondern ") +
                    (existing.isDir() ? QStringLiteral("ein Ordner") : QStringLiteral("keine normale Datei"));
        return Attempt::Failed;
    }
    errno = 0;
    if (m_lock->tryLock(0))
        return Attempt::Acquired;
    const int errorCode = errno;
    switch (m_lock->error()) {
    case QLockFile::NoError:
    case QLockFile::LockFailedError:
        break;
    case QLockFile::PermissionError:
    case QLockFile::UnknownError:
        // A folder that takes no files at all (read-only, or not there) cannot be written by
        // any copy either; anything else, a full disk say, would let a second copy start.
        if (!QFileInfo(m_folder).isDir() || !QFileInfo(m_folder).isWritable())
            return Attempt::FolderReadOnly;
        m_failure = errorCode != 0 ? SystemErrorReason(errorCode)
                                   : QStringLiteral("Die Sperrdatei kann nicht angelegt werden");
        return Attempt::Failed;
    }

    // Qt removes a gone copy's lock only while it holds a second lock beside it, taken and given
    // back within moments; a start killed just then leaves that one behind, and for as long as it
    // lies there the gone copy's lock would count as a running copy.
    const QFileInfo removalLock(m_path + RemovalLockSuffix);
    if (removalLock.exists() && removalLock.lastModified().secsTo(QDateTime::currentDateTime()) >= 5 &&
        QFile::remove(removalLock.filePath()) && m_lock->tryLock(0))
        return Attempt::Acquired;

    // A lock file whose owner cannot be read (cut short by a crash while it was written) would
    // block every later start, since it never ages out. A starting copy writes its owner at
    // once, so an unreadable file that is a few seconds old is left over and may go.
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application)) {
        const QDateTime modified = QFileInfo(m_path).lastModified();
        if (modified.isValid() && modified.secsTo(QDateTime::currentDateTime()) >= 5 &&
            m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return Attempt::Acquired;
    }
    return Attempt::HeldByAnother;
}

bool InstanceLock::isHeld() const
{
    return m_lock->isLocked();
}

void InstanceLock::release()
{
    if (m_lock->isLocked())
        m_lock->unlock();
}
