#include "foodlistview.h"

#include <QKeyEvent>

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

void FoodListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}
