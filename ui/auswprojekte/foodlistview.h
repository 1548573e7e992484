#pragma once

#include <QTableView>

// The selection list. Reports clicks and double clicks anywhere in the list after the view
// has updated its selection, so handlers see the selection the click left, and Enter pressed
// in the list.
class FoodListView : public QTableView
{
    Q_OBJECT

public:
    explicit FoodListView(QWidget *parent = nullptr);

signals:
    void listClicked();
    void listDoubleClicked();
    void enterPressed();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
