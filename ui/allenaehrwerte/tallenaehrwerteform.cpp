#include "tallenaehrwerteform.h"

#include "formkit.h"
#include "numbertext.h"
#include "reportfile.h"
#include "reportsave.h"
#include "textformat.h"
#include "userprompts.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <utility>

namespace {

constexpr int WindowWidth = 720;
constexpr int WindowHeight = 720;
constexpr int ListRowHeight = 18;

enum Column
{
    NameColumn,
    AmountColumn,
    UnitColumn,
    ReferenceColumn,
    PercentColumn,
    WithoutValueColumn,
    ColumnCount,
};
constexpr int ColumnWidths[ColumnCount] = {300, 96, 56, 72, 72, 76};

const QColor GroupColour(192, 228, 218); // the panels of the main window

QTableWidgetItem *Cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

TAlleNaehrwerteForm::TAlleNaehrwerteForm(UserPrompts *prompts, QString dataDirectory, Clock clock,
                                         QLocale locale, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_dataDirectory(std::move(dataDirectory)),
      m_clock(std::move(clock)), m_locale(std::move(locale))
{
    SetUpFixedWindow(this, QStringLiteral("AlleNaehrwerteForm"), QSize(WindowWidth, WindowHeight),
                     QColor(192, 192, 192));
    setWindowTitle(AppTitle());
    setModal(true);
    createControls();
}

void TAlleNaehrwerteForm::createControls()
{
    QFrame *panel = MakePanel(this, QStringLiteral("Panel1"), QRect(8, 8, WindowWidth - 16, 56));
    m_title = MakeTitleLabel(panel, QStringLiteral("Label1"), QStringLiteral("Alle Nährwerte"),
                             QRect(12, 8, 1, 19));
    m_requirement = MakeLabel(panel, QStringLiteral("BedarfLabel"), QString(), QRect(12, 32, 400, 17));
    QPushButton *save = MakeButton(panel, QStringLiteral("CsvSpeichernBtn"),
                                   QStringLiteral("Als CSV speichern ..."), QRect(432, 8, 150, 40));
    connect(save, &QPushButton::clicked, this, &TAlleNaehrwerteForm::CsvSpeichernBtnClick);
    QPushButton *close =
        MakeButton(panel, QStringLiteral("CloseBtn"), QStringLiteral("Schließen"), QRect(590, 8, 102, 40));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &TAlleNaehrwerteForm::CloseBtnClick);

    m_sortBox =
        new QCheckBox(QStringLiteral("Nach Prozent sortieren: am weitesten unter dem Bedarf zuerst"), this);
    m_sortBox->setObjectName(QStringLiteral("ProzentSortierenBox"));
    m_sortBox->setGeometry(12, 70, WindowWidth - 24, 20);
    connect(m_sortBox, &QCheckBox::toggled, this, [this] { showList(); });

    m_rows = new QTableWidget(this);
    m_rows->setObjectName(QStringLiteral("NaehrwerteListView"));
    m_rows->setGeometry(8, 94, WindowWidth - 16, 538);
    SetUpRowList(m_rows, ListRowHeight);
    m_rows->setWordWrap(false);
    m_rows->setSortingEnabled(false);
    m_rows->setColumnCount(ColumnCount);
    m_rows->setHorizontalHeaderLabels({QStringLiteral("Nährwert"), QStringLiteral("Menge"),
                                       QStringLiteral("Einheit"), QStringLiteral("Bedarf"),
                                       QStringLiteral("Prozent"), QStringLiteral("Ohne Wert")});
    QHeaderView *head = m_rows->horizontalHeader();
    head->setSectionResizeMode(QHeaderView::Fixed);
    head->setStretchLastSection(false);
    head->setSectionsClickable(true);
    head->setHighlightSections(false);
    for (int column = 0; column < ColumnCount; ++column)
        m_rows->setColumnWidth(column, ColumnWidths[column]);
    m_rows->horizontalHeaderItem(PercentColumn)
        ->setToolTip(QStringLiteral("Klick: nach Prozent sortieren oder wieder nach Gruppen"));
    connect(head, &QHeaderView::sectionClicked, this, &TAlleNaehrwerteForm::NaehrwerteListViewColumnClick);

    // What the two columns that have no counterpart on the day panel mean.
    auto *notes = new QLabel(this);
    notes->setObjectName(QStringLiteral("HinweisLabel"));
    notes->setGeometry(12, 638, WindowWidth - 24, 76);
    notes->setWordWrap(true);
    notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes->setText(QStringLiteral(
        "„Ohne Wert“: so viele Einträge haben für den Nährwert keinen Wert, die Menge ist dann "
        "unvollständig. "
        "Eigene Lebensmittel und Rezepte haben nur die dreizehn Werte der Tagesbilanz, und die "
        "Nährwertdatenbank gibt nicht jeden Wert an. Zucker, Fett, gesättigte Fettsäuren und Salz sind "
        "Obergrenzen, alle anderen Bedarfswerte Zielwerte; ohne Bedarf bleibt ein Nährwert ohne Farbe. "
        "Woher die Werte stammen, steht unter „Informationen zum Programm“."));
}

NutrientReference TAlleNaehrwerteForm::referenceFor(const RequirementState &requirements)
{
    // Read when the window is first used, not at start: most runs never open it.
    if (!m_extendedRead) {
        m_extended = LoadExtendedReferenceValues(m_dataDirectory);
        m_extendedRead = true;
    }
    // Own values and the built-in row have no values for the others: say which row stands in.
    const int row = ExtendedReferenceRowFor(requirements);
    m_extendedRowTitle = row >= 0 && row != requirements.ageGroup
                             ? ReferenceTitle(row, TitleVariant::Start).trimmed()
                             : QString();
    return NutrientReferenceFor(requirements, m_extended);
}

void TAlleNaehrwerteForm::prepareDay(const MealPlan &plan, const FoodIndex &index,
                                     const RequirementState &requirements)
{
    m_list = DayNutrientList(plan, index, referenceFor(requirements));
    m_title->setText(QStringLiteral("Alle Nährwerte des Tages"));
    m_rows->horizontalHeaderItem(AmountColumn)->setText(QStringLiteral("Tagesmenge"));
    showList();
}

void TAlleNaehrwerteForm::prepareDays(const DaySummary &summary, const RequirementState &requirements)
{
    m_list = SummaryNutrientList(summary, referenceFor(requirements));
    m_title->setText(
        m_list.dayCount == 1
            ? QStringLiteral("Alle Nährwerte: ein Tag")
            : QStringLiteral("Alle Nährwerte: Durchschnitt je Tag aus %1 Tagen").arg(m_list.dayCount));
    m_rows->horizontalHeaderItem(AmountColumn)->setText(QStringLiteral("Durchschnitt"));
    showList();
}

void TAlleNaehrwerteForm::showDay(const MealPlan &plan, const FoodIndex &index,
                                  const RequirementState &requirements, const QPoint &origin)
{
    prepareDay(plan, index, requirements);
    move(origin + QPoint(32, 28));
    exec();
}

void TAlleNaehrwerteForm::showDays(const DaySummary &summary, const RequirementState &requirements,
                                   const QPoint &origin)
{
    prepareDays(summary, requirements);
    move(origin + QPoint(32, 28));
    exec();
}

bool TAlleNaehrwerteForm::sortedByPercent() const
{
    return m_sortBox->isChecked();
}

void TAlleNaehrwerteForm::showList()
{
    m_title->resize(m_title->fontMetrics().horizontalAdvance(m_title->text()) + 2, m_title->height());
    QString requirement = m_list.reference.main.title.trimmed();
    if (m_extendedRead && !m_extended.found)
        requirement += QStringLiteral("; NwRefWerteErweitert.dat fehlt: die weiteren Nährwerte ohne Bedarf");
    else if (!m_extendedRowTitle.isEmpty())
        requirement += QStringLiteral("; weitere Nährwerte: ") + m_extendedRowTitle;
    m_requirement->setText(requirement);

    const QList<NutrientListRow> rows = BuildNutrientListRows(m_list, m_locale);
    m_rows->clearContents();
    m_rows->clearSpans();
    if (sortedByPercent()) {
        // One list without groups: a group heading between rows ordered across groups would
        // only stand in the way.
        const std::vector<int> order = NutrientRowsByPercent(rows);
        m_rows->setRowCount(int(order.size()));
        for (int r = 0; r < int(order.size()); ++r)
            addRow(r, rows.at(order[size_t(r)]));
        return;
    }
    // Each group under its heading, its nutrients in the table's order.
    m_rows->setRowCount(NutrientGroupCount + int(rows.size()));
    int at = 0;
    const auto &nutrients = AllNutrients();
    for (int g = 0; g < NutrientGroupCount; ++g) {
        const auto group = NutrientGroup(g);
        addGroupRow(at++, group);
        std::vector<int> members;
        for (int n = 0; n < AllNutrientCount; ++n) {
            if (nutrients[size_t(n)].group == group)
                members.push_back(n);
        }
        std::stable_sort(members.begin(), members.end(), [&nutrients](int a, int b) {
            return nutrients[size_t(a)].swissColumn < nutrients[size_t(b)].swissColumn;
        });
        for (const int n : members)
            addRow(at++, rows.at(n));
    }
}

void TAlleNaehrwerteForm::addGroupRow(int at, NutrientGroup group)
{
    QTableWidgetItem *heading = Cell(NutrientGroupTitle(group), Qt::AlignLeft);
    QFont bold = m_rows->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setBackground(GroupColour);
    heading->setFlags(Qt::ItemIsEnabled);
    m_rows->setItem(at, NameColumn, heading);
    m_rows->setSpan(at, NameColumn, 1, ColumnCount);
}

void TAlleNaehrwerteForm::addRow(int at, const NutrientListRow &row)
{
    m_rows->setItem(at, NameColumn, Cell(row.name, Qt::AlignLeft));
    m_rows->item(at, NameColumn)->setData(Qt::UserRole, row.nutrient);
    m_rows->setItem(at, AmountColumn, Cell(row.amount, Qt::AlignRight));
    m_rows->setItem(at, UnitColumn, Cell(row.unit, Qt::AlignLeft));
    m_rows->setItem(at, ReferenceColumn, Cell(row.reference, Qt::AlignRight));
    QTableWidgetItem *percent = Cell(row.percent, Qt::AlignRight);
    // Coloured as the day panel colours it; without a reference value the cell stays plain.
    if (row.rated) {
        const Rgb rgb = PercentClassColour(row.percentClass);
        percent->setBackground(QColor(rgb.red, rgb.green, rgb.blue));
    }
    m_rows->setItem(at, PercentColumn, percent);
    m_rows->setItem(at, WithoutValueColumn, Cell(row.withoutValue, Qt::AlignRight));
    if (row.withoutValue != QLatin1String("0")) {
        const QString hint =
            QStringLiteral("Unvollständig: %1 Einträge ohne Wert für diesen Nährwert").arg(row.withoutValue);
        m_rows->item(at, AmountColumn)->setToolTip(hint);
        m_rows->item(at, WithoutValueColumn)->setToolTip(hint);
    }
}

void TAlleNaehrwerteForm::NaehrwerteListViewColumnClick(int column)
{
    if (column == PercentColumn)
        m_sortBox->toggle();
}

void TAlleNaehrwerteForm::CsvSpeichernBtnClick()
{
    const QDateTime created = m_clock();
    const QDate date = created.date();
    const QTime time = created.time();
    FileDialogRequest request;
    request.title = QStringLiteral("Als CSV speichern");
    request.filter = QStringLiteral("CSV-Dateien (*.csv)");
    request.defaultExtension = QStringLiteral("csv");
    request.proposedName = QStringLiteral("NW-Naehrwerte-") + TwoDigits(date.year() - 2000) +
                           TwoDigits(date.month()) + TwoDigits(date.day()) + QLatin1Char('-') +
                           TwoDigits(time.hour()) + TwoDigits(time.minute()) + TwoDigits(time.second()) +
                           QStringLiteral(".csv");
    SaveReportAs(*m_prompts, request, m_dataDirectory,
                 [this](const QString &path) { return WriteReportFile(path, FormatNutrientListCsv(m_list, m_locale)); },
                 QStringLiteral("Die Nährwerte wurden als CSV-Datei gespeichert !"));
}

void TAlleNaehrwerteForm::CloseBtnClick()
{
    close();
}
