#include "settings.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void loadSettings();
    void findSetting_data();
    void findSetting();
    void storeAgeGroup_data();
    void storeAgeGroup();
    void storeKeepsEncoding();
    void protectedFileIsNeverWritten();
    void failedStoreReportsAndKeepsFile();
    void rememberedFolders_data();
    void rememberedFolders();
    void folderWithLineBreakIsRefused();
};

void TestSettings::loadSettings()
{
    QTemporaryDir dir;
    const SettingsList none = LoadSettings(dir.path());
    QVERIFY(none.lines.isEmpty());
    QCOMPARE(none.encoding, TextEncoding::Windows1252);

    QVERIFY(WriteBytes(dir.filePath(u"NwConfig.dat"_s), QByteArray("\xFF\xFE"
                                                                   "a\0=\0"
                                                                   "1\0\n\0x\0",
                                                                   12)));
    const SettingsList marked = LoadSettings(dir.path());
    QCOMPARE(marked.lines, (QStringList{u"a=1"_s, u"x"_s}));
    QCOMPARE(marked.encoding, TextEncoding::Utf16LeBom);

    QVERIFY(!marked.protection.isProtected());

    // Something that cannot be read gives no settings, and is said once and protected.
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir(u"NwConfig.dat"_s));
    const SettingsList unreadable = LoadSettings(other.path());
    QVERIFY(unreadable.lines.isEmpty());
    QVERIFY(unreadable.protection.isProtected());
    QCOMPARE(unreadable.protection.startMessage,
             u"Die Datei „NwConfig.dat“ konnte nicht gelesen werden:\nDas ist ein Ordner, keine Datei\n"
             "Sie wird bis zum Programmende nicht überschrieben."_s);
}

void TestSettings::findSetting_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("exact name") << QStringList{u"x=1"_s, u"agroup=4"_s} << 1 << u"4"_s;
    QTest::newRow("capitals") << QStringList{u"AGroup=5"_s} << 0 << u"5"_s;
    QTest::newRow("first of two") << QStringList{u"agroup=6"_s, u"agroup=2"_s} << 0 << u"6"_s;
    QTest::newRow("value keeps further '='") << QStringList{u"agroup=1=2"_s} << 0 << u"1=2"_s;
    QTest::newRow("empty value") << QStringList{u"agroup="_s} << 0 << QString();
    QTest::newRow("line without '='") << QStringList{u"agroup"_s} << -1 << QString();
    QTest::newRow("longer name") << QStringList{u"agroups=1"_s} << -1 << QString();
    QTest::newRow("empty list") << QStringList() << -1 << QString();
}

void TestSettings::findSetting()
{
    QFETCH(QStringList, lines);
    QFETCH(int, line);
    QFETCH(QString, value);
    SettingsList settings;
    settings.lines = lines;
    QCOMPARE(FindSetting(settings, u"agroup"_s), line);
    QCOMPARE(SettingValue(settings, line), value);
}

void TestSettings::storeAgeGroup_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no file yet") << QStringList() << 3 << QByteArray("agroup=3\r\n");
    QTest::newRow("other line kept, new line appended")
        << QStringList{u"fenster=links"_s} << 7 << QByteArray("fenster=links\r\nagroup=7\r\n");
    QTest::newRow("value replaced in place, name case kept")
        << QStringList{u"# Kostbilanz"_s, u"AGROUP=5"_s, u"zoom=2"_s} << 9
        << QByteArray("# Kostbilanz\r\nAGROUP=9\r\nzoom=2\r\n");
    QTest::newRow("only the first of two is rewritten")
        << QStringList{u"agroup=6"_s, u"agroup=2"_s} << 0 << QByteArray("agroup=0\r\nagroup=2\r\n");
    QTest::newRow("blank lines and umlauts carried along") << QStringList{QString(), u"Größe=1"_s} << 4
                                                           << QByteArray("\r\nGr\xF6\xDF"
                                                                         "e=1\r\nagroup=4\r\n");
}

void TestSettings::storeAgeGroup()
{
    QFETCH(QStringList, before);
    QFETCH(int, row);
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    SettingsList settings;
    settings.lines = before;
    const WriteResult result = StoreAgeGroup(settings, row, dir.path());
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(ReadBytes(dir.filePath(u"NwConfig.dat"_s)), file);
    QCOMPARE(LoadSettings(dir.path()).lines, settings.lines);
}

void TestSettings::storeKeepsEncoding()
{
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(u"NwConfig.dat"_s), "\xEF\xBB\xBFnotiz=\xC3\xA4\r\n"));
    SettingsList settings = LoadSettings(dir.path());
    QVERIFY(StoreAgeGroup(settings, 2, dir.path()).ok);
    QCOMPARE(ReadBytes(dir.filePath(u"NwConfig.dat"_s)),
             QByteArray("\xEF\xBB\xBFnotiz=\xC3\xA4\r\nagroup=2\r\n"));
}

void TestSettings::protectedFileIsNeverWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"NwConfig.dat"_s));
    SettingsList settings = LoadSettings(dir.path());
    // Whatever the file holds by the time of the store, it is left as it is.
    QVERIFY(QDir(dir.path()).rmdir(u"NwConfig.dat"_s));
    const QByteArray bytes("agroup=1\r\nfarbe=blau");
    QVERIFY(WriteBytes(path, bytes));

    const WriteResult result = StoreAgeGroup(settings, 5, dir.path());
    QVERIFY(!result.ok);
    QVERIFY(result.refused());
    QCOMPARE(result.path, path);
    QCOMPARE(result.message(),
             u"Die Datei „NwConfig.dat“ konnte beim Start nicht gelesen werden und wird nicht überschrieben."_s);
    QCOMPARE(ReadBytes(path), bytes);
    QCOMPARE(settings.lines, QStringList{u"agroup=5"_s});
}

void TestSettings::failedStoreReportsAndKeepsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"NwConfig.dat"_s));
    SettingsList settings;
    const WriteResult result = StoreAgeGroup(settings, 5, dir.path());
    QVERIFY(!result.ok);
    QCOMPARE(result.path, path);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(settings.lines, QStringList{u"agroup=5"_s});
}

void TestSettings::rememberedFolders_data()
{
    QTest::addColumn<QByteArray>("before"); // the file before; empty: none
    QTest::addColumn<QString>("mealFolder");
    QTest::addColumn<QString>("reportFolder");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no file yet: both appended in the order stored")
        << QByteArray() << u"/home/anna/Dokumente/Kostbilanz"_s << u"/home/anna/Berichte"_s
        << QByteArray("mahlzeitordner=/home/anna/Dokumente/Kostbilanz\r\nberichtordner=/home/anna/Berichte\r\n");
    QTest::newRow("only agroup: read as before, keys added after it")
        << QByteArray("agroup=4\r\n") << u"/m"_s << u"/b"_s
        << QByteArray("agroup=4\r\nmahlzeitordner=/m\r\nberichtordner=/b\r\n");
    QTest::newRow("known keys replaced in place, unknown keys kept in order")
        << QByteArray("zoom=2\r\nBerichtOrdner=/alt\r\n# notiz\r\nagroup=1\r\nmahlzeitordner=/alt2\r\nx=y\r\n")
        << u"/neu/m"_s << u"/neu/b"_s
        << QByteArray("zoom=2\r\nBerichtOrdner=/neu/b\r\n# notiz\r\nagroup=1\r\nmahlzeitordner=/neu/m\r\nx=y\r\n");
    QTest::newRow("folder with '=' and umlauts, Windows-1252")
        << QByteArray("agroup=2\r\n") << u"/home/jörg/a=b"_s << u"C:\\Berichte"_s
        << QByteArray("agroup=2\r\nmahlzeitordner=/home/j\xF6rg/a=b\r\nberichtordner=C:\\Berichte\r\n");
    QTest::newRow("folder beyond Windows-1252: UTF-8 with its mark")
        << QByteArray("agroup=2\r\n") << u"/home/\u0141ukasz"_s << u"/b"_s
        << QByteArray("\xEF\xBB\xBF"
                      "agroup=2\r\nmahlzeitordner=/home/\xC5\x81ukasz\r\nberichtordner=/b\r\n");
    QTest::newRow("an empty folder keeps the one before")
        << QByteArray("mahlzeitordner=/m\r\n") << QString() << u"/b"_s
        << QByteArray("mahlzeitordner=/m\r\nberichtordner=/b\r\n");
}

void TestSettings::rememberedFolders()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, mealFolder);
    QFETCH(QString, reportFolder);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    if (!before.isEmpty())
        QVERIFY(WriteBytes(path, before));
    SettingsList settings = LoadSettings(dir.path());
    const int ageGroupLine = FindSetting(settings, u"agroup"_s);

    QVERIFY(StoreRememberedFolder(settings, MealFolderSetting, mealFolder, dir.path()).ok);
    QVERIFY(StoreRememberedFolder(settings, ReportFolderSetting, reportFolder, dir.path()).ok);
    QCOMPARE(ReadBytes(path), after);

    // Read back as the next start reads them; the age group stays where it was.
    const SettingsList again = LoadSettings(dir.path());
    QCOMPARE(RememberedFolder(again, MealFolderSetting),
             mealFolder.isEmpty() ? RememberedFolder(settings, MealFolderSetting) : mealFolder);
    QCOMPARE(RememberedFolder(again, ReportFolderSetting), reportFolder);
    QCOMPARE(FindSetting(again, u"agroup"_s), ageGroupLine);

    // Storing the age group afterwards leaves the folders as they are.
    SettingsList third = again;
    QVERIFY(StoreAgeGroup(third, 5, dir.path()).ok);
    QCOMPARE(RememberedFolder(LoadSettings(dir.path()), ReportFolderSetting), reportFolder);
}

void TestSettings::folderWithLineBreakIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NwConfig.dat"_s);
    const QByteArray bytes("agroup=3\r\n");
    QVERIFY(WriteBytes(path, bytes));
    SettingsList settings = LoadSettings(dir.path());
    const WriteResult result =
        StoreRememberedFolder(settings, ReportFolderSetting, u"/tmp/a\nagroup=9"_s, dir.path());
    QVERIFY(result.refused());
    QCOMPARE(ReadBytes(path), bytes);
    QCOMPARE(settings.lines, QStringList{u"agroup=3"_s});
    QVERIFY(RememberedFolder(settings, ReportFolderSetting).isEmpty());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
