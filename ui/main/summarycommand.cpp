#include "summarycommand.h"

#include "datafiles.h"
#include "daysummary.h"
#include "daysummarytable.h"
#include "foodstore.h"
#include "mealfile.h"
#include "printdocument.h"
#include "printpainter.h"
#include "reference.h"
#include "reportfile.h"
#include "settings.h"

#include <QDir>
#include <QTextStream>

namespace {

const QLatin1String SummaryOption("--summary");
const QLatin1String CsvOption("--csv");
const QLatin1String PdfOption("--pdf");

constexpr int AllRead = 0;
constexpr int SomeLeftOut = 1;
constexpr int Failed = 2;

QString UsageLine()
{
    return QStringLiteral("Aufruf: kostbilanz --summary DATEI... [--csv AUSGABE]\n"
                          "       kostbilanz --pdf AUSGABE.pdf DATEI...   (mehr mit: kostbilanz --help)");
}

CommandLine Wrong(const QString &error)
{
    CommandLine commandLine;
    commandLine.mode = CommandLineMode::Wrong;
    commandLine.error = error;
    return commandLine;
}

// The German format whatever the user's settings, like the CSV of the window.
QLocale GermanLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

bool RefusedAsDataFile(const QString &path, const QString &dataDirectory, QTextStream &err)
{
    if (path.isEmpty() || !IsProgramDataFile(path, dataDirectory))
        return false;
    err << QDir::toNativeSeparators(path)
        << QStringLiteral(": Diese Datei gehört zum Programm und wird nicht überschrieben.\n");
    return true;
}

// The foods and the requirement in force, as the windows would load them; false (with the
// reason on err) when there are no Swiss foods.
bool LoadData(FoodStore &store, ReferenceSet &requirement, const QString &dataDirectory, QTextStream &err)
{
    const QStringList foodMessages = store.loadFiles();
    for (const QString &message : foodMessages)
        err << message << '\n';
    if (store.swissLineCount() == 0) {
        err << QStringLiteral("Die Schweizer Nährwertliste ist leer!\n");
        return false;
    }
    store.buildIndex();
    const ReferenceLoad reference = LoadReferenceValues(dataDirectory, LoadSettings(dataDirectory));
    if (!reference.message.isEmpty())
        err << reference.message << '\n';
    requirement = reference.state.active;
    return true;
}

// Every file as a day, what was left out on err; false when no day was read.
bool Summarise(const QStringList &files, const FoodStore &store, const ReferenceSet &requirement,
               DaySummary &summary, QTextStream &err)
{
    summary = SummariseMealFiles(files, store.index(), requirement);
    const QStringList messages = DaySummaryMessages(summary);
    for (const QString &message : messages)
        err << message << '\n';
    if (summary.days.isEmpty()) {
        err << QStringLiteral("Keine der Dateien konnte gelesen werden.\n");
        return false;
    }
    return true;
}

int RunSummary(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
               QTextStream &err)
{
    const QLocale german = GermanLocale();
    if (RefusedAsDataFile(commandLine.csvPath, dataDirectory, err))
        return Failed;
    FoodStore store(dataDirectory, german);
    ReferenceSet requirement;
    if (!LoadData(store, requirement, dataDirectory, err))
        return Failed;
    DaySummary summary;
    if (!Summarise(commandLine.files, store, requirement, summary, err))
        return Failed;

    const QStringList lines = FormatDaySummaryText(summary, german);
    for (const QString &line : lines)
        out << line << '\n';
    out.flush();

    if (!commandLine.csvPath.isEmpty()) {
        const WriteResult written =
            WriteReportFile(commandLine.csvPath, FormatDaySummaryCsv(summary, german));
        if (!written.ok) {
            err << written.message() << '\n';
            return Failed;
        }
    }
    return summary.skipped.isEmpty() ? AllRead : SomeLeftOut;
}

int RunPdf(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &err)
{
    const QLocale german = GermanLocale();
    if (RefusedAsDataFile(commandLine.pdfPath, dataDirectory, err))
        return Failed;
    FoodStore store(dataDirectory, german);
    ReferenceSet requirement;
    if (!LoadData(store, requirement, dataDirectory, err))
        return Failed;
    // The summary says for one file as for many what was left out and why.
    DaySummary summary;
    if (!Summarise(commandLine.files, store, requirement, summary, err))
        return Failed;

    const QDateTime created = QDateTime::currentDateTime();
    const QString swissHeaderLine = store.swissHeaderLine();
    PrintDocument document;
    if (commandLine.files.size() == 1) {
        // The day as the window shows it after reading the file: its meals are needed, not
        // just its sums, so the file that was just read is read once more into a plan.
        const QString &path = commandLine.files.first();
        const MealFileRead read = ReadMealFileAt(path, store.index(), 1);
        if (read.status != MealFileReadStatus::Ok) {
            err << QDir::toNativeSeparators(path) << QStringLiteral(": ") << read.message << '\n';
            return Failed;
        }
        MealPlan plan = read.load.plan;
        plan.setLoadedMealFilePath(path);
        plan.setChosenMealFileName(path);
        const DayBalance balance = ComputeBalance(plan, requirement);
        document = DayPrintDocument(plan, balance, requirement, german, created, swissHeaderLine);
    } else {
        document = SeveralDaysPrintDocument(summary, german, created, swissHeaderLine);
    }

    const WriteResult written = WritePrintPdf(commandLine.pdfPath, document);
    if (!written.ok) {
        err << written.message() << '\n';
        return Failed;
    }
    return summary.skipped.isEmpty() ? AllRead : SomeLeftOut;
}

CommandLine ParsePdf(const QStringList &arguments)
{
    CommandLine pdf;
    pdf.mode = CommandLineMode::Pdf;
    if (arguments.first() != PdfOption)
        return Wrong(QStringLiteral("--pdf steht vor allen anderen Angaben."));
    if (arguments.size() < 2 || arguments.at(1).isEmpty() || arguments.at(1).startsWith(QLatin1String("--")))
        return Wrong(QStringLiteral("Nach --pdf fehlt der Name der PDF-Datei."));
    pdf.pdfPath = arguments.at(1);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == PdfOption)
            return Wrong(QStringLiteral("--pdf ist mehrfach angegeben."));
        if (argument.startsWith(QLatin1String("--")))
            return Wrong(QStringLiteral("Unbekannte Option: ") + argument);
        pdf.files.append(argument);
    }
    if (pdf.files.isEmpty())
        return Wrong(QStringLiteral("Nach --pdf AUSGABE.pdf fehlt mindestens eine Mahlzeiten-Datei."));
    return pdf;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        CommandLine help;
        help.mode = CommandLineMode::Help;
        return help;
    }
    if (arguments.contains(PdfOption)) {
        if (arguments.contains(SummaryOption) || arguments.contains(CsvOption))
            return Wrong(QStringLiteral("--pdf gilt nicht zusammen mit --summary oder --csv."));
        return ParsePdf(arguments);
    }
    if (!arguments.contains(SummaryOption) && !arguments.contains(CsvOption))
        return CommandLine();

    CommandLine summary;
    summary.mode = CommandLineMode::Summary;
    bool summaryGiven = false;
    bool csvGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == SummaryOption) {
            if (summaryGiven)
                return Wrong(QStringLiteral("--summary ist mehrfach angegeben."));
            summaryGiven = true;
        } else if (argument == CsvOption) {
            if (csvGiven)
                return Wrong(QStringLiteral("--csv ist mehrfach angegeben."));
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty() ||
                arguments.at(i + 1).startsWith(QLatin1String("--")))
                return Wrong(QStringLiteral("Nach --csv fehlt der Name der CSV-Datei."));
            csvGiven = true;
            summary.csvPath = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return Wrong(QStringLiteral("Unbekannte Option: ") + argument);
        } else if (!summaryGiven) {
            return Wrong(QStringLiteral("Vor den Dateien fehlt --summary."));
        } else {
            summary.files.append(argument);
        }
    }
    if (!summaryGiven)
        return Wrong(QStringLiteral("--csv gilt nur zusammen mit --summary."));
    if (summary.files.isEmpty())
        return Wrong(QStringLiteral("Nach --summary fehlt mindestens eine Mahlzeiten-Datei."));
    return summary;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Aufruf:\n"
        "  kostbilanz                                      startet das Programm mit seinen Fenstern\n"
        "  kostbilanz --summary DATEI... [--csv AUSGABE]   Übersicht über mehrere Tage\n"
        "  kostbilanz --pdf AUSGABE.pdf DATEI...           Tagesbilanz oder Übersicht als PDF\n"
        "  kostbilanz --help                               zeigt diese Hilfe\n"
        "\n"
        "Optionen:\n"
        "  --summary DATEI...  liest jede Mahlzeiten-Datei als einen Tag und gibt eine Tabelle aus:\n"
        "                      je Datei die Menge und die dreizehn Tagessummen, dann den\n"
        "                      Durchschnitt, den Tagesbedarf, den Durchschnitt in Prozent des\n"
        "                      Tagesbedarfs und je Nährwert die Zahl der Einträge ohne Wert (k.A.).\n"
        "  --csv AUSGABE       schreibt dieselbe Tabelle zusätzlich als CSV-Datei (UTF-8, ';'),\n"
        "                      eine vorhandene Datei wird ersetzt.\n"
        "  --pdf AUSGABE.pdf DATEI...\n"
        "                      schreibt die Tagesbilanz einer Mahlzeiten-Datei als PDF (A4 quer,\n"
        "                      wie „Drucken ...“ im Programm), bei mehreren Dateien die Übersicht\n"
        "                      über mehrere Tage mit Diagramm; eine vorhandene Datei wird ersetzt.\n"
        "  --help, -h          zeigt diese Hilfe.\n"
        "\n"
        "Lebensmittel und Tagesbedarf kommen aus den Dateien im Programmordner, wie im Fenster\n"
        "„Mehrere Tage“. Zahlen stehen immer mit Dezimalkomma. Es wird kein Fenster geöffnet und\n"
        "nichts geschrieben außer AUSGABE. Ausgelassene Dateien und abgelehnte Zeilen stehen mit\n"
        "Dateiname und Zeilennummer auf der Fehlerausgabe.\n"
        "\n"
        "Rückgabewert:\n"
        "  0  alle Dateien gelesen\n"
        "  1  einige Dateien ausgelassen\n"
        "  2  keine Datei gelesen, falsche Angaben, Schweizer Nährwertliste fehlt oder ist leer,\n"
        "     AUSGABE nicht schreibbar oder eine Datei des Programms\n"
        "Das gilt für --summary und --pdf gleich.\n");
}

int RunCommandLine(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
                   QTextStream &err)
{
    switch (commandLine.mode) {
    case CommandLineMode::Help:
        out << CommandLineHelp();
        return AllRead;
    case CommandLineMode::Wrong:
        err << commandLine.error << '\n' << UsageLine() << '\n';
        return Failed;
    case CommandLineMode::Summary:
        return RunSummary(commandLine, dataDirectory, out, err);
    case CommandLineMode::Pdf:
        return RunPdf(commandLine, dataDirectory, err);
    case CommandLineMode::Window:
        break;
    }
    return Failed;
}
