#include "tnaewbedarfform.h"

#include "formkit.h"
#include "numbertext.h"
#include "ownvalues.h"
#include "userprompts.h"
#include "wrapbutton.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>

#include <utility>

namespace {

constexpr int DgeRowCount = 8;
constexpr int ListValueColumn = 2; // list column of nutrient 0
constexpr int ListRowHeight = 20;
constexpr int ColumnPitch = 54;    // distance between the nutrient columns
constexpr int ValueLeft = 217;     // left of the first nutrient column in the window
constexpr int DefaultRadioRow = 3; // RadioButton4

} // namespace

TNaewBedarfForm::TNaewBedarfForm(UserPrompts *prompts, QString dataDirectory, Clock clock, QLocale locale,
                                 QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_dataDirectory(std::move(dataDirectory)),
      m_clock(std::move(clock)), m_locale(std::move(locale))
{
    SetUpFixedWindow(this, QStringLiteral("NaewBedarfForm"), QSize(944, 433), QColor(240, 240, 240));
    setWindowTitle(AppTitle());
    setModal(true);
    createControls();
}

void TNaewBedarfForm::createControls()
{
    const auto &catalogue = NutrientCatalogue();

    QFrame *panel1 = MakePanel(this, QStringLiteral("Panel1"), QRect(8, 8, 916, 72));
    MakeTitleLabel(panel1, QStringLiteral("Label4"), QStringLiteral("Täglicher Nährstoff-Bedarf"),
                   QRect(16, 27, 1, 17));

    const auto makeButton = [panel1](const QString &name, const QString &text, int left) {
        return MakeWrapButton(panel1, name, text, QRect(left, 15, 97, 42));
    };
    m_saveButton = makeButton(QStringLiteral("SpeichernBtn"), QStringLiteral("Eigene Werte speichern"), 281);
    m_takeOverButton =
        makeButton(QStringLiteral("UebernehmenBtn"), QStringLiteral("in Übersicht übernehmen"), 384);
    m_closeButton = makeButton(QStringLiteral("CloseBtn"), QStringLiteral("Schließen"), 487);
    connect(m_saveButton, &QPushButton::clicked, this, &TNaewBedarfForm::SpeichernBtnClick);
    connect(m_takeOverButton, &QPushButton::clicked, this, &TNaewBedarfForm::UebernehmenBtnClick);
    connect(m_closeButton, &QPushButton::clicked, this, &TNaewBedarfForm::CloseBtnClick);

    MakeFittedLabel(this, QStringLiteral("Label19"), QStringLiteral(" Alter"), 60, 103);
    MakeFittedLabel(this, QStringLiteral("Label1"), QStringLiteral(" m/w"), 163, 103);

    QFrame *panel2 = MakePanel(this, QStringLiteral("Panel2"), QRect(208, 102, 705, 24));
    for (int k = 0; k < NutrientCount; ++k) {
        MakeLabel(panel2, QStringLiteral("NwBezLabel%1").arg(k), catalogue.at(k).shortName,
                  QRect(9 + ColumnPitch * k, 3, 48, 17), Qt::AlignCenter);
        MakeLabel(this, QStringLiteral("KopfLabel%1").arg(k), catalogue.at(k).unitLabel,
                  QRect(ValueLeft + ColumnPitch * k, 128, 48, 20), Qt::AlignCenter);
    }
    MakeFittedLabel(this, QStringLiteral("Label3"), QStringLiteral(" DGE* - Werte"), 60, 131);

    m_listModel = new QStandardItemModel(DgeRowCount, ListValueColumn + NutrientCount, this);
    const char *groups[DgeRowCount] = {"19 bis unter 25", "", "25 bis unter 51", "",
                                       "51 bis unter 65", "", "65 und älter",    ""};
    for (int row = 0; row < DgeRowCount; ++row) {
        for (int column = 0; column < m_listModel->columnCount(); ++column) {
            auto *item = new QStandardItem;
            item->setEditable(false);
            if (column > 0)
                item->setTextAlignment(Qt::AlignCenter);
            m_listModel->setItem(row, column, item);
        }
        m_listModel->item(row, 0)->setText(QString::fromUtf8(groups[row]));
        m_listModel->item(row, 1)->setText(row % 2 == 0 ? QStringLiteral("m") : QStringLiteral("w"));
    }
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("NwBedarfDgeListView"));
    m_list->setModel(m_listModel);
    m_list->setGeometry(60, 156, 864, 166);
    m_list->horizontalHeader()->hide();
    SetUpRowList(m_list, ListRowHeight);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setColumnWidth(0, 104);
    m_list->setColumnWidth(1, 50);
    for (int k = 0; k < NutrientCount; ++k)
        m_list->setColumnWidth(ListValueColumn + k, ColumnPitch);
    m_list->viewport()->installEventFilter(this);

    m_radioGroup = new QButtonGroup(this);
    m_radioGroup->setExclusive(true);
    const int radioTops[ReferenceRowCount] = {157, 177, 197, 217, 238, 258, 278, 298, 349, 374};
    for (int row = 0; row < ReferenceRowCount; ++row) {
        auto *radio = new QRadioButton(this);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(row + 1));
        radio->setGeometry(36, radioTops[row], 17, 17);
        m_radioGroup->addButton(radio, row);
    }
    m_radioGroup->button(DefaultRadioRow)->setChecked(true);

    m_label20 = MakeFittedLabel(this, QStringLiteral("Label20"), QStringLiteral(" Eigene Werte"), 60, 348);
    MakeFittedLabel(this, QStringLiteral("Label21"), QStringLiteral("m"), 160, 348);
    m_label2 = MakeFittedLabel(this, QStringLiteral("Label2"), QStringLiteral(" Eigene Werte"), 60, 374);
    MakeFittedLabel(this, QStringLiteral("Label22"), QStringLiteral("w"), 160, 374);
    m_label20->installEventFilter(this);
    m_label2->installEventFilter(this);

    QWidget *previous = m_closeButton;
    setTabOrder(m_saveButton, m_takeOverButton);
    setTabOrder(m_takeOverButton, m_closeButton);
    const int editTops[2] = {347, 374};
    const int firstNumbers[2] = {81, 101};
    for (int ownRow = 0; ownRow < 2; ++ownRow) {
        for (int k = 0; k < NutrientCount; ++k) {
            QLineEdit *edit = MakeEdit(this, QStringLiteral("NwRefEdit%1").arg(firstNumbers[ownRow] + k),
                                       QRect(ValueLeft + ColumnPitch * k, editTops[ownRow], 48, 21), 6);
            connect(edit, &QLineEdit::textChanged, this, &TNaewBedarfForm::NwRefEdit81Change);
            setTabOrder(previous, edit);
            previous = edit;
            m_ownEdits[ownRow][k] = edit;
        }
    }
}

void TNaewBedarfForm::prepareOpening(const RequirementState &state)
{
    m_result = RequirementsResult{state};
    const int ageGroup = m_result.state.ageGroup;
    if (ageGroup >= 0 && ageGroup < ReferenceRowCount)
        m_radioGroup->button(ageGroup)->setChecked(true);
    m_ownValuesChanged = false;
    FillRequirementsWindow();
}

RequirementsResult TNaewBedarfForm::chooseRequirement(const RequirementState &state,
                                                      const QPoint &mainTopLeft)
{
    prepareOpening(state);
    move(mainTopLeft + QPoint(148, 28));
    exec();
    return m_result;
}

void TNaewBedarfForm::FillRequirementsWindow()
{
    const ReferenceTable &table = m_result.state.table;
    for (int row = 0; row < DgeRowCount; ++row) {
        for (int k = 0; k < NutrientCount; ++k)
            m_listModel->item(row, ListValueColumn + k)->setText(ReferenceValueText(table[row][k], m_locale));
    }
    for (int k = 0; k < NutrientCount; ++k) {
        ownEdit(0, k)->setText(ReferenceValueText(table[OwnMaleRow][k], m_locale));
        ownEdit(1, k)->setText(ReferenceValueText(table[OwnFemaleRow][k], m_locale));
    }
    // Writing the fields fired their change handler; a fresh fill is not an edit.
    m_ownValuesChanged = false;
}

bool TNaewBedarfForm::SaveOwnValues()
{
    return saveOwnValues() == SaveOutcome::Saved;
}

TNaewBedarfForm::SaveOutcome TNaewBedarfForm::saveOwnValues()
{
    std::array<QStringList, 2> texts;
    for (int ownRow = 0; ownRow < 2; ++ownRow) {
        for (int k = 0; k < NutrientCount; ++k)
            texts[ownRow].append(ownEdit(ownRow, k)->text());
    }
    const OwnValuesSave saved = ::SaveOwnValues(m_result.state, texts, m_dataDirectory, m_clock().date());
    if (saved.outcome == OwnValuesSave::Outcome::NotNumeric) {
        QLineEdit *edit = ownEdit(saved.ownRow, saved.nutrient);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        m_prompts->showNotice(QStringLiteral(" Der markierte Wert ist nicht nummerisch !"));
        return SaveOutcome::NotNumeric;
    }
    // The fields show what was taken in: an empty one as "0".
    for (int ownRow = 0; ownRow < 2; ++ownRow) {
        for (int k = 0; k < NutrientCount; ++k) {
            if (ownEdit(ownRow, k)->text().isEmpty())
                ownEdit(ownRow, k)->setText(saved.texts[ownRow].value(k));
        }
    }
    if (saved.outcome == OwnValuesSave::Outcome::WriteFailed) {
        m_prompts->showPlainMessage(saved.message);
        return SaveOutcome::WriteFailed;
    }
    m_prompts->showNotice(QStringLiteral("Eigene Werte wurden gespeichert."));
    m_ownValuesChanged = false;
    return SaveOutcome::Saved;
}

void TNaewBedarfForm::TakeOverReference()
{
    if (m_ownValuesChanged) {
        if (!SaveOwnValues())
            return;
        m_ownValuesChanged = false;
    }

    // Every field the window shows is in the table now: the list was filled from it, and the
    // own values were taken in by the save above or never edited.
    const TakeOverOutcome outcome = TakeOverRow(m_result.state, selectedRow(), m_dataDirectory);
    if (!outcome.failure.isEmpty())
        m_prompts->showPlainMessage(outcome.failure);
    if (!outcome.notice.isEmpty())
        m_prompts->showNotice(outcome.notice);
    if (!outcome.inForce)
        return;
    m_result.takenOver = true;
    close();
}

int TNaewBedarfForm::selectedRow() const
{
    const int row = m_radioGroup->checkedId();
    return row < 0 ? DefaultRadioRow : row;
}

void TNaewBedarfForm::SpeichernBtnClick()
{
    SaveOwnValues();
}

void TNaewBedarfForm::UebernehmenBtnClick()
{
    TakeOverReference();
}

void TNaewBedarfForm::CloseBtnClick()
{
    close();
}

void TNaewBedarfForm::NwBedarfDgeListViewClick()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    const int row = selected.isEmpty() ? DefaultRadioRow : selected.first().row();
    m_radioGroup->button(row)->setChecked(true);
}

void TNaewBedarfForm::Label20Click()
{
    m_radioGroup->button(OwnMaleRow)->setChecked(true);
}

void TNaewBedarfForm::Label2Click()
{
    m_radioGroup->button(OwnFemaleRow)->setChecked(true);
}

void TNaewBedarfForm::NwRefEdit81Change()
{
    m_ownValuesChanged = true;
}

bool TNaewBedarfForm::FormClose()
{
    if (!m_ownValuesChanged)
        return true;
    switch (m_prompts->askUser(QStringLiteral("Änderungen speichern?"), ModeYesNoCancel)) {
    case AnswerLeft:
        // Closing after a refused field or a failed write would throw away the values the
        // user just asked to keep; the save has said why, once.
        if (saveOwnValues() != SaveOutcome::Saved)
            return false;
        // A successful take-over closes the window itself; a failed one keeps it open.
        TakeOverReference();
        return m_result.takenOver;
    case AnswerRight:
        m_prompts->showNotice(QStringLiteral("Die Änderungen wurden nicht gespeichert"));
        return true;
    default:
        // "Abbrechen" or the question closed: the user goes on where they were.
        return false;
    }
}

void TNaewBedarfForm::done(int result)
{
    // A take-over inside the close question closes the window again; the outer close finishes it.
    if (m_closing)
        return;
    m_closing = true;
    const bool mayClose = FormClose();
    m_closing = false;
    if (mayClose)
        QDialog::done(result);
}

bool TNaewBedarfForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_label20) {
            Label20Click();
        } else if (watched == m_label2) {
            Label2Click();
        } else if (watched == m_list->viewport()) {
            // A click beside the items leaves nothing selected, as the handler expects.
            const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
            if (!m_list->indexAt(position).isValid())
                m_list->clearSelection();
            NwBedarfDgeListViewClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}
