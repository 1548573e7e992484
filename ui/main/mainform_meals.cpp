// Showing the day: what the session names as changed goes to the input line, the meal lists,
// the sums, percentages and markers, the file-name label, the counts and the status line.

#include "tmainform.h"

#include "foodlistcolumns.h"
#include "ownmeasuredialog.h"
#include "statusstrip.h"
#include "tauswprojekteform.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

void TMainForm::showDayChange(DayParts parts)
{
    for (int n = 1; n <= MealCount; ++n) {
        if (parts & MealPart(n))
            showMeal(n);
    }
    if (parts & DayPart::Meals)
        UpdateMealMarkers();
    if (parts & DayPart::Balance)
        showBalance();
    if (parts & DayPart::InputLine)
        showInputLine();
    if (parts & DayPart::FileLabel)
        setLabelText(QStringLiteral("DateiNameLabel"), m_session->fileLabel());
    if (parts & DayPart::DiaryDate)
        showDiaryDate();
    if (parts & DayPart::Foods) {
        showFoodCounts();
        // The selection list's rows are positions in the index that was replaced.
        if (m_selectionWindow != nullptr)
            m_selectionWindow->clearList();
    }
    if (parts & DayPart::ActiveMeal)
        m_pages->setCurrentIndex(m_session->plan().activeMeal() - 1);
    if (parts & DayPart::Requirement)
        ShowActiveReference();
    if (parts & DayPart::LastingStatus)
        showStatus(m_session->lastingStatus());
    if (parts & DayPart::PassingStatus)
        showStatus(m_session->passingStatus(), PassingStatusMs);
}

void TMainForm::ShowFoodInInputLine(int position)
{
    m_session->showFood(position);
}

void TMainForm::showInputLine()
{
    const InputLine &line = m_session->inputLine();
    setLabelText(QStringLiteral("IdLabel"), line.id);
    setLabelText(QStringLiteral("DbTypLabel"), line.dbType);
    setLabelText(QStringLiteral("BezeLabel"), line.name);
    labelNamed(QStringLiteral("BezeLabel"))->setToolTip(line.nameHint);
    setLabelText(QStringLiteral("MengLabel"), line.referenceAmount);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("NwLabel%1").arg(k), line.values.value(k));
    m_amountEdit->setText(line.amount);
    // Until a food has been picked the unit captions keep their start-up texts.
    if (!line.unitCaption.isEmpty()) {
        setLabelText(QStringLiteral("KopfMengLabel"), line.unitCaption);
        setLabelText(QStringLiteral("Label12"), line.unitCaption);
    }
    showMeasures();
}

namespace {

// The item data of "Eigenes Maß ...", which no measure's amount text can be.
const QString OwnMeasureItem = QStringLiteral("eigenes");

} // namespace

void TMainForm::showMeasures()
{
    const QList<FoodMeasure> measures = m_session->inputMeasures();
    const InputLine &line = m_session->inputLine();
    // A food per 100 g may get measures of the user's own; one counted in pieces has its one
    // "Portion".
    const bool ownAllowed = !line.id.isEmpty() && IsPerHundredGrams(line.referenceAmount);
    if (measures.isEmpty() && !ownAllowed && m_measureList == nullptr)
        return;
    if (m_measureList == nullptr)
        makeMeasureList();
    QStringList texts = MeasureListTexts(measures, line.referenceAmount);
    m_measureList->clear();
    for (int i = 0; i < measures.size(); ++i)
        m_measureList->addItem(texts.at(i), MeasureAmountText(measures.at(i)));
    if (ownAllowed) {
        texts.append(OwnMeasureText());
        m_measureList->addItem(texts.last(), OwnMeasureItem);
    }
    m_measureList->setCurrentIndex(-1);
    // The list opens as wide as its longest text, wider than the box itself.
    int widest = 0;
    for (const QString &text : texts)
        widest = qMax(widest, m_measureList->fontMetrics().horizontalAdvance(text));
    m_measureList->view()->setMinimumWidth(widest + 24);
    if (texts.isEmpty() && m_measureList->hasFocus())
        m_amountEdit->setFocus();
    m_measureList->setVisible(!texts.isEmpty());
}

void TMainForm::makeMeasureList()
{
    // Over the two hidden labels right of the unit, so that nothing else moves; hidden while
    // no food is picked. Choosing one puts "1 Scheibe" into the amount, with the
    // number selected to be typed over.
    m_measureList = new QComboBox(this);
    m_measureList->setObjectName(QStringLiteral("MassListe"));
    m_measureList->setGeometry(296, 138, 98, 22);
    m_measureList->setPlaceholderText(QStringLiteral("Maß"));
    m_measureList->setToolTip(QStringLiteral("Haushaltsmaße des Lebensmittels"));
    m_measureList->view()->setTextElideMode(Qt::ElideNone);
    connect(m_measureList, &QComboBox::activated, this, [this](int index) { chooseMeasure(index); });
    setTabOrder(m_amountEdit, m_measureList);
    setTabOrder(m_measureList, m_enterButton);
}

void TMainForm::chooseMeasure(int index)
{
    const QString amount = m_measureList->itemData(index).toString();
    // The box shows its caption again, so the same measure can be chosen once more.
    m_measureList->setCurrentIndex(-1);
    if (amount == OwnMeasureItem) {
        AddOwnMeasure();
        return;
    }
    if (amount.isEmpty())
        return;
    m_amountEdit->setText(amount);
    m_session->setAmountText(amount);
    m_amountEdit->setFocus();
    // "1" selected: typing "2" makes "2 Scheibe", which reads as two slices.
    m_amountEdit->setSelection(0, int(amount.indexOf(u' ')));
}

QString TMainForm::OwnMeasureText()
{
    return QStringLiteral("Eigenes Maß ...");
}

void TMainForm::AddOwnMeasure()
{
    if (m_ownMeasureDialog == nullptr)
        m_ownMeasureDialog = new OwnMeasureDialog(this);
    const std::optional<OwnMeasureInput> input = m_ownMeasureDialog->ask(m_session->inputLine().name);
    m_amountEdit->setFocus();
    if (!input || !m_session->addOwnMeasure(input->name, input->gramsText))
        return;
    // "1 Becher" in the amount, the number selected to be typed over, as a measure chosen.
    m_amountEdit->setSelection(0, int(m_amountEdit->text().indexOf(u' ')));
}

void TMainForm::focusAmount(FocusRequest request)
{
    if (request == FocusRequest::Amount)
        m_amountEdit->setFocus();
}

void TMainForm::EnterFood()
{
    focusAmount(m_session->enterFood());
}

void TMainForm::RecomputeBalance()
{
    m_session->recomputeBalance();
}

void TMainForm::showBalance()
{
    const DayBalance &balance = m_session->balance();
    for (int n = 1; n <= MealCount; ++n) {
        m_mealSumTexts[n - 1] = SumTexts(balance.mealSums[n - 1], m_context.locale);
        showMealSums(n);
    }
    const SumRowTexts dayTexts = SumTexts(balance.daySums, m_context.locale);
    setLabelText(QStringLiteral("MengLabelTaSu"), dayTexts.amount);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("LabelTaSu%1").arg(k), dayTexts.nutrients.value(k));

    for (int k = 0; k < NutrientCount; ++k) {
        QLabel *label = labelNamed(QStringLiteral("ProzLabel%1").arg(k));
        label->setText(PercentText(balance.percent[k]));
        const Rgb colour = PercentClassColour(balance.classes[k]);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
        label->setPalette(palette);
    }
    UpdateMealMarkers();
}

void TMainForm::showMealSums(int meal)
{
    // A page still to be made takes the texts when it is made.
    if (m_mealLists[meal - 1] == nullptr)
        return;
    const SumRowTexts &texts = m_mealSumTexts[meal - 1];
    setLabelText(QStringLiteral("MengLabelSu%1").arg(meal), texts.amount);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("LabelMa%1Su%2").arg(meal).arg(k), texts.nutrients.value(k));
}

void TMainForm::UpdateMealMarkers()
{
    for (int n = 1; n <= MealCount; ++n)
        m_markers[n - 1]->setVisible(m_session->plan().entryCount(n) > 0);
}

void TMainForm::ShowWaterShares()
{
    m_session->showWaterShares();
}

void TMainForm::ShowActiveReference()
{
    const ReferenceSet &active = m_session->requirements().active;
    setLabelText(QStringLiteral("KohorteLabel"), active.title);
    const QStringList texts = ReferenceValueTexts(active, m_context.locale);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("TaBedLabel%1").arg(k), texts.value(k));
}

void TMainForm::setActiveMeal(int meal)
{
    m_session->setActiveMeal(meal);
    m_pages->setCurrentIndex(meal - 1);
}

// ---- meal lists -----------------------------------------------------------------------------

void TMainForm::showMeal(int meal)
{
    // A page still to be made shows its meal when it is made.
    QTableWidget *list = m_mealLists[meal - 1];
    if (list == nullptr)
        return;
    const QList<MealEntry> &entries = m_session->plan().meal(meal);
    list->clearSelection();
    list->setRowCount(int(entries.size()));
    const Qt::Alignment numbers = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < entries.size(); ++row) {
        const MealEntry &entry = entries.at(row);
        // In FoodColumn order.
        const QStringList cells =
            QStringList{entry.name, entry.dbCode, entry.id, entry.amount} + entry.values;
        for (int column = 0; column < cells.size() && column < list->columnCount(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column >= FoodColumn::Amount)
                item->setTextAlignment(numbers);
            // The measure the amount was typed in, over the whole row.
            if (!entry.measure.isEmpty())
                item->setToolTip(entry.measure);
            list->setItem(row, column, item);
        }
    }
}

int TMainForm::selectedEntry(int meal) const
{
    // A page not made yet has nothing selected.
    const QTableWidget *list = meal >= 1 && meal <= MealCount ? m_mealLists[meal - 1] : nullptr;
    if (list == nullptr || list->selectionModel() == nullptr)
        return -1;
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.first().row();
    return row < m_session->plan().entryCount(meal) ? row : -1;
}

void TMainForm::selectEntry(int meal, int row)
{
    QTableWidget *list = mealList(meal);
    list->clearSelection();
    if (row >= 0 && row < list->rowCount())
        list->selectRow(row);
}
