// The commands on the day: each one goes to the session with what only the window knows (the
// selected row), and the focus goes where the session asks for it.

#include "tmainform.h"

#include "userprompts.h"

#include <QTableWidget>

void TMainForm::RemoveEntry()
{
    m_session->removeEntry(selectedEntry(m_session->plan().activeMeal()));
}

void TMainForm::ChangeEntry()
{
    const int meal = m_session->plan().activeMeal();
    if (mealList(meal) == nullptr) {
        m_context.prompts->showNotice(QStringLiteral("Mahlzeiten-Liste nicht gefunden"));
        return;
    }
    m_session->changeEntry(selectedEntry(meal));
}

void TMainForm::MoveEntryUp(int meal)
{
    const int moved = m_session->moveEntryUp(meal, selectedEntry(meal));
    if (moved >= 0)
        selectEntry(meal, moved);
}

void TMainForm::MoveEntryDown(int meal)
{
    const int moved = m_session->moveEntryDown(meal, selectedEntry(meal));
    if (moved >= 0)
        selectEntry(meal, moved);
}

void TMainForm::ClearMeal(int meal)
{
    m_session->clearMeal(meal);
}

void TMainForm::ClearInputLine()
{
    m_session->clearInputLine();
}

void TMainForm::ResetAll()
{
    m_session->resetAll();
}

void TMainForm::Undo()
{
    m_session->undo();
}

void TMainForm::Redo()
{
    m_session->redo();
}

bool TMainForm::SaveMealFile()
{
    return m_session->saveMealFile();
}

void TMainForm::ReadMealFile()
{
    focusAmount(m_session->readMealFile());
}

void TMainForm::OfferSessionRecovery()
{
    focusAmount(m_session->offerRecovery());
}
