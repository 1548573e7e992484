#include "foodiddraw.h"
#include "shortrandom.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestFoodIdDraw : public QObject
{
    Q_OBJECT

private slots:
    void theGeneratorIsTheClassicOne()
    {
        ShortRandom random(1);
        const QList<int> drawn = {random.next(), random.next(), random.next(), random.next()};
        QCOMPARE(drawn, (QList<int>{41, 18467, 6334, 26500}));
    }

    void drawsPastTakenIdsUntilNoneIsFree()
    {
        // Seeded with the time in seconds: one second after the epoch draws 41, then 18467.
        const QDateTime second = QDateTime::fromSecsSinceEpoch(1);
        QCOMPARE(DrawOwnFoodId({}, second), u"30041"_s);
        QCOMPARE(DrawOwnFoodId({u"30041"_s}, second), u"30449"_s); // 18467 mod 1001 = 449

        QSet<QString> taken;
        for (int id = 30000; id <= 31000; ++id)
            taken.insert(QString::number(id));
        QCOMPARE(DrawOwnFoodId(taken, second), QString());
    }
};

QTEST_GUILESS_MAIN(TestFoodIdDraw)
#include "tst_foodiddraw.moc"
