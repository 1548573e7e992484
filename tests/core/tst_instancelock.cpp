// The locks that keep the program to one running copy, and two copies off the same data files.

#include "datafiles.h"
#include "instancelock.h"
#include "programlocks.h"

#include "filesizelimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
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
    void lockThatIsNoRunningCopy_data();
    void lockThatIsNoRunningCopy();

private:
    static bool WriteFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }
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

    QCOMPARE(first.tryAcquire(), InstanceLock::Attempt::Acquired);
    QCOMPARE(first.tryAcquire(), InstanceLock::Attempt::Acquired); // asking again while holding it is fine
    QCOMPARE(second.tryAcquire(), InstanceLock::Attempt::HeldByAnother);
    QVERIFY(!second.isHeld());

    first.release();
    QVERIFY(!QFileInfo::exists(first.lockFilePath()));
    QCOMPARE(second.tryAcquire(), InstanceLock::Attempt::Acquired);
}

void TestInstanceLock::runningProcessBlocksUntilKilled()
{
    QTemporaryDir dir;
    QProcess holder;
    holder.start(lockHolder(), {dir.path()});
    QVERIFY2(holder.waitForReadyRead(10000), qPrintable(holder.errorString()));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));

    InstanceLock mine(dir.path());
    QCOMPARE(mine.tryAcquire(), InstanceLock::Attempt::HeldByAnother);

    // Killed without any chance to clean up: the lock file stays behind, yet must not block.
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(QFileInfo::exists(mine.lockFilePath()));
    QCOMPARE(mine.tryAcquire(), InstanceLock::Attempt::Acquired);
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

    QTEST(lock.tryAcquire() == InstanceLock::Attempt::Acquired, "acquired");
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
    QCOMPARE(mine.tryAcquire() == ProgramLocks::Outcome::Acquired, acquired);
    if (!acquired) {
        // A refused copy holds nothing: its own instance lock is not left behind.
        if (!sameRuntimeFolder)
            QVERIFY(!QFileInfo::exists(mine.instanceLockPath()));
        if (!sameDataFolder)
            QVERIFY(!QFileInfo::exists(mine.dataLockPath()));

        // Once the running copy is gone, even killed, the next start goes ahead.
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(mine.tryAcquire(), ProgramLocks::Outcome::Acquired);
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
    QCOMPARE(locks.tryAcquire(), ProgramLocks::Outcome::Acquired);
    QVERIFY(QFileInfo::exists(locks.instanceLockPath()));
    ProgramLocks second(dir.path(), dir.filePath(QStringLiteral("file.dat/daten")));
    QCOMPARE(second.tryAcquire(), ProgramLocks::Outcome::RunningCopy);
}

void TestInstanceLock::lockThatIsNoRunningCopy_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message"); // "@R" the runtime folder, "@D" the data folder

    const QString end = QStringLiteral(". Das Programm wird beendet, damit keine Daten verloren gehen.");
    const int acquired = int(ProgramLocks::Outcome::Acquired);
    const int unlockable = int(ProgramLocks::Outcome::Unlockable);

    // Only a living copy of the program is a running copy: whatever else stops a lock is said
    // as it is, and the program does not start on a data folder it could not lock.
    QTest::newRow("folder at the data folder's lock")
        << "data lock folder" << unlockable
        << QStringLiteral("Der Programmordner „@D“ kann nicht gesperrt werden: „@D/Kostbilanz.lock“ ist keine "
                          "Sperrdatei, sondern ein Ordner") + end;
    QTest::newRow("folder at the instance lock")
        << "instance lock folder" << unlockable
        << QStringLiteral("Der Laufzeitordner „@R“ kann nicht gesperrt werden: „@R/C-Programm.lock“ ist keine "
                          "Sperrdatei, sondern ein Ordner") + end;
    QTest::newRow("lock file cannot be written, as on a full disk")
        << "full" << unlockable
        << QStringLiteral("Der Programmordner „@D“ kann nicht gesperrt werden: Die Datei ist zu groß") + end;
    QTest::newRow("data folder that takes no files") << "read-only" << acquired << QString();
    QTest::newRow("lock of a process id that now runs another program") << "reused id" << acquired << QString();
    // A start killed while it removed a gone copy's lock left Qt's removal lock behind.
    QTest::newRow("lock of a gone copy, with a left-over removal lock") << "removal lock" << acquired << QString();
}

void TestInstanceLock::lockThatIsNoRunningCopy()
{
    QFETCH(QString, setup);
    QFETCH(int, outcome);
    QFETCH(QString, message);

    QTemporaryDir root;
    QString runtime = root.filePath(QStringLiteral("runtime"));
    QString data = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QDir().mkpath(data));
    QProcess other;
    std::unique_ptr<FileSizeLimit> limit;
    if (setup == QLatin1String("data lock folder")) {
        QVERIFY(QDir(data).mkdir(DataFolderLockFileName));
    } else if (setup == QLatin1String("instance lock folder")) {
        QVERIFY(QDir(runtime).mkdir(InstanceLockFileName));
    } else if (setup == QLatin1String("full")) {
        // The runtime folder takes no files, so only the data folder's lock is tried.
        QVERIFY(WriteFile(root.filePath(QStringLiteral("file"))));
        runtime = root.filePath(QStringLiteral("file/runtime"));
        limit = std::make_unique<FileSizeLimit>(0);
        if (!limit->active())
            QSKIP("the file size limit cannot be lowered here");
    } else if (setup == QLatin1String("read-only")) {
        QVERIFY(WriteFile(root.filePath(QStringLiteral("file"))));
        data = root.filePath(QStringLiteral("file/data"));
    } else if (setup == QLatin1String("reused id")) {
        // The copy that wrote the lock is gone and its process id now belongs to another program.
        other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(other.waitForStarted(10000));
        QFile lock(QDir(data).filePath(DataFolderLockFileName));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(other.processId()) + "\nkostbilanz\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
    }

    if (setup == QLatin1String("removal lock")) {
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        QVERIFY(gone.waitForStarted(10000));
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished(10000));
        QFile lock(QDir(data).filePath(DataFolderLockFileName));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\nkostbilanz\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile removal(lock.fileName() + RemovalLockSuffix);
        QVERIFY(removal.open(QIODevice::WriteOnly));
        removal.close();
        QVERIFY(removal.open(QIODevice::ReadWrite));
        // Ten seconds: long gone for a lock held a moment, yet younger than Qt's own limit.
        QVERIFY(removal.setFileTime(QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime));
        removal.close();
    }

    ProgramLocks locks(runtime, data);
    const ProgramLocks::Outcome result = locks.tryAcquire();
    limit.reset();
    QCOMPARE(int(result), outcome);
    QString expected = message;
    expected.replace(QStringLiteral("@R"), runtime).replace(QStringLiteral("@D"), data);
    QCOMPARE(locks.message(), expected);
    if (result != ProgramLocks::Outcome::Acquired) {
        // Nothing is held: the instance lock taken first is given back.
        QVERIFY(!QFileInfo(locks.instanceLockPath()).isFile());
    }
    locks.release();
    other.kill();
    other.waitForFinished(10000);
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
