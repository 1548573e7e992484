#pragma once

#include "appinfo.h"
#include "nutrients.h"
#include "reference.h"

#include <QDialog>
#include <QString>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStandardItemModel;
class QTableView;
class UserPrompts;
class WrapButton;

// The requirements window: picks the requirement row in force (eight DGE rows, two rows of
// own values) and edits and saves the own values. It works on the RequirementState the main
// window holds for the whole run; it keeps no values of its own beyond its controls' texts.
class TNaewBedarfForm : public QDialog
{
    Q_OBJECT

public:
    // prompts is not owned and must outlive the window; state is the run's requirement state;
    // dataDirectory holds NwRefWerteAnw.dat and NwConfig.dat; clock dates the own-values file.
    TNaewBedarfForm(UserPrompts *prompts, RequirementState &state, QString dataDirectory, Clock clock,
                    QWidget *parent = nullptr);

    using QDialog::open;

    // Everything of an opening but the showing: selects the radio button of the age group in
    // force (only when it is 0..9) and fills list and fields from the table.
    void prepareOpening();

    // prepareOpening, then places the window at mainTopLeft + (148, 28) and shows it modally.
    void open(const QPoint &mainTopLeft);

    // Writes rows 0..7 of the table into the list and rows 8 and 9 into the 26 fields, then
    // clears the changed flag (the fill itself fires the fields' change events).
    void FillRequirementsWindow();

    // Tests the 26 fields in order (row 8, then row 9). The first one that is not numeric gets
    // the focus with its text selected, a notice is shown and false returned; the fields before
    // it stay accepted in the table. Empty fields become "0". Then writes NwRefWerteAnw.dat and
    // confirms. When the file cannot be written the write's message is shown, rows 8 and 9 of
    // the table are put back as they were and false returned.
    bool SaveOwnValues();

    // Saves pending own values first and stops when that fails. Then puts the selected row in
    // force and stores it as the age group; only when NwConfig.dat was written does anything
    // change: state.active and state.ageGroup are set, referenceTakenOver is emitted and the
    // window closes. A failed write shows its message and leaves the state and window as they were.
    void TakeOverReference();

    // The row whose radio button is selected, 0..9.
    int selectedRow() const;

    // True once a field was edited since the last fill or save.
    bool ownValuesChanged() const { return m_ownValuesChanged; }

signals:
    // state.active and state.ageGroup have changed; the main window shows the row and
    // recomputes the balance.
    void referenceTakenOver();

public slots:
    void SpeichernBtnClick();
    void UebernehmenBtnClick();
    void CloseBtnClick();
    // Follows the list's selection with the radio buttons; no selected item selects row 3.
    void NwBedarfDgeListViewClick();
    void Label20Click();
    void Label2Click();
    void NwRefEdit81Change();
    // The unsaved-changes question; runs whenever the window closes. False (the window stays
    // open) only when the user chose to save and NwRefWerteAnw.dat could not be written.
    bool FormClose();

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class SaveOutcome
    {
        Saved,
        NotNumeric,
        WriteFailed,
    };

    void createControls();
    SaveOutcome saveOwnValues();
    QLineEdit *ownEdit(int ownRow, int nutrient) const { return m_ownEdits.at(ownRow).at(nutrient); }

    UserPrompts *m_prompts;
    RequirementState &m_state;
    QString m_dataDirectory;
    Clock m_clock;
    bool m_ownValuesChanged = false;
    bool m_closing = false;

    QButtonGroup *m_radioGroup = nullptr;
    QTableView *m_list = nullptr;
    QStandardItemModel *m_listModel = nullptr;
    QLabel *m_label20 = nullptr;
    QLabel *m_label2 = nullptr;
    WrapButton *m_saveButton = nullptr;
    WrapButton *m_takeOverButton = nullptr;
    WrapButton *m_closeButton = nullptr;
    std::array<std::array<QLineEdit *, NutrientCount>, 2> m_ownEdits{};
};
