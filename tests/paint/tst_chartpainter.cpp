#include "chartpainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QTest>

// The line's text "100 %" must never cover a value text, and stays clear of the bars where the
// chart leaves room: a fixed place at the right end ran into the value text of a last bar just
// over the line.
class TestChartPainter : public QObject
{
    Q_OBJECT

private slots:
    void referenceTextKeepsClearOfTheBars_data();
    void referenceTextKeepsClearOfTheBars();
};

namespace {

ChartData PercentChart(const QList<double> &values)
{
    ChartData data;
    data.title = QStringLiteral("Tagesmengen in Prozent des Tagesbedarfs");
    data.referenceLine = 100;
    data.referenceText = QStringLiteral("100 %");
    for (int i = 0; i < values.size(); ++i) {
        ChartBar bar;
        bar.caption = QStringLiteral("N%1").arg(i);
        bar.value = values.at(i);
        bar.valueText = QStringLiteral("%1 %").arg(values.at(i), 0, 'f', 1);
        // The limits' marks, as the day chart has them for sugar, fat, saturated fat and salt.
        if (i == 2 || i == 3 || i == 4 || i == 6)
            bar.marks = {110, 140};
        data.bars.append(bar);
    }
    return data;
}

} // namespace

void TestChartPainter::referenceTextKeepsClearOfTheBars_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("roomBesideTheBars"); // else the text may stand on white over a bar

    const QList<double> day{346, 3, 0, 442, 541, 1990, 83, 387, 310, 22, 4848, 526, 140};
    const QRect paper(0, 0, 1090, 420);
    const QRect smallWindow(0, 0, 700, 300);
    QTest::newRow("day on paper, last bar just over the line") << day << paper << true;
    QTest::newRow("day in a small window") << day << smallWindow << false;
    QTest::newRow("every bar just under the line") << QList<double>(13, 96.0) << paper << true;
    QTest::newRow("every bar far over the line") << QList<double>(13, 900.0) << paper << false;
    QTest::newRow("two bars") << QList<double>{101, 99} << smallWindow << true;
}

void TestChartPainter::referenceTextKeepsClearOfTheBars()
{
    QFETCH(QList<double>, values);
    QFETCH(QRect, area);
    QFETCH(bool, roomBesideTheBars);

    const ChartData data = PercentChart(values);
    QFont font;
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const QRect text = ChartReferenceTextRect(area, font, data);
    QVERIFY(area.contains(text));
    QVERIFY(text.width() > metrics.horizontalAdvance(data.referenceText));
    for (int i = 0; i < data.bars.size(); ++i) {
        const QRect bar = ChartBarRect(area, font, data, i);
        if (roomBesideTheBars)
            QVERIFY2(!bar.intersects(text), qPrintable(QStringLiteral("bar %1").arg(i)));
        // The value text stands centred over the bar, one line high.
        const int width = metrics.horizontalAdvance(data.bars.at(i).valueText);
        const QRect valueText(bar.center().x() - width / 2 - 1, bar.top() - metrics.height() - 2, width + 2,
                              metrics.height());
        QVERIFY2(!valueText.intersects(text), qPrintable(QStringLiteral("value text of bar %1").arg(i)));
    }
}

QTEST_MAIN(TestChartPainter)
#include "tst_chartpainter.moc"
