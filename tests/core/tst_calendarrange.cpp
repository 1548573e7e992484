#include "calendarrange.h"

#include <QTest>

class TestCalendarRange : public QObject
{
    Q_OBJECT

private slots:
    void ranges_data();
    void ranges();
    void invalidDate();
};

void TestCalendarRange::ranges_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("monday");
    QTest::addColumn<QDate>("sunday");
    QTest::addColumn<QDate>("monthFirst");
    QTest::addColumn<QDate>("monthLast");
    QTest::newRow("a Thursday") << QDate(2026, 12, 10) << QDate(2026, 12, 7) << QDate(2026, 12, 13)
                                << QDate(2026, 12, 1) << QDate(2026, 12, 31);
    QTest::newRow("a Monday is its week's first day")
        << QDate(2026, 12, 7) << QDate(2026, 12, 7) << QDate(2026, 12, 13) << QDate(2026, 12, 1)
        << QDate(2026, 12, 31);
    QTest::newRow("a Sunday is its week's last day")
        << QDate(2026, 12, 13) << QDate(2026, 12, 7) << QDate(2026, 12, 13) << QDate(2026, 12, 1)
        << QDate(2026, 12, 31);
    QTest::newRow("the week across the year's end")
        << QDate(2027, 1, 1) << QDate(2026, 12, 28) << QDate(2027, 1, 3) << QDate(2027, 1, 1)
        << QDate(2027, 1, 31);
    QTest::newRow("February of a leap year") << QDate(2028, 2, 29) << QDate(2028, 2, 28) << QDate(2028, 3, 5)
                                             << QDate(2028, 2, 1) << QDate(2028, 2, 29);
    QTest::newRow("February of a common year") << QDate(2026, 2, 14) << QDate(2026, 2, 9) << QDate(2026, 2, 15)
                                               << QDate(2026, 2, 1) << QDate(2026, 2, 28);
    QTest::newRow("April has 30 days, the week crosses into May")
        << QDate(2026, 4, 30) << QDate(2026, 4, 27) << QDate(2026, 5, 3) << QDate(2026, 4, 1)
        << QDate(2026, 4, 30);
}

void TestCalendarRange::ranges()
{
    QFETCH(QDate, date);
    QFETCH(QDate, monday);
    QFETCH(QDate, sunday);
    QFETCH(QDate, monthFirst);
    QFETCH(QDate, monthLast);
    const DateRange week = WeekContaining(date);
    QCOMPARE(week.first, monday);
    QCOMPARE(week.last, sunday);
    QCOMPARE(week.first.dayOfWeek(), 1);
    QVERIFY(week.isValid());
    const DateRange month = MonthContaining(date);
    QCOMPARE(month.first, monthFirst);
    QCOMPARE(month.last, monthLast);
}

void TestCalendarRange::invalidDate()
{
    QVERIFY(!WeekContaining(QDate()).isValid());
    QVERIFY(!MonthContaining(QDate()).isValid());
    QVERIFY(!MonthContaining(QDate(2026, 2, 30)).isValid());
}

QTEST_GUILESS_MAIN(TestCalendarRange)
#include "tst_calendarrange.moc"
