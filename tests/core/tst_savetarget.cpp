// Where a save may write: every target resolved first (links, a dangling one too, and dots as
// the file system takes them), then never over the program's own files and never over
// anything but a regular file.

#include "datafiles.h"
#include "savetarget.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestSaveTarget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void check_data();
    void check();

private:
    QTemporaryDir m_root;
    QString path(const QString &relative) const
    {
        return relative.startsWith(QLatin1Char('/')) ? relative : m_root.filePath(relative);
    }
};

void TestSaveTarget::initTestCase()
{
    QVERIFY(m_root.isValid());
    for (const char *folder : {"data/sub", "other/ordner.txt"})
        QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
    QVERIFY(WriteBytes(path(QStringLiteral("data/NwChDb.dat")), "Schweizer Nährwertdatenbank\r\n"));
    QVERIFY(WriteBytes(path(QStringLiteral("other/tag.txt")), "alt\r\n"));
    const struct
    {
        const char *link;
        const char *target; // relative targets stay relative to the link's folder
    } links[] = {
        {"other/lnk.pdf", "@data/NwChDb.dat"},
        {"other/dangling.csv", "@data/NwConfig.dat"},
        {"other/a.txt", "b.txt"},
        {"other/b.txt", "tag.txt"},
        {"other/new.txt", "neu/../gibt-es-nicht.txt"},
        {"sublink", "@data/sub"},
        {"other/full.csv", "/dev/full"},
        {"other/loop1", "loop2"},
        {"other/loop2", "loop1"},
    };
    for (const auto &link : links) {
        QString target = QString::fromUtf8(link.target);
        if (target.startsWith(QLatin1Char('@')))
            target = path(target.mid(1));
        QVERIFY2(QFile::link(target, path(QLatin1String(link.link))), link.link);
    }
    QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("other/pipe.csv"))).constData(), 0600) == 0);
}

void TestSaveTarget::check_data()
{
    QTest::addColumn<QString>("target"); // below the test's folder, or absolute
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("resolved"); // likewise
    QTest::addColumn<QString>("message");  // the refusal, or the overwrite question; "@" the test's folder

    const int newFile = int(SaveTargetVerdict::NewFile);
    const int existing = int(SaveTargetVerdict::ExistingFile);
    const int dataFile = int(SaveTargetVerdict::ProgramDataFile);
    const int notRegular = int(SaveTargetVerdict::NotRegularFile);
    const QString plainQuestion = QStringLiteral(" Soll die vorhandene Datei überschrieben werden? ");
    const QString ours = QStringLiteral("“: Diese Datei gehört zum Programm und wird nicht überschrieben.");
    const QString notAFile = QStringLiteral("“ ist keine normale Datei und wird nicht überschrieben.");

    QTest::newRow("new file") << "other/neu.txt" << newFile << "other/neu.txt" << QString();
    QTest::newRow("existing file") << "other/tag.txt" << existing << "other/tag.txt" << plainQuestion;
    QTest::newRow("chain of relative links: the question names the file replaced")
        << "other/a.txt" << existing << "other/tag.txt"
        << QStringLiteral(" Soll die vorhandene Datei „@/other/tag.txt“ überschrieben werden? ");
    QTest::newRow("link to no file yet")
        << "other/new.txt" << newFile << "other/gibt-es-nicht.txt" << QString();
    QTest::newRow("Swiss table in another case")
        << "data/nwchdb.DAT" << dataFile << "data/nwchdb.DAT" << QStringLiteral("„@/data/nwchdb.DAT") + ours;
    QTest::newRow("settings not yet written") << "data/NwConfig.dat" << dataFile << "data/NwConfig.dat"
                                              << QStringLiteral("„@/data/NwConfig.dat") + ours;
    QTest::newRow("own measures") << "data/NwMasse.dat" << dataFile << "data/NwMasse.dat"
                                  << QStringLiteral("„@/data/NwMasse.dat") + ours;
    QTest::newRow("data folder reached through dots")
        << "other/../data/NwAnDb.dat" << dataFile << "data/NwAnDb.dat"
        << QStringLiteral("„@/data/NwAnDb.dat") + ours;
    QTest::newRow("dots after a linked folder")
        << "sublink/../NwRefWerteAnw.dat" << dataFile << "data/NwRefWerteAnw.dat"
        << QStringLiteral("„@/data/NwRefWerteAnw.dat") + ours;
    QTest::newRow("link to the Swiss table")
        << "other/lnk.pdf" << dataFile << "data/NwChDb.dat" << QStringLiteral("„@/data/NwChDb.dat") + ours;
    QTest::newRow("dangling link to the settings") << "other/dangling.csv" << dataFile << "data/NwConfig.dat"
                                                   << QStringLiteral("„@/data/NwConfig.dat") + ours;
    QTest::newRow("data file name in another folder")
        << "other/NwAnDb.dat" << newFile << "other/NwAnDb.dat" << QString();
    QTest::newRow("folder") << "other/ordner.txt" << notRegular << "other/ordner.txt"
                            << QStringLiteral("„@/other/ordner.txt") + notAFile;
    QTest::newRow("pipe") << "other/pipe.csv" << notRegular << "other/pipe.csv"
                          << QStringLiteral("„@/other/pipe.csv") + notAFile;
    QTest::newRow("device") << "/dev/full" << notRegular << "/dev/full"
                            << QStringLiteral("„/dev/full") + notAFile;
    QTest::newRow("link to a device")
        << "other/full.csv" << notRegular << "/dev/full" << QStringLiteral("„/dev/full") + notAFile;
    QTest::newRow("loop of links") << "other/loop1" << notRegular << "other/loop1"
                                   << QStringLiteral("„@/other/loop1") + notAFile;
}

void TestSaveTarget::check()
{
    QFETCH(QString, target);
    QFETCH(int, verdict);
    QFETCH(QString, resolved);
    QFETCH(QString, message);

    const QByteArray before = ReadBytes(path(QStringLiteral("data/NwChDb.dat")));
    const SaveTargetCheck check = CheckSaveTargetPath(path(target), path(QStringLiteral("data")));
    QCOMPARE(int(check.verdict), verdict);
    QCOMPARE(check.path, path(target));
    QCOMPARE(check.resolvedPath, path(resolved));
    message.replace(QLatin1Char('@'), m_root.path());
    QCOMPARE(check.refused() ? check.refusal() : QString(), check.refused() ? message : QString());
    if (check.verdict == SaveTargetVerdict::ExistingFile)
        QCOMPARE(check.overwriteQuestion(), message);
    QCOMPARE(ReadBytes(path(QStringLiteral("data/NwChDb.dat"))), before);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("data/NwConfig.dat"))));
}

QTEST_GUILESS_MAIN(TestSaveTarget)
#include "tst_savetarget.moc"
