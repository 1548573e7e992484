// The recovery file: every change of an unsaved day reaches it, a save or a normal end removes
// it, and the next start offers the day back when the program did not end normally.

#include "mainformsession.h"

#include "datafiles.h"
#include "filesizelimit.h"
#include "sessionfile.h"

namespace {

const QString Apple = QStringLiteral(" Apfel, roh");
const QString Milk = QStringLiteral(" Vollmilch");
const QString Butter = QStringLiteral(" Butter");
const QString Header = QStringLiteral("VNR=Mz251026");
const QString Restore =
    QStringLiteral("Die Mahlzeiten der letzten Sitzung wurden nicht gespeichert. Wiederherstellen?");

// One step of what the user does, by name: "enter", "remove", "change", "up", "clear",
// "reset:<answer>", "save", "read:<answer>", "close:<answer>"; an answer is the one given to
// "Änderungen speichern?".
void Do(MainFormSession &session, const QString &step)
{
    const QString name = step.section(u':', 0, 0);
    const int answer = step.section(u':', 1).toInt();
    session.prompts.answers.clear();
    session.prompts.answers.append(answer);
    if (name == QLatin1String("enter")) {
        session.enter(QStringLiteral("1004"), QStringLiteral("20"));
    } else if (name == QLatin1String("remove") || name == QLatin1String("change")) {
        session.selectRow(1, 0);
        session.click(name == QLatin1String("remove") ? QStringLiteral("LebMitEntfernenBtn")
                                                      : QStringLiteral("LebMitAendernBtn"));
    } else if (name == QLatin1String("up")) {
        session.selectRow(1, 1);
        session.click(QStringLiteral("NachObenSBtn1"));
    } else if (name == QLatin1String("clear")) {
        session.click(QStringLiteral("DelSBtnSheet1"));
    } else if (name == QLatin1String("reset")) {
        session.click(QStringLiteral("DelFormValueBtn"));
    } else if (name == QLatin1String("save")) {
        session.prompts.savePaths.append(session.path(QStringLiteral("gesichert.txt")));
        session.click(QStringLiteral("MzDateiSpeichernBtn"));
    } else if (name == QLatin1String("read")) {
        session.prompts.openPaths.append(session.path(QStringLiteral("tag.txt")));
        session.click(QStringLiteral("MzDateiEinlesenBtn"));
    } else if (name == QLatin1String("close")) {
        session.form->show();
        session.click(QStringLiteral("BeendenBtn"));
    } else {
        QFAIL(qPrintable(step));
    }
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void changesReachTheRecoveryFile_data();
    void changesReachTheRecoveryFile();
    void writtenAtMostOneDelayAfterTheFirstChange();
    void offersTheDayBack_data();
    void offersTheDayBack();
    void killedAndStartedAgainGivesTheSameDay();
    void statusLineSaysWhenTheDayIsNotKept_data();
    void statusLineSaysWhenTheDayIsNotKept();
};

void TestRecovery::changesReachTheRecoveryFile_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("kept"); // the recovery file holds the day afterwards

    QTest::newRow("enter") << QStringList{"enter"} << true;
    QTest::newRow("remove") << QStringList{"remove"} << true;
    QTest::newRow("change") << QStringList{"change"} << true;
    QTest::newRow("move") << QStringList{"up"} << true;
    QTest::newRow("clear a meal") << QStringList{"clear"} << true;
    QTest::newRow("reset after Nein") << QStringList{"enter", "reset:0"} << true;
    QTest::newRow("read another file after Nein") << QStringList{"enter", "read:0"} << false;
    QTest::newRow("saved") << QStringList{"enter", "save"} << false;
    QTest::newRow("save question cancelled") << QStringList{"enter", "close:2"} << true;
    QTest::newRow("ended normally without saving") << QStringList{"enter", "close:0"} << false;
    QTest::newRow("ended normally after saving") << QStringList{"enter", "close:1"} << false;
    QTest::newRow("read without a change") << QStringList{"read"} << false;
}

void TestRecovery::changesReachTheRecoveryFile()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, kept);

    MainFormSession session(QStringLiteral("good"), {}, {}, 0);
    session.readMealFile(QStringLiteral("tag.txt"), {Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                                                     QStringLiteral("Mahlzeit1=1;1002;250,0;")});
    session.prompts.savePaths.append(session.path(QStringLiteral("gesichert.txt")));
    const QString recoveryFile = session.path(SessionFileName);
    session.runTimers();
    QVERIFY(!QFileInfo::exists(recoveryFile)); // read, not changed: nothing to keep
    for (const QString &step : steps) {
        Do(session, step);
        session.runTimers();
        if (step == steps.first() && step != QLatin1String("read"))
            QVERIFY2(QFileInfo::exists(recoveryFile), qPrintable(step));
    }

    QCOMPARE(QFileInfo::exists(recoveryFile), kept);
    if (!kept)
        return;
    const QByteArray expected = EncodeTextLines(
        SessionFileLines(session.form->mealPlan(), session.text(QStringLiteral("DateiNameLabel"))),
        TextEncoding::Utf8Bom);
    QCOMPARE(MainFormSession::bytes(recoveryFile), expected);
    if (!session.form->mealPlan().allEmpty()) {
        const QString sessionLine =
            QStringLiteral(";%1;Datei tag.txt;%1;\r\n").arg(session.path(QStringLiteral("tag.txt")));
        QVERIFY(expected.endsWith(sessionLine.toUtf8()));
    }
}

void TestRecovery::writtenAtMostOneDelayAfterTheFirstChange()
{
    MainFormSession session(QStringLiteral("good"), {}, {}, 10000);
    const QString recoveryFile = session.path(SessionFileName);
    QCOMPARE(session.scheduler.pendingCount(), 0);

    session.enter(QStringLiteral("1001"), QStringLiteral("100"));
    QCOMPARE(session.scheduler.nextDueInMs(), 10000);
    session.scheduler.advance(9000);
    // Typing on does not put the write off.
    session.enter(QStringLiteral("1002"), QStringLiteral("100"));
    QCOMPARE(session.scheduler.pendingCount(), 1);
    QCOMPARE(session.scheduler.nextDueInMs(), 1000);
    session.scheduler.advance(999);
    QVERIFY(!QFileInfo::exists(recoveryFile));
    session.scheduler.advance(1);
    QCOMPARE(MainFormSession::bytes(recoveryFile),
             EncodeTextLines(SessionFileLines(session.form->mealPlan(), QString()), TextEncoding::Utf8Bom));
}

void TestRecovery::offersTheDayBack_data()
{
    QTest::addColumn<QByteArray>("file"); // the recovery file left behind; null: none
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QStringList>("meal1");
    QTest::addColumn<bool>("fileKept");

    const QByteArray day("VNR=Mz251026\r\nMahlzeit1=1;1001;150,0;\r\nMahlzeit1=1;1002;250,0;\r\n"
                         "Sitzung=1;/home/anna/tag.txt;Datei tag.txt;\r\n");
    const QStringList restored{Apple, Milk};
    const QStringList none;
    const QString damaged = QStringLiteral("Die Wiederherstellungsdatei war beschädigt und wurde entfernt.");

    QTest::newRow("no file") << QByteArray() << -1 << false << none << none << false;
    QTest::newRow("Ja") << day << 1 << true << none << restored << true;
    QTest::newRow("Nein") << day << 0 << true << none << none << false;
    QTest::newRow("question closed") << day << 99 << true << none << none << false;
    QTest::newRow("a day without entries")
        << QByteArray("VNR=Mz251026\r\nSitzung=1;;;\r\n") << -1 << false << none << none << false;
    QTest::newRow("cut off") << QByteArray("VNR=Mz251026\r\nMahlzeit1=1;1001;150,0;\r\nMahlz") << -1 << false
                             << QStringList{damaged} << none << false;
    QTest::newRow("binary") << QByteArray("\x00\xFF\x10garbage", 10) << -1 << false << QStringList{damaged}
                            << none << false;

    QByteArray unknown("VNR=Mz251026\r\nMahlzeit1=1;1001;150,0;\r\n");
    for (int id = 901; id <= 907; ++id)
        unknown += "Mahlzeit2=1;" + QByteArray::number(id) + ";1,0;\r\n";
    unknown += "Sitzung=1;;;\r\n";
    QStringList refusals;
    for (int id = 901; id <= 905; ++id)
        refusals.append(QStringLiteral("Lebensmittel-ID %1 nicht in Liste vorhanden !").arg(id));
    refusals.append(QStringLiteral("Weitere 2 Zeilen wurden nicht übernommen."));
    QTest::newRow("foods gone since: the usual checks")
        << unknown << 1 << true << refusals << QStringList{Apple} << true;
}

void TestRecovery::offersTheDayBack()
{
    QFETCH(QByteArray, file);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QStringList, meal1);
    QFETCH(bool, fileKept);

    QList<QPair<QString, QByteArray>> files;
    if (!file.isNull())
        files.append({SessionFileName, file});
    MainFormSession session(QStringLiteral("good"), files);
    QCOMPARE(session.prompts.calls.size(), 0); // nothing asked while the window is made
    session.prompts.answers.append(answer);
    session.pages()->setCurrentIndex(3);

    session.form->OfferSessionRecovery();

    QCOMPARE(session.prompts.texts(QStringLiteral("ask")), asked ? QStringList{Restore} : QStringList());
    if (asked)
        QCOMPARE(session.prompts.calls.first().mode, int(ModeYesNoDefaultYes));
    QTEST(session.prompts.texts(QStringLiteral("notice")), "notices");
    QCOMPARE(session.names(1), meal1);
    QCOMPARE(QFileInfo::exists(session.path(SessionFileName)), fileKept);
    const MealPlan &plan = session.form->mealPlan();
    if (meal1.isEmpty()) {
        QVERIFY(plan.allEmpty());
        QVERIFY(!plan.changed());
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QString());
        return;
    }
    // Taken back as unsaved, with the file it came from, shown from meal 1.
    QVERIFY(plan.changed());
    QCOMPARE(plan.activeMeal(), 1);
    QCOMPARE(session.pages()->currentIndex(), 0);
    QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")).isEmpty(), false);
    QVERIFY(!session.marker(1)->isHidden());
    if (session.prompts.texts(QStringLiteral("notice")).isEmpty()) {
        QCOMPARE(plan.loadedMealFilePath(), QStringLiteral("/home/anna/tag.txt"));
        QCOMPARE(session.text(QStringLiteral("DateiNameLabel")), QStringLiteral("Datei tag.txt"));
        QCOMPARE(session.text(QStringLiteral("MengLabelTaSu")), QStringLiteral("400"));
    }
}

void TestRecovery::killedAndStartedAgainGivesTheSameDay()
{
    MainFormSession session(QStringLiteral("good"), {}, {}, 0);
    // A folder name with the field separator of the session line in it.
    const QString folder = session.path(QStringLiteral("Wo;che 50%"));
    QVERIFY(QDir().mkpath(folder));
    const QString mealFile = folder + QStringLiteral("/Montag.txt");
    QVERIFY(WriteBytes(mealFile, CrLfLines({Header, QStringLiteral("Mahlzeit1=1;1001;150,0;"),
                                            QStringLiteral("Mahlzeit3=2;30001;2,0;")})));
    session.prompts.openPaths.append(mealFile);
    session.form->ReadMealFile();
    session.enter(QStringLiteral("1002"), QStringLiteral("12,5"));
    session.enter(QStringLiteral("1004"), QStringLiteral("20"));
    session.selectRow(1, 2);
    session.click(QStringLiteral("NachObenSBtn1"));
    session.runTimers();

    QStringList shown;
    for (int n = 1; n <= MealCount; ++n)
        shown.append(session.names(n).join(u'|') + QLatin1Char('/') +
                     session.text(QStringLiteral("MengLabelSu%1").arg(n)));
    shown.append(session.text(QStringLiteral("DateiNameLabel")));
    for (int k = 0; k < NutrientCount; ++k)
        shown.append(session.text(QStringLiteral("ProzLabel%1").arg(k)));
    const QStringList savedBefore = MealFileLines(session.form->mealPlan());

    session.restart();
    session.prompts.answers.append(AnswerLeft);
    session.form->OfferSessionRecovery();

    QStringList shownAgain;
    for (int n = 1; n <= MealCount; ++n)
        shownAgain.append(session.names(n).join(u'|') + QLatin1Char('/') +
                          session.text(QStringLiteral("MengLabelSu%1").arg(n)));
    shownAgain.append(session.text(QStringLiteral("DateiNameLabel")));
    for (int k = 0; k < NutrientCount; ++k)
        shownAgain.append(session.text(QStringLiteral("ProzLabel%1").arg(k)));
    QCOMPARE(shownAgain, shown);
    QCOMPARE(session.names(1), (QStringList{Apple, Butter, Milk}));
    QCOMPARE(session.form->mealPlan().loadedMealFilePath(), mealFile);
    QCOMPARE(session.prompts.texts(QStringLiteral("notice")), QStringList());

    // Saved to a new file, it is the day as it was before the crash, and nothing is left to recover.
    const QString newFile = session.path(QStringLiteral("gerettet.txt"));
    session.prompts.clear();
    session.prompts.savePaths.append(newFile);
    QCOMPARE(session.prompts.calls.size(), 0);
    QVERIFY(session.form->SaveMealFile());
    QCOMPARE(session.prompts.calls.first().request.proposedName, QStringLiteral("Montag.txt"));
    QCOMPARE(MainFormSession::bytes(newFile), CrLfLines(savedBefore));
    QVERIFY(!QFileInfo::exists(session.path(SessionFileName)));
}

void TestRecovery::statusLineSaysWhenTheDayIsNotKept_data()
{
    QTest::addColumn<bool>("folderInPlace"); // a folder named like the recovery file at start
    QTest::addColumn<QString>("status");     // while the day cannot be kept; "@" the data folder

    // A full disk (here: no file may grow) until the user makes room.
    QTest::newRow("write fails, then works again")
        << false << QStringLiteral("Wiederherstellung nicht möglich: Die Datei ist zu groß");
    // Not the program's to remove: said once, at start, and left alone.
    QTest::newRow("a folder has the recovery file's name")
        << true << QStringLiteral("Wiederherstellung nicht möglich: „@/NwSitzung.dat“ ist keine normale Datei.");
}

void TestRecovery::statusLineSaysWhenTheDayIsNotKept()
{
    QFETCH(bool, folderInPlace);
    QFETCH(QString, status);

    MainFormSession session(QStringLiteral("good"), {},
                            folderInPlace ? QStringList{SessionFileName} : QStringList(), 0);
    status.replace(QLatin1Char('@'), session.dir.path());
    const QString recoveryFile = session.path(SessionFileName);
    auto *line = session.form->findChild<QLabel *>(QStringLiteral("StatusLabel"));
    QVERIFY(line != nullptr);
    // The free strip under the day panel, down to the window's edge.
    QCOMPARE(line->geometry(), QRect(17, 728, 1168, 16));
    QCOMPARE(line->text(), QString());

    session.form->OfferSessionRecovery();
    QCOMPARE(line->text(), folderInPlace ? status : QString());
    session.enter(QStringLiteral("1001"), QStringLiteral("100"));
    {
        FileSizeLimit full(0);
        QVERIFY(full.active());
        session.enter(QStringLiteral("1002"), QStringLiteral("100"));
        session.runTimers();
    }
    QCOMPARE(line->text(), status);
    // Typing is never interrupted: no box, no question.
    QCOMPARE(session.prompts.calls.size(), 0);
    QCOMPARE(QFileInfo(recoveryFile).isDir(), folderInPlace);

    // Room again: the next change is kept, and the line says nothing more.
    session.enter(QStringLiteral("1004"), QStringLiteral("20"));
    session.runTimers();
    QCOMPARE(line->text(), folderInPlace ? status : QString());
    QCOMPARE(QFileInfo(recoveryFile).isFile(), !folderInPlace);
    if (folderInPlace) {
        QVERIFY(QFileInfo(recoveryFile).isDir());
        // At the next start once more, and still no box.
        session.restart();
        session.form->OfferSessionRecovery();
        QCOMPARE(session.prompts.calls.size(), 0);
        QCOMPARE(session.form->findChild<QLabel *>(QStringLiteral("StatusLabel"))->text(), status);
    }
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
