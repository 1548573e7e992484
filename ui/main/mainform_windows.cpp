// Opening the other windows, and what the main window does when they report back.

#include "tmainform.h"

#include "numbertext.h"
#include "tallenaehrwerteform.h"
#include "tauswprojekteform.h"
#include "tlebmittplusform.h"
#include "tlizform.h"
#include "tmaxwerteform.h"
#include "tmehreretageform.h"
#include "tnaewbedarfform.h"
#include "trezeptform.h"
#include "userprompts.h"

#include <QLineEdit>

// Each of the other windows is made when it is first opened, not with the main window: together
// they cost a fifth of the start-up and most runs open few of them. Once made, a window stays
// for the rest of the run and keeps its state from one opening to the next.

QPoint TMainForm::dialogOrigin() const
{
    return pos();
}

void TMainForm::OpenFoodSelection()
{
    if (m_selectionWindow == nullptr)
        m_selectionWindow = new TAuswProjekteForm(m_context.prompts, this);
    // The diary is read for the foods eaten lately only now, when the window is asked for.
    const FoodSelection selection =
        m_selectionWindow->selectFood(foodStore().index(), dialogOrigin(), m_session->recentFoods());
    if (!selection.accepted)
        return;
    m_session->pickFood(selection.position);
    // The amount is what the user types next.
    m_amountEdit->setFocus(Qt::OtherFocusReason);
}

void TMainForm::OpenAdditionalFoods()
{
    if (m_additionalFoodsWindow == nullptr) {
        m_additionalFoodsWindow =
            new TLebmittPlusForm(m_context.prompts, m_session->foodStore(), m_context.clock, this);
        // A save rebuilds the store's index while the window stays open; the counts follow at
        // once, and the selection list, whose rows are positions in the old index, is emptied.
        connect(m_additionalFoodsWindow, &TLebmittPlusForm::foodsSaved, m_session.get(),
                &DaySession::foodsChanged);
    }
    m_additionalFoodsWindow->editAdditionalFoods(dialogOrigin());
    // An own measure deleted there leaves the picked food's list.
    showMeasures();
}

void TMainForm::OpenRequirementsWindow()
{
    if (m_requirementsWindow == nullptr) {
        m_requirementsWindow = new TNaewBedarfForm(m_context.prompts, m_context.dataDirectory,
                                                   m_context.clock, GermanNumberLocale(), this);
    }
    const RequirementsResult result =
        m_requirementsWindow->chooseRequirement(m_session->requirements(), dialogOrigin());
    m_session->takeRequirements(result.state, result.takenOver);
}

void TMainForm::OpenInfoWindow()
{
    if (m_infoWindow == nullptr)
        m_infoWindow = new TLizForm(m_context.prompts, m_context.buildStamp, m_context.programFilePath, this);
    m_infoWindow->showUsage(dialogOrigin());
}

void TMainForm::OpenMaxValues()
{
    if (m_maxValuesWindow == nullptr)
        m_maxValuesWindow = new TMaxWerteForm(this);
    m_maxValuesWindow->showFoods(foodStore().index(), dialogOrigin());
}

void TMainForm::OpenSeveralDays()
{
    if (m_severalDaysWindow == nullptr) {
        m_severalDaysWindow = new TMehrereTageForm(m_context.prompts, m_context.dataDirectory,
                                                   m_context.clock, GermanNumberLocale(), this);
        m_severalDaysWindow->setPrinting(foodStore().swissHeaderLine(), m_context.printPreview);
        m_severalDaysWindow->setAllNutrients([this](const DaySummary &summary, QWidget *caller) {
            allNutrientsWindow()->showDays(summary, m_session->requirements(), caller->pos());
        });
    }
    m_severalDaysWindow->setFolders(m_session->hasDiary() ? m_session->diary()->folder() : QString(),
                                    m_session->mealFileFolder(), m_session->reportFolder());
    // "Woche" and "Monat" take the week and month of the day on show (today for a meal file).
    m_severalDaysWindow->setShownDate(m_session->diaryDate());
    // The days are read with the session's foods and requirement, as the day on show is.
    m_severalDaysWindow->showDays(foodStore().index(), foodStore().swissLineCount() == 0,
                                  m_session->requirements().active, dialogOrigin());
}

TAlleNaehrwerteForm *TMainForm::allNutrientsWindow()
{
    if (m_allNutrientsWindow == nullptr) {
        m_allNutrientsWindow = new TAlleNaehrwerteForm(m_context.prompts, m_context.dataDirectory,
                                                       m_context.clock, GermanNumberLocale(), this);
    }
    return m_allNutrientsWindow;
}

void TMainForm::OpenAllNutrients()
{
    allNutrientsWindow()->showDay(m_session->plan(), foodStore().index(), m_session->requirements(), dialogOrigin());
}

void TMainForm::SaveMealAsRecipe(int meal)
{
    if (!m_session->recipeAllowed(meal))
        return;
    if (m_recipeWindow == nullptr)
        m_recipeWindow = new TRezeptForm(m_context.prompts, this);
    m_recipeWindow->saveAsRecipe(meal, m_session->plan().meal(meal), foodStore(), dialogOrigin(),
                                 [this](const RecipeChoice &choice) {
                                     return m_session->saveRecipe(choice.row, choice.replaceExisting);
                                 });
}
