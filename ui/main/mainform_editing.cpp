// Editing the meals: remove, change, move, clear a meal, clear the input line, reset all.

#include "tmainform.h"

#include "userprompts.h"

#include <QLabel>
#include <QTableWidget>

void TMainForm::RemoveEntry()
{
    const int meal = m_plan.activeMeal();
    const int row = selectedEntry(meal);
    if (row < 0) {
        m_context.prompts->showNotice(QStringLiteral("Es ist keine Zeile ausgewählt!"));
    } else {
        m_plan.remove(meal, row);
        showMeal(meal);
        RecomputeBalance();
    }
    // Even a press without a selection counts as a change, so closing asks about saving.
    m_plan.setChanged(true);
    UpdateMealMarkers();
    keepSession();
}

void TMainForm::ChangeEntry()
{
    const int meal = m_plan.activeMeal();
    if (mealList(meal) == nullptr) {
        m_context.prompts->showNotice(QStringLiteral("Mahlzeiten-Liste nicht gefunden"));
        return;
    }
    const int row = selectedEntry(meal);
    if (row < 0) {
        m_context.prompts->showNotice(QStringLiteral("Es ist keine Zeile ausgewählt!"));
        return;
    }
    const MealEntry entry = m_plan.meal(meal).at(row);
    const int position = m_store.index().findById(entry.id);
    if (position < 0) {
        m_context.prompts->showNotice(QStringLiteral("Lebensmittel nicht in Datenbank gefunden!"));
        return;
    }
    // The values come fresh from the food data; only the amount is taken from the entry.
    m_inputLine.amount = entry.amount;
    ShowFoodInInputLine(position);
    RemoveEntry();
    m_plan.setChanged(true);
    keepSession();
}

void TMainForm::MoveEntryUp(int meal)
{
    const int row = selectedEntry(meal);
    if (m_plan.entryCount(meal) == 0 || row <= 0)
        return;
    m_plan.swap(meal, row, row - 1);
    // The order is what the next save writes, so a new order is a change.
    m_plan.setChanged(true);
    showMeal(meal);
    selectEntry(meal, row - 1);
    keepSession();
}

void TMainForm::MoveEntryDown(int meal)
{
    const int row = selectedEntry(meal);
    if (m_plan.entryCount(meal) == 0 || row < 0 || row >= m_plan.entryCount(meal) - 1)
        return;
    m_plan.swap(meal, row, row + 1);
    m_plan.setChanged(true);
    showMeal(meal);
    selectEntry(meal, row + 1);
    keepSession();
}

void TMainForm::ClearMeal(int meal)
{
    // Emptying an empty meal changes nothing, and so asks nothing at the end.
    if (m_plan.entryCount(meal) > 0)
        m_plan.setChanged(true);
    m_plan.clear(meal);
    showMeal(meal);
    RecomputeBalance();
    keepSession();
}

void TMainForm::ClearInputLine()
{
    m_inputLine.clearFood();
    m_inputLine.amount.clear();
    m_inputLine.unitCaption = QStringLiteral("g, St");
    showInputLine();
}

void TMainForm::ResetAll()
{
    // Only a written file, or "Nein", lets the reset go on.
    if (!offerToSaveChanges())
        return;

    setLabelText(QStringLiteral("DateiNameLabel"), QString());
    m_plan.setLoadedMealFilePath(QString());
    m_plan.setMealFilePath(QString());
    ClearInputLine();
    m_plan.clearAll();
    showAllMeals();
    RecomputeBalance();
    UpdateMealMarkers();
    setActiveMeal(1);
    keepSession();
}
