// The date bar over the meal pages: the diary day shown, the days before and after it, today
// and the calendar.

#include "tmainform.h"

#include "formkit.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

// Right of the meal tabs, on the row of their heads: the one strip of the fixed window that
// holds nothing, between the pages' commands above and the lists below.
constexpr int DateBarLeft = 906;
constexpr int DateBarTop = 218;
constexpr int DateBarHeight = 24;

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

void TMainForm::OpenCalendar()
{
    if (!m_session->hasDiary())
        return;
    if (m_calendar == nullptr) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("TagebuchKalender"));
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setGridVisible(true);
        m_calendar->setFirstDayOfWeek(Qt::Monday);
        m_calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
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
    // Listed now, not at start: three years of days cost nothing until the calendar opens.
    markCalendarDays();
    m_calendar->adjustSize();
    const QPoint below = m_dateButton->mapToGlobal(QPoint(0, m_dateButton->height()));
    m_calendar->move(below.x() + m_dateButton->width() - m_calendar->width(), below.y());
    m_calendar->show();
    m_calendar->setFocus();
}

void TMainForm::markCalendarDays()
{
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat()); // the marks of an earlier opening go
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate &date : m_session->diary()->datesWithEntries())
        m_calendar->setDateTextFormat(date, bold);
}
