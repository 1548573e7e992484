#include "savequestion.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A window's save after its dialog: a refusal is a notice, an existing file is replaced only
// after "Ja" to a question that names the file a link leads to, and the write goes to that
// file.
class TestSaveQuestion : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
};

void TestSaveQuestion::check_data()
{
    QTest::addColumn<QString>("name"); // in the folder "other", beside "data"
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("writePath"); // "@" the test's folder; empty unless allowed
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QStringList>("questions");

    const int allowed = int(SaveTarget::Allowed);
    const int refused = int(SaveTarget::Refused);
    const int declined = int(SaveTarget::OverwriteDeclined);
    const QStringList plain{QStringLiteral(" Soll die vorhandene Datei überschrieben werden? ")};
    const QStringList naming{
        QStringLiteral(" Soll die vorhandene Datei „@/other/tag.txt“ überschrieben werden? ")};
    const QStringList none;

    QTest::newRow("new file") << "neu.txt" << QList<int>{} << allowed << "@/other/neu.txt" << none << none;
    QTest::newRow("existing file, Ja")
        << "tag.txt" << QList<int>{1} << allowed << "@/other/tag.txt" << none << plain;
    QTest::newRow("existing file, Nein") << "tag.txt" << QList<int>{0} << declined << "" << none << plain;
    QTest::newRow("existing file, closed") << "tag.txt" << QList<int>{99} << declined << "" << none << plain;
    QTest::newRow("link, Ja: written where it leads")
        << "link.txt" << QList<int>{1} << allowed << "@/other/tag.txt" << none << naming;
    QTest::newRow("link to the own foods")
        << "eigene.txt" << QList<int>{1} << refused << ""
        << QStringList{QStringLiteral(
               "„@/data/NwAnDb.dat“: Diese Datei gehört zum Programm und wird nicht überschrieben.")}
        << none;
    QTest::newRow("folder")
        << "ordner.txt" << QList<int>{1} << refused << ""
        << QStringList{QStringLiteral(
               "„@/other/ordner.txt“ ist keine normale Datei und wird nicht überschrieben.")}
        << none;
}

void TestSaveQuestion::check()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, answers);
    QFETCH(int, expected);
    QFETCH(QString, writePath);
    QFETCH(QStringList, notices);
    QFETCH(QStringList, questions);

    QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("data"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("other/ordner.txt"))));
    QVERIFY(WriteBytes(root.filePath(QStringLiteral("data/NwAnDb.dat")), "Zusätzliche Lebensmittel\r\n"));
    QVERIFY(WriteBytes(root.filePath(QStringLiteral("other/tag.txt")), "alt\r\n"));
    QVERIFY(QFile::link(QStringLiteral("tag.txt"), root.filePath(QStringLiteral("other/link.txt"))));
    QVERIFY(QFile::link(root.filePath(QStringLiteral("data/NwAnDb.dat")),
                        root.filePath(QStringLiteral("other/eigene.txt"))));

    const auto withRoot = [&root](QStringList texts) {
        for (QString &text : texts)
            text.replace(QLatin1Char('@'), root.path());
        return texts;
    };
    ScriptedPrompts prompts;
    prompts.answers = answers;
    const SaveTargetAnswer answer = CheckSaveTarget(prompts, root.filePath(QStringLiteral("other/") + name),
                                                    root.filePath(QStringLiteral("data")));
    QCOMPARE(int(answer.outcome), expected);
    QCOMPARE(answer.allowed(), expected == int(SaveTarget::Allowed));
    QCOMPARE(answer.writePath, withRoot({writePath}).first());
    QCOMPARE(prompts.texts(QStringLiteral("notice")), withRoot(notices));
    QCOMPARE(prompts.texts(QStringLiteral("ask")), withRoot(questions));
    // Nothing is written by the check itself.
    QCOMPARE(ReadBytes(root.filePath(QStringLiteral("other/tag.txt"))), QByteArray("alt\r\n"));
    QCOMPARE(ReadBytes(root.filePath(QStringLiteral("data/NwAnDb.dat"))),
             QByteArray("Zusätzliche Lebensmittel\r\n"));
}

QTEST_GUILESS_MAIN(TestSaveQuestion)
#include "tst_savequestion.moc"
