#include "tmehreretageform.h"

#include "daysummarytable.h"
#include "formkit.h"
#include "listcompare.h"
#include "printpainter.h"
#include "reportfile.h"
#include "reportsave.h"
#include "summarychart.h"
#include "textformat.h"
#include "userprompts.h"
#include "wrapbutton.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace {

constexpr int ListRowHeight = 18;
constexpr int NameColumnWidth = 300;
constexpr int AmountColumnWidth = 66;
constexpr int ValueColumnWidth = 60;

const QColor SummaryRowGrey(235, 235, 235);

QTableWidgetItem *Cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

TMehrereTageForm::TMehrereTageForm(UserPrompts *prompts, QString dataDirectory, Clock clock, QLocale locale,
                                   QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_dataDirectory(std::move(dataDirectory)),
      m_clock(std::move(clock)), m_locale(std::move(locale))
{
    SetUpFixedWindow(this, QStringLiteral("MehrereTageForm"), QSize(1180, 720), QColor(192, 192, 192));
    setWindowTitle(AppTitle());
    setModal(true);
    createControls();
    showSummary();
}

void TMehrereTageForm::createControls()
{
    QFrame *panel = MakePanel(this, QStringLiteral("Panel1"), QRect(8, 8, 1164, 56));
    MakeTitleLabel(panel, QStringLiteral("Label1"), QStringLiteral("Mehrere Tage"), QRect(12, 8, 1, 19));
    MakeFittedLabel(
        panel, QStringLiteral("Label2"),
        QStringLiteral("Ein Klick auf die Überschrift eines Nährwerts zeigt ihn je Tag im Diagramm"), 12, 32);
    // Six commands beside the hint: the longer captions break into two lines.
    QPushButton *print =
        MakeButton(panel, QStringLiteral("DruckenBtn"), QStringLiteral("Drucken ..."), QRect(551, 8, 84, 40));
    connect(print, &QPushButton::clicked, this, &TMehrereTageForm::DruckenBtnClick);
    QPushButton *pdf = MakeWrapButton(panel, QStringLiteral("PdfSpeichernBtn"),
                                      QStringLiteral("Als PDF speichern ..."), QRect(643, 8, 92, 40));
    connect(pdf, &QPushButton::clicked, this, &TMehrereTageForm::PdfSpeichernBtnClick);
    QPushButton *choose = MakeWrapButton(panel, QStringLiteral("DateienWaehlenBtn"),
                                         QStringLiteral("Dateien wählen ..."), QRect(743, 8, 92, 40));
    // Enter chooses the days, the window's first step, from wherever the focus is; Escape closes.
    choose->setDefault(true);
    connect(choose, &QPushButton::clicked, this, &TMehrereTageForm::DateienWaehlenBtnClick);
    // Over the title's line: the row of buttons has no room left beside "Dateien wählen ...".
    QPushButton *range = MakeButton(panel, QStringLiteral("VonBisBtn"), QStringLiteral("Von ... bis ..."),
                                    QRect(330, 4, 118, 24));
    range->setToolTip(QStringLiteral("Tage des Tagebuchs wählen"));
    connect(range, &QPushButton::clicked, this, &TMehrereTageForm::VonBisBtnClick);
    // The two ranges asked for most, one click each, beside the free choice: one above the other
    // in the strip between it, the hint and "Drucken ...".
    QPushButton *week =
        MakeButton(panel, QStringLiteral("WocheBtn"), QStringLiteral("Woche"), QRect(456, 4, 87, 24));
    week->setToolTip(QStringLiteral("Die Woche des gezeigten Tages, Montag bis Sonntag"));
    connect(week, &QPushButton::clicked, this, &TMehrereTageForm::WocheBtnClick);
    QPushButton *month =
        MakeButton(panel, QStringLiteral("MonatBtn"), QStringLiteral("Monat"), QRect(456, 29, 87, 24));
    month->setToolTip(QStringLiteral("Der Monat des gezeigten Tages"));
    connect(month, &QPushButton::clicked, this, &TMehrereTageForm::MonatBtnClick);
    QPushButton *save = MakeWrapButton(panel, QStringLiteral("CsvSpeichernBtn"),
                                       QStringLiteral("Als CSV speichern ..."), QRect(843, 8, 92, 40));
    connect(save, &QPushButton::clicked, this, &TMehrereTageForm::CsvSpeichernBtnClick);
    QPushButton *all = MakeButton(panel, QStringLiteral("AlleNaehrwerteBtn"),
                                  QStringLiteral("Alle Nährwerte ..."), QRect(943, 8, 120, 40));
    connect(all, &QPushButton::clicked, this, &TMehrereTageForm::AlleNaehrwerteBtnClick);
    QPushButton *close =
        MakeButton(panel, QStringLiteral("CloseBtn"), QStringLiteral("Schließen"), QRect(1071, 8, 84, 40));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &TMehrereTageForm::CloseBtnClick);

    m_list = new QTableWidget(this);
    m_list->setObjectName(QStringLiteral("TageListView"));
    m_list->setGeometry(8, 72, 1164, 254);
    SetUpRowList(m_list, ListRowHeight);
    m_list->setWordWrap(false);
    m_list->setSortingEnabled(false);
    m_list->setColumnCount(2 + NutrientCount);
    QStringList heads = {QStringLiteral("Datei"), QStringLiteral("Menge")};
    for (const NutrientEntry &nutrient : NutrientCatalogue())
        heads.append(nutrient.shortName);
    m_list->setHorizontalHeaderLabels(heads);
    QHeaderView *head = m_list->horizontalHeader();
    head->setSectionResizeMode(QHeaderView::Fixed);
    head->setStretchLastSection(false);
    head->setSectionsClickable(true);
    head->setHighlightSections(false);
    m_list->setColumnWidth(0, NameColumnWidth);
    m_list->setColumnWidth(1, AmountColumnWidth);
    for (int k = 0; k < NutrientCount; ++k)
        m_list->setColumnWidth(2 + k, ValueColumnWidth);
    connect(head, &QHeaderView::sectionClicked, this, &TMehrereTageForm::TageListViewColumnClick);

    m_chart = new SummaryChart(this);
    m_chart->setObjectName(QStringLiteral("DiagrammBox"));
    m_chart->setGeometry(8, 334, 1164, 286);

    MakeFittedLabel(this, QStringLiteral("Label3"), QStringLiteral("Meldungen beim Einlesen"), 8, 626);
    m_messages = new QListWidget(this);
    m_messages->setObjectName(QStringLiteral("MeldungenListBox"));
    m_messages->setGeometry(8, 645, 1164, 67);
}

void TMehrereTageForm::prepare(const FoodIndex &index, bool swissFoodsMissing,
                               const ReferenceSet &requirement)
{
    m_index = index;
    m_swissFoodsMissing = swissFoodsMissing;
    m_requirement = requirement;
    // The requirement or the foods may have changed since the last opening.
    if (m_from.isValid())
        summariseDiary(m_from, m_to);
    else if (!m_paths.isEmpty())
        summarise(m_paths);
}

void TMehrereTageForm::showDays(const FoodIndex &index, bool swissFoodsMissing,
                                const ReferenceSet &requirement, const QPoint &mainTopLeft)
{
    prepare(index, swissFoodsMissing, requirement);
    move(mainTopLeft + QPoint(32, 28));
    exec();
}

void TMehrereTageForm::DateienWaehlenBtnClick()
{
    if (refusedWithoutSwissFoods())
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Mahlzeiten-Dateien wählen");
    request.initialFolder = m_mealFileFolder.isEmpty() ? m_dataDirectory : m_mealFileFolder;
    request.filter = QStringLiteral("Textdateien (*.txt *.TXT)");
    const QStringList chosen = m_prompts->getOpenFileNames(request);
    if (chosen.isEmpty())
        return;

    // Rows by file name, in the list's one comparison; the same name in two folders keeps the
    // order of the folders' paths.
    QStringList paths = chosen;
    std::stable_sort(paths.begin(), paths.end(), [](const QString &a, const QString &b) {
        const int byName = CompareText(FileNamePart(a), FileNamePart(b));
        return byName != 0 ? byName < 0 : CompareText(a, b) < 0;
    });
    m_chartNutrient = -1;
    summarise(paths);
}

void TMehrereTageForm::setFolders(const QString &diaryFolder, const QString &mealFileFolder,
                                  const QString &reportFolder)
{
    m_diaryFolder = diaryFolder;
    m_mealFileFolder = mealFileFolder;
    m_reportFolder = reportFolder;
}

void TMehrereTageForm::VonBisBtnClick()
{
    if (refusedWithoutSwissFoods())
        return;
    QDialog ask(this);
    ask.setObjectName(QStringLiteral("VonBisDialog"));
    ask.setWindowTitle(QStringLiteral("Tage des Tagebuchs"));
    auto *layout = new QFormLayout(&ask);
    const QDate today = m_clock().date();
    const auto dateEdit = [&ask](const char *name, const QDate &date) {
        auto *edit = new QDateEdit(date, &ask);
        edit->setObjectName(QLatin1String(name));
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setCalendarPopup(true);
        return edit;
    };
    // The last week the first time, the range shown since.
    QDateEdit *from = dateEdit("VonEdit", m_from.isValid() ? m_from : today.addDays(-6));
    QDateEdit *to = dateEdit("BisEdit", m_to.isValid() ? m_to : today);
    layout->addRow(QStringLiteral("Von"), from);
    layout->addRow(QStringLiteral("bis"), to);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    if (ask.exec() != QDialog::Accepted)
        return;
    // Picked the wrong way round, the two dates still name one range.
    summariseDiary(qMin(from->date(), to->date()), qMax(from->date(), to->date()));
}

void TMehrereTageForm::WocheBtnClick()
{
    summariseDiaryRange(WeekContaining(m_shownDate.isValid() ? m_shownDate : m_clock().date()));
}

void TMehrereTageForm::MonatBtnClick()
{
    summariseDiaryRange(MonthContaining(m_shownDate.isValid() ? m_shownDate : m_clock().date()));
}

void TMehrereTageForm::summariseDiaryRange(const DateRange &range)
{
    if (refusedWithoutSwissFoods())
        return;
    summariseDiary(range.first, range.last);
}

bool TMehrereTageForm::refusedWithoutSwissFoods()
{
    if (!m_swissFoodsMissing)
        return false;
    m_prompts->showNotice(QStringLiteral("Die Schweizer Nährwertliste ist leer!"));
    return true;
}

void TMehrereTageForm::summariseDiary(const QDate &from, const QDate &to)
{
    m_paths.clear();
    m_from = from;
    m_to = to;
    m_chartNutrient = -1;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_summary = SummariseDiaryDays(Diary(m_diaryFolder).range(from, to), m_index, m_requirement);
    QGuiApplication::restoreOverrideCursor();
    showSummary();
}

void TMehrereTageForm::summarise(const QStringList &paths)
{
    m_paths = paths;
    m_from = m_to = QDate();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_summary = SummariseMealFiles(paths, m_index, m_requirement);
    QGuiApplication::restoreOverrideCursor();
    showSummary();
}

void TMehrereTageForm::showSummary()
{
    const DaySummaryTable table = BuildDaySummaryTable(m_summary, m_locale);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    m_list->clearContents();
    m_list->clearSpans();
    m_list->setRowCount(int(table.rows.size()));
    for (int r = 0; r < table.rows.size(); ++r) {
        const DaySummaryRow &row = table.rows.at(r);
        QTableWidgetItem *name = Cell(row.label, left);
        if (row.kind == SummaryRowKind::Day)
            name->setToolTip(QDir::toNativeSeparators(row.path));
        m_list->setItem(r, 0, name);
        m_list->setItem(r, 1, Cell(row.amount, right));
        for (int k = 0; k < NutrientCount; ++k) {
            QTableWidgetItem *cell = Cell(row.cells.value(k), right);
            // The percentages in the colours of the day panel.
            if (row.kind == SummaryRowKind::Percent) {
                const Rgb rgb = PercentClassColour(row.classes[k]);
                cell->setBackground(QColor(rgb.red, rgb.green, rgb.blue));
            } else if (row.kind != SummaryRowKind::Day) {
                cell->setBackground(SummaryRowGrey);
            }
            m_list->setItem(r, 2 + k, cell);
        }
        if (row.kind != SummaryRowKind::Day) {
            for (int column = 0; column < 2; ++column)
                m_list->item(r, column)->setBackground(SummaryRowGrey);
        }
        // "kein Eintrag" reads whole across the empty figures instead of cut off in the amount.
        if (row.kind == SummaryRowKind::NoEntry) {
            m_list->item(r, 1)->setTextAlignment(left);
            m_list->setSpan(r, 1, 1, 1 + NutrientCount);
        }
    }

    m_messages->clear();
    m_messages->addItems(DaySummaryMessages(m_summary));
    showChart();
}

void TMehrereTageForm::showChart()
{
    if (m_summary.days.isEmpty()) {
        ChartData empty;
        empty.title = m_paths.isEmpty() ? QStringLiteral("Noch keine Dateien gewählt")
                                        : QStringLiteral("Keine der gewählten Dateien konnte gelesen werden");
        m_chart->setData(empty);
        return;
    }
    m_chart->setData(m_chartNutrient < 0 ? AveragePercentChart(m_summary, m_locale)
                                         : NutrientPerDayChart(m_summary, m_chartNutrient, m_locale));
}

void TMehrereTageForm::TageListViewColumnClick(int column)
{
    const int nutrient = column - 2;
    m_chartNutrient =
        nutrient >= 0 && nutrient < NutrientCount && nutrient != m_chartNutrient ? nutrient : -1;
    showChart();
}

void TMehrereTageForm::CsvSpeichernBtnClick()
{
    if (m_summary.days.isEmpty()) {
        m_prompts->showNotice(QStringLiteral("Es ist noch kein Tag eingelesen !"));
        return;
    }
    // Its own filter and extension: a name typed without one is saved as a CSV file, never as
    // the text file the last dialog was set up for.
    FileDialogRequest request;
    request.title = QStringLiteral("Speichern als");
    request.filter = QStringLiteral("CSV-Dateien (*.csv)");
    request.defaultExtension = QStringLiteral("csv");
    request.proposedName = proposedFileName(m_clock(), QStringLiteral("csv"));
    request.initialFolder = m_reportFolder;
    SaveReportAs(
        *m_prompts, request, m_dataDirectory,
        [this](const QString &path) {
            return WriteReportFile(path, FormatDaySummaryCsv(m_summary, m_locale));
        },
        QStringLiteral("Die Übersicht wurde als CSV-Datei gespeichert !"));
}

QString TMehrereTageForm::proposedFileName(const QDateTime &created, const QString &extension) const
{
    const QDate date = created.date();
    const QTime time = created.time();
    return QStringLiteral("NW-Mehrere-Tage-") + TwoDigits(date.year() - 2000) + TwoDigits(date.month()) +
           TwoDigits(date.day()) + QLatin1Char('-') + TwoDigits(time.hour()) + TwoDigits(time.minute()) +
           TwoDigits(time.second()) + QLatin1Char('.') + extension;
}

void TMehrereTageForm::setPrinting(const QString &swissHeaderLine, PrintPreview preview)
{
    m_swissHeaderLine = swissHeaderLine;
    m_printPreview = std::move(preview);
}

PrintDocument TMehrereTageForm::printDocument(const QDateTime &created) const
{
    return SeveralDaysPrintDocument(m_summary, m_locale, created, m_swissHeaderLine);
}

void TMehrereTageForm::DruckenBtnClick()
{
    if (m_summary.days.isEmpty()) {
        m_prompts->showNotice(QStringLiteral("Es ist noch kein Tag eingelesen !"));
        return;
    }
    const PrintDocument document = printDocument(m_clock());
    if (m_printPreview)
        m_printPreview(document, this);
    else
        ShowPrintPreview(document, this);
}

void TMehrereTageForm::PdfSpeichernBtnClick()
{
    if (m_summary.days.isEmpty()) {
        m_prompts->showNotice(QStringLiteral("Es ist noch kein Tag eingelesen !"));
        return;
    }
    const QDateTime created = m_clock();
    FileDialogRequest request;
    request.title = QStringLiteral("Als PDF speichern");
    request.filter = QStringLiteral("PDF-Dateien (*.pdf)");
    request.defaultExtension = QStringLiteral("pdf");
    request.proposedName = proposedFileName(created, QStringLiteral("pdf"));
    request.initialFolder = m_reportFolder;
    SaveReportAs(
        *m_prompts, request, m_dataDirectory,
        [&](const QString &path) { return WritePrintPdf(path, printDocument(created)); },
        QStringLiteral("Die Übersicht wurde als PDF-Datei gespeichert !"));
}

void TMehrereTageForm::AlleNaehrwerteBtnClick()
{
    if (m_summary.days.isEmpty()) {
        m_prompts->showNotice(QStringLiteral("Es ist noch kein Tag eingelesen !"));
        return;
    }
    if (m_allNutrients)
        m_allNutrients(m_summary, this);
}

void TMehrereTageForm::CloseBtnClick()
{
    close();
}
