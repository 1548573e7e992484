// The main window's keys: undo and redo of the day wherever the focus is (the amount field's own
// text undo gives way), and the keys that save, read, print, open the info window and switch the
// meal page, each where the focus happens to be, as a user presses them.

#include "mainformsession.h"

#include "printdocument.h"

#include <QApplication>
#include <QTimer>

namespace {

QString StatusText(const MainFormSession &session)
{
    return session.form->findChild<QLabel *>(QStringLiteral("StatusLabel"))->text();
}

} // namespace

class TestMainFormKeys : public QObject
{
    Q_OBJECT

private slots:
    void undoAfterTheRedCross_data();
    void undoAfterTheRedCross();
    void keysReachTheirCommands_data();
    void keysReachTheirCommands();
    void mealPagesNameTheirKeys();
};

void TestMainFormKeys::undoAfterTheRedCross_data()
{
    QTest::addColumn<QString>("focus"); // the control that has the focus when the keys are pressed
    QTest::newRow("in the amount, with text typed") << "MengEdit";
    QTest::newRow("on the meal list") << "AnzeigeListView1";
    QTest::newRow("on Beenden") << "BeendenBtn";
}

void TestMainFormKeys::undoAfterTheRedCross()
{
    QFETCH(QString, focus);
    MainFormSession session(QStringLiteral("good"));
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.enter(QStringLiteral("1004"), QStringLiteral("20"));
    const QStringList meal{QStringLiteral(" Apfel, roh"), QStringLiteral(" Butter")};
    const QString sums = session.text(QStringLiteral("MengLabelTaSu"));

    session.click(QStringLiteral("DelSBtnSheet1"));
    QCOMPARE(session.names(1), QStringList());
    QVERIFY(session.marker(1)->isHidden());
    session.control(focus)->setFocus();
    if (focus == QLatin1String("MengEdit"))
        session.typeAmount(QStringLiteral("12"));
    QCOMPARE(FocusedControl(), session.control(focus));

    PressKey(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(session.names(1), meal);
    QVERIFY(!session.marker(1)->isHidden());
    QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")), sums);
    QCOMPARE(StatusText(session), QStringLiteral("Rückgängig: Tabelle löschen (Mahlzeit 1)"));
    // The day was undone, not the typing: no box, and the amount stays as typed.
    QCOMPARE(session.prompts.calls.size(), 0);
    if (focus == QLatin1String("MengEdit"))
        QCOMPARE(session.amountEdit()->text(), QStringLiteral("12"));

    // Both keys of redo, each undone again.
    for (const Qt::KeyboardModifiers redo :
         {Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)}) {
        PressKey(redo == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, redo);
        QCOMPARE(session.names(1), QStringList());
        QCOMPARE(StatusText(session), QStringLiteral("Wiederholen: Tabelle löschen (Mahlzeit 1)"));
        PressKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.names(1), meal);
    }
}

void TestMainFormKeys::keysReachTheirCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("effect"); // "save", "open", "print", "info" or "page <n>"

    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Strg+S") << int(Qt::Key_S) << ctrl << "save";
    QTest::newRow("Strg+O") << int(Qt::Key_O) << ctrl << "open";
    QTest::newRow("Strg+P") << int(Qt::Key_P) << ctrl << "print";
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "info";
    QTest::newRow("Alt+3") << int(Qt::Key_3) << int(Qt::AltModifier) << "page 3";
    QTest::newRow("Alt+6") << int(Qt::Key_6) << int(Qt::AltModifier) << "page 6";
    QTest::newRow("Strg+Bild ab") << int(Qt::Key_PageDown) << ctrl << "page 2";
    QTest::newRow("Strg+Bild auf, round the end") << int(Qt::Key_PageUp) << ctrl << "page 6";
    QTest::newRow("Strg+Tab") << int(Qt::Key_Tab) << ctrl << "page 2";
    QTest::newRow("Strg+Umschalt+Tab")
        << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << "page 6";
}

void TestMainFormKeys::keysReachTheirCommands()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, effect);

    MainFormSession session(QStringLiteral("good"));
    int previews = 0;
    session.context.printPreview = [&previews](const PrintDocument &, QWidget *) { ++previews; };
    session.form = std::make_unique<TMainForm>(session.context);
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    session.prompts.clear();
    session.prompts.answers.append(AnswerRight);
    // The amount field holds the focus, as it does after a food is picked.
    session.amountEdit()->setFocus();

    QString shown;
    QTimer::singleShot(0, session.form.get(), [&shown] {
        if (QWidget *window = QApplication::activeModalWidget()) {
            shown = QString::fromLatin1(window->metaObject()->className());
            window->hide();
        }
    });
    PressKey(key, Qt::KeyboardModifiers(modifiers));

    if (effect == QLatin1String("save")) {
        QCOMPARE(session.prompts.texts(QStringLiteral("save")), QStringList{QStringLiteral("Speichern als")});
    } else if (effect == QLatin1String("open")) {
        // After the question about the day entered, answered "Nein".
        QCOMPARE(session.prompts.texts(QStringLiteral("ask")),
                 QStringList{QStringLiteral("Änderungen speichern?")});
        QCOMPARE(session.prompts.texts(QStringLiteral("open")),
                 QStringList{QStringLiteral("Mahlzeiten einlesen")});
    } else if (effect == QLatin1String("print")) {
        QCOMPARE(previews, 1);
    } else if (effect == QLatin1String("info")) {
        QCOMPARE(shown, QStringLiteral("TLizForm"));
    } else {
        const int page = effect.section(u' ', 1).toInt();
        QCOMPARE(session.pages()->currentIndex(), page - 1);
        QCOMPARE(session.form->mealPlan().activeMeal(), page);
    }
}

void TestMainFormKeys::mealPagesNameTheirKeys()
{
    MainFormSession session(QStringLiteral("good"));
    for (int n = 1; n <= MealCount; ++n)
        QCOMPARE(session.pages()->tabToolTip(n - 1), QStringLiteral("Alt+%1").arg(n));
}

QTEST_MAIN(TestMainFormKeys)
#include "tst_mainformkeys.moc"
