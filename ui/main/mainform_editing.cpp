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
}

void TMainForm::MoveEntryUp(int meal)
{
    const int row = selectedEntry(meal);
    if (m_plan.entryCount(meal) == 0 || row <= 0)
        return;
    m_plan.swap(meal, row, row - 1);
    showMeal(meal);
    selectEntry(meal, row - 1);
}

void TMainForm::MoveEntryDown(int meal)
{
    const int row = selectedEntry(meal);
    if (m_plan.entryCount(meal) == 0 || row < 0 || row >= m_plan.entryCount(meal) - 1)
        return;
    m_plan.swap(meal, row, row + 1);
    showMeal(meal);
    selectEntry(meal, row + 1);
}

void TMainForm::ClearMeal(int meal)
{
    m_plan.clear(meal);
    showMeal(meal);
    RecomputeBalance();
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
    // Whatever the save does (written, cancelled, refused), the reset goes on.
    if (m_plan.changed() &&
        m_context.prompts->askUser(QStringLiteral("Änderungen speichern?"), ModeYesNo) == AnswerLeft)
        SaveMealFile();

    setLabelText(QStringLiteral("DateiNameLabel"), QString());
    m_plan.setLoadedMealFilePath(QString());
    ClearInputLine();
    m_plan.clearAll();
    showAllMeals();
    RecomputeBalance();
    UpdateMealMarkers();
    setActiveMeal(1);
}
