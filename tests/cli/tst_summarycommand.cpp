// The command line as a user runs it: the built program, copied with its data files into a
// folder of its own, started without any display and under a locale with a decimal point.

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

struct CommandCase
{
    QStringList arguments; // "@" stands for the program's folder, "%" for the day files' folder
    int exitCode = 0;
    QStringList outHas; // texts standard output holds, runs of blanks counted as one
    QStringList errHas; // texts standard error holds
    bool errEmpty = false;
    QString platform = QString(); // QT_QPA_PLATFORM for the run; empty: none, and no display either
};

} // namespace

Q_DECLARE_METATYPE(CommandCase)

class TestSummaryCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exitCodes_data();
    void exitCodes();
    void csvInGermanFormatAndNothingElseWritten();
    void diaryCsvHasDatesInTheFirstCell();
    void missingSwissFoodsEndsWithTwo();
    void nutrientsCsvOfTwoDaysByteForByte();
    void pdfOfOneDayAndOfSeveralDays_data();
    void pdfOfOneDayAndOfSeveralDays();

private:
    Run run(const QStringList &arguments, const QString &platform = QString()) const;
    QStringList folderNames() const { return QDir(m_program.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    QTemporaryDir m_program; // the program and its data files
    QTemporaryDir m_days;    // the meal files
};

void TestSummaryCommand::init()
{
    QDir(m_program.path()).removeRecursively();
    QDir().mkpath(m_program.path());
    QVERIFY(QFile::copy(QStringLiteral(KB_PROGRAM_PATH), m_program.filePath(QStringLiteral("kostbilanz"))));
    for (const char *name : {"NwChDb.dat", "NwRefWerteDge.dat"}) {
        QVERIFY(QFile::copy(QStringLiteral(KB_DAY_FIXTURE_DIR "/") + QLatin1String(name),
                            m_program.filePath(QLatin1String(name))));
    }

    const QByteArray header = "VNR=Mz251026\r\n";
    // 200 g apple (104 kcal), and 100 g bread (220 kcal) with a food no longer in the list.
    QVERIFY(WriteBytes(m_days.filePath(QStringLiteral("a.txt")), header + "Mahlzeit1=1;1001;200,0;\r\n"));
    QVERIFY(WriteBytes(m_days.filePath(QStringLiteral("b.txt")),
                       header + "Mahlzeit1=1;42;100,0;\r\nMahlzeit1=1;9;5,0;\r\n"));
    QVERIFY(WriteBytes(m_days.filePath(QStringLiteral("notiz.txt")), "Brot kaufen\r\n"));
    // A diary with a gap on the 9th: the apple day, nothing, the bread day.
    QVERIFY(QDir().mkpath(m_days.filePath(QStringLiteral("tagebuch"))));
    QVERIFY(WriteBytes(m_days.filePath(QStringLiteral("tagebuch/2026-12-08.txt")), ReadBytes(m_days.filePath(QStringLiteral("a.txt")))));
    QVERIFY(WriteBytes(m_days.filePath(QStringLiteral("tagebuch/2026-12-10.txt")), ReadBytes(m_days.filePath(QStringLiteral("b.txt")))));
}

Run TestSummaryCommand::run(const QStringList &arguments, const QString &platform) const
{
    QStringList expanded;
    for (QString argument : arguments) {
        argument.replace(QLatin1Char('@'), m_program.path());
        argument.replace(QLatin1Char('%'), m_days.path());
        expanded.append(argument);
    }
    QProcess process;
    // No display of any kind (unless a platform is named), no runtime folder, and a locale that
    // writes a decimal point.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(m_program.filePath(QStringLiteral("kostbilanz")), expanded);
    Run result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("did not end: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestSummaryCommand::exitCodes_data()
{
    QTest::addColumn<CommandCase>("command");

    const QString usage = QStringLiteral("Aufruf: kostbilanz --summary DATEI... [--csv AUSGABE.csv]");
    QTest::newRow("help") << CommandCase{{QStringLiteral("--help")},
                                         0,
                                         {QStringLiteral("--summary DATEI..."), QStringLiteral("--csv AUSGABE"),
                                          QStringLiteral("Rückgabewert")},
                                         {},
                                         true};
    QTest::newRow("every file read, a refused line named")
        << CommandCase{{QStringLiteral("--summary"), QStringLiteral("%/b.txt"), QStringLiteral("%/a.txt")},
                       0,
                       {QStringLiteral("Datei "), QStringLiteral("b.txt "), QStringLiteral("Durchschnitt 150,0 162,0"),
                        QStringLiteral("Tagesbedarf '25 bis unter 51' (w) 1800 ")},
                       {QStringLiteral("b.txt, Zeile 3: Lebensmittel-ID 9 nicht in Liste vorhanden !")}};
    QTest::newRow("some left out")
        << CommandCase{{QStringLiteral("--summary"), QStringLiteral("%/a.txt"), QStringLiteral("%/notiz.txt"),
                        QStringLiteral("%/fehlt.txt")},
                       1,
                       {QStringLiteral("Durchschnitt 200,0 104,0")},
                       {QStringLiteral("notiz.txt: Es ist keine gültige Mahlzeiten-Datei !"),
                        QStringLiteral("fehlt.txt: Datei oder Ordner nicht gefunden")}};
    QTest::newRow("none read") << CommandCase{{QStringLiteral("--summary"), QStringLiteral("%/notiz.txt")},
                                              2,
                                              {},
                                              {QStringLiteral("notiz.txt: Es ist keine gültige Mahlzeiten-Datei !")}};
    QTest::newRow("no file") << CommandCase{{QStringLiteral("--summary")}, 2, {}, {usage}};
    QTest::newRow("--csv without a name")
        << CommandCase{{QStringLiteral("--summary"), QStringLiteral("%/a.txt"), QStringLiteral("--csv")}, 2, {}, {usage}};
    QTest::newRow("every nutrient, one file left out")
        << CommandCase{{QStringLiteral("--nutrients"), QStringLiteral("%/a.txt"), QStringLiteral("%/notiz.txt")},
                       1,
                       {QStringLiteral("Nährwert Einheit Durchschnitt Bedarf Prozent Ohne Wert"),
                        QStringLiteral("Energie kcal 104,0 1800 5,8 0")},
                       {QStringLiteral("notiz.txt: Es ist keine gültige Mahlzeiten-Datei !")}};
    QTest::newRow("every nutrient, none read")
        << CommandCase{{QStringLiteral("--nutrients"), QStringLiteral("%/notiz.txt")},
                       2,
                       {},
                       {QStringLiteral("Keine der Dateien konnte gelesen werden.")}};
    QTest::newRow("--nutrients without a file")
        << CommandCase{{QStringLiteral("--nutrients")}, 2, {},
                       {QStringLiteral("Nach --nutrients fehlt mindestens eine Mahlzeiten-Datei.")}};
    QTest::newRow("--nutrients with --summary")
        << CommandCase{{QStringLiteral("--nutrients"), QStringLiteral("%/a.txt"), QStringLiteral("--summary")},
                       2,
                       {},
                       {QStringLiteral("--nutrients gilt nicht zusammen mit --summary.")}};
    QTest::newRow("--csv without --summary")
        << CommandCase{{QStringLiteral("--csv"), QStringLiteral("%/x.csv")}, 2, {}, {usage}};
    // Refused before a display is looked for, with a display or without one (no abort, no
    // window started, nothing from Qt).
    const QString unknown = QStringLiteral("Unbekannte Option „--sumary“. Aufrufe: kostbilanz --help\n");
    QTest::newRow("unknown option, no display")
        << CommandCase{{QStringLiteral("--sumary"), QStringLiteral("%/a.txt")}, 2, {}, {unknown}};
    QTest::newRow("unknown option, with a display")
        << CommandCase{{QStringLiteral("--sumary"), QStringLiteral("%/a.txt")}, 2, {}, {unknown}, false,
                       QStringLiteral("offscreen")};
    QTest::newRow("a file name alone, with a display")
        << CommandCase{{QStringLiteral("%/a.txt")},
                       2,
                       {},
                       {QStringLiteral("Unbekannte Option „%1/a.txt“").arg(m_days.path())},
                       false,
                       QStringLiteral("offscreen")};
    const QString pdfUsage = QStringLiteral("kostbilanz --pdf AUSGABE.pdf DATEI...");
    QTest::newRow("--pdf without a name") << CommandCase{{QStringLiteral("--pdf")}, 2, {}, {pdfUsage}};
    QTest::newRow("--pdf without a file")
        << CommandCase{{QStringLiteral("--pdf"), QStringLiteral("%/tag.pdf")}, 2, {}, {pdfUsage}};
    QTest::newRow("--pdf with --summary")
        << CommandCase{{QStringLiteral("--summary"), QStringLiteral("%/a.txt"), QStringLiteral("--pdf"),
                        QStringLiteral("%/tag.pdf")},
                       2,
                       {},
                       {QStringLiteral("--pdf gilt nicht zusammen mit --summary oder --csv.")}};
    QTest::newRow("--pdf, nothing read")
        << CommandCase{{QStringLiteral("--pdf"), QStringLiteral("%/tag.pdf"), QStringLiteral("%/notiz.txt")},
                       2,
                       {},
                       {QStringLiteral("notiz.txt: Es ist keine gültige Mahlzeiten-Datei !")}};
    const auto diaryRange = [](const char *from, const char *to) {
        return QStringList{QStringLiteral("--summary"), QStringLiteral("--from"), QLatin1String(from),
                           QStringLiteral("--to"),      QLatin1String(to),      QStringLiteral("--diary"),
                           QStringLiteral("%/tagebuch")};
    };
    QTest::newRow("diary days with a gap, in date order")
        << CommandCase{diaryRange("2026-12-08", "2026-12-10"),
                       0,
                       {QStringLiteral("Di 08.12.2026 200 104"), QStringLiteral("Mi 09.12.2026 kein Eintrag Do"),
                        QStringLiteral("Do 10.12.2026 100 220"), QStringLiteral("Durchschnitt 150,0 162,0")},
                       {QStringLiteral("Do 10.12.2026, Zeile 3: Lebensmittel-ID 9 nicht in Liste vorhanden !")}};
    QTest::newRow("no entry in the range")
        << CommandCase{diaryRange("2026-12-01", "2026-12-07"), 2, {}, {QStringLiteral("keinen Eintrag")}};
    QTest::newRow("a date that does not exist")
        << CommandCase{diaryRange("2026-02-30", "2026-03-01"),
                       2,
                       {},
                       {QStringLiteral("Das Datum „2026-02-30“ nach --from ist kein gültiges Datum der Form JJJJ-MM-TT.")}};
    QTest::newRow("a date without its zeros")
        << CommandCase{diaryRange("2026-12-8", "2026-12-10"), 2, {}, {QStringLiteral("„2026-12-8“")}};
    QTest::newRow("--to before --from")
        << CommandCase{diaryRange("2026-12-10", "2026-12-08"),
                       2,
                       {},
                       {QStringLiteral("Das Datum nach --to liegt vor dem nach --from.")}};
    QTest::newRow("--from without --to")
        << CommandCase{{QStringLiteral("--summary"), QStringLiteral("--from"), QStringLiteral("2026-12-08")},
                       2,
                       {},
                       {QStringLiteral("--from und --to gehören zusammen.")}};
    QTest::newRow("files and dates together")
        << CommandCase{diaryRange("2026-12-08", "2026-12-10") << QStringLiteral("%/a.txt"),
                       2,
                       {},
                       {QStringLiteral("Mahlzeiten-Dateien und --from/--to schließen sich aus.")}};
    // The average of the days with a file; the day without one stays out of it.
    QTest::newRow("every nutrient of diary days with a gap")
        << CommandCase{QStringList{QStringLiteral("--nutrients")} + diaryRange("2026-12-08", "2026-12-10").mid(1),
                       0,
                       {QStringLiteral("Energie kcal 162,0 1800 9,0 0")},
                       {QStringLiteral("Do 10.12.2026, Zeile 3: Lebensmittel-ID 9 nicht in Liste vorhanden !")}};
    QTest::newRow("every nutrient, no entry in the range")
        << CommandCase{QStringList{QStringLiteral("--nutrients")} + diaryRange("2026-12-01", "2026-12-07").mid(1),
                       2,
                       {},
                       {QStringLiteral("keinen Eintrag")}};
    QTest::newRow("--pdf of diary days")
        << CommandCase{{QStringLiteral("--pdf"), QStringLiteral("%/woche.pdf"), QStringLiteral("--from"),
                        QStringLiteral("2026-12-08"), QStringLiteral("--to"), QStringLiteral("2026-12-10"),
                        QStringLiteral("--diary"), QStringLiteral("%/tagebuch")},
                       0,
                       {},
                       {}};
    QTest::newRow("OUT cannot be written")
        << CommandCase{{QStringLiteral("--summary"), QStringLiteral("%/a.txt"), QStringLiteral("--csv"),
                        QStringLiteral("%/kein/ordner.csv")},
                       2,
                       {},
                       {QStringLiteral("konnte nicht geschrieben werden")}};
}

void TestSummaryCommand::exitCodes()
{
    QFETCH(CommandCase, command);
    const QStringList before = folderNames();
    const Run result = run(command.arguments, command.platform);
    QVERIFY2(result.exitCode == command.exitCode,
             qPrintable(QStringLiteral("exit %1\n%2%3").arg(result.exitCode).arg(result.out, result.err)));
    const QString out = result.out.simplified();
    for (const QString &text : std::as_const(command.outHas))
        QVERIFY2(out.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + result.out));
    for (const QString &text : std::as_const(command.errHas))
        QVERIFY2(result.err.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + result.err));
    if (command.errEmpty)
        QCOMPARE(result.err, QString());
    // No lock, no settings, no session: the program's folder is as it was.
    QCOMPARE(folderNames(), before);
}

void TestSummaryCommand::diaryCsvHasDatesInTheFirstCell()
{
    const QString out = m_days.filePath(QStringLiteral("tage.csv"));
    const Run result = run({QStringLiteral("--summary"), QStringLiteral("--from"), QStringLiteral("2026-12-08"),
                            QStringLiteral("--to"), QStringLiteral("2026-12-10"), QStringLiteral("--diary"),
                            QStringLiteral("%/tagebuch"), QStringLiteral("--csv"), out});
    QCOMPARE(result.exitCode, 0);
    const QList<QByteArray> lines = ReadBytes(out).split('\n');
    QVERIFY2(lines.at(1).startsWith("2026-12-08;200;104;"), lines.at(1).constData());
    QCOMPARE(lines.at(2), QByteArray("2026-12-09;kein Eintrag;;;;;;;;;;;;;\r"));
    QVERIFY2(lines.at(3).startsWith("2026-12-10;100;220;"), lines.at(3).constData());
    QVERIFY2(lines.at(4).startsWith("Durchschnitt;150,0;162,0;"), lines.at(4).constData());
}

void TestSummaryCommand::csvInGermanFormatAndNothingElseWritten()
{
    const QString out = m_days.filePath(QStringLiteral("woche.csv"));
    QVERIFY(WriteBytes(out, "alt"));
    const QStringList before = folderNames();
    const Run result = run({QStringLiteral("--summary"), QStringLiteral("%/a.txt"), QStringLiteral("%/b.txt"),
                            QStringLiteral("--csv"), out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(folderNames(), before);

    // The lines of the file given on the command line, in the order given, replacing the old.
    const QByteArray csv = ReadBytes(out);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF" "Datei;Menge;Energie;KoHydr;Zucker;Fett;Fet.ges\xC3\xA4;"));
    QVERIFY(csv.endsWith("\r\nUnvollst\xC3\xA4ndig;;0;0;0;0;0;0;0;0;0;0;0;1;0\r\n")); // the bread has no Vit.D value
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines.at(1).startsWith("a.txt;200;104;"));
    QVERIFY(lines.at(2).startsWith("b.txt;100;220;"));
    QVERIFY2(lines.at(3).startsWith("Durchschnitt;150,0;162,0;"), lines.at(3).constData());
}

void TestSummaryCommand::missingSwissFoodsEndsWithTwo()
{
    QVERIFY(QFile::remove(m_program.filePath(QStringLiteral("NwChDb.dat"))));
    const Run result = run({QStringLiteral("--summary"), QStringLiteral("%/a.txt")});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QStringLiteral("Schweizer Nährwertdatenbank nicht gefunden!")), qPrintable(result.err));
    QCOMPARE(result.out, QString());
}

// The header and exactly the 43 nutrients of the two days' average, in the CSV the every-nutrient
// window writes too; the reference values beyond the thirteen from the shipped file.
void TestSummaryCommand::nutrientsCsvOfTwoDaysByteForByte()
{
    QVERIFY(QFile::copy(QStringLiteral(KB_SHIPPED_DATA_DIR "/NwRefWerteErweitert.dat"),
                        m_program.filePath(QStringLiteral("NwRefWerteErweitert.dat"))));
    const QString out = m_days.filePath(QStringLiteral("naehrwerte.csv"));
    const Run result = run({QStringLiteral("--nutrients"), QStringLiteral("%/a.txt"), QStringLiteral("%/b.txt"),
                            QStringLiteral("--csv"), out});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.out.count(QLatin1Char('\n')), 44);
    QCOMPARE(ReadBytes(out), ReadBytes(QStringLiteral(KB_TEST_DIR "/fixtures/nutrients-two-days.csv")));
}

void TestSummaryCommand::pdfOfOneDayAndOfSeveralDays_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("pdfHas"); // texts pdftotext finds, runs of blanks counted as one

    // One file: the day with its meal and the day sums (200 g apple, 104 kcal, 23 g KoHydr).
    QTest::newRow("one day") << QStringList{QStringLiteral("a.txt")} << 0
                             << QStringList{QStringLiteral("Tagesübersicht der Mahlzeit(en)"),
                                            QStringLiteral("Apfel, roh 200,0 104,0"),
                                            QStringLiteral("Tagessummen 200 104 "),
                                            QStringLiteral("Tagesmengen in Prozent"),
                                            QStringLiteral("Schweizer Nährwertdatenbank, BLV")};
    QTest::newRow("several days, one left out")
        << QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("fehlt.txt")} << 1
        << QStringList{QStringLiteral("Übersicht über mehrere Tage"), QStringLiteral("a.txt 200 104 "),
                       QStringLiteral("b.txt 100 220 "), QStringLiteral("Durchschnitt 150,0 162,0"),
                       QStringLiteral("fehlt.txt: Datei oder Ordner nicht gefunden")};
}

void TestSummaryCommand::pdfOfOneDayAndOfSeveralDays()
{
    QFETCH(QStringList, files);
    const QString out = m_days.filePath(QStringLiteral("bericht.pdf"));
    QStringList arguments{QStringLiteral("--pdf"), out};
    for (const QString &file : std::as_const(files))
        arguments.append(m_days.filePath(file));
    const QStringList before = folderNames();
    const Run result = run(arguments);
    QTEST(result.exitCode, "exitCode");
    QCOMPARE(result.out, QString());
    // Without a runtime folder too, nothing but what was left out reaches the terminal: no
    // English note from Qt.
    if (files.size() == 1)
        QCOMPARE(result.err, QString());
    QCOMPARE(folderNames(), before);
    QVERIFY(ReadBytes(out).startsWith("%PDF"));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), out, QStringLiteral("-")});
    QVERIFY2(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0,
             "pdftotext (poppler-utils) is needed: ./scripts/test installs it");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    QFETCH(QStringList, pdfHas);
    for (const QString &expected : std::as_const(pdfHas))
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
}

QTEST_GUILESS_MAIN(TestSummaryCommand)
#include "tst_summarycommand.moc"
