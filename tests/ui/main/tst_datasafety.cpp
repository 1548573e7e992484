// Every file the program writes, written when the disk is full: the earlier file stays as it
// was, the user is told which file failed and why, and nothing in memory claims otherwise.
// And a data file that start-up could not take in is never written over.

#include "mainformsession.h"

#include "filesizelimit.h"
#include "testfiles.h"
#include "tlebmittplusform.h"
#include "tnaewbedarfform.h"
#include "trezeptform.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include <cerrno>
#include <functional>

namespace {

// Small enough that even the shortest new content (a settings file) cannot be written whole.
constexpr rlim_t FullDiskLimit = 8;

const QByteArray EarlierOwnValues("Eigene Referenzwerte;;Stand;01.01.26;\r\n"
                                  "Energie;KoHydr;Zucker;Fett;Fet.ges\xE4;Protein;Salz;Eisen;Magn.;Calcium;"
                                  "Vit.B12;Vit.D;Wasser;\r\n"
                                  "2500;300;50;80;20;60;6;10;350;1000;4;20;2500;\r\n"
                                  "2000;250;40;60;15;50;5;15;300;1000;4;20;2000;\r\n");
const QByteArray EarlierSettings("fenster=links\r\nagroup=3\r\nfarbe=gruen\r\n");
const QByteArray EarlierMealFile("VNR=Mz251026\r\nMahlzeit1=1;1002;200,0;\r\n");
const QByteArray EarlierReport("\xEF\xBB\xBF"
                               "Bericht von gestern\r\n");

enum class Writer
{
    OwnFoods,
    Recipe,
    OwnValues,
    Settings,
    MealFile,
    TextReport,
    CsvReport,
};

// Lets inside act on the window of type Window while the main window shows it modally through
// open, then closes it. Whatever modal window is up is hidden in the end, so neither a failed
// check nor an unexpected window can leave the test waiting. False when Window never came up.
template <typename Window>
bool WhileShown(const std::function<void()> &open, const std::function<void(Window *)> &inside)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        if (auto *window = qobject_cast<Window *>(QApplication::activeModalWidget())) {
            inside(window);
            ran = true;
            window->close();
        }
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->hide();
    });
    open();
    return ran;
}

// Runs action and hides a modal window it brings up at once; true when one came up. The check
// dies with this call when no window comes, so it cannot act on a later one.
bool BringsUpWindow(const std::function<void()> &action)
{
    QObject scope;
    bool shown = false;
    QTimer::singleShot(0, &scope, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = true;
            modal->hide();
        }
    });
    action();
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

namespace {

// The data files the program writes, found at start in a state it cannot take in.
enum class Found
{
    OwnFoodsNotTheFile,
    OwnFoodsUnreadable,
    OwnValuesUnreadable,
    SettingsUnreadable,
};

// What a file or the folder standing in its place holds, to compare before and after.
QByteArray Snapshot(const QString &path)
{
    if (QFileInfo(path).isDir())
        return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u'/').toUtf8() + "/";
    return ReadBytes(path);
}

} // namespace

Q_DECLARE_METATYPE(Found)

class TestDataSafety : public QObject
{
    Q_OBJECT

private slots:
    void failedWriteKeepsEarlierFile_data();
    void failedWriteKeepsEarlierFile();

    void fileNotTakenInIsKept_data();
    void fileNotTakenInIsKept();

private:
    void failOwnFoods(MainFormSession &session);
    void failRecipe(MainFormSession &session);
    void failOwnValues(MainFormSession &session);
    void failSettings(MainFormSession &session);
    void failMealFile(MainFormSession &session, const QString &path);
    void failReport(MainFormSession &session, const QString &path, bool asText);
};

void TestDataSafety::failedWriteKeepsEarlierFile_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("own foods, Speichern") << Writer::OwnFoods << QStringLiteral("NwAnDb.dat");
    QTest::newRow("own foods, Als Rezept speichern") << Writer::Recipe << QStringLiteral("NwAnDb.dat");
    QTest::newRow("own reference values, Eigene Werte speichern")
        << Writer::OwnValues << QStringLiteral("NwRefWerteAnw.dat");
    QTest::newRow("settings, take-over of a row") << Writer::Settings << QStringLiteral("NwConfig.dat");
    QTest::newRow("meal file over an earlier one") << Writer::MealFile << QStringLiteral("Montag.txt");
    QTest::newRow("text report over an earlier one") << Writer::TextReport << QStringLiteral("bericht.txt");
    QTest::newRow("CSV report over an earlier one") << Writer::CsvReport << QStringLiteral("bericht.csv");
}

void TestDataSafety::failedWriteKeepsEarlierFile()
{
    QFETCH(Writer, writer);
    QFETCH(QString, fileName);

    MainFormSession session(QStringLiteral("good"), {{QStringLiteral("NwRefWerteAnw.dat"), EarlierOwnValues},
                                                     {QStringLiteral("NwConfig.dat"), EarlierSettings},
                                                     {QStringLiteral("Montag.txt"), EarlierMealFile},
                                                     {QStringLiteral("bericht.txt"), EarlierReport},
                                                     {QStringLiteral("bericht.csv"), EarlierReport}});
    QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList());
    {
        // The limit must be lowerable here at all, or no row shows anything.
        const FileSizeLimit probe(FullDiskLimit);
        if (!probe.active())
            QSKIP("the file size limit cannot be lowered here");
    }
    const QString path = session.path(fileName);
    const QByteArray earlier = ReadBytes(path);
    QVERIFY(!earlier.isEmpty());
    const QStringList filesBefore =
        QDir(session.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    session.prompts.clear();

    switch (writer) {
    case Writer::OwnFoods:
        failOwnFoods(session);
        break;
    case Writer::Recipe:
        failRecipe(session);
        break;
    case Writer::OwnValues:
        failOwnValues(session);
        break;
    case Writer::Settings:
        failSettings(session);
        break;
    case Writer::MealFile:
        failMealFile(session, path);
        break;
    case Writer::TextReport:
    case Writer::CsvReport:
        failReport(session, path, writer == Writer::TextReport);
        break;
    }
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(ReadBytes(path), earlier);
    // No temporary file is left beside it.
    QCOMPARE(QDir(session.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    const QStringList plain = session.prompts.texts(QStringLiteral("plain"));
    QCOMPARE(plain.size(), 1);
    const QString prefix = QStringLiteral("Die Datei \"") + QDir::toNativeSeparators(path) +
                           QStringLiteral("\" konnte nicht geschrieben werden:\n");
    QVERIFY2(plain.first().startsWith(prefix), qPrintable(plain.first()));
    // The system's reason in German, not a placeholder such as "Unknown error".
    QCOMPARE(plain.first().mid(prefix.size()), QStringLiteral("Die Datei ist zu groß"));
}

void TestDataSafety::failOwnFoods(MainFormSession &session)
{
    const QString ownCount = session.text(QStringLiteral("Label2"));
    const int indexSize = session.form->foodStore().index().count();
    const bool ran = WhileShown<TLebmittPlusForm>(
        [&] { session.form->OpenAdditionalFoods(); },
        [&](TLebmittPlusForm *window) {
            window->findChild<QLineEdit *>(QStringLiteral("InpLebeEdit"))
                ->setText(QStringLiteral("Haferbrei"));
            window->findChild<QLineEdit *>(QStringLiteral("InpBMengEdit"))->setText(QStringLiteral("100"));
            window->LebMitEinfgBtnClick();
            const QList<AdditionalFoodRow> rows = window->rows();
            QCOMPARE(rows.size(), 3);
            QSignalSpy saved(window, &TLebmittPlusForm::foodsSaved);
            {
                const FileSizeLimit limit(FullDiskLimit);
                window->SpeichernBtnClick();
            }
            QCOMPARE(saved.count(), 0);
            QCOMPARE(window->rows().size(), rows.size());
            QCOMPARE(window->rows().last().id, rows.last().id);
            QVERIFY(window->additionalFoodsChanged());
            QCOMPARE(session.form->foodStore().index().count(), indexSize);
            QCOMPARE(session.form->foodStore().index().findById(rows.last().id), -1);
            QCOMPARE(session.text(QStringLiteral("Label2")), ownCount);
            session.prompts.answers.append(AnswerRight); // "Änderungen speichern?": Nein
        });
    QVERIFY(ran);
    // The close question shows the rows still counted as unsaved.
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")),
             QStringList{QStringLiteral("Änderungen speichern?")});
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
}

void TestDataSafety::failRecipe(MainFormSession &session)
{
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    session.prompts.clear();
    const QString ownCount = session.text(QStringLiteral("Label2"));
    const int indexSize = session.form->foodStore().index().count();
    bool ran = false;
    {
        // The save meets the full disk; the dialog stays open with the name typed, so the user
        // can try again once there is room, or cancel.
        const FileSizeLimit limit(FullDiskLimit);
        ran = WhileShown<TRezeptForm>([&] { session.form->SaveMealAsRecipe(1); },
                                      [&](TRezeptForm *window) {
                                          auto *name =
                                              window->findChild<QLineEdit *>(QStringLiteral("NameEdit"));
                                          name->setText(QStringLiteral("Milchbrei"));
                                          window->SpeichernBtnClick();
                                          QVERIFY(window->isVisible());
                                          QVERIFY(!window->choice().accepted);
                                          QCOMPARE(name->text(), QStringLiteral("Milchbrei"));
                                      });
    }
    QVERIFY(ran);
    QCOMPARE(session.form->foodStore().index().count(), indexSize);
    QCOMPARE(session.text(QStringLiteral("Label2")), ownCount);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
}

void TestDataSafety::failOwnValues(MainFormSession &session)
{
    const ReferenceRow male = session.form->requirementState().table[8];
    const ReferenceRow female = session.form->requirementState().table[9];
    QCOMPARE(male[0], 2500);
    const bool ran = WhileShown<TNaewBedarfForm>(
        [&] { session.form->OpenRequirementsWindow(); },
        [&](TNaewBedarfForm *window) {
            window->findChild<QLineEdit *>(QStringLiteral("NwRefEdit81"))->setText(QStringLiteral("2700"));
            window->findChild<QLineEdit *>(QStringLiteral("NwRefEdit101"))->setText(QStringLiteral("2100"));
            QVERIFY(window->ownValuesChanged());
            {
                const FileSizeLimit limit(FullDiskLimit);
                window->SpeichernBtnClick();
            }
            QCOMPARE(session.form->requirementState().table[8], male);
            QCOMPARE(session.form->requirementState().table[9], female);
            QVERIFY(window->ownValuesChanged());
            QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
            session.prompts.answers.append(AnswerRight); // "Änderungen speichern?": Nein
        });
    QVERIFY(ran);
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")),
             QStringList{QStringLiteral("Änderungen speichern?")});
}

void TestDataSafety::failSettings(MainFormSession &session)
{
    const RequirementState before = session.form->requirementState();
    QCOMPARE(before.ageGroup, 3);
    const QString shownTitle = session.text(QStringLiteral("KohorteLabel"));
    const QString shownEnergy = session.text(QStringLiteral("TaBedLabel0"));
    const bool ran = WhileShown<TNaewBedarfForm>(
        [&] { session.form->OpenRequirementsWindow(); },
        [&](TNaewBedarfForm *window) {
            window->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->setChecked(true);
            {
                const FileSizeLimit limit(FullDiskLimit);
                window->UebernehmenBtnClick();
            }
            QVERIFY(!window->result().takenOver);
            QVERIFY(window->isVisible());
            const RequirementState &after = session.form->requirementState();
            QCOMPARE(after.ageGroup, before.ageGroup);
            QCOMPARE(after.active.title, before.active.title);
            QCOMPARE(after.active.values, before.active.values);
            QCOMPARE(after.settings.lines, before.settings.lines);
        });
    QVERIFY(ran);
    QCOMPARE(session.text(QStringLiteral("KohorteLabel")), shownTitle);
    QCOMPARE(session.text(QStringLiteral("TaBedLabel0")), shownEnergy);
    QCOMPARE(session.prompts.texts(QStringLiteral("ask")), QStringList());
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
}

void TestDataSafety::failMealFile(MainFormSession &session, const QString &path)
{
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    const QString shownName = session.text(QStringLiteral("DateiNameLabel"));
    session.prompts.clear();
    session.prompts.savePaths.append(path);
    session.prompts.answers.append(AnswerLeft); // overwrite: Ja

    bool saved = true;
    {
        const FileSizeLimit limit(FullDiskLimit);
        saved = session.form->SaveMealFile();
    }
    QVERIFY(!saved);
    QVERIFY(session.form->mealPlan().changed());
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), shownName);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
}

void TestDataSafety::failReport(MainFormSession &session, const QString &path, bool asText)
{
    session.enter(QStringLiteral("1002"), QStringLiteral("250"));
    session.prompts.clear();
    session.prompts.answers.append(asText ? AnswerLeft : AnswerRight); // "Text" or "CSV"
    session.prompts.answers.append(AnswerLeft);                        // overwrite: Ja
    session.prompts.savePaths.append(path);
    {
        const FileSizeLimit limit(FullDiskLimit);
        session.form->SaveDayBalance();
    }
    QCOMPARE(session.prompts.texts(QStringLiteral("save")).size(), 1);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
}

void TestDataSafety::fileNotTakenInIsKept_data()
{
    QTest::addColumn<Found>("found");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("startMessage");
    QTest::addColumn<QString>("refusal"); // for a save; a take-over's notice for the settings

    const QString folder = QStringLiteral("Das ist ein Ordner, keine Datei");
    const auto unreadable = [&](const QString &name) {
        return QStringLiteral("Die Datei „%1“ konnte nicht gelesen werden:\n%2\n"
                              "Sie wird bis zum Programmende nicht überschrieben.")
            .arg(name, folder);
    };
    const QString notRead = QStringLiteral("Die Datei „%1“ konnte beim Start nicht gelesen werden und wird "
                                           "nicht überschrieben.");
    QTest::newRow("own foods: not the own-foods file")
        << Found::OwnFoodsNotTheFile << QStringLiteral("NwAnDb.dat")
        << QStringLiteral("Die Datei enthält nicht die eigene Nährwertdatenbank")
        << QStringLiteral("Die Datei „NwAnDb.dat“ enthält nicht die eigene Nährwertdatenbank und wird nicht "
                          "überschrieben.");
    QTest::newRow("own foods: unreadable")
        << Found::OwnFoodsUnreadable << QStringLiteral("NwAnDb.dat")
        << unreadable(QStringLiteral("NwAnDb.dat")) << notRead.arg(QStringLiteral("NwAnDb.dat"));
    QTest::newRow("own values: unreadable")
        << Found::OwnValuesUnreadable << QStringLiteral("NwRefWerteAnw.dat")
        << unreadable(QStringLiteral("NwRefWerteAnw.dat"))
        << notRead.arg(QStringLiteral("NwRefWerteAnw.dat"));
    QTest::newRow("settings: unreadable, the row is taken over for this run")
        << Found::SettingsUnreadable << QStringLiteral("NwConfig.dat")
        << unreadable(QStringLiteral("NwConfig.dat"))
        << QStringLiteral("Die Datei „NwConfig.dat“ konnte beim Start nicht gelesen werden und wird nicht "
                          "überschrieben; die Auswahl gilt nur bis zum Programmende.");
}

void TestDataSafety::fileNotTakenInIsKept()
{
    QFETCH(Found, found);
    QFETCH(QString, fileName);
    QFETCH(QString, startMessage);
    QFETCH(QString, refusal);

    // The user's own foods under a title mistyped in an editor.
    const QByteArray mistyped("Zusaetzliche Lebensmittel;;Stand;01.01.25;\r\n"
                              "30512;Haferbrei;100;68;12;0,5;1,4;0,3;2,4;0,1;k.A.;k.A.;20;0;0;84;\r\n");
    QList<QPair<QString, QByteArray>> files{{QStringLiteral("NwRefWerteAnw.dat"), EarlierOwnValues},
                                            {QStringLiteral("NwConfig.dat"), EarlierSettings}};
    QStringList unreadable;
    if (found == Found::OwnFoodsNotTheFile)
        files.append({fileName, mistyped});
    else
        unreadable.append(fileName);
    MainFormSession session(QStringLiteral("good"), files, unreadable);
    // Said once, at start.
    QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList{startMessage});
    const QString path = session.path(fileName);
    const QByteArray before = Snapshot(path);
    session.prompts.clear();

    switch (found) {
    case Found::OwnFoodsNotTheFile:
    case Found::OwnFoodsUnreadable: {
        const bool ran = WhileShown<TLebmittPlusForm>(
            [&] { session.form->OpenAdditionalFoods(); },
            [&](TLebmittPlusForm *window) {
                window->findChild<QLineEdit *>(QStringLiteral("InpLebeEdit"))
                    ->setText(QStringLiteral("Grießbrei"));
                window->findChild<QLineEdit *>(QStringLiteral("InpBMengEdit"))
                    ->setText(QStringLiteral("100"));
                window->LebMitEinfgBtnClick();
                QSignalSpy saved(window, &TLebmittPlusForm::foodsSaved);
                window->SpeichernBtnClick();
                QCOMPARE(saved.count(), 0);
                QVERIFY(window->additionalFoodsChanged());
                QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList{refusal});
                session.prompts.answers.append(AnswerRight); // "Änderungen speichern?": Nein
            });
        QVERIFY(ran);
        QCOMPARE(session.text(QStringLiteral("Label2")), QStringLiteral("  0"));

        // Nor as a recipe: refused before the recipe dialog asks for anything.
        session.enter(QStringLiteral("1002"), QStringLiteral("250"));
        session.prompts.clear();
        QVERIFY(!BringsUpWindow([&] { session.form->SaveMealAsRecipe(1); }));
        QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList{refusal});
        QCOMPARE(session.prompts.calls.size(), 1);
        break;
    }
    case Found::OwnValuesUnreadable: {
        const ReferenceRow male = session.form->requirementState().table[8];
        const bool ran = WhileShown<TNaewBedarfForm>(
            [&] { session.form->OpenRequirementsWindow(); },
            [&](TNaewBedarfForm *window) {
                window->findChild<QLineEdit *>(QStringLiteral("NwRefEdit81"))
                    ->setText(QStringLiteral("2700"));
                window->SpeichernBtnClick();
                QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList{refusal});
                QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());
                QVERIFY(window->result().state.table[8] == male);
                session.prompts.answers.append(AnswerRight); // "Änderungen speichern?": Nein
            });
        QVERIFY(ran);
        break;
    }
    case Found::SettingsUnreadable: {
        const bool ran = WhileShown<TNaewBedarfForm>(
            [&] { session.form->OpenRequirementsWindow(); },
            [&](TNaewBedarfForm *window) {
                window->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->setChecked(true);
                window->UebernehmenBtnClick();
                QVERIFY(window->result().takenOver);
                QVERIFY(!window->isVisible());
            });
        QVERIFY(ran);
        QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList{refusal});
        QCOMPARE(session.prompts.texts(QStringLiteral("plain")), QStringList());
        QCOMPARE(session.form->requirementState().ageGroup, 1);
        QCOMPARE(session.text(QStringLiteral("KohorteLabel")),
                 QStringLiteral("Tagesbedarf '19 bis unter 25' (w) "));
        break;
    }
    }
    QCOMPARE(Snapshot(path), before);
}

QTEST_MAIN(TestDataSafety)
#include "tst_datasafety.moc"
