// The recipe dialog on its own: the preview follows every field, and "Speichern" hands a
// recipe back only when name and values may be saved and the user allowed any replacing.

#include "foodstore.h"
#include "scriptedprompts.h"
#include "testfiles.h"
#include "trezeptform.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Ingredient
{
    QString id;
    QString amount;
};

} // namespace

class TestRezeptForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        WriteBytes(m_dir->filePath(u"NwAnDb.dat"_s),
                   CrLfLines({u"Zusätzliche Lebensmittel;;Stand;01.12.25;"_s, u"ID;Lebensmittel;"_s,
                              u"30001;Reis;100;350;78;0,1;0,6;0,2;7;0;0,8;30;10;0;k.A.;12;"_s,
                              u"30002;Milch;100;65;4,8;4,8;3,5;2,2;3,3;0,1;0;12;120;0,4;0,05;87,5;"_s,
                              u"30003;Ei;1;80;0,4;0,4;5,5;1,6;7;0,2;1;6;30;0,5;1;40;"_s,
                              u"30004;Suppe;100;1;1;1;1;1;1;1;1;1;1;1;1;1;"_s}));
        m_store = std::make_unique<FoodStore>(m_dir->path(), QLocale(QLocale::German, QLocale::Germany));
        m_store->loadFiles();
        m_store->buildIndex();
        m_prompts = ScriptedPrompts();
        m_form = std::make_unique<TRezeptForm>(&m_prompts);
    }

    void cleanup()
    {
        m_form.reset();
        m_store.reset();
        m_dir.reset();
    }

    void layoutKeepsEveryCaptionWhole()
    {
        prepare({{u"30003"_s, u"2"_s}, {u"30001"_s, u"100"_s}});
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        const QList<QWidget *> controls = m_form->findChildren<QWidget *>();
        for (const QWidget *control : controls) {
            if (!control->isVisible())
                continue;
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            if (const auto *shown = qobject_cast<const QLabel *>(control);
                shown != nullptr && !shown->wordWrap()) {
                QVERIFY2(shown->fontMetrics().horizontalAdvance(shown->text()) <=
                             shown->contentsRect().width(),
                         qPrintable(shown->objectName()));
            }
        }
    }

    void previewFollowsTheFields()
    {
        prepare({{u"30001"_s, u"100"_s}, {u"30002"_s, u"200"_s}});
        QCOMPARE(m_form->windowTitle(), u"  Mahlzeit 2 als Rezept speichern"_s);
        QCOMPARE(edit(u"GewichtEdit"_s)->text(), u"300"_s); // the gram amounts added up
        QVERIFY(radio(u"Je100gRadioButton"_s)->isChecked());
        QVERIFY(!edit(u"PortionenEdit"_s)->isEnabled());
        QVERIFY(label(u"StueckHinweisLabel"_s)->isHidden());
        QVERIFY(label(u"WasserHinweisLabel"_s)->isHidden());
        QCOMPARE(text(u"MengLabel"_s), u"100"_s);
        QCOMPARE(text(u"KopfMengLabel"_s), u"g"_s);
        QCOMPARE(text(u"NwLabel0"_s), u"160"_s);
        QCOMPARE(text(u"NwLabel11"_s), u"0,033"_s);
        QCOMPARE(text(u"UnvollstaendigLabel"_s), u"unvollständig: Vit.D (1 von 2 Zutaten ohne Wert)"_s);
        QCOMPARE(text(u"HinweisLabel"_s), QString());

        // Water lost in cooking: the weighed pot gives more per 100 g, and the 60 g that boiled
        // off leave 127 g of the 187 g water.
        QCOMPARE(text(u"NwLabel12"_s), u"62,333"_s);
        retype(u"GewichtEdit"_s, u"240"_s);
        QCOMPARE(text(u"NwLabel0"_s), u"200"_s);
        QCOMPARE(text(u"NwLabel12"_s), u"52,917"_s);

        radio(u"JePortionRadioButton"_s)->click();
        QVERIFY(edit(u"PortionenEdit"_s)->isEnabled());
        QVERIFY(!edit(u"GewichtEdit"_s)->isEnabled());
        QCOMPARE(text(u"MengLabel"_s), u"1"_s);
        QCOMPARE(text(u"KopfMengLabel"_s), u"St"_s);
        QCOMPARE(text(u"NwLabel0"_s), u"480"_s);
        retype(u"PortionenEdit"_s, u"4"_s);
        QCOMPARE(text(u"NwLabel0"_s), u"120"_s);
        retype(u"PortionenEdit"_s, u"0"_s);
        QCOMPARE(text(u"NwLabel0"_s), QString());
        QCOMPARE(text(u"HinweisLabel"_s), u"Die Anzahl Portionen muss eine ganze Zahl ab 1 sein!"_s);
        QCOMPARE(prompts().calls.size(), 0);

        // The next opening starts afresh.
        prepare({{u"30002"_s, u"150"_s}});
        QCOMPARE(edit(u"GewichtEdit"_s)->text(), u"150"_s);
        QCOMPARE(edit(u"PortionenEdit"_s)->text(), u"1"_s);
        QVERIFY(radio(u"Je100gRadioButton"_s)->isChecked());
        QCOMPARE(text(u"NwLabel0"_s), u"65"_s);
        QCOMPARE(text(u"UnvollstaendigLabel"_s), QString());
    }

    void piecesNeedTheWeightTyped()
    {
        prepare({{u"30003"_s, u"2"_s}, {u"30002"_s, u"100"_s}});
        QCOMPARE(edit(u"GewichtEdit"_s)->text(), QString());
        QVERIFY(!label(u"StueckHinweisLabel"_s)->isHidden());
        // The eggs' weight is unknown: the dialog says the water is only added up.
        QVERIFY(!label(u"WasserHinweisLabel"_s)->isHidden());
        QCOMPARE(text(u"NwLabel0"_s), QString());
        const QString noWeight = u"Es ist kein Gewicht nach dem Zubereiten angegeben!"_s;
        QCOMPARE(text(u"HinweisLabel"_s), noWeight);

        retype(u"NameEdit"_s, u"Eierspeise"_s);
        m_form->SpeichernBtnClick();
        QCOMPARE(prompts().texts(u"notice"_s), QStringList{noWeight});
        QVERIFY(!m_form->choice().accepted);

        retype(u"GewichtEdit"_s, u"200"_s);
        QCOMPARE(text(u"NwLabel0"_s), u"112,5"_s);
        m_form->SpeichernBtnClick();
        QVERIFY(m_form->choice().accepted);
        QCOMPARE(m_form->choice().row.name, u"Eierspeise"_s);
        QCOMPARE(m_form->choice().row.referenceAmount, u"100"_s);
        QCOMPARE(m_form->choice().row.values.at(11), u"1,025"_s);
    }

    void speichernChecksTheNameAndAsksBeforeReplacing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("replace");
        const QString ask = u"ask:"_s + u" Soll das vorhandene Lebensmittel ersetzt werden? "_s;
        QTest::newRow("no name") << QString() << QList<int>()
                                 << QStringList{u"notice:Keine Lebensmittel-Bezeichnung eingegeben!"_s}
                                 << false << false;
        QTest::newRow("semicolon")
            << u"Suppe;scharf"_s << QList<int>()
            << QStringList{u"notice:Das Zeichen ';' ist in Bezeichnung und Werten nicht erlaubt!"_s} << false
            << false;
        QTest::newRow("own food's name, Nein")
            << u"Suppe"_s << QList<int>{AnswerRight} << QStringList{ask} << false << false;
        QTest::newRow("own food's name, closed")
            << u"Suppe"_s << QList<int>{AnswerClosed} << QStringList{ask} << false << false;
        QTest::newRow("own food's name, Ja")
            << u"Suppe"_s << QList<int>{AnswerLeft} << QStringList{ask} << true << true;
        QTest::newRow("a Swiss food's or another case is no own food's name")
            << u"suppe"_s << QList<int>() << QStringList() << true << false;
    }

    void speichernChecksTheNameAndAsksBeforeReplacing()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, answers);
        QFETCH(bool, accepted);
        QFETCH(bool, replace);

        prepare({{u"30001"_s, u"100"_s}});
        retype(u"NameEdit"_s, name);
        m_prompts.answers = answers;
        m_form->SpeichernBtnClick();
        QStringList calls;
        for (const ScriptedPrompts::Call &call : std::as_const(m_prompts.calls)) {
            calls.append(call.kind + u':' + call.text);
            if (call.kind == u"ask"_s)
                QCOMPARE(call.mode, int(ModeYesNo));
        }
        QTEST(calls, "calls");
        QCOMPARE(m_form->choice().accepted, accepted);
        QCOMPARE(m_form->choice().replaceExisting, replace);
        if (accepted)
            QCOMPARE(m_form->choice().row.values.first(), u"350"_s);
    }

    // Enter in any field presses "Speichern", the dialog's default button.
    void enterSaves_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("in the name") << u"NameEdit"_s;
        QTest::newRow("in the weight") << u"GewichtEdit"_s;
    }

    void enterSaves()
    {
        QFETCH(QString, field);
        prepare({{u"30001"_s, u"100"_s}});
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        retype(u"NameEdit"_s, u"Risotto"_s);
        QTest::keyClick(edit(field), Qt::Key_Return);
        QVERIFY(m_form->choice().accepted);
        QCOMPARE(m_form->choice().row.name, u"Risotto"_s);
        QVERIFY(!m_form->isVisible());
    }

private:
    void prepare(const QList<Ingredient> &ingredients)
    {
        MealPlan plan;
        plan.setActiveMeal(2);
        for (const Ingredient &ingredient : ingredients) {
            InputLine line;
            ShowFoodInInputLine(m_store->index(), m_store->index().findById(ingredient.id), line);
            line.amount = ingredient.amount;
            QVERIFY(EnterFood(plan, line).entered);
        }
        m_form->prepare(2, plan.meal(2), *m_store);
    }

    QLineEdit *edit(const QString &name) const { return m_form->findChild<QLineEdit *>(name); }
    QRadioButton *radio(const QString &name) const { return m_form->findChild<QRadioButton *>(name); }
    QLabel *label(const QString &name) const { return m_form->findChild<QLabel *>(name); }
    QString text(const QString &name) const { return label(name)->text(); }
    const ScriptedPrompts &prompts() const { return m_prompts; }

    // Replaces a field's text by typing, as the user does.
    void retype(const QString &name, const QString &text)
    {
        QLineEdit *field = edit(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FoodStore> m_store;
    ScriptedPrompts m_prompts;
    std::unique_ptr<TRezeptForm> m_form;
};

QTEST_MAIN(TestRezeptForm)
#include "tst_rezeptform.moc"
