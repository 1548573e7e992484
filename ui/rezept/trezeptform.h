#pragma once

#include "fooddata.h"
#include "mealplan.h"
#include "nutrients.h"
#include "recipe.h"

#include <QDialog>
#include <QList>
#include <QPoint>

#include <array>
#include <functional>

class FoodStore;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UserPrompts;

// What the user decided in the recipe dialog.
struct RecipeChoice
{
    bool accepted = false;        // "Speichern" with a recipe that may be saved
    AdditionalFoodRow row;        // the own-food row, id empty
    bool replaceExisting = false; // the user said yes to replacing the own food of that name
};

// Saves a chosen recipe for the dialog; true when it is saved or refused for good, false when
// the file could not be written and the dialog should stay open with what the user typed.
using RecipeSaveStep = std::function<bool(const RecipeChoice &)>;

// The dialog that turns a meal into a recipe: it gathers name, weight after preparation and
// basis, previews the thirteen values as they will be stored and hands the row back; the main
// window saves it.
class TRezeptForm : public QDialog
{
    Q_OBJECT

public:
    // prompts shows the refusals and the replace question; not owned, must outlive the window.
    explicit TRezeptForm(UserPrompts *prompts, QWidget *parent = nullptr);

    // Runs the dialog modally for the entries of meal (not empty), with the foods and own
    // foods of store, placed at mainTopLeft + (148, 28). Every opening starts afresh: no name,
    // the proposed weight, per 100 g, one portion. save runs at "Speichern"; while it returns
    // false the dialog stays open, its fields as they were.
    RecipeChoice saveAsRecipe(int meal, const QList<MealEntry> &entries, const FoodStore &store,
                              const QPoint &mainTopLeft, RecipeSaveStep save);

    // Fills the dialog as saveAsRecipe does, without showing it.
    void prepare(int meal, const QList<MealEntry> &entries, const FoodStore &store);

    // The recipe as the fields ask for it now.
    Recipe recipe() const;

    const RecipeChoice &choice() const { return m_choice; }

public slots:
    // Checks the name and the recipe, asks before replacing an own food of that name, and
    // closes with the recipe once the save step took it; any refusal, a "Nein" or a failed
    // save keeps the dialog open.
    void SpeichernBtnClick();
    void AbbrechenBtnClick();

private:
    void createControls();
    void showPreview();
    RecipeRequest request() const;

    UserPrompts *m_prompts;
    const FoodStore *m_store = nullptr;
    QList<MealEntry> m_entries;
    RecipeIngredients m_ingredients;
    RecipeChoice m_choice;
    RecipeSaveStep m_save;

    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_weightEdit = nullptr;
    QLabel *m_piecesHint = nullptr;
    QRadioButton *m_perHundredRadio = nullptr;
    QRadioButton *m_perPortionRadio = nullptr;
    QLineEdit *m_portionsEdit = nullptr;
    QLabel *m_referenceLabel = nullptr;
    QLabel *m_referenceUnitLabel = nullptr;
    std::array<QLabel *, NutrientCount> m_valueLabels{};
    QLabel *m_incompleteLabel = nullptr;
    QLabel *m_waterHint = nullptr; // per 100 g with a piece among the ingredients
    QLabel *m_refusalLabel = nullptr;
};
