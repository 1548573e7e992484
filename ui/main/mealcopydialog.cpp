#include "mealcopydialog.h"

#include "diarycalendar.h"
#include "mealplan.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

MealCopyDialog::MealCopyDialog(const Diary &diary, MealSizes mealSizes, QWidget *parent)
    : QDialog(parent), m_diary(diary), m_mealSizes(std::move(mealSizes))
{
    setObjectName(QStringLiteral("MahlzeitUebernehmenDialog"));
    setWindowTitle(QStringLiteral("Mahlzeit übernehmen"));
    auto *layout = new QVBoxLayout(this);
    auto *dateCaption = new QLabel(QStringLiteral("Tag, von dem die Mahlzeit kommt:"), this);
    layout->addWidget(dateCaption);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("UebernehmenKalender"));
    SetUpDiaryCalendar(m_calendar);
    layout->addWidget(m_calendar);
    auto *mealCaption = new QLabel(QStringLiteral("Mahlzeit:"), this);
    layout->addWidget(mealCaption);
    m_mealList = new QComboBox(this);
    m_mealList->setObjectName(QStringLiteral("UebernehmenMahlzeitListe"));
    layout->addWidget(m_mealList);
    auto *buttons = new QDialogButtonBox(this);
    m_okButton = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    m_okButton->setObjectName(QStringLiteral("UebernehmenOkBtn"));
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("UebernehmenAbbrechenBtn"));
    layout->addWidget(buttons);
    dateCaption->setBuddy(m_calendar);
    mealCaption->setBuddy(m_mealList);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this,
            [this] { showMeals(m_mealList->currentIndex() + 1); });
    // A double click or Enter on a day takes the meal chosen, as "Übernehmen" does.
    connect(m_calendar, &QCalendarWidget::activated, this, [this] {
        if (m_okButton->isEnabled())
            accept();
    });
    connect(m_mealList, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_okButton->setEnabled(index >= 0 && m_mealList->itemData(index).toInt() > 0); });
}

void MealCopyDialog::showMeals(int preferredMeal)
{
    const QList<int> sizes = m_mealSizes(m_calendar->selectedDate());
    m_mealList->clear();
    for (int n = 1; n <= MealCount; ++n) {
        const int size = sizes.value(n - 1);
        const QString count = size == 0   ? QStringLiteral("leer")
                              : size == 1 ? QStringLiteral("1 Lebensmittel")
                                          : QStringLiteral("%1 Lebensmittel").arg(size);
        m_mealList->addItem(QStringLiteral("Mahlzeit %1 (%2)").arg(n).arg(count), size);
    }
    // The meal asked for when it has foods, else the first that has.
    int chosen = preferredMeal;
    if (sizes.value(chosen - 1) == 0) {
        for (int n = 1; n <= MealCount; ++n) {
            if (sizes.value(n - 1) > 0) {
                chosen = n;
                break;
            }
        }
    }
    m_mealList->setCurrentIndex(qBound(1, chosen, MealCount) - 1);
    m_okButton->setEnabled(sizes.value(m_mealList->currentIndex()) > 0);
}

std::optional<MealCopyChoice> MealCopyDialog::choose(const QDate &date, int meal)
{
    MarkDiaryDays(m_calendar, m_diary);
    {
        // One listing of the meals, for the date and meal asked for.
        const QSignalBlocker quiet(m_calendar);
        m_calendar->setSelectedDate(date);
        m_calendar->setCurrentPage(date.year(), date.month());
    }
    showMeals(meal);
    m_calendar->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return MealCopyChoice{m_calendar->selectedDate(), m_mealList->currentIndex() + 1};
}
