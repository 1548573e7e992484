// The diary without any window: file names and dates, writing and removing a day, the lock, the
// dates listed and ranges with gaps summarised; and the session on a diary day: it opens on
// today, writes a change within the delay (not put off by more typing), at once on another
// date and at the end, leaves no file for an empty day, asks no question for a diary day but
// asks before leaving a changed file, keeps undo across the writes, and keeps a day it cannot
// write in the status line and the recovery file. All in a temporary folder under a scheduler
// the test moves on.
#include "daysession.h"

#include "datafiles.h"
#include "daysummary.h"
#include "diary.h"
#include "fakescheduler.h"
#include "foodlines.h"
#include "mealfile.h"
#include "scriptedprompts.h"
#include "sessionfile.h"
#include "testfiles.h"
#include "userprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int Delay = 2000;
const QDate Today(2026, 12, 11);
const QString Header = QStringLiteral("VNR=Mz251026");

QByteArray DayFile(const QStringList &lines)
{
    return CrLfLines(QStringList{Header} + lines);
}

// A data folder with three Swiss foods, a documents folder, and a session on them whose clock
// stands at Today.
class Diaried
{
public:
    Diaried()
    {
        const QStringList values{"52", "11,4", "10,3", "0,2", "0", "0,3", "0", "0,2", "5", "5", "0", "0", "85,6"};
        QDir().mkpath(data());
        WriteBytes(data() + SwissFoodFileName,
                   CrLfLines({QStringLiteral("Schweizer Nährwertdatenbank (Testauszug)"), QStringLiteral("ID;Name;"),
                              QStringLiteral("Einheit;"), SwissFoodLine("1001", "Apfel, roh", values),
                              SwissFoodLine("1002", "Vollmilch", values), SwissFoodLine("1003", "Butter", values)}));
        start();
    }

    void start()
    {
        session.reset();
        DaySessionContext context;
        context.dataDirectory = data();
        context.documentsFolder = dir.filePath(QStringLiteral("Dokumente"));
        context.prompts = &prompts;
        context.clock = [] { return QDateTime(Today, QTime(9, 0)); };
        context.locale = QLocale(QLocale::German, QLocale::Germany);
        context.scheduler = &scheduler;
        context.recoveryDelayMs = Delay;
        session = std::make_unique<DaySession>(context);
        session->loadData();
        session->openDiary();
        prompts.clear();
    }

    QString data() const { return dir.filePath(QStringLiteral("daten")) + QLatin1Char('/'); }
    QString diaryFolder() const { return dir.filePath(QStringLiteral("Dokumente/Kostbilanz/Tagebuch")) + '/'; }
    QString dayPath(const QDate &date) const { return diaryFolder() + DiaryFileName(date); }
    void put(const QDate &date, const QByteArray &bytes) const
    {
        QDir().mkpath(diaryFolder());
        QVERIFY(WriteBytes(dayPath(date), bytes));
    }

    void enter(const QString &id, const QString &amount)
    {
        session->showFood(session->foodStore().index().findById(id));
        session->setAmountText(amount);
        session->enterFood();
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    FakeScheduler scheduler;
    std::unique_ptr<DaySession> session;
};

} // namespace

class TestDiary : public QObject
{
    Q_OBJECT

private slots:
    void fileNamesAndTexts_data();
    void fileNamesAndTexts();
    void writeRemovesAnEmptyDayAndListsOnlyDays();
    void secondDiaryOnTheSameFolderIsRefused();
    void rangeWithGapsIsSummarisedInDateOrder();

    void opensOnTodayWithoutWritingAnything();
    void changeIsWrittenWithinTheDelayNotPutOff();
    void anotherDateWritesAtOnceAndReadsItsFile();
    void emptiedDayLeavesNoFileAndResetIsUndoable();
    void readingAFileLeavesTheDiaryAlone();
    void leavingAChangedFileAsksFirst_data();
    void leavingAChangedFileAsksFirst();
    void undoWorksAcrossTheWritesAndDates();
    void closeWritesWithoutAQuestion();
    void failedWriteStaysInStatusAndRecoveryFile();
    void unreadableDayIsNotShownNorOverwritten();
};

void TestDiary::fileNamesAndTexts_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("label");
    QTest::newRow("friday") << QDate(2026, 12, 11) << "2026-12-11.txt" << "Fr 11.12.2026" << "Tagebuch 11.12.2026";
    QTest::newRow("leap day, a sunday") << QDate(2032, 2, 29) << "2032-02-29.txt" << "So 29.02.2032"
                                        << "Tagebuch 29.02.2032";
    QTest::newRow("monday, new year") << QDate(2024, 1, 1) << "2024-01-01.txt" << "Mo 01.01.2024"
                                      << "Tagebuch 01.01.2024";
}

void TestDiary::fileNamesAndTexts()
{
    QFETCH(QDate, date);
    QFETCH(QString, fileName);
    QFETCH(QString, weekday);
    QFETCH(QString, label);
    QCOMPARE(DiaryFileName(date), fileName);
    QCOMPARE(DiaryFileDate(fileName), date);
    QCOMPARE(WeekdayDateText(date), weekday);
    QCOMPARE(DiaryLabel(date), label);
    QCOMPARE(DiaryLabelDate(label), date);
    // Near misses are no days of the diary.
    for (const QString &other : {QStringLiteral("2026-02-30.txt"), QStringLiteral("2026-12-11 (2).txt"),
                                 QStringLiteral("2026-12-11.TXT"), QStringLiteral("26-12-11.txt")})
        QVERIFY2(!DiaryFileDate(other).isValid(), qPrintable(other));
    QVERIFY(!DiaryLabelDate(QStringLiteral("Datei 2026-12-11.txt")).isValid());
    QCOMPARE(DiaryFolderIn(QStringLiteral("/home/a/Dokumente")), QStringLiteral("/home/a/Dokumente/Kostbilanz/Tagebuch/"));
}

void TestDiary::writeRemovesAnEmptyDayAndListsOnlyDays()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("a/b/Tagebuch"));
    Diary diary(folder);
    QVERIFY(!QFileInfo::exists(folder)); // nothing made before the first write
    QVERIFY(diary.datesWithEntries().isEmpty());

    const QStringList day{Header, QStringLiteral("Mahlzeit1=1;1001;100,0;")};
    QVERIFY(diary.write(QDate(2026, 12, 11), day).ok);
    QVERIFY(diary.write(QDate(2026, 12, 9), day).ok);
    QCOMPARE(ReadBytes(diary.filePath(QDate(2026, 12, 11))), DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;")}));
    // Other files in the folder are no days; the lock is none either.
    WriteBytes(diary.folder() + QStringLiteral("Notizen.txt"), "x");
    WriteBytes(diary.folder() + QStringLiteral("2026-12-10 (Kopie).txt"), "x");
    QCOMPARE(diary.datesWithEntries(), (QList<QDate>{QDate(2026, 12, 9), QDate(2026, 12, 11)}));
    QCOMPARE(diary.datesWithEntries(QDate(2026, 12, 10), QDate(2026, 12, 31)), QList<QDate>{QDate(2026, 12, 11)});

    // The header alone is an empty day: its file goes, and removing a missing one is no fault.
    QVERIFY(diary.write(QDate(2026, 12, 11), {Header}).ok);
    QVERIFY(!QFileInfo::exists(diary.filePath(QDate(2026, 12, 11))));
    QVERIFY(diary.write(QDate(2026, 12, 12), {Header}).ok);
    QCOMPARE(diary.datesWithEntries(), QList<QDate>{QDate(2026, 12, 9)});
}

void TestDiary::secondDiaryOnTheSameFolderIsRefused()
{
    // Two copies of the program with different data folders share the one diary folder.
    QTemporaryDir dir;
    Diary first(dir.path());
    Diary second(dir.path());
    const QStringList day{Header, QStringLiteral("Mahlzeit1=1;1001;100,0;")};
    QVERIFY(first.write(QDate(2026, 12, 11), day).ok);
    const WriteResult refused = second.write(QDate(2026, 12, 11), {Header});
    QVERIFY(!refused.ok);
    QVERIFY(refused.refused());
    QVERIFY(refused.message().contains(QStringLiteral("anderen laufenden Kostbilanz")));
    QVERIFY(QFileInfo::exists(first.filePath(QDate(2026, 12, 11))));
    QVERIFY(QFileInfo::exists(dir.filePath(DiaryLockFileName)));
}

void TestDiary::rangeWithGapsIsSummarisedInDateOrder()
{
    Diaried day;
    day.put(QDate(2026, 12, 8), DayFile({QStringLiteral("Mahlzeit1=1;1001;200,0;")}));
    day.put(QDate(2026, 12, 10), DayFile({})); // there, but empty: a day of zeros
    const Diary diary(day.diaryFolder());
    const QList<DiaryDay> range = diary.range(QDate(2026, 12, 7), QDate(2026, 12, 10));
    QCOMPARE(range.size(), 4);
    QVERIFY(diary.range(QDate(2026, 12, 10), QDate(2026, 12, 7)).isEmpty());

    const DaySummary summary =
        SummariseDiaryDays(range, day.session->foodStore().index(), day.session->requirements().active);
    QVERIFY2(summary.skipped.isEmpty(), qPrintable(summary.skipped.value(0).reason));
    QCOMPARE(summary.days.size(), 2);
    QCOMPARE(summary.days.at(0).label, QStringLiteral("Di 08.12.2026"));
    QCOMPARE(summary.days.at(1).date, QDate(2026, 12, 10));
    QCOMPARE(summary.missingDates, (QList<QDate>{QDate(2026, 12, 7), QDate(2026, 12, 9)}));
    // Two days read, so 200 g over two days; the missing dates count in no average.
    QCOMPARE(summary.average.amount, 100.0);
}

void TestDiary::opensOnTodayWithoutWritingAnything()
{
    Diaried day;
    QCOMPARE(day.session->diaryDate(), Today);
    QCOMPARE(day.session->fileLabel(), QStringLiteral("Tagebuch 11.12.2026"));
    QVERIFY(!QFileInfo::exists(day.diaryFolder())); // made when first needed
    QCOMPARE(day.scheduler.pendingCount(), 0);

    // A day already kept is shown at start.
    day.put(Today, DayFile({QStringLiteral("Mahlzeit2=1;1002;150,0;")}));
    day.start();
    QCOMPARE(day.session->plan().entryCount(2), 1);
    QVERIFY(!day.session->plan().changed());
}

void TestDiary::changeIsWrittenWithinTheDelayNotPutOff()
{
    Diaried day;
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    day.scheduler.advance(Delay - 1);
    QVERIFY(!QFileInfo::exists(day.dayPath(Today)));
    day.enter(QStringLiteral("1002"), QStringLiteral("50")); // more typing does not put it off
    day.scheduler.advance(1);
    QCOMPARE(ReadBytes(day.dayPath(Today)),
             DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;"), QStringLiteral("Mahlzeit1=1;1002;50,0;")}));
    QVERIFY(!day.session->plan().changed());
    QVERIFY(!QFileInfo::exists(SessionFilePath(day.data()))); // the diary keeps it, not the recovery file
    QVERIFY(day.prompts.calls.isEmpty());
}

void TestDiary::anotherDateWritesAtOnceAndReadsItsFile()
{
    Diaried day;
    day.put(Today.addDays(-1), DayFile({QStringLiteral("Mahlzeit3=1;1003;10,0;")}));
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    QVERIFY(day.session->stepDiaryDay(-1));
    QVERIFY(QFileInfo::exists(day.dayPath(Today))); // no wait for the delay
    QCOMPARE(day.session->diaryDate(), Today.addDays(-1));
    QCOMPARE(day.session->fileLabel(), QStringLiteral("Tagebuch 10.12.2026"));
    QCOMPARE(day.session->plan().entryCount(1), 0);
    QCOMPARE(day.session->plan().entryCount(3), 1);
    QCOMPARE(day.scheduler.pendingCount(), 0);
    QVERIFY(day.session->showDiaryDay(day.session->today()));
    QCOMPARE(day.session->plan().entryCount(1), 1);
    QVERIFY(day.prompts.calls.isEmpty());
}

void TestDiary::emptiedDayLeavesNoFileAndResetIsUndoable()
{
    Diaried day;
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    day.scheduler.advance(Delay);
    QVERIFY(QFileInfo::exists(day.dayPath(Today)));

    day.session->resetAll(); // no question on a diary day
    QVERIFY(day.prompts.calls.isEmpty());
    QCOMPARE(day.session->diaryDate(), Today);
    QCOMPARE(day.session->fileLabel(), QStringLiteral("Tagebuch 11.12.2026"));
    day.scheduler.advance(Delay);
    QVERIFY(!QFileInfo::exists(day.dayPath(Today)));

    QVERIFY(day.session->undo());
    QCOMPARE(day.session->plan().entryCount(1), 1);
    day.scheduler.advance(Delay);
    QVERIFY(QFileInfo::exists(day.dayPath(Today)));

    day.session->clearMeal(1);
    day.scheduler.advance(Delay);
    QVERIFY(!QFileInfo::exists(day.dayPath(Today)));
}

void TestDiary::readingAFileLeavesTheDiaryAlone()
{
    Diaried day;
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    const QString file = day.dir.filePath(QStringLiteral("Patientin.txt"));
    WriteBytes(file, DayFile({QStringLiteral("Mahlzeit1=1;1003;30,0;")}));
    day.prompts.openPaths.append(file);
    day.session->readMealFile();
    // The diary day went to its file first; the file's day is shown without a date.
    QCOMPARE(ReadBytes(day.dayPath(Today)), DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;")}));
    QVERIFY(!day.session->diaryDate().isValid());
    QCOMPARE(day.session->fileLabel(), QStringLiteral("Datei Patientin.txt"));
    // Changing the file's day keeps it out of the diary.
    day.enter(QStringLiteral("1002"), QStringLiteral("5"));
    day.scheduler.advance(Delay);
    QCOMPARE(ReadBytes(day.dayPath(Today)), DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;")}));
    QVERIFY(QFileInfo::exists(SessionFilePath(day.data())));
    QCOMPARE(Diary(day.diaryFolder()).datesWithEntries(), QList<QDate>{Today});
}

void TestDiary::leavingAChangedFileAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("switched");
    QTest::newRow("Nein: the file's changes are left") << int(AnswerRight) << true;
    QTest::newRow("Abbrechen: the file stays") << 2 << false;
}

void TestDiary::leavingAChangedFileAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, switched);
    Diaried day;
    const QString file = day.dir.filePath(QStringLiteral("Woche.txt"));
    WriteBytes(file, DayFile({QStringLiteral("Mahlzeit1=1;1003;30,0;")}));
    day.prompts.openPaths.append(file);
    day.session->readMealFile();
    day.enter(QStringLiteral("1002"), QStringLiteral("5"));
    day.prompts.clear();

    day.prompts.answers.append(answer);
    QCOMPARE(day.session->showDiaryDay(Today), switched);
    QCOMPARE(day.prompts.calls.size(), 1);
    QCOMPARE(day.prompts.calls.first().text, QStringLiteral("Änderungen speichern?"));
    QCOMPARE(day.session->diaryDate().isValid(), switched);
    // Left with "Nein", the file's unsaved day needs no recovery any more; undo still has it.
    day.scheduler.advance(Delay);
    QCOMPARE(QFileInfo::exists(SessionFilePath(day.data())), !switched);
    QCOMPARE(ReadBytes(file), DayFile({QStringLiteral("Mahlzeit1=1;1003;30,0;")}));
    if (switched) {
        QVERIFY(day.session->undo());
        QCOMPARE(day.session->fileLabel(), QStringLiteral("Datei Woche.txt"));
        QCOMPARE(day.session->plan().entryCount(1), 2);
    }
}

void TestDiary::undoWorksAcrossTheWritesAndDates()
{
    Diaried day;
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    day.scheduler.advance(Delay);
    day.enter(QStringLiteral("1002"), QStringLiteral("50"));
    day.scheduler.advance(Delay);
    QVERIFY(day.session->stepDiaryDay(1));
    day.enter(QStringLiteral("1003"), QStringLiteral("7"));
    day.scheduler.advance(Delay);
    QVERIFY(QFileInfo::exists(day.dayPath(Today.addDays(1))));

    QVERIFY(day.session->undo()); // the entry of tomorrow; its file goes again
    day.scheduler.advance(Delay);
    QVERIFY(!QFileInfo::exists(day.dayPath(Today.addDays(1))));
    QVERIFY(day.session->undo()); // back to today, as it was left
    QCOMPARE(day.session->diaryDate(), Today);
    QCOMPARE(day.session->plan().entryCount(1), 2);
    QVERIFY(day.session->undo()); // the second entry of today, written again
    day.scheduler.advance(Delay);
    QCOMPARE(ReadBytes(day.dayPath(Today)), DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;")}));
    QVERIFY(day.session->redo());
    day.scheduler.advance(Delay);
    QCOMPARE(ReadBytes(day.dayPath(Today)),
             DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;"), QStringLiteral("Mahlzeit1=1;1002;50,0;")}));
}

void TestDiary::closeWritesWithoutAQuestion()
{
    Diaried day;
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    QVERIFY(day.session->close());
    QVERIFY(day.prompts.calls.isEmpty());
    QCOMPARE(ReadBytes(day.dayPath(Today)), DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;")}));
    QVERIFY(!QFileInfo::exists(SessionFilePath(day.data())));
}

void TestDiary::failedWriteStaysInStatusAndRecoveryFile()
{
    Diaried day;
    // A folder where the day's file would go: no write can succeed.
    QVERIFY(QDir().mkpath(day.dayPath(Today)));
    day.enter(QStringLiteral("1001"), QStringLiteral("100"));
    day.scheduler.advance(Delay);
    QVERIFY(day.session->lastingStatus().startsWith(QStringLiteral("Tagebuch nicht gespeichert: ")));
    QVERIFY(day.session->plan().changed());
    QVERIFY(QFileInfo::exists(SessionFilePath(day.data())));
    // The end keeps the recovery file; the next start offers the day back under its date.
    QVERIFY(day.session->close());
    QVERIFY(QFileInfo::exists(SessionFilePath(day.data())));
    QDir(day.dayPath(Today)).removeRecursively();
    day.start();
    day.prompts.answers.append(AnswerLeft);
    day.session->offerRecovery();
    QCOMPARE(day.session->diaryDate(), Today);
    day.scheduler.advance(Delay);
    QCOMPARE(ReadBytes(day.dayPath(Today)), DayFile({QStringLiteral("Mahlzeit1=1;1001;100,0;")}));
    QVERIFY(day.session->lastingStatus().isEmpty());
    QVERIFY(!QFileInfo::exists(SessionFilePath(day.data())));
}

void TestDiary::unreadableDayIsNotShownNorOverwritten()
{
    Diaried day;
    const QByteArray foreign("kein Mahlzeiten-Format\r\n");
    day.put(Today.addDays(-1), foreign);
    QVERIFY(!day.session->stepDiaryDay(-1));
    QCOMPARE(day.session->diaryDate(), Today);
    QCOMPARE(day.prompts.calls.size(), 1);
    QCOMPARE(ReadBytes(day.dayPath(Today.addDays(-1))), foreign);
}

QTEST_GUILESS_MAIN(TestDiary)
#include "tst_diary.moc"
