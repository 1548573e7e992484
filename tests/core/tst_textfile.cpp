#include "datafiles.h"
#include "fooddata.h"
#include "filesizelimit.h"
#include "foodwords.h"
#include "mealfile.h"
#include "reference.h"
#include "sessionfile.h"
#include "settings.h"
#include "testfiles.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TextEncoding)

namespace {

QByteArray Utf16(const QString &text, bool bigEndian)
{
    QByteArray out;
    for (const QChar ch : text) {
        const char high = static_cast<char>(ch.unicode() >> 8);
        const char low = static_cast<char>(ch.unicode() & 0xFF);
        out.append(bigEndian ? high : low);
        out.append(bigEndian ? low : high);
    }
    return out;
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack_data();
    void readAndWriteBack();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void everyReaderRefusesWhatIsNoRegularFile_data();
    void everyReaderRefusesWhatIsNoRegularFile();
    void encodingWithoutMark_data();
    void encodingWithoutMark();
    void lineEnds_data();
    void lineEnds();
    void outlineAgreesWithDecoding_data();
    void outlineAgreesWithDecoding();
    void everyWindows1252ByteSurvives();
    void unencodableCharacters_data();
    void unencodableCharacters();
    void textBeyondWindows1252IsWrittenAsUtf8_data();
    void textBeyondWindows1252IsWrittenAsUtf8();
    void brokenInput_data();
    void brokenInput();
    void missingAndUnreadableFiles();
    void systemErrorReason_data();
    void systemErrorReason();
    void failuresGiveTheSystemReason_data();
    void failuresGiveTheSystemReason();
    void failedWriteReportsPathAndReason();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void writeReplacesFile();

private:
    QTemporaryDir m_dir;
};

void TestTextFile::readAndWriteBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QStringList>("lines");

    const QStringList lines{u"Zusätzliche Lebensmittel;;Stand;09.12.25;"_s, QString(),
                            u"30512;Müsli € ½;1;k.A.;"_s};
    const QString text = lines.join(u"\r\n"_s) + u"\r\n"_s;
    QTest::newRow("Windows-1252 without mark")
        << QByteArray(
               "Zus\xE4tzliche Lebensmittel;;Stand;09.12.25;\r\n\r\n30512;M\xFCsli \x80 \xBD;1;k.A.;\r\n")
        << TextEncoding::Windows1252 << lines;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << TextEncoding::Utf8Bom
                                     << lines;
    QTest::newRow("UTF-16 LE with mark")
        << QByteArray("\xFF\xFE") + Utf16(text, false) << TextEncoding::Utf16LeBom << lines;
    QTest::newRow("UTF-16 BE with mark")
        << QByteArray("\xFE\xFF") + Utf16(text, true) << TextEncoding::Utf16BeBom << lines;
    QTest::newRow("UTF-8 beyond the BMP") << QByteArray("\xEF\xBB\xBF\xF0\x9F\x8D\x8E;x\r\n")
                                          << TextEncoding::Utf8Bom << QStringList{u"\U0001F34E;x"_s};
    QTest::newRow("UTF-16 surrogate pair") << QByteArray("\xFF\xFE") + Utf16(u"\U0001F34E\r\n"_s, false)
                                           << TextEncoding::Utf16LeBom << QStringList{u"\U0001F34E"_s};
    QTest::newRow("second UTF-8 mark is text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n") << TextEncoding::Utf8Bom
        << QStringList{QChar(0xFEFF) + u"x"_s};
    QTest::newRow("empty file") << QByteArray() << TextEncoding::Windows1252 << QStringList();
    QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << TextEncoding::Utf8Bom << QStringList();
    // As most editors on Linux save: no mark, yet the text is UTF-8.
    QTest::newRow("UTF-8 without mark") << text.toUtf8() << TextEncoding::Utf8 << lines;
}

void TestTextFile::readAndWriteBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QStringList, lines);

    const QString source = m_dir.filePath(u"source.dat"_s);
    const QString copy = m_dir.filePath(u"copy.dat"_s);
    QVERIFY(WriteBytes(source, bytes));
    const TextReadResult read = ReadTextFile(source);
    QCOMPARE(read.status, ReadStatus::Ok);
    QCOMPARE(read.file.encoding, encoding);
    QCOMPARE(read.file.lines, lines);

    const WriteResult written = WriteTextFile(copy, read.file.lines, read.file.encoding);
    QVERIFY2(written.ok, qPrintable(written.message()));
    QVERIFY(written.message().isEmpty());
    QCOMPARE(ReadBytes(copy), bytes);
}

void TestTextFile::encodingWithoutMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("firstLine");

    const TextEncoding cp1252 = TextEncoding::Windows1252;
    const TextEncoding utf8 = TextEncoding::Utf8;
    QTest::newRow("ASCII only") << QByteArray("agroup=3\r\n") << cp1252 << u"agroup=3"_s;
    QTest::newRow("Windows-1252 umlaut") << QByteArray("M\xFCsli\r\n") << cp1252 << u"Müsli"_s;
    QTest::newRow("two bytes") << QByteArray("M\xC3\xBCsli\r\n") << utf8 << u"Müsli"_s;
    QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC 5\r\n") << utf8 << u"€ 5"_s;
    QTest::newRow("four bytes, the last code point")
        << QByteArray("\xF4\x8F\xBF\xBF\r\n") << utf8 << QString::fromUcs4(U"\U0010FFFF");
    QTest::newRow("noncharacter") << QByteArray("\xEF\xBF\xBF\r\n") << utf8 << QString(QChar(0xFFFF));
    QTest::newRow("NUL inside UTF-8")
        << QByteArray("\xC3\xA4\0x\r\n", 6) << utf8 << u"ä"_s + QChar(0) + u"x"_s;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF\r\n") << cp1252 << u"À¯"_s;
    QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF\r\n") << cp1252 << u"à€¯"_s;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80\r\n") << cp1252 << u"í\u00A0€"_s;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80\r\n") << cp1252 << u"ô\u0090€€"_s;
    QTest::newRow("cut off at the end") << QByteArray("\xC3\xA4\r\n\xC3") << cp1252 << u"Ã¤"_s;
    QTest::newRow("follow byte missing") << QByteArray("\xE2\x82x\r\n") << cp1252 << u"â\u201Ax"_s;
    QTest::newRow("UTF-8 first, one Windows-1252 byte later")
        << QByteArray("M\xC3\xBCsli\r\nK\xE4se\r\n") << cp1252 << u"MÃ¼sli"_s;
}

void TestTextFile::encodingWithoutMark()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, firstLine);

    const TextFile file = DecodeTextLines(bytes);
    QCOMPARE(file.encoding, encoding);
    QCOMPARE(file.lines.value(0), firstLine);
    // Written back in the encoding it was read in, every byte is as it was (the file ends in
    // a line end, as the program writes it).
    QByteArray complete = bytes;
    if (!complete.endsWith("\r\n"))
        complete += "\r\n";
    QCOMPARE(EncodeTextLines(file.lines, file.encoding), complete);
}

void TestTextFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("blank lines kept")
        << QByteArray("\r\n\r\nx\r\n\r\n") << QStringList{QString(), QString(), u"x"_s, QString()};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << QStringList{u"a"_s, QString()};
    QTest::newRow("UTF-16 lone LF") << QByteArray("\xFF\xFE") + Utf16(u"a\nb"_s, false)
                                    << QStringList{u"a"_s, u"b"_s};
}

void TestTextFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const TextFile file = DecodeTextLines(bytes);
    QCOMPARE(file.lines, lines);
    // Written back, every line ends with CR LF, the last one too.
    const bool utf16 = bytes.startsWith("\xFF\xFE");
    QByteArray expected = utf16 ? QByteArray("\xFF\xFE") : QByteArray();
    for (const QString &line : lines) {
        if (utf16)
            expected += Utf16(line + u"\r\n"_s, false);
        else
            expected += line.toLatin1() + QByteArray("\r\n");
    }
    QCOMPARE(EncodeTextLines(file.lines, file.encoding), expected);
}

void TestTextFile::outlineAgreesWithDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("lineCount");
    QTest::addColumn<TextEncoding>("encoding");

    const TextEncoding cp1252 = TextEncoding::Windows1252;
    QTest::newRow("LF") << QByteArray("ab\ncd\n") << qsizetype(2) << cp1252;
    QTest::newRow("lone CR") << QByteArray("ab\rcd\r") << qsizetype(2) << cp1252;
    QTest::newRow("CR LF") << QByteArray("ab\r\ncd\r\n") << qsizetype(2) << cp1252;
    QTest::newRow("CR LF cut between its bytes") << QByteArray("ab\r") << qsizetype(1) << cp1252;
    QTest::newRow("no final line end") << QByteArray("ab\r\ncd") << qsizetype(2) << cp1252;
    QTest::newRow("one line without end") << QByteArray("ab") << qsizetype(1) << cp1252;
    QTest::newRow("empty file") << QByteArray() << qsizetype(0) << cp1252;
    QTest::newRow("blank first line") << QByteArray("\r\nx") << qsizetype(2) << cp1252;
    QTest::newRow("LF CR and CR CR LF") << QByteArray("a\n\rb\r\r\n") << qsizetype(4) << cp1252;
    QTest::newRow("Windows-1252 bytes")
        << QByteArray("Schweizer N\xE4hrwert \x80\x81\x9F\r\nK\xE4se\r\n") << qsizetype(2) << cp1252;
    QTest::newRow("UTF-8 without mark")
        << QByteArray("M\xC3\xBCsli\nx") << qsizetype(2) << TextEncoding::Utf8;
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xC3\xA4\r\n\r\n") << qsizetype(2)
                                << TextEncoding::Utf8Bom;
    QTest::newRow("UTF-8 mark only") << QByteArray("\xEF\xBB\xBF") << qsizetype(0) << TextEncoding::Utf8Bom;
    QTest::newRow("UTF-8 mark, broken sequence before LF")
        << QByteArray("\xEF\xBB\xBF\xE2\x82\nx\xC3") << qsizetype(2) << TextEncoding::Utf8Bom;
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE") + Utf16(u"Käse\r\n\u0A0D\r"_s, false) << qsizetype(2)
                               << TextEncoding::Utf16LeBom;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF") + Utf16(u"\u0D0A\nb\n"_s, true) << qsizetype(2)
                               << TextEncoding::Utf16BeBom;
    QTest::newRow("UTF-16 odd trailing byte after a line end")
        << QByteArray("\xFF\xFE") + Utf16(u"a\n"_s, false) + QByteArray("\x0A") << qsizetype(2)
        << TextEncoding::Utf16LeBom;
}

void TestTextFile::outlineAgreesWithDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, lineCount);
    QFETCH(TextEncoding, encoding);

    const TextFile decoded = DecodeTextLines(bytes);
    // The row makes the case it names.
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(decoded.lines.size(), lineCount);
    const TextOutline outline = OutlineTextLines(bytes);
    QCOMPARE(outline.encoding, decoded.encoding);
    QCOMPARE(outline.lineCount, lineCount);
    QCOMPARE(outline.firstLine, decoded.lines.value(0));
}

void TestTextFile::everyWindows1252ByteSurvives()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes.append(static_cast<char>(b));
    }
    bytes.append("\r\n");
    const TextFile file = DecodeTextLines(bytes);
    QCOMPARE(file.encoding, TextEncoding::Windows1252);
    QCOMPARE(file.lines.size(), 1);
    const QString &line = file.lines.first();
    // Above 0x0D every byte stands two places earlier, behind the missing CR and LF.
    QCOMPARE(line.at(0x80 - 2), QChar(0x20AC)); // euro sign
    QCOMPARE(line.at(0x9F - 2), QChar(0x0178));
    QCOMPARE(line.at(0x81 - 2), QChar(0x0081)); // undefined byte: the same code point
    QCOMPARE(line.at(0xE4 - 2), QChar(u'ä'));
    QCOMPARE(EncodeTextLines(file.lines, file.encoding), bytes);

    // Lines are decoded one by one: the same line after each kind of line end, and at the end
    // of the file without one, decodes alike.
    const QByteArray one = bytes.chopped(2);
    const TextFile several = DecodeTextLines(one + "\n" + one + "\r" + one + "\r\n" + one);
    QCOMPARE(several.encoding, TextEncoding::Windows1252);
    QCOMPARE(several.lines, QStringList(4, line));
}

void TestTextFile::unencodableCharacters_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CJK") << u"Reis 米"_s << QByteArray("Reis ?\r\n");
    QTest::newRow("beyond the BMP is one character") << u"a\U0001F34Eb"_s << QByteArray("a?b\r\n");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?\r\n");
    QTest::newRow("C1 control without a byte") << QString(QChar(0x0080)) << QByteArray("?\r\n");
    QTest::newRow("euro and typographic quotes") << u"€ „x“"_s << QByteArray("\x80 \x84x\x93\r\n");
}

void TestTextFile::unencodableCharacters()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeTextLines({line}, TextEncoding::Windows1252), bytes);
}

void TestTextFile::textBeyondWindows1252IsWrittenAsUtf8_data()
{
    QTest::addColumn<TextEncoding>("asked");
    QTest::addColumn<QString>("line");
    QTest::addColumn<TextEncoding>("written");

    const TextEncoding cp1252 = TextEncoding::Windows1252;
    QTest::newRow("Čevapčići") << cp1252 << u"30001;Čevapčići;100;"_s << TextEncoding::Utf8Bom;
    QTest::newRow("Łosoś") << cp1252 << u"Łosoś"_s << TextEncoding::Utf8Bom;
    QTest::newRow("beyond the BMP") << cp1252 << u"a\U0001F34Eb"_s << TextEncoding::Utf8Bom;
    QTest::newRow("C1 control without a byte") << cp1252 << QString(QChar(0x0080)) << TextEncoding::Utf8Bom;
    QTest::newRow("the code page's own letters stay") << cp1252 << u"Müsli € „x“ Œ"_s << cp1252;
    QTest::newRow("undefined byte's control stays") << cp1252 << QString(QChar(0x0081)) << cp1252;
    QTest::newRow("UTF-16 stays") << TextEncoding::Utf16LeBom << u"Łosoś"_s << TextEncoding::Utf16LeBom;
    QTest::newRow("UTF-8 without mark stays") << TextEncoding::Utf8 << u"Łosoś"_s << TextEncoding::Utf8;
}

void TestTextFile::textBeyondWindows1252IsWrittenAsUtf8()
{
    QFETCH(TextEncoding, asked);
    QFETCH(QString, line);
    QFETCH(TextEncoding, written);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwAnDb.dat"_s);
    const QStringList lines{u"Zusätzliche Lebensmittel;;Stand;09.12.25;"_s, line};
    const WriteResult result = WriteTextFile(path, lines, asked);
    QVERIFY(result.ok);
    QCOMPARE(result.encoding, written);
    QCOMPARE(ReadBytes(path), EncodeTextLines(lines, written));
    // Read back at the next start as it was typed, not as "?evap?i?i".
    const TextReadResult back = ReadTextFile(path);
    QCOMPARE(back.file.lines, lines);
    QCOMPARE(back.file.encoding, written);
}

void TestTextFile::brokenInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("odd-length UTF-16 LE") << QByteArray("\xFF\xFE"
                                                        "a\0b",
                                                        5)
                                          << QStringList{u"a"_s + QChar(QChar::ReplacementCharacter)};
    QTest::newRow("odd-length UTF-16 BE, mark and one byte")
        << QByteArray("\xFE\xFF"
                      "x")
        << QStringList{QString(QChar(QChar::ReplacementCharacter))};
    QTest::newRow("invalid UTF-8") << QByteArray("\xEF\xBB\xBF"
                                                 "a\xC3")
                                   << QStringList{u"a"_s + QChar(0xFFFD)};
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n", 5) << QStringList{QString::fromLatin1("a\0b", 3)};
}

void TestTextFile::brokenInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(DecodeTextLines(bytes).lines, lines);
}

void TestTextFile::missingAndUnreadableFiles()
{
    const TextReadResult missing = ReadTextFile(m_dir.filePath(u"nothing-here.dat"_s));
    QCOMPARE(missing.status, ReadStatus::Missing);
    QVERIFY(missing.file.lines.isEmpty());

    const QString folder = m_dir.filePath(u"a-folder.dat"_s);
    QVERIFY(QDir().mkpath(folder));
    const TextReadResult failed = ReadTextFile(folder);
    QCOMPARE(failed.status, ReadStatus::Failed);
    QVERIFY(!failed.reason.isEmpty());
    QVERIFY(failed.file.lines.isEmpty());
}

void TestTextFile::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason"); // "@" the path read

    const int refused = int(ReadStatus::Refused);
    const QString notRegular = u"„@“ ist keine normale Datei."_s;
    // A pipe would hold the reader until something writes into it, a device never ends.
    QTest::newRow("pipe") << u"pipe"_s << MaxDataFileBytes << refused << notRegular;
    QTest::newRow("link to a pipe") << u"link to pipe"_s << MaxDataFileBytes << refused << notRegular;
    QTest::newRow("device without end") << u"/dev/zero"_s << MaxDataFileBytes << refused << notRegular;
    QTest::newRow("folder") << u"folder"_s << MaxDataFileBytes << int(ReadStatus::Failed)
                            << SystemErrorReason(EISDIR);
    QTest::newRow("one byte over the limit")
        << u"large"_s << MaxDataFileBytes << refused << u"Die Datei „@“ ist größer als 16 MB und wird nicht gelesen."_s;
    QTest::newRow("exactly at a limit of its own") << u"small"_s << qint64(5) << int(ReadStatus::Ok) << QString();
}

void TestTextFile::onlyRegularFilesAreOpened()
{
    QFETCH(QString, kind);
    QFETCH(qint64, maxBytes);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QString path = kind.startsWith(u'/') ? kind : dir.filePath(kind);
    if (kind == u"pipe"_s || kind == u"link to pipe"_s) {
        const QString pipe = dir.filePath(u"pipe"_s);
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        if (kind != u"pipe"_s)
            QVERIFY(QFile::link(pipe, path));
    } else if (kind == u"folder"_s) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == u"large"_s) {
        // Sparse: the size counts, not the bytes on disk.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(MaxDataFileBytes + 1));
    } else if (kind == u"small"_s) {
        QVERIFY(WriteBytes(path, "a\r\nb\r"));
    }

    const FileBytesReadResult read = ReadFileBytes(path, maxBytes);
    QTEST(int(read.status), "status");
    QCOMPARE(read.reason, QString(reason).replace(u'@', path));
    QCOMPARE(read.bytes.isEmpty(), read.status != ReadStatus::Ok);
    const TextReadResult text = ReadTextFile(path, maxBytes);
    QCOMPARE(text.status, read.status);
    QCOMPARE(text.reason, read.reason);
}

void TestTextFile::everyReaderRefusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message"); // what the reader says, "@" the file's path

    const QString pipe = u"„@“ ist keine normale Datei."_s;
    QTest::newRow("Swiss table") << QString(SwissFoodFileName) << pipe;
    QTest::newRow("own foods, kept as they are")
        << QString(OwnFoodFileName)
        << u"Die Datei „NwAnDb.dat“ konnte nicht gelesen werden:\n„@“ ist keine normale Datei.\n"
           u"Sie wird bis zum Programmende nicht überschrieben."_s;
    QTest::newRow("settings, kept as they are")
        << QString(SettingsFileName)
        << u"Die Datei „NwConfig.dat“ konnte nicht gelesen werden:\n„@“ ist keine normale Datei.\n"
           u"Sie wird bis zum Programmende nicht überschrieben."_s;
    QTest::newRow("reference list") << QString(DgeReferenceFileName) << pipe;
    QTest::newRow("word table") << QString(WordListFileName) << pipe;
    QTest::newRow("meal file") << u"Montag.txt"_s << pipe;
    QTest::newRow("recovery file: left alone") << QString(SessionFileName) << QString();
}

void TestTextFile::everyReaderRefusesWhatIsNoRegularFile()
{
    QFETCH(QString, file);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const QString path = folder + file;
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    message.replace(u'@', path);

    QString said;
    if (file == SwissFoodFileName) {
        const SwissFoodLoad load = LoadSwissDatabase(folder);
        QCOMPARE(load.lines.size(), 0);
        said = load.message;
    } else if (file == OwnFoodFileName) {
        const FoodFileLoad load = LoadAdditionalFoods(folder);
        QVERIFY(load.protection.isProtected());
        said = load.message;
    } else if (file == SettingsFileName) {
        const SettingsList settings = LoadSettings(folder);
        QVERIFY(settings.protection.isProtected());
        said = settings.protection.startMessage;
    } else if (file == DgeReferenceFileName) {
        said = LoadReferenceValues(folder, SettingsList()).message;
    } else if (file == WordListFileName) {
        QVERIFY(LoadFoodWords(folder, &said).isEmpty());
    } else if (file == SessionFileName) {
        QCOMPARE(int(ReadSessionFile(folder).status), int(SessionFileStatus::NotAFile));
    } else {
        const MealFileRead read = ReadMealFileAt(path, FoodIndex(), 1);
        QCOMPARE(int(read.status), int(MealFileReadStatus::NotRegular));
        said = read.message;
    }
    QCOMPARE(said, message);
    QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile()); // left as it was
}

void TestTextFile::systemErrorReason_data()
{
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no permission") << EACCES << u"Keine Berechtigung"_s;
    QTest::newRow("not allowed") << EPERM << u"Vorgang nicht erlaubt"_s;
    QTest::newRow("disk full") << ENOSPC << u"Kein Speicherplatz mehr auf dem Datenträger"_s;
    QTest::newRow("quota used up") << EDQUOT << u"Der zugeteilte Speicherplatz ist aufgebraucht"_s;
    QTest::newRow("read-only file system") << EROFS << u"Das Dateisystem ist schreibgeschützt"_s;
    QTest::newRow("no such file or folder") << ENOENT << u"Datei oder Ordner nicht gefunden"_s;
    QTest::newRow("path through a file") << ENOTDIR << u"Ein Teil des Pfades ist kein Ordner"_s;
    QTest::newRow("is a folder") << EISDIR << u"Das ist ein Ordner, keine Datei"_s;
    QTest::newRow("file too large") << EFBIG << u"Die Datei ist zu groß"_s;
    QTest::newRow("name too long") << ENAMETOOLONG << u"Der Dateiname ist zu lang"_s;
    // Rare reasons keep the system's own text rather than a vague German one.
    QTest::newRow("other: input/output error") << EIO << qt_error_string(EIO);
}

void TestTextFile::systemErrorReason()
{
    QFETCH(int, errorCode);
    QFETCH(QString, reason);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(SystemErrorReason(errorCode), reason);
}

void TestTextFile::failuresGiveTheSystemReason_data()
{
    // Tests run as root, so these are the failures that can be made for real: each must reach
    // the user with its own reason, not Qt's English text.
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("path"); // inside a folder that holds "folder/" and "file.dat"
    QTest::addColumn<int>("errorCode");
    QTest::newRow("reading a folder") << false << u"folder"_s << EISDIR;
    QTest::newRow("writing over a folder") << true << u"folder"_s << EISDIR;
    QTest::newRow("writing into a missing folder") << true << u"missing/NwConfig.dat"_s << ENOENT;
    QTest::newRow("writing below a file") << true << u"file.dat/NwConfig.dat"_s << ENOTDIR;
}

void TestTextFile::failuresGiveTheSystemReason()
{
    QFETCH(bool, write);
    QFETCH(QString, path);
    QFETCH(int, errorCode);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    QVERIFY(WriteBytes(dir.filePath(u"file.dat"_s), "x\r\n"));
    const QString full = dir.filePath(path);
    if (write) {
        const WriteResult result = WriteTextFile(full, {u"agroup=3"_s}, TextEncoding::Windows1252);
        QVERIFY(!result.ok);
        QCOMPARE(result.reason, SystemErrorReason(errorCode));
    } else {
        const TextReadResult result = ReadTextFile(full);
        QCOMPARE(result.status, ReadStatus::Failed);
        QCOMPARE(result.reason, SystemErrorReason(errorCode));
    }
}

void TestTextFile::failedWriteReportsPathAndReason()
{
    // Tests run as root, so permissions cannot stop a write; a folder where the file must go can.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    QVERIFY(QDir().mkpath(path));
    QVERIFY(WriteBytes(path + u"/inside.txt"_s, "keep"));

    const WriteResult result = WriteTextFile(path, {u"agroup=3"_s}, TextEncoding::Windows1252);
    QVERIFY(!result.ok);
    QCOMPARE(result.path, path);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(result.message(), u"Die Datei \""_s + QDir::toNativeSeparators(path) +
                                   u"\" konnte nicht geschrieben werden:\n"_s + result.reason);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(ReadBytes(path + u"/inside.txt"_s), QByteArray("keep"));
    // No temporary file is left behind beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"NwConfig.dat"_s});
}

void TestTextFile::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("limit");

    // The new text is far larger than the limit, so the write breaks off half-way.
    QTest::newRow("large write breaks off half-way")
        << QStringList(2000, u"30512;Haferbrei;100;68;12;0,5;1,4;0,3;2,4;0,1;k.A.;k.A.;20;0;0;84;"_s) << 4096;
    // Ten bytes never leave the write buffer before the commit; only flushing it fails.
    QTest::newRow("small write fails on flush") << QStringList{u"agroup=7"_s} << 4;
}

void TestTextFile::failedWriteKeepsOldFile()
{
    QFETCH(QStringList, lines);
    QFETCH(int, limit);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwAnDb.dat"_s);
    const QByteArray old("Zus\xE4tzliche Lebensmittel;;Stand;01.01.25;\r\nID;Lebensmittel;\r\n");
    QVERIFY(WriteBytes(path, old));
    QVERIFY(EncodeTextLines(lines, TextEncoding::Windows1252).size() > limit);

    WriteResult result;
    {
        const FileSizeLimit sizeLimit{rlim_t(limit)};
        if (!sizeLimit.active())
            QSKIP("the file size limit cannot be lowered here");
        result = WriteTextFile(path, lines, TextEncoding::Windows1252);
    }
    QVERIFY(!result.ok);
    QCOMPARE(result.path, path);
    // The system's reason for the user, not a placeholder such as "Unknown error".
    QCOMPARE(result.reason, SystemErrorReason(EFBIG));
    QCOMPARE(ReadBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"NwAnDb.dat"_s});
}

void TestTextFile::writeReplacesFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    QVERIFY(WriteBytes(path, "a much longer earlier content that must not survive\r\n"));
    const WriteResult result = WriteTextFile(path, {u"agroup=7"_s}, TextEncoding::Windows1252);
    QVERIFY(result.ok);
    QCOMPARE(ReadBytes(path), QByteArray("agroup=7\r\n"));

    // An empty list gives an empty file, with only the mark for marked encodings.
    QVERIFY(WriteTextFile(path, {}, TextEncoding::Utf16BeBom).ok);
    QCOMPARE(ReadBytes(path), QByteArray("\xFE\xFF"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
