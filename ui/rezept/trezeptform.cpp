#include "trezeptform.h"

#include "foodstore.h"
#include "formkit.h"
#include "userprompts.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const QColor Silver(192, 192, 192);
const QColor HeadYellow(234, 234, 0);
const QColor LabelGrey(235, 235, 235);

constexpr int ClientWidth = 800;
constexpr int ClientHeight = 340;
constexpr int ColumnPitch = 54; // the thirteen values stand on the pitch of the meal lists
constexpr int CellWidth = 52;
constexpr int ValueLeft = 78;  // left of the first value column
constexpr int AmountLeft = 18; // the reference amount's column, left of the values
constexpr int LabelHeight = 18;
constexpr int FieldLeft = 240; // the input fields stand in one column right of their captions

// A value cell of the preview: grey, right-aligned, like the meal's sums.
QLabel *MakeCell(QWidget *parent, const QString &name, const QRect &box, const QPalette &grey)
{
    QLabel *cell = MakeLabel(parent, name, QString(), box, Qt::AlignRight | Qt::AlignVCenter);
    cell->setPalette(grey);
    cell->setAutoFillBackground(true);
    return cell;
}

} // namespace

TRezeptForm::TRezeptForm(UserPrompts *prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_prompts(prompts)
{
    SetUpFixedWindow(this, QStringLiteral("TRezeptForm"), QSize(ClientWidth, ClientHeight), Silver);
    setModal(true);
    createControls();
}

void TRezeptForm::createControls()
{
    const auto &catalogue = NutrientCatalogue();

    QFrame *inputs = MakePanel(this, QStringLiteral("Panel1"), QRect(8, 8, ClientWidth - 16, 104));
    MakeFittedLabel(inputs, QStringLiteral("NameLabel"), QStringLiteral("Name"), 10, 10);
    m_nameEdit =
        MakeEdit(inputs, QStringLiteral("NameEdit"), QRect(FieldLeft, 8, 328, 21), OwnFoodNameMaxLength);

    MakeFittedLabel(inputs, QStringLiteral("GewichtLabel"), QStringLiteral("Gewicht nach dem Zubereiten (g)"),
                    10, 40);
    m_weightEdit =
        MakeEdit(inputs, QStringLiteral("GewichtEdit"), QRect(FieldLeft, 38, 90, 21), RecipeWeightMaxLength);
    m_piecesHint = MakeFittedLabel(
        inputs, QStringLiteral("StueckHinweisLabel"),
        QStringLiteral("Stück-Zutaten haben kein Gewicht: bitte das Gewicht eingeben."), FieldLeft + 100, 40);

    m_perHundredRadio = new QRadioButton(QStringLiteral("je 100 g"), inputs);
    m_perHundredRadio->setObjectName(QStringLiteral("Je100gRadioButton"));
    m_perHundredRadio->move(FieldLeft, 70);
    m_perHundredRadio->adjustSize();
    m_perPortionRadio = new QRadioButton(QStringLiteral("je Portion"), inputs);
    m_perPortionRadio->setObjectName(QStringLiteral("JePortionRadioButton"));
    m_perPortionRadio->move(FieldLeft + 100, 70);
    m_perPortionRadio->adjustSize();
    auto *basis = new QButtonGroup(this);
    basis->addButton(m_perHundredRadio);
    basis->addButton(m_perPortionRadio);
    MakeFittedLabel(inputs, QStringLiteral("PortionenLabel"), QStringLiteral("Anzahl Portionen"),
                    FieldLeft + 220, 72);
    m_portionsEdit = MakeEdit(inputs, QStringLiteral("PortionenEdit"), QRect(FieldLeft + 340, 70, 50, 21), 4);

    // The preview: the row as it will be stored, under the nutrients' names and above their units.
    QFrame *head = MakePanel(this, QStringLiteral("Panel3"), QRect(8, 122, ClientWidth - 16, 24));
    SetBackground(head, HeadYellow);
    MakeLabel(head, QStringLiteral("MengeLabel"), QStringLiteral("B.Menge"),
              QRect(AmountLeft - 8, 3, CellWidth, 17), Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k) {
        MakeLabel(head, QStringLiteral("NwBezLabel%1").arg(k), catalogue.at(k).shortName,
                  QRect(ValueLeft + ColumnPitch * k - 8, 3, CellWidth, 17), Qt::AlignCenter);
    }
    QPalette grey = palette();
    grey.setColor(QPalette::Window, LabelGrey);
    m_referenceLabel =
        MakeCell(this, QStringLiteral("MengLabel"), QRect(AmountLeft, 152, CellWidth, LabelHeight), grey);
    for (int k = 0; k < NutrientCount; ++k) {
        m_valueLabels[k] = MakeCell(this, QStringLiteral("NwLabel%1").arg(k),
                                    QRect(ValueLeft + ColumnPitch * k, 152, CellWidth, LabelHeight), grey);
    }
    m_referenceUnitLabel = MakeLabel(this, QStringLiteral("KopfMengLabel"), QString(),
                                     QRect(AmountLeft, 174, CellWidth, 17), Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k) {
        MakeLabel(this, QStringLiteral("KopfLabel%1").arg(k), catalogue.at(k).unitLabel,
                  QRect(ValueLeft + ColumnPitch * k, 174, CellWidth, 17), Qt::AlignCenter);
    }
    m_incompleteLabel = MakeLabel(this, QStringLiteral("UnvollstaendigLabel"), QString(),
                                  QRect(AmountLeft, 200, ClientWidth - 2 * AmountLeft, 17));
    m_incompleteLabel->setWordWrap(true);
    m_incompleteLabel->resize(m_incompleteLabel->width(), 36);
    m_incompleteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // With a piece among the ingredients the dish's weight says nothing about its water.
    m_waterHint = MakeLabel(this, QStringLiteral("WasserHinweisLabel"),
                            QStringLiteral("Mit Stück-Zutaten bleibt das Wasser die Summe der Zutaten; "
                                           "Verdampftes wird nicht abgezogen."),
                            QRect(AmountLeft, 240, ClientWidth - 2 * AmountLeft, 17));
    m_refusalLabel = MakeLabel(this, QStringLiteral("HinweisLabel"), QString(),
                               QRect(AmountLeft, 262, ClientWidth - 2 * AmountLeft, 17));
    QPalette red = m_refusalLabel->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    m_refusalLabel->setPalette(red);

    QFrame *buttons = MakePanel(this, QStringLiteral("Panel2"), QRect(8, 288, ClientWidth - 16, 44));
    QPushButton *save = MakeButton(buttons, QStringLiteral("SpeichernBtn"), QStringLiteral("Speichern"),
                                   QRect(268, 9, 97, 26));
    QPushButton *cancel = MakeButton(buttons, QStringLiteral("AbbrechenBtn"), QStringLiteral("Abbrechen"),
                                     QRect(384, 9, 97, 26));
    // Enter in any field saves, as the dialog's default button; Escape cancels.
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &TRezeptForm::SpeichernBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TRezeptForm::AbbrechenBtnClick);

    connect(m_weightEdit, &QLineEdit::textChanged, this, &TRezeptForm::showPreview);
    connect(m_portionsEdit, &QLineEdit::textChanged, this, &TRezeptForm::showPreview);
    connect(m_perHundredRadio, &QRadioButton::toggled, this, &TRezeptForm::showPreview);

    setTabOrder(m_nameEdit, m_weightEdit);
    setTabOrder(m_weightEdit, m_perHundredRadio);
    setTabOrder(m_perHundredRadio, m_perPortionRadio);
    setTabOrder(m_perPortionRadio, m_portionsEdit);
    setTabOrder(m_portionsEdit, save);
    setTabOrder(save, cancel);
}

RecipeChoice TRezeptForm::saveAsRecipe(int meal, const QList<MealEntry> &entries, const FoodStore &store,
                                       const QPoint &mainTopLeft, RecipeSaveStep save)
{
    prepare(meal, entries, store);
    m_save = std::move(save);
    move(mainTopLeft + QPoint(148, 28));
    m_nameEdit->setFocus();
    exec();
    return m_choice;
}

void TRezeptForm::prepare(int meal, const QList<MealEntry> &entries, const FoodStore &store)
{
    setWindowTitle(QStringLiteral("  Mahlzeit %1 als Rezept speichern").arg(meal));
    m_store = &store;
    m_entries = entries;
    m_ingredients = SumRecipeIngredients(m_entries, m_store->index());
    m_choice = RecipeChoice();

    // Filled quietly; the preview is shown once, when everything is in place.
    {
        const QSignalBlocker quietWeight(m_weightEdit);
        const QSignalBlocker quietPortions(m_portionsEdit);
        const QSignalBlocker quietRadio(m_perHundredRadio);
        m_nameEdit->clear();
        m_weightEdit->setText(ProposedRecipeWeight(m_ingredients));
        m_portionsEdit->setText(QStringLiteral("1"));
        m_perHundredRadio->setChecked(true);
    }
    m_piecesHint->setVisible(m_ingredients.unweighed > 0);
    showPreview();
}

RecipeRequest TRezeptForm::request() const
{
    RecipeRequest request;
    request.name = m_nameEdit->text();
    request.basis = m_perHundredRadio->isChecked() ? RecipeBasis::PerHundredGrams : RecipeBasis::PerPortion;
    request.weightText = m_weightEdit->text();
    request.portionsText = m_portionsEdit->text();
    return request;
}

Recipe TRezeptForm::recipe() const
{
    return m_store != nullptr ? RecipeFromMeal(m_entries, m_store->index(), request()) : Recipe();
}

void TRezeptForm::showPreview()
{
    const bool perHundred = m_perHundredRadio->isChecked();
    m_weightEdit->setEnabled(perHundred);
    m_portionsEdit->setEnabled(!perHundred);
    m_referenceLabel->setText(perHundred ? QStringLiteral("100") : QStringLiteral("1"));
    m_referenceUnitLabel->setText(perHundred ? QStringLiteral("g") : QStringLiteral("St"));

    const Recipe shown = recipe();
    for (int k = 0; k < NutrientCount; ++k)
        m_valueLabels[k]->setText(shown.row.values.value(k));
    m_waterHint->setVisible(perHundred && m_ingredients.unweighed > 0);
    m_incompleteLabel->setText(IncompleteNutrientsText(shown));
    m_refusalLabel->setText(shown.message);
}

void TRezeptForm::SpeichernBtnClick()
{
    const QString name = m_nameEdit->text();
    if (const QString refusal = OwnFoodNameRefusal(name); !refusal.isEmpty()) {
        m_prompts->showNotice(refusal);
        m_nameEdit->setFocus();
        return;
    }
    const Recipe made = recipe();
    if (!made.ok) {
        m_prompts->showNotice(made.message);
        if (made.field == RecipeField::Weight)
            m_weightEdit->setFocus();
        else if (made.field == RecipeField::Portions)
            m_portionsEdit->setFocus();
        return;
    }
    bool replace = false;
    if (FindOwnFoodByName(m_store->additionalLines(), name) >= 0) {
        // "Nein" keeps the dialog open for another name: two own foods of one name could not
        // be told apart in the selection list.
        if (m_prompts->askUser(QStringLiteral(" Soll das vorhandene Lebensmittel ersetzt werden? "),
                               ModeYesNo) != AnswerLeft) {
            m_nameEdit->setFocus();
            return;
        }
        replace = true;
    }
    RecipeChoice choice;
    choice.accepted = true;
    choice.row = made.row;
    choice.replaceExisting = replace;
    // A file that could not be written must not cost the user the name and weight typed here.
    if (m_save && !m_save(choice)) {
        m_nameEdit->setFocus();
        return;
    }
    m_choice = choice;
    accept();
}

void TRezeptForm::AbbrechenBtnClick()
{
    reject();
}
