#include "programlocks.h"

#include "datafiles.h"

#include <QDir>

namespace {

QString UnlockableMessage(const QString &kind, const InstanceLock &lock)
{
    return QStringLiteral("Der ") + kind + QStringLiteral(" „") + QDir::toNativeSeparators(QDir::cleanPath(lock.folder())) +
           QStringLiteral("“ kann nicht gesperrt werden: ") + lock.failure() +
           QStringLiteral(". Das Programm wird beendet, damit keine Daten verloren gehen.");
}

} // namespace

ProgramLocks::ProgramLocks(const QString &runtimeFolder, const QString &dataFolder)
    : m_instance(runtimeFolder, InstanceLockFileName), m_data(dataFolder, DataFolderLockFileName)
{
}

ProgramLocks::Outcome ProgramLocks::tryAcquire()
{
    m_message.clear();
    switch (m_instance.tryAcquire()) {
    case InstanceLock::Attempt::Acquired:
        break;
    case InstanceLock::Attempt::HeldByAnother:
        return Outcome::RunningCopy;
    case InstanceLock::Attempt::FolderReadOnly:
        // A runtime folder that takes no files: the lock in the data folder still keeps two
        // copies off the same data files, and that is what matters.
        break;
    case InstanceLock::Attempt::Failed:
        m_message = UnlockableMessage(QStringLiteral("Laufzeitordner"), m_instance);
        return Outcome::Unlockable;
    }

    switch (m_data.tryAcquire()) {
    case InstanceLock::Attempt::Acquired:
        return Outcome::Acquired;
    case InstanceLock::Attempt::FolderReadOnly:
        // Every data file is replaced through a new file beside it, which a folder that cannot
        // take the lock file cannot take either: such a folder is only ever read.
        return Outcome::Acquired;
    case InstanceLock::Attempt::HeldByAnother:
        m_instance.release();
        return Outcome::RunningCopy;
    case InstanceLock::Attempt::Failed:
        break;
    }
    m_instance.release();
    m_message = UnlockableMessage(QStringLiteral("Programmordner"), m_data);
    return Outcome::Unlockable;
}

void ProgramLocks::release()
{
    m_data.release();
    m_instance.release();
}
