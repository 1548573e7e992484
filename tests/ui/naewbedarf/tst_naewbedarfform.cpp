#include "tnaewbedarfform.h"

#include "fooddata.h"
#include "formkit.h"
#include "scriptedprompts.h"
#include "settings.h"
#include "testfiles.h"
#include "wrapbutton.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// Fixture rows hold 1000 * (row + 1) + nutrient: row 5 is 6000..6012, row 8 is 9000..9012.
static int FixtureValue(int row, int nutrient)
{
    return 1000 * (row + 1) + nutrient;
}

class TestNaewBedarfForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RequirementState m_state;
    ScriptedPrompts m_prompts;
    std::unique_ptr<TNaewBedarfForm> m_form;

    // The requirement state as the window has it now.
    const RequirementState &state() const { return m_form->result().state; }

    QString dataPath(const QString &name) const { return m_dir->filePath(name); }

    QByteArray fileBytes(const QString &name) const { return ReadBytes(dataPath(name)); }

    QStringList fileLines(const QString &name) const
    {
        QStringList lines = QString::fromLatin1(fileBytes(name)).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        return lines;
    }

    QLineEdit *ownEdit(int number) const
    {
        return m_form->findChild<QLineEdit *>(QStringLiteral("NwRefEdit%1").arg(number));
    }

    QRadioButton *radio(int number) const
    {
        return m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(number));
    }

    QPushButton *button(const char *name) const
    {
        return m_form->findChild<QPushButton *>(QLatin1String(name));
    }

    QTableView *list() const
    {
        return m_form->findChild<QTableView *>(QStringLiteral("NwBedarfDgeListView"));
    }

    // Opens the window as the main window does, but without the modal loop.
    void showForm()
    {
        m_form->prepareOpening(m_state);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    // Replaces a data file by a folder of the same name, so that writing it must fail.
    void blockFile(const QString &name)
    {
        QFile::remove(dataPath(name));
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(CopyFolderFiles(QStringLiteral(KB_TEST_DIR "/fixtures"), m_dir->path()));
        m_state = LoadReferenceValues(m_dir->path(), LoadSettings(m_dir->path())).state;
        QCOMPARE(m_state.table[8][0], FixtureValue(8, 0));
        m_prompts = ScriptedPrompts();
        const Clock clock = [] { return QDateTime(QDate(2026, 3, 5), QTime(10, 0)); };
        m_form = std::make_unique<TNaewBedarfForm>(&m_prompts, m_dir->path(), clock,
                                                   QLocale(QLocale::German, QLocale::Germany));
    }

    void cleanup()
    {
        m_form.reset();
        m_dir.reset();
    }

    void layoutHasEveryControlAndNoClippedCaption()
    {
        QCOMPARE(m_form->size(), QSize(944, 433));
        QCOMPARE(m_form->windowTitle(), AppTitle());
        for (int number = 1; number <= 10; ++number)
            QVERIFY2(radio(number), qPrintable(QString::number(number)));
        QVERIFY(radio(4)->isChecked());
        for (int k = 0; k < NutrientCount; ++k) {
            for (const int first : {81, 101}) {
                QVERIFY(ownEdit(first + k));
                QCOMPARE(TypingLimitOf(ownEdit(first + k)), 6);
            }
            QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("NwBezLabel%1").arg(k))->text(),
                     NutrientCatalogue().at(k).shortName);
            QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("KopfLabel%1").arg(k))->text(),
                     NutrientCatalogue().at(k).unitLabel);
        }
        QCOMPARE(list()->model()->rowCount(), 8);
        QCOMPARE(list()->model()->columnCount(), 15);
        QCOMPARE(list()->model()->index(6, 0).data().toString(), QString::fromUtf8("65 und älter"));
        QCOMPARE(list()->model()->index(7, 0).data().toString(), QString());
        QCOMPARE(list()->model()->index(7, 1).data().toString(), QStringLiteral("w"));

        showForm();
        const QList<QLabel *> labels = m_form->findChildren<QLabel *>();
        for (const QLabel *label : labels) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName()));
        }
        const QList<WrapButton *> buttons = m_form->findChildren<WrapButton *>();
        QCOMPARE(buttons.size(), 3);
        for (const WrapButton *wrapButton : buttons) {
            const QRect area = wrapButton->captionRect();
            const QRect needed = wrapButton->fontMetrics().boundingRect(area, WrapButton::CaptionFlags,
                                                                        wrapButton->shownCaption());
            QVERIFY2(area.contains(needed), qPrintable(wrapButton->objectName()));
        }
    }

    void openingSelectsTheRowInForceAndPlacesTheWindow_data()
    {
        QTest::addColumn<int>("ageGroup");
        QTest::addColumn<int>("expectedRadio");
        QTest::newRow("own values m") << 8 << 9;
        QTest::newRow("default row") << 3 << 4;
        QTest::newRow("first row") << 0 << 1;
        QTest::newRow("outside 0 to 9 keeps the last choice") << 12 << 7;
    }

    void openingSelectsTheRowInForceAndPlacesTheWindow()
    {
        QFETCH(int, ageGroup);
        QFETCH(int, expectedRadio);
        radio(7)->setChecked(true);
        m_state.ageGroup = ageGroup;
        ownEdit(81)->setText(QStringLiteral("1"));
        QPoint shownAt;
        QTimer::singleShot(0, m_form.get(), [&] {
            shownAt = m_form->pos();
            m_form->close();
        });
        m_form->chooseRequirement(m_state, QPoint(100, 50));
        QCOMPARE(shownAt, QPoint(248, 78));
        QVERIFY(radio(expectedRadio)->isChecked());
        // The fill replaced the edit and is not itself a change, so closing asked nothing.
        QCOMPARE(ownEdit(81)->text(), QString::number(FixtureValue(8, 0)));
        QVERIFY(m_prompts.calls.isEmpty());
    }

    void clicksSelectTheMatchingRadioButton()
    {
        showForm();
        QTableView *view = list();
        const auto clickItem = [view](int row) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(view->model()->index(row, 3)).center());
        };
        clickItem(5);
        QVERIFY(radio(6)->isChecked());
        clickItem(0);
        QVERIFY(radio(1)->isChecked());
        clickItem(7);
        QVERIFY(radio(8)->isChecked());

        // Right of the last column there is no item: the selection goes and row 3 is chosen.
        const QPoint beside(view->viewport()->width() - 2,
                            view->visualRect(view->model()->index(1, 0)).center().y());
        QVERIFY(!view->indexAt(beside).isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, beside);
        QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(radio(4)->isChecked());

        QTest::mouseClick(m_form->findChild<QLabel *>(QStringLiteral("Label20")), Qt::LeftButton);
        QVERIFY(radio(9)->isChecked());
        QTest::mouseClick(m_form->findChild<QLabel *>(QStringLiteral("Label2")), Qt::LeftButton);
        QVERIFY(radio(10)->isChecked());
    }

    void takeOverPutsTheRowInForceAndStoresIt_data()
    {
        QTest::addColumn<int>("radioNumber");
        QTest::addColumn<QString>("title");
        QTest::newRow("DGE row 5") << 6 << QStringLiteral("Tagesbedarf '51 bis unter 65' (w) ");
        QTest::newRow("own row 8, one blank") << 9 << QStringLiteral("Tagesbedarf eigene Werte (m) ");
    }

    void takeOverPutsTheRowInForceAndStoresIt()
    {
        QFETCH(int, radioNumber);
        QFETCH(QString, title);
        const int row = radioNumber - 1;
        showForm();
        radio(radioNumber)->click();
        button("UebernehmenBtn")->click();

        QVERIFY(m_form->result().takenOver);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(state().active.title, title);
        for (int k = 0; k < NutrientCount; ++k)
            QCOMPARE(state().active.values[k], double(FixtureValue(row, k)));
        QCOMPARE(state().ageGroup, row);
        const QStringList expected = {QStringLiteral("fenster=links"), QStringLiteral("agroup=%1").arg(row),
                                      QStringLiteral("farbe=gruen")};
        QCOMPARE(fileLines(QStringLiteral("NwConfig.dat")), expected);
        QCOMPARE(state().settings.lines, expected);
        QVERIFY(m_prompts.calls.isEmpty());
    }

    void savingWritesTheTypedTexts_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<double>("inTable");
        QTest::newRow("empty field") << 85 << QString() << QStringLiteral("0") << 0.0;
        // Own values keep their decimals in the table, so the percentages use them.
        QTest::newRow("comma decimal") << 82 << QStringLiteral("1,5") << QStringLiteral("1,5") << 1.5;
        QTest::newRow("point decimal") << 91 << QStringLiteral("2.4") << QStringLiteral("2.4") << 2.4;
        QTest::newRow("lone minus") << 103 << QStringLiteral("-") << QStringLiteral("-") << 0.0;
        QTest::newRow("negative") << 113 << QStringLiteral("-12") << QStringLiteral("-12") << -12.0;
    }

    void savingWritesTheTypedTexts()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(double, inTable);
        showForm();
        ownEdit(field)->setText(typed);
        QVERIFY(m_form->ownValuesChanged());
        button("SpeichernBtn")->click();

        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Eigene Werte wurden gespeichert.")});
        QVERIFY(!m_form->ownValuesChanged());
        QCOMPARE(ownEdit(field)->text(), written);
        const int ownRow = field < 100 ? 8 : 9;
        const int k = field - (field < 100 ? 81 : 101);
        QCOMPARE(state().table[ownRow][k], inTable);

        const QStringList lines = fileLines(QStringLiteral("NwRefWerteAnw.dat"));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QStringLiteral("Eigene Referenzwerte;;Stand;05.03.26;"));
        const QStringList fields = lines.at(ownRow == 8 ? 2 : 3).split(QLatin1Char(';'));
        QCOMPARE(fields.size(), NutrientCount + 1);
        for (int column = 0; column < NutrientCount; ++column)
            QCOMPARE(fields.at(column),
                     column == k ? written : QString::number(FixtureValue(ownRow, column)));
        // The window stays open after saving.
        QVERIFY(m_form->isVisible());
        QCOMPARE(state().active.title, QStringLiteral("Tagesbedarf '25 bis unter 51' (w) "));
    }

    void aLetterStopsTheSaveAndChangesNothing()
    {
        showForm();
        const ReferenceTable tableBefore = m_state.table;
        ownEdit(81)->setText(QStringLiteral("111"));
        ownEdit(93)->clear();
        ownEdit(101)->setText(QStringLiteral("7"));
        ownEdit(102)->setText(QStringLiteral("8"));
        ownEdit(103)->setText(QStringLiteral("9"));
        ownEdit(104)->setText(QStringLiteral("x"));
        ownEdit(105)->setText(QStringLiteral("55"));
        const QByteArray before = fileBytes(QStringLiteral("NwRefWerteAnw.dat"));

        QVERIFY(!m_form->SaveOwnValues());
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral(" Der markierte Wert ist nicht nummerisch !")});
        QCOMPARE(m_form->focusWidget(), ownEdit(104));
        QCOMPARE(ownEdit(104)->selectedText(), QStringLiteral("x"));
        QCOMPARE(fileBytes(QStringLiteral("NwRefWerteAnw.dat")), before);
        QVERIFY(m_form->ownValuesChanged());

        // The fields before the refused one are not taken in either: rows 8 and 9 stay as the
        // file has them, and the fields as the user left them.
        QVERIFY(state().table == tableBefore);
        QCOMPARE(ownEdit(81)->text(), QStringLiteral("111"));
        QCOMPARE(ownEdit(93)->text(), QString());
    }

    void takeOverAfterAnEditSavesFirst()
    {
        showForm();
        ownEdit(90)->setText(QStringLiteral("42"));
        radio(2)->click();
        button("UebernehmenBtn")->click();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Eigene Werte wurden gespeichert.")});
        QVERIFY(m_form->result().takenOver);
        QCOMPARE(state().ageGroup, 1);
        QCOMPARE(state().active.title, QStringLiteral("Tagesbedarf '19 bis unter 25' (w) "));
        QCOMPARE(state().table[8][9], 42);
        QVERIFY(fileLines(QStringLiteral("NwRefWerteAnw.dat")).at(2).contains(QStringLiteral(";42;")));
        QVERIFY(!m_form->isVisible());
    }

    void takeOverStopsWhenTheSaveIsRefused()
    {
        showForm();
        ownEdit(81)->setText(QStringLiteral("5"));
        ownEdit(90)->setText(QStringLiteral("a"));
        const ReferenceSet before = m_state.active;
        button("UebernehmenBtn")->click();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral(" Der markierte Wert ist nicht nummerisch !")});
        QVERIFY(!m_form->result().takenOver);
        QVERIFY(state().table == m_state.table);
        QCOMPARE(state().active.title, before.title);
        QCOMPARE(state().ageGroup, 3);
        QVERIFY(m_form->isVisible());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("takenOver");
        const QString ask = QStringLiteral("ask:") + QString::fromUtf8("Änderungen speichern?");
        const QString notSaved = QStringLiteral("notice:Die Änderungen wurden nicht gespeichert");
        QTest::newRow("nothing edited asks nothing") << false << 1 << QStringList() << true << false;
        QTest::newRow("Ja saves and takes over")
            << true << 1 << QStringList{ask, QStringLiteral("notice:Eigene Werte wurden gespeichert.")}
            << true << true;
        QTest::newRow("Nein") << true << 0 << QStringList{ask, notSaved} << true << false;
        QTest::newRow("Abbrechen keeps the window as it was")
            << true << 2 << QStringList{ask} << false << false;
        QTest::newRow("question closed is Abbrechen") << true << 99 << QStringList{ask} << false << false;
    }

    void closeQuestion()
    {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(QStringList, calls);
        QFETCH(bool, closes);
        QFETCH(bool, takenOver);
        showForm();
        radio(9)->click();
        if (edited)
            ownEdit(81)->setText(QStringLiteral("77"));
        m_prompts.answers = {answer};
        const QByteArray fileBefore = fileBytes(QStringLiteral("NwRefWerteAnw.dat"));

        button("CloseBtn")->click();

        QCOMPARE(m_form->isVisible(), !closes);
        QStringList seen;
        for (const ScriptedPrompts::Call &call : m_prompts.calls)
            seen.append(call.kind + QLatin1Char(':') + call.text);
        QCOMPARE(seen, calls);
        if (edited)
            QCOMPARE(m_prompts.calls.first().mode, int(ModeYesNoCancel));
        QCOMPARE(m_form->result().takenOver, takenOver);
        QCOMPARE(state().table[8][0], takenOver ? 77 : FixtureValue(8, 0));
        QCOMPARE(state().ageGroup, takenOver ? 8 : 3);
        if (takenOver) {
            QCOMPARE(state().active.title, QStringLiteral("Tagesbedarf eigene Werte (m) "));
            QCOMPARE(state().active.values[0], 77.0);
            return;
        }
        QCOMPARE(fileBytes(QStringLiteral("NwRefWerteAnw.dat")), fileBefore);
        if (!closes) {
            // The user goes on where they were: the typed value, the chosen row and the unsaved
            // state stand, and the next close asks again.
            QCOMPARE(ownEdit(81)->text(), QStringLiteral("77"));
            QVERIFY(radio(9)->isChecked());
            QVERIFY(m_form->ownValuesChanged());
            m_prompts.answers = {AnswerRight};
            m_form->close();
            QVERIFY(!m_form->isVisible());
            QCOMPARE(m_prompts.texts(QStringLiteral("ask")).size(), 2);
        }
        // Reopening, as the main window does with the state the window left, shows the table
        // again.
        m_state = state();
        m_form->prepareOpening(m_state);
        QCOMPARE(ownEdit(81)->text(), QString::number(FixtureValue(8, 0)));
    }

    void closeWithJaAndALetterKeepsTheWindowOpen()
    {
        showForm();
        ownEdit(81)->setText(QStringLiteral("5"));
        ownEdit(85)->setText(QStringLiteral("zz"));
        const QByteArray fileBefore = fileBytes(QStringLiteral("NwRefWerteAnw.dat"));
        m_prompts.answers = {AnswerLeft};
        button("CloseBtn")->click();
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral(" Der markierte Wert ist nicht nummerisch !")});
        QCOMPARE(m_form->focusWidget(), ownEdit(85));
        QVERIFY(!m_form->result().takenOver);
        QCOMPARE(state().ageGroup, 3);
        QVERIFY(state().table == m_state.table);
        QCOMPARE(fileBytes(QStringLiteral("NwRefWerteAnw.dat")), fileBefore);
        QCOMPARE(ownEdit(81)->text(), QStringLiteral("5"));
    }

    void aLongerValueIsShownAndSavedWhole()
    {
        // Written by hand: longer than the fields let the user type.
        const QStringList lines = {
            QStringLiteral("Eigene Referenzwerte;;Stand;01.01.26;"), QStringLiteral("Energie;"),
            QStringLiteral("1234567;9001;9002;9003;9004;9005;9006;9007;9008;9009;9010;9011;9012;"),
            QStringLiteral("10000;10001;10002;10003;10004;10005;10006;10007;10008;10009;10010;10011;10012;")};
        QVERIFY(WriteBytes(dataPath(QStringLiteral("NwRefWerteAnw.dat")), CrLfLines(lines)));
        m_state = LoadReferenceValues(m_dir->path(), LoadSettings(m_dir->path())).state;
        QCOMPARE(m_state.table[8][0], 1234567);
        showForm();
        QCOMPARE(ownEdit(81)->text(), QStringLiteral("1234567"));

        ownEdit(82)->setText(QStringLiteral("5"));
        radio(9)->click();
        button("UebernehmenBtn")->click();
        QVERIFY(m_form->result().takenOver);
        QCOMPARE(state().table[8][0], 1234567);
        QCOMPARE(state().active.values[0], 1234567.0);
        QVERIFY(
            fileLines(QStringLiteral("NwRefWerteAnw.dat")).at(2).startsWith(QStringLiteral("1234567;5;")));
    }

    void aFailedOwnValuesWriteChangesNothing_data()
    {
        QTest::addColumn<bool>("protectedAtStart");
        QTest::newRow("the write fails") << false;
        QTest::newRow("the file was not taken in at start") << true;
    }

    void aFailedOwnValuesWriteChangesNothing()
    {
        QFETCH(bool, protectedAtStart);
        const QByteArray fileBefore = fileBytes(QStringLiteral("NwRefWerteAnw.dat"));
        if (protectedAtStart)
            m_state.ownValuesProtection = ProtectUnreadableFile(QStringLiteral("NwRefWerteAnw.dat"),
                                                                QStringLiteral("Keine Berechtigung"));
        else
            blockFile(QStringLiteral("NwRefWerteAnw.dat"));
        showForm();
        const ReferenceTable tableBefore = m_state.table;
        ownEdit(81)->setText(QStringLiteral("5"));
        ownEdit(82)->clear();

        QVERIFY(!m_form->SaveOwnValues());
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")), QStringList());
        const QStringList plain = m_prompts.texts(QStringLiteral("plain"));
        QCOMPARE(plain.size(), 1);
        QVERIFY(!plain.first().isEmpty());
        QVERIFY(state().table == tableBefore);
        QVERIFY(m_form->ownValuesChanged());

        // Neither a take-over nor the close question's "Ja" gets past the failed write; the
        // window stays open with the user's values.
        button("UebernehmenBtn")->click();
        m_prompts.answers = {AnswerLeft};
        button("CloseBtn")->click();
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_form->result().takenOver);
        QCOMPARE(state().ageGroup, 3);
        QCOMPARE(ownEdit(81)->text(), QStringLiteral("5"));
        QCOMPARE(m_prompts.texts(QStringLiteral("plain")).size(), 3);

        if (protectedAtStart) {
            QVERIFY2(plain.first().startsWith(QStringLiteral("Die Datei „NwRefWerteAnw.dat“")),
                     qPrintable(plain.first()));
            QCOMPARE(fileBytes(QStringLiteral("NwRefWerteAnw.dat")), fileBefore);
        }

        // "Nein" still closes.
        m_prompts.answers = {AnswerRight};
        button("CloseBtn")->click();
        QVERIFY(!m_form->isVisible());
    }

    void aFailedSettingsWriteTakesNothingOver()
    {
        blockFile(QStringLiteral("NwConfig.dat"));
        showForm();
        const ReferenceSet before = m_state.active;
        const QStringList settingsBefore = m_state.settings.lines;
        radio(1)->click();
        button("UebernehmenBtn")->click();
        QVERIFY(!m_form->result().takenOver);
        QCOMPARE(m_prompts.texts(QStringLiteral("plain")).size(), 1);
        QCOMPARE(state().active.title, before.title);
        QCOMPARE(state().ageGroup, 3);
        QCOMPARE(state().settings.lines, settingsBefore);
        QVERIFY(m_form->isVisible());

        // "Ja" on the close question saves the own values, but the take-over fails the same
        // way: the window stays open.
        ownEdit(81)->setText(QStringLiteral("77"));
        m_prompts.answers = {AnswerLeft};
        button("CloseBtn")->click();
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Eigene Werte wurden gespeichert.")});
        QCOMPARE(m_prompts.texts(QStringLiteral("plain")).size(), 2);
        QVERIFY(!m_form->result().takenOver);
        QCOMPARE(state().ageGroup, 3);
        QCOMPARE(state().table[8][0], 77);
    }
};

QTEST_MAIN(TestNaewBedarfForm)
#include "tst_naewbedarfform.moc"
