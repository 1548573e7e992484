// The main window's start-up, layout and the road of one food into the balance.

#include "formkit.h"
#include "mainformsession.h"

#include "nutrients.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QTimer>

namespace {

const QColor Grey(235, 235, 235);
const QColor Green(134, 236, 72);
const QColor Orange(255, 153, 0);
const QColor Red(255, 74, 74);

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void layoutNamesCaptionsAndHints();
    void mealListColumns();
    void enterThroughSelectionWindow();
    void balanceColoursMarkersAndWater();
    void piecesUseTheirOwnUnit();
    void refusalsKeepState_data();
    void refusalsKeepState();
    void twelveEntryLimitKeepsInputLine();
    void pageShownLaterHoldsItsMealAndPlace();
};

void TestMainForm::startUp_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("swissCount");
    QTest::addColumn<QString>("ownCount");
    QTest::addColumn<QString>("requirementTitle");
    QTest::addColumn<QString>("energyRequirement");

    QTest::newRow("all files missing")
        << QString()
        << QStringList{QStringLiteral("Schweizer Nährwertdatenbank nicht gefunden!"),
                       QStringLiteral("DGE*-Referenzwerteliste nicht gefunden!")}
        << QStringLiteral("  0") << QStringLiteral("  0")
        << QStringLiteral("Tagesbedarf '25 bis unter 51' (w)*")
        << QString::number(BuiltInReference().values[0], 'f', 0);
    QTest::newRow("wrong headers")
        << QStringLiteral("wrongheaders")
        << QStringList{QStringLiteral("Die Datei enthält nicht die Schweizer Nährwertdatenbank"),
                       QStringLiteral("Die Datei enthält nicht die eigene Nährwertdatenbank")}
        << QStringLiteral("  0") << QStringLiteral("  0")
        << QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ") << QStringLiteral("1800");
    QTest::newRow("good files") << QStringLiteral("good") << QStringList() << QStringLiteral("  5")
                                << QStringLiteral("  2")
                                << QStringLiteral("Tagesbedarf '25 bis unter 51' (w) ")
                                << QStringLiteral("1800");
}

void TestMainForm::startUp()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, messages);

    MainFormSession session(fixture);
    // Every start-up message goes to the plain message box, once each, in file order.
    QCOMPARE(session.prompts.texts(QStringLiteral("plain")), messages);
    QCOMPARE(session.prompts.calls.size(), messages.size());

    QTEST(session.text(QStringLiteral("Label1")), "swissCount");
    QTEST(session.text(QStringLiteral("Label2")), "ownCount");
    QTEST(session.text(QStringLiteral("KohorteLabel")), "requirementTitle");
    QTEST(session.text(QStringLiteral("TaBedLabel0")), "energyRequirement");

    QCOMPARE(session.form->windowTitle(), AppTitle());
    QCOMPARE(session.form->size(), QSize(1200, 745));
    QCOMPARE(session.form->minimumSize(), session.form->maximumSize());
    QCOMPARE(session.pages()->currentIndex(), 0);
    QCOMPARE(session.form->mealPlan().activeMeal(), 1);
    QVERIFY(!session.form->mealPlan().changed());
    for (int n = 1; n <= MealCount; ++n) {
        QVERIFY(session.marker(n)->isHidden());
        QCOMPARE(session.text(QStringLiteral("MengLabelSu%1").arg(n)), QString());
    }
    // No balance before the first change: sums and percentages stay empty and grey.
    for (int k = 0; k < NutrientCount; ++k) {
        QCOMPARE(session.text(QStringLiteral("LabelTaSu%1").arg(k)), QString());
        QCOMPARE(session.text(QStringLiteral("ProzLabel%1").arg(k)), QString());
        QCOMPARE(session.background(QStringLiteral("ProzLabel%1").arg(k)), Grey);
    }
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("g , St"));
    QCOMPARE(session.text(QStringLiteral("Label12")), QStringLiteral("g / St"));
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QString());
}

void TestMainForm::layoutNamesCaptionsAndHints()
{
    MainFormSession session(QStringLiteral("good"));
    TMainForm *form = session.form.get();

    const QList<QPair<QString, QString>> captions = {
        {QStringLiteral("MzDateiEinlesenBtn"), QStringLiteral("Mahlzeiten - Datei einlesen")},
        {QStringLiteral("MzDateiSpeichernBtn"), QStringLiteral("Mahlzeiten in Datei speichern")},
        {QStringLiteral("TagBilanzSpeichernBtn"), QStringLiteral("Tagesbilanz in Datei speichern")},
        {QStringLiteral("ZusLebeMitBtn"), QStringLiteral("Zusätzliche Lebensmittel")},
        {QStringLiteral("MaxWerteBtn"), QStringLiteral("Maximale     Werte anzeigen")},
        {QStringLiteral("DelFormValueBtn"), QStringLiteral("Formularfelder zurücksetzen")},
        {QStringLiteral("BeendenBtn"), QStringLiteral("Beenden")},
        {QStringLiteral("LebMitEintragenBtn"), QStringLiteral("Lebensmittel eintragen")},
        {QStringLiteral("LebMitEntfernenBtn"), QStringLiteral("Lebensmittel entfernen")},
        {QStringLiteral("LebMitAendernBtn"), QStringLiteral("Lebensmittel ändern")},
        {QStringLiteral("DelZeileSBtn"), QStringLiteral("X")},
        {QStringLiteral("DelSBtnSheet6"), QStringLiteral("X")},
        {QStringLiteral("AlsRezeptBtn2"), QStringLiteral("Als Rezept speichern")},
        {QStringLiteral("AlleNaehrwerteBtn"), QStringLiteral("Alle Nährwerte ...")},
    };
    for (const auto &[name, caption] : captions) {
        const auto *button = session.control<QAbstractButton>(name);
        QVERIFY2(button != nullptr, qPrintable(name));
        QCOMPARE(button->text(), caption);
    }
    // The info sign built in as its pixels is the picture drawn into the PNG beside them.
    const QImage sign = session.control<QAbstractButton>(QStringLiteral("InfoSBtn"))->icon().pixmap(32, 32).toImage();
    const QImage drawn = QImage(QStringLiteral(KB_TEST_DIR "/../../../ui/main/pictures/info_sign.png"));
    QVERIFY(!drawn.isNull());
    QCOMPARE(sign.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    const QList<QPair<QString, QString>> labels = {
        {QStringLiteral("Label4"), QStringLiteral("Lebensmittel")},
        {QStringLiteral("Label3"), QStringLiteral("in Schweizer Liste")},
        {QStringLiteral("Label14"), QStringLiteral("in zusätzlicher Liste")},
        {QStringLiteral("Label21"), QStringLiteral(" Lebensmittel")},
        {QStringLiteral("NwMengeLabel"), QStringLiteral("B.Menge")},
        {QStringLiteral("Label20"), QStringLiteral("Menge in Mahlzeit")},
        {QStringLiteral("Label50"), QStringLiteral("Mahlzeit 1  - Summen  ")},
        {QStringLiteral("Label31"), QStringLiteral("Mahlzeit 2 - Summen ")},
        {QStringLiteral("Label109"), QStringLiteral("Mahlzeit 6 - Summen ")},
        {QStringLiteral("Label55"), QStringLiteral(" Tages  - Summen ")},
        {QStringLiteral("FuMengeLabel"), QStringLiteral("Menge")},
        {QStringLiteral("FussMengLabel"), QStringLiteral("g , St")},
        {QStringLiteral("Label70"), QStringLiteral(" Tagesmengen in Prozent ")},
        {QStringLiteral("FrWassereLabel"), QStringLiteral("?")},
        {QStringLiteral("NwBezLabel4"), QStringLiteral("Fet.gesä")},
        {QStringLiteral("FuNwBezLabel12"), QStringLiteral("Wasser")},
        {QStringLiteral("KopfLabel10"), QStringLiteral("µg")},
        {QStringLiteral("FussLabel2"), QStringLiteral("< g")},
    };
    for (const auto &[name, caption] : labels)
        QCOMPARE(session.text(name), caption);

    const QList<QPair<QString, QString>> hints = {
        {QStringLiteral("LupeLebePanel"), QStringLiteral("Lebensmittel auswählen (Strg+F, F3)")},
        {QStringLiteral("LebeLupeImage"), QStringLiteral("Lebensmittel auswählen (Strg+F, F3)")},
        {QStringLiteral("NwMengeLabel"), QStringLiteral("Bezugsmenge")},
        {QStringLiteral("NwBezLabel4"), QStringLiteral("gesättigte Fettsäuren")},
        {QStringLiteral("DelZeileSBtn"), QStringLiteral("Auswahlzeile löschen")},
        {QStringLiteral("DelSBtnSheet3"), QStringLiteral("Tabelle löschen")},
        {QStringLiteral("InfoSBtn"), QStringLiteral("Informationen zum Programm (F1)")},
        {QStringLiteral("MzDateiEinlesenBtn"), QStringLiteral("Strg+O")},
        {QStringLiteral("MzDateiSpeichernBtn"), QStringLiteral("Strg+S")},
        {QStringLiteral("DruckenBtn"), QStringLiteral("Strg+P")},
        {QStringLiteral("Panel10"), QStringLiteral("Nährwertbedarf pro Tag auswählen")},
        {QStringLiteral("BedarfLupeImage"), QStringLiteral("Nährwertbedarf pro Tag auswählen")},
    };
    for (const auto &[name, hint] : hints) {
        const auto *widget = session.control(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        QCOMPARE(widget->toolTip(), hint);
    }

    // Every member of the numbered families exists under its composed name.
    QStringList missing;
    auto expect = [&](const QString &name) {
        if (session.control(name) == nullptr)
            missing.append(name);
    };
    for (int k = 0; k < NutrientCount; ++k) {
        for (const char *family : {"NwLabel", "NwBezLabel", "KopfLabel", "FuNwBezLabel", "FussLabel",
                                   "LabelTaSu", "TaBedLabel", "ProzLabel"})
            expect(QLatin1String(family) + QString::number(k));
        for (int n = 1; n <= MealCount; ++n)
            expect(QStringLiteral("LabelMa%1Su%2").arg(n).arg(k));
    }
    for (int n = 1; n <= MealCount; ++n) {
        for (const char *family : {"MengLabelSu", "MarkerShape", "AnzeigeListView", "MahlzeitTabSheet",
                                   "DelSBtnSheet", "NachObenSBtn", "NachUntenSBtn", "AlsRezeptBtn"})
            expect(QLatin1String(family) + QString::number(n));
        QCOMPARE(session.pages()->tabText(n - 1), QStringLiteral("  Mahlzeit %1  ").arg(n));
    }
    for (const char *name :
         {"Panel7", "Panel8", "Panel11", "Panel12", "Panel13", "TagSuPanel", "BezeLabel", "MengLabel",
          "KopfMengLabel", "IdLabel", "DbTypLabel", "MengLabelTaSu", "DateiNameLabel"})
        expect(QLatin1String(name));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));

    QCOMPARE(TypingLimitOf(session.amountEdit()), 6);
    QVERIFY(session.label(QStringLiteral("IdLabel"))->isHidden());
    QVERIFY(session.label(QStringLiteral("DbTypLabel"))->isHidden());
    QCOMPARE(session.marker(4)->geometry(), QRect(296, 212, 24, 16));
    QCOMPARE(session.label(QStringLiteral("Label4"))->font().pixelSize(), 13);
    QCOMPARE(session.background(QStringLiteral("BezeLabel")), Grey);
    QCOMPARE(form->findChild<QWidget *>(QStringLiteral("TagSuPanel"))->palette().color(QPalette::Window),
             QColor(192, 228, 218));
    QCOMPARE(form->findChild<QWidget *>(QStringLiteral("Panel13"))->palette().color(QPalette::Window),
             QColor(234, 234, 0));
}

void TestMainForm::mealListColumns()
{
    MainFormSession session(QStringLiteral("good"));
    for (int n = 1; n <= MealCount; ++n) {
        const QTableWidget *list = session.form->mealList(n);
        QCOMPARE(list->columnCount(), 17);
        QCOMPARE(list->columnWidth(0), 340);
        QCOMPARE(list->columnWidth(1), 28);
        QVERIFY(list->isColumnHidden(2));
        QCOMPARE(list->columnWidth(3), 66);
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("Lebensmittel"));
        QCOMPARE(list->horizontalHeaderItem(3)->text(), QStringLiteral("Menge"));
        for (int k = 0; k < NutrientCount; ++k) {
            QCOMPARE(list->columnWidth(4 + k), 54);
            QCOMPARE(list->horizontalHeaderItem(4 + k)->text(), NutrientCatalogue()[k].shortName);
        }
        QCOMPARE(list->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!list->isSortingEnabled());
        // The heads take the window's font, as every other control does.
        QCOMPARE(list->horizontalHeader()->font().family(), session.form->font().family());
        QCOMPARE(list->horizontalHeader()->font().pixelSize(), 13);
    }
}

void TestMainForm::enterThroughSelectionWindow()
{
    MainFormSession session(QStringLiteral("good"));
    TMainForm *form = session.form.get();
    session.amountEdit()->setText(QStringLiteral("77")); // left over; taking a food over empties it

    // The selection window runs modally: drive it from inside its own event loop.
    bool driven = false;
    QTimer::singleShot(0, form, [&] {
        auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(window != nullptr);
        auto *search = window->findChild<QLineEdit *>(QStringLiteral("SuchEdit"));
        auto *list = window->findChild<QAbstractItemView *>(QStringLiteral("FilterListView"));
        auto *takeOver = window->findChild<QAbstractButton *>(QStringLiteral("UebernehmenBtn"));
        QVERIFY(search != nullptr && list != nullptr && takeOver != nullptr);
        QTest::keyClicks(search, QStringLiteral("milch"));
        QCOMPARE(list->model()->rowCount(), 1);
        const QModelIndex first = list->model()->index(0, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
        takeOver->click();
        driven = true;
    });
    QTest::mouseClick(form->findChild<QWidget *>(QStringLiteral("LebeLupeImage")), Qt::LeftButton);
    QVERIFY(driven);

    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QStringLiteral(" Vollmilch"));
    QCOMPARE(session.label(QStringLiteral("BezeLabel"))->toolTip(), QStringLiteral("NwChDb 1002"));
    QCOMPARE(session.text(QStringLiteral("IdLabel")), QStringLiteral("1002"));
    QCOMPARE(session.text(QStringLiteral("MengLabel")), QStringLiteral("100"));
    QCOMPARE(session.text(QStringLiteral("NwLabel1")), QStringLiteral("4,8"));
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("g"));
    QCOMPARE(session.text(QStringLiteral("Label12")), QStringLiteral("g"));
    QCOMPARE(session.amountEdit()->text(), QString());

    session.typeAmount(QStringLiteral("250"));
    session.click(QStringLiteral("LebMitEintragenBtn"));
    QVERIFY(session.prompts.calls.isEmpty());

    const QTableWidget *list = form->mealList(1);
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->item(0, 0)->text(), QStringLiteral(" Vollmilch"));
    QCOMPARE(list->item(0, 1)->text(), QStringLiteral("1"));
    QCOMPARE(list->item(0, 2)->text(), QStringLiteral("1002"));
    QCOMPARE(list->item(0, 3)->text(), QStringLiteral("250,0"));
    QCOMPARE(list->item(0, 4)->text(), QStringLiteral("162,5"));
    QCOMPARE(list->item(0, 4 + 9)->text(), QStringLiteral("300,0"));

    QCOMPARE(session.text(QStringLiteral("MengLabelSu1")), QStringLiteral("250"));
    QCOMPARE(session.text(QStringLiteral("LabelMa1Su0")), QStringLiteral("162,5"));
    QCOMPARE(session.text(QStringLiteral("LabelMa2Su0")), QStringLiteral("0"));
    QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")), QStringLiteral("250"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("162,5"));
    QCOMPARE(session.text(QStringLiteral("ProzLabel0")), QStringLiteral("   9.0%"));
    QCOMPARE(session.background(QStringLiteral("ProzLabel0")), Orange);
    QCOMPARE(session.background(QStringLiteral("ProzLabel2")), Green); // sugar 12 of 45 g
    QCOMPARE(session.text(QStringLiteral("ProzLabel7")), QStringLiteral("   0.0%"));
    QCOMPARE(session.background(QStringLiteral("ProzLabel7")), Grey); // no iron eaten

    QVERIFY(!session.marker(1)->isHidden());
    QVERIFY(session.marker(2)->isHidden());
    QVERIFY(form->mealPlan().changed());
    // The line is empty again, but the unit caption stays.
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QString());
    QCOMPARE(session.text(QStringLiteral("IdLabel")), QString());
    QCOMPARE(session.text(QStringLiteral("NwLabel1")), QString());
    QCOMPARE(session.amountEdit()->text(), QString());
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("g"));
}

void TestMainForm::balanceColoursMarkersAndWater()
{
    MainFormSession session(QStringLiteral("good"));
    session.pages()->setCurrentIndex(1);
    session.enter(QStringLiteral("1004"), QStringLiteral("100")); // butter
    session.enter(QStringLiteral("42"), QStringLiteral("500"));   // bread, vitamin D "k.A."
    session.enter(QStringLiteral("1003"), QStringLiteral("500")); // mineral water
    QVERIFY(session.prompts.calls.isEmpty());

    QCOMPARE(session.names(2).size(), 3);
    QCOMPARE(session.form->mealList(2)->item(1, 4 + 11)->text(), QStringLiteral("k.A."));
    QCOMPARE(session.text(QStringLiteral("MengLabelSu2")), QStringLiteral("1100"));
    QCOMPARE(session.text(QStringLiteral("MengLabelSu1")), QStringLiteral("0"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("1841"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu11")), QStringLiteral("1,2")); // "k.A." adds nothing
    QCOMPARE(session.text(QStringLiteral("ProzLabel0")), QStringLiteral(" 102.3%"));

    const QList<QPair<int, QColor>> classes = {
        {0, Green},  // energy 102 %: within the band of a target
        {3, Red},    // fat 151 % of its limit
        {4, Red},    // saturated fat 283 %
        {2, Green},  // sugar 29 %: below a limit is fine
        {9, Orange}, // calcium 22 %: a target not reached
    };
    for (const auto &[k, colour] : classes)
        QCOMPARE(session.background(QStringLiteral("ProzLabel%1").arg(k)), colour);

    for (int n = 1; n <= MealCount; ++n)
        QCOMPARE(session.marker(n)->isHidden(), n != 2);

    // Only the drink counts as free water: 497.5 g of its 500 g are water.
    QTest::mouseClick(session.label(QStringLiteral("FrWassereLabel")), Qt::LeftButton);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral(
                 "Anteil freies Wasser =     0.50 l\nAnteil Wasser in Lebensmittel =     0.22 l")});
}

void TestMainForm::piecesUseTheirOwnUnit()
{
    MainFormSession session(QStringLiteral("good"));
    session.pick(QStringLiteral("30001"));
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("St"));
    QCOMPARE(session.text(QStringLiteral("Label12")), QStringLiteral("St"));
    QCOMPARE(session.label(QStringLiteral("BezeLabel"))->toolTip(), QStringLiteral("NwAnDb 30001"));
    session.typeAmount(QStringLiteral("2"));
    session.click(QStringLiteral("LebMitEintragenBtn"));

    const QTableWidget *list = session.form->mealList(1);
    QCOMPARE(list->item(0, 1)->text(), QStringLiteral("2"));
    QCOMPARE(list->item(0, 3)->text(), QStringLiteral("2,0"));
    QCOMPARE(list->item(0, 4)->text(), QStringLiteral("360,0"));
    QCOMPARE(list->item(0, 4 + 8)->text(), QStringLiteral("k.A."));
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("St"));
}

void TestMainForm::refusalsKeepState_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusAmount");

    QTest::newRow("nothing picked, no amount")
        << QString() << QString()
        << QStringLiteral("Es ist kein Lebensmittel ausgewählt ( Auswählen mit Lupe)!") << false;
    QTest::newRow("no amount") << QStringLiteral("1001") << QString()
                               << QStringLiteral("Es ist keine Menge angegeben!") << true;
    QTest::newRow("minus not first") << QStringLiteral("1001") << QStringLiteral("5-")
                                     << QStringLiteral("Die Menge ist kein nummerischer Wert!") << true;
    QTest::newRow("below 0,1") << QStringLiteral("1001") << QStringLiteral("0,09")
                               << QStringLiteral("Die Menge muss größer 0,1 sein!") << true;
    // A hand-edited own food with reference amount 0 would scale to infinite values.
    QTest::newRow("reference amount 0")
        << QStringLiteral("30002") << QStringLiteral("100")
        << QStringLiteral("Die Bezugsmenge ist kein nummerischer Wert!") << false;
}

void TestMainForm::refusalsKeepState()
{
    QFETCH(QString, id);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    QFETCH(bool, focusAmount);

    MainFormSession session(QStringLiteral("good"));
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
    session.form->findChild<QWidget *>(QStringLiteral("BeendenBtn"))->setFocus();
    if (!id.isEmpty())
        session.pick(id);
    session.typeAmount(amount);
    const QString nameBefore = session.text(QStringLiteral("BezeLabel"));

    session.click(QStringLiteral("LebMitEintragenBtn"));

    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList{message});
    QCOMPARE(session.form->mealPlan().entryCount(1), 0);
    QVERIFY(!session.form->mealPlan().changed());
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), nameBefore);
    QCOMPARE(session.amountEdit()->text(), amount);
    QVERIFY(session.marker(1)->isHidden());
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QString());
    QCOMPARE(session.amountEdit()->hasFocus(), focusAmount);
}

void TestMainForm::twelveEntryLimitKeepsInputLine()
{
    MainFormSession session(QStringLiteral("good"));
    for (int i = 0; i < MaxEntriesPerMeal; ++i)
        session.enter(QStringLiteral("1001"), QStringLiteral("100"));
    QVERIFY(session.prompts.calls.isEmpty());

    session.enter(QStringLiteral("1001"), QStringLiteral("100"));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!")});
    QCOMPARE(session.names(1).size(), MaxEntriesPerMeal);
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("624"));
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QStringLiteral(" Apfel, roh"));
    QCOMPARE(session.amountEdit()->text(), QStringLiteral("100"));

    // The same line goes into the next meal once its tab is shown.
    session.pages()->setCurrentIndex(1);
    session.click(QStringLiteral("LebMitEintragenBtn"));
    QCOMPARE(session.names(2), QStringList{QStringLiteral(" Apfel, roh")});
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QString());
    QVERIFY(!session.marker(2)->isHidden());
}

// The pages of meals 2 to 6 are filled when first shown: one shown only after its meal was read
// must show the meal and its sums, its controls, and stand in the keyboard's road where it
// would stand had it been made with the window.
void TestMainForm::pageShownLaterHoldsItsMealAndPlace()
{
    MainFormSession session(QStringLiteral("good"));
    session.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(session.form.get()));
    session.readMealFile(QStringLiteral("tag.txt"),
                         {QStringLiteral("VNR=Mz251026"), QStringLiteral("Mahlzeit4=1;1001;150,0;")});
    session.pages()->setCurrentIndex(3);

    QCOMPARE(session.form->findChild<QTableWidget *>(QStringLiteral("AnzeigeListView4"))->rowCount(), 1);
    QCOMPARE(session.names(4), QStringList{QStringLiteral(" Apfel, roh")});
    QCOMPARE(session.text(QStringLiteral("MengLabelSu4")), QStringLiteral("150"));
    for (const QString &name : {QStringLiteral("AnzeigeListView4"), QStringLiteral("DelSBtnSheet4"),
                               QStringLiteral("AlsRezeptBtn4"), QStringLiteral("Label87")})
        QVERIFY2(session.control(name)->isVisible(), qPrintable(name));

    QStringList road;
    for (QWidget *widget = session.form->nextInFocusChain(); widget != session.form.get();
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            road.append(widget->objectName());
    }
    const QStringList expected = {QStringLiteral("AlsRezeptBtn1"),    QStringLiteral("AnzeigeListView4"),
                                  QStringLiteral("DelSBtnSheet4"),    QStringLiteral("NachObenSBtn4"),
                                  QStringLiteral("NachUntenSBtn4"),   QStringLiteral("AlsRezeptBtn4"),
                                  QStringLiteral("MehrereTageBtn")};
    for (int i = 1; i < expected.size(); ++i)
        QVERIFY2(road.indexOf(expected.at(i - 1)) < road.indexOf(expected.at(i)), qPrintable(expected.at(i)));
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
