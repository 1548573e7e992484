#pragma once

#include "appinfo.h"
#include "fooddata.h"
#include "listcompare.h"
#include "nutrients.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

class FoodRowsModel;
class FoodStore;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableView;
class UserPrompts;

// The own-foods window: enter, remove, change and sort the user's own foods and save them to
// NwAnDb.dat through the FoodStore, which rebuilds the food index at once. The rows live only
// while the window is open; the lasting state is the store's line list and the file.
class TLebmittPlusForm : public QDialog
{
    Q_OBJECT

public:
    // prompts is not owned and must outlive the window; store holds the food lines and index;
    // clock dates the saved file and seeds the id draw.
    TLebmittPlusForm(UserPrompts *prompts, FoodStore &store, Clock clock, QWidget *parent = nullptr);

    // Everything of an opening but the showing: the rows from the store's own-food lines in
    // file order, empty input fields, the row count, nothing changed.
    void OpenAdditionalFoods();

    // Runs the window: OpenAdditionalFoods, then places it at mainTopLeft + (8, 28) and shows
    // it modally until it closes. Every save is reported by foodsSaved as it happens.
    void editAdditionalFoods(const QPoint &mainTopLeft);

    // The rows in display order, as they would be saved.
    QList<AdditionalFoodRow> rows() const;

    bool additionalFoodsChanged() const { return m_changed; }
    const ListSortState &sortState() const { return m_sort; }

signals:
    // NwAnDb.dat was written and the store's index rebuilt, while the window stays open: the
    // main window behind it follows at once with its counts and empties the food selection
    // list, whose rows point into the replaced index.
    void foodsSaved();

public slots:
    // Enters the food of the input fields; every refusal shows a notice and changes nothing.
    void LebMitEinfgBtnClick();
    // Removes the selected row (a notice when none is selected).
    void LebMitLoeschenBtnClick();
    // Moves the selected row back into the input fields to be entered again with its id.
    void LebMitAendernBtnClick();
    // Saves the rows in display order; "Es wurde nichts geändert!" when nothing changed.
    void SpeichernBtnClick();
    void CloseBtnClick();
    // The save question ("Ja", "Nein", "Abbrechen"); runs whenever the window closes. False
    // (the window stays open, nothing changed) on "Abbrechen" and when the chosen save failed.
    bool FormClose();
    // Deletes the own household measure selected in the list of own measures, after a question
    // (a notice when none is selected).
    void MassLoeschenBtnClick();
    // The first click on a column sorts it descending, the next click reverses.
    void NwAnDbListViewColumnClick(int column);

protected:
    void done(int result) override;

private:
    void createControls();
    // Saves when something changed; false only when the file could not be written.
    bool saveRows();
    int selectedRow() const;
    void clearInputFields();
    void showRowCount();
    void showOwnMeasures(); // every food's own measures, in file order

    UserPrompts *m_prompts;
    FoodStore &m_store;
    Clock m_clock;
    bool m_changed = false;
    ListSortState m_sort;

    FoodRowsModel *m_model = nullptr;
    QTableView *m_list = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_idLabel = nullptr;
    QLineEdit *m_amountEdit = nullptr;
    std::array<QLineEdit *, NutrientCount> m_valueEdits{};
    QLabel *m_countLabel = nullptr;
    QListWidget *m_measureList = nullptr; // EigeneMasseListe
};
