// The main window's commands on the day: meal file, editing, reset, closing and reports.

#include "mainformsession.h"

#include "dayreport.h"
#include "filesizelimit.h"

#include <QItemSelectionModel>

namespace {

const QString Apple = QStringLiteral(" Apfel, roh");
const QString Milk = QStringLiteral(" Vollmilch");
const QString Butter = QStringLiteral(" Butter");
const QString Bread = QStringLiteral(" Vollkornbrot");

const QString Saved = QStringLiteral(" Mahlzeit(en) wurden gespeichert. ");
const QString SaveCancelled = QStringLiteral(" Speichern der Mahlzeit(en) wurden abgebrochen.");
const QString OverwriteRefused = QStringLiteral(" Speichern der Mahlzeit(en) wurden abgebrochen. ");
const QString NameTest = QStringLiteral(" Der Dateinamen muss die Endung '.txt' haben! ");
const QString Overwrite = QStringLiteral(" Soll die vorhandene Datei überschrieben werden? ");
const QString EmptyDay = QStringLiteral("Die Tagesbilanz ist leer !");
const QString NoRow = QStringLiteral("Es ist keine Zeile ausgewählt!");
const QString SaveChanges = QStringLiteral("Änderungen speichern?");
const QString TextOrCsv =
    QStringLiteral(" Soll die Tagesbilanz als Textdatei oder CSV-Datei gespeichert werden? ");
const QString InvalidFile = QStringLiteral("Es ist keine gültige Mahlzeiten-Datei !");

const QString Header = QStringLiteral("VNR=Mz251026");

QString WriteFailurePrefix(const QString &path)
{
    return QStringLiteral("Die Datei \"") + path + QStringLiteral("\" konnte nicht geschrieben werden:");
}

// The day as the window shows it, read back out of its meal lists and labels: what a written
// report has to match.
DayReport ShownDayReport(const MainFormSession &session, const QDateTime &created)
{
    DayReport report = EmptyDayReport();
    report.created = created;
    report.loadedMealFilePath = session.form->mealPlan().loadedMealFilePath();
    for (int n = 1; n <= MealCount; ++n) {
        DayReportMeal &meal = report.meals[n - 1];
        const QTableWidget *list = session.form->mealList(n);
        for (int row = 0; row < list->rowCount(); ++row) {
            const auto cell = [list, row](int column) { return list->item(row, column)->text(); };
            DayReportRow shown{cell(0), cell(1), cell(3), {}};
            for (int k = 0; k < NutrientCount; ++k)
                shown.values.append(cell(4 + k));
            meal.rows.append(shown);
        }
        meal.amountSum = session.text(QStringLiteral("MengLabelSu%1").arg(n));
        for (int k = 0; k < NutrientCount; ++k)
            meal.sums[k] = session.text(QStringLiteral("LabelMa%1Su%2").arg(n).arg(k));
    }
    report.dayAmountSum = session.text(QStringLiteral("MengLabelTaSu"));
    report.requirementTitle = session.text(QStringLiteral("KohorteLabel"));
    for (int k = 0; k < NutrientCount; ++k) {
        report.daySums[k] = session.text(QStringLiteral("LabelTaSu%1").arg(k));
        report.requirements[k] = session.text(QStringLiteral("TaBedLabel%1").arg(k));
        const QLabel *percentage = session.label(QStringLiteral("ProzLabel%1").arg(k));
        report.percentages[k] = percentage->text();
        // The class is shown only as the label's colour.
        const QColor colour = percentage->palette().color(QPalette::Window);
        for (const PercentClass percentClass :
             {PercentClass::Unrated, PercentClass::Normal, PercentClass::Warn, PercentClass::Alarm}) {
            const Rgb rgb = PercentClassColour(percentClass);
            if (colour == QColor(rgb.red, rgb.green, rgb.blue))
                report.percentClasses[k] = percentClass;
        }
    }
    return report;
}

int SelectedRow(const MainFormSession &session, int meal)
{
    const QModelIndexList rows = session.form->mealList(meal)->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace

class TestMainFormCommands : public QObject
{
    Q_OBJECT

private slots:
    void saveThenReadGivesSameBytes();
    void saveRefusals_data();
    void saveRefusals();
    void readRefusals_data();
    void readRefusals();
    void readEntersEveryLineThroughTheChecks();
    void readLimits_data();
    void readLimits();
    void editingEffects_data();
    void editingEffects();
    void changeEntryTakesFoodBack();
    void resetAll_data();
    void resetAll();
    void saveQuestion_data();
    void saveQuestion();
    void reportExport_data();
    void reportExport();
    void reportSaveTarget_data();
    void reportSaveTarget();
    void reportOpensInTheLastReportFolder();
    void reportSnapshotIsWhatTheWindowShows();
    void reportProposedNames_data();
    void reportProposedNames();
    void failedMealFileWrite_data();
    void failedMealFileWrite();
    void failedReportWrite();
};

void TestMainFormCommands::saveThenReadGivesSameBytes()
{
    MainFormSession session(QStringLiteral("good"));
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.enter(QStringLiteral("42"), QStringLiteral("80"));
    session.pages()->setCurrentIndex(2);
    session.enter(QStringLiteral("30001"), QStringLiteral("2"));
    session.prompts.clear();

    const QString first = session.path(QStringLiteral("tag.txt"));
    session.prompts.savePaths.append(first);
    session.click(QStringLiteral("MzDateiSpeichernBtn"));
    QCOMPARE(MainFormSession::bytes(first), QByteArray("VNR=Mz251026\r\n"
                                                       "Mahlzeit1=1;1001;150,0;\r\n"
                                                       "Mahlzeit1=1;42;80,0;\r\n"
                                                       "Mahlzeit3=2;30001;2,0;\r\n"));
    QCOMPARE(session.prompts.calls.size(), 2);
    const FileDialogRequest saveRequest = session.prompts.calls.at(0).request;
    QCOMPARE(saveRequest.title, QStringLiteral("Speichern als"));
    QCOMPARE(saveRequest.initialFolder, session.form->dataDirectory());
    QCOMPARE(saveRequest.filter, QStringLiteral("Textdateien (*.txt *.TXT)"));
    QCOMPARE(saveRequest.defaultExtension, QStringLiteral("txt"));
    QCOMPARE(saveRequest.proposedName, QString());
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList{Saved});
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei tag.txt"));
    QVERIFY(!session.form->mealPlan().changed());

    session.click(QStringLiteral("DelFormValueBtn"));
    QVERIFY(session.form->mealPlan().allEmpty());
    session.prompts.clear();

    session.prompts.openPaths.append(first);
    session.click(QStringLiteral("MzDateiEinlesenBtn"));
    QCOMPARE(session.prompts.calls.size(), 1);
    const FileDialogRequest openRequest = session.prompts.calls.at(0).request;
    QCOMPARE(openRequest.title, QStringLiteral("Mahlzeiten einlesen"));
    QCOMPARE(openRequest.initialFolder, session.form->dataDirectory());
    QCOMPARE(openRequest.filter, QStringLiteral("Textdateien (*.txt *.TXT)"));
    QCOMPARE(openRequest.proposedName, QString());
    QCOMPARE(session.names(1), (QStringList{Apple, Bread}));
    QCOMPARE(session.names(3), QStringList{QStringLiteral(" Müsliriegel")});
    QCOMPARE(session.form->mealPlan().activeMeal(), 1);
    QCOMPARE(session.pages()->currentIndex(), 0);
    QVERIFY(!session.form->mealPlan().changed());
    QCOMPARE(session.form->mealPlan().loadedMealFilePath(), first);
    QCOMPARE(session.form->mealPlan().chosenMealFileName(), first);
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QString());
    QCOMPARE(session.amountEdit()->text(), QString());

    // The next save proposes the name of the file read.
    const QString second = session.path(QStringLiteral("tag2.txt"));
    session.prompts.clear();
    session.prompts.savePaths.append(second);
    QVERIFY(session.form->SaveMealFile());
    QCOMPARE(session.prompts.calls.at(0).request.proposedName, QStringLiteral("tag.txt"));
    QCOMPARE(MainFormSession::bytes(second), MainFormSession::bytes(first));
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei tag2.txt"));
    QCOMPARE(session.form->mealPlan().loadedMealFilePath(), first);
}

void TestMainFormCommands::saveRefusals_data()
{
    QTest::addColumn<bool>("withEntries");
    QTest::addColumn<QString>("fileName"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");

    QTest::newRow("all meals empty") << false << QStringLiteral("tag.txt") << false << -1
                                     << QStringList{EmptyDay} << false << false;
    QTest::newRow("dialog cancelled")
        << true << QString() << false << -1 << QStringList{SaveCancelled} << false << false;
    QTest::newRow("upper-case TXT") << true << QStringLiteral("essen.TXT") << false << -1
                                    << QStringList{NameTest} << false << false;
    QTest::newRow("overwrite refused")
        << true << QStringLiteral("alt.txt") << true << 0 << QStringList{OverwriteRefused} << true << false;
    QTest::newRow("overwrite question closed")
        << true << QStringLiteral("alt.txt") << true << 99 << QStringList{OverwriteRefused} << true << false;
    QTest::newRow("overwrite accepted")
        << true << QStringLiteral("alt.txt") << true << 1 << QStringList{Saved} << true << true;
    QTest::newRow("only the last three characters count")
        << true << QStringLiteral("essentxt") << false << -1 << QStringList{Saved} << false << true;
}

void TestMainFormCommands::saveRefusals()
{
    QFETCH(bool, withEntries);
    QFETCH(QString, fileName);
    QFETCH(bool, fileExists);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);

    MainFormSession session(QStringLiteral("good"));
    if (withEntries)
        session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    const QString target = fileName.isEmpty() ? QString() : session.path(fileName);
    const QByteArray earlier("earlier content\r\n");
    if (fileExists)
        QVERIFY(WriteBytes(target, earlier));
    session.prompts.clear();
    session.prompts.savePaths.append(target);
    if (answer >= 0)
        session.prompts.answers.append(answer);

    QCOMPARE(session.form->SaveMealFile(), written);

    QTEST(session.prompts.texts(QStringLiteral("notice")), "notices");
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")), asked ? QStringList{Overwrite} : QStringList());
    QCOMPARE(session.prompts.texts(QStringLiteral("save")).size(), withEntries ? 1 : 0);
    if (written) {
        QCOMPARE(MainFormSession::bytes(target), QByteArray("VNR=Mz251026\r\nMahlzeit1=1;1001;150,0;\r\n"));
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei ") + fileName);
        QVERIFY(!session.form->mealPlan().changed());
    } else {
        if (fileExists)
            QCOMPARE(MainFormSession::bytes(target), earlier);
        else if (!target.isEmpty())
            QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QString());
        QCOMPARE(session.form->mealPlan().changed(), withEntries);
    }
}

void TestMainFormCommands::readRefusals_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("fileName"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("create");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<bool>("dialogOpened");
    QTest::addColumn<QString>("loadedAfter"); // LoadedMealFilePath afterwards: a file name or empty

    const QString good = QStringLiteral("good");
    const QString earlier = QStringLiteral("vorher.txt");
    QTest::newRow("empty Swiss database")
        << QString() << QStringLiteral("tag.txt") << true << QStringList{Header}
        << QStringList{QStringLiteral("Die Schweizer Nährwertliste ist leer!")} << false << QString();
    QTest::newRow("dialog cancelled")
        << good << QString() << false << QStringList() << QStringList() << true << QString();
    QTest::newRow("upper-case TXT") << good << QStringLiteral("essen.TXT") << true << QStringList{Header}
                                    << QStringList{NameTest} << true << QString();
    QTest::newRow("no file at the path") << good << QStringLiteral("fehlt.txt") << false << QStringList()
                                         << QStringList() << true << QString();
    // A file that fails keeps the day on show together with the file it came from.
    QTest::newRow("wrong version") << good << QStringLiteral("alt.txt") << true
                                   << QStringList{QStringLiteral("VNR=Mz251025"),
                                                  QStringLiteral("Mahlzeit1=1;1001;100,0;")}
                                   << QStringList{InvalidFile} << true << earlier;
    QTest::newRow("no VNR line") << good << QStringLiteral("ohne.txt") << true
                                 << QStringList{QStringLiteral("Mahlzeit1=1;1001;100,0;")}
                                 << QStringList{InvalidFile} << true << earlier;
    QTest::newRow("empty file") << good << QStringLiteral("leer.txt") << true << QStringList()
                                << QStringList{InvalidFile} << true << earlier;
    QTest::newRow("binary file") << good << QStringLiteral("bild.txt") << true
                                 << QStringList{QString::fromLatin1("\x89PNG\x1A\x00\x00\x00\x0DIHDR", 12)}
                                 << QStringList{InvalidFile} << true << earlier;
    // Said in a plain message box, not as a notice.
    QTest::newRow("unreadable: a folder")
        << good << QStringLiteral("ordner.txt") << true << QStringList{QStringLiteral("<folder>")}
        << QStringList() << true << earlier;
}

void TestMainFormCommands::readRefusals()
{
    QFETCH(QString, fixture);
    QFETCH(QString, fileName);
    QFETCH(bool, create);
    QFETCH(QStringList, lines);
    QFETCH(bool, dialogOpened);
    QFETCH(QString, loadedAfter);

    MainFormSession session(fixture);
    const bool haveFoods = !fixture.isEmpty();
    if (haveFoods) {
        // An earlier read, then one more food: a plan with a file name and unsaved changes.
        session.readMealFile(QStringLiteral("vorher.txt"),
                             {Header, QStringLiteral("Mahlzeit1=1;1001;100,0;")});
        session.enter(QStringLiteral("1002"), QStringLiteral("200"));
        QVERIFY(session.form->mealPlan().changed());
    }
    const QString target = fileName.isEmpty() ? QString() : session.path(fileName);
    if (create && lines == QStringList{QStringLiteral("<folder>")})
        QVERIFY(QDir().mkpath(target));
    else if (create)
        QVERIFY(WriteBytes(target, CrLfLines(lines)));
    session.prompts.clear();
    session.prompts.answers.append(AnswerRight); // "Änderungen speichern?": Nein
    session.prompts.openPaths.append(target);

    session.click(QStringLiteral("MzDateiEinlesenBtn"));

    QTEST(session.prompts.texts(QStringLiteral("notice")), "notices");
    QCOMPARE(session.prompts.texts(QStringLiteral("plain")).size(),
             fileName == QLatin1String("ordner.txt") ? 1 : 0);
    QCOMPARE(session.prompts.texts(QStringLiteral("open")).size(), dialogOpened ? 1 : 0);
    const MealPlan &plan = session.form->mealPlan();
    QCOMPARE(plan.chosenMealFileName(), dialogOpened ? target : QString());
    QCOMPARE(plan.loadedMealFilePath(), loadedAfter.isEmpty() ? QString() : session.path(loadedAfter));
    if (!haveFoods)
        return;
    // A refused read never claims the file, nor touches the meals or forgets unsaved changes.
    QCOMPARE(session.names(1), (QStringList{Apple, Milk}));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("182")); // 52 + 2 × 65
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei vorher.txt"));
    QVERIFY(plan.changed());
}

void TestMainFormCommands::readEntersEveryLineThroughTheChecks()
{
    MainFormSession session(QStringLiteral("good"));
    QStringList lines{Header};
    for (int i = 0; i < 13; ++i)
        lines.append(QStringLiteral("Mahlzeit2=1;1001;100,0;"));
    lines << QStringLiteral("Mahlzeit2=1;999;100,0;")  // not in the food data
          << QStringLiteral("Mahlzeit4=1;0042;50,0;")  // leading zeros: food 42
          << QStringLiteral("Mahlzeit7=1;1002;100,0;") // no such meal: stays in meal 4
          << QStringLiteral("Mahlzeit5=1;1003;abc;")   // refused by the amount check
          << QStringLiteral("Mahlzeit5=2;1003;200;");  // the database field is not read
    session.readMealFile(QStringLiteral("viel.txt"), lines);

    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             (QStringList{QStringLiteral("Es können max 12 Lebensmittel pro Mahlzeit erfasst werden!"),
                          QStringLiteral("Lebensmittel-ID 999 nicht in Liste vorhanden !"),
                          QStringLiteral("Die Menge ist kein nummerischer Wert!")}));
    QCOMPARE(session.names(2).size(), MaxEntriesPerMeal);
    QCOMPARE(session.names(4), (QStringList{Bread, Milk}));
    QCOMPARE(session.names(5), QStringList{QStringLiteral(" Mineralwasser")});
    QCOMPARE(session.form->mealList(5)->item(0, 3)->text(), QStringLiteral("200,0"));
    QCOMPARE(session.form->mealList(5)->item(0, 1)->text(), QStringLiteral("1"));
    QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")), QStringLiteral("1550"));
    for (int n = 1; n <= MealCount; ++n)
        QCOMPARE(session.marker(n)->isHidden(), n != 2 && n != 4 && n != 5);

    QCOMPARE(session.form->mealPlan().activeMeal(), 1);
    QCOMPARE(session.pages()->currentIndex(), 0);
    QVERIFY(!session.form->mealPlan().changed()); // also with refused lines
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QString());
    QCOMPARE(session.text(QStringLiteral("IdLabel")), QString());
    QCOMPARE(session.amountEdit()->text(), QString());
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei viel.txt"));
}

void TestMainFormCommands::readLimits_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addRow("the largest meal file is read") << qint64(1048576);
    QTest::addRow("one byte more is refused unread") << qint64(1048577);
}

void TestMainFormCommands::readLimits()
{
    QFETCH(qint64, size);

    // A file of size bytes whose every line is refused: unknown ids, then one filler line.
    const QByteArray refused("Mahlzeit1=1;999;1,0;\r\n");
    QByteArray bytes("VNR=Mz251026\r\n");
    const qint64 count = (size - bytes.size() - 8) / refused.size();
    bytes += refused.repeated(count);
    bytes += "X=" + QByteArray(size - bytes.size() - 4, 'x') + "\r\n"; // looks up id 0
    QCOMPARE(bytes.size(), size);

    MainFormSession session(QStringLiteral("good"));
    session.readMealFile(QStringLiteral("vorher.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;100,0;")});
    QVERIFY(WriteBytes(session.path(QStringLiteral("gross.txt")), bytes));
    session.prompts.clear();
    session.prompts.openPaths.append(session.path(QStringLiteral("gross.txt")));

    session.click(QStringLiteral("MzDateiEinlesenBtn"));

    if (size > 1048576) {
        QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Die Datei „gross.txt“ ist zu groß für eine Mahlzeiten-Datei.")});
        QCOMPARE(session.names(1), QStringList{Apple});
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei vorher.txt"));
        return;
    }
    // Five refusals, then one line for all the others, however many there are.
    QStringList expected(5, QStringLiteral("Lebensmittel-ID 999 nicht in Liste vorhanden !"));
    expected.append(QStringLiteral("Weitere %1 Zeilen wurden nicht übernommen.").arg(count + 1 - 5));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), expected);
    QVERIFY(session.form->mealPlan().allEmpty());
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei gross.txt"));
}

void TestMainFormCommands::editingEffects_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("namesAfter");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("recomputed");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QStringList>("notices");

    const QString remove = QStringLiteral("LebMitEntfernenBtn");
    const QString change = QStringLiteral("LebMitAendernBtn");
    const QString up = QStringLiteral("NachObenSBtn1");
    const QString down = QStringLiteral("NachUntenSBtn1");
    const QStringList all{Apple, Milk, Butter};
    const QStringList none;

    QTest::newRow("remove selected") << remove << 1 << QStringList{Apple, Butter} << -1 << true << true
                                     << none;
    QTest::newRow("remove without selection")
        << remove << -1 << all << -1 << false << true << QStringList{NoRow};
    QTest::newRow("change selected") << change << 1 << QStringList{Apple, Butter} << -1 << true << true
                                     << none;
    QTest::newRow("change without selection")
        << change << -1 << all << -1 << false << false << QStringList{NoRow};
    QTest::newRow("up from the second")
        << up << 1 << QStringList{Milk, Apple, Butter} << 0 << false << true << none;
    QTest::newRow("up from the first") << up << 0 << all << 0 << false << false << none;
    QTest::newRow("up without selection") << up << -1 << all << -1 << false << false << none;
    QTest::newRow("down from the first")
        << down << 0 << QStringList{Milk, Apple, Butter} << 1 << false << true << none;
    QTest::newRow("down from the last") << down << 2 << all << 2 << false << false << none;
    QTest::newRow("clear meal") << QStringLiteral("DelSBtnSheet1") << 1 << QStringList() << -1 << true << true
                                << none;
    QTest::newRow("clear an empty meal")
        << QStringLiteral("DelSBtnSheet2") << 1 << all << 1 << true << false << none;
    QTest::newRow("clear input line")
        << QStringLiteral("DelZeileSBtn") << 1 << all << 1 << false << false << none;
}

void TestMainFormCommands::editingEffects()
{
    QFETCH(QString, button);
    QFETCH(int, selected);
    QFETCH(QStringList, namesAfter);
    QFETCH(int, selectedAfter);
    QFETCH(bool, recomputed);
    QFETCH(bool, changed);

    MainFormSession session(QStringLiteral("good"));
    session.readMealFile(QStringLiteral("tag.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                                                     QStringLiteral("Mahlzeit1=1;1002;250,0;"),
                                                     QStringLiteral("Mahlzeit1=1;1004;10,0;")});
    QVERIFY(!session.form->mealPlan().changed());
    session.pick(QStringLiteral("30001"));
    session.selectRow(1, selected);
    session.prompts.clear();
    // A stale text shows whether the command recomputed the balance.
    session.label(QStringLiteral("LabelTaSu0"))->setText(QStringLiteral("stale"));

    session.click(button);

    QCOMPARE(session.names(1), namesAfter);
    QCOMPARE(SelectedRow(session, 1), selectedAfter);
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")) != QStringLiteral("stale"), recomputed);
    QCOMPARE(session.form->mealPlan().changed(), changed);
    QTEST(session.prompts.texts(QStringLiteral("notice")), "notices");
    QCOMPARE(session.marker(1)->isHidden(), namesAfter.isEmpty());
}

void TestMainFormCommands::changeEntryTakesFoodBack()
{
    MainFormSession session(QStringLiteral("good"));
    session.readMealFile(QStringLiteral("tag.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                                                     QStringLiteral("Mahlzeit1=1;1002;250,0;"),
                                                     QStringLiteral("Mahlzeit1=1;1004;10,0;")});
    session.selectRow(1, 1);
    session.click(QStringLiteral("LebMitAendernBtn"));

    // The food's data come from the food index, the amount from the entry.
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), Milk);
    QCOMPARE(session.text(QStringLiteral("IdLabel")), QStringLiteral("1002"));
    QCOMPARE(session.text(QStringLiteral("NwLabel0")), QStringLiteral("65"));
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("g"));
    QCOMPARE(session.amountEdit()->text(), QStringLiteral("250,0"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("152,1"));

    session.typeAmount(QStringLiteral("100"));
    session.click(QStringLiteral("LebMitEintragenBtn"));
    QCOMPARE(session.names(1), (QStringList{Apple, Butter, Milk}));
    QCOMPARE(session.form->mealList(1)->item(2, 3)->text(), QStringLiteral("100,0"));
    QCOMPARE(session.text(QStringLiteral("LabelTaSu0")), QStringLiteral("217,1"));
}

void TestMainFormCommands::resetAll_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveDialog");

    QTest::newRow("unchanged asks nothing") << false << -1 << false;
    QTest::newRow("changed, Nein") << true << 0 << false;
    QTest::newRow("changed, Ja, saved") << true << 1 << true;
}

void TestMainFormCommands::resetAll()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, saveDialog);

    MainFormSession session(QStringLiteral("good"));
    const QString file = session.path(QStringLiteral("tag.txt"));
    const QString savedFile = session.path(QStringLiteral("gesichert.txt"));
    session.readMealFile(QStringLiteral("tag.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                                                     QStringLiteral("Mahlzeit3=1;1004;10,0;")});
    session.pages()->setCurrentIndex(2);
    if (changed)
        session.enter(QStringLiteral("1002"), QStringLiteral("100"));
    session.pick(QStringLiteral("1002"));
    session.typeAmount(QStringLiteral("50"));
    session.prompts.clear();
    if (answer >= 0)
        session.prompts.answers.append(answer);
    session.prompts.savePaths.append(savedFile);

    session.click(QStringLiteral("DelFormValueBtn"));

    QCOMPARE(session.prompts.texts(QStringLiteral("ask")),
             changed ? QStringList{SaveChanges} : QStringList());
    QCOMPARE(session.prompts.texts(QStringLiteral("save")).size(), saveDialog ? 1 : 0);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             saveDialog ? QStringList{Saved} : QStringList());
    QCOMPARE(QFileInfo::exists(savedFile), saveDialog);

    const MealPlan &plan = session.form->mealPlan();
    QVERIFY(plan.allEmpty());
    // Left as it was: a save clears it, "Nein" leaves it set.
    QCOMPARE(plan.changed(), changed && !saveDialog);
    QCOMPARE(plan.activeMeal(), 1);
    QCOMPARE(session.pages()->currentIndex(), 0);
    QCOMPARE(plan.loadedMealFilePath(), QString());
    QCOMPARE(plan.chosenMealFileName(), file); // only a new read forgets the chosen name
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QString());
    QCOMPARE(session.text(QStringLiteral("BezeLabel")), QString());
    QCOMPARE(session.amountEdit()->text(), QString());
    QCOMPARE(session.text(QStringLiteral("KopfMengLabel")), QStringLiteral("g, St"));
    QCOMPARE(session.text(QStringLiteral("Label12")), QStringLiteral("g, St"));
    for (int n = 1; n <= MealCount; ++n) {
        QVERIFY(session.marker(n)->isHidden());
        QCOMPARE(session.form->mealList(n)->rowCount(), 0);
    }
    for (int k = 0; k < NutrientCount; ++k) {
        QCOMPARE(session.text(QStringLiteral("LabelTaSu%1").arg(k)), QStringLiteral("0"));
        QCOMPARE(session.text(QStringLiteral("LabelMa3Su%1").arg(k)), QStringLiteral("0"));
        QCOMPARE(session.text(QStringLiteral("ProzLabel%1").arg(k)), QStringLiteral("   0.0%"));
        QCOMPARE(session.background(QStringLiteral("ProzLabel%1").arg(k)), QColor(235, 235, 235));
    }

    // With every meal empty there is nothing to save, so closing asks nothing even after Nein.
    session.prompts.clear();
    session.form->show();
    QVERIFY(session.form->close());
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")), QStringList());
}

void TestMainFormCommands::saveQuestion_data()
{
    QTest::addColumn<QString>("command"); // the button that asks before the day goes
    QTest::addColumn<QString>("day");     // "changed", "unchanged" or "emptied" (changed, no entry)
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("saveAs"); // file name given to the save dialog; empty: cancelled
    QTest::addColumn<bool>("goesOn");    // the window closes, resets or reads
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<int>("plainMessages");

    const QString saveAs = QStringLiteral("ende.txt");
    const QString existing = QStringLiteral("alt.txt");
    const QString unwritable = QStringLiteral("kein/ordner/ende.txt"); // no such folder: the write fails
    const QList<int> ja{AnswerLeft};
    const QList<int> none;
    for (const QString &command : {QStringLiteral("BeendenBtn"), QStringLiteral("DelFormValueBtn"),
                                   QStringLiteral("MzDateiEinlesenBtn")}) {
        const auto row = [&command](const char *name) {
            return &QTest::newRow(qPrintable(command + QStringLiteral(": ") + QLatin1String(name)));
        };
        *row("unchanged asks nothing")
            << command << "unchanged" << none << QString() << true << QStringList() << 0;
        *row("all meals empty asks nothing")
            << command << "emptied" << none << QString() << true << QStringList() << 0;
        *row("Nein") << command << "changed" << QList<int>{AnswerRight} << QString() << true << QStringList()
                     << 0;
        *row("Abbrechen") << command << "changed" << QList<int>{AnswerThird} << QString() << false
                          << QStringList() << 0;
        *row("Escape or close box") << command << "changed" << QList<int>{AnswerClosed} << QString() << false
                                    << QStringList() << 0;
        *row("Ja, saved") << command << "changed" << ja << saveAs << true << QStringList{Saved} << 0;
        *row("Ja, dialog cancelled") << command << "changed" << ja << QString() << false
                                     << QStringList{SaveCancelled} << 0;
        *row("Ja, name refused") << command << "changed" << ja << QStringLiteral("ende.TXT") << false
                                 << QStringList{NameTest} << 0;
        *row("Ja, overwrite Nein") << command << "changed" << QList<int>{AnswerLeft, AnswerRight} << existing
                                   << false << QStringList{OverwriteRefused} << 0;
        *row("Ja, write failed") << command << "changed" << ja << unwritable << false << QStringList() << 1;
    }
}

void TestMainFormCommands::saveQuestion()
{
    QFETCH(QString, command);
    QFETCH(QString, day);
    QFETCH(QList<int>, answers);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);
    QFETCH(int, plainMessages);

    MainFormSession session(QStringLiteral("good"));
    QVERIFY(WriteBytes(session.path(QStringLiteral("alt.txt")), "earlier\r\n"));
    QVERIFY(QDir().mkpath(session.path(QStringLiteral("ordner.txt"))));
    QVERIFY(WriteBytes(session.path(QStringLiteral("neu.txt")),
                       CrLfLines({Header, QStringLiteral("Mahlzeit1=1;1004;20,0;")})));
    session.readMealFile(QStringLiteral("tag.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;150,0;")});
    if (day == QLatin1String("changed"))
        session.enter(QStringLiteral("1002"), QStringLiteral("100"));
    if (day == QLatin1String("emptied"))
        session.click(QStringLiteral("DelSBtnSheet1"));
    QCOMPARE(session.form->mealPlan().changed(), day != QLatin1String("unchanged"));
    const QStringList namesBefore = session.names(1);
    session.form->show();
    session.prompts.clear();
    session.prompts.answers = answers;
    session.prompts.savePaths.append(saveAs.isEmpty() ? QString() : session.path(saveAs));
    session.prompts.openPaths.append(session.path(QStringLiteral("neu.txt")));

    session.click(command);

    const bool asked = day == QLatin1String("changed");
    const QStringList asks = session.prompts.texts(QStringLiteral("ask"));
    QCOMPARE(asks.isEmpty() ? QString() : asks.first(), asked ? SaveChanges : QString());
    if (asked)
        QCOMPARE(session.prompts.calls.first().mode, int(ModeYesNoCancel));
    QTEST(session.prompts.texts(QStringLiteral("notice")), "notices");
    QCOMPARE(session.prompts.texts(QStringLiteral("plain")).size(), plainMessages);
    if (saveAs == QLatin1String("ende.txt"))
        QCOMPARE(MainFormSession::bytes(session.path(saveAs)),
                 QByteArray("VNR=Mz251026\r\nMahlzeit1=1;1001;150,0;\r\nMahlzeit1=1;1002;100,0;\r\n"));
    QCOMPARE(MainFormSession::bytes(session.path(QStringLiteral("alt.txt"))), QByteArray("earlier\r\n"));

    if (command == QLatin1String("BeendenBtn")) {
        QCOMPARE(session.form->isVisible(), !goesOn);
    } else if (command == QLatin1String("DelFormValueBtn")) {
        QCOMPARE(session.form->mealPlan().allEmpty(), goesOn);
    } else {
        QCOMPARE(session.prompts.texts(QStringLiteral("open")).size(), goesOn ? 1 : 0);
        if (goesOn)
            QCOMPARE(session.names(1), QStringList{Butter});
    }
    if (!goesOn) {
        // Stopped: the day, its file and its unsaved state stay as they were.
        QCOMPARE(session.names(1), namesBefore);
        QVERIFY(session.form->mealPlan().changed());
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei tag.txt"));
        QCOMPARE(session.form->mealPlan().loadedMealFilePath(), session.path(QStringLiteral("tag.txt")));
    }
}

void TestMainFormCommands::reportExport_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asText");

    QTest::newRow("Text button") << 1 << true;
    QTest::newRow("CSV button") << 0 << false;
    QTest::newRow("question closed gives CSV") << 99 << false;
}

void TestMainFormCommands::reportExport()
{
    QFETCH(int, answer);
    QFETCH(bool, asText);

    MainFormSession session(QStringLiteral("good"));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString extension = asText ? QStringLiteral("txt") : QStringLiteral("csv");
    const QString target = session.path(QStringLiteral("bericht.") + extension);
    session.prompts.clear();
    session.prompts.answers.append(answer);
    session.prompts.savePaths.append(target);

    session.click(QStringLiteral("TagBilanzSpeichernBtn"));

    QCOMPARE(session.prompts.texts(QStringLiteral("ask")), QStringList{TextOrCsv});
    QCOMPARE(session.prompts.calls.at(0).mode, int(ModeTextCsv));
    // The report's own filter and extension, in the data folder the first time.
    const FileDialogRequest request = session.prompts.calls.at(1).request;
    QCOMPARE(request.title, QStringLiteral("Speichern als"));
    QCOMPARE(request.proposedName, QStringLiteral("NW-Tagesbilanz--251026-143005.") + extension);
    QCOMPARE(request.initialFolder, session.form->dataDirectory());
    QCOMPARE(request.filter,
             asText ? QStringLiteral("Textdateien (*.txt)") : QStringLiteral("CSV-Dateien (*.csv)"));
    QCOMPARE(request.defaultExtension, extension);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
             QStringList{asText ? QStringLiteral("Die Tagesbilanz wurde als Textdatei gespeichert !")
                                : QStringLiteral("Die Tagesbilanz wurde als CSV-Datei gespeichert !")});

    // The file holds what the window shows.
    const DayReport report = ShownDayReport(session, QDateTime(QDate(2025, 10, 26), QTime(14, 30, 5)));
    const QStringList lines = asText ? FormatDayReportText(report) : FormatDayReportCsv(report);
    QByteArray expected("\xEF\xBB\xBF");
    for (const QString &line : lines)
        expected += line.toUtf8() + "\r\n";
    QCOMPARE(MainFormSession::bytes(target), expected);
    QVERIFY(expected.contains("Vollmilch"));
    QVERIFY(expected.contains("Erstellt am 26.10.25 14:30:05"));
}

void TestMainFormCommands::reportSaveTarget_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("overwriteAnswer"); // -1: not asked
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<bool>("written");

    const QStringList savedCsv{QStringLiteral("Die Tagesbilanz wurde als CSV-Datei gespeichert !")};
    // The refusal names the file, "@" standing for the data folder.
    const auto ownFile = [](const char *name) {
        return QStringList{QStringLiteral("„@/") + QLatin1String(name) +
                           QStringLiteral("“: Diese Datei gehört zum Programm und wird nicht überschrieben.")};
    };
    QTest::newRow("new file") << "bericht.csv" << false << -1 << savedCsv << true;
    QTest::newRow("existing file, Ja") << "bericht.csv" << true << 1 << savedCsv << true;
    QTest::newRow("existing file, Nein: nothing more said")
        << "bericht.csv" << true << 0 << QStringList() << false;
    QTest::newRow("existing file, question closed") << "bericht.csv" << true << 99 << QStringList() << false;
    QTest::newRow("the Swiss food table") << "NwChDb.dat" << true << -1 << ownFile("NwChDb.dat") << false;
    QTest::newRow("the recovery file, other case")
        << "nwsitzung.DAT" << false << -1 << ownFile("nwsitzung.DAT") << false;
    QTest::newRow("the settings, not there yet") << "NwConfig.dat" << false << -1 << ownFile("NwConfig.dat") << false;
    QTest::newRow("a link to the own foods, Ja would replace them")
        << "link.csv" << true << -1 << ownFile("NwAnDb.dat") << false;
}

void TestMainFormCommands::reportSaveTarget()
{
    QFETCH(QString, fileName);
    QFETCH(bool, exists);
    QFETCH(int, overwriteAnswer);
    QFETCH(QStringList, notices);
    QFETCH(bool, written);

    MainFormSession session(QStringLiteral("good"));
    QVERIFY(QFile::link(session.path(QStringLiteral("NwAnDb.dat")), session.path(QStringLiteral("link.csv"))));
    const QByteArray ownFoods = MainFormSession::bytes(session.path(QStringLiteral("NwAnDb.dat")));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString target = session.path(fileName);
    const QByteArray earlier("earlier\r\n");
    if (exists && !QFileInfo::exists(target))
        QVERIFY(WriteBytes(target, earlier));
    const QByteArray before = MainFormSession::bytes(target);
    session.prompts.clear();
    session.prompts.answers.append(AnswerRight); // CSV
    if (overwriteAnswer >= 0)
        session.prompts.answers.append(overwriteAnswer);
    session.prompts.savePaths.append(target);

    session.click(QStringLiteral("TagBilanzSpeichernBtn"));

    QStringList asks{TextOrCsv};
    if (overwriteAnswer >= 0)
        asks.append(QStringLiteral(" Soll die vorhandene Datei überschrieben werden? "));
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")), asks);
    for (QString &notice : notices)
        notice.replace(QLatin1Char('@'), session.dir.path());
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), notices);
    QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList());
    QCOMPARE(MainFormSession::bytes(session.path(QStringLiteral("NwAnDb.dat"))), ownFoods);
    if (written) {
        QVERIFY(MainFormSession::bytes(target).contains("Vollmilch"));
    } else {
        QCOMPARE(MainFormSession::bytes(target), before);
        QCOMPARE(QFileInfo::exists(target), exists);
    }
}

void TestMainFormCommands::reportOpensInTheLastReportFolder()
{
    MainFormSession session(QStringLiteral("good"));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString elsewhere = session.path(QStringLiteral("berichte"));
    QVERIFY(QDir().mkpath(elsewhere));
    const auto report = [&session](const QString &path) {
        session.prompts.clear();
        session.prompts.answers.append(AnswerLeft); // Text
        session.prompts.savePaths.append(path);
        session.click(QStringLiteral("TagBilanzSpeichernBtn"));
        return session.prompts.calls.at(1).request.initialFolder;
    };

    QCOMPARE(report(QString()), session.form->dataDirectory()); // cancelled: no report yet
    QCOMPARE(report(elsewhere + QStringLiteral("/montag.txt")), session.form->dataDirectory());
    QCOMPARE(report(QString()), elsewhere + QLatin1Char('/'));
    // The meal file keeps its own folder.
    session.prompts.clear();
    session.form->SaveMealFile();
    QCOMPARE(session.prompts.calls.at(0).request.initialFolder, session.form->dataDirectory());
}

void TestMainFormCommands::reportSnapshotIsWhatTheWindowShows()
{
    MainFormSession session(QStringLiteral("good"));
    session.click(QStringLiteral("TagBilanzSpeichernBtn"));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList{EmptyDay});
    QCOMPARE(session.prompts.calls.size(), 1);

    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    session.prompts.clear();
    session.prompts.answers.append(1);
    session.click(QStringLiteral("TagBilanzSpeichernBtn")); // save dialog cancelled: nothing more
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
    QCOMPARE(QDir(session.dir.path()).entryList({QStringLiteral("NW-*")}, QDir::Files), QStringList());

    const QDateTime created(QDate(2025, 10, 26), QTime(14, 30, 5));
    const DayReport report = session.form->dayReport(created);
    QCOMPARE(report.created, created);
    QCOMPARE(report.loadedMealFilePath, QString());
    QCOMPARE(report.meals[0].rows.size(), 1);
    const DayReportRow &row = report.meals[0].rows.first();
    QCOMPARE(row.name, Milk);
    QCOMPARE(row.dbCode, QStringLiteral("1"));
    QCOMPARE(row.amount, QStringLiteral("250,0"));
    QCOMPARE(row.values.value(0), QStringLiteral("162,5"));
    QCOMPARE(row.values.size(), NutrientCount);
    QCOMPARE(report.meals[0].amountSum, QStringLiteral("250"));
    QCOMPARE(report.meals[1].rows.size(), 0);
    QCOMPARE(report.meals[1].sums.value(0), QStringLiteral("0"));
    QCOMPARE(report.dayAmountSum, QStringLiteral("250"));
    QCOMPARE(report.daySums.value(0), QStringLiteral("162,5"));
    QCOMPARE(report.requirementTitle, session.text(QStringLiteral("KohorteLabel")));
    QCOMPARE(report.requirements.value(0), QStringLiteral("1800"));
    QCOMPARE(report.percentages.value(0), QStringLiteral("   9.0%"));
    QCOMPARE(report.percentClasses[0], PercentClass::Warn);
    QCOMPARE(report.percentClasses[2], PercentClass::Normal);
    QCOMPARE(report.percentClasses[7], PercentClass::Unrated);
}

void TestMainFormCommands::reportProposedNames_data()
{
    QTest::addColumn<QStringList>("opened"); // file names given to the open dialog in turn; "" cancels
    QTest::addColumn<QString>("proposed");

    QTest::newRow("no meal file chosen")
        << QStringList() << QStringLiteral("NW-Tagesbilanz--251026-143005.csv");
    QTest::newRow("Montag.txt read") << QStringList{QStringLiteral("Montag.txt")}
                                     << QStringLiteral("NW-Tagesbilanz-Montag--251026-143005.csv");
    QTest::newRow("name refused by the test still counts")
        << QStringList{QStringLiteral("Woche.1.TXT")}
        << QStringLiteral("NW-Tagesbilanz-Woche--251026-143005.csv");
    QTest::newRow("cancelled after a read") << QStringList{QStringLiteral("Montag.txt"), QString()}
                                            << QStringLiteral("NW-Tagesbilanz--251026-143005.csv");
}

void TestMainFormCommands::reportProposedNames()
{
    QFETCH(QStringList, opened);

    MainFormSession session(QStringLiteral("good"));
    for (const QString &name : {QStringLiteral("Montag.txt"), QStringLiteral("Woche.1.TXT")})
        QVERIFY(WriteBytes(session.path(name), "VNR=Mz251026\r\nMahlzeit1=1;1001;100,0;\r\n"));
    for (const QString &name : opened) {
        session.prompts.openPaths.append(name.isEmpty() ? QString() : session.path(name));
        session.form->ReadMealFile();
    }
    session.enter(QStringLiteral("1002"), QStringLiteral("100"));
    session.prompts.clear();
    session.prompts.answers.append(0);

    session.click(QStringLiteral("TagBilanzSpeichernBtn"));

    QCOMPARE(session.prompts.texts(QStringLiteral("save")).size(), 1);
    QTEST(session.prompts.calls.at(1).request.proposedName, "proposed");
}

void TestMainFormCommands::failedMealFileWrite_data()
{
    QTest::addColumn<bool>("folderInTheWay");

    QTest::newRow("disk full over an earlier file") << false;
    QTest::newRow("a folder where the file must go: refused before writing") << true;
}

void TestMainFormCommands::failedMealFileWrite()
{
    QFETCH(bool, folderInTheWay);

    MainFormSession session(QStringLiteral("good"));
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString target = session.path(QStringLiteral("tag.txt"));
    const QString earlierFile = folderInTheWay ? target + QStringLiteral("/inside.txt") : target;
    const QByteArray earlier("VNR=Mz251026\r\n");
    if (folderInTheWay)
        QVERIFY(QDir().mkpath(target));
    QVERIFY(WriteBytes(earlierFile, earlier));
    const QStringList filesBefore =
        QDir(session.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    session.prompts.clear();
    session.prompts.savePaths.append(target);
    session.prompts.answers.append(1); // overwrite: Ja

    bool saved = true;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (!folderInTheWay) {
            limit = std::make_unique<FileSizeLimit>(earlier.size());
            QVERIFY(limit->active());
        }
        saved = session.form->SaveMealFile();
    }

    QVERIFY(!saved);
    if (folderInTheWay) {
        QCOMPARE(session.prompts.texts(QStringLiteral("ask")), QStringList());
        QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList());
        QCOMPARE(session.prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("„") + target +
                             QStringLiteral("“ ist keine normale Datei und wird nicht überschrieben.")});
    } else {
        QCOMPARE(session.prompts.texts(QStringLiteral("ask")), QStringList{Overwrite});
        const QStringList plain = session.prompts.texts(QStringLiteral("plain"));
        QCOMPARE(plain.size(), 1);
        QVERIFY2(plain.first().startsWith(WriteFailurePrefix(target)), qPrintable(plain.first()));
        QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
    }
    QCOMPARE(MainFormSession::bytes(earlierFile), earlier);
    QCOMPARE(QDir(session.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    QVERIFY(session.form->mealPlan().changed());
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QString());
}

void TestMainFormCommands::failedReportWrite()
{
    MainFormSession session(QStringLiteral("good"));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString target = session.path(QStringLiteral("fehlt/bericht.csv")); // no such folder
    session.prompts.clear();
    session.prompts.answers << AnswerRight; // CSV
    session.prompts.savePaths.append(target);

    session.click(QStringLiteral("TagBilanzSpeichernBtn"));

    const QStringList plain = session.prompts.texts(QStringLiteral("plain"));
    QCOMPARE(plain.size(), 1);
    QVERIFY2(plain.first().startsWith(WriteFailurePrefix(target)), qPrintable(plain.first()));
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(session.form->mealPlan().changed());
    QCOMPARE(session.names(1), QStringList{Milk});
}

QTEST_MAIN(TestMainFormCommands)
#include "tst_mainformcommands.moc"
