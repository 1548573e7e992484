#include "programlocks.h"

#include "datafiles.h"

ProgramLocks::ProgramLocks(const QString &runtimeFolder, const QString &dataFolder)
    : m_instance(runtimeFolder), m_data(dataFolder, DataFolderLockFileName)
{
}

bool ProgramLocks::tryAcquire()
{
    if (!m_instance.tryAcquire())
        return false;
    if (m_data.tryAcquire())
        return true;
    // Every data file is replaced through a new file beside it, which a folder that cannot
    // take the lock file cannot take either: such a folder is only ever read.
    if (!m_data.heldByAnother())
        return true;
    m_instance.release();
    return false;
}

void ProgramLocks::release()
{
    m_data.release();
    m_instance.release();
}
