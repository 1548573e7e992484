// The lock that keeps the program to one running copy.

#include "instancelock.h"

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
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kb_lockholder"), {dir.path()});
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

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
