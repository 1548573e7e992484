#pragma once

#include "appinfo.h"
#include "fooddata.h"
#include "nutrients.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class FoodStore;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class UserPrompts;

// The own-foods window: enter, remove, change and sort the user's own foods and save them to
// NwAnDb.dat through the FoodStore, which rebuilds the food index at once. The rows live only
// while the window is open; the lasting state is the store's line list and the file.
class TLebmittPlusForm : public QDialog
{
    Q_OBJECT

public:
    // List columns: name, hidden DbTyp, ID, Bez.Menge, then the thirteen nutrients.
    static constexpr int NameColumn = 0;
    static constexpr int DbTypeColumn = 1;
    static constexpr int IdColumn = 2;
    static constexpr int AmountColumn = 3;
    static constexpr int FirstValueColumn = 4;
    static constexpr int ColumnCount = FirstValueColumn + NutrientCount;

    // prompts is not owned and must outlive the window; store holds the food lines and index;
    // clock dates the saved file and seeds the id draw.
    TLebmittPlusForm(UserPrompts *prompts, FoodStore &store, Clock clock, QWidget *parent = nullptr);

    using QDialog::open;

    // Everything of an opening but the showing: the rows from the store's own-food lines in
    // file order, empty input fields, the row count, nothing changed.
    void OpenAdditionalFoods();

    // OpenAdditionalFoods, then places the window at mainTopLeft + (8, 28) and shows it modally.
    void open(const QPoint &mainTopLeft);

    // The rows in display order, as they would be saved.
    QList<AdditionalFoodRow> rows() const;

    bool additionalFoodsChanged() const { return m_changed; }
    int sortColumn() const { return m_sortColumn; }
    bool sortDescending() const { return m_sortDescending; }

signals:
    // NwAnDb.dat was written and the index rebuilt; the main window updates its counts and
    // empties the food selection list.
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
    // The save question; runs whenever the window closes. False (the window stays open) only
    // when the user chose to save and the file could not be written.
    bool FormClose();
    // The first click on a column sorts it descending, the next click reverses.
    void NwAnDbListViewColumnClick(int column);

protected:
    void done(int result) override;

private:
    void createControls();
    // Saves when something changed; false only when the file could not be written.
    bool saveRows();
    void appendRow(const QStringList &cells);
    QStringList rowCells(int row) const;
    void setRowCells(int row, const QStringList &cells);
    int selectedRow() const;
    void clearInputFields();
    void showRowCount();
    // The first input field holding ';', or nullptr.
    QLineEdit *fieldWithSemicolon() const;

    UserPrompts *m_prompts;
    FoodStore &m_store;
    Clock m_clock;
    bool m_changed = false;
    int m_sortColumn = -1;
    bool m_sortDescending = false;

    QTableWidget *m_list = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_idLabel = nullptr;
    QLineEdit *m_amountEdit = nullptr;
    std::array<QLineEdit *, NutrientCount> m_valueEdits{};
    QLabel *m_countLabel = nullptr;
};
