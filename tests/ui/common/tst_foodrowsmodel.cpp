#include "foodrowsmodel.h"

#include "foodlistcolumns.h"

#include <QItemSelectionModel>
#include <QTest>

namespace {

// A row with the given name, Db code and energy; the other cells are empty.
QStringList Row(const QString &name, const QString &db, const QString &energy)
{
    QStringList cells(FoodColumn::Count);
    cells[FoodColumn::Name] = name;
    cells[FoodColumn::Db] = db;
    cells[FoodColumn::FirstValue] = energy;
    return cells;
}

QStringList Names(const FoodRowsModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.cell(row, FoodColumn::Name));
    return names;
}

} // namespace

class TestFoodRowsModel : public QObject
{
    Q_OBJECT

private slots:
    void aSortKeepsTheShownOrderOfEqualRowsAndTheSelection()
    {
        FoodRowsModel model(QStringList(FoodColumn::Count));
        model.setRows({Row("a", "1", "5"), Row("b", "2", "30"), Row("c", "1", "30"), Row("d", "2", "k.A.")});
        QItemSelectionModel selection(&model);
        selection.select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

        model.sortRows(FoodColumn::FirstValue, true);
        QCOMPARE(Names(model), (QStringList{"b", "c", "a", "d"}));
        // Equal Db codes keep the energy order just shown, not the order the rows came in.
        model.sortRows(FoodColumn::Db, true);
        QCOMPARE(Names(model), (QStringList{"b", "d", "c", "a"}));
        const QModelIndexList selected = selection.selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(model.cell(selected.first().row(), FoodColumn::Name), QStringLiteral("a"));
    }

    void rowsAreTakenAndAddedInTheShownOrder()
    {
        FoodRowsModel model(QStringList(FoodColumn::Count));
        model.setRows({Row("a", "2", "1"), Row("b", "2", "2"), Row("c", "2", "3")});
        model.sortRows(FoodColumn::FirstValue, true);
        QCOMPARE(model.takeRow(0).at(FoodColumn::Name), QStringLiteral("c"));
        model.appendRow(Row("e", "2", "9"));
        QCOMPARE(Names(model), (QStringList{"b", "a", "e"}));
        QCOMPARE(model.rows().constLast().at(FoodColumn::Name), QStringLiteral("e"));
        QCOMPARE(model.findRow(FoodColumn::Name, QStringLiteral("a")), 1);
        QCOMPARE(model.findRow(FoodColumn::Name, QStringLiteral("A")), -1);
    }
};

QTEST_GUILESS_MAIN(TestFoodRowsModel)
#include "tst_foodrowsmodel.moc"
