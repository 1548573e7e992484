#include "tmaxwerteform.h"

#include "appinfo.h"
#include "fooddata.h"
#include "foodindex.h"
#include "foodlines.h"
#include "foodlistcolumns.h"
#include "foodrowsmodel.h"
#include "listcompare.h"
#include "maxvaluesrows.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// A NwAnDb.dat food line.
QString OwnLine(const QString &id, const QString &name, const QString &amount, const QStringList &values)
{
    QString line = id + QLatin1Char(';') + name + QLatin1Char(';') + amount + QLatin1Char(';');
    for (int k = 0; k < NutrientCount; ++k)
        line += values.value(k) + QLatin1Char(';');
    return line;
}

// Own foods named after their place, with the given energy and fat texts.
FoodIndex OwnFoods(const QStringList &names, const QStringList &energy = {}, const QStringList &fat = {})
{
    QStringList lines = {QStringLiteral("Zusätzliche Lebensmittel"), QStringLiteral("ID;")};
    for (int i = 0; i < names.size(); ++i) {
        QStringList values(NutrientCount, QStringLiteral("1"));
        values[0] = energy.value(i);
        values[3] = fat.value(i);
        lines.append(OwnLine(QString::number(30000 + i), names.at(i), QStringLiteral("100"), values));
    }
    return BuildFoodIndex({}, lines);
}

} // namespace

class TestMaxWerteForm : public QObject
{
    Q_OBJECT

private:
    static QString status(const TMaxWerteForm &form)
    {
        return form.findChild<QLabel *>(QStringLiteral("Label1"))->text();
    }

    static QStringList column(const TMaxWerteForm &form, int columnIndex)
    {
        QStringList cells;
        for (int row = 0; row < form.model()->rowCount(); ++row)
            cells.append(form.model()->cell(row, columnIndex));
        return cells;
    }

    static void clickHeader(TMaxWerteForm &form, int section)
    {
        QHeaderView *header =
            form.findChild<QTableView *>(QStringLiteral("MaxWerteListView"))->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void rowsFollowTheIndex()
    {
        QStringList swiss = {QStringLiteral("h1"), QStringLiteral("h2"), QStringLiteral("h3")};
        swiss.append(SwissFoodLine(QStringLiteral("17"), QStringLiteral("Apfel"),
                                   {QStringLiteral("52"), QStringLiteral("11,4")}));
        const QStringList own = {QStringLiteral("Zusätzliche Lebensmittel"), QStringLiteral("ID;"),
                                 OwnLine(QStringLiteral("30100"), QStringLiteral("Ei"), QStringLiteral("1"),
                                         {QStringLiteral("80"), QStringLiteral("k.A.")})};
        const QList<QStringList> rows = BuildMaxValuesRows(BuildFoodIndex(swiss, own));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).mid(0, 6), (QStringList{"Apfel", "1", "17", "100", "52", "11,4"}));
        QCOMPARE(rows.at(1).mid(0, 6), (QStringList{"Ei", "2", "30100", "1", "80", "k.A."}));
        QCOMPARE(rows.at(1).size(), FoodColumn::Count);
        QCOMPARE(BuildMaxValuesRows(FoodIndex()).size(), 0);
    }

    void layoutHasEveryControlAndNoClippedCaption()
    {
        TMaxWerteForm form;
        QCOMPARE(form.size(), QSize(1180, 541));
        QCOMPARE(form.windowTitle(), AppTitle());
        const auto *view = form.findChild<QTableView *>(QStringLiteral("MaxWerteListView"));
        QVERIFY(view);
        const QStringList captions = MaxValuesCaptions();
        QCOMPARE(captions.size(), 17);
        QCOMPARE(view->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Energie"));
        QCOMPARE(view->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Menge"));
        const QList<int> widths = {340, 28, 0, 54, 54, 54, 54, 54, 50, 54, 54, 54, 54, 54, 54, 50, 54};
        for (int c = 0; c < 17; ++c) {
            if (widths.at(c) == 0)
                QVERIFY(view->isColumnHidden(c));
            else
                QCOMPARE(view->columnWidth(c), widths.at(c));
        }
        for (int k = 0; k < NutrientCount; ++k) {
            QCOMPARE(form.findChild<QLabel *>(QStringLiteral("KopfLabel%1").arg(k))->text(),
                     NutrientCatalogue().at(k).unitLabel);
        }
        QVERIFY(form.findChild<QPushButton *>(QStringLiteral("CloseBtn")));

        form.fill(FoodIndex());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<QLabel *> labels = form.findChildren<QLabel *>();
        for (const QLabel *label : labels) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName()));
        }
        const int headerMargins = 2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view);
        for (int c = 0; c < 17; ++c) {
            if (view->isColumnHidden(c))
                continue;
            const QVariant font = view->model()->headerData(c, Qt::Horizontal, Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>()
                                                      : view->horizontalHeader()->font());
            QVERIFY2(metrics.horizontalAdvance(captions.at(c)) + headerMargins <= view->columnWidth(c),
                     qPrintable(captions.at(c)));
        }
        // Each footer unit stands under its column.
        const QLabel *fatUnit = form.findChild<QLabel *>(QStringLiteral("KopfLabel3"));
        const int fatLeft = view->viewport()->mapTo(&form, QPoint(view->columnViewportPosition(7), 0)).x();
        QVERIFY2(qAbs(fatUnit->geometry().center().x() - (fatLeft + 27)) <= 2,
                 qPrintable(QString::number(fatLeft)));
    }

    void openingFillsAndPlacesTheWindow()
    {
        TMaxWerteForm form;
        QPoint shownAt;
        QString shownStatus;
        QString shownCount;
        QTimer::singleShot(0, &form, [&] {
            shownAt = form.pos();
            shownStatus = status(form);
            shownCount = form.findChild<QLabel *>(QStringLiteral("Label16"))->text();
            form.findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
        });
        form.showFoods(OwnFoods({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}), QPoint(100, 50));
        QCOMPARE(shownAt, QPoint(132, 78));
        QCOMPARE(shownStatus, QStringLiteral("Es erfolgte noch keine Sortierung"));
        QCOMPARE(shownCount, QStringLiteral("3"));
        QVERIFY(!form.isVisible());
        // Closed, it keeps no rows; the next opening fills them again.
        QCOMPARE(form.model()->rowCount(), 0);
    }

    void sortStateAcrossOpenings()
    {
        const FoodIndex index = OwnFoods({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                                         {QStringLiteral("20"), QStringLiteral("300"), QStringLiteral("4")},
                                         {QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3")});
        TMaxWerteForm form;
        form.fill(index);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int energy = FoodColumn::FirstValue;
        const int fat = FoodColumn::Value(3);

        clickHeader(form, energy);
        QCOMPARE(column(form, energy), (QStringList{"300", "20", "4"}));
        QCOMPARE(status(form), QStringLiteral("Die Spalte 'Energie' wurde absteigend sortiert."));
        clickHeader(form, energy);
        QCOMPARE(column(form, energy), (QStringList{"4", "20", "300"}));
        QCOMPARE(status(form), QStringLiteral("Die Spalte 'Energie' wurde aufsteigend sortiert."));
        clickHeader(form, fat);
        QCOMPARE(column(form, fat), (QStringList{"3", "2", "1"}));
        QCOMPARE(status(form), QStringLiteral("Die Spalte 'Fett' wurde absteigend sortiert."));

        // Reopening shows the index order, but the next click on Fett continues from there.
        form.fill(index);
        QCOMPARE(column(form, FoodColumn::Name), (QStringList{"a", "b", "c"}));
        QCOMPARE(status(form), QStringLiteral("Es erfolgte noch keine Sortierung"));
        QVERIFY(form.sortState().descending);
        QCOMPARE(form.sortState().column, fat);
        form.MaxWerteListViewColumnClick(fat);
        QCOMPARE(column(form, fat), (QStringList{"1", "2", "3"}));
        QCOMPARE(status(form), QStringLiteral("Die Spalte 'Fett' wurde aufsteigend sortiert."));
    }

    void numbersAndTexts_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("descending");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("k.A. below numbers both ways")
            << QStringList{"k.A.", "5", "12", "k.A.", "0,5"} << QStringList{"12", "5", "0,5", "k.A.", "k.A."}
            << QStringList{"0,5", "5", "12", "k.A.", "k.A."};
        QTest::newRow("comma against point")
            << QStringList{"1.2", "1,5", "1,25"} << QStringList{"1,5", "1,25", "1.2"}
            << QStringList{"1.2", "1,25", "1,5"};
        QTest::newRow("empty cell reads 0")
            << QStringList{"", "-3", "0,5"} << QStringList{"0,5", "", "-3"} << QStringList{"-3", "", "0,5"};
        QTest::newRow("texts keep ascending among themselves")
            << QStringList{"tr", "k.A.", "7", "Spur"} << QStringList{"7", "k.A.", "Spur", "tr"}
            << QStringList{"7", "k.A.", "Spur", "tr"};
    }

    void numbersAndTexts()
    {
        QFETCH(QStringList, cells);
        QFETCH(QStringList, descending);
        QFETCH(QStringList, ascending);
        QStringList names;
        for (int i = 0; i < cells.size(); ++i)
            names.append(QStringLiteral("Food %1").arg(i));
        TMaxWerteForm form;
        form.fill(OwnFoods(names, cells));
        const int energy = FoodColumn::FirstValue;
        form.MaxWerteListViewColumnClick(energy);
        QCOMPARE(column(form, energy), descending);
        form.MaxWerteListViewColumnClick(energy);
        QCOMPARE(column(form, energy), ascending);
    }

    void namesFoldOnlyAToZ()
    {
        TMaxWerteForm form;
        form.fill(OwnFoods({QString::fromUtf8("Äpfel"), QStringLiteral("Zwieback"), QStringLiteral("apfel"),
                            QStringLiteral("BROT"), QStringLiteral("Brot")}));
        form.MaxWerteListViewColumnClick(FoodColumn::Name);
        QCOMPARE(status(form), QStringLiteral("Die Spalte 'Lebensmittel' wurde absteigend sortiert."));
        QCOMPARE(column(form, FoodColumn::Name),
                 (QStringList{QString::fromUtf8("Äpfel"), "Zwieback", "BROT", "Brot", "apfel"}));
        form.MaxWerteListViewColumnClick(FoodColumn::Name);
        // Names equal but for the case of a to z keep their order.
        QCOMPARE(column(form, FoodColumn::Name),
                 (QStringList{"apfel", "BROT", "Brot", "Zwieback", QString::fromUtf8("Äpfel")}));
    }

    void theSelectionFollowsItsRow()
    {
        TMaxWerteForm form;
        form.fill(OwnFoods({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                           {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        auto *view = form.findChild<QTableView *>(QStringLiteral("MaxWerteListView"));
        view->selectRow(0);
        form.MaxWerteListViewColumnClick(FoodColumn::FirstValue);
        const QModelIndexList selected = view->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), 2);
        QCOMPARE(form.model()->cell(2, FoodColumn::Name), QStringLiteral("a"));
    }

    void everyColumnOfTheShippedTableSortsInOrder()
    {
        const SwissFoodLoad swiss = LoadSwissDatabase(QStringLiteral(KB_SHIPPED_DATA_DIR));
        QCOMPARE(swiss.outcome, FoodFileOutcome::Loaded);
        // Own foods bring decimal commas, "k.A." and empty cells into the mix.
        QStringList own = {QStringLiteral("Zusätzliche Lebensmittel"), QStringLiteral("ID;")};
        const QStringList samples = {QStringLiteral("k.A."), QStringLiteral("1,5"), QString(),
                                     QStringLiteral("0,25"), QStringLiteral("120")};
        for (int i = 0; i < 25; ++i) {
            own.append(OwnLine(QString::number(30000 + i), QStringLiteral("Eigenes %1").arg(i),
                               QStringLiteral("1"),
                               QStringList(NutrientCount, samples.at(i % samples.size()))));
        }
        TMaxWerteForm form;
        form.fill(BuildDeferredFoodIndex(swiss.lines, own));
        QVERIFY(form.model()->rowCount() >= 1000);
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label16"))->text(),
                 QString::number(form.model()->rowCount()));
        for (int c = 0; c < FoodColumn::Count; ++c) {
            for (int pass = 0; pass < 2; ++pass) {
                form.MaxWerteListViewColumnClick(c);
                const QStringList cells = column(form, c);
                for (int row = 1; row < cells.size(); ++row) {
                    QVERIFY2(CompareListCells(cells.at(row - 1), cells.at(row), c,
                                              form.sortState().descending) <= 0,
                             qPrintable(QStringLiteral("column %1 row %2: '%3' before '%4'")
                                            .arg(c)
                                            .arg(row)
                                            .arg(cells.at(row - 1), cells.at(row))));
                }
            }
        }
    }
};

QTEST_MAIN(TestMaxWerteForm)
#include "tst_maxwerteform.moc"
