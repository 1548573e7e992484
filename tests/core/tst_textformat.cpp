#include "appinfo.h"
#include "textformat.h"

#include <QtTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestTextFormat : public QObject
{
    Q_OBJECT

private slots:
    void fitLeftAndRight_data();
    void fitLeftAndRight();
    void twoDigits_data();
    void twoDigits();
    void shortDate_data();
    void shortDate();
    void fileNamePart_data();
    void fileNamePart();
    void buildStamp_data();
    void buildStamp();
};

void TestTextFormat::fitLeftAndRight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("padded") << u"Apfel"_s << 8 << u"Apfel   "_s << u"   Apfel"_s;
    QTest::newRow("cut to its first characters") << u"Apfelstrudel"_s << 8 << u"Apfelstr"_s << u"Apfelstr"_s;
    QTest::newRow("exact width") << u"57,9"_s << 4 << u"57,9"_s << u"57,9"_s;
    QTest::newRow("empty text") << QString() << 3 << u"   "_s << u"   "_s;
    QTest::newRow("zero width") << u"x"_s << 0 << QString() << QString();
    QTest::newRow("negative width") << u"x"_s << -2 << QString() << QString();
}

void TestTextFormat::fitLeftAndRight()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QCOMPARE(FitLeft(text, width), left);
    QCOMPARE(FitRight(text, width), right);
}

void TestTextFormat::twoDigits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit") << 5 << u"05"_s;
    QTest::newRow("zero") << 0 << u"00"_s;
    QTest::newRow("two digits") << 26 << u"26"_s;
    QTest::newRow("four digits stay") << 2025 << u"2025"_s;
    QTest::newRow("negative") << -5 << u"-05"_s;
    QTest::newRow("int minimum") << std::numeric_limits<int>::min() << u"-2147483648"_s;
}

void TestTextFormat::twoDigits()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(TwoDigits(value), text);
}

void TestTextFormat::shortDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("ordinary") << QDate(2025, 10, 26) << u"26.10.25"_s;
    QTest::newRow("single digits padded") << QDate(2026, 1, 2) << u"02.01.26"_s;
    QTest::newRow("year 2000") << QDate(2000, 12, 31) << u"31.12.00"_s;
}

void TestTextFormat::shortDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(ShortDate(date), text);
}

void TestTextFormat::fileNamePart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("slashes") << u"/home/a/Mahlzeiten.txt"_s << u"Mahlzeiten.txt"_s;
    QTest::newRow("backslashes") << u"C:\\Daten\\Plan.txt"_s << u"Plan.txt"_s;
    QTest::newRow("drive only") << u"C:Plan.txt"_s << u"Plan.txt"_s;
    QTest::newRow("bare name") << u"Plan.txt"_s << u"Plan.txt"_s;
    QTest::newRow("ends in separator") << u"/home/a/"_s << QString();
}

void TestTextFormat::fileNamePart()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(FileNamePart(path), name);
}

void TestTextFormat::buildStamp_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("compiler texts") << u"Dec 10 2025"_s << u"17:53:49"_s
                                    << u"Kostbilanz 25.12 10.12.2025 17:53:49 "_s;
    QTest::newRow("day padded with a blank")
        << u"Mar  5 2026"_s << u"08:04:03"_s << u"Kostbilanz 25.12 05.03.2026 08:04:03 "_s;
    QTest::newRow("unknown month") << u"Xyz 10 2025"_s << u"17:53:49"_s
                                   << u"Kostbilanz 25.12 10.00.2025 17:53:49 "_s;
}

void TestTextFormat::buildStamp()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, stamp);
    QCOMPARE(AppTitle(), u"Kostbilanz 25.12"_s);
    QCOMPARE(BuildStamp(AppTitle(), date, time), stamp);
}

QTEST_GUILESS_MAIN(TestTextFormat)
#include "tst_textformat.moc"
