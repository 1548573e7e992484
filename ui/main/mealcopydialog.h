#pragma once

#include <QDate>
#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class Diary;
class QCalendarWidget;
class QComboBox;
class QPushButton;

// What "Mahlzeit übernehmen ..." copies: meal 1..6 of a diary date.
struct MealCopyChoice
{
    QDate date;
    int meal = 1;
};

// "Mahlzeit übernehmen": the diary's calendar (the days with entries in bold) and the meal of
// the chosen date, each named with its number of foods. The result is the return value of
// choose().
class MealCopyDialog : public QDialog
{
    Q_OBJECT

public:
    // mealSizes gives the number of entries of the six meals of a date.
    using MealSizes = std::function<QList<int>(const QDate &)>;

    MealCopyDialog(const Diary &diary, MealSizes mealSizes, QWidget *parent = nullptr);

    // Opens on date with meal chosen (the first meal with foods when meal has none) and waits.
    // The choice, or nothing when cancelled.
    std::optional<MealCopyChoice> choose(const QDate &date, int meal);

    QCalendarWidget *calendar() const { return m_calendar; }
    QComboBox *mealList() const { return m_mealList; }

private:
    void showMeals(int preferredMeal); // the meal list for the calendar's date

    const Diary &m_diary;
    MealSizes m_mealSizes;
    QCalendarWidget *m_calendar = nullptr;
    QComboBox *m_mealList = nullptr;
    QPushButton *m_okButton = nullptr;
};
