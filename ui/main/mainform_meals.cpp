// The road of one food: input line, entering, the meal lists, sums, percentages and markers.

#include "tmainform.h"

#include "foodlistcolumns.h"
#include "userprompts.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

void TMainForm::ShowFoodInInputLine(int position)
{
    ::ShowFoodInInputLine(m_store.index(), position, m_inputLine);
    showInputLine();
}

void TMainForm::showInputLine()
{
    setLabelText(QStringLiteral("IdLabel"), m_inputLine.id);
    setLabelText(QStringLiteral("DbTypLabel"), m_inputLine.dbType);
    setLabelText(QStringLiteral("BezeLabel"), m_inputLine.name);
    labelNamed(QStringLiteral("BezeLabel"))->setToolTip(m_inputLine.nameHint);
    setLabelText(QStringLiteral("MengLabel"), m_inputLine.referenceAmount);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("NwLabel%1").arg(k), m_inputLine.values.value(k));
    m_amountEdit->setText(m_inputLine.amount);
    // Until a food has been picked the unit captions keep their start-up texts.
    if (!m_inputLine.unitCaption.isEmpty()) {
        setLabelText(QStringLiteral("KopfMengLabel"), m_inputLine.unitCaption);
        setLabelText(QStringLiteral("Label12"), m_inputLine.unitCaption);
    }
}

void TMainForm::EnterFood()
{
    const EnterResult result = ::EnterFood(m_plan, m_inputLine);
    if (!result.entered) {
        m_context.prompts->showNotice(result.message);
        if (result.focusAmount)
            m_amountEdit->setFocus();
        return;
    }
    showMeal(m_plan.activeMeal());
    UpdateMealMarkers();
    RecomputeBalance();
    showInputLine();
    keepSession();
}

void TMainForm::RecomputeBalance()
{
    m_balance = ComputeBalance(m_plan, m_requirements.active);

    for (int n = 1; n <= MealCount; ++n) {
        m_mealSumTexts[n - 1] = SumTexts(m_balance.mealSums[n - 1], m_context.locale);
        showMealSums(n);
    }
    const SumRowTexts dayTexts = SumTexts(m_balance.daySums, m_context.locale);
    setLabelText(QStringLiteral("MengLabelTaSu"), dayTexts.amount);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("LabelTaSu%1").arg(k), dayTexts.nutrients.value(k));

    for (int k = 0; k < NutrientCount; ++k) {
        QLabel *label = labelNamed(QStringLiteral("ProzLabel%1").arg(k));
        label->setText(PercentText(m_balance.percent[k]));
        const Rgb colour = PercentClassColour(m_balance.classes[k]);
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
        m_markers[n - 1]->setVisible(m_plan.entryCount(n) > 0);
}

void TMainForm::ShowWaterShares()
{
    m_context.prompts->showNotice(WaterSharesText(m_balance));
}

void TMainForm::ShowActiveReference()
{
    setLabelText(QStringLiteral("KohorteLabel"), m_requirements.active.title);
    const QStringList texts = ReferenceValueTexts(m_requirements.active, m_context.locale);
    for (int k = 0; k < NutrientCount; ++k)
        setLabelText(QStringLiteral("TaBedLabel%1").arg(k), texts.value(k));
}

void TMainForm::setActiveMeal(int meal)
{
    m_plan.setActiveMeal(meal);
    m_pages->setCurrentIndex(meal - 1);
}

// ---- meal lists -----------------------------------------------------------------------------

void TMainForm::showMeal(int meal)
{
    // A page still to be made shows its meal when it is made.
    QTableWidget *list = m_mealLists[meal - 1];
    if (list == nullptr)
        return;
    const QList<MealEntry> &entries = m_plan.meal(meal);
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
            list->setItem(row, column, item);
        }
    }
}

void TMainForm::showAllMeals()
{
    for (int n = 1; n <= MealCount; ++n)
        showMeal(n);
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
    return row < m_plan.entryCount(meal) ? row : -1;
}

void TMainForm::selectEntry(int meal, int row)
{
    QTableWidget *list = mealList(meal);
    list->clearSelection();
    if (row >= 0 && row < list->rowCount())
        list->selectRow(row);
}
