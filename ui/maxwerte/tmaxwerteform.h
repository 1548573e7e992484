#pragma once

#include "listcompare.h"

#include <QDialog>
#include <QPoint>

class FoodIndex;
class FoodRowsModel;
class QLabel;
class QTableView;

// The maximum-values window: every food of the index with its thirteen values, sortable by
// any column, largest first on the first click. It only shows; it changes no data. The sort
// direction and the last sorted column are kept from one opening to the next.
class TMaxWerteForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMaxWerteForm(QWidget *parent = nullptr);


    // Everything of an opening but the showing: the rows of index in index order, the row
    // count and "Es erfolgte noch keine Sortierung". The sort state is kept.
    void fill(const FoodIndex &index);

    // fill, then places the window at mainTopLeft + (32, 28) and shows it modally.
    void showFoods(const FoodIndex &index, const QPoint &mainTopLeft);

    const ListSortState &sortState() const { return m_sort; }
    const FoodRowsModel *model() const { return m_model; }

    // Closing gives the rows back: at the size of a national table they are tens of
    // megabytes, and every opening fills them anew.
    void done(int result) override;

public slots:
    // A click on a column head: the first click on a column sorts it descending, each further
    // click on the same column reverses; the status line names the column and direction.
    void MaxWerteListViewColumnClick(int column);
    void CloseBtnClick();

private:
    void createControls();

    ListSortState m_sort;

    FoodRowsModel *m_model = nullptr;
    QTableView *m_list = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_countLabel = nullptr;
};
