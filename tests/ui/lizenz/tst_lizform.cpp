#include "appinfo.h"
#include "scriptedprompts.h"
#include "tlizform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>

namespace {

const QString Stamp = QStringLiteral("Kostbilanz 25.12 10.12.2025 17:53:49 ");

// One turn of the wheel over the picture. A synthetic wheel event is not passed on to parents
// the way a real one is, so it goes straight to the box's viewport, where a real one over the
// picture ends up.
void turnWheel(QWidget *target, int delta)
{
    const QPointF position(100, 100);
    QWheelEvent event(position, target->mapToGlobal(position), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Runs body while the window is open modally, then makes sure it closes so a failed check
// cannot leave the test waiting.
void whileOpen(TLizForm &form, QPoint mainTopLeft, const std::function<void()> &body)
{
    QTimer::singleShot(0, &form, [&form, body] {
        body();
        if (form.isVisible())
            form.reject();
    });
    form.showUsage(mainTopLeft);
}

} // namespace

class TestLizForm : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndPicture();
    void wheelSteps_data();
    void wheelSteps();
    void openingPlacesTitlesAndScrollsToTop();
    void shiftRightPressShowsBuildNotice();
    void otherPressesClose_data();
    void otherPressesClose();
    void noticeKeepsVersionWhenProgramFileIsMissing();

private:
    struct Window
    {
        ScriptedPrompts prompts;
        TLizForm form;
        explicit Window(const QString &programFile = QCoreApplication::applicationFilePath())
            : form(&prompts, Stamp, programFile)
        {
        }
        QScrollArea *box() { return form.findChild<QScrollArea *>(QStringLiteral("ScrollBox1")); }
        QLabel *image() { return form.findChild<QLabel *>(QStringLiteral("Image1")); }
        QPushButton *closeBtn() { return form.findChild<QPushButton *>(QStringLiteral("CloseBtn")); }
        QLabel *title() { return form.findChild<QLabel *>(QStringLiteral("VersionNameLabel")); }
    };
};

void TestLizForm::controlsAndPicture()
{
    Window w;
    QCOMPARE(w.form.objectName(), QStringLiteral("TLizForm"));
    QCOMPARE(w.form.windowTitle(), AppTitle());
    QCOMPARE(w.form.size(), QSize(833, 600));
    QCOMPARE(w.form.minimumSize(), w.form.maximumSize());
    QVERIFY(w.title() && w.box() && w.image() && w.closeBtn());
    QCOMPARE(w.title()->geometry(), QRect(16, 22, 785, 20));
    QCOMPARE(w.box()->geometry(), QRect(16, 48, 801, 480));
    QCOMPARE(w.closeBtn()->geometry(), QRect(360, 551, 97, 25));
    QCOMPARE(w.closeBtn()->text(), QStringLiteral("&Schließen"));
    QCOMPARE(w.box()->frameShape(), QFrame::NoFrame);
    QVERIFY(w.box()->focusPolicy() & Qt::TabFocus);
    QCOMPARE(w.box()->widget(), w.image());
    // The picture comes from the program's resources; a missing resource gives an empty pixmap.
    // It is decoded only when the window is first shown, so a start-up does not carry it.
    QVERIFY(w.image()->pixmap().isNull());
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    // The picture is as high as its text; the box scrolls it whole, down to its last line.
    const QSize picture = w.image()->pixmap().size();
    QCOMPARE(picture.width(), 792);
    QVERIFY(picture.height() > w.box()->viewport()->height());
    QCOMPARE(w.image()->size(), picture);
    QScrollBar *bar = w.box()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QCOMPARE(w.image()->y() + picture.height(), w.box()->viewport()->height());
}

void TestLizForm::wheelSteps_data()
{
    QTest::addColumn<int>("start"); // -1: the end of the picture
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("expected"); // -1: the end of the picture

    QTest::newRow("three notches towards the user") << 0 << QList<int>{-120, -120, -120} << 45;
    QTest::newRow("one notch away from the user") << 100 << QList<int>{120} << 85;
    QTest::newRow("fine wheel step of 15") << 100 << QList<int>{15} << 99;
    QTest::newRow("fine step below 8 cut to nothing") << 100 << QList<int>{-7} << 100;
    QTest::newRow("fine negative step cut toward zero") << 100 << QList<int>{-15} << 101;
    QTest::newRow("stays at the top") << 0 << QList<int>{120, 120} << 0;
    QTest::newRow("stays at the end") << -1 << QList<int>{-120} << -1;
    QTest::newRow("last notch clamped at the end") << -1 << QList<int>{120, -120, -120} << -1;
}

void TestLizForm::wheelSteps()
{
    QFETCH(int, start);
    QFETCH(QList<int>, deltas);
    QFETCH(int, expected);

    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QScrollBar *bar = w.box()->verticalScrollBar();
    QCOMPARE(bar->maximum(), w.image()->pixmap().height() - w.box()->viewport()->height());
    bar->setValue(start < 0 ? bar->maximum() : start);
    for (int delta : deltas)
        turnWheel(w.box()->viewport(), delta);
    QCOMPARE(bar->value(), expected < 0 ? bar->maximum() : expected);
}

void TestLizForm::openingPlacesTitlesAndScrollsToTop()
{
    Window w;
    int firstValue = -1;
    int scrolledValue = -1;
    QPoint placedAt;
    QString caption;
    QString label;
    whileOpen(w.form, QPoint(100, 50), [&] {
        firstValue = w.box()->verticalScrollBar()->value();
        placedAt = w.form.pos();
        caption = w.form.windowTitle();
        label = w.title()->text();
        for (int i = 0; i < 10; ++i)
            turnWheel(w.box()->viewport(), -120);
        scrolledValue = w.box()->verticalScrollBar()->value();
    });
    QCOMPARE(firstValue, 0);
    QCOMPARE(scrolledValue, 150);
    QCOMPARE(placedAt, QPoint(248, 78));
    QCOMPARE(caption, QStringLiteral("  Bedienung und Lizenzvereinbarung"));
    QCOMPARE(label, AppTitle());
    QVERIFY(!w.form.isVisible());

    int reopenedValue = -1;
    QWidget *focused = nullptr;
    whileOpen(w.form, QPoint(0, 0), [&] {
        reopenedValue = w.box()->verticalScrollBar()->value();
        focused = w.form.focusWidget();
    });
    QCOMPARE(reopenedValue, 0);
    QCOMPARE(focused, static_cast<QWidget *>(w.box()));
}

void TestLizForm::shiftRightPressShowsBuildNotice()
{
    Window w;
    VersionInfo block;
    block.addTranslation(0x0407, 0x04E4);
    block.setString(QStringLiteral("\\StringFileInfo\\040704E4\\FileVersion"),
                    QStringLiteral("25.12.0.0-beta"));
    w.form.setVersionInfo(block);

    bool stillOpen = false;
    whileOpen(w.form, QPoint(0, 0), [&] {
        QTest::mousePress(w.closeBtn(), Qt::RightButton, Qt::ShiftModifier);
        QTest::mouseRelease(w.closeBtn(), Qt::RightButton, Qt::ShiftModifier);
        stillOpen = w.form.isVisible();
    });
    QVERIFY(stillOpen);
    QCOMPARE(w.prompts.texts(QStringLiteral("notice")),
             QStringList{QStringLiteral("Build Kostbilanz 25.12 10.12.2025 17:53:49  25.12.0.0-")});
    QCOMPARE(w.form.fileVersionText(), QStringLiteral("25.12.0.0-"));
}

void TestLizForm::otherPressesClose_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right without Shift") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("Shift with left") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl with right") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void TestLizForm::otherPressesClose()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    Window w;
    bool closedOnPress = false;
    whileOpen(w.form, QPoint(0, 0), [&] {
        QTest::mousePress(w.closeBtn(), button, modifiers);
        closedOnPress = !w.form.isVisible(); // before any release
        QTest::mouseRelease(w.closeBtn(), button, modifiers);
    });
    QVERIFY(closedOnPress);
    QVERIFY(w.prompts.calls.isEmpty());
}

void TestLizForm::noticeKeepsVersionWhenProgramFileIsMissing()
{
    Window w(QStringLiteral("/nonexistent/kostbilanz"));
    w.form.show();
    QTest::mousePress(w.closeBtn(), Qt::RightButton, Qt::ShiftModifier);
    QTest::mouseRelease(w.closeBtn(), Qt::RightButton, Qt::ShiftModifier);
    QCOMPARE(w.prompts.texts(QStringLiteral("notice")), QStringList{QStringLiteral("Build ") + Stamp + u' '});
    QVERIFY(w.form.isVisible());
}

QTEST_MAIN(TestLizForm)
#include "tst_lizform.moc"
