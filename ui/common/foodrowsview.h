#pragma once

#include <QRect>
#include <QString>

class FoodRowsModel;
class QTableView;
class QWidget;

// The table view of a sortable food list in box: the rows of model, whole rows 18 pixels
// high, heads that take clicks but are never highlighted, and no sorting of its own: the
// window sorts the model by its own rule when a head is clicked.
QTableView *MakeFoodRowsView(QWidget *parent, const QString &name, FoodRowsModel *model, const QRect &box);
