#include "summarycommand.h"

#include "datafiles.h"
#include "daysummary.h"
#include "daysummarytable.h"
#include "foodstore.h"
#include "reference.h"
#include "reportfile.h"
#include "settings.h"

#include <QDir>
#include <QTextStream>

namespace {

const QLatin1String SummaryOption("--summary");
const QLatin1String CsvOption("--csv");

constexpr int AllRead = 0;
constexpr int SomeLeftOut = 1;
constexpr int Failed = 2;

QString UsageLine()
{
    return QStringLiteral(
        "Aufruf: kostbilanz --summary DATEI... [--csv AUSGABE]   (mehr mit: kostbilanz --help)");
}

CommandLine Wrong(const QString &error)
{
    CommandLine commandLine;
    commandLine.mode = CommandLineMode::Wrong;
    commandLine.error = error;
    return commandLine;
}

int RunSummary(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
               QTextStream &err)
{
    // The German format whatever the user's settings, like the CSV of the window.
    const QLocale german(QLocale::German, QLocale::Germany);
    if (!commandLine.csvPath.isEmpty() && IsProgramDataFile(commandLine.csvPath, dataDirectory)) {
        err << QDir::toNativeSeparators(commandLine.csvPath)
            << QStringLiteral(": Diese Datei gehört zum Programm und wird nicht überschrieben.\n");
        return Failed;
    }

    FoodStore store(dataDirectory, german);
    const QStringList foodMessages = store.loadFiles();
    for (const QString &message : foodMessages)
        err << message << '\n';
    if (store.swissLines().isEmpty()) {
        err << QStringLiteral("Die Schweizer Nährwertliste ist leer!\n");
        return Failed;
    }
    store.buildIndex();
    const ReferenceLoad reference = LoadReferenceValues(dataDirectory, LoadSettings(dataDirectory));
    if (!reference.message.isEmpty())
        err << reference.message << '\n';

    const DaySummary summary = SummariseMealFiles(commandLine.files, store.index(), reference.state.active);
    const QStringList messages = DaySummaryMessages(summary);
    for (const QString &message : messages)
        err << message << '\n';
    if (summary.days.isEmpty()) {
        err << QStringLiteral("Keine der Dateien konnte gelesen werden.\n");
        return Failed;
    }

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

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        CommandLine help;
        help.mode = CommandLineMode::Help;
        return help;
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
        "  kostbilanz --help                               zeigt diese Hilfe\n"
        "\n"
        "Optionen:\n"
        "  --summary DATEI...  liest jede Mahlzeiten-Datei als einen Tag und gibt eine Tabelle aus:\n"
        "                      je Datei die Menge und die dreizehn Tagessummen, dann den\n"
        "                      Durchschnitt, den Tagesbedarf, den Durchschnitt in Prozent des\n"
        "                      Tagesbedarfs und je Nährwert die Zahl der Einträge ohne Wert (k.A.).\n"
        "  --csv AUSGABE       schreibt dieselbe Tabelle zusätzlich als CSV-Datei (UTF-8, ';'),\n"
        "                      eine vorhandene Datei wird ersetzt.\n"
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
        "     AUSGABE nicht schreibbar oder eine Datei des Programms\n");
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
    case CommandLineMode::Window:
        break;
    }
    return Failed;
}
