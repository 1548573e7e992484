#include "appinfo.h"
#include "messagelayout.h"
#include "messagewindowprompts.h"
#include "tzeigenachrichtform.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// 10 pixels per character, 1 for '|': lets a row hit any width exactly.
int FakeWidth(const QString &line)
{
    int width = 0;
    for (const QChar c : line)
        width += c == QLatin1Char('|') ? 1 : 10;
    return width;
}

// Runs action once the modal widget of the running exec() is up. A guard closes every
// modal widget left open, so a failing check cannot hang the test.
void WhenModalShown(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, qApp, [action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != nullptr)
            action(modal);
        while ((modal = QApplication::activeModalWidget()) != nullptr && modal->isVisible())
            modal->close();
    });
}

QPushButton *Button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class TestMessageWindow : public QObject
{
    Q_OBJECT

private slots:
    void layoutGeometry_data();
    void layoutGeometry();
    void layoutCutsLongTextAndLongLines();
    void layoutButtons_data();
    void layoutButtons();
    void layoutThreeButtons_data();
    void layoutThreeButtons();

    void windowAppliesLayout();
    void answers_data();
    void answers();
    void enterPressesRightButton();
    void enterKey();
    void callWhileShowingReturns99();

    void plainMessageBox();
    void saveDialogKeepsSettingsOfLastUse();
};

void TestMessageWindow::layoutGeometry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("labelWidth");
    QTest::addColumn<int>("labelHeight");
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("clientHeight");

    QTest::newRow("one line") << QStringLiteral("Eigene Werte wurden gespeichert.") << 2 << 344 << 34 << 376
                              << 98;
    QTest::newRow("two lines") << QStringLiteral("Zeile eins\nZeile zwei") << 3 << 124 << 51 << 156 << 115;
    QTest::newRow("trailing line feed is an empty last line")
        << QStringLiteral("Zeile\n") << 3 << 108 << 51 << 140 << 115;
    QTest::newRow("short text keeps the minimum width")
        << QStringLiteral("OK") << 2 << 108 << 34 << 140 << 98;
    QTest::newRow("empty text") << QString() << 2 << 108 << 34 << 140 << 98;
    QTest::newRow("line of exactly 900 pixels")
        << QString(90, QLatin1Char('x')) << 2 << 924 << 34 << 956 << 98;
    QTest::newRow("line of 901 pixels wraps")
        << QString(90, QLatin1Char('x')) + QLatin1Char('|') << 3 << 908 << 51 << 940 << 115;
    QTest::newRow("line of 1000 pixels counts two units")
        << QString(100, QLatin1Char('x')) << 3 << 908 << 51 << 940 << 115;
}

void TestMessageWindow::layoutGeometry()
{
    QFETCH(QString, text);
    QFETCH(int, units);
    QFETCH(int, labelWidth);
    QFETCH(int, labelHeight);
    QFETCH(int, clientWidth);
    QFETCH(int, clientHeight);

    const MessageLayout layout = LayOutMessageWindow(text, ModeOk, FakeWidth);
    QCOMPARE(layout.lineUnits, units);
    QCOMPARE(layout.label, QRect(16, 16, labelWidth, labelHeight));
    QCOMPARE(layout.client, QSize(clientWidth, clientHeight));
    QCOMPARE(layout.shownText, text);
}

void TestMessageWindow::layoutCutsLongTextAndLongLines()
{
    QList<int> measuredLengths;
    const auto recordingMeasure = [&measuredLengths](const QString &line) {
        measuredLengths.append(line.size());
        return FakeWidth(line);
    };

    // The line feed behind the 1000th character is cut away with the rest: one line only.
    const QString text =
        QString(400, QLatin1Char('|')) + QString(600, QLatin1Char('x')) + QStringLiteral("\nNoch eine Zeile");
    const MessageLayout layout = LayOutMessageWindow(text, ModeOk, recordingMeasure);
    QCOMPARE(layout.shownText, text.left(1000));
    QCOMPARE(measuredLengths, QList<int>{300});
    // Only the first 300 characters (all '|', 1 pixel each) are measured.
    QCOMPARE(layout.widestLine, 300);
    QCOMPARE(layout.lineUnits, 2);
    QCOMPARE(layout.label.width(), 324);
}

void TestMessageWindow::layoutButtons_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("leftVisible");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");

    QTest::newRow("notice") << int(ModeOk) << false << QString() << QStringLiteral("OK");
    QTest::newRow("yes/no") << int(ModeYesNo) << true << QStringLiteral("Ja") << QStringLiteral("Nein");
    QTest::newRow("yes/no, yes the default") << int(ModeYesNoDefaultYes) << true << QStringLiteral("Ja")
                                             << QStringLiteral("Nein");
    QTest::newRow("text/csv") << int(ModeTextCsv) << true << QStringLiteral("Text") << QStringLiteral("CSV");
    QTest::newRow("ok/cancel") << int(ModeOkCancel) << true << QStringLiteral("OK")
                               << QStringLiteral("Abbrechen");
    QTest::newRow("unknown mode shows a single OK") << 7 << false << QString() << QStringLiteral("OK");
}

void TestMessageWindow::layoutButtons()
{
    QFETCH(int, mode);
    QFETCH(bool, leftVisible);
    QFETCH(QString, left);
    QFETCH(QString, right);

    // 32 characters: client 376 x 98, buttons 58 from the top.
    const MessageLayout layout =
        LayOutMessageWindow(QStringLiteral("Eigene Werte wurden gespeichert."), mode, FakeWidth);
    QCOMPARE(layout.leftVisible, leftVisible);
    QCOMPARE(layout.leftCaption, left);
    QCOMPARE(layout.rightCaption, right);
    if (leftVisible) {
        QCOMPARE(layout.leftButton, QRect(188 - 75 - 4, 58, 75, 25));
        QCOMPARE(layout.rightButton, QRect(188 + 4, 58, 75, 25));
    } else {
        QCOMPARE(layout.rightButton, QRect(188 - 37, 58, 75, 25));
    }
}

void TestMessageWindow::layoutThreeButtons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clientWidth");

    // 10 pixels a character: a short question is widened to hold the three buttons.
    QTest::newRow("short text widened to 273") << QStringLiteral("Änderungen speichern?") << 273;
    QTest::newRow("long text keeps its width") << QString(60, QLatin1Char('x')) << 32 + 600 + 16 + 8;
}

void TestMessageWindow::layoutThreeButtons()
{
    QFETCH(QString, text);
    QFETCH(int, clientWidth);

    const MessageLayout layout = LayOutMessageWindow(text, ModeYesNoCancel, FakeWidth);
    QCOMPARE(layout.client.width(), clientWidth);
    QCOMPARE(layout.label.width(), clientWidth - 32);
    QVERIFY(layout.leftVisible);
    QVERIFY(layout.thirdVisible);
    QVERIFY(layout.leftIsDefault);
    QCOMPARE(layout.leftCaption, QStringLiteral("Ja"));
    QCOMPARE(layout.rightCaption, QStringLiteral("Nein"));
    QCOMPARE(layout.thirdCaption, QStringLiteral("Abbrechen"));

    // 75 pixels each, 8 apart, the group centred.
    const int left = (clientWidth - 241) / 2;
    const int top = layout.client.height() - 40;
    QCOMPARE(layout.leftButton, QRect(left, top, 75, 25));
    QCOMPARE(layout.rightButton, QRect(left + 83, top, 75, 25));
    QCOMPARE(layout.thirdButton, QRect(left + 166, top, 75, 25));
}

void TestMessageWindow::windowAppliesLayout()
{
    TZeigeNachrichtForm form;
    QCOMPARE(form.objectName(), QStringLiteral("TZeigeNachrichtForm"));
    QCOMPARE(form.windowTitle(), QStringLiteral("  ") + AppTitle());

    // Every caption fits the fixed 75-pixel buttons in whichever window face the system has.
    const QFontMetrics metrics(Button(&form, "NeinBtn")->font());
    for (const char *caption : {"OK", "Ja", "Nein", "Text", "CSV", "Abbrechen"})
        QVERIFY2(metrics.horizontalAdvance(QString::fromLatin1(caption)) + 8 <= MessageButtonWidth, caption);

    const QString text = QStringLiteral("Soll die vorhandene Datei überschrieben werden?\nBitte wählen.");
    const MessageLayout expected = form.layoutFor(text, ModeYesNo);
    QCOMPARE(expected.lineUnits, 3);

    QRect label, ja, nein;
    QSize client;
    QString labelText, jaText, neinText;
    bool jaVisible = false;
    WhenModalShown([&](QWidget *window) {
        label = window->findChild<QLabel *>(QStringLiteral("Label1"))->geometry();
        labelText = window->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        client = window->size();
        ja = Button(window, "JaBtn")->geometry();
        jaText = Button(window, "JaBtn")->text();
        jaVisible = Button(window, "JaBtn")->isVisible();
        nein = Button(window, "NeinBtn")->geometry();
        neinText = Button(window, "NeinBtn")->text();
    });
    form.ask(text, ModeYesNo);

    QCOMPARE(labelText, text);
    QCOMPARE(label, expected.label);
    QCOMPARE(client, expected.client);
    QVERIFY(jaVisible);
    QCOMPARE(jaText, QStringLiteral("Ja"));
    QCOMPARE(ja, expected.leftButton);
    QCOMPARE(neinText, QStringLiteral("Nein"));
    QCOMPARE(nein, expected.rightButton);

    // The next showing replaces everything: a notice hides the left button.
    WhenModalShown([&](QWidget *window) {
        jaVisible = Button(window, "JaBtn")->isVisible();
        neinText = Button(window, "NeinBtn")->text();
    });
    form.ask(QStringLiteral("Fertig."), ModeOk);
    QVERIFY(!jaVisible);
    QCOMPARE(neinText, QStringLiteral("OK"));
}

void TestMessageWindow::answers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");

    QTest::newRow("Text button") << int(ModeTextCsv) << QStringLiteral("JaBtn") << 1;
    QTest::newRow("CSV button") << int(ModeTextCsv) << QStringLiteral("NeinBtn") << 0;
    QTest::newRow("close box") << int(ModeTextCsv) << QStringLiteral("close") << 99;
    QTest::newRow("Escape") << int(ModeYesNo) << QStringLiteral("escape") << 99;
    QTest::newRow("OK of a notice") << int(ModeOk) << QStringLiteral("NeinBtn") << 0;
    QTest::newRow("Ja of three") << int(ModeYesNoCancel) << QStringLiteral("JaBtn") << 1;
    QTest::newRow("Nein of three") << int(ModeYesNoCancel) << QStringLiteral("NeinBtn") << 0;
    QTest::newRow("Abbrechen of three") << int(ModeYesNoCancel) << QStringLiteral("AbbrechenBtn") << 2;
    QTest::newRow("Escape with three") << int(ModeYesNoCancel) << QStringLiteral("escape") << 99;
    QTest::newRow("close box with three") << int(ModeYesNoCancel) << QStringLiteral("close") << 99;
}

void TestMessageWindow::answers()
{
    QFETCH(int, mode);
    QFETCH(QString, how);
    QFETCH(int, answer);

    TZeigeNachrichtForm form;
    WhenModalShown([how](QWidget *window) {
        if (how == QLatin1String("close"))
            window->close();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(window, Qt::Key_Escape);
        else
            QTest::mouseClick(window->findChild<QPushButton *>(how), Qt::LeftButton);
    });
    QCOMPARE(form.ask(QStringLiteral("Welches Format?"), MessageMode(mode)), answer);
    QCOMPARE(form.lastAnswer(), answer);
    QVERIFY(!form.isVisible());
}

void TestMessageWindow::enterPressesRightButton()
{
    TZeigeNachrichtForm form;
    QString focused;
    WhenModalShown([&focused](QWidget *window) {
        QWidget *target = window->focusWidget();
        focused = target != nullptr ? target->objectName() : QString();
        QTest::keyClick(target != nullptr ? target : window, Qt::Key_Return);
    });
    QCOMPARE(form.ask(QStringLiteral("Änderungen speichern?"), ModeYesNo), 0);
    QCOMPARE(focused, QStringLiteral("NeinBtn"));
}

void TestMessageWindow::enterKey()
{
    // One window for the modes in turn: a mode with "Ja" as default must not leave it the
    // default for the next question.
    const struct
    {
        MessageMode mode;
        const char *focused;
        int answer;
    } rows[] = {
        {ModeYesNoDefaultYes, "JaBtn", 1},
        {ModeYesNoCancel, "JaBtn", 1}, // so Enter saves
        {ModeYesNo, "NeinBtn", 0},
    };
    TZeigeNachrichtForm form;
    for (const auto &row : rows) {
        QString shownFocus;
        WhenModalShown([&shownFocus](QWidget *window) {
            QWidget *target = window->focusWidget();
            shownFocus = target != nullptr ? target->objectName() : QString();
            QTest::keyClick(target != nullptr ? target : window, Qt::Key_Return);
        });
        QCOMPARE(form.ask(QStringLiteral("Änderungen speichern?"), row.mode), row.answer);
        QCOMPARE(shownFocus, QString::fromLatin1(row.focused));
    }
}

void TestMessageWindow::callWhileShowingReturns99()
{
    MessageWindowPrompts prompts;
    int nested = -1;
    QString shownAfterNested;
    WhenModalShown([&](QWidget *window) {
        nested = prompts.showNotice(QStringLiteral("Zweite Meldung"));
        shownAfterNested = window->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        QTest::mouseClick(Button(window, "NeinBtn"), Qt::LeftButton);
    });
    QCOMPARE(prompts.askUser(QStringLiteral("Erste Frage"), ModeYesNo), 0);
    QCOMPARE(nested, 99);
    QCOMPARE(shownAfterNested, QStringLiteral("Erste Frage"));
}

void TestMessageWindow::plainMessageBox()
{
    MessageWindowPrompts prompts;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    WhenModalShown([&](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        if (box == nullptr)
            return;
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    prompts.showPlainMessage(QStringLiteral("Schweizer Nährwertdatenbank nicht gefunden! <b>"));
    QCOMPARE(title, AppTitle());
    QCOMPARE(text, QStringLiteral("Schweizer Nährwertdatenbank nicht gefunden! <b>"));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestMessageWindow::saveDialogKeepsSettingsOfLastUse()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    MessageWindowPrompts prompts;

    struct Seen
    {
        QString title, folder, suffix, selected;
        QStringList filters;
        bool confirmsOverwrite = true;
        bool native = true;
    };
    Seen seen;
    const auto inspect = [&seen](QFileDialog *dialog) {
        seen.title = dialog->windowTitle();
        seen.folder = dialog->directory().absolutePath();
        seen.suffix = dialog->defaultSuffix();
        seen.filters = dialog->nameFilters();
        seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        seen.native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
        seen.selected = dialog->selectedFiles().value(0);
    };

    // The meal save sets everything and is confirmed with a name typed without extension.
    WhenModalShown([&inspect](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        if (dialog == nullptr)
            return;
        inspect(dialog);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept checks the name
    });
    FileDialogRequest meal;
    meal.title = QStringLiteral("Speichern als");
    meal.initialFolder = folder.path();
    meal.filter = QStringLiteral("Textdateien (*.txt *.TXT)");
    meal.defaultExtension = QStringLiteral("txt");
    meal.proposedName = QStringLiteral("Montag");
    const QString chosen = prompts.getSaveFileName(meal);
    QCOMPARE(chosen, folder.filePath(QStringLiteral("Montag.txt")));
    QCOMPARE(seen.title, QStringLiteral("Speichern als"));
    QCOMPARE(seen.folder, QDir(folder.path()).absolutePath());
    QCOMPARE(seen.filters, QStringList{meal.filter});
    QCOMPARE(seen.suffix, QStringLiteral("txt"));
    QVERIFY(!seen.confirmsOverwrite);
    // Qt's own dialog, which speaks German, not the desktop's.
    QVERIFY(!seen.native);

    // A report save sets title and name only; the rest stays as the meal save left it.
    WhenModalShown([&inspect](QWidget *window) {
        if (auto *dialog = qobject_cast<QFileDialog *>(window))
            inspect(dialog);
    });
    FileDialogRequest report;
    report.title = QStringLiteral("Speichern als");
    report.proposedName = QStringLiteral("NW-Tagesbilanz-Montag-250101-120000.csv");
    QCOMPARE(prompts.getSaveFileName(report), QString());
    QCOMPARE(seen.folder, QDir(folder.path()).absolutePath());
    QCOMPARE(seen.filters, QStringList{meal.filter});
    QCOMPARE(seen.suffix, QStringLiteral("txt"));
    QCOMPARE(seen.selected, folder.filePath(report.proposedName));

    // An empty proposed name clears the name field instead of offering the report's name.
    WhenModalShown([&inspect](QWidget *window) {
        if (auto *dialog = qobject_cast<QFileDialog *>(window))
            inspect(dialog);
    });
    FileDialogRequest unnamed = meal;
    unnamed.proposedName.clear();
    prompts.getSaveFileName(unnamed);
    QVERIFY2(!seen.selected.endsWith(QLatin1String(".csv")), qPrintable(seen.selected));
}

QTEST_MAIN(TestMessageWindow)
#include "tst_messagewindow.moc"
