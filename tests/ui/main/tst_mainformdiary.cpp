// The date bar of the main window: its keys wherever the focus is, the day written when the
// date changes, and the save question when a changed meal file gives way to a date.

#include "mainformsession.h"

#include "diary.h"

#include <QFileInfo>
#include <QPushButton>

namespace {

const QString Header = QStringLiteral("VNR=Mz251026");

// The window of a MainFormSession started again with a diary in the session's own folder,
// shown and active so that keys reach it. The clock stands at Sunday, 26 October 2025.
void StartWithDiary(MainFormSession &session)
{
    session.context.documentsFolder = session.path(QStringLiteral("Dokumente"));
    session.form.reset();
    session.form = std::make_unique<TMainForm>(session.context);
    session.form->show();
    QVERIFY(QTest::qWaitForWindowActive(session.form.get()));
}

QString DiaryPath(const MainFormSession &session, const QDate &date)
{
    return DiaryFolderIn(session.path(QStringLiteral("Dokumente"))) + QLatin1Char('/') + DiaryFileName(date);
}

QString DateBarText(const MainFormSession &session)
{
    return session.control<QPushButton>(QStringLiteral("DatumBtn"))->text();
}

} // namespace

class TestMainFormDiary : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTodaysDiaryDay_data();
    void startsOnTodaysDiaryDay();
    void dateBarKeys_data();
    void dateBarKeys();
    void changedFileGivesWayToADate_data();
    void changedFileGivesWayToADate();
    void yesterdayWhereverTheFocusIs_data();
    void yesterdayWhereverTheFocusIs();
};

void TestMainFormDiary::startsOnTodaysDiaryDay_data()
{
    QTest::addColumn<QByteArray>("file"); // today's diary file; empty: none
    QTest::addColumn<QStringList>("meal");
    QTest::addColumn<QString>("amount"); // the day's amount sum shown

    QTest::newRow("no file: blank as any start") << QByteArray() << QStringList() << QString();
    QTest::newRow("a food entered earlier today")
        << QByteArray("VNR=Mz251026\r\nMahlzeit1=1;1001;150,0;\r\n") << QStringList{QStringLiteral(" Apfel, roh")}
        << QStringLiteral("150");
}

void TestMainFormDiary::startsOnTodaysDiaryDay()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, meal);
    QFETCH(QString, amount);
    MainFormSession session(QStringLiteral("good"));
    if (!file.isEmpty()) {
        const QString today = DiaryPath(session, QDate(2025, 10, 26));
        QVERIFY(QDir().mkpath(QFileInfo(today).path()));
        QVERIFY(WriteBytes(today, file));
    }
    StartWithDiary(session);
    QCOMPARE(DateBarText(session), QStringLiteral("So 26.10.2025"));
    QCOMPARE(session.names(1), meal);
    QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")), amount);
    QCOMPARE(session.prompts.calls.size(), 0);
    // Only looked at: the end writes nothing, and leaves no folder behind for an empty day.
    session.form.reset();
    QCOMPARE(QFile::exists(session.path(QStringLiteral("Dokumente"))), !file.isEmpty());
}

void TestMainFormDiary::dateBarKeys_data()
{
    QTest::addColumn<QString>("focus"); // the control that has the focus when the keys are pressed
    QTest::newRow("in the amount") << "MengEdit";
    QTest::newRow("on the meal list") << "AnzeigeListView1";
    QTest::newRow("on the date") << "DatumBtn";
}

void TestMainFormDiary::dateBarKeys()
{
    QFETCH(QString, focus);
    MainFormSession session(QStringLiteral("good"));
    StartWithDiary(session);
    QCOMPARE(DateBarText(session), QStringLiteral("So 26.10.2025"));
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Tagebuch 26.10.2025"));
    session.enter(QStringLiteral("1001"), QStringLiteral("150"));
    const QString sunday = DiaryPath(session, QDate(2025, 10, 26));
    QVERIFY(!QFile::exists(sunday)); // not before its delay, or the date changes
    session.control(focus)->setFocus();
    QCOMPARE(FocusedControl(), session.control(focus));

    PressKey(Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(DateBarText(session), QStringLiteral("Sa 25.10.2025"));
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Tagebuch 25.10.2025"));
    QCOMPARE(session.names(1), QStringList());
    // The day left was written at once, without a question.
    QVERIFY(QFile::exists(sunday));
    QCOMPARE(session.prompts.calls.size(), 0);

    PressKey(Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(DateBarText(session), QStringLiteral("Fr 24.10.2025"));
    PressKey(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(DateBarText(session), QStringLiteral("Sa 25.10.2025"));
    PressKey(Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(DateBarText(session), QStringLiteral("So 26.10.2025"));
    QCOMPARE(session.names(1), QStringList{QStringLiteral(" Apfel, roh")});
    PressKey(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(DateBarText(session), QStringLiteral("Mo 27.10.2025"));
    QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Tagebuch 27.10.2025"));
    // Days only looked at leave no file.
    QCOMPARE(QDir(DiaryFolderIn(session.path(QStringLiteral("Dokumente"))))
                 .entryList({QStringLiteral("*.txt")}, QDir::Files),
             QStringList{DiaryFileName(QDate(2025, 10, 26))});
    QCOMPARE(session.prompts.calls.size(), 0);
}

void TestMainFormDiary::changedFileGivesWayToADate_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("dateShown"); // false: the file stays shown
    QTest::addColumn<bool>("fileSaved"); // the file holds the food entered since it was read

    QTest::newRow("Ja: saved, then the date") << int(AnswerLeft) << true << true;
    QTest::newRow("Nein: the date, the file as it was") << int(AnswerRight) << true << false;
    QTest::newRow("Abbrechen: the file stays") << int(AnswerThird) << false << false;
    QTest::newRow("closed box: the file stays") << int(AnswerClosed) << false << false;
}

void TestMainFormDiary::changedFileGivesWayToADate()
{
    QFETCH(int, answer);
    QFETCH(bool, dateShown);
    QFETCH(bool, fileSaved);

    MainFormSession session(QStringLiteral("good"));
    StartWithDiary(session);
    session.readMealFile(QStringLiteral("patient.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;100,0;")});
    QCOMPARE(DateBarText(session), QStringLiteral("Datum wählen"));
    session.enter(QStringLiteral("1002"), QStringLiteral("200"));
    const QStringList fileMeal = session.names(1);
    QCOMPARE(fileMeal.size(), 2);
    const QByteArray before = MainFormSession::bytes(session.path(QStringLiteral("patient.txt")));
    session.prompts.clear();
    session.prompts.answers.append(answer);
    session.prompts.savePaths.append(session.path(QStringLiteral("patient.txt")));
    session.prompts.answers.append(AnswerLeft); // replacing the file, when asked

    PressKey(Qt::Key_Home, Qt::AltModifier);

    const QList<ScriptedPrompts::Call> &calls = session.prompts.calls;
    QVERIFY(!calls.isEmpty());
    QCOMPARE(calls.first().kind, QStringLiteral("ask"));
    QCOMPARE(calls.first().text, QStringLiteral("Änderungen speichern?"));
    QCOMPARE(calls.first().mode, int(ModeYesNoCancel));
    const QByteArray after = MainFormSession::bytes(session.path(QStringLiteral("patient.txt")));
    QCOMPARE(after != before, fileSaved);
    if (fileSaved)
        QVERIFY(after.contains("1002;200"));
    if (dateShown) {
        QCOMPARE(DateBarText(session), QStringLiteral("So 26.10.2025"));
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Tagebuch 26.10.2025"));
        QCOMPARE(session.names(1), QStringList());
    } else {
        QCOMPARE(DateBarText(session), QStringLiteral("Datum wählen"));
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei patient.txt"));
        QCOMPARE(session.names(1), fileMeal);
        QVERIFY(session.form->mealPlan().changed());
    }
    // The patient's day never lands in the diary, whatever the answer.
    session.runTimers();
    session.form.reset();
    QVERIFY(!QFile::exists(DiaryPath(session, QDate(2025, 10, 26))));
}

void TestMainFormDiary::yesterdayWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus"); // the control that has the focus when Strg+G is pressed
    QTest::addColumn<bool>("fileShown"); // a meal file instead of the diary day
    QTest::newRow("in the amount") << "MengEdit" << false;
    QTest::newRow("on the meal list") << "AnzeigeListView2" << false;
    QTest::newRow("on the date") << "DatumBtn" << false;
    QTest::newRow("a meal file shown: no yesterday") << "MengEdit" << true;
}

void TestMainFormDiary::yesterdayWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(bool, fileShown);
    MainFormSession session(QStringLiteral("good"));
    const QString saturday = DiaryPath(session, QDate(2025, 10, 25));
    QVERIFY(QDir().mkpath(QFileInfo(saturday).path()));
    QVERIFY(WriteBytes(saturday, "VNR=Mz251026\r\nMahlzeit1=1;1004;10,0;\r\nMahlzeit2=1;1001;150,0;\r\n"
                                 "Mahlzeit2=2;1002;200,0;\r\n"));
    StartWithDiary(session);
    if (fileShown)
        session.readMealFile(QStringLiteral("patient.txt"), {Header, QStringLiteral("Mahlzeit1=1;1003;100,0;")});
    session.form->setActiveMeal(2);
    session.control(focus)->setFocus();
    QCOMPARE(FocusedControl(), session.control(focus));
    const QString button = session.control<QPushButton>(QStringLiteral("GesternBtn"))->toolTip();
    QVERIFY2(button.endsWith(QStringLiteral("(Strg+G)")), qPrintable(button));

    PressKey(Qt::Key_G, Qt::ControlModifier);
    if (fileShown) {
        QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList{DaySession::NoYesterdayText()});
        QCOMPARE(session.names(2), QStringList());
        return;
    }
    // Saturday's second meal, appended to Sunday's second meal; the first stays as it was.
    const QStringList copied{QStringLiteral(" Apfel, roh"), QStringLiteral(" Vollmilch")};
    QCOMPARE(session.names(2), copied);
    QCOMPARE(session.names(1), QStringList());
    QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")), QStringLiteral("350"));
    QCOMPARE(session.prompts.calls.size(), 0);

    PressKey(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(session.names(2), QStringList());
    QCOMPARE(session.form->findChild<QLabel *>(QStringLiteral("StatusLabel"))->text(),
             QStringLiteral("Rückgängig: Gestern (Mahlzeit 2 vom 25.10.2025)"));
    PressKey(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(session.names(2), copied);
    // Kept as any change of the diary day: in Sunday's file one delay later.
    session.runTimers();
    QVERIFY(MainFormSession::bytes(DiaryPath(session, QDate(2025, 10, 26))).contains("1002;200"));
}

QTEST_MAIN(TestMainFormDiary)
#include "tst_mainformdiary.moc"
