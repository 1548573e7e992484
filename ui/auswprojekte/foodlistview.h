#pragma once

#include <QTableView>

// The selection list. Reports clicks and double clicks anywhere in the list after the view
// has updated its selection, so handlers see the selection the click left.
class FoodListView : public QTableView
{
    Q_OBJECT

public:
    explicit FoodListView(QWidget *parent = nullptr);

signals:
    void listClicked();
    void listDoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
