#include "listcompare.h"

#include <QStringList>
#include <QTest>

#include <algorithm>

namespace {

QStringList Sorted(QStringList cells, int column, bool descending)
{
    std::stable_sort(cells.begin(), cells.end(), [&](const QString &a, const QString &b) {
        return CompareListCells(a, b, column, descending) < 0;
    });
    return cells;
}

} // namespace

class TestListCompare : public QObject
{
    Q_OBJECT

private slots:
    void energyColumnOrder();
    void comparesText_data();
    void comparesText();
    void comparesCells_data();
    void comparesCells();
    void sortRowOrderKeepsTheCellRule_data();
    void sortRowOrderKeepsTheCellRule();
};

void TestListCompare::energyColumnOrder()
{
    const QStringList energy{QStringLiteral("52"), QStringLiteral("k.A."), QStringLiteral("9,5"),
                             QStringLiteral("250")};
    // The first click sorts descending, the second ascending; "k.A." stays last both times.
    QCOMPARE(Sorted(energy, 4, true), (QStringList{QStringLiteral("250"), QStringLiteral("52"),
                                                   QStringLiteral("9,5"), QStringLiteral("k.A.")}));
    QCOMPARE(Sorted(energy, 4, false), (QStringList{QStringLiteral("9,5"), QStringLiteral("52"),
                                                    QStringLiteral("250"), QStringLiteral("k.A.")}));
}

void TestListCompare::comparesText_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");

    QTest::newRow("equal") << "Apfel"
                           << "Apfel" << 0;
    QTest::newRow("case of a-z ignored") << "apfel, ROH"
                                         << "APFEL, roh" << 0;
    QTest::newRow("umlaut case not folded") << QStringLiteral("äpfel") << QStringLiteral("Äpfel") << 1;
    QTest::newRow("Ä after Z") << QStringLiteral("Äpfel") << "Zwiebel" << 1;
    QTest::newRow("lower z still before Ä") << "zwiebel" << QStringLiteral("Äpfel") << -1;
    QTest::newRow("prefix first") << "Apfel"
                                  << "Apfelmus" << -1;
    QTest::newRow("empty first") << ""
                                 << "A" << -1;
    QTest::newRow("folded letters after underscore") << "a"
                                                     << "_" << -1; // 'A' 65 < '_' 95
    QTest::newRow("digits before letters") << "9"
                                           << "A" << -1;
}

void TestListCompare::comparesText()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const auto signOf = [](int x) { return (x > 0) - (x < 0); };
    QCOMPARE(signOf(CompareText(a, b)), sign);
    QCOMPARE(signOf(CompareText(b, a)), -sign);
}

void TestListCompare::comparesCells_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<int>("sign");

    QTest::newRow("names ascending") << "Birne"
                                     << "apfel" << 0 << false << 1;
    QTest::newRow("names descending") << "Birne"
                                      << "apfel" << 0 << true << -1;
    QTest::newRow("names differing in case") << "birne"
                                             << "BIRNE" << 0 << true << 0;
    QTest::newRow("names that look numeric stay text") << "10"
                                                       << "9" << 0 << false << -1;
    QTest::newRow("comma against point") << "1,5"
                                         << "1.2" << 5 << false << 1;
    QTest::newRow("comma against point, descending") << "1,5"
                                                     << "1.2" << 5 << true << -1;
    QTest::newRow("empty cell is 0") << ""
                                     << "0,0" << 5 << false << 0;
    QTest::newRow("empty cell below 0,1") << ""
                                          << "0,1" << 5 << false << -1;
    QTest::newRow("numbers by value, not text") << "10"
                                                << "9" << 5 << false << 1;
    QTest::newRow("negative number") << "-3,5"
                                     << "2" << 5 << false << -1;
    QTest::newRow("1.2.3 reads as 1.2") << "1.2.3"
                                        << "1,2" << 5 << false << 0;
    QTest::newRow("k.A. after a number, ascending") << "k.A."
                                                    << "250" << 5 << false << 1;
    QTest::newRow("k.A. after a number, descending") << "k.A."
                                                     << "250" << 5 << true << 1;
    QTest::newRow("two texts ascending even descending") << "k.A."
                                                         << "<0,1" << 5 << true << 1;
    QTest::newRow("text against a number, compared as text") << "5 g"
                                                             << "10" << 5 << true << 1;
    QTest::newRow("only a to z folded")
        << QString::fromUtf8("äpfel") << QString::fromUtf8("ÄPFEL") << 0 << false << 1;
    QTest::newRow("a name that is the start of the other") << "Apfel"
                                                           << "apfel roh" << 0 << false << -1;
}

void TestListCompare::comparesCells()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(int, sign);
    const auto signOf = [](int x) { return (x > 0) - (x < 0); };
    QCOMPARE(signOf(CompareListCells(a, b, column, descending)), sign);
    QCOMPARE(signOf(CompareListCells(b, a, column, descending)), -sign);
    // The keys a sort reads once give the same answer.
    const ListCellKey aKey = ReadListCellKey(a, column);
    const ListCellKey bKey = ReadListCellKey(b, column);
    QCOMPARE(signOf(CompareListKeys(aKey, bKey, column, descending)), sign);
    QCOMPARE(signOf(CompareListKeys(bKey, aKey, column, descending)), -sign);
}

void TestListCompare::sortRowOrderKeepsTheCellRule_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::newRow("value column, descending") << 5 << true;
    QTest::newRow("value column, ascending") << 5 << false;
    QTest::newRow("name column, descending") << 0 << true;
}

void TestListCompare::sortRowOrderKeepsTheCellRule()
{
    // The sort reads each cell once; its order must be the one comparing the cells at every
    // step gives, equal cells ("1,5" and "1.5", "" and "0") and the mixed rule included.
    QFETCH(int, column);
    QFETCH(bool, descending);
    const QStringList cells{"1,5",   "k.A.",  "",      "10",  "9",    "1.5",  "5 g", "-3",  "0",
                            "APFEL", "apfel", "1.2.3", "1,2", "k.A.", "<0,1", "-0",  "250", "Birne"};
    QList<QStringList> rows;
    for (int i = 0; i < cells.size(); ++i) {
        QStringList row(6, QString::number(i));
        row[column] = cells.at(i);
        rows.append(row);
    }
    std::vector<int> order(size_t(rows.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(order.size() - 1 - i); // a given order that is not the rows' own
    std::vector<int> expected = order;
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        return CompareListCells(rows.at(a).at(column), rows.at(b).at(column), column, descending) < 0;
    });
    SortRowOrder(order, rows, column, descending);
    QCOMPARE(order, expected);
}

QTEST_GUILESS_MAIN(TestListCompare)
#include "tst_listcompare.moc"
