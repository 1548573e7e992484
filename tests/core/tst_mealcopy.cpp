#include "diary.h"
#include "foodindex.h"
#include "foodlines.h"
#include "mealcopy.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

MealEntry Entry(const QString &id)
{
    MealEntry entry;
    entry.name = u" Food "_s + id;
    entry.dbCode = u"1"_s;
    entry.id = id;
    entry.amount = u"100,0"_s;
    entry.values = QStringList(NutrientCount, u"1,0"_s);
    return entry;
}

QList<MealEntry> Entries(const QString &prefix, int count)
{
    QList<MealEntry> entries;
    for (int i = 1; i <= count; ++i)
        entries.append(Entry(prefix + QString::number(i)));
    return entries;
}

QStringList Ids(const QList<MealEntry> &entries)
{
    QStringList ids;
    for (const MealEntry &entry : entries)
        ids.append(entry.id);
    return ids;
}

// Apfel (52 kcal per 100 g) and Vollmilch (65).
FoodIndex TestIndex()
{
    const QStringList swiss{u"Schweizer Nährwertdatenbank"_s, QString(), QString(),
                            SwissFoodLine(u"1001"_s, u"Apfel, roh"_s, {u"52"_s}),
                            SwissFoodLine(u"1002"_s, u"Vollmilch"_s, {u"65"_s})};
    return BuildFoodIndex(swiss, {u"Zusätzliche Lebensmittel"_s, QString()});
}

} // namespace

class TestMealCopy : public QObject
{
    Q_OBJECT

private slots:
    void append_data();
    void append();
    void appendToNoMeal();
    void copyFromTheDiary_data();
    void copyFromTheDiary();
    void yesterdayIsTheSameMealOfTheDayBefore();
};

void TestMealCopy::append_data()
{
    QTest::addColumn<int>("before");  // entries in the target meal
    QTest::addColumn<int>("offered"); // entries to copy
    QTest::addColumn<int>("copied");
    QTest::addColumn<QString>("message");
    const QString full = u"Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!"_s;
    QTest::newRow("into an empty meal") << 0 << 3 << 3 << QString();
    QTest::newRow("a whole meal of twelve") << 0 << 12 << 12 << QString();
    QTest::newRow("exactly filling the meal") << 10 << 2 << 2 << QString();
    QTest::newRow("one left out") << 11 << 2 << 1 << full + u" 1 von 2 Lebensmitteln wurde nicht übernommen."_s;
    QTest::newRow("three left out") << 10 << 5 << 2 << full + u" 3 von 5 Lebensmitteln wurden nicht übernommen."_s;
    QTest::newRow("a full meal takes nothing") << 12 << 1 << 0 << full;
    QTest::newRow("nothing to copy") << 4 << 0 << 0 << u"Die gewählte Mahlzeit enthält keine Lebensmittel."_s;
}

void TestMealCopy::append()
{
    QFETCH(int, before);
    QFETCH(int, offered);
    QFETCH(int, copied);
    QFETCH(QString, message);
    MealPlan plan;
    for (const MealEntry &entry : Entries(u"t"_s, before))
        plan.append(3, entry);
    plan.append(4, Entry(u"other"_s));
    plan.setActiveMeal(5);

    const MealCopyResult result = AppendMealEntries(plan, 3, Entries(u"s"_s, offered));
    QCOMPARE(result.copied, copied);
    QCOMPARE(result.leftOut, offered - copied);
    QCOMPARE(result.message, message);
    // Appended in their order after the meal's own; nothing else of the plan changes.
    QCOMPARE(Ids(result.plan.meal(3)), Ids(Entries(u"t"_s, before) + Entries(u"s"_s, copied)));
    QCOMPARE(Ids(result.plan.meal(4)), QStringList{u"other"_s});
    QCOMPARE(result.plan.activeMeal(), 5);
    QCOMPARE(result.plan.changed(), copied > 0);
    QVERIFY(result.plan.entryCount(3) <= MaxEntriesPerMeal);
    // The plan given stays as it was: it is the caller's undo step.
    QCOMPARE(plan.entryCount(3), before);
}

void TestMealCopy::appendToNoMeal()
{
    MealPlan plan;
    for (const int meal : {0, 7, -1}) {
        const MealCopyResult result = AppendMealEntries(plan, meal, Entries(u"s"_s, 2));
        QCOMPARE(result.copied, 0);
        QVERIFY(result.plan.allEmpty());
        QVERIFY(!result.plan.changed());
    }
}

void TestMealCopy::copyFromTheDiary_data()
{
    QTest::addColumn<QByteArray>("file"); // the diary day 2026-12-10; empty: no file
    QTest::addColumn<int>("sourceMeal");
    QTest::addColumn<QStringList>("entries"); // meal 2 after the copy, "id;amount;energy"
    QTest::addColumn<QString>("message");
    const QByteArray day("VNR=Mz251026\r\nMahlzeit1=1;1001;150;\r\nMahlzeit2=1;1002;200;\r\n"
                         "Mahlzeit2=1;1001;50;\r\n");
    QTest::newRow("a meal of two, its values from today's list")
        << day << 2 << QStringList{u"1001;10,0;5,2"_s, u"1002;200,0;130,0"_s, u"1001;50,0;26,0"_s} << QString();
    QTest::newRow("another meal into this one")
        << day << 1 << QStringList{u"1001;10,0;5,2"_s, u"1001;150,0;78,0"_s} << QString();
    QTest::newRow("an empty meal")
        << day << 5 << QStringList{u"1001;10,0;5,2"_s} << u"Am 10.12.2026 ist in Mahlzeit 5 nichts eingetragen."_s;
    QTest::newRow("no file for the day")
        << QByteArray() << 2 << QStringList{u"1001;10,0;5,2"_s}
        << u"Am 10.12.2026 ist in Mahlzeit 2 nichts eingetragen."_s;
    QTest::newRow("a food no longer in the list is left out")
        << QByteArray("VNR=Mz251026\r\nMahlzeit2=2;30999;100;\r\nMahlzeit2=1;1002;100;\r\n") << 2
        << QStringList{u"1001;10,0;5,2"_s, u"1002;100,0;65,0"_s} << QString();
}

void TestMealCopy::copyFromTheDiary()
{
    QFETCH(QByteArray, file);
    QFETCH(int, sourceMeal);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    QTemporaryDir diary;
    const QDate date(2026, 12, 10);
    if (!file.isEmpty())
        QVERIFY(WriteBytes(diary.filePath(u"2026-12-10.txt"_s), file));
    const FoodIndex index = TestIndex();
    MealPlan plan;
    MealEntry apple = Entry(u"1001"_s);
    apple.amount = u"10,0"_s;
    apple.values[0] = u"5,2"_s;
    plan.append(2, apple);

    const MealCopyResult result = CopyDiaryMeal(plan, 2, diary.path(), date, sourceMeal, index);
    QCOMPARE(result.message, message);
    QStringList texts;
    for (const MealEntry &entry : result.plan.meal(2))
        texts.append(QStringList{entry.id, entry.amount, entry.values.value(0)}.join(u';'));
    QCOMPARE(texts, entries);
}

void TestMealCopy::yesterdayIsTheSameMealOfTheDayBefore()
{
    QTemporaryDir diary;
    QVERIFY(WriteBytes(DiaryFilePath(diary.path(), QDate(2026, 2, 28)),
                       "VNR=Mz251026\r\nMahlzeit3=1;1002;250;\r\nMahlzeit4=1;1001;100;\r\n"));
    // A meal file that is none is refused as the reader refuses it.
    QVERIFY(WriteBytes(DiaryFilePath(diary.path(), QDate(2026, 2, 27)), "kein Mahlzeitplan\r\n"));
    const FoodIndex index = TestIndex();
    MealPlan plan;
    plan.setActiveMeal(3);

    const MealCopyResult copied = CopyYesterdaysMeal(plan, diary.path(), QDate(2026, 3, 1), index);
    QVERIFY2(copied.message.isEmpty(), qPrintable(copied.message));
    QCOMPARE(Ids(copied.plan.meal(3)), QStringList{u"1002"_s});
    QCOMPARE(copied.plan.entryCount(4), 0);

    const MealCopyResult refused = CopyYesterdaysMeal(plan, diary.path(), QDate(2026, 2, 28), index);
    QVERIFY(!refused.message.isEmpty());
    QCOMPARE(refused.copied, 0);
    QVERIFY(refused.plan.allEmpty());
}

QTEST_GUILESS_MAIN(TestMealCopy)
#include "tst_mealcopy.moc"
