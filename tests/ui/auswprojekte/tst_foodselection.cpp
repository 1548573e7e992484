#include "formkit.h"
#include "scriptedprompts.h"
#include "tauswprojekteform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Swiss foods as 'id;name' lines behind the three header lines, own foods as 'id;name' behind
// the two header lines.
FoodIndex MakeIndex(const QStringList &swiss, const QStringList &own = {})
{
    QStringList swissLines{QStringLiteral("Schweizer Nährwertdatenbank"), QStringLiteral("ID;Name"),
                           QStringLiteral("Einheit")};
    QStringList ownLines{QStringLiteral("Zusätzliche Lebensmittel"), QStringLiteral("ID;Name")};
    return BuildFoodIndex(swissLines + swiss, own.isEmpty() ? QStringList() : ownLines + own,
                          QLocale(QLocale::German, QLocale::Germany));
}

const FoodIndex &FruitIndex()
{
    static const FoodIndex index =
        MakeIndex({QStringLiteral("17;Apfel, roh"), QStringLiteral("27;Bratapfel"),
                   QStringLiteral("31;ÄPFEL getrocknet"), QStringLiteral("40;Birne")});
    return index;
}

// Runs action while the window's exec() runs; whatever the action leaves open is closed
// afterwards, so a failing check cannot hang the test.
void WhileOpen(TAuswProjekteForm &form, const std::function<void()> &action)
{
    QTimer::singleShot(0, &form, [&form, action] {
        action();
        if (form.isVisible())
            form.reject();
    });
}

struct Controls
{
    explicit Controls(QWidget *form)
        : suchEdit(form->findChild<QLineEdit *>(QStringLiteral("SuchEdit"))),
          list(form->findChild<QTableView *>(QStringLiteral("FilterListView"))),
          count(form->findChild<QLabel *>(QStringLiteral("Label1"))),
          uebernehmen(form->findChild<QPushButton *>(QStringLiteral("UebernehmenBtn"))),
          cancel(form->findChild<QPushButton *>(QStringLiteral("CancelBtn")))
    {
    }
    QLineEdit *suchEdit;
    QTableView *list;
    QLabel *count;
    QPushButton *uebernehmen;
    QPushButton *cancel;

    int rows() const { return list->model()->rowCount(); }
    QString name(int row) const { return list->model()->index(row, 1).data().toString(); }
    int rowOf(const QString &name) const
    {
        for (int row = 0; row < rows(); ++row) {
            if (this->name(row) == name)
                return row;
        }
        return -1;
    }
    QPoint rowCentre(int row) const { return list->visualRect(list->model()->index(row, 1)).center(); }
    void clickRow(int row) const { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
};

// Keys as a user presses them, each to the control that has the focus.
struct KeyRow
{
    QString typed;
    QList<int> keys;
    QString pickedId;  // empty when the window gives nothing back
    bool open = false; // the window is still open after the keys
    QStringList notices;
};

KeyRow Keys(const QString &typed, const QList<int> &keys, const QString &pickedId = QString(),
            bool open = false, const QStringList &notices = {})
{
    return KeyRow{typed, keys, pickedId, open, notices};
}

} // namespace

Q_DECLARE_METATYPE(KeyRow)

class TestFoodSelection : public QObject
{
    Q_OBJECT

private slots:
    void windowLayout();
    void opensWithAllFoods_data();
    void opensWithAllFoods();
    void typingFiltersAndCounts();
    void compoundHeadSearchedInstead();
    void acceptWithoutSelectionKeepsWindowOpen();
    void clickEnablesTakeOver();
    void acceptReturnsPositionFoundById_data();
    void acceptReturnsPositionFoundById();
    void doubleClickAccepts();
    void downMovesIntoTheList();
    void keyboard_data();
    void keyboard();
    void cancelReturnsNotAccepted();
    void reopeningEmptiesSearchField();
    void clearListEmptiesRows();
    void recentFoodsFirst_data();
    void recentFoodsFirst();
};

void TestFoodSelection::windowLayout()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    QCOMPARE(form.objectName(), QStringLiteral("TAuswProjekteForm"));
    QCOMPARE(form.windowTitle(), QStringLiteral("  Lebensmittel auswählen"));
    QCOMPARE(form.size(), QSize(836, 521));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    for (const char *name : {"Panel1", "StaticText2", "SuchEdit", "StaticText3", "FilterListView", "Panel2",
                             "Label1", "CancelBtn", "UebernehmenBtn"})
        QVERIFY2(form.findChild<QWidget *>(QLatin1String(name)) != nullptr, name);

    const Controls controls(&form);
    QCOMPARE(TypingLimitOf(controls.suchEdit), 40);
    QCOMPARE(controls.cancel->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(controls.uebernehmen->text(), QStringLiteral("Übernehmen "));
    QCOMPARE(controls.list->columnWidth(0), 124);
    QCOMPARE(controls.list->columnWidth(1), 648);
    QCOMPARE(controls.list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(controls.list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(controls.list->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Captions must fit their buttons in whichever window face the system has.
    for (QPushButton *button : {controls.cancel, controls.uebernehmen})
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
}

void TestFoodSelection::opensWithAllFoods_data()
{
    QTest::addColumn<QStringList>("foods");
    QTest::addColumn<QString>("count");

    QTest::newRow("four foods") << QStringList{QStringLiteral("17;Apfel, roh"),
                                               QStringLiteral("27;Bratapfel"),
                                               QStringLiteral("31;ÄPFEL getrocknet"),
                                               QStringLiteral("40;Birne")}
                                << QStringLiteral("4 von 4");
    QTest::newRow("no foods") << QStringList() << QStringLiteral("0 von 0");
}

void TestFoodSelection::opensWithAllFoods()
{
    QFETCH(QStringList, foods);
    QFETCH(QString, count);

    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    int rows = -1;
    QString shownCount;
    bool takeOverEnabled = true;
    QPoint place;
    WhileOpen(form, [&] {
        rows = controls.rows();
        shownCount = controls.count->text();
        takeOverEnabled = controls.uebernehmen->isEnabled();
        place = form.pos();
    });
    const FoodSelection selection = form.selectFood(MakeIndex(foods), QPoint(100, 50));
    QCOMPARE(rows, foods.size());
    QCOMPARE(shownCount, count);
    QVERIFY(!takeOverEnabled);
    QCOMPARE(place, QPoint(248, 78));
    QVERIFY(!selection.accepted);
}

void TestFoodSelection::typingFiltersAndCounts()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    QStringList names;
    QString countAfterApfel, countAfterMore, countAfterCut;
    WhileOpen(form, [&] {
        QTest::keyClicks(controls.suchEdit, QStringLiteral("apfel"));
        for (int row = 0; row < controls.rows(); ++row)
            names.append(controls.name(row));
        countAfterApfel = controls.count->text();
        QTest::keyClicks(controls.suchEdit, QStringLiteral(" roh"));
        countAfterMore = controls.count->text();
        // Removing characters refilters too: every key release counts.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(controls.suchEdit, Qt::Key_Backspace);
        countAfterCut = controls.count->text();
    });
    form.selectFood(FruitIndex(), QPoint());
    // The names that begin with the word first, then the rest.
    QCOMPARE(names, (QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("ÄPFEL getrocknet"),
                                 QStringLiteral("Bratapfel")}));
    QCOMPARE(countAfterApfel, QStringLiteral("3 von 4"));
    QCOMPARE(countAfterMore, QStringLiteral("1 von 4"));
    QCOMPARE(countAfterCut, QStringLiteral("3 von 4"));
}

void TestFoodSelection::compoundHeadSearchedInstead()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    auto *hint = form.findChild<QLabel *>(QStringLiteral("TrefferHinweisLabel"));
    QVERIFY(hint != nullptr);
    QString hintShown, hintAfterCut;
    QStringList names;
    WhileOpen(form, [&] {
        QTest::keyClicks(controls.suchEdit, QStringLiteral("Apfelschorle"));
        hintShown = hint->text();
        for (int row = 0; row < controls.rows(); ++row)
            names.append(controls.name(row));
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(controls.suchEdit, Qt::Key_Backspace);
        hintAfterCut = hint->text();
    });
    form.selectFood(
        MakeIndex({QStringLiteral("378;Apfel, roh"), QStringLiteral("1131;Fruchtsaft-Schorle, ungezuckert")}),
        QPoint());
    QCOMPARE(hintShown, QStringLiteral("Keine Treffer für „Apfelschorle“; gezeigt: „Schorle“"));
    QCOMPARE(names, QStringList{QStringLiteral("Fruchtsaft-Schorle, ungezuckert")});
    QCOMPARE(hintAfterCut, QString());
    // Inside the search bar, beside the field.
    const QRect field = controls.suchEdit->geometry();
    QCOMPARE(hint->parentWidget(), controls.suchEdit->parentWidget());
    QVERIFY(hint->geometry().left() > field.right());
    QVERIFY(hint->parentWidget()->rect().contains(hint->geometry()));
}

void TestFoodSelection::acceptWithoutSelectionKeepsWindowOpen()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    bool openAfterAccept = false;
    WhileOpen(form, [&] {
        // Enabled by a click on a row, then the rows are replaced by a key release.
        controls.clickRow(0);
        QTest::keyClicks(controls.suchEdit, QStringLiteral("b"));
        QVERIFY(controls.uebernehmen->isEnabled());
        QTest::mouseClick(controls.uebernehmen, Qt::LeftButton);
        openAfterAccept = form.isVisible();
    });
    const FoodSelection selection = form.selectFood(FruitIndex(), QPoint());
    QVERIFY(openAfterAccept);
    QCOMPARE(prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Es ist kein Lebensmittel ausgewählt!")});
    QVERIFY(!selection.accepted);
}

void TestFoodSelection::clickEnablesTakeOver()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    bool afterRowClick = false;
    bool afterDeselect = true;
    WhileOpen(form, [&] {
        controls.clickRow(1);
        afterRowClick = controls.uebernehmen->isEnabled();
        // Ctrl+click takes the selection off the row; the button follows the selection.
        QTest::mouseClick(controls.list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          controls.rowCentre(1));
        afterDeselect = controls.uebernehmen->isEnabled();
    });
    form.selectFood(FruitIndex(), QPoint());
    QVERIFY(afterRowClick);
    QVERIFY(!afterDeselect);
}

void TestFoodSelection::acceptReturnsPositionFoundById_data()
{
    QTest::addColumn<QString>("pick");
    QTest::addColumn<int>("position");

    // Index order: 17 Apfel (Swiss) 0, 40 Birne (Swiss) 1, 17 own apple 2, 99 own nut 3.
    QTest::newRow("Swiss food") << QStringLiteral("Birne") << 1;
    QTest::newRow("own food") << QStringLiteral("Nussmischung") << 3;
    QTest::newRow("own food with a Swiss id gives the Swiss food") << QStringLiteral("Apfel vom Baum") << 0;
}

void TestFoodSelection::acceptReturnsPositionFoundById()
{
    QFETCH(QString, pick);
    QFETCH(int, position);

    const FoodIndex index =
        MakeIndex({QStringLiteral("17;Apfel, roh"), QStringLiteral("40;Birne")},
                  {QStringLiteral("17;Apfel vom Baum"), QStringLiteral("99;Nussmischung")});
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    WhileOpen(form, [&] {
        controls.clickRow(controls.rowOf(pick));
        QTest::mouseClick(controls.uebernehmen, Qt::LeftButton);
    });
    const FoodSelection selection = form.selectFood(index, QPoint());
    QVERIFY(selection.accepted);
    QCOMPARE(selection.position, position);
    QVERIFY(prompts.calls.isEmpty());
}

void TestFoodSelection::doubleClickAccepts()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    WhileOpen(form, [&] {
        const QPoint centre = controls.rowCentre(controls.rowOf(QStringLiteral("Birne")));
        QTest::mouseDClick(controls.list->viewport(), Qt::LeftButton, {}, centre);
    });
    const FoodSelection selection = form.selectFood(FruitIndex(), QPoint());
    QVERIFY(selection.accepted);
    QCOMPARE(selection.position, 3);
}

void TestFoodSelection::downMovesIntoTheList()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    bool focusInField = false;
    QWidget *focusAfterDown = nullptr;
    QList<int> selectedRows;
    bool enabled = false;
    WhileOpen(form, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&form));
        focusInField = QApplication::focusWidget() == controls.suchEdit;
        QTest::keyClicks(controls.suchEdit, QStringLiteral("apfel"));
        // Press and release both reach the field, as when the keys come faster than the focus.
        QTest::keyClick(controls.suchEdit, Qt::Key_Down);
        focusAfterDown = QApplication::focusWidget();
        for (const QModelIndex &row : controls.list->selectionModel()->selectedRows())
            selectedRows.append(row.row());
        enabled = controls.uebernehmen->isEnabled();
    });
    form.selectFood(FruitIndex(), QPoint());
    QVERIFY(focusInField);
    QCOMPARE(focusAfterDown, controls.list);
    QCOMPARE(selectedRows, QList<int>{0});
    QVERIFY(enabled);
}

void TestFoodSelection::keyboard_data()
{
    QTest::addColumn<KeyRow>("row");
    const QString none = QStringLiteral("Es ist kein Lebensmittel ausgewählt!");

    QTest::newRow("Down, Enter: the first row")
        << Keys(QStringLiteral("apfel"), {Qt::Key_Down, Qt::Key_Return}, QStringLiteral("17"));
    QTest::newRow("Down twice: the second row")
        << Keys(QStringLiteral("apfel"), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, QStringLiteral("31"));
    QTest::newRow("Enter in the field takes the first row")
        << Keys(QStringLiteral("birne"), {Qt::Key_Return}, QStringLiteral("40"));
    QTest::newRow("Enter at once takes the first of all")
        << Keys(QString(), {Qt::Key_Return}, QStringLiteral("17"));
    QTest::newRow("no rows: Down stays, Enter says so")
        << Keys(QStringLiteral("xyz"), {Qt::Key_Down, Qt::Key_Return}, QString(), true, {none});
    QTest::newRow("Escape in the list") << Keys(QStringLiteral("apfel"), {Qt::Key_Down, Qt::Key_Escape});
    QTest::newRow("Escape in the field") << Keys(QStringLiteral("apfel"), {Qt::Key_Escape});
}

void TestFoodSelection::keyboard()
{
    QFETCH(KeyRow, row);
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    bool open = false;
    WhileOpen(form, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClicks(QApplication::focusWidget(), row.typed);
        for (const int key : std::as_const(row.keys))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        open = form.isVisible();
    });
    const FoodSelection selection = form.selectFood(FruitIndex(), QPoint());
    QCOMPARE(selection.accepted, !row.pickedId.isEmpty());
    if (selection.accepted)
        QCOMPARE(FruitIndex().id(selection.position), row.pickedId);
    QCOMPARE(open, row.open);
    QCOMPARE(prompts.texts(QStringLiteral("notice")), row.notices);
}

void TestFoodSelection::cancelReturnsNotAccepted()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    WhileOpen(form, [&] {
        controls.clickRow(0);
        QTest::mouseClick(controls.cancel, Qt::LeftButton);
    });
    const FoodSelection selection = form.selectFood(FruitIndex(), QPoint());
    QVERIFY(!selection.accepted);
    QCOMPARE(selection.position, -1);
    QVERIFY(!form.isVisible());
}

void TestFoodSelection::reopeningEmptiesSearchField()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    WhileOpen(form, [&] {
        QTest::keyClicks(controls.suchEdit, QStringLiteral("birne"));
        controls.clickRow(0);
        QTest::mouseClick(controls.cancel, Qt::LeftButton);
    });
    form.selectFood(FruitIndex(), QPoint());

    QString field = QStringLiteral("?");
    QString count;
    bool enabled = true;
    WhileOpen(form, [&] {
        field = controls.suchEdit->text();
        count = controls.count->text();
        enabled = controls.uebernehmen->isEnabled();
    });
    form.selectFood(FruitIndex(), QPoint());
    QCOMPARE(field, QString());
    QCOMPARE(count, QStringLiteral("4 von 4"));
    QVERIFY(!enabled);
}

void TestFoodSelection::clearListEmptiesRows()
{
    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    WhileOpen(form, [] {});
    form.selectFood(FruitIndex(), QPoint());
    const Controls controls(&form);
    QCOMPARE(controls.rows(), 4);
    form.clearList();
    QCOMPARE(controls.rows(), 0);
}

// The position of id in index's sorted list, as the diary's recent foods name it.
static int SortedPosition(const FoodIndex &index, const QString &id)
{
    for (int position = 0; position < index.sortedCount(); ++position) {
        if (index.sortedId(position) == id)
            return position;
    }
    return -1;
}

void TestFoodSelection::recentFoodsFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("recentIds"); // most eaten first
    QTest::addColumn<QStringList>("rows");      // names; "# " and the text for a heading row
    QTest::addColumn<QString>("enterPicks");    // the id Enter in the field takes
    QTest::addColumn<QString>("count");         // of the foods found, each once

    // "*" stands for the whole list in list order.
    QTest::newRow("empty field: the recent foods under their heading, then every food")
        << QString() << QStringList{QStringLiteral("40"), QStringLiteral("27")}
        << QStringList{QStringLiteral("# Zuletzt gegessen"), QStringLiteral("Birne"), QStringLiteral("Bratapfel"),
                       QStringLiteral("# Alle Lebensmittel"), QStringLiteral("*")}
        << "40" << "4 von 4";
    QTest::newRow("nothing eaten lately: the list as always")
        << QString() << QStringList() << QStringList{QStringLiteral("*")} << "17" << "4 von 4";
    QTest::newRow("search: a recent food first among equal matches, no heading")
        << "apfel" << QStringList{QStringLiteral("31")}
        << QStringList{QStringLiteral("ÄPFEL getrocknet"), QStringLiteral("Apfel, roh"), QStringLiteral("Bratapfel")}
        << "31" << "3 von 4";
    QTest::newRow("search: a recent food never above a better match")
        << "apfel" << QStringList{QStringLiteral("27")}
        << QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("ÄPFEL getrocknet"), QStringLiteral("Bratapfel")}
        << "17" << "3 von 4";
}

void TestFoodSelection::recentFoodsFirst()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, recentIds);
    QFETCH(QStringList, rows);
    QFETCH(QString, enterPicks);
    QFETCH(QString, count);

    const FoodIndex &index = FruitIndex();
    QList<int> recent;
    for (const QString &id : std::as_const(recentIds))
        recent.append(SortedPosition(index, id));
    QStringList expected;
    for (const QString &row : std::as_const(rows)) {
        if (row != QLatin1String("*")) {
            expected.append(row);
            continue;
        }
        for (int position = 0; position < index.sortedCount(); ++position)
            expected.append(index.sortedTexts().at(position).section(QLatin1Char('='), 1));
    }

    ScriptedPrompts prompts;
    TAuswProjekteForm form(&prompts);
    const Controls controls(&form);
    QStringList shown;
    QString shownCount;
    bool headingUnspanned = false;
    WhileOpen(form, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClicks(controls.suchEdit, typed);
        const QAbstractItemModel *model = controls.list->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex first = model->index(row, 0);
            if (model->flags(first) & Qt::ItemIsSelectable) {
                shown.append(controls.name(row));
                continue;
            }
            // A heading spans the row and cannot be taken.
            shown.append(QStringLiteral("# ") + first.data().toString());
            headingUnspanned = headingUnspanned || controls.list->columnSpan(row, 0) != 2;
        }
        shownCount = controls.count->text();
        QTest::keyClick(controls.suchEdit, Qt::Key_Return);
    });
    const FoodSelection selection = form.selectFood(index, QPoint(), recent);
    QCOMPARE(shown, expected);
    QVERIFY(!headingUnspanned);
    QCOMPARE(shownCount, count);
    QVERIFY(selection.accepted);
    QCOMPARE(index.id(selection.position), enterPicks);
}

QTEST_MAIN(TestFoodSelection)
#include "tst_foodselection.moc"
