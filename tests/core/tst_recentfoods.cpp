#include "diary.h"
#include "foodindex.h"
#include "foodlines.h"
#include "recentfoods.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 12, 11);

// Foods 101..130 ("Essen 101" ...) in the Swiss part, and own foods 30001 and "ab" by the
// piece; the sorted list orders them by 'id=name' as text.
const FoodIndex &Index()
{
    static const FoodIndex index = [] {
        QStringList swiss{u"Schweizer Nährwertdatenbank"_s, QString(), QString()};
        for (int id = 101; id <= 130; ++id)
            swiss.append(SwissFoodLine(QString::number(id), u"Essen "_s + QString::number(id), {u"10"_s}));
        const QStringList own{u"Zusätzliche Lebensmittel"_s, QString(), u"30001;Müsli;1;1;1;1;1;1;1;1;1;1;1;1;1;"_s,
                              u"ab;Brei;100;1;1;1;1;1;1;1;1;1;1;1;1;"_s};
        return BuildFoodIndex(swiss, own);
    }();
    return index;
}

// "-3:101,102" is the day three days before Today with those entries.
QList<DiaryDayFoods> Days(const QStringList &texts)
{
    QList<DiaryDayFoods> days;
    for (const QString &text : texts) {
        const qsizetype colon = text.indexOf(u':');
        const QString ids = text.mid(colon + 1);
        days.append({Today.addDays(text.left(colon).toInt()), ids.isEmpty() ? QStringList() : ids.split(u',')});
    }
    return days;
}

QStringList Ids(const QList<int> &positions)
{
    QStringList ids;
    for (const int position : positions)
        ids.append(Index().sortedId(position));
    return ids;
}

} // namespace

class TestRecentFoods : public QObject
{
    Q_OBJECT

private slots:
    void rank_data();
    void rank();
    void atMostTwenty();
    void readsOnlyTheLastThirtyDays();
};

void TestRecentFoods::rank_data()
{
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("no days") << QStringList() << QStringList();
    QTest::newRow("most often eaten first, every entry counts")
        << QStringList{u"0:101,102"_s, u"-1:102"_s, u"-2:103,103,103"_s} << QStringList{u"103"_s, u"102"_s, u"101"_s};
    QTest::newRow("as often: the later day first")
        << QStringList{u"-5:101"_s, u"-1:104"_s, u"-3:102"_s} << QStringList{u"104"_s, u"102"_s, u"101"_s};
    QTest::newRow("as often on the same day: list order, not file order")
        << QStringList{u"0:110,30001,105"_s} << QStringList{u"105"_s, u"110"_s, u"30001"_s};
    QTest::newRow("the day 29 days back counts, 30 back and later days do not")
        << QStringList{u"-29:101"_s, u"-30:102,102"_s, u"1:103,103"_s, u"-400:104"_s} << QStringList{u"101"_s};
    QTest::newRow("days in any order")
        << QStringList{u"-1:106"_s, u"0:107"_s, u"-2:106"_s} << QStringList{u"106"_s, u"107"_s};
    QTest::newRow("ids unknown to the list are left out, case does not matter")
        << QStringList{u"0:999,0,AB,ab,101"_s} << QStringList{u"ab"_s, u"101"_s};
    QTest::newRow("an empty day") << QStringList{u"0:"_s} << QStringList();
}

void TestRecentFoods::rank()
{
    QFETCH(QStringList, days);
    QFETCH(QStringList, ids);
    QCOMPARE(Ids(RankRecentFoods(Days(days), Today, Index())), ids);
}

void TestRecentFoods::atMostTwenty()
{
    // Foods 101..125 eaten 1..25 times on one day: the twenty most eaten, 125 first.
    QStringList eaten;
    for (int id = 101; id <= 125; ++id) {
        for (int times = 0; times < id - 100; ++times)
            eaten.append(QString::number(id));
    }
    const QStringList ids = Ids(RankRecentFoods({{Today, eaten}}, Today, Index()));
    QCOMPARE(ids.size(), MostRecentFoods);
    QCOMPARE(ids.first(), u"125"_s);
    QCOMPARE(ids.last(), u"106"_s);
}

void TestRecentFoods::readsOnlyTheLastThirtyDays()
{
    QTemporaryDir diary;
    auto write = [&](int daysBack, const QByteArray &bytes) {
        return WriteBytes(DiaryFilePath(diary.path(), Today.addDays(-daysBack)), bytes);
    };
    QVERIFY(write(0, "VNR=Mz251026\r\nMahlzeit1=1;0101;100;\r\nSitzung=1;102;1;\r\nMahlzeit3=1;103;50;\r\n"));
    QVERIFY(write(29, "VNR=Mz251026\r\nMahlzeit2=1;103;100;\r\n"));
    QVERIFY(write(30, "VNR=Mz251026\r\nMahlzeit2=1;104;100;\r\nMahlzeit2=1;104;100;\r\n"));
    QVERIFY(write(3, "kein Mahlzeitplan\r\nMahlzeit1=1;105;100;\r\n"));
    // Something that is no file, under a date's name, is passed over.
    QVERIFY(QDir(diary.path()).mkdir(DiaryFileName(Today.addDays(-4))));

    const QList<DiaryDayFoods> days = ReadRecentDiaryDays(diary.path(), Today);
    QCOMPARE(days.size(), 2);
    QCOMPARE(days.at(0).date, Today);
    QCOMPARE(days.at(0).ids, (QStringList{u"101"_s, u"103"_s}));
    QCOMPARE(days.at(1).date, Today.addDays(-29));

    QCOMPARE(Ids(RecentFoodsOfDiary(diary.path(), Today, Index())), (QStringList{u"103"_s, u"101"_s}));
    QVERIFY(RecentFoodsOfDiary(diary.path() + u"/fehlt"_s, Today, Index()).isEmpty());
    QVERIFY(ReadRecentDiaryDays(diary.path(), QDate()).isEmpty());
}

QTEST_GUILESS_MAIN(TestRecentFoods)
#include "tst_recentfoods.moc"
