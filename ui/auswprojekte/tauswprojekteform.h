#pragma once

#include "foodindex.h"

#include <QDialog>
#include <QPoint>

class FoodListModel;
class FoodListView;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class UserPrompts;

// What the user did in the food selection window.
struct FoodSelection
{
    bool accepted = false; // "Übernehmen " (or a double click) on a row
    int position = -1;     // FoodIndex position of the chosen id (FindFoodById); -1 when not found
};

// The food selection window: lists every food, narrows the list while the user types, and
// hands the chosen food back to the main window. It works from the keyboard alone: Down in
// the search field goes to the first row, Enter in the field or the list takes the selected
// row (the first one when none is), Escape closes without a pick.
class TAuswProjekteForm : public QDialog
{
    Q_OBJECT

public:
    // prompts shows the notice for accepting without a row; not owned, must outlive the window.
    explicit TAuswProjekteForm(UserPrompts *prompts, QWidget *parent = nullptr);

    // Fills the list with every food of index, places the window at mainTopLeft (the main
    // window's outer top-left) + 148, + 28 and runs it modally. On accepted the main window
    // empties its amount field and, when position >= 0, shows that food in its input line.
    // recent: the foods eaten lately (positions in index's sorted list, RecentFoodsOfDiary),
    // listed under "Zuletzt gegessen" before the whole list while the search field is empty,
    // and first among equally ranked matches of a search.
    FoodSelection selectFood(const FoodIndex &index, const QPoint &mainTopLeft,
                             const QList<int> &recent = QList<int>());

    // Empties the list, so no row refers to an index that is about to be rebuilt.
    void clearList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void SuchEditKeyUp();
    void FilterListViewClick();
    void UebernehmenBtnClick();
    void CancelBtnClick();

private:
    void FormShow();
    void showCount();
    void showRows(const QString &searchText);
    void selectFirstRow(); // the first food, below a heading
    void takeOverByKey(); // Enter in the search field or the list

    UserPrompts *m_prompts;
    FoodIndex m_index;
    QList<int> m_recent;
    int m_foundCount = 0; // the foods the search found, each counted once
    FoodSelection m_result;
    QString m_filteredText; // the search text the rows were made for
    FoodListModel *m_model = nullptr;
    QFrame *m_panel1 = nullptr;
    QLabel *m_staticText2 = nullptr;
    QLineEdit *m_suchEdit = nullptr;
    QLabel *m_trefferHinweisLabel = nullptr; // which part of a compound was searched instead
    QLabel *m_staticText3 = nullptr;
    FoodListView *m_filterListView = nullptr;
    QFrame *m_panel2 = nullptr;
    QLabel *m_label1 = nullptr;
    QPushButton *m_cancelBtn = nullptr;
    QPushButton *m_uebernehmenBtn = nullptr;
};
