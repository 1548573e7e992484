#pragma once

#include "appinfo.h"
#include "nutrients.h"
#include "reference.h"

#include <QDialog>
#include <QLocale>
#include <QPoint>
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

// What the user changed in the requirements window, for the main window to take over.
struct RequirementsResult
{
    // The requirement state as the window leaves it: the own rows of the table as last saved,
    // and after a take-over the row in force, its age group and the stored settings.
    RequirementState state;
    // A row was put in force: the main window shows it and recomputes the balance.
    bool takenOver = false;
};

// The requirements window: picks the requirement row in force (eight DGE rows, two rows of
// own values) and edits and saves the own values. It works on a copy of the run's
// requirement state and hands the changed copy back when it closes.
class TNaewBedarfForm : public QDialog
{
    Q_OBJECT

public:
    // prompts is not owned and must outlive the window; dataDirectory holds NwRefWerteAnw.dat
    // and NwConfig.dat; clock dates the own-values file; locale gives the values' decimal
    // separator, as in the main window's sums.
    TNaewBedarfForm(UserPrompts *prompts, QString dataDirectory, Clock clock, QLocale locale,
                    QWidget *parent = nullptr);

    // Everything of an opening but the showing: takes state as the window's copy with nothing
    // taken over yet, selects the radio button of the age group in force (only when it is
    // 0..9) and fills list and fields from the table.
    void prepareOpening(const RequirementState &state);

    // Runs the window: prepareOpening, then places it at mainTopLeft + (148, 28) and shows it
    // modally until it closes. Returns what the user changed.
    RequirementsResult chooseRequirement(const RequirementState &state, const QPoint &mainTopLeft);

    // What the user has changed since the opening.
    const RequirementsResult &result() const { return m_result; }

    // Writes rows 0..7 of the table into the list and rows 8 and 9 into the 26 fields, then
    // clears the changed flag (the fill itself fires the fields' change events).
    void FillRequirementsWindow();

    // Tests the 26 fields in order (row 8, then row 9). The first one that is not numeric gets
    // the focus with its text selected, a notice is shown and false returned; nothing is taken
    // in. Otherwise empty fields become "0", rows 8 and 9 take the values, NwRefWerteAnw.dat is
    // written and the save confirmed. When the file cannot be written, or is protected for this
    // run, the write's message is shown, rows 8 and 9 of the table are put back as they were
    // and false returned.
    bool SaveOwnValues();

    // Saves pending own values first and stops when that fails. Then puts the selected row in
    // force and stores it as the age group (TakeOverRow): the result's state gets the row in
    // force, its age group and the settings, takenOver is set and the window closes. A failed
    // write shows its message and leaves the result and the window as they were; a protected
    // NwConfig.dat leaves the row in force for this run, with a notice saying so.
    void TakeOverReference();

    // The row whose radio button is selected, 0..9.
    int selectedRow() const;

    // True once a field was edited since the last fill or save.
    bool ownValuesChanged() const { return m_ownValuesChanged; }

public slots:
    void SpeichernBtnClick();
    void UebernehmenBtnClick();
    void CloseBtnClick();
    // Follows the list's selection with the radio buttons; no selected item selects row 3.
    void NwBedarfDgeListViewClick();
    void Label20Click();
    void Label2Click();
    void NwRefEdit81Change();
    // The unsaved-changes question ("Ja", "Nein", "Abbrechen"); runs whenever the window
    // closes. "Ja" saves and takes the selected row over. False (the window stays open with the
    // user's values) on "Abbrechen" and when the save or the take-over did not go through.
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
    RequirementsResult m_result;
    QString m_dataDirectory;
    Clock m_clock;
    QLocale m_locale;
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
