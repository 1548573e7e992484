// The one cell writer of the program's CSV files: a cell that could break the row is quoted,
// a text that a spreadsheet would run as a formula is kept text, a number is left alone.

#include "csvcell.h"

#include <QTest>

class TestCsvCell : public QObject
{
    Q_OBJECT

private slots:
    void cell_data();
    void cell();
};

void TestCsvCell::cell_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("number");
    QTest::addColumn<QString>("cell");

    QTest::newRow("plain name") << "Montag.txt" << false << "Montag.txt";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("formula") << "=SUM(1+1).txt" << false << "'=SUM(1+1).txt";
    QTest::newRow("plus") << "+49 Tag.txt" << false << "'+49 Tag.txt";
    QTest::newRow("minus") << "-Tag.txt" << false << "'-Tag.txt";
    QTest::newRow("at") << "@Tag.txt" << false << "'@Tag.txt";
    QTest::newRow("tab first") << "\t=1" << false << "'\t=1";
    QTest::newRow("semicolon") << "a;b.txt" << false << "\"a;b.txt\"";
    QTest::newRow("quote") << "Anna \"Bio\".txt" << false << "\"Anna \"\"Bio\"\".txt\"";
    QTest::newRow("line feed") << "a\nb.txt" << false << "\"a\nb.txt\"";
    QTest::newRow("carriage return first: kept text and quoted") << "\r=1" << false << "\"'\r=1\"";
    QTest::newRow("formula with a semicolon") << "=A1;B1" << false << "\"'=A1;B1\"";
    QTest::newRow("apostrophe first stays as it is") << "'=1" << false << "'=1";
    QTest::newRow("formula sign inside") << "Tag=1.txt" << false << "Tag=1.txt";
    QTest::newRow("negative number untouched") << "-5,2" << true << "-5,2";
    QTest::newRow("number with a decimal comma") << "1650,3" << true << "1650,3";
    QTest::newRow("number cell that would break the row is still quoted") << "1;2" << true << "\"1;2\"";
}

void TestCsvCell::cell()
{
    QFETCH(QString, value);
    QFETCH(bool, number);
    QTEST(CsvCell(value, number ? CsvCellKind::Number : CsvCellKind::Text), "cell");
}

QTEST_GUILESS_MAIN(TestCsvCell)
#include "tst_csvcell.moc"
