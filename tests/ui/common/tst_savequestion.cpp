#include "savetarget.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where a save may write: never over the program's own files, and over another existing file
// only after "Ja".
class TestSaveTarget : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void linkedFolderIsTheDataFolder();
};

void TestSaveTarget::check_data()
{
    QTest::addColumn<QString>("folder"); // "data" or "other"
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<int>("questions");

    const QStringList refused{QStringLiteral("Diese Datei gehört zum Programm und wird nicht überschrieben.")};
    const int allowed = int(SaveTarget::Allowed);
    const int dataFile = int(SaveTarget::ProgramDataFile);
    const int declined = int(SaveTarget::OverwriteDeclined);

    QTest::newRow("new file") << "data" << "tag.txt" << false << QList<int>{} << allowed << QStringList() << 0;
    QTest::newRow("existing file, Ja") << "data" << "tag.txt" << true << QList<int>{1} << allowed << QStringList()
                                       << 1;
    QTest::newRow("existing file, Nein") << "data" << "tag.txt" << true << QList<int>{0} << declined
                                         << QStringList() << 1;
    QTest::newRow("existing file, closed") << "data" << "tag.txt" << true << QList<int>{99} << declined
                                           << QStringList() << 1;
    QTest::newRow("own foods") << "data" << "NwAnDb.dat" << true << QList<int>{1} << dataFile << refused << 0;
    QTest::newRow("Swiss table, other case") << "data" << "nwchdb.DAT" << true << QList<int>{1} << dataFile
                                             << refused << 0;
    QTest::newRow("settings not yet written") << "data" << "NwConfig.dat" << false << QList<int>{} << dataFile
                                              << refused << 0;
    QTest::newRow("recovery file") << "data" << "NwSitzung.dat" << false << QList<int>{} << dataFile << refused
                                   << 0;
    QTest::newRow("data file name in another folder")
        << "other" << "NwAnDb.dat" << false << QList<int>{} << allowed << QStringList() << 0;
}

void TestSaveTarget::check()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QFETCH(QList<int>, answers);
    QFETCH(int, expected);
    QFETCH(QStringList, notices);
    QFETCH(int, questions);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString dataDirectory = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(dataDirectory));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("other"))));
    const QString path = root.filePath(folder + QLatin1Char('/') + name);
    if (exists)
        QVERIFY(WriteBytes(path, "alt\r\n"));

    ScriptedPrompts prompts;
    prompts.answers = answers;
    QCOMPARE(int(CheckSaveTarget(prompts, path, dataDirectory)), expected);
    QCOMPARE(prompts.texts(QStringLiteral("notice")), notices);
    QCOMPARE(prompts.texts(QStringLiteral("ask")).size(), questions);
    if (exists)
        QCOMPARE(ReadBytes(path), QByteArray("alt\r\n"));
}

void TestSaveTarget::linkedFolderIsTheDataFolder()
{
    QTemporaryDir root;
    const QString dataDirectory = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(dataDirectory));
    const QString link = root.filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(dataDirectory, link));

    ScriptedPrompts prompts;
    QCOMPARE(CheckSaveTarget(prompts, link + QStringLiteral("/NwRefWerteAnw.dat"), dataDirectory),
             SaveTarget::ProgramDataFile);
    QCOMPARE(CheckSaveTarget(prompts, dataDirectory + QStringLiteral("/../data/NwConfig.dat"), link),
             SaveTarget::ProgramDataFile);
}

QTEST_GUILESS_MAIN(TestSaveTarget)
#include "tst_savetarget.moc"
