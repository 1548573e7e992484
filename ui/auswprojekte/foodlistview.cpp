#include "foodlistview.h"

FoodListView::FoodListView(QWidget *parent) : QTableView(parent) {}

void FoodListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    emit listClicked();
}

void FoodListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}
