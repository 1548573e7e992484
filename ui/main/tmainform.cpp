#include "tmainform.h"

#include "amounttext.h"
#include "ellipseshape.h"
#include "foodlistcolumns.h"
#include "formkit.h"
#include "mainformpictures.h"
#include "nutrients.h"
#include "sessionfile.h"
#include "settings.h"
#include "statusstrip.h"
#include "userprompts.h"
#include "windowfont.h"
#include "wrapbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace {

// The session's part of what the window is given.
DaySessionContext SessionContext(const MainWindowContext &context)
{
    DaySessionContext session;
    session.dataDirectory = context.dataDirectory;
    session.prompts = context.prompts;
    session.clock = context.clock;
    session.locale = context.locale;
    session.scheduler = context.scheduler;
    session.recoveryDelayMs = context.sessionSaveDelayMs;
    session.documentsFolder = context.documentsFolder;
    return session;
}

const QColor Silver(192, 192, 192);
const QColor LabelGrey(235, 235, 235);
const QColor PanelColour(192, 228, 218);
const QColor HeadYellow(234, 234, 0);

constexpr int ClientWidth = 1200;
constexpr int ClientHeight = 745;
constexpr int LabelHeight = 18;
constexpr int ValuePitch = 54; // the thirteen value columns stand on a 54-pixel pitch
constexpr int AmountWidth = 59;

// Left edges of the value columns: in the input line and the day panel relative to their
// parents, on the meal pages relative to the page.
constexpr int InputValueLeft = 465;
constexpr int MealValueLeft = 445;
constexpr int DayValueLeft = 448;

// A value cell of column k: 48 pixels from the column's left edge, widened by two on each side
// so that seven-character texts such as "1234.5%" fit the 13-pixel font.
QRect ValueRect(int firstLeft, int k, int top)
{
    return QRect(firstLeft + ValuePitch * k - 2, top, 52, LabelHeight);
}

// A column head: the full pitch, so the widest short name ("Fet.gesä") is never cut.
QRect HeadRect(int firstLeft, int k, int top)
{
    return QRect(firstLeft + ValuePitch * k - 3, top, ValuePitch, LabelHeight);
}

QFrame *AddPanel(QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour)
{
    QFrame *panel = MakePanel(parent, name, geometry);
    SetBackground(panel, colour);
    return panel;
}

QToolButton *AddRedCross(QWidget *parent, const QString &name, const QRect &geometry, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(QStringLiteral("X"));
    button->setToolTip(hint);
    button->setGeometry(geometry);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(palette);
    return button;
}

const char *const MealSumCaptionNames[MealCount] = {"Label50", "Label31", "Label32",
                                                    "Label87", "Label98", "Label109"};
const char *const MealSumCaptions[MealCount] = {"Mahlzeit 1  - Summen  ", "Mahlzeit 2 - Summen ",
                                                "Mahlzeit 3 - Summen  ",  "Mahlzeit 4 - Summen ",
                                                "Mahlzeit 5 - Summen  ",  "Mahlzeit 6 - Summen "};
const int MarkerLefts[MealCount] = {36, 122, 210, 296, 380, 466};

// The meal lists' widths of name, Db, id (hidden) and amount; the values take ValuePitch.
constexpr int MealListLeadWidths[FoodColumn::FirstValue] = {340, 28, 0, 66};

// Strg+Z, and both keys of redo: Strg+Y and Strg+Umschalt+Z.
const QKeySequence UndoKey(Qt::CTRL | Qt::Key_Z);
const QKeySequence RedoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

QList<QKeySequence> DayUndoKeys()
{
    return {UndoKey, RedoKeys[0], RedoKeys[1]};
}

// A button of a row of commands: its name, left edge and width, caption and what it does.
struct CommandButton
{
    const char *name;
    int left;
    int width;
    QString caption;
    std::function<void()> handler;
    QString hint = QString(); // the key, where it has one
};

} // namespace

TMainForm::TMainForm(const MainWindowContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_session(std::make_unique<DaySession>(SessionContext(context)))
{
    connect(m_session.get(), &DaySession::dayChanged, this, [this](DayParts parts) { showDayChange(parts); });
    buildLayout();
    buildKeys();
    setWindowTitle(AppTitle());
    setActiveMeal(1);
    m_session->loadData();
    // The program opens on today's diary day.
    m_session->openDiary();
    showDiaryDate();
    UpdateMealMarkers();
}

TMainForm::~TMainForm() = default;

// ---- layout ---------------------------------------------------------------------------------

QLabel *TMainForm::addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                            Qt::Alignment alignment)
{
    QLabel *label = addHeadLabel(parent, name, text, geometry, alignment);
    // One palette for all of them, holding only the grey: a palette built for each label
    // cost more than the rest of making it.
    label->setPalette(m_labelPalette);
    return label;
}

QLabel *TMainForm::addHeadLabel(QWidget *parent, const QString &name, const QString &text,
                                const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    // Filled, since a head's last label reaches over the head's edge.
    label->setAutoFillBackground(true);
    m_labelsByName.insert(name, label);
    return label;
}

void TMainForm::onClick(QWidget *widget, std::function<void()> handler)
{
    m_clickHandlers.insert(widget, std::move(handler));
    widget->installEventFilter(this);
    widget->setCursor(Qt::PointingHandCursor);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_amountEdit && event->type() == QEvent::ShortcutOverride) {
        // The field would take these keys for undoing its own typing; left unclaimed, they
        // reach the window's shortcuts and undo the day, as everywhere else in the window.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence &dayKey : DayUndoKeys()) {
            if (pressed == dayKey)
                return true;
        }
    }
    if (watched == m_foodPanel) {
        // The food magnifier is the first stop of the keyboard road: Enter or Space on it
        // opens the selection, and it shows by sinking in that it has the focus.
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                OpenFoodSelection();
                return true;
            }
        } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            m_foodPanel->setFrameShadow(event->type() == QEvent::FocusIn ? QFrame::Sunken : QFrame::Raised);
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        const auto handler = m_clickHandlers.constFind(watched);
        if (handler != m_clickHandlers.constEnd() && mouse->button() == Qt::LeftButton && widget != nullptr &&
            widget->rect().contains(mouse->position().toPoint())) {
            handler.value()();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::buildLayout()
{
    // While the controls are made the application's font is the window's: made in another
    // font first, each would measure and lay out its text once in a font it never shows. The
    // application's own font comes back afterwards, for tool tips and Qt's dialogs.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(WindowFontPixels(13));
    SetUpFixedWindow(this, QStringLiteral("MainForm"), QSize(ClientWidth, ClientHeight), Silver);
    m_labelPalette.setColor(QPalette::Window, LabelGrey);

    buildCommandBar();
    buildInputLine();
    buildMealPages();
    buildDayPanel();
    buildDateBar();
    // The free strip under the day panel, to the window's bottom edge.
    m_status = new StatusStrip(this, QStringLiteral("StatusLabel"), QRect(17, 728, 1168, 16));
    QApplication::setFont(applicationFont);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(ClientWidth / 2, ClientHeight / 2));
}

void TMainForm::buildCommandBar()
{
    QFrame *bar = AddPanel(this, QStringLiteral("Panel7"), QRect(17, 6, 1168, 67), PanelColour);

    const CommandButton commands[] = {
        {"MzDateiEinlesenBtn", 10, 106, QStringLiteral("Mahlzeiten - Datei einlesen"),
         [this] { ReadMealFile(); }, QStringLiteral("Strg+O")},
        {"MzDateiSpeichernBtn", 122, 106, QStringLiteral("Mahlzeiten in Datei speichern"),
         [this] { SaveMealFile(); }, QStringLiteral("Strg+S")},
        {"TagBilanzSpeichernBtn", 234, 107, QStringLiteral("Tagesbilanz in Datei speichern"),
         [this] { SaveDayBalance(); }},
        {"ZusLebeMitBtn", 347, 97, QStringLiteral("Zusätzliche Lebensmittel"),
         [this] { OpenAdditionalFoods(); }},
        {"MaxWerteBtn", 450, 104, QStringLiteral("Maximale     Werte anzeigen"), [this] { OpenMaxValues(); }},
        {"DelFormValueBtn", 560, 113, QStringLiteral("Formularfelder zurücksetzen"), [this] { ResetAll(); }},
        {"BeendenBtn", 744, 100, QStringLiteral("Beenden"), [this] { close(); }},
    };
    for (const CommandButton &command : commands) {
        WrapButton *button = MakeWrapButton(bar, QLatin1String(command.name), command.caption,
                                            QRect(command.left, 12, command.width, 42));
        if (!command.hint.isEmpty())
            button->setToolTip(command.hint);
        connect(button, &QPushButton::clicked, this, command.handler);
    }

    auto *info = new QToolButton(bar);
    info->setObjectName(QStringLiteral("InfoSBtn"));
    info->setToolTip(QStringLiteral("Informationen zum Programm (F1)"));
    info->setGeometry(679, 12, 42, 42);
    info->setIcon(QIcon(InfoPicture()));
    info->setIconSize(QSize(32, 32));
    connect(info, &QToolButton::clicked, this, [this] { OpenInfoWindow(); });

    addLabel(bar, QStringLiteral("Label4"), QStringLiteral("Lebensmittel"), QRect(888, 10, 84, LabelHeight));
    addLabel(bar, QStringLiteral("Label3"), QStringLiteral("in Schweizer Liste"),
             QRect(976, 10, 114, LabelHeight));
    addLabel(bar, QStringLiteral("Label1"), QString(), QRect(1094, 10, 60, LabelHeight),
             Qt::AlignRight | Qt::AlignVCenter);
    addLabel(bar, QStringLiteral("Label14"), QStringLiteral("in zusätzlicher Liste"),
             QRect(976, 36, 114, LabelHeight));
    addLabel(bar, QStringLiteral("Label2"), QString(), QRect(1094, 36, 60, LabelHeight),
             Qt::AlignRight | Qt::AlignVCenter);
}

void TMainForm::buildInputLine()
{
    const QString chooseFood = QStringLiteral("Lebensmittel auswählen (Strg+F, F3)");
    QFrame *lupePanel = AddPanel(this, QStringLiteral("LupeLebePanel"), QRect(20, 84, 40, 40), HeadYellow);
    lupePanel->setToolTip(chooseFood);
    lupePanel->setFocusPolicy(Qt::TabFocus);
    m_foodPanel = lupePanel;
    auto *lupe = new QLabel(lupePanel);
    lupe->setObjectName(QStringLiteral("LebeLupeImage"));
    lupe->setGeometry(4, 4, 32, 32);
    lupe->setPixmap(MagnifierPicture(32));
    lupe->setToolTip(chooseFood);
    onClick(lupePanel, [this] { OpenFoodSelection(); });
    onClick(lupe, [this] { OpenFoodSelection(); });
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { OpenFoodSelection(); });

    QFrame *nameHead = AddPanel(this, QStringLiteral("Panel12"), QRect(64, 84, 330, 22), HeadYellow);
    addHeadLabel(nameHead, QStringLiteral("Label21"), QStringLiteral(" Lebensmittel"),
                 QRect(2, 2, 326, LabelHeight));

    QFrame *valueHead = AddPanel(this, QStringLiteral("Panel11"), QRect(400, 84, 762, 22), HeadYellow);
    QLabel *referenceCaption =
        addHeadLabel(valueHead, QStringLiteral("NwMengeLabel"), QStringLiteral("B.Menge"),
                     QRect(2, 2, AmountWidth - 2, LabelHeight), Qt::AlignCenter);
    referenceCaption->setToolTip(QStringLiteral("Bezugsmenge"));
    const auto &catalogue = NutrientCatalogue();
    for (int k = 0; k < NutrientCount; ++k)
        addHeadLabel(valueHead, QStringLiteral("NwBezLabel%1").arg(k), catalogue[k].shortName,
                     HeadRect(InputValueLeft - 400, k, 2), Qt::AlignCenter);
    labelNamed(QStringLiteral("NwBezLabel4"))->setToolTip(QStringLiteral("gesättigte Fettsäuren"));

    addLabel(this, QStringLiteral("BezeLabel"), QString(), QRect(64, 112, 330, LabelHeight));
    addLabel(this, QStringLiteral("MengLabel"), QString(), QRect(400, 112, AmountWidth, LabelHeight),
             Qt::AlignRight | Qt::AlignVCenter);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(this, QStringLiteral("NwLabel%1").arg(k), QString(), ValueRect(InputValueLeft, k, 112),
                 Qt::AlignRight | Qt::AlignVCenter);
    QToolButton *clearLine = AddRedCross(this, QStringLiteral("DelZeileSBtn"), QRect(1166, 111, 22, 20),
                                         QStringLiteral("Auswahlzeile löschen"));
    connect(clearLine, &QToolButton::clicked, this, [this] { ClearInputLine(); });

    addLabel(this, QStringLiteral("KopfMengLabel"), QStringLiteral("g , St"),
             QRect(400, 134, AmountWidth, LabelHeight), Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(this, QStringLiteral("KopfLabel%1").arg(k), catalogue[k].unitLabel,
                 HeadRect(InputValueLeft, k, 134), Qt::AlignCenter);

    addLabel(this, QStringLiteral("Label20"), QStringLiteral("Menge in Mahlzeit"),
             QRect(74, 140, 108, LabelHeight));
    m_amountEdit =
        MakeEdit(this, QStringLiteral("MengEdit"), QRect(186, 138, AmountWidth, 22), AmountFieldLength);
    // Only typing is limited ("2 Scheiben" and "1 Stück mittel" fit); an amount put in by a
    // command (a meal file, "Lebensmittel ändern") is kept whole in the input line even where the
    // field cuts it.
    connect(m_amountEdit, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_session->setAmountText(text); });
    // Strg+Z and Strg+Y undo the day here too, not the typing: the field lets them pass.
    m_amountEdit->installEventFilter(this);
    // Enter after the amount enters the food, as "Lebensmittel eintragen" does.
    connect(m_amountEdit, &QLineEdit::returnPressed, this, [this] { EnterFood(); });
    addLabel(this, QStringLiteral("Label12"), QStringLiteral("g / St"), QRect(248, 140, 44, LabelHeight));
    addLabel(this, QStringLiteral("DbTypLabel"), QString(), QRect(296, 140, 54, LabelHeight))->hide();
    addLabel(this, QStringLiteral("IdLabel"), QString(), QRect(354, 140, 40, LabelHeight))->hide();

    QFrame *mealCommands = AddPanel(this, QStringLiteral("Panel8"), QRect(21, 174, 1161, 32), PanelColour);
    const CommandButton commands[] = {
        {"LebMitEintragenBtn", 43, 145, QStringLiteral("Lebensmittel eintragen"), [this] { EnterFood(); }},
        {"LebMitEntfernenBtn", 195, 155, QStringLiteral("Lebensmittel entfernen"), [this] { RemoveEntry(); }},
        {"LebMitAendernBtn", 361, 145, QStringLiteral("Lebensmittel ändern"), [this] { ChangeEntry(); }},
    };
    QPushButton *enterButton = nullptr;
    for (const CommandButton &command : commands) {
        QPushButton *button = MakeButton(mealCommands, QLatin1String(command.name), command.caption,
                                         QRect(command.left, 4, command.width, 24));
        connect(button, &QPushButton::clicked, this, command.handler);
        if (enterButton == nullptr)
            enterButton = button;
    }
    addLabel(mealCommands, QStringLiteral("DateiNameLabel"), QString(), QRect(590, 7, 387, LabelHeight));

    // Tab follows the road of one food: the magnifier, the amount, "Lebensmittel eintragen".
    setTabOrder(lupePanel, m_amountEdit);
    setTabOrder(m_amountEdit, enterButton);
    m_enterButton = enterButton;
}

void TMainForm::buildMealPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("APageControl"));
    m_pages->setGeometry(17, 220, 1169, 344);
    m_pages->tabBar()->setExpanding(false);
    // One tab per meal marker: the markers stand 86 pixels apart, so the tabs are as wide.
    m_pages->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { width: 86px; }"));

    for (int n = 1; n <= MealCount; ++n) {
        // Made inside the tab widget, so that the list and its heads take the window's font from
        // the start; a page without a parent would give them the system font for good.
        auto *page = new QWidget(m_pages);
        page->setObjectName(QStringLiteral("MahlzeitTabSheet%1").arg(n));
        SetBackground(page, Silver);
        m_mealPages[n - 1] = page;
        m_pages->addTab(page, QStringLiteral("  Mahlzeit %1  ").arg(n));
    }
    // The first page is shown at start; the others are filled when first shown or reached.
    ensureMealPage(1);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        ensureMealPage(index + 1);
        m_session->setActiveMeal(index + 1);
    });

    // The markers sit on the upper edge of the tabs; made after the pages, they lie above them.
    for (int n = 1; n <= MealCount; ++n) {
        auto *marker = new EllipseShape(HeadYellow, this);
        marker->setObjectName(QStringLiteral("MarkerShape%1").arg(n));
        marker->setGeometry(MarkerLefts[n - 1], 212, 24, 16);
        m_markers[n - 1] = marker;
    }
}

QWidget *TMainForm::ensureMealPage(int meal)
{
    if (meal < 1 || meal > MealCount)
        return nullptr;
    QWidget *page = m_mealPages[meal - 1];
    if (m_mealLists[meal - 1] == nullptr) {
        buildMealPage(meal);
        // Made on a shown page (a tab just chosen), the controls need showing themselves.
        if (page->isVisible()) {
            for (QObject *child : page->children()) {
                if (auto *widget = qobject_cast<QWidget *>(child))
                    widget->show();
            }
        }
        showMeal(meal);
        showMealSums(meal);
    }
    return page;
}

void TMainForm::buildMealPage(int n)
{
    QWidget *page = m_mealPages[n - 1];
    // The head stays hidden while the list is put together: a shown head measures all its
    // captions again at every step of it, the column count included.
    auto *list = new QTableWidget(page);
    list->horizontalHeader()->hide();
    list->setColumnCount(FoodColumn::Count);
    list->setObjectName(QStringLiteral("AnzeigeListView%1").arg(n));
    list->setGeometry(8, 8, 1145, 256);
    SetUpRowList(list, LabelHeight);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->horizontalHeader()->setStretchLastSection(false);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(false);
    list->setSortingEnabled(false);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false);
    QStringList heads = {QStringLiteral("Lebensmittel"), QStringLiteral("Db"), QStringLiteral("ID"),
                         QStringLiteral("Menge")};
    for (const NutrientEntry &nutrient : NutrientCatalogue())
        heads.append(nutrient.shortName);
    list->setHorizontalHeaderLabels(heads);
    m_mealLists[n - 1] = list;
    {
        // Unshown, the list needs no word of the new widths: each would queue a relayout
        // that measures the head again, on the hidden pages too. Showing lays it out.
        const QSignalBlocker quiet(list->horizontalHeader());
        for (int column = 0; column < FoodColumn::Count; ++column)
            list->setColumnWidth(column, column < FoodColumn::FirstValue ? MealListLeadWidths[column] : ValuePitch);
        list->setColumnHidden(FoodColumn::Id, true);
    }
    list->horizontalHeader()->show();

    QToolButton *clearMeal = AddRedCross(page, QStringLiteral("DelSBtnSheet%1").arg(n), QRect(8, 272, 24, 24),
                                         QStringLiteral("Tabelle löschen"));
    connect(clearMeal, &QToolButton::clicked, this, [this, n] { ClearMeal(n); });
    auto *up = new QToolButton(page);
    up->setObjectName(QStringLiteral("NachObenSBtn%1").arg(n));
    up->setArrowType(Qt::UpArrow);
    up->setGeometry(42, 272, 24, 24);
    connect(up, &QToolButton::clicked, this, [this, n] { MoveEntryUp(n); });
    auto *down = new QToolButton(page);
    down->setObjectName(QStringLiteral("NachUntenSBtn%1").arg(n));
    down->setArrowType(Qt::DownArrow);
    down->setGeometry(68, 272, 24, 24);
    connect(down, &QToolButton::clicked, this, [this, n] { MoveEntryDown(n); });
    QPushButton *recipe = MakeButton(page, QStringLiteral("AlsRezeptBtn%1").arg(n),
                                     QStringLiteral("Als Rezept speichern"), QRect(98, 272, 132, 24));
    connect(recipe, &QPushButton::clicked, this, [this, n] { SaveMealAsRecipe(n); });

    addLabel(page, QLatin1String(MealSumCaptionNames[n - 1]), QString::fromUtf8(MealSumCaptions[n - 1]),
             QRect(232, 282, 142, LabelHeight), Qt::AlignRight | Qt::AlignVCenter);
    addLabel(page, QStringLiteral("MengLabelSu%1").arg(n), QString(), QRect(380, 282, AmountWidth, LabelHeight),
             Qt::AlignRight | Qt::AlignVCenter);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(page, QStringLiteral("LabelMa%1Su%2").arg(n).arg(k), QString(), ValueRect(MealValueLeft, k, 282),
                 Qt::AlignRight | Qt::AlignVCenter);

    placeInTabOrder(n);
}

void TMainForm::placeInTabOrder(int meal)
{
    // A control made after the window joins the end of the keyboard's road; the page's
    // controls belong behind those of the page before it, as if all pages were made at once.
    QWidget *previous = nullptr;
    for (int n = meal - 1; n >= 1 && previous == nullptr; --n) {
        if (m_mealLists[n - 1] == nullptr)
            continue;
        for (QWidget *widget = m_mealPages[n - 1]->nextInFocusChain(); widget != this;
             widget = widget->nextInFocusChain()) {
            if (m_mealPages[n - 1]->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus))
                previous = widget;
        }
    }
    if (previous == nullptr)
        return; // the first page, made with the window in its place
    QWidgetList stops;
    for (QWidget *widget = m_mealPages[meal - 1]->nextInFocusChain(); widget != m_mealPages[meal - 1];
         widget = widget->nextInFocusChain()) {
        if (m_mealPages[meal - 1]->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus))
            stops.append(widget);
    }
    for (QWidget *stop : stops) {
        setTabOrder(previous, stop);
        previous = stop;
    }
}

void TMainForm::buildDayPanel()
{
    QFrame *day = AddPanel(this, QStringLiteral("TagSuPanel"), QRect(17, 570, 1168, 157), PanelColour);
    // In the free space left of the rows: the days saved so far, averaged.
    QPushButton *severalDays = MakeButton(day, QStringLiteral("MehrereTageBtn"), QStringLiteral("Mehrere Tage ..."),
                                          QRect(14, 58, 160, 42));
    connect(severalDays, &QPushButton::clicked, this, [this] { OpenSeveralDays(); });
    // Above it, the day on paper and as a PDF.
    QPushButton *print =
        MakeButton(day, QStringLiteral("DruckenBtn"), QStringLiteral("Drucken ..."), QRect(14, 8, 72, 42));
    print->setToolTip(QStringLiteral("Strg+P"));
    connect(print, &QPushButton::clicked, this, [this] { PrintDay(); });
    QPushButton *pdf = MakeWrapButton(day, QStringLiteral("PdfSpeichernBtn"), QStringLiteral("Als PDF speichern ..."),
                                      QRect(90, 8, 84, 42));
    connect(pdf, &QPushButton::clicked, this, [this] { SaveDayAsPdf(); });
    // Below, the day's every nutrient beyond the thirteen of the rows.
    QPushButton *allNutrients = MakeButton(day, QStringLiteral("AlleNaehrwerteBtn"),
                                           QStringLiteral("Alle Nährwerte ..."), QRect(14, 106, 160, 42));
    connect(allNutrients, &QPushButton::clicked, this, [this] { OpenAllNutrients(); });

    const auto &catalogue = NutrientCatalogue();
    QFrame *head = AddPanel(day, QStringLiteral("Panel13"), QRect(382, 11, 766, 22), HeadYellow);
    addHeadLabel(head, QStringLiteral("FuMengeLabel"), QStringLiteral("Menge"),
                 QRect(1, 2, AmountWidth, LabelHeight), Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k)
        addHeadLabel(head, QStringLiteral("FuNwBezLabel%1").arg(k), catalogue[k].shortName,
                     HeadRect(DayValueLeft - 382, k, 2), Qt::AlignCenter);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    addLabel(day, QStringLiteral("Label55"), QStringLiteral(" Tages  - Summen "),
             QRect(231, 40, 146, LabelHeight), right);
    addLabel(day, QStringLiteral("MengLabelTaSu"), QString(), QRect(383, 40, AmountWidth, LabelHeight),
             right);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(day, QStringLiteral("LabelTaSu%1").arg(k), QString(), ValueRect(DayValueLeft, k, 40), right);
    QLabel *water = addLabel(day, QStringLiteral("FrWassereLabel"), QStringLiteral("?"),
                             QRect(1146, 40, 16, LabelHeight), Qt::AlignCenter);
    onClick(water, [this] { ShowWaterShares(); });

    addLabel(day, QStringLiteral("FussMengLabel"), QStringLiteral("g , St"),
             QRect(383, 62, AmountWidth, LabelHeight), Qt::AlignCenter);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(day, QStringLiteral("FussLabel%1").arg(k), catalogue[k].unitLabel,
                 HeadRect(DayValueLeft, k, 62), Qt::AlignCenter);

    const QString chooseRequirement = QStringLiteral("Nährwertbedarf pro Tag auswählen");
    QFrame *requirementPanel = AddPanel(day, QStringLiteral("Panel10"), QRect(188, 84, 38, 38), HeadYellow);
    requirementPanel->setToolTip(chooseRequirement);
    auto *lupe = new QLabel(requirementPanel);
    lupe->setObjectName(QStringLiteral("BedarfLupeImage"));
    lupe->setGeometry(3, 3, 32, 32);
    lupe->setPixmap(MagnifierPicture(32));
    lupe->setToolTip(chooseRequirement);
    onClick(requirementPanel, [this] { OpenRequirementsWindow(); });
    onClick(lupe, [this] { OpenRequirementsWindow(); });

    addLabel(day, QStringLiteral("KohorteLabel"), QString(), QRect(231, 90, 204, LabelHeight), right);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(day, QStringLiteral("TaBedLabel%1").arg(k), QString(), ValueRect(DayValueLeft, k, 90),
                 right);

    addLabel(day, QStringLiteral("Label70"), QStringLiteral(" Tagesmengen in Prozent "),
             QRect(231, 116, 204, LabelHeight), right);
    for (int k = 0; k < NutrientCount; ++k)
        addLabel(day, QStringLiteral("ProzLabel%1").arg(k), QString(), ValueRect(DayValueLeft, k, 116),
                 right);
}

void TMainForm::showFoodCounts()
{
    setLabelText(QStringLiteral("Label1"), foodStore().index().swissCountText());
    setLabelText(QStringLiteral("Label2"), foodStore().index().additionalCountText());
}

// ---- keys ------------------------------------------------------------------------------------

void TMainForm::buildKeys()
{
    // Each key's name stands in the tooltip of its control (after the control's hint where it
    // has one): "Strg+O", "Strg+S", "Informationen zum Programm (F1)", "Strg+P", "Alt+1".
    // Window shortcuts: they work wherever the focus is in the window, and not while one of the
    // other windows or a question is open over it.
    const auto add = [this](const QKeySequence &keys, std::function<void()> command) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, std::move(command));
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveMealFile(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { ReadMealFile(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrintDay(); });
    add(QKeySequence(Qt::Key_F1), [this] { OpenInfoWindow(); });
    add(UndoKey, [this] { Undo(); });
    for (const QKeySequence &keys : RedoKeys)
        add(keys, [this] { Redo(); });
    for (int n = 1; n <= MealCount; ++n)
        add(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + n)), [this, n] { setActiveMeal(n); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { showMealPage(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { showMealPage(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { showMealPage(1); });
    // Umschalt+Tab arrives as Backtab.
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { showMealPage(-1); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { showMealPage(-1); });

    for (int n = 1; n <= MealCount; ++n)
        m_pages->setTabToolTip(n - 1, QStringLiteral("Alt+%1").arg(n));
    add(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { ShowPreviousDay(); });
    add(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { ShowNextDay(); });
    add(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { ShowToday(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_G), [this] { CopyYesterdaysMeal(); });
}

void TMainForm::showMealPage(int step)
{
    setActiveMeal((m_session->plan().activeMeal() - 1 + step + MealCount) % MealCount + 1);
}

// ---- helpers --------------------------------------------------------------------------------

QLabel *TMainForm::labelNamed(const QString &name)
{
    // Every label is made with the window or its page and keeps its name, so a remembered
    // answer stays right; a name not known yet may be on a page still to be made, and a label
    // made elsewhere is searched for once, one deleted since again.
    QPointer<QLabel> known = m_labelsByName.value(name);
    if (known.isNull()) {
        for (int n = 1; n <= MealCount; ++n)
            ensureMealPage(n);
        known = m_labelsByName.value(name);
    }
    if (known.isNull()) {
        known = findChild<QLabel *>(name);
        m_labelsByName.insert(name, known);
    }
    return known;
}

QTableWidget *TMainForm::mealList(int meal)
{
    return ensureMealPage(meal) != nullptr ? m_mealLists[meal - 1] : nullptr;
}

void TMainForm::showStatus(const QString &text, int durationMs)
{
    if (durationMs > 0)
        m_status->showPassingText(text, durationMs);
    else
        m_status->setLastingText(text);
}

void TMainForm::setLabelText(const QString &name, const QString &text)
{
    if (QLabel *label = labelNamed(name))
        label->setText(text);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A cancelled, refused or failed save keeps the window open with the meals as they are.
    if (!m_session->close()) {
        event->ignore();
        return;
    }
    event->accept();
}
