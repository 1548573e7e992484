#include "deferredtextlines.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextEncoding)

class TestDeferredTextLines : public QObject
{
    Q_OBJECT

private slots:
    void sameAsDecodedAtOnce_data();
    void sameAsDecodedAtOnce();
    void copiesShareTheDecodedLines();
    void linesDecodedAlready();
    void mappedFileWrittenInPlace_data();
    void mappedFileWrittenInPlace();
};

namespace {

// A file holding bytes in a folder of the test's own.
QString WriteFile(const QTemporaryDir &folder, const QByteArray &bytes)
{
    const QString path = folder.filePath(u"NwChDb.dat"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace

void TestDeferredTextLines::sameAsDecodedAtOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252, CR LF")
        << QByteArray("Schweizer N\xE4hrwert;7.0\r\nID;Name\r\n1001;K\xE4se \x80;x\r\n");
    QTest::newRow("lone LF and lone CR, no final end") << QByteArray("a\nb\rc\r\n\nd");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xC3\xA4\r\nb\r\n");
    QTest::newRow("UTF-8 without mark") << QByteArray("M\xC3\xBCsli\nx\n");
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE"
                                             "a\0\r\0\n\0b\0",
                                             10);
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0\n\0b", 8);
}

void TestDeferredTextLines::sameAsDecodedAtOnce()
{
    QFETCH(QByteArray, bytes);
    const TextFile eager = DecodeTextLines(bytes);
    const DeferredTextLines deferred(bytes);
    QCOMPARE(deferred.encoding(), eager.encoding);
    QCOMPARE(deferred.size(), eager.lines.size());
    QCOMPARE(deferred.isEmpty(), eager.lines.isEmpty());
    QCOMPARE(deferred.first(), eager.lines.value(0));
    QCOMPARE(deferred.decodedLines(), eager.lines);
    QCOMPARE(deferred.lines(), eager.lines);
    QCOMPARE(deferred.decodedLines(), eager.lines); // now the kept ones
    QCOMPARE(deferred.size(), eager.lines.size());

    // The same lines from the file mapped instead of read.
    QTemporaryDir folder;
    const FileMapResult mapped = MapFileBytes(WriteFile(folder, bytes));
    QCOMPARE(mapped.status, ReadStatus::Ok);
    const DeferredTextLines fromFile(mapped.file);
    QCOMPARE(fromFile.encoding(), eager.encoding);
    QCOMPARE(fromFile.size(), eager.lines.size());
    QCOMPARE(fromFile.first(), eager.lines.value(0));
    QCOMPARE(fromFile.lines(), eager.lines);
}

void TestDeferredTextLines::copiesShareTheDecodedLines()
{
    const DeferredTextLines original(QByteArray("h\r\nx\r\n"));
    const DeferredTextLines copy = original;
    const QStringList &lines = copy.lines();
    QCOMPARE(lines, (QStringList{u"h"_s, u"x"_s}));
    // Decoded once for both: the first object hands out the very list its copy decoded.
    QCOMPARE(&original.lines(), &lines);
}

void TestDeferredTextLines::linesDecodedAlready()
{
    const QStringList lines{u"Schweizer Nährwert"_s, QString(), u"1;a"_s};
    const DeferredTextLines given(lines, TextEncoding::Utf8Bom);
    QCOMPARE(given.encoding(), TextEncoding::Utf8Bom);
    QCOMPARE(given.size(), 3);
    QCOMPARE(given.first(), lines.first());
    QCOMPARE(given.lines(), lines);

    const DeferredTextLines none;
    QVERIFY(none.isEmpty());
    QCOMPARE(none.first(), QString());
    QCOMPARE(none.lines(), QStringList());
}

void TestDeferredTextLines::mappedFileWrittenInPlace_data()
{
    QTest::addColumn<QByteArray>("rewritten");
    QTest::addColumn<QStringList>("expected");
    // Counted: three lines. What is read later is cut or filled up to them, and a shortened
    // file is never read past its new end.
    QTest::newRow("shortened") << QByteArray("h\r\n") << QStringList{u"h"_s, QString(), QString()};
    QTest::newRow("emptied") << QByteArray() << QStringList{QString(), QString(), QString()};
    QTest::newRow("lengthened") << QByteArray("h\r\nx\r\ny\r\nz\r\n") << QStringList{u"h"_s, u"x"_s, u"y"_s};
    QTest::newRow("same size") << QByteArray("h\r\nq\r\nr\r\n") << QStringList{u"h"_s, u"q"_s, u"r"_s};
}

void TestDeferredTextLines::mappedFileWrittenInPlace()
{
    QFETCH(QByteArray, rewritten);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    const QString path = WriteFile(folder, QByteArray("h\r\na\r\nb\r\n"));
    const DeferredTextLines lines(MapFileBytes(path).file);
    QCOMPARE(lines.size(), 3);
    // Written into the very file (not replaced), a moment later so its time differs.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
    QCOMPARE(file.write(rewritten), rewritten.size());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(lines.lines(), expected);
}

QTEST_GUILESS_MAIN(TestDeferredTextLines)
#include "tst_deferredtextlines.moc"
