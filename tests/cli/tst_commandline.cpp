// The command line through its entry, without any window or display: every argument is checked
// before anything is read, an output is never one of the inputs nor anything the save-target
// rule refuses, and after a refusal every file is as it was, byte for byte.

#include "commandline.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>

namespace {

const QString Usage =
    QStringLiteral("Aufruf: kostbilanz --summary DATEI... [--csv AUSGABE.csv]\n"
                   "       kostbilanz --summary --from JJJJ-MM-TT --to JJJJ-MM-TT [--csv AUSGABE.csv]\n"
                   "       kostbilanz --nutrients DATEI... [--csv AUSGABE.csv]\n"
                   "       kostbilanz --pdf AUSGABE.pdf DATEI...   (mehr mit: kostbilanz --help)\n");

// Every regular file below folder with its bytes (a pipe is not opened, it would wait).
QMap<QString, QByteArray> Snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        files.insert(entry.fileName(),
                     entry.isFile() && !entry.isSymLink() ? ReadBytes(entry.filePath()) : "<other>");
    return files;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedBeforeAnythingIsWritten_data();
    void refusedBeforeAnythingIsWritten();
    void qtOptionsStayWithQt_data();
    void qtOptionsStayWithQt();

private:
    QString expand(QString text) const
    {
        text.replace(QLatin1Char('@'), m_program.path());
        return text.replace(QLatin1Char('%'), m_days.path());
    }

    QTemporaryDir m_program; // the data files
    QTemporaryDir m_days;    // the meal files and outputs
};

void TestCommandLine::initTestCase()
{
    QVERIFY(CopyFolderFiles(QStringLiteral(KB_DAY_FIXTURE_DIR), m_program.path()));
    const QByteArray day = "VNR=Mz251026\r\nMahlzeit1=1;1001;200,0;\r\n";
    for (const char *name : {"Montag.txt", "Dienstag.txt", "b.csv"})
        QVERIFY(WriteBytes(m_days.filePath(QLatin1String(name)), day));
    const struct
    {
        const char *link;
        QString target;
    } links[] = {
        {"lnk.pdf", m_program.filePath(QStringLiteral("NwChDb.dat"))},
        {"dangling.csv", m_program.filePath(QStringLiteral("NwConfig.dat"))},
        {"montag.pdf", QStringLiteral("Montag.txt")},
        {"full.csv", QStringLiteral("/dev/full")},
    };
    for (const auto &link : links)
        QVERIFY(QFile::link(link.target, m_days.filePath(QLatin1String(link.link))));
    QVERIFY(::mkfifo(QFile::encodeName(m_days.filePath(QStringLiteral("pipe.txt"))).constData(), 0600) == 0);
}

void TestCommandLine::refusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<QByteArrayList>("arguments"); // "@" the data folder, "%" the days' folder
    QTest::addColumn<QString>("err");

    const QString program =
        QStringLiteral("“: Diese Datei gehört zum Programm und wird nicht überschrieben.\n");
    QTest::newRow("output name forgotten")
        << QByteArrayList{"--pdf", "%/Montag.txt", "%/Dienstag.txt"}
        << QStringLiteral("Die Ausgabe „%/Montag.txt“ muss auf .pdf enden.\n") + Usage;
    QTest::newRow("CSV output without .csv")
        << QByteArrayList{"--summary", "%/Dienstag.txt", "--csv", "%/Dienstag.txt"}
        << QStringLiteral("Die Ausgabe „%/Dienstag.txt“ muss auf .csv enden.\n") + Usage;
    QTest::newRow("CSV output that is one of the inputs")
        << QByteArrayList{"--summary", "%/Montag.txt", "%/b.csv", "--csv", "%/b.csv"}
        << QStringLiteral("Die Ausgabe „%/b.csv“ ist zugleich eine Eingabedatei.\n");
    QTest::newRow("PDF output a link to one of the inputs")
        << QByteArrayList{"--pdf", "%/montag.pdf", "%/Montag.txt"}
        << QStringLiteral("Die Ausgabe „%/montag.pdf“ ist zugleich eine Eingabedatei.\n");
    QTest::newRow("output a link to the Swiss table")
        << QByteArrayList{"--pdf", "%/lnk.pdf", "%/Montag.txt"} << QStringLiteral("„@/NwChDb.dat") + program;
    QTest::newRow("output a dangling link to the settings")
        << QByteArrayList{"--summary", "%/Montag.txt", "--csv", "%/dangling.csv"}
        << QStringLiteral("„@/NwConfig.dat") + program;
    QTest::newRow("output a device")
        << QByteArrayList{"--summary", "%/Montag.txt", "--csv", "%/full.csv"}
        << QStringLiteral("„/dev/full“ ist keine normale Datei und wird nicht überschrieben.\n");
    QTest::newRow("unknown option") << QByteArrayList{"--sumary", "%/Montag.txt"}
                                    << QStringLiteral(
                                           "Unbekannte Option „--sumary“. Aufrufe: kostbilanz --help\n");
    QTest::newRow("unknown short option")
        << QByteArrayList{"-x"} << QStringLiteral("Unbekannte Option „-x“. Aufrufe: kostbilanz --help\n");
    QTest::newRow("unknown option among the files")
        << QByteArrayList{"--summary", "%/Montag.txt", "--woche"}
        << QStringLiteral("Unbekannte Option „--woche“. Aufrufe: kostbilanz --help\n");
    QTest::newRow("a file name alone")
        << QByteArrayList{"%/Montag.txt"}
        << QStringLiteral("Unbekannte Option „%/Montag.txt“. Aufrufe: kostbilanz --help\n");
    QTest::newRow("a name that is no UTF-8")
        << QByteArrayList{"--summary", "%/Montag\xFC.txt"}
        << QStringLiteral("Der Dateiname „%/Montag\uFFFD.txt“ ist kein gültiges UTF-8.\n");
    QTest::newRow("a pipe as the only day: refused, not waited for")
        << QByteArrayList{"--summary", "%/pipe.txt"}
        << QStringLiteral("%/pipe.txt: „%/pipe.txt“ ist keine normale Datei.\nKeine der Dateien konnte "
                          "gelesen werden.\n");
}

void TestCommandLine::refusedBeforeAnythingIsWritten()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, err);

    QList<QByteArray> expanded;
    for (const QByteArray &argument : std::as_const(arguments)) {
        QByteArray bytes = argument;
        bytes.replace('@', QFile::encodeName(m_program.path()))
            .replace('%', QFile::encodeName(m_days.path()));
        expanded.append(bytes);
    }
    const QMap<QString, QByteArray> programBefore = Snapshot(m_program.path());
    const QMap<QString, QByteArray> daysBefore = Snapshot(m_days.path());

    QString out;
    QString errors;
    QTextStream outStream(&out);
    QTextStream errStream(&errors);
    const CommandLine commandLine = ParseCommandLine(expanded);
    const int exitCode =
        RunCommandLine(commandLine, m_program.path() + QLatin1Char('/'), outStream, errStream);
    outStream.flush();
    errStream.flush();

    QCOMPARE(exitCode, 2);
    QCOMPARE(errors, expand(err));
    QCOMPARE(out, QString());
    QCOMPARE(Snapshot(m_program.path()), programBefore);
    QCOMPARE(Snapshot(m_days.path()), daysBefore);
}

void TestCommandLine::qtOptionsStayWithQt_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("files");

    const int window = int(CommandLineMode::Window);
    const int summary = int(CommandLineMode::Summary);
    QTest::newRow("none") << QByteArrayList{} << window << QStringList();
    QTest::newRow("platform and display")
        << QByteArrayList{"-platform", "offscreen", "--display", ":1"} << window << QStringList();
    QTest::newRow("style written with =, and reverse")
        << QByteArrayList{"-style=fusion", "-reverse"} << window << QStringList();
    QTest::newRow("with --summary") << QByteArrayList{"-style", "fusion",   "--summary",
                                                      "a.txt",  "-reverse", "b.txt"}
                                    << summary << QStringList{"a.txt", "b.txt"};
    QTest::newRow("a CSV output in capitals")
        << QByteArrayList{"--summary", "a.txt", "--csv", "WOCHE.CSV"} << summary << QStringList{"a.txt"};
}

void TestCommandLine::qtOptionsStayWithQt()
{
    QFETCH(QByteArrayList, arguments);
    const CommandLine commandLine = ParseCommandLine(arguments);
    QCOMPARE(commandLine.error, QString());
    QTEST(int(commandLine.mode), "mode");
    QTEST(commandLine.files, "files");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
