#include "tauswprojekteform.h"

#include "foodlistmodel.h"
#include "foodlistview.h"
#include "foodsearch.h"
#include "formkit.h"
#include "userprompts.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

// A plain-text label at its place in its natural size.
QLabel *MakePlainLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->move(place);
    label->adjustSize();
    return label;
}

// A button at its place, at least the usual 75 pixels wide and wide enough for its caption
// in whichever face WindowFontFamily finds.
QPushButton *MakeWideEnoughButton(QWidget *parent, const QString &name, const QString &caption,
                                  const QPoint &place)
{
    QPushButton *button = MakeButton(parent, name, caption, QRect(place, QSize(ButtonWidth, ButtonHeight)));
    button->resize(qMax(ButtonWidth, button->sizeHint().width()), ButtonHeight);
    return button;
}

} // namespace

TAuswProjekteForm::TAuswProjekteForm(UserPrompts *prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_prompts(prompts)
{
    SetUpFixedWindow(this, QStringLiteral("TAuswProjekteForm"), QSize(836, 521), QColor(207, 207, 207));
    setWindowTitle(QStringLiteral("  Lebensmittel auswählen"));

    m_panel1 = MakePanel(this, QStringLiteral("Panel1"), QRect(16, 8, 804, 41));
    m_staticText2 = MakePlainLabel(m_panel1, QStringLiteral("StaticText2"),
                                   QStringLiteral("Suche nach                "), QPoint(30, 12));
    m_suchEdit =
        MakeEdit(m_panel1, QStringLiteral("SuchEdit"), QRect(127, 10, 314, 21), FoodSearchFieldLength);
    m_suchEdit->installEventFilter(this);
    // Beside the field it is about: when a compound finds nothing, the head that was searched
    // instead. Two lines fit the panel; a longer text is cut and whole in the hint.
    m_trefferHinweisLabel = new QLabel(m_panel1);
    m_trefferHinweisLabel->setObjectName(QStringLiteral("TrefferHinweisLabel"));
    m_trefferHinweisLabel->setTextFormat(Qt::PlainText);
    m_trefferHinweisLabel->setWordWrap(true);
    m_trefferHinweisLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_trefferHinweisLabel->setGeometry(452, 2, 804 - 452 - 8, 41 - 4);

    m_staticText3 = MakePlainLabel(
        this, QStringLiteral("StaticText3"),
        QStringLiteral("  ID                                     Lebensmittel                             "),
        QPoint(16, 70));
    QPalette titlePalette = m_staticText3->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    m_staticText3->setPalette(titlePalette);

    m_model = new FoodListModel(this);
    m_filterListView = new FoodListView(this);
    m_filterListView->setObjectName(QStringLiteral("FilterListView"));
    m_filterListView->setGeometry(16, 96, 804, 361);
    m_filterListView->setModel(m_model);
    m_filterListView->horizontalHeader()->hide();
    m_filterListView->setWordWrap(false);
    m_filterListView->setTabKeyNavigation(false);
    // Fixed sizes keep a refill from measuring any row.
    m_filterListView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_filterListView->horizontalHeader()->setMinimumSectionSize(0);
    m_filterListView->setColumnWidth(0, 124);
    m_filterListView->setColumnWidth(1, 648);
    m_filterListView->verticalHeader()->setMinimumSectionSize(0);
    SetUpRowList(m_filterListView, fontMetrics().height() + 4);

    m_panel2 = MakePanel(this, QStringLiteral("Panel2"), QRect(16, 469, 804, 41));
    m_label1 = new QLabel(m_panel2);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label1->setGeometry(8, 10, 105, fontMetrics().height() + 2);
    m_cancelBtn = MakeWideEnoughButton(m_panel2, QStringLiteral("CancelBtn"), QStringLiteral("Abbrechen"),
                                       QPoint(264, 10));
    m_uebernehmenBtn = MakeWideEnoughButton(m_panel2, QStringLiteral("UebernehmenBtn"),
                                            QStringLiteral("Übernehmen "), QPoint(384, 10));

    connect(m_filterListView, &FoodListView::listClicked, this, &TAuswProjekteForm::FilterListViewClick);
    connect(m_filterListView, &FoodListView::listDoubleClicked, this,
            &TAuswProjekteForm::UebernehmenBtnClick);
    connect(m_filterListView, &FoodListView::enterPressed, this, &TAuswProjekteForm::takeOverByKey);
    // A row chosen with the keys counts as a click. New rows drop the selection without a
    // signal, so "Übernehmen " keeps its state then, as it does after a click.
    connect(m_filterListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TAuswProjekteForm::FilterListViewClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &TAuswProjekteForm::CancelBtnClick);
    connect(m_uebernehmenBtn, &QPushButton::clicked, this, &TAuswProjekteForm::UebernehmenBtnClick);
}

FoodSelection TAuswProjekteForm::selectFood(const FoodIndex &index, const QPoint &mainTopLeft,
                                            const QList<int> &recent)
{
    m_index = index;
    m_recent = recent;
    // The empty search finds every food in list order. Asked here, it also works out the
    // index's search texts once, so that no key release waits for them.
    showRows(QString());

    m_result = FoodSelection();
    move(mainTopLeft + QPoint(148, 28));
    exec();
    return m_result;
}

void TAuswProjekteForm::clearList()
{
    m_model->clear();
    m_filterListView->clearSpans();
    m_index = FoodIndex();
    m_recent.clear();
}

bool TAuswProjekteForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_suchEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down) {
            if (m_model->foodRowCount() > 0) {
                m_filterListView->setFocus(Qt::TabFocusReason);
                selectFirstRow();
            }
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeOverByKey();
            return true;
        }
    }
    // A key that leaves the text as it was (an arrow, Shift, the release of the Down that moved
    // into the list) would only make the same rows again and lose the selection.
    if (watched == m_suchEdit && event->type() == QEvent::KeyRelease && m_suchEdit->text() != m_filteredText)
        SuchEditKeyUp();
    return QDialog::eventFilter(watched, event);
}

void TAuswProjekteForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TAuswProjekteForm::FormShow()
{
    // The list keeps every food until the first key is released; only the field is emptied.
    m_suchEdit->clear();
    m_uebernehmenBtn->setEnabled(false);
    m_suchEdit->setFocus();
}

void TAuswProjekteForm::showCount()
{
    m_label1->setText(QStringLiteral("%1 von %2").arg(m_foundCount).arg(m_index.sortedCount()));
}

void TAuswProjekteForm::SuchEditKeyUp()
{
    // New rows drop the selection; "Übernehmen " keeps its state and then reports that
    // nothing is selected.
    showRows(m_suchEdit->text());
}

void TAuswProjekteForm::showRows(const QString &searchText)
{
    m_filteredText = searchText;
    const FoodSearchResult result = SearchFoods(m_index, searchText, m_recent);
    m_foundCount = int(result.positions.size());
    // The foods eaten lately head the list only while nothing is searched; a search puts them
    // first among equally good matches instead.
    m_model->setRows(m_index.sortedTexts(), searchText.isEmpty() ? m_recent : QList<int>(), result.positions);
    m_filterListView->clearSpans();
    for (int row : m_model->headingRows())
        m_filterListView->setSpan(row, 0, 1, 2);
    const QString hint = CompoundFallbackText(result);
    const QFontMetrics metrics = m_trefferHinweisLabel->fontMetrics();
    const int room = 2 * m_trefferHinweisLabel->width() - metrics.averageCharWidth() * 4;
    m_trefferHinweisLabel->setText(metrics.elidedText(hint, Qt::ElideMiddle, room));
    m_trefferHinweisLabel->setToolTip(hint);
    showCount();
}

void TAuswProjekteForm::FilterListViewClick()
{
    m_uebernehmenBtn->setEnabled(m_filterListView->selectionModel()->hasSelection());
}

void TAuswProjekteForm::selectFirstRow()
{
    int row = 0;
    while (row < m_model->rowCount() && m_model->sourcePosition(row) < 0)
        ++row;
    const QModelIndex first = m_model->index(row, 0);
    m_filterListView->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
    m_filterListView->scrollTo(first);
}

void TAuswProjekteForm::takeOverByKey()
{
    if (!m_filterListView->selectionModel()->hasSelection() && m_model->foodRowCount() > 0)
        selectFirstRow();
    UebernehmenBtnClick();
}

void TAuswProjekteForm::UebernehmenBtnClick()
{
    const QModelIndexList selected = m_filterListView->selectionModel()->selectedRows();
    const int sourcePosition = selected.isEmpty() ? -1 : m_model->sourcePosition(selected.first().row());
    if (sourcePosition < 0) {
        if (m_prompts != nullptr)
            m_prompts->showNotice(QStringLiteral("Es ist kein Lebensmittel ausgewählt!"));
        return;
    }
    m_result.accepted = true;
    m_result.position = FindFoodById(m_index, m_index.sortedId(sourcePosition));
    accept();
}

void TAuswProjekteForm::CancelBtnClick()
{
    reject();
}
