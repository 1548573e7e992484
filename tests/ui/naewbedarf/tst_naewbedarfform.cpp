#include "tnaewbedarfform.h"

#include "fooddata.h"
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
                QCOMPARE(ownEdit(first + k)->maxLength(), 6);
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

    void aLetterStopsTheSaveAtItsField()
    {
        showForm();
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

        // Row 8 and the first three fields of row 9 are already taken into the table.
        QCOMPARE(state().table[8][0], 111);
        QCOMPARE(state().table[8][12], 0);
        QCOMPARE(ownEdit(93)->text(), QStringLiteral("0"));
        QCOMPARE(state().table[9][0], 7);
        QCOMPARE(state().table[9][2], 9);
        QCOMPARE(state().table[9][3], FixtureValue(9, 3));
        QCOMPARE(state().table[9][4], FixtureValue(9, 4));
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
        ownEdit(81)->setText(QStringLiteral("a"));
        const ReferenceSet before = m_state.active;
        button("UebernehmenBtn")->click();
        QVERIFY(!m_form->result().takenOver);
        QCOMPARE(state().active.title, before.title);
        QCOMPARE(state().ageGroup, 3);
        QVERIFY(m_form->isVisible());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("takenOver");
        const QString ask = QStringLiteral("ask:") + QString::fromUtf8("Änderungen speichern?");
        const QString notSaved = QStringLiteral("notice:Die Änderungen wurden nicht gespeichert");
        QTest::newRow("nothing edited asks nothing") << false << 1 << QStringList() << false;
        QTest::newRow("Ja saves and takes over")
            << true << 1 << QStringList{ask, QStringLiteral("notice:Eigene Werte wurden gespeichert.")}
            << true;
        QTest::newRow("Nein") << true << 0 << QStringList{ask, notSaved} << false;
        QTest::newRow("question closed") << true << 99 << QStringList{ask, notSaved} << false;
    }

    void closeQuestion()
    {
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(QStringList, calls);
        QFETCH(bool, takenOver);
        showForm();
        radio(9)->click();
        if (edited)
            ownEdit(81)->setText(QStringLiteral("77"));
        m_prompts.answers = {answer};
        const QByteArray fileBefore = fileBytes(QStringLiteral("NwRefWerteAnw.dat"));

        button("CloseBtn")->click();

        QVERIFY(!m_form->isVisible());
        QStringList seen;
        for (const ScriptedPrompts::Call &call : m_prompts.calls)
            seen.append(call.kind + QLatin1Char(':') + call.text);
        QCOMPARE(seen, calls);
        if (edited && answer == AnswerLeft)
            QCOMPARE(m_prompts.calls.first().mode, int(ModeYesNo));
        QCOMPARE(m_form->result().takenOver, takenOver);
        QCOMPARE(state().table[8][0], takenOver ? 77 : FixtureValue(8, 0));
        QCOMPARE(state().ageGroup, takenOver ? 8 : 3);
        if (takenOver) {
            QCOMPARE(state().active.title, QStringLiteral("Tagesbedarf eigene Werte (m) "));
            QCOMPARE(state().active.values[0], 77.0);
        } else {
            QCOMPARE(fileBytes(QStringLiteral("NwRefWerteAnw.dat")), fileBefore);
            // Reopening, as the main window does with the state the window left, shows the table
            // again.
            m_state = state();
            m_form->prepareOpening(m_state);
            QCOMPARE(ownEdit(81)->text(), QString::number(FixtureValue(8, 0)));
        }
    }

    void closeWithJaAndALetterClosesWithoutTakingOver()
    {
        showForm();
        ownEdit(85)->setText(QStringLiteral("zz"));
        m_prompts.answers = {AnswerLeft};
        button("CloseBtn")->click();
        QVERIFY(!m_form->isVisible());
        // The take-over saves once more and stops at the same field.
        const QString refused = QStringLiteral(" Der markierte Wert ist nicht nummerisch !");
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")), (QStringList{refused, refused}));
        QCOMPARE(state().ageGroup, 3);
    }

    void aFailedOwnValuesWriteChangesNothing()
    {
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
    }
};

QTEST_MAIN(TestNaewBedarfForm)
#include "tst_naewbedarfform.moc"
