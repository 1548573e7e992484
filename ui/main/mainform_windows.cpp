// Opening the other windows, and what the main window does when they report back.

#include "tmainform.h"

#include "tallenaehrwerteform.h"
#include "tauswprojekteform.h"
#include "tlebmittplusform.h"
#include "tlizform.h"
#include "tmaxwerteform.h"
#include "tmehreretageform.h"
#include "tnaewbedarfform.h"
#include "trezeptform.h"
#include "numbertext.h"
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
    const FoodSelection selection = m_selectionWindow->selectFood(m_store.index(), dialogOrigin());
    if (!selection.accepted)
        return;
    m_inputLine.amount.clear();
    m_amountEdit->clear();
    if (selection.position >= 0)
        ShowFoodInInputLine(selection.position);
    // The amount is what the user types next.
    m_amountEdit->setFocus(Qt::OtherFocusReason);
}

void TMainForm::OpenAdditionalFoods()
{
    if (m_additionalFoodsWindow == nullptr) {
        m_additionalFoodsWindow = new TLebmittPlusForm(m_context.prompts, m_store, m_context.clock, this);
        // A save rebuilds the store's index while the window stays open; the counts follow at
        // once, and the selection list, whose rows are positions in the old index, is emptied.
        connect(m_additionalFoodsWindow, &TLebmittPlusForm::foodsSaved, this, [this] {
            showFoodCounts();
            if (m_selectionWindow != nullptr)
                m_selectionWindow->clearList();
        });
    }
    m_additionalFoodsWindow->editAdditionalFoods(dialogOrigin());
}

void TMainForm::OpenRequirementsWindow()
{
    if (m_requirementsWindow == nullptr) {
        m_requirementsWindow = new TNaewBedarfForm(m_context.prompts, m_context.dataDirectory,
                                                   m_context.clock, GermanNumberLocale(), this);
    }
    const RequirementsResult result = m_requirementsWindow->chooseRequirement(m_requirements, dialogOrigin());
    // The own values the window took into the table count even when nothing was taken over.
    m_requirements = result.state;
    if (result.takenOver) {
        ShowActiveReference();
        RecomputeBalance();
    }
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
    m_maxValuesWindow->showFoods(m_store.index(), dialogOrigin());
}

void TMainForm::OpenSeveralDays()
{
    if (m_severalDaysWindow == nullptr) {
        m_severalDaysWindow =
            new TMehrereTageForm(m_context.prompts, m_context.dataDirectory, m_context.clock, GermanNumberLocale(), this);
        m_severalDaysWindow->setPrinting(m_store.swissHeaderLine(), m_context.printPreview);
        m_severalDaysWindow->setAllNutrients([this](const DaySummary &summary, QWidget *caller) {
            allNutrientsWindow()->showDays(summary, m_requirements, caller->pos());
        });
    }
    m_severalDaysWindow->showDays(m_store.index(), m_store.swissLineCount() == 0, m_requirements.active,
                                  dialogOrigin());
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
    allNutrientsWindow()->showDay(m_plan, m_store.index(), m_requirements, dialogOrigin());
}

void TMainForm::SaveMealAsRecipe(int meal)
{
    if (m_plan.entryCount(meal) == 0) {
        m_context.prompts->showNotice(QStringLiteral("Die Mahlzeit ist leer !"));
        return;
    }
    // An own-foods file found at start but not taken in is kept as it is; said before the
    // dialog asks for anything, since the save would be refused anyway.
    if (const FileProtection &protection = m_store.additionalProtection(); protection.isProtected()) {
        m_context.prompts->showPlainMessage(protection.refusal());
        return;
    }
    if (m_recipeWindow == nullptr)
        m_recipeWindow = new TRezeptForm(m_context.prompts, this);
    m_recipeWindow->saveAsRecipe(meal, m_plan.meal(meal), m_store, dialogOrigin(),
                                 [this](const RecipeChoice &choice) { return saveRecipe(choice); });
}

bool TMainForm::saveRecipe(const RecipeChoice &choice)
{
    const RecipeSave saved =
        SaveRecipeAsOwnFood(m_store, choice.row, choice.replaceExisting, m_context.clock());
    if (!saved.plainMessage.isEmpty()) {
        m_context.prompts->showPlainMessage(saved.plainMessage);
        return false;
    }
    if (saved.saved) {
        // As after a save in the own-foods window: the counts follow, and the selection list,
        // whose rows are positions in the old index, is emptied.
        showFoodCounts();
        if (m_selectionWindow != nullptr)
            m_selectionWindow->clearList();
    }
    m_context.prompts->showNotice(saved.notice);
    return true;
}
