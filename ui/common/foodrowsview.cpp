#include "foodrowsview.h"

#include "foodrowsmodel.h"
#include "formkit.h"

#include <QHeaderView>
#include <QTableView>

QTableView *MakeFoodRowsView(QWidget *parent, const QString &name, FoodRowsModel *model, const QRect &box)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setGeometry(box);
    SetUpRowList(view, 18);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    return view;
}
