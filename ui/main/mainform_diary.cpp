// The date bar over the meal pages: the diary day shown, the days before and after it, today
// and the calendar.

#include "tmainform.h"

#include "diarycalendar.h"
#include "formkit.h"
#include "mealcopydialog.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

// Right of the meal tabs, on the row of their heads: the one strip of the fixed window that
// holds nothing, between the pages' commands above and the lists below.
constexpr int DateBarLeft = 906;
constexpr int DateBarTop = 218;
constexpr int DateBarHeight = 24;
// "Mahlzeit übernehmen ..." and "Gestern", ending six pixels before the date bar.
constexpr int CopyBarLeft = 672;

} // namespace

void TMainForm::buildDateBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("DatumLeiste"));
    bar->setGeometry(DateBarLeft, DateBarTop, 1186 - DateBarLeft, DateBarHeight);

    const auto arrow = [bar](const char *name, Qt::ArrowType type, const QString &hint, int left) {
        auto *button = new QToolButton(bar);
        button->setObjectName(QLatin1String(name));
        button->setArrowType(type);
        button->setToolTip(hint);
        button->setGeometry(left, 0, 28, DateBarHeight);
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    QToolButton *back = arrow("VorherigerTagBtn", Qt::LeftArrow, QStringLiteral("Vorheriger Tag (Alt+Links)"), 0);
    connect(back, &QToolButton::clicked, this, [this] { ShowPreviousDay(); });

    m_dateButton = new QPushButton(bar);
    m_dateButton->setObjectName(QStringLiteral("DatumBtn"));
    m_dateButton->setGeometry(30, 0, 134, DateBarHeight);
    m_dateButton->setToolTip(QStringLiteral("Tag im Kalender wählen"));
    m_dateButton->setFocusPolicy(Qt::TabFocus);
    connect(m_dateButton, &QPushButton::clicked, this, [this] { OpenCalendar(); });

    QToolButton *next = arrow("NaechsterTagBtn", Qt::RightArrow, QStringLiteral("Nächster Tag (Alt+Rechts)"), 166);
    connect(next, &QToolButton::clicked, this, [this] { ShowNextDay(); });

    QPushButton *today = MakeButton(bar, QStringLiteral("HeuteBtn"), QStringLiteral("Heute"),
                                    QRect(200, 0, 80, DateBarHeight));
    today->setToolTip(QStringLiteral("Alt+Pos1"));
    today->setFocusPolicy(Qt::TabFocus);
    connect(today, &QPushButton::clicked, this, [this] { ShowToday(); });

    // Without a diary there are no dates to step through.
    bar->setVisible(m_session->hasDiary());

    // Left of the date bar, in the same strip: copying a meal of another diary day into the meal
    // shown, which, like the dates, needs a diary.
    auto *copyBar = new QWidget(this);
    copyBar->setObjectName(QStringLiteral("KopierLeiste"));
    copyBar->setGeometry(CopyBarLeft, DateBarTop, DateBarLeft - 6 - CopyBarLeft, DateBarHeight);
    QPushButton *copy = MakeButton(copyBar, QStringLiteral("MahlzeitUebernehmenBtn"),
                                   QStringLiteral("Mahlzeit übernehmen ..."), QRect(0, 0, 158, DateBarHeight));
    copy->setToolTip(QStringLiteral("Eine Mahlzeit eines anderen Tages in diese Mahlzeit übernehmen"));
    copy->setFocusPolicy(Qt::TabFocus);
    connect(copy, &QPushButton::clicked, this, [this] { CopyDiaryMeal(); });
    QPushButton *yesterday = MakeButton(copyBar, QStringLiteral("GesternBtn"), QStringLiteral("Gestern"),
                                        QRect(162, 0, copyBar->width() - 162, DateBarHeight));
    yesterday->setToolTip(QStringLiteral("Diese Mahlzeit vom Vortag übernehmen (Strg+G)"));
    yesterday->setFocusPolicy(Qt::TabFocus);
    connect(yesterday, &QPushButton::clicked, this, [this] { CopyYesterdaysMeal(); });
    copyBar->setVisible(m_session->hasDiary());
}

void TMainForm::showDiaryDate()
{
    if (m_dateButton == nullptr)
        return;
    // A file shows no date until a date is chosen.
    const QDate date = m_session->diaryDate();
    m_dateButton->setText(date.isValid() ? WeekdayDateText(date) : QStringLiteral("Datum wählen"));
}

void TMainForm::ShowPreviousDay()
{
    m_session->stepDiaryDay(-1);
}

void TMainForm::ShowNextDay()
{
    m_session->stepDiaryDay(1);
}

void TMainForm::ShowToday()
{
    m_session->showDiaryDay(m_session->today());
}

void TMainForm::ShowDiaryDay(const QDate &date)
{
    m_session->showDiaryDay(date);
}

void TMainForm::CopyYesterdaysMeal()
{
    m_session->copyYesterdaysMeal();
}

void TMainForm::CopyDiaryMeal()
{
    if (!m_session->hasDiary())
        return;
    if (m_mealCopyDialog == nullptr) {
        m_mealCopyDialog = new MealCopyDialog(
            *m_session->diary(), [this](const QDate &date) { return m_session->diaryMealSizes(date); }, this);
    }
    // Most often the day before is the one to copy from, the meal the one it is copied into.
    const QDate shown = m_session->diaryDate().isValid() ? m_session->diaryDate() : m_session->today();
    const int meal = m_session->plan().activeMeal();
    if (const std::optional<MealCopyChoice> choice = m_mealCopyDialog->choose(shown.addDays(-1), meal))
        m_session->copyDiaryMeal(choice->date, choice->meal);
}

void TMainForm::OpenCalendar()
{
    if (!m_session->hasDiary())
        return;
    if (m_calendar == nullptr) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("TagebuchKalender"));
        m_calendar->setWindowFlags(Qt::Popup);
        SetUpDiaryCalendar(m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
            m_calendar->hide();
            ShowDiaryDay(date);
        });
        connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate date) {
            m_calendar->hide();
            ShowDiaryDay(date);
        });
    }
    const QDate shown = m_session->diaryDate().isValid() ? m_session->diaryDate() : m_session->today();
    m_calendar->setSelectedDate(shown);
    m_calendar->setCurrentPage(shown.year(), shown.month());
    MarkDiaryDays(m_calendar, *m_session->diary());
    m_calendar->adjustSize();
    const QPoint below = m_dateButton->mapToGlobal(QPoint(0, m_dateButton->height()));
    m_calendar->move(below.x() + m_dateButton->width() - m_calendar->width(), below.y());
    m_calendar->show();
    m_calendar->setFocus();
}
