// Takes the program's instance lock in the folder given as its first argument, and with a
// second argument the locks a running copy takes with that data folder, says "locked" and
// waits to be killed: the stand-in for a running copy of the program.
#include "instancelock.h"
#include "programlocks.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

namespace {

int HoldUntilKilled(bool locked)
{
    QTextStream out(stdout);
    if (!locked) {
        out << "refused" << Qt::endl;
        return 1;
    }
    out << "locked" << Qt::endl;
    for (;;)
        QThread::sleep(1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const QString runtimeFolder = QString::fromLocal8Bit(argv[1]);
    if (argc > 2) {
        ProgramLocks locks(runtimeFolder, QString::fromLocal8Bit(argv[2]));
        return HoldUntilKilled(locks.tryAcquire() == ProgramLocks::Outcome::Acquired);
    }
    InstanceLock lock(runtimeFolder);
    return HoldUntilKilled(lock.tryAcquire() == InstanceLock::Attempt::Acquired);
}
