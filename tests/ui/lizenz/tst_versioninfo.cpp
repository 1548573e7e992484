#include "versioninfo.h"

#include <QCoreApplication>
#include <QTest>

namespace {

const QString GermanFileVersionKey = QStringLiteral("\\StringFileInfo\\040704E4\\FileVersion");

QString ExistingFile()
{
    return QCoreApplication::applicationFilePath();
}

} // namespace

class TestVersionInfo : public QObject
{
    Q_OBJECT

private slots:
    void programVersionInfo();
    void lookUp_data();
    void lookUp();
    void keepsPreviousText_data();
    void keepsPreviousText();
};

void TestVersionInfo::programVersionInfo()
{
    const VersionInfo info = VersionInfo::programVersionInfo();
    QCOMPARE(info.translations().size(), 1);
    QCOMPARE(info.translations().constFirst().language, quint16(0x0407));
    QCOMPARE(info.translations().constFirst().codePage, quint16(0x04E4));
    QCOMPARE(VersionInfo::stringKey(info.translations().constFirst(), QStringLiteral("FileVersion")),
             GermanFileVersionKey);
    QCOMPARE(LookUpFileVersion(ExistingFile(), info, QString()), QStringLiteral("25.12.0.0"));
}

void TestVersionInfo::lookUp_data()
{
    QTest::addColumn<QList<quint32>>("translations"); // language << 16 | code page, in order
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    const QList<quint32> german{0x040704E4};
    QTest::newRow("short version as stored") << german << GermanFileVersionKey << "1.0"
                                             << "1.0";
    QTest::newRow("exactly ten characters") << german << GermanFileVersionKey << "25.12.0.00"
                                            << "25.12.0.00";
    QTest::newRow("longer version cut to ten") << german << GermanFileVersionKey << "25.12.0.0-beta"
                                               << "25.12.0.0-";
    QTest::newRow("empty version string") << german << GermanFileVersionKey << ""
                                          << "";
    QTest::newRow("no file version entry") << german << "\\StringFileInfo\\040704E4\\ProductVersion"
                                           << "25.12"
                                           << "-- n.Vers.";
    QTest::newRow("key with lower-case hex is not the key")
        << QList<quint32>{0x040C04B0} << "\\StringFileInfo\\040c04b0\\FileVersion"
        << "3.1"
        << "-- n.Vers.";
    QTest::newRow("hex digits in upper case")
        << QList<quint32>{0x040C04B0} << "\\StringFileInfo\\040C04B0\\FileVersion"
        << "3.1"
        << "3.1";
    QTest::newRow("only the first translation counts")
        << QList<quint32>{0x040904B0, 0x040704E4} << GermanFileVersionKey << "9.9"
        << "-- n.Vers.";
    QTest::newRow("strings but no translation") << QList<quint32>{} << GermanFileVersionKey << "9.9"
                                                << "-- n.Vers.";
}

void TestVersionInfo::lookUp()
{
    QFETCH(QList<quint32>, translations);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    VersionInfo block;
    for (quint32 pair : translations)
        block.addTranslation(quint16(pair >> 16), quint16(pair & 0xFFFF));
    block.setString(key, value);
    QCOMPARE(LookUpFileVersion(ExistingFile(), block, QStringLiteral("previous")), expected);
}

void TestVersionInfo::keepsPreviousText_data()
{
    QTest::addColumn<QString>("programFile");
    QTest::addColumn<bool>("emptyBlock");

    QTest::newRow("program file missing") << QStringLiteral("/nonexistent/kostbilanz") << false;
    QTest::newRow("no version information") << ExistingFile() << true;
}

void TestVersionInfo::keepsPreviousText()
{
    QFETCH(QString, programFile);
    QFETCH(bool, emptyBlock);

    const VersionInfo block = emptyBlock ? VersionInfo() : VersionInfo::programVersionInfo();
    QCOMPARE(LookUpFileVersion(programFile, block, QStringLiteral("1.2.3.4")), QStringLiteral("1.2.3.4"));
    QCOMPARE(LookUpFileVersion(programFile, block, QString()), QString());
}

QTEST_GUILESS_MAIN(TestVersionInfo)
#include "tst_versioninfo.moc"
