// Opening the other windows, and what the main window does when they report back.

#include "tmainform.h"

#include "tauswprojekteform.h"
#include "tlebmittplusform.h"
#include "tlizform.h"
#include "tmaxwerteform.h"
#include "tnaewbedarfform.h"

#include <QLineEdit>

void TMainForm::createWindows()
{
    UserPrompts *prompts = m_context.prompts;
    m_selectionWindow = new TAuswProjekteForm(prompts, this);
    m_additionalFoodsWindow = new TLebmittPlusForm(prompts, m_store, m_context.clock, this);
    m_requirementsWindow =
        new TNaewBedarfForm(prompts, m_requirements, m_context.dataDirectory, m_context.clock, this);
    m_infoWindow = new TLizForm(prompts, m_context.buildStamp, m_context.programFilePath, this);
    m_maxValuesWindow = new TMaxWerteForm(this);

    connect(m_requirementsWindow, &TNaewBedarfForm::referenceTakenOver, this, [this] {
        ShowActiveReference();
        RecomputeBalance();
    });
    connect(m_additionalFoodsWindow, &TLebmittPlusForm::foodsSaved, this, [this] {
        showFoodCounts();
        // The selection list refers to positions of the old index.
        m_selectionWindow->clearList();
    });
}

QPoint TMainForm::dialogOrigin() const
{
    return pos();
}

void TMainForm::OpenFoodSelection()
{
    const FoodSelection selection = m_selectionWindow->selectFood(m_store.index(), dialogOrigin());
    if (!selection.accepted)
        return;
    m_inputLine.amount.clear();
    m_amountEdit->clear();
    if (selection.position >= 0)
        ShowFoodInInputLine(selection.position);
}

void TMainForm::OpenAdditionalFoods()
{
    m_additionalFoodsWindow->open(dialogOrigin());
}

void TMainForm::OpenRequirementsWindow()
{
    m_requirementsWindow->open(dialogOrigin());
}

void TMainForm::OpenInfoWindow()
{
    m_infoWindow->open(dialogOrigin());
}

void TMainForm::OpenMaxValues()
{
    m_maxValuesWindow->open(m_store.index(), dialogOrigin());
}
