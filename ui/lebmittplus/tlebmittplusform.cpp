#include "tlebmittplusform.h"

#include "foodlistcolumns.h"
#include "foodrowsmodel.h"
#include "foodrowsview.h"
#include "foodstore.h"
#include "formkit.h"
#include "ownfood.h"
#include "userprompts.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace {

constexpr int ColumnPitch = 54; // distance between the value columns
constexpr int ValueLeft = 457;  // left of the first value field and list column in the window
constexpr int FieldWidth = 50;

// The list's cells for one food, in FoodColumn order.
QStringList FoodCells(const QString &name, const QString &id, const QString &amount,
                      const QStringList &values)
{
    QStringList cells = {name, QStringLiteral("NwAnDb"), id, amount};
    cells.append(values);
    return cells;
}

} // namespace

TLebmittPlusForm::TLebmittPlusForm(UserPrompts *prompts, FoodStore &store, Clock clock, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_store(store), m_clock(std::move(clock))
{
    SetUpFixedWindow(this, QStringLiteral("LebmittPlusForm"), QSize(1192, 593), QColor(192, 192, 192));
    setWindowTitle(AppTitle());
    setModal(true);
    createControls();
}

void TLebmittPlusForm::createControls()
{
    const auto &catalogue = NutrientCatalogue();

    QFrame *panel1 = MakePanel(this, QStringLiteral("Panel1"), QRect(8, 8, 1177, 72));
    MakeTitleLabel(panel1, QStringLiteral("Label2"), QStringLiteral("Zusätzliche Lebensmittel"),
                   QRect(16, 27, 1, 17));
    QPushButton *saveButton = MakeButton(panel1, QStringLiteral("SpeichernBtn"), QStringLiteral("Speichern"),
                                         QRect(305, 15, 97, 42));
    QPushButton *closeButton =
        MakeButton(panel1, QStringLiteral("CloseBtn"), QStringLiteral("Schließen"), QRect(408, 15, 97, 42));
    connect(saveButton, &QPushButton::clicked, this, &TLebmittPlusForm::SpeichernBtnClick);
    connect(closeButton, &QPushButton::clicked, this, &TLebmittPlusForm::CloseBtnClick);

    // The user's own household measures of every food, in the free right part of the top strip:
    // made in the main window's measure list, seen and deleted here beside the own foods.
    m_measureList = new QListWidget(panel1);
    m_measureList->setObjectName(QStringLiteral("EigeneMasseListe"));
    m_measureList->setGeometry(530, 6, 508, 60);
    m_measureList->setToolTip(QStringLiteral("Eigene Haushaltsmaße (angelegt über „Eigenes Maß ...“ im Hauptfenster)"));
    QPushButton *deleteMeasure = MakeButton(panel1, QStringLiteral("MassLoeschenBtn"), QStringLiteral("Maß löschen"),
                                            QRect(1046, 15, 120, 42));
    connect(deleteMeasure, &QPushButton::clicked, this, &TLebmittPlusForm::MassLoeschenBtnClick);

    // The head strip names the input fields below it; its positions are relative to Panel3.
    constexpr int stripLeft = 17;
    QFrame *panel3 = MakePanel(this, QStringLiteral("Panel3"),
                               QRect(stripLeft, 86, ValueLeft + ColumnPitch * NutrientCount - stripLeft, 24));
    SetBackground(panel3, QColor(255, 255, 0));
    MakeFittedLabel(panel3, QStringLiteral("Label21"), QStringLiteral(" Lebensmittel"), 0, 3);
    MakeLabel(panel3, QStringLiteral("Label1"), QStringLiteral("ID"),
              QRect(349 - stripLeft, 3, FieldWidth, 17), Qt::AlignCenter);
    // "Bez.Menge" is wider than its column; it leans left into the short "ID" column so that
    // it keeps clear of the first nutrient name.
    MakeLabel(panel3, QStringLiteral("MengeLabel"), QStringLiteral("Bez.Menge"),
              QRect(403 - stripLeft - 5, 3, FieldWidth, 17), Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k) {
        MakeLabel(panel3, QStringLiteral("NwBezLabel%1").arg(k), catalogue.at(k).shortName,
                  QRect(ValueLeft + ColumnPitch * k - stripLeft, 3, FieldWidth, 17), Qt::AlignCenter);
    }

    m_nameEdit = MakeEdit(this, QStringLiteral("InpLebeEdit"), QRect(17, 112, 328, 21), OwnFoodNameMaxLength);
    m_idLabel = new QLabel(this);
    m_idLabel->setObjectName(QStringLiteral("IdLabel"));
    m_idLabel->setGeometry(349, 112, FieldWidth, 21);
    m_idLabel->setAlignment(Qt::AlignCenter);
    m_amountEdit = MakeEdit(this, QStringLiteral("InpBMengEdit"), QRect(403, 112, FieldWidth, 21), 6);
    for (int k = 0; k < NutrientCount; ++k) {
        m_valueEdits[k] = MakeEdit(this, QStringLiteral("InpPlusEdit%1").arg(k),
                                   QRect(ValueLeft + ColumnPitch * k, 112, FieldWidth, 21), 6);
    }

    MakeLabel(this, QStringLiteral("Label13"), QStringLiteral("g , St"), QRect(403, 140, FieldWidth, 17),
              Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k) {
        MakeLabel(this, QStringLiteral("KopfLabel%1").arg(k), catalogue.at(k).unitLabel,
                  QRect(ValueLeft + ColumnPitch * k, 140, FieldWidth, 17), Qt::AlignCenter);
    }

    QFrame *panel2 = MakePanel(this, QStringLiteral("Panel2"), QRect(8, 176, 1177, 32));
    QPushButton *enterButton = MakeButton(panel2, QStringLiteral("LebMitEinfgBtn"),
                                          QStringLiteral("Lebensmittel eintragen"), QRect(9, 3, 160, 26));
    QPushButton *removeButton = MakeButton(panel2, QStringLiteral("LebMitLoeschenBtn"),
                                           QStringLiteral("Lebensmittel entfernen"), QRect(175, 3, 160, 26));
    QPushButton *changeButton = MakeButton(panel2, QStringLiteral("LebMitAendernBtn"),
                                           QStringLiteral("Lebensmittel ändern"), QRect(341, 3, 160, 26));
    connect(enterButton, &QPushButton::clicked, this, &TLebmittPlusForm::LebMitEinfgBtnClick);
    connect(removeButton, &QPushButton::clicked, this, &TLebmittPlusForm::LebMitLoeschenBtnClick);
    connect(changeButton, &QPushButton::clicked, this, &TLebmittPlusForm::LebMitAendernBtnClick);

    QStringList captions = {QStringLiteral("Lebensmittel"), QStringLiteral("DbTyp"), QStringLiteral("ID"),
                            QStringLiteral("Bez.Menge")};
    for (const NutrientEntry &nutrient : catalogue)
        captions.append(nutrient.shortName);
    m_model = new FoodRowsModel(captions, this);
    m_list = MakeFoodRowsView(this, QStringLiteral("NwAnDbListView"), m_model, QRect(8, 232, 1177, 313));
    for (int column = 0; column < FoodColumn::Count; ++column) {
        const int width = column == FoodColumn::Name ? 340 : ColumnPitch;
        m_list->setColumnWidth(column, width);
        m_model->setCaptionFont(column, HeaderCaptionFont(m_list, captions.at(column), width));
    }
    m_list->setColumnHidden(FoodColumn::Db, true);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TLebmittPlusForm::NwAnDbListViewColumnClick);

    m_countLabel = MakeLabel(this, QStringLiteral("Label16"), QStringLiteral("0"), QRect(33, 551, 60, 17));
    MakeFittedLabel(
        this, QStringLiteral("Label17"),
        QStringLiteral("Ein Klick auf eine Spaltenüberschrift sortiert die Tabelle ab- bzw. aufsteigend"),
        296, 551);

    setTabOrder(m_nameEdit, m_amountEdit);
    QWidget *previous = m_amountEdit;
    for (QLineEdit *edit : m_valueEdits) {
        setTabOrder(previous, edit);
        previous = edit;
    }
}

void TLebmittPlusForm::OpenAdditionalFoods()
{
    m_list->clearSelection();
    const QList<AdditionalFoodRow> stored = AdditionalFoodRows(m_store.additionalLines());
    QList<QStringList> rows;
    rows.reserve(stored.size());
    for (const AdditionalFoodRow &food : stored)
        rows.append(FoodCells(food.name, food.id, food.referenceAmount, food.values));
    m_model->setRows(rows);
    clearInputFields();
    m_countLabel->setText(QString::number(std::max<qsizetype>(m_store.additionalLines().size() - 2, 0)));
    m_changed = false;
    showOwnMeasures();
}

void TLebmittPlusForm::showOwnMeasures()
{
    m_measureList->clear();
    // Reading NwMasse.dat here, not at start: a missing file is no own measure and no message.
    const QList<OwnMeasure> measures = m_store.ownMeasures().list();
    for (const OwnMeasure &own : measures) {
        const int position = m_store.index().findById(own.id);
        const QString food = position >= 0 ? m_store.index().record(position).name.trimmed() : own.id;
        auto *item = new QListWidgetItem(QStringLiteral("%1: 1 %2 = %3 g")
                                             .arg(food, own.measure.name, QString::number(own.measure.amount)),
                                         m_measureList);
        item->setData(Qt::UserRole, own.id);
        item->setData(Qt::UserRole + 1, own.measure.name);
        item->setData(Qt::UserRole + 2, food);
    }
    if (measures.isEmpty()) {
        auto *none = new QListWidgetItem(QStringLiteral("Keine eigenen Maße: im Hauptfenster in der Maßliste "
                                                        "neben der Menge „Eigenes Maß ...“ wählen."),
                                         m_measureList);
        none->setFlags(Qt::NoItemFlags);
    }
}

void TLebmittPlusForm::MassLoeschenBtnClick()
{
    const QListWidgetItem *item = m_measureList->currentItem();
    if (item == nullptr || !item->isSelected() || item->data(Qt::UserRole).toString().isEmpty()) {
        m_prompts->showNotice(QStringLiteral("Es ist kein Maß ausgewählt!"));
        return;
    }
    const QString id = item->data(Qt::UserRole).toString();
    const QString name = item->data(Qt::UserRole + 1).toString();
    const QString food = item->data(Qt::UserRole + 2).toString();
    if (m_prompts->askUser(QStringLiteral("Das eigene Maß „%1“ von „%2“ löschen?").arg(name, food), ModeYesNo) !=
        AnswerLeft)
        return;
    const WriteResult written = m_store.deleteOwnMeasure(id, name);
    if (!written.ok)
        m_prompts->showNotice(written.message());
    showOwnMeasures();
}

void TLebmittPlusForm::editAdditionalFoods(const QPoint &mainTopLeft)
{
    OpenAdditionalFoods();
    move(mainTopLeft + QPoint(8, 28));
    exec();
}

QList<AdditionalFoodRow> TLebmittPlusForm::rows() const
{
    QList<AdditionalFoodRow> result;
    result.reserve(m_model->rowCount());
    for (const QStringList &cells : m_model->rows()) {
        result.append({cells.at(FoodColumn::Id), cells.at(FoodColumn::Name), cells.at(FoodColumn::Amount),
                       cells.mid(FoodColumn::FirstValue, NutrientCount)});
    }
    return result;
}

void TLebmittPlusForm::LebMitEinfgBtnClick()
{
    AdditionalFoodRow food;
    food.id = m_idLabel->text();
    food.name = m_nameEdit->text();
    food.referenceAmount = m_amountEdit->text();
    for (const QLineEdit *edit : m_valueEdits)
        food.values.append(edit->text());
    QList<AdditionalFoodRow> shown = rows();
    const OwnFoodAdd added = AddOwnFood(shown, food, false, m_clock());
    if (!added.ok) {
        if (added.sameName >= 0) {
            m_list->scrollTo(m_model->index(added.sameName, FoodColumn::Name));
            m_list->selectRow(added.sameName);
        }
        m_prompts->showNotice(added.notice);
        switch (added.field) {
        case OwnFoodField::Name:
            m_nameEdit->setFocus();
            break;
        case OwnFoodField::ReferenceAmount:
            m_amountEdit->setFocus();
            break;
        case OwnFoodField::Value:
            m_valueEdits[added.nutrient]->setFocus();
            break;
        case OwnFoodField::None:
            break;
        }
        return;
    }
    const AdditionalFoodRow &row = added.row;
    m_model->appendRow(FoodCells(row.name, row.id, row.referenceAmount, row.values));
    showRowCount();
    clearInputFields();
    m_changed = true;
}

void TLebmittPlusForm::LebMitLoeschenBtnClick()
{
    const int row = selectedRow();
    if (row < 0) {
        m_prompts->showNotice(QStringLiteral("Es ist keine Zeile ausgewählt!"));
    } else {
        m_model->takeRow(row);
        showRowCount();
    }
    m_changed = true;
}

void TLebmittPlusForm::LebMitAendernBtnClick()
{
    const int row = selectedRow();
    if (row < 0) {
        m_prompts->showPlainMessage(QStringLiteral("Es ist keine Zeile ausgewählt!"));
        return;
    }
    const QStringList cells = m_model->takeRow(row);
    m_nameEdit->setText(cells.at(FoodColumn::Name));
    m_idLabel->setText(cells.at(FoodColumn::Id));
    m_amountEdit->setText(cells.at(FoodColumn::Amount));
    for (int k = 0; k < NutrientCount; ++k)
        m_valueEdits[k]->setText(cells.at(FoodColumn::Value(k)));
    m_changed = true;
    showRowCount();
}

void TLebmittPlusForm::SpeichernBtnClick()
{
    saveRows();
}

bool TLebmittPlusForm::saveRows()
{
    if (!m_changed) {
        m_prompts->showNotice(QStringLiteral("Es wurde nichts geändert!"));
        return true;
    }
    const QList<AdditionalFoodRow> foods = rows();
    const WriteResult written = m_store.saveAdditionalFoods(foods, m_clock().date());
    if (!written.ok) {
        // The rows stay and still count as unsaved, so the user can try again.
        m_prompts->showPlainMessage(written.message());
        return false;
    }
    m_changed = false;
    emit foodsSaved();
    m_prompts->showNotice(QStringLiteral("Es wurden %1 Lebensmittel gespeichert").arg(foods.size()));
    return true;
}

void TLebmittPlusForm::CloseBtnClick()
{
    close();
}

bool TLebmittPlusForm::FormClose()
{
    if (!m_changed)
        return true;
    switch (m_prompts->askUser(QStringLiteral("Änderungen speichern?"), ModeYesNoCancel)) {
    case AnswerLeft:
        // Closing after a refused or failed save would drop the rows the user just asked to keep.
        return saveRows();
    case AnswerRight:
        return true;
    default:
        // "Abbrechen" or the question closed: the user goes on where they were.
        return false;
    }
}

void TLebmittPlusForm::done(int result)
{
    if (FormClose())
        QDialog::done(result);
}

void TLebmittPlusForm::NwAnDbListViewColumnClick(int column)
{
    m_sort.click(column);
    m_model->sortRows(column, m_sort.descending);
    // The saved order follows the displayed order.
    m_changed = true;
}

int TLebmittPlusForm::selectedRow() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TLebmittPlusForm::clearInputFields()
{
    m_nameEdit->clear();
    m_idLabel->clear();
    m_amountEdit->clear();
    for (QLineEdit *edit : m_valueEdits)
        edit->clear();
}

void TLebmittPlusForm::showRowCount()
{
    m_countLabel->setText(QString::number(m_model->rowCount()));
}
