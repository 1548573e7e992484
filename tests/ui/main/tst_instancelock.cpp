// The locks that keep the program to one running copy, and two copies off the same data files.

#include "datafiles.h"
#include "instancelock.h"
#include "programlocks.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void secondHolderIsRefused();
    void runningProcessBlocksUntilKilled();
    void leftOverUnreadableLockFile_data();
    void leftOverUnreadableLockFile();
    void defaultFolderExists();
    void dataFolderLockKeepsCopiesApart_data();
    void dataFolderLockKeepsCopiesApart();
    void dataFolderThatTakesNoFiles();

private:
    static QString lockHolder()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/kb_lockholder");
    }
};

void TestInstanceLock::secondHolderIsRefused()
{
    QTemporaryDir dir;
    InstanceLock first(dir.path());
    InstanceLock second(dir.path());
    QCOMPARE(first.lockFilePath(), dir.filePath(QStringLiteral("C-Programm.lock")));

    QVERIFY(first.tryAcquire());
    QVERIFY(first.tryAcquire()); // asking again while holding it is fine
    QVERIFY(!second.tryAcquire());
    QVERIFY(!second.isHeld());

    first.release();
    QVERIFY(!QFileInfo::exists(first.lockFilePath()));
    QVERIFY(second.tryAcquire());
}

void TestInstanceLock::runningProcessBlocksUntilKilled()
{
    QTemporaryDir dir;
    QProcess holder;
    holder.start(lockHolder(), {dir.path()});
    QVERIFY2(holder.waitForReadyRead(10000), qPrintable(holder.errorString()));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));

    InstanceLock mine(dir.path());
    QVERIFY(!mine.tryAcquire());

    // Killed without any chance to clean up: the lock file stays behind, yet must not block.
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(QFileInfo::exists(mine.lockFilePath()));
    QVERIFY(mine.tryAcquire());
}

void TestInstanceLock::leftOverUnreadableLockFile_data()
{
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("acquired");

    // An empty lock file cannot name its owner. A fresh one may belong to a copy that is just
    // starting; one that has been lying there for a while was cut short by a crash.
    QTest::newRow("just written") << 0 << false;
    QTest::newRow("a minute old") << 60 << true;
}

void TestInstanceLock::leftOverUnreadableLockFile()
{
    QFETCH(int, ageSeconds);

    QTemporaryDir dir;
    InstanceLock lock(dir.path());
    QFile file(lock.lockFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
    file.close();

    QTEST(lock.tryAcquire(), "acquired");
}

void TestInstanceLock::defaultFolderExists()
{
    QVERIFY(QFileInfo(InstanceLock::DefaultFolder()).isDir());
}

void TestInstanceLock::dataFolderLockKeepsCopiesApart_data()
{
    QTest::addColumn<bool>("sameRuntimeFolder");
    QTest::addColumn<bool>("sameDataFolder");
    QTest::addColumn<bool>("acquired");

    // Started with another XDG_RUNTIME_DIR or TMPDIR, a copy looks for the instance lock
    // elsewhere; the lock in the data folder still keeps it away from the same files.
    QTest::newRow("other runtime folder, same data folder") << false << true << false;
    QTest::newRow("same runtime folder, other data folder") << true << false << false;
    QTest::newRow("nothing shared") << false << false << true;
}

void TestInstanceLock::dataFolderLockKeepsCopiesApart()
{
    QFETCH(bool, sameRuntimeFolder);
    QFETCH(bool, sameDataFolder);
    QFETCH(bool, acquired);

    QTemporaryDir runtime;
    QTemporaryDir data;
    QTemporaryDir otherRuntime;
    QTemporaryDir otherData;
    QProcess holder;
    holder.start(lockHolder(), {runtime.path(), data.path()});
    QVERIFY2(holder.waitForReadyRead(10000), qPrintable(holder.errorString()));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));
    QVERIFY(QFileInfo::exists(data.filePath(DataFolderLockFileName)));
    // Among the program's own files, so no meal file or report is ever saved over it.
    QVERIFY(IsProgramDataFile(ProgramLocks(runtime.path(), data.path()).dataLockPath(), data.path()));

    ProgramLocks mine(sameRuntimeFolder ? runtime.path() : otherRuntime.path(),
                      sameDataFolder ? data.path() : otherData.path());
    QCOMPARE(mine.tryAcquire(), acquired);
    if (!acquired) {
        // A refused copy holds nothing: its own instance lock is not left behind.
        if (!sameRuntimeFolder)
            QVERIFY(!QFileInfo::exists(mine.instanceLockPath()));
        if (!sameDataFolder)
            QVERIFY(!QFileInfo::exists(mine.dataLockPath()));

        // Once the running copy is gone, even killed, the next start goes ahead.
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(mine.tryAcquire());
    }
    mine.release();
    QVERIFY(!QFileInfo::exists(mine.instanceLockPath()));
    QVERIFY(!QFileInfo::exists(mine.dataLockPath()));
    holder.kill();
    holder.waitForFinished(10000);
}

void TestInstanceLock::dataFolderThatTakesNoFiles()
{
    // A data folder no file can be made in (here: below a file) is only ever read, so the
    // copy may run with the instance lock alone.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ProgramLocks locks(dir.path(), dir.filePath(QStringLiteral("file.dat/daten")));
    QVERIFY(locks.tryAcquire());
    QVERIFY(QFileInfo::exists(locks.instanceLockPath()));
    ProgramLocks second(dir.path(), dir.filePath(QStringLiteral("file.dat/daten")));
    QVERIFY(!second.tryAcquire());
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
