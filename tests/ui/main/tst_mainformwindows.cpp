// The other windows as the main window opens them through its own buttons and magnifiers:
// where they come up, what they show, and how the main window follows what they report back.

#include "mainformsession.h"

#include "appinfo.h"
#include "nutrients.h"
#include "ownmeasuredialog.h"
#include "ownmeasures.h"
#include "tauswprojekteform.h"
#include "tlebmittplusform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

const QColor Green(134, 236, 72);
const QColor Orange(255, 153, 0);

// Clicks the main window's control named opener as the user does (buttons, pictures and
// panels alike), lets inside act on the modal window that comes up, then closes it. Whatever
// modal window is still up is hidden in the end, so a failed check cannot leave the test
// waiting. Returns the class name of the window that came up, empty when none did.
QString WhileOpen(const MainFormSession &session, const QString &opener,
                  const std::function<void(QDialog *)> &inside)
{
    auto *control = session.form->findChild<QWidget *>(opener);
    if (control == nullptr)
        return QStringLiteral("<missing %1>").arg(opener);
    QString shown;
    QTimer::singleShot(0, session.form.get(), [&] {
        if (auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown = QString::fromLatin1(window->metaObject()->className());
            inside(window);
            window->close();
        }
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->hide();
    });
    QTest::mouseClick(control, Qt::LeftButton);
    return shown;
}

QAbstractItemView *SelectionList(const QDialog *selection)
{
    return selection->findChild<QAbstractItemView *>(QStringLiteral("FilterListView"));
}

QString LabelText(const QWidget *window, const QString &name)
{
    const auto *label = window->findChild<QLabel *>(name);
    return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

void Click(const QWidget *window, const QString &buttonName)
{
    auto *button = window->findChild<QAbstractButton *>(buttonName);
    QVERIFY2(button != nullptr, qPrintable(buttonName));
    button->click();
}

void Type(const QWidget *window, const QString &editName, const QString &text)
{
    auto *edit = window->findChild<QLineEdit *>(editName);
    QVERIFY2(edit != nullptr, qPrintable(editName));
    QTest::keyClicks(edit, text);
}

// Every file of the session's data folder, for a next start on the same files.
QList<QPair<QString, QByteArray>> FolderFiles(const MainFormSession &session)
{
    QList<QPair<QString, QByteArray>> files;
    const QStringList names = QDir(session.dir.path()).entryList(QDir::Files);
    for (const QString &name : names)
        files.append({name, MainFormSession::bytes(session.path(name))});
    return files;
}

} // namespace

class TestMainFormWindows : public QObject
{
    Q_OBJECT

private slots:
    void opensBesideMainWindow_data();
    void opensBesideMainWindow();
    void takenOverRequirementRowReachesBalanceAndNextStart();
    void ownValuesKeepTheirDecimals();
    void numbersBeyondTheLabelsAreGerman();
    void savedOwnFoodCanBePickedAtOnce();
    void mealSavedAsRecipeIsPickedAndEntered();
    void recipeButtonBesideTheArrowsRefusesAnEmptyMeal();
    void keyboardRoadEntersAFood();
    void householdMeasuresWithTheKeyboard();
    void ownMeasureFromTheMeasureList_data();
    void ownMeasureFromTheMeasureList();
    void keysOpenTheFoodSelection_data();
    void keysOpenTheFoodSelection();
    void severalDaysOpenEveryNutrientOfTheirAverage();
};

void TestMainFormWindows::opensBesideMainWindow_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("labelText");

    const QString requirements = QStringLiteral("TNaewBedarfForm");
    const QString selection = QStringLiteral("TAuswProjekteForm");
    const QString chooseFood = QStringLiteral("  Lebensmittel auswählen");
    const QString allFoods = QStringLiteral("7 von 7"); // five Swiss and two own foods

    QTest::newRow("requirements, magnifier")
        << QStringLiteral("BedarfLupeImage") << requirements << QPoint(148, 28) << AppTitle()
        << QStringLiteral("Label4") << QStringLiteral("Täglicher Nährstoff-Bedarf");
    QTest::newRow("requirements, panel around the magnifier")
        << QStringLiteral("Panel10") << requirements << QPoint(148, 28) << AppTitle()
        << QStringLiteral("Label4") << QStringLiteral("Täglicher Nährstoff-Bedarf");
    QTest::newRow("own foods") << QStringLiteral("ZusLebeMitBtn") << QStringLiteral("TLebmittPlusForm")
                               << QPoint(8, 28) << AppTitle() << QStringLiteral("Label16")
                               << QStringLiteral("2");
    QTest::newRow("maximum values, one row per food")
        << QStringLiteral("MaxWerteBtn") << QStringLiteral("TMaxWerteForm") << QPoint(32, 28) << AppTitle()
        << QStringLiteral("Label16") << QStringLiteral("7");
    QTest::newRow("several days, from the day panel")
        << QStringLiteral("MehrereTageBtn") << QStringLiteral("TMehrereTageForm") << QPoint(32, 28) << AppTitle()
        << QStringLiteral("Label1") << QStringLiteral("Mehrere Tage");
    QTest::newRow("every nutrient of the day, from the day panel")
        << QStringLiteral("AlleNaehrwerteBtn") << QStringLiteral("TAlleNaehrwerteForm") << QPoint(32, 28)
        << AppTitle() << QStringLiteral("Label1") << QStringLiteral("Alle Nährwerte des Tages");
    QTest::newRow("info") << QStringLiteral("InfoSBtn") << QStringLiteral("TLizForm") << QPoint(148, 28)
                          << QStringLiteral("  Bedienung und Lizenzvereinbarung")
                          << QStringLiteral("VersionNameLabel") << QStringLiteral("Kostbilanz 25.12");
    QTest::newRow("food selection, magnifier")
        << QStringLiteral("LebeLupeImage") << selection << QPoint(148, 28) << chooseFood
        << QStringLiteral("Label1") << allFoods;
    QTest::newRow("food selection, panel around the magnifier")
        << QStringLiteral("LupeLebePanel") << selection << QPoint(148, 28) << chooseFood
        << QStringLiteral("Label1") << allFoods;
}

void TestMainFormWindows::opensBesideMainWindow()
{
    QFETCH(QString, opener);
    QFETCH(QPoint, offset);
    QFETCH(QString, caption);
    QFETCH(QString, labelName);
    QFETCH(QString, labelText);

    MainFormSession session(QStringLiteral("good"));
    QCOMPARE(session.prompts.calls.size(), 0);
    // Placed from where the main window stands now, not where it started.
    const QPoint mainTopLeft(61, 47);
    session.form->move(mainTopLeft);

    // Twice: the first opening makes the window, the second finds the same one again.
    QList<QDialog *> windows;
    for (int opening = 0; opening < 2; ++opening) {
        QPoint shownAt;
        bool modal = false;
        QString shownCaption;
        QString shownLabel;
        const QString windowClass = WhileOpen(session, opener, [&](QDialog *window) {
            windows.append(window);
            shownAt = window->pos();
            modal = window->isModal();
            shownCaption = window->windowTitle();
            shownLabel = LabelText(window, labelName);
        });
        QTEST(windowClass, "windowClass");
        QCOMPARE(shownAt, mainTopLeft + offset);
        QVERIFY(modal);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(shownLabel, labelText);
    }
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows.at(0), windows.at(1));
    QVERIFY(!windows.at(0)->isVisible());
    QCOMPARE(session.prompts.calls.size(), 0);
}

void TestMainFormWindows::ownValuesKeepTheirDecimals()
{
    // Own row 8 with 2,4 µg vitamin B12 and 12,5 µg vitamin D, as the window saved them.
    const QByteArray ownValues("Eigene Referenzwerte;;Stand;01.01.26;\r\n"
                               "Energie;KoHydr;Zucker;Fett;Fet.ges\xE4;Protein;Salz;Eisen;Magn.;Calcium;"
                               "Vit.B12;Vit.D;Wasser;\r\n"
                               "2500;300;50;80;20;60;6;10;350;1000;2,4;12,5;2500;\r\n"
                               "2000;250;40;60;15;50;5;15;300;1000;4;20;2000;\r\n");
    MainFormSession session(QStringLiteral("good"), {{QStringLiteral("NwRefWerteAnw.dat"), ownValues},
                                                     {QStringLiteral("NwConfig.dat"), "agroup=8\r\n"}});
    QCOMPARE(session.text(QStringLiteral("KohorteLabel")), QStringLiteral("Tagesbedarf eigene Werte  (m) "));
    QCOMPARE(session.text(QStringLiteral("TaBedLabel0")), QStringLiteral("2500"));
    QCOMPARE(session.text(QStringLiteral("TaBedLabel10")), QStringLiteral("2,4"));
    QCOMPARE(session.text(QStringLiteral("TaBedLabel11")), QStringLiteral("12,5"));

    // 300 g of whole milk hold 1,2 µg vitamin B12: half of 2,4, not 60 % of 2.
    session.enter(QStringLiteral("1002"), QStringLiteral("300"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu10")), QStringLiteral("1,2"));
    QCOMPARE(session.text(QStringLiteral("ProzLabel10")), QStringLiteral("  50.0%"));

    // The window shows the decimals too, and taking the row over keeps them.
    QString field;
    WhileOpen(session, QStringLiteral("BedarfLupeImage"), [&](QDialog *window) {
        field = window->findChild<QLineEdit *>(QStringLiteral("NwRefEdit91"))->text();
        Click(window, QStringLiteral("UebernehmenBtn"));
    });
    QCOMPARE(field, QStringLiteral("2,4"));
    QCOMPARE(session.text(QStringLiteral("KohorteLabel")), QStringLiteral("Tagesbedarf eigene Werte (m) "));
    QCOMPARE(session.text(QStringLiteral("TaBedLabel10")), QStringLiteral("2,4"));
    QCOMPARE(session.text(QStringLiteral("ProzLabel10")), QStringLiteral("  50.0%"));
}

void TestMainFormWindows::numbersBeyondTheLabelsAreGerman()
{
    // A user whose settings write a decimal point: the main window's labels follow them, every
    // other window writes a decimal comma, so no list mixes "1.2" with "2,4".
    const QByteArray ownValues("Eigene Referenzwerte;;Stand;01.01.26;\r\n"
                               "Energie;KoHydr;Zucker;Fett;Fet.ges\xE4;Protein;Salz;Eisen;Magn.;Calcium;"
                               "Vit.B12;Vit.D;Wasser;\r\n"
                               "2500;300;50;80;20;60;6;10;350;1000;2,4;12,5;2500;\r\n"
                               "2000;250;40;60;15;50;5;15;300;1000;4;20;2000;\r\n");
    MainFormSession session(QStringLiteral("good"), {{QStringLiteral("NwRefWerteAnw.dat"), ownValues},
                                                     {QStringLiteral("NwConfig.dat"), "agroup=8\r\n"}});
    session.context.locale = QLocale::c();
    session.restart();
    QCOMPARE(session.text(QStringLiteral("TaBedLabel10")), QStringLiteral("2.4"));

    QString field;
    WhileOpen(session, QStringLiteral("BedarfLupeImage"), [&](QDialog *window) {
        field = window->findChild<QLineEdit *>(QStringLiteral("NwRefEdit91"))->text();
    });
    QCOMPARE(field, QStringLiteral("2,4"));

    // 300 g of whole milk: 1,2 µg vitamin B12 that day, against 2,4.
    QVERIFY(WriteBytes(session.path(QStringLiteral("tag.txt")), "VNR=Mz251026\r\nMahlzeit1=1;1002;300,0;\r\n"));
    session.prompts.openPathLists.append({session.path(QStringLiteral("tag.txt"))});
    QStringList vitaminB12;
    WhileOpen(session, QStringLiteral("MehrereTageBtn"), [&](QDialog *window) {
        Click(window, QStringLiteral("DateienWaehlenBtn"));
        const auto *list = window->findChild<QTableWidget *>(QStringLiteral("TageListView"));
        for (int row = 0; row < list->rowCount(); ++row)
            vitaminB12.append(list->item(row, 2 + 10)->text());
    });
    QCOMPARE(vitaminB12, (QStringList{QStringLiteral("1,2"), QStringLiteral("1,2"), QStringLiteral("2,4"),
                                      QStringLiteral("50,0"), QStringLiteral("0")}));
}

void TestMainFormWindows::takenOverRequirementRowReachesBalanceAndNextStart()
{
    MainFormSession session(QStringLiteral("good"));
    // 142 g of butter, 1052 kcal: short of 60 % of row 3's 1800 kcal, beyond 60 % of row 5's 1700.
    session.enter(QStringLiteral("1004"), QStringLiteral("142"));
    QCOMPARE(session.text(QStringLiteral("KohorteLabel")),
             QStringLiteral("Tagesbedarf '25 bis unter 51' (w) "));
    QCOMPARE(session.text(QStringLiteral("ProzLabel0")), QStringLiteral("  58.5%"));
    QCOMPARE(session.background(QStringLiteral("ProzLabel0")), Orange);
    session.prompts.clear();
    QVERIFY(!QFile::exists(session.path(QStringLiteral("NwConfig.dat"))));

    bool stillShown = true;
    const QString windowClass = WhileOpen(session, QStringLiteral("BedarfLupeImage"), [&](QDialog *window) {
        Click(window, QStringLiteral("RadioButton6"));
        Click(window, QStringLiteral("UebernehmenBtn"));
        stillShown = window->isVisible();
    });
    QCOMPARE(windowClass, QStringLiteral("TNaewBedarfForm"));
    QVERIFY(!stillShown);
    QCOMPARE(session.prompts.calls.size(), 0);

    const QStringList rowFive = {QStringLiteral("1700"), QStringLiteral("213"), QStringLiteral("43"),
                                 QStringLiteral("57"),   QStringLiteral("19"),  QStringLiteral("51"),
                                 QStringLiteral("6"),    QStringLiteral("14"),  QStringLiteral("300"),
                                 QStringLiteral("1000"), QStringLiteral("4"),   QStringLiteral("20"),
                                 QStringLiteral("1970")};
    const QString rowFiveTitle = QStringLiteral("Tagesbedarf '51 bis unter 65' (w) ");
    QCOMPARE(session.text(QStringLiteral("KohorteLabel")), rowFiveTitle);
    for (int k = 0; k < NutrientCount; ++k)
        QCOMPARE(session.text(QStringLiteral("TaBedLabel%1").arg(k)), rowFive.at(k));
    // The balance is recomputed against the new row at once.
    QCOMPARE(session.text(QStringLiteral("ProzLabel0")), QStringLiteral("  61.9%"));
    QCOMPARE(session.background(QStringLiteral("ProzLabel0")), Green);
    QCOMPARE(session.form->requirementState().ageGroup, 5);
    QCOMPARE(MainFormSession::bytes(session.path(QStringLiteral("NwConfig.dat"))),
             QByteArray("agroup=5\r\n"));

    // The next start in the same folder comes up with row 5.
    MainFormSession next(QString(), FolderFiles(session));
    QCOMPARE(next.prompts.calls.size(), 0);
    QCOMPARE(next.text(QStringLiteral("KohorteLabel")), rowFiveTitle);
    for (int k = 0; k < NutrientCount; ++k)
        QCOMPARE(next.text(QStringLiteral("TaBedLabel%1").arg(k)), rowFive.at(k));
}

void TestMainFormWindows::savedOwnFoodCanBePickedAtOnce()
{
    MainFormSession session(QStringLiteral("good"));
    // The selection window has been made and lists the foods of the index as it was.
    QCOMPARE(WhileOpen(session, QStringLiteral("LebeLupeImage"),
                       [](QDialog *window) { QCOMPARE(SelectionList(window)->model()->rowCount(), 7); }),
             QStringLiteral("TAuswProjekteForm"));
    const auto *selection = session.form->findChild<TAuswProjekteForm *>();
    QVERIFY(selection != nullptr);

    QString newId;
    QString countAfterSave;
    int selectionRowsAfterSave = -1;
    const QString windowClass = WhileOpen(session, QStringLiteral("ZusLebeMitBtn"), [&](QDialog *window) {
        Type(window, QStringLiteral("InpLebeEdit"), QStringLiteral("Haferbrei"));
        Type(window, QStringLiteral("InpBMengEdit"), QStringLiteral("100"));
        Type(window, QStringLiteral("InpPlusEdit0"), QStringLiteral("370"));
        Type(window, QStringLiteral("InpPlusEdit5"), QStringLiteral("13,4"));
        Click(window, QStringLiteral("LebMitEinfgBtn"));
        const QList<AdditionalFoodRow> rows = qobject_cast<TLebmittPlusForm *>(window)->rows();
        QCOMPARE(rows.size(), 3);
        newId = rows.last().id;
        Click(window, QStringLiteral("SpeichernBtn"));
        // Seen while the window is still open: the main window follows the save at once.
        countAfterSave = session.text(QStringLiteral("Label2"));
        selectionRowsAfterSave = SelectionList(selection)->model()->rowCount();
    });
    QCOMPARE(windowClass, QStringLiteral("TLebmittPlusForm"));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Es wurden 3 Lebensmittel gespeichert")});
    QCOMPARE(session.prompts.calls.size(), 1);
    QCOMPARE(countAfterSave, QStringLiteral("  3"));
    QCOMPARE(session.text(QStringLiteral("Label1")), QStringLiteral("  5"));
    // No row may point into the index that the save replaced.
    QCOMPARE(selectionRowsAfterSave, 0);
    QVERIFY(session.form->foodStore().index().findById(newId) >= 0);
    session.prompts.clear();

    // Picked through the selection window, whose next opening lists the new food.
    session.amountEdit()->setText(QStringLiteral("77"));
    QString count;
    QCOMPARE(WhileOpen(session, QStringLiteral("LebeLupeImage"),
                       [&](QDialog *window) {
                           count = LabelText(window, QStringLiteral("Label1"));
                           Type(window, QStringLiteral("SuchEdit"), QStringLiteral("hafer"));
                           QAbstractItemView *list = SelectionList(window);
                           QCOMPARE(list->model()->rowCount(), 1);
                           const QModelIndex first = list->model()->index(0, 0);
                           QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                             list->visualRect(first).center());
                           Click(window, QStringLiteral("UebernehmenBtn"));
                       }),
             QStringLiteral("TAuswProjekteForm"));
    QCOMPARE(count, QStringLiteral("8 von 8"));
    QCOMPARE(session.text(QStringLiteral("IdLabel")), newId);
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QStringLiteral(" Haferbrei"));
    QCOMPARE(session.text(QStringLiteral("NwLabel5")), QStringLiteral("13,4"));
    QCOMPARE(session.amountEdit()->text(), QString());

    session.typeAmount(QStringLiteral("50"));
    session.click(QStringLiteral("LebMitEintragenBtn"));
    QCOMPARE(session.names(1), QStringList{QStringLiteral(" Haferbrei")});
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("185"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu5")), QStringLiteral("6,7"));
    QCOMPARE(session.prompts.calls.size(), 0);

    // The maximum values come from the index as it is now.
    QString maxRows;
    WhileOpen(session, QStringLiteral("MaxWerteBtn"),
              [&](QDialog *window) { maxRows = LabelText(window, QStringLiteral("Label16")); });
    QCOMPARE(maxRows, QStringLiteral("8"));
}

void TestMainFormWindows::mealSavedAsRecipeIsPickedAndEntered()
{
    MainFormSession session(QStringLiteral("good"));
    // Apple, milk and wholemeal bread: 450 g, cooked down to 300 g.
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.enter(QStringLiteral("1002"), QStringLiteral("200"));
    session.enter(QStringLiteral("42"), QStringLiteral("100"));
    const QString name = QStringLiteral("Frühstücksbrei");

    QString proposed;
    QString energyPreview;
    QString incomplete;
    const QString dialogClass = WhileOpen(session, QStringLiteral("AlsRezeptBtn1"), [&](QDialog *window) {
        auto *weight = window->findChild<QLineEdit *>(QStringLiteral("GewichtEdit"));
        proposed = weight->text();
        // Set rather than typed: the test's key events carry no umlauts.
        window->findChild<QLineEdit *>(QStringLiteral("NameEdit"))->setText(name);
        weight->clear();
        Type(window, QStringLiteral("GewichtEdit"), QStringLiteral("300"));
        energyPreview = LabelText(window, QStringLiteral("NwLabel0"));
        incomplete = LabelText(window, QStringLiteral("UnvollstaendigLabel"));
        Click(window, QStringLiteral("SpeichernBtn"));
    });
    QCOMPARE(dialogClass, QStringLiteral("TRezeptForm"));
    QCOMPARE(proposed, QStringLiteral("450"));
    QCOMPARE(energyPreview, QStringLiteral("142,67")); // 428 kcal in 300 g
    QCOMPARE(incomplete, QStringLiteral("unvollständig: Vit.D (1 von 3 Zutaten ohne Wert)"));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Das Rezept wurde als eigenes Lebensmittel gespeichert.")});
    QCOMPARE(session.prompts.calls.size(), 1);
    QCOMPARE(session.text(QStringLiteral("Label2")), QStringLiteral("  3"));
    // Of the 343,4 g of water in the ingredients 150 g boiled off: 193,4 g in 300 g.
    QVERIFY(MainFormSession::bytes(session.path(QStringLiteral("NwAnDb.dat")))
                .contains(QStringLiteral(";Frühstücksbrei;100;142,67;21,567;9,183;2,933;1,567;5,017;0,433;"
                                         "0,867;30,5;92,5;0,267;0,067;64,467;\r\n")
                              .toLatin1()));
    session.prompts.clear();

    // Picked in the selection window like any food and entered into meal 2 with 250 g.
    session.form->setActiveMeal(2);
    QCOMPARE(WhileOpen(session, QStringLiteral("LebeLupeImage"),
                       [&](QDialog *window) {
                           Type(window, QStringLiteral("SuchEdit"), QStringLiteral("brei"));
                           QAbstractItemView *list = SelectionList(window);
                           QCOMPARE(list->model()->rowCount(), 1);
                           QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                             list->visualRect(list->model()->index(0, 0)).center());
                           Click(window, QStringLiteral("UebernehmenBtn"));
                       }),
             QStringLiteral("TAuswProjekteForm"));
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QLatin1Char(' ') + name);
    QCOMPARE(session.text(QStringLiteral("MengLabel")), QStringLiteral("100"));
    session.typeAmount(QStringLiteral("250"));
    session.click(QStringLiteral("LebMitEintragenBtn"));
    QCOMPARE(session.names(2), QStringList{QLatin1Char(' ') + name});
    QCOMPARE(session.prompts.calls.size(), 0);

    // 250 of the 300 g: five sixths of the meal, each value from its six-character text.
    const QStringList sums = {QStringLiteral("356,7"), QStringLiteral("53,9"), QStringLiteral("23"),
                              QStringLiteral("7,3"),   QStringLiteral("3,9"),  QStringLiteral("12,5"),
                              QStringLiteral("1,1"),   QStringLiteral("2,2"),  QStringLiteral("76,3"),
                              QStringLiteral("231,3"), QStringLiteral("0,7"),  QStringLiteral("0,2"),
                              QStringLiteral("161,2")};
    QCOMPARE(session.text(QStringLiteral("MengLabelSu2")), QStringLiteral("250"));
    for (int k = 0; k < NutrientCount; ++k)
        QCOMPARE(session.text(QStringLiteral("LabelMa2Su%1").arg(k)), sums.at(k));
    QCOMPARE(session.names(1).size(), 3);
}

void TestMainFormWindows::recipeButtonBesideTheArrowsRefusesAnEmptyMeal()
{
    MainFormSession session(QStringLiteral("good"));
    // In the free space between the arrows and the sum row's caption, its own caption whole.
    const char *const sumCaptions[MealCount] = {"Label50", "Label31", "Label32",
                                                "Label87", "Label98", "Label109"};
    for (int n = 1; n <= MealCount; ++n) {
        const auto *button = session.control<QPushButton>(QStringLiteral("AlsRezeptBtn%1").arg(n));
        QVERIFY(button != nullptr);
        const QWidget *down = session.control(QStringLiteral("NachUntenSBtn%1").arg(n));
        QCOMPARE(button->parentWidget(), down->parentWidget());
        QVERIFY(button->geometry().left() > down->geometry().right());
        const QLabel *sumCaption = session.label(QLatin1String(sumCaptions[n - 1]));
        QVERIFY(button->geometry().right() < sumCaption->geometry().left());
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width());
    }

    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.prompts.clear();
    session.form->setActiveMeal(3);
    // A dialog that came up would be hidden at once; none may come up.
    QObject scope;
    bool dialogShown = false;
    QTimer::singleShot(0, &scope, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->hide();
        }
    });
    session.click(QStringLiteral("AlsRezeptBtn3"));
    QVERIFY(!dialogShown);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Die Mahlzeit ist leer !")});
    QCOMPARE(session.text(QStringLiteral("Label2")), QStringLiteral("  2"));
}

void TestMainFormWindows::keyboardRoadEntersAFood()
{
    MainFormSession session(QStringLiteral("good"));
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));

    QString shown;
    QTimer::singleShot(0, session.form.get(), [&] {
        auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (window == nullptr)
            return;
        shown = QString::fromLatin1(window->metaObject()->className());
        // A window manager gives the focus to a modal window that comes up; the offscreen
        // platform leaves it with the main window.
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        TypeKeys(QStringLiteral("vollmilch"));
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Return);
        if (window->isVisible())
            window->hide();
    });
    PressKey(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(shown, QStringLiteral("TAuswProjekteForm"));
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QStringLiteral(" Vollmilch"));
    // Back in the main window (which the window manager makes active again), the focus is in
    // the amount.
    session.form->activateWindow();
    QTRY_VERIFY(session.form->isActiveWindow());
    QCOMPARE(FocusedControl(), session.amountEdit());

    // Enter runs every check of "Lebensmittel eintragen": first without an amount.
    PressKey(Qt::Key_Return);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Es ist keine Menge angegeben!")});
    TypeKeys(QStringLiteral("200"));
    PressKey(Qt::Key_Enter);
    QCOMPARE(session.names(1), QStringList{QStringLiteral(" Vollmilch")});
    QCOMPARE(session.form->mealList(1)->item(0, 3)->text(), QStringLiteral("200,0"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("130"));
    QCOMPARE(session.prompts.calls.size(), 1);

    // Tab follows the same road: the magnifier, the amount, "Lebensmittel eintragen".
    auto *magnifier = session.form->findChild<QWidget *>(QStringLiteral("LupeLebePanel"));
    magnifier->setFocus(Qt::TabFocusReason);
    QCOMPARE(FocusedControl(), magnifier);
    PressKey(Qt::Key_Tab);
    QCOMPARE(FocusedControl(), session.amountEdit());
    PressKey(Qt::Key_Tab);
    QCOMPARE(FocusedControl()->objectName(), QStringLiteral("LebMitEintragenBtn"));
}

// Picks the food the search text finds first through the food selection, with the keyboard.
static void PickWithKeys(const MainFormSession &session, const QString &search)
{
    QTimer::singleShot(0, session.form.get(), [&] {
        auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (window == nullptr)
            return;
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        TypeKeys(search);
        PressKey(Qt::Key_Down);
        PressKey(Qt::Key_Return);
        if (window->isVisible())
            window->hide();
    });
    PressKey(Qt::Key_F, Qt::ControlModifier);
    session.form->activateWindow();
    QTRY_VERIFY(session.form->isActiveWindow());
}

// A household measure typed into the amount, and one taken from the list beside it with the
// keyboard: the meal holds grams, the row's tooltip the measure.
void TestMainFormWindows::householdMeasuresWithTheKeyboard()
{
    const QByteArray measures =
        CrLfLines({QStringLiteral("ID;Maß;Gramm;"), QStringLiteral("42;Scheibe;50;"),
                   QStringLiteral("1002;Tasse;200;"), QStringLiteral("1002;Glas;250;")});
    MainFormSession session(QStringLiteral("good"), {{QStringLiteral("NwPortionen.dat"), measures}});
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
    // A start makes no list: it comes with the first food that has a measure.
    QVERIFY(session.form->findChild<QComboBox *>(QStringLiteral("MassListe")) == nullptr);

    PickWithKeys(session, QStringLiteral("vollkornbrot"));
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QStringLiteral(" Vollkornbrot"));
    QCOMPARE(FocusedControl(), session.amountEdit());
    auto *list = session.form->findChild<QComboBox *>(QStringLiteral("MassListe"));
    QVERIFY(list != nullptr);
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QStringLiteral("1 Scheibe (50 g)"));
    QCOMPARE(list->itemText(1), TMainForm::OwnMeasureText());
    TypeKeys(QStringLiteral("2 Scheiben"));
    PressKey(Qt::Key_Return);
    QCOMPARE(session.prompts.calls.size(), 0);
    QCOMPARE(session.names(1), QStringList{QStringLiteral(" Vollkornbrot")});
    QTableWidget *meal = session.form->mealList(1);
    QCOMPARE(meal->item(0, 3)->text(), QStringLiteral("100,0"));
    QCOMPARE(meal->item(0, 0)->toolTip(), QStringLiteral("2 Scheiben (100 g)"));
    QCOMPARE(meal->item(0, 3)->toolTip(), QStringLiteral("2 Scheiben (100 g)"));
    QVERIFY(!list->isVisible()); // the line is empty again

    // A measure the food lacks is refused, and what was typed stays to be corrected.
    PickWithKeys(session, QStringLiteral("vollmilch"));
    QCOMPARE(list->count(), 3);
    TypeKeys(QStringLiteral("1 Scheibe"));
    PressKey(Qt::Key_Return);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Das Maß „Scheibe“ ist für dieses Lebensmittel nicht bekannt.")});
    QCOMPARE(session.amountEdit()->text(), QStringLiteral("1 Scheibe"));
    QCOMPARE(session.form->mealPlan().entryCount(1), 1);

    // Tab reaches the list; a key there puts "1 Tasse" into the amount with the number
    // selected, so that typing a number and Enter enter that many.
    PressKey(Qt::Key_Tab);
    QCOMPARE(FocusedControl(), list);
    PressKey(Qt::Key_Down);
    QCOMPARE(FocusedControl(), session.amountEdit());
    QCOMPARE(session.amountEdit()->text(), QStringLiteral("1 Tasse"));
    TypeKeys(QStringLiteral("2"));
    PressKey(Qt::Key_Return);
    QCOMPARE(meal->item(1, 3)->text(), QStringLiteral("400,0"));
    QCOMPARE(meal->item(1, 0)->toolTip(), QStringLiteral("2 Tassen (400 g)"));
}

// "Eigenes Maß ..." at the end of the measure list: the dialog's answer is kept in NwMasse.dat
// (a food without shipped measures, so the list had only that entry), and the amount takes it.
void TestMainFormWindows::ownMeasureFromTheMeasureList_data()
{
    QTest::addColumn<QString>("grams"); // typed into the dialog; empty: cancelled
    QTest::addColumn<QString>("amount"); // the amount field afterwards
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QByteArray>("file"); // NwMasse.dat afterwards; empty: none

    QTest::newRow("Becher of 300 g") << "300" << "1 Becher" << QStringList()
                                     << CrLfLines({QStringLiteral("ID;Maß;Gramm;"), QStringLiteral("1002;Becher;300;")});
    QTest::newRow("0 g refused") << "0" << "" << QStringList{OwnMeasureGramsRefusal()} << QByteArray();
    QTest::newRow("cancelled") << "" << "" << QStringList() << QByteArray();
}

void TestMainFormWindows::ownMeasureFromTheMeasureList()
{
    QFETCH(QString, grams);
    QFETCH(QString, amount);
    QFETCH(QByteArray, file);
    MainFormSession session(QStringLiteral("good"));
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
    PickWithKeys(session, QStringLiteral("vollmilch"));
    auto *list = session.form->findChild<QComboBox *>(QStringLiteral("MassListe"));
    QVERIFY(list != nullptr && list->isVisible());
    QCOMPARE(list->count(), 1);

    bool asked = false;
    QTimer::singleShot(0, session.form.get(), [&] {
        auto *dialog = qobject_cast<OwnMeasureDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        asked = true;
        dialog->nameList()->setCurrentText(QStringLiteral("Becher"));
        dialog->gramsEdit()->setText(grams);
        if (grams.isEmpty())
            dialog->reject();
        else
            dialog->accept();
    });
    list->setFocus();
    PressKey(Qt::Key_End);
    QVERIFY(asked);
    QTEST(session.prompts.texts(QStringLiteral("notice")), "notices");
    QCOMPARE(session.amountEdit()->text(), amount);
    session.form->activateWindow();
    QTRY_VERIFY(session.form->isActiveWindow());
    QCOMPARE(FocusedControl(), session.amountEdit());
    QCOMPARE(MainFormSession::bytes(session.path(QStringLiteral("NwMasse.dat"))), file);
    if (file.isEmpty())
        return;
    QCOMPARE(list->itemText(0), QStringLiteral("1 Becher (300 g)"));
    // The number is selected: "2" and Enter enter two of them.
    TypeKeys(QStringLiteral("2"));
    PressKey(Qt::Key_Return);
    QCOMPARE(session.form->mealList(1)->item(0, 3)->text(), QStringLiteral("600,0"));
}

void TestMainFormWindows::keysOpenTheFoodSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("onMagnifier"); // pressed with the focus on the magnifier

    QTest::newRow("Ctrl+F") << int(Qt::Key_F) << int(Qt::ControlModifier) << false;
    QTest::newRow("F3") << int(Qt::Key_F3) << int(Qt::NoModifier) << false;
    QTest::newRow("Enter on the magnifier") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("Space on the magnifier") << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
}

void TestMainFormWindows::keysOpenTheFoodSelection()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, onMagnifier);

    MainFormSession session(QStringLiteral("good"));
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
    if (onMagnifier)
        session.form->findChild<QWidget *>(QStringLiteral("LupeLebePanel"))->setFocus(Qt::TabFocusReason);
    else
        session.amountEdit()->setFocus(Qt::OtherFocusReason);

    QString shown;
    bool closedByEscape = false;
    QTimer::singleShot(0, session.form.get(), [&] {
        if (auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown = QString::fromLatin1(window->metaObject()->className());
            window->activateWindow();
            QTRY_VERIFY(window->isActiveWindow());
            PressKey(Qt::Key_Escape);
            closedByEscape = !window->isVisible();
            if (window->isVisible())
                window->hide();
        }
    });
    PressKey(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(shown, QStringLiteral("TAuswProjekteForm"));
    QVERIFY(closedByEscape);
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QString()); // nothing picked
}

void TestMainFormWindows::severalDaysOpenEveryNutrientOfTheirAverage()
{
    // Two days of whole-grain bread, 100 and 300 g; the test table gives it none of the other
    // nutrients, so each of them counts the two entries as without value.
    const QByteArray header = "VNR=Mz251026\r\n";
    MainFormSession session(QStringLiteral("good"),
                            {{QStringLiteral("a.txt"), header + "Mahlzeit1=1;42;100,0;\r\n"},
                             {QStringLiteral("b.txt"), header + "Mahlzeit1=1;42;300,0;\r\n"}});
    session.prompts.openPathLists.append(
        {session.path(QStringLiteral("a.txt")), session.path(QStringLiteral("b.txt"))});

    QString title;
    QString energy;
    QString fibreWithout;
    QPoint listAt;
    QPoint daysAt;
    const QString shown = WhileOpen(session, QStringLiteral("MehrereTageBtn"), [&](QDialog *days) {
        daysAt = days->pos();
        Click(days, QStringLiteral("DateienWaehlenBtn"));
        QTimer::singleShot(0, days, [&] {
            if (auto *list = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                title = LabelText(list, QStringLiteral("Label1"));
                listAt = list->pos();
                const auto *rows = list->findChild<QTableWidget *>(QStringLiteral("NaehrwerteListView"));
                for (int r = 0; r < rows->rowCount(); ++r) {
                    const QString name = rows->item(r, 0)->text();
                    if (name == QStringLiteral("Energie"))
                        energy = rows->item(r, 1)->text();
                    else if (name == QStringLiteral("Ballaststoffe"))
                        fibreWithout = rows->item(r, 5)->text();
                }
                list->close();
            }
        });
        Click(days, QStringLiteral("AlleNaehrwerteBtn"));
    });
    QCOMPARE(shown, QStringLiteral("TMehrereTageForm"));
    QCOMPARE(title, QStringLiteral("Alle Nährwerte: Durchschnitt je Tag aus 2 Tagen"));
    QCOMPARE(energy, QStringLiteral("440,0"));
    QCOMPARE(fibreWithout, QStringLiteral("2"));
    QCOMPARE(listAt, daysAt + QPoint(32, 28));
}

QTEST_MAIN(TestMainFormWindows)
#include "tst_mainformwindows.moc"
