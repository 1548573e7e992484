// Takes the program's instance lock in the folder given as its argument, says "locked" and
// waits to be killed: the stand-in for a running copy of the program.
#include "instancelock.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    InstanceLock lock(QString::fromLocal8Bit(argv[1]));
    QTextStream out(stdout);
    if (!lock.tryAcquire()) {
        out << "refused" << Qt::endl;
        return 1;
    }
    out << "locked" << Qt::endl;
    for (;;)
        QThread::sleep(1);
}
