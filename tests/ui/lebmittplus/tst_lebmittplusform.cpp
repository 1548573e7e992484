#include "tlebmittplusform.h"

#include "foodlistcolumns.h"
#include "foodstore.h"
#include "formkit.h"
#include "scriptedprompts.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The fixture holds Apfelmus (30100, energy 52), Brot (30200, 250), Zitrone (30300, 9,5, per
// piece) and Öl unbekannt (30400, every value k.A.), in that order.
class TestLebmittPlusForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FoodStore> m_store;
    ScriptedPrompts m_prompts;
    std::unique_ptr<TLebmittPlusForm> m_form;

    QString dataPath(const QString &name) const { return m_dir->filePath(name); }

    QLineEdit *edit(const QString &name) const { return m_form->findChild<QLineEdit *>(name); }
    QLineEdit *valueEdit(int k) const { return edit(QStringLiteral("InpPlusEdit%1").arg(k)); }
    QLabel *label(const char *name) const { return m_form->findChild<QLabel *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const
    {
        return m_form->findChild<QPushButton *>(QLatin1String(name));
    }
    QTableView *list() const { return m_form->findChild<QTableView *>(QStringLiteral("NwAnDbListView")); }
    int rowCount() const { return list()->model()->rowCount(); }
    QString cell(int row, int columnIndex) const
    {
        return list()->model()->index(row, columnIndex).data().toString();
    }

    void makeForm()
    {
        m_store = std::make_unique<FoodStore>(m_dir->path(), QLocale(QLocale::German, QLocale::Germany));
        m_store->loadFiles();
        m_store->buildIndex();
        const Clock clock = [] { return QDateTime(QDate(2026, 3, 5), QTime(10, 0, 7)); };
        m_form = std::make_unique<TLebmittPlusForm>(&m_prompts, *m_store, clock);
        m_form->OpenAdditionalFoods();
    }

    void typeFood(const QString &name, const QString &amount, const QStringList &values = {})
    {
        edit(QStringLiteral("InpLebeEdit"))->setText(name);
        edit(QStringLiteral("InpBMengEdit"))->setText(amount);
        for (int k = 0; k < NutrientCount; ++k)
            valueEdit(k)->setText(values.value(k));
    }

    QStringList column(int columnIndex) const
    {
        QStringList cells;
        for (int row = 0; row < rowCount(); ++row)
            cells.append(cell(row, columnIndex));
        return cells;
    }

    QStringList names() const { return column(FoodColumn::Name); }

    QStringList inputTexts() const
    {
        QStringList texts = {edit(QStringLiteral("InpLebeEdit"))->text(), label("IdLabel")->text(),
                             edit(QStringLiteral("InpBMengEdit"))->text()};
        for (int k = 0; k < NutrientCount; ++k)
            texts.append(valueEdit(k)->text());
        return texts;
    }

    void selectRow(int row) { list()->selectRow(row); }

    void clickHeader(int section)
    {
        QHeaderView *header = list()->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QFile::copy(QStringLiteral(KB_TEST_DIR "/fixtures/NwAnDb.dat"),
                            dataPath(QStringLiteral("NwAnDb.dat"))));
        m_prompts = ScriptedPrompts();
        makeForm();
    }

    void cleanup()
    {
        m_form.reset();
        m_store.reset();
        m_dir.reset();
    }

    void layoutHasEveryControlAndNoClippedCaption()
    {
        QCOMPARE(m_form->size(), QSize(1192, 593));
        QCOMPARE(m_form->windowTitle(), AppTitle());
        QCOMPARE(list()->model()->columnCount(), 17);
        QVERIFY(list()->isColumnHidden(FoodColumn::Db));
        QCOMPARE(list()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Bez.Menge"));
        QCOMPARE(list()->model()->headerData(16, Qt::Horizontal).toString(), QStringLiteral("Wasser"));
        QCOMPARE(list()->columnWidth(0), 340);
        QCOMPARE(list()->columnWidth(4), 54);
        QCOMPARE(TypingLimitOf(edit(QStringLiteral("InpLebeEdit"))), 40);
        QCOMPARE(TypingLimitOf(edit(QStringLiteral("InpBMengEdit"))), 6);
        for (int k = 0; k < NutrientCount; ++k) {
            QCOMPARE(TypingLimitOf(valueEdit(k)), 6);
            QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("NwBezLabel%1").arg(k))->text(),
                     NutrientCatalogue().at(k).shortName);
            QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("KopfLabel%1").arg(k))->text(),
                     NutrientCatalogue().at(k).unitLabel);
        }

        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        const QList<QLabel *> labels = m_form->findChildren<QLabel *>();
        for (const QLabel *shown : labels) {
            QVERIFY2(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->contentsRect().width(),
                     qPrintable(shown->objectName()));
        }
        const int headerMargins = 2 * list()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list());
        for (int c = 0; c < list()->model()->columnCount(); ++c) {
            if (list()->isColumnHidden(c))
                continue;
            const QString head = list()->model()->headerData(c, Qt::Horizontal).toString();
            const QVariant font = list()->model()->headerData(c, Qt::Horizontal, Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>()
                                                      : list()->horizontalHeader()->font());
            QVERIFY2(metrics.horizontalAdvance(head) + headerMargins <= list()->columnWidth(c),
                     qPrintable(head));
        }
        const QList<QPushButton *> buttons = m_form->findChildren<QPushButton *>();
        for (const QPushButton *pushButton : buttons) {
            QStyleOptionButton option;
            option.initFrom(pushButton);
            const QRect contents =
                pushButton->style()->subElementRect(QStyle::SE_PushButtonContents, &option, pushButton);
            QVERIFY2(pushButton->fontMetrics().horizontalAdvance(pushButton->text()) <= contents.width(),
                     qPrintable(pushButton->objectName()));
        }
    }

    void openingShowsTheFileAndPlacesTheWindow()
    {
        QCOMPARE(names(), (QStringList{QStringLiteral("Apfelmus"), QStringLiteral("Brot"),
                                       QStringLiteral("Zitrone"), QString::fromUtf8("Öl unbekannt")}));
        QCOMPARE(column(FoodColumn::Db), QStringList(4, QStringLiteral("NwAnDb")));
        QCOMPARE(column(FoodColumn::Id).at(2), QStringLiteral("30300"));
        QCOMPARE(column(FoodColumn::Amount).at(2), QStringLiteral("1"));
        QCOMPARE(label("Label16")->text(), QStringLiteral("4"));

        QPoint shownAt;
        QTimer::singleShot(0, m_form.get(), [&] {
            shownAt = m_form->pos();
            button("SpeichernBtn")->click();
            m_form->close();
        });
        m_form->editAdditionalFoods(QPoint(100, 50));
        QCOMPARE(shownAt, QPoint(108, 78));
        // Right after opening there is nothing to save, and closing asks nothing.
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QString::fromUtf8("Es wurde nichts geändert!")});
        QCOMPARE(m_prompts.texts(QStringLiteral("ask")), QStringList());
    }

    void openingWithoutAFileShowsNoRows()
    {
        QVERIFY(QFile::remove(dataPath(QStringLiteral("NwAnDb.dat"))));
        makeForm();
        QCOMPARE(rowCount(), 0);
        QCOMPARE(label("Label16")->text(), QStringLiteral("0"));
    }

    void enteringWithOnlyEnergy()
    {
        const QSet<QString> fixtureIds = {QStringLiteral("30100"), QStringLiteral("30200"),
                                          QStringLiteral("30300"), QStringLiteral("30400")};
        typeFood(QStringLiteral("Honig"), QStringLiteral("100"), {QStringLiteral("304")});
        m_form->LebMitEinfgBtnClick();
        QCOMPARE(m_prompts.calls.size(), 0);
        QCOMPARE(rowCount(), 5);
        const QStringList cells = [&] {
            QStringList row;
            for (int c = 0; c < FoodColumn::Count; ++c)
                row.append(cell(4, c));
            return row;
        }();
        QCOMPARE(cells.at(0), QStringLiteral("Honig"));
        QCOMPARE(cells.at(1), QStringLiteral("NwAnDb"));
        const int id = cells.at(2).toInt();
        QVERIFY2(id >= 30000 && id <= 31000, qPrintable(cells.at(2)));
        QVERIFY(!fixtureIds.contains(cells.at(2)));
        QCOMPARE(cells.at(3), QStringLiteral("100"));
        QCOMPARE(cells.at(4), QStringLiteral("304"));
        QCOMPARE(cells.mid(5), QStringList(12, QStringLiteral("k.A.")));
        QCOMPARE(inputTexts(), QStringList(16));
        QCOMPARE(label("Label16")->text(), QStringLiteral("5"));
        QVERIFY(m_form->additionalFoodsChanged());

        // Same second, same seed: the second draw must still give another id. Names differ only
        // in case, which is no duplicate.
        typeFood(QStringLiteral("honig"), QStringLiteral("1"));
        m_form->LebMitEinfgBtnClick();
        QCOMPARE(m_prompts.calls.size(), 0);
        QCOMPARE(rowCount(), 6);
        QVERIFY(cell(5, 2) != cells.at(2));
        QVERIFY(!fixtureIds.contains(cell(5, 2)));
    }

    void refusalsChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("focused");
        const QString noName = QStringLiteral("Keine Lebensmittel-Bezeichnung eingegeben!");
        const QString semicolon =
            QStringLiteral("Das Zeichen ';' ist in Bezeichnung und Werten nicht erlaubt!");
        const QString duplicate = QStringLiteral("Das Lebensmittel ist schon in der Liste vorhanden!");
        const QString amount = QStringLiteral("Die Bezugsmenge kann nur '100' oder '1' sein");
        QTest::newRow("empty name") << QString() << "100" << QStringList{";"} << noName << "InpLebeEdit";
        QTest::newRow("semicolon in the name") << "Brot;Butter"
                                               << "100" << QStringList() << semicolon << "InpLebeEdit";
        QTest::newRow("semicolon in a value")
            << "Quark"
            << "100" << QStringList{"70", "", "", "", "", "1;2"} << semicolon << "InpPlusEdit5";
        QTest::newRow("semicolon before duplicate") << "Brot"
                                                    << "x" << QStringList{";"} << semicolon << "InpPlusEdit0";
        QTest::newRow("duplicate name") << "Brot"
                                        << "x" << QStringList() << duplicate << "";
        QTest::newRow("amount 100,0") << "Quark"
                                      << "100,0" << QStringList() << amount << "InpBMengEdit";
        QTest::newRow("amount 10") << "Quark"
                                   << "10" << QStringList() << amount << "InpBMengEdit";
        QTest::newRow("amount empty") << "Quark"
                                      << "" << QStringList() << amount << "InpBMengEdit";
    }

    void refusalsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, amount);
        QFETCH(QStringList, values);
        QFETCH(QString, notice);
        QFETCH(QString, focused);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        typeFood(name, amount, values);
        const QList<AdditionalFoodRow> rowsBefore = m_form->rows();
        const QStringList inputBefore = inputTexts();

        button("LebMitEinfgBtn")->click();

        QCOMPARE(m_prompts.texts(QStringLiteral("notice")), QStringList{notice});
        QCOMPARE(m_form->rows().size(), rowsBefore.size());
        QCOMPARE(names(), QStringList({QStringLiteral("Apfelmus"), QStringLiteral("Brot"),
                                       QStringLiteral("Zitrone"), QString::fromUtf8("Öl unbekannt")}));
        QCOMPARE(inputTexts(), inputBefore);
        QVERIFY(!m_form->additionalFoodsChanged());
        if (!focused.isEmpty())
            QCOMPARE(m_form->focusWidget()->objectName(), focused);
        if (notice.contains(QStringLiteral("schon")))
            QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), 1);
    }

    void exhaustedIdsAreRefusedAndTheLastFreeOneIsFound()
    {
        QStringList lines = {QString::fromUtf8("Zusätzliche Lebensmittel;;Stand;01.12.25;"),
                             QStringLiteral("ID;")};
        for (int id = 30000; id <= 31000; ++id)
            lines.append(QStringLiteral("%1;Essen %1;100;1;;;;;;;;;;;;;").arg(id));
        QVERIFY(WriteBytes(dataPath(QStringLiteral("NwAnDb.dat")), CrLfLines(lines)));
        makeForm();
        QCOMPARE(rowCount(), 1001);

        typeFood(QStringLiteral("Neu"), QStringLiteral("100"), {QStringLiteral("5")});
        m_form->LebMitEinfgBtnClick();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Es sind keine freien Lebensmittel-IDs mehr vorhanden!")});
        QCOMPARE(rowCount(), 1001);
        QCOMPARE(edit(QStringLiteral("InpLebeEdit"))->text(), QStringLiteral("Neu"));
        QVERIFY(!m_form->additionalFoodsChanged());

        selectRow(500);
        QCOMPARE(cell(500, 2), QStringLiteral("30500"));
        m_form->LebMitLoeschenBtnClick();
        m_form->LebMitEinfgBtnClick();
        QCOMPARE(rowCount(), 1001);
        QCOMPARE(cell(1000, 0), QStringLiteral("Neu"));
        QCOMPARE(cell(1000, 2), QStringLiteral("30500"));
    }

    void removeAndChangeNeedASelection()
    {
        m_form->LebMitLoeschenBtnClick();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QString::fromUtf8("Es ist keine Zeile ausgewählt!")});
        // A refused removal still counts as a change.
        QVERIFY(m_form->additionalFoodsChanged());
        m_form->LebMitAendernBtnClick();
        QCOMPARE(m_prompts.texts(QStringLiteral("plain")),
                 QStringList{QString::fromUtf8("Es ist keine Zeile ausgewählt!")});
        QCOMPARE(rowCount(), 4);
        QCOMPARE(inputTexts(), QStringList(16));

        selectRow(2);
        m_form->LebMitLoeschenBtnClick();
        QCOMPARE(names(), (QStringList{QStringLiteral("Apfelmus"), QStringLiteral("Brot"),
                                       QString::fromUtf8("Öl unbekannt")}));
        QCOMPARE(label("Label16")->text(), QStringLiteral("3"));
    }

    void changeKeepsTheIdAndMovesTheRowToTheEnd()
    {
        selectRow(0);
        m_form->LebMitAendernBtnClick();
        QVERIFY(m_form->additionalFoodsChanged());
        QCOMPARE(rowCount(), 3);
        QCOMPARE(label("Label16")->text(), QStringLiteral("3"));
        QStringList expected = {QStringLiteral("Apfelmus"), QStringLiteral("30100"), QStringLiteral("100")};
        expected += QStringLiteral("52;12;10,5;0,1;k.A.;0,2;0;0,1;3;4;0;0;86").split(QLatin1Char(';'));
        QCOMPARE(inputTexts(), expected);

        valueEdit(0)->setText(QStringLiteral("60"));
        m_form->LebMitEinfgBtnClick();
        QCOMPARE(m_prompts.calls.size(), 0);
        QCOMPARE(names().constLast(), QStringLiteral("Apfelmus"));
        const AdditionalFoodRow changed = m_form->rows().constLast();
        QCOMPARE(changed.id, QStringLiteral("30100"));
        QCOMPARE(changed.values.at(0), QStringLiteral("60"));
        QCOMPARE(changed.values.at(4), QStringLiteral("k.A."));
        QCOMPARE(label("IdLabel")->text(), QString());
    }

    void saveAndReopenGiveTheSameRows()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QSignalSpy saved(m_form.get(), &TLebmittPlusForm::foodsSaved);
        typeFood(QStringLiteral("Honig"), QStringLiteral("100"),
                 {QStringLiteral("304"), QStringLiteral("82,4")});
        m_form->LebMitEinfgBtnClick();
        const QString honigId = m_form->rows().constLast().id;
        QCOMPARE(m_store->index().findById(honigId), -1);
        clickHeader(4);
        const QList<AdditionalFoodRow> shown = m_form->rows();
        m_prompts.clear();

        button("SpeichernBtn")->click();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Es wurden 5 Lebensmittel gespeichert")});
        QCOMPARE(saved.size(), 1);
        QVERIFY(!m_form->additionalFoodsChanged());

        // The index knows the new food at once.
        const int position = m_store->index().findById(honigId);
        QVERIFY(position >= 0);
        QCOMPARE(m_store->index().record(position).name, QStringLiteral("Honig"));
        QCOMPARE(m_store->index().record(position).values.at(1), QStringLiteral("82,4"));

        QFile file(dataPath(QStringLiteral("NwAnDb.dat")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readLine().startsWith(
            QString::fromUtf8("Zusätzliche Lebensmittel;;Stand;05.03.26;\r\n").toLatin1()));
        file.close();

        // A fresh start reads the same rows in the saved (sorted) order.
        makeForm();
        const QList<AdditionalFoodRow> reread = m_form->rows();
        QCOMPARE(reread.size(), shown.size());
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(reread.at(i).id, shown.at(i).id);
            QCOMPARE(reread.at(i).name, shown.at(i).name);
            QCOMPARE(reread.at(i).referenceAmount, shown.at(i).referenceAmount);
            QCOMPARE(reread.at(i).values, shown.at(i).values);
        }
        QCOMPARE(reread.constFirst().name, QStringLiteral("Honig"));
    }

    void aFailedSaveKeepsRowsAndChanges_data()
    {
        QTest::addColumn<bool>("protectedAtStart");
        QTest::newRow("the write fails") << false;
        QTest::newRow("the file was not taken in at start") << true;
    }

    void aFailedSaveKeepsRowsAndChanges()
    {
        QFETCH(bool, protectedAtStart);
        const QString path = dataPath(QStringLiteral("NwAnDb.dat"));
        if (protectedAtStart) {
            QVERIFY(WriteBytes(path, QByteArray("Meine Notizen\r\n")));
            makeForm();
        } else {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("NwAnDb.dat")));
        }
        const QByteArray fileBefore = ReadBytes(path);
        const int rowsBefore = rowCount();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QSignalSpy saved(m_form.get(), &TLebmittPlusForm::foodsSaved);
        typeFood(QStringLiteral("Honig"), QStringLiteral("100"));
        m_form->LebMitEinfgBtnClick();
        const QString honigId = m_form->rows().constLast().id;

        button("SpeichernBtn")->click();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")), QStringList());
        QCOMPARE(m_prompts.texts(QStringLiteral("plain")).size(), 1);
        const QString failure = m_prompts.texts(QStringLiteral("plain")).first();
        QVERIFY(!failure.isEmpty());
        if (protectedAtStart)
            QVERIFY2(failure.startsWith(QStringLiteral("Die Datei „NwAnDb.dat“")), qPrintable(failure));
        QCOMPARE(saved.size(), 0);
        QVERIFY(m_form->additionalFoodsChanged());
        QCOMPARE(rowCount(), rowsBefore + 1);
        QCOMPARE(m_store->index().findById(honigId), -1);

        // Answering "Ja" when closing cannot save either: the window stays open with the rows.
        m_prompts.answers = {AnswerLeft};
        button("CloseBtn")->click();
        QVERIFY(m_form->isVisible());
        QCOMPARE(rowCount(), rowsBefore + 1);
        QCOMPARE(m_prompts.texts(QStringLiteral("plain")).size(), 2);
        QCOMPARE(ReadBytes(path), fileBefore);
        m_prompts.answers = {AnswerRight};
        button("CloseBtn")->click();
        QVERIFY(!m_form->isVisible());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Ja saves") << int(AnswerLeft) << true << true;
        QTest::newRow("Nein drops the rows") << int(AnswerRight) << true << false;
        QTest::newRow("Abbrechen keeps everything") << int(AnswerThird) << false << false;
        QTest::newRow("question closed keeps everything") << int(AnswerClosed) << false << false;
    }

    void closeQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        selectRow(0);
        m_form->LebMitLoeschenBtnClick();
        typeFood(QStringLiteral("Quark"), QStringLiteral("100"), {QStringLiteral("70")});
        const QStringList namesBefore = names();
        const QStringList inputBefore = inputTexts();
        const QByteArray fileBefore = ReadBytes(dataPath(QStringLiteral("NwAnDb.dat")));
        m_prompts.answers = {answer};

        button("CloseBtn")->click();

        QCOMPARE(m_prompts.texts(QStringLiteral("ask")),
                 QStringList{QString::fromUtf8("Änderungen speichern?")});
        QCOMPARE(m_prompts.calls.first().mode, int(ModeYesNoCancel));
        QCOMPARE(m_form->isVisible(), !closes);
        QCOMPARE(m_store->index().findById(QStringLiteral("30100")) < 0, written);
        QCOMPARE(ReadBytes(dataPath(QStringLiteral("NwAnDb.dat"))) != fileBefore, written);
        if (!closes) {
            // Cancelled: the rows, the typed fields and the unsaved state are as they were, and
            // the next close asks again.
            QCOMPARE(names(), namesBefore);
            QCOMPARE(inputTexts(), inputBefore);
            QVERIFY(m_form->additionalFoodsChanged());
            QCOMPARE(m_prompts.texts(QStringLiteral("notice")), QStringList());
            m_prompts.answers = {AnswerRight};
            m_form->close();
            QVERIFY(!m_form->isVisible());
            QCOMPARE(m_prompts.texts(QStringLiteral("ask")).size(), 2);
        }
        // The next opening shows the store's lines again.
        m_form->OpenAdditionalFoods();
        QCOMPARE(rowCount(), written ? 3 : 4);
    }

    void aLongerRowIsTakenBackWhole()
    {
        // Written by hand: longer than the fields let the user type, and kept whole.
        const QString longName = QStringLiteral("Vollkornbrot mit Sonnenblumenkernen, gebacken");
        QVERIFY(longName.size() > 40);
        const QStringList lines = {
            QString::fromUtf8("Zusätzliche Lebensmittel;;Stand;01.12.25;"), QStringLiteral("ID;"),
            QStringLiteral("30500;%1;100;1234,567;48;3;1;0;9;1,2;2;40;20;0;k.A.;0,00125;").arg(longName)};
        QVERIFY(WriteBytes(dataPath(QStringLiteral("NwAnDb.dat")), CrLfLines(lines)));
        makeForm();
        const AdditionalFoodRow stored = m_form->rows().constFirst();
        QCOMPARE(stored.name, longName);

        selectRow(0);
        m_form->LebMitAendernBtnClick();
        QCOMPARE(edit(QStringLiteral("InpLebeEdit"))->text(), longName);
        QCOMPARE(valueEdit(0)->text(), QStringLiteral("1234,567"));
        QCOMPARE(valueEdit(12)->text(), QStringLiteral("0,00125"));
        m_form->LebMitEinfgBtnClick();
        QCOMPARE(m_prompts.calls.size(), 0);
        const AdditionalFoodRow entered = m_form->rows().constFirst();
        QCOMPARE(entered.id, stored.id);
        QCOMPARE(entered.name, stored.name);
        QCOMPARE(entered.values, stored.values);

        // Typing into the emptied fields still stops at their limits.
        QTest::keyClicks(edit(QStringLiteral("InpLebeEdit")), longName);
        QCOMPARE(edit(QStringLiteral("InpLebeEdit"))->text(), longName.left(40));
        QTest::keyClicks(valueEdit(0), QStringLiteral("1234,567"));
        QCOMPARE(valueEdit(0)->text(), QStringLiteral("1234,5"));
    }

    // The own household measures of every food, listed by the food's name (its id when the food
    // is gone), and deleted after a question; a missing NwMasse.dat is no measure and no message.
    void ownMeasuresListedAndDeleted_data()
    {
        QTest::addColumn<int>("row"); // the row selected, -1 for none
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after"); // the list afterwards
        QTest::addColumn<QStringList>("fileLines");

        const QStringList both{QStringLiteral("Brot: 1 Scheibe = 40 g"), QStringLiteral("1001: 1 Tasse = 250 g")};
        const QStringList file{QStringLiteral("ID;Maß;Gramm;"), QStringLiteral("30200;Scheibe;40;"),
                               QStringLiteral("1001;Tasse;250;")};
        QTest::newRow("Ja: deleted") << 0 << int(AnswerLeft) << QStringList{both.at(1)}
                                     << QStringList{file.at(0), file.at(2)};
        QTest::newRow("Nein: kept") << 0 << int(AnswerRight) << both << file;
        QTest::newRow("nothing selected: a notice") << -1 << int(AnswerLeft) << both << file;
    }

    void ownMeasuresListedAndDeleted()
    {
        QFETCH(int, row);
        QFETCH(int, answer);
        auto *measures = m_form->findChild<QListWidget *>(QStringLiteral("EigeneMasseListe"));
        QVERIFY(measures != nullptr);
        QCOMPARE(measures->count(), 1); // the hint how to make one
        QCOMPARE(measures->item(0)->flags(), Qt::NoItemFlags);
        QCOMPARE(m_prompts.calls.size(), 0);

        QVERIFY(WriteBytes(dataPath(QStringLiteral("NwMasse.dat")),
                           CrLfLines({QStringLiteral("ID;Maß;Gramm;"), QStringLiteral("30200;Scheibe;40;"),
                                      QStringLiteral("1001;Tasse;250;")})));
        makeForm();
        measures = m_form->findChild<QListWidget *>(QStringLiteral("EigeneMasseListe"));
        QStringList texts;
        for (int i = 0; i < measures->count(); ++i)
            texts.append(measures->item(i)->text());
        QCOMPARE(texts, (QStringList{QStringLiteral("Brot: 1 Scheibe = 40 g"), QStringLiteral("1001: 1 Tasse = 250 g")}));

        if (row >= 0)
            measures->setCurrentRow(row);
        m_prompts.answers.append(answer);
        button("MassLoeschenBtn")->click();
        if (row < 0) {
            QCOMPARE(m_prompts.texts(QStringLiteral("notice")), QStringList{QStringLiteral("Es ist kein Maß ausgewählt!")});
        } else {
            QCOMPARE(m_prompts.texts(QStringLiteral("ask")),
                     QStringList{QStringLiteral("Das eigene Maß „Scheibe“ von „Brot“ löschen?")});
            QCOMPARE(m_prompts.calls.last().mode, int(ModeYesNo));
        }
        texts.clear();
        for (int i = 0; i < measures->count(); ++i)
            texts.append(measures->item(i)->text());
        QTEST(texts, "after");
        QFETCH(QStringList, fileLines);
        QCOMPARE(ReadBytes(dataPath(QStringLiteral("NwMasse.dat"))), CrLfLines(fileLines));
    }

    void sortingTheEnergyColumn()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        const int energy = FoodColumn::FirstValue;
        selectRow(0); // Apfelmus, 52
        clickHeader(energy);
        QCOMPARE(column(energy), (QStringList{"250", "52", "9,5", "k.A."}));
        QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), 1);
        QVERIFY(m_form->sortState().descending);
        QVERIFY(m_form->additionalFoodsChanged());
        clickHeader(energy);
        QCOMPARE(column(energy), (QStringList{"9,5", "52", "250", "k.A."}));
        QVERIFY(!m_form->sortState().descending);

        // Names: first click from Z to A, with Ö after Z.
        clickHeader(FoodColumn::Name);
        QCOMPARE(names(), (QStringList{QString::fromUtf8("Öl unbekannt"), QStringLiteral("Zitrone"),
                                       QStringLiteral("Brot"), QStringLiteral("Apfelmus")}));

        // The sort state outlives a reopening: the next click on the name column reverses.
        m_form->OpenAdditionalFoods();
        QVERIFY(!m_form->additionalFoodsChanged());
        QCOMPARE(m_form->sortState().column, int(FoodColumn::Name));
        clickHeader(FoodColumn::Name);
        QCOMPARE(names(), (QStringList{QStringLiteral("Apfelmus"), QStringLiteral("Brot"),
                                       QStringLiteral("Zitrone"), QString::fromUtf8("Öl unbekannt")}));
        // After a sort, saving writes the new order.
        button("SpeichernBtn")->click();
        QCOMPARE(m_prompts.texts(QStringLiteral("notice")),
                 QStringList{QStringLiteral("Es wurden 4 Lebensmittel gespeichert")});
    }
};

QTEST_MAIN(TestLebmittPlusForm)
#include "tst_lebmittplusform.moc"
