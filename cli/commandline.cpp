#include "commandline.h"

#include "daydata.h"
#include "daysummary.h"
#include "daysummarytable.h"
#include "diary.h"
#include "extendedreference.h"
#include "mealfile.h"
#include "nutrientlisttable.h"
#include "numbertext.h"
#include "printdocument.h"
#include "printpainter.h"
#include "reference.h"
#include "reportfile.h"
#include "savetarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

const QLatin1String SummaryOption("--summary");
const QLatin1String NutrientsOption("--nutrients");
const QLatin1String CsvOption("--csv");
const QLatin1String PdfOption("--pdf");
const QLatin1String FromOption("--from");
const QLatin1String ToOption("--to");
const QLatin1String DiaryOption("--diary");

constexpr int AllRead = 0;
constexpr int SomeLeftOut = 1;
constexpr int Failed = 2;

QString UsageLine()
{
    return QStringLiteral("Aufruf: kostbilanz --summary DATEI... [--csv AUSGABE.csv]\n"
                          "       kostbilanz --summary --from JJJJ-MM-TT --to JJJJ-MM-TT [--csv AUSGABE.csv]\n"
                          "       kostbilanz --nutrients DATEI... [--csv AUSGABE.csv]\n"
                          "       kostbilanz --pdf AUSGABE.pdf DATEI...   (mehr mit: kostbilanz --help)");
}

QString Quoted(const QString &text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

// Our own mistakes come with the usage lines; an unknown option or a name that is no UTF-8 is
// one line that says where to look.
CommandLine Wrong(const QString &error, bool withUsage = true)
{
    CommandLine commandLine;
    commandLine.mode = CommandLineMode::Wrong;
    commandLine.error = withUsage ? error + QLatin1Char('\n') + UsageLine() : error;
    return commandLine;
}

CommandLine Unknown(const QString &argument)
{
    return Wrong(QStringLiteral("Unbekannte Option ") + Quoted(argument) +
                     QStringLiteral(". Aufrufe: kostbilanz --help"),
                 false);
}

// Qt's own options, which QGuiApplication and QApplication take out of the arguments before
// the program sees them; allowed in every mode, with one dash or two. The first ones take the
// next argument as their value, and all of those may also be written "-option=value".
const char *const QtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",  "display", "name",
    "session",  "style",              "stylesheet",    "geometry", "title",  "icon",
    "qwindowgeometry", "qwindowtitle", "qwindowicon", "qmljsdebugger", "visual", "dialogs",
};
const char *const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// How many arguments from position i on are one of Qt's options (0: none of Qt's).
int QtOptionLength(const QStringList &arguments, qsizetype i)
{
    QString option = arguments.at(i);
    if (!option.startsWith(QLatin1Char('-')))
        return 0;
    option.remove(0, option.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = option.indexOf(QLatin1Char('='));
    for (const char *name : QtOptionsWithValue) {
        if (equals > 0 && QStringView(option).left(equals) == QLatin1String(name))
            return 1;
        if (equals < 0 && option == QLatin1String(name))
            return i + 1 < arguments.size() ? 2 : 1;
    }
    for (const char *name : QtFlags) {
        if (option == QLatin1String(name))
            return 1;
    }
    return 0;
}

// The arguments as text; false with the refusal when one of them is no UTF-8, which a file
// name given in another encoding would become on the way through a lossy conversion.
bool DecodeArguments(const QList<QByteArray> &bytes, QStringList *arguments, CommandLine *refusal)
{
    for (const QByteArray &argument : bytes) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(argument);
        if (utf8.hasError()) {
            *refusal = Wrong(QStringLiteral("Der Dateiname ") + Quoted(text) +
                                 QStringLiteral(" ist kein gültiges UTF-8."),
                             false);
            return false;
        }
        arguments->append(text);
    }
    return true;
}

// True when path ends in "." + extension, in any letter case.
bool HasExtension(const QString &path, const QString &extension)
{
    return path.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive) &&
           path.size() > extension.size() + 1;
}

// The output of a run, checked against the save-target rule and against the inputs before
// anything is loaded: false with the refusal on err. writePath: the file to write.
bool OutputAllowed(const QString &output, const QStringList &inputs, const QString &dataDirectory,
                   QString *writePath, QTextStream &err)
{
    const SaveTargetCheck target = CheckSaveTargetPath(output, dataDirectory);
    for (const QString &input : inputs) {
        if (ResolvedFilePath(input) == target.resolvedPath) {
            err << QStringLiteral("Die Ausgabe ") << Quoted(QDir::toNativeSeparators(output))
                << QStringLiteral(" ist zugleich eine Eingabedatei.\n");
            return false;
        }
    }
    if (target.refused()) {
        err << target.refusal() << '\n';
        return false;
    }
    // An existing file is replaced without a question, as the help says.
    *writePath = target.resolvedPath;
    return true;
}

// The foods and the requirement in force, loaded as the windows load them; false (with the
// reason on err) when there are no Swiss foods.
bool LoadData(DayData &data, ReferenceSet &requirement, QTextStream &err)
{
    const bool loaded = data.load([&err](const QString &message) { err << message << '\n'; },
                                  DayData::Stop::WithoutSwissFoods);
    requirement = data.requirements().active;
    return loaded;
}

bool HasDiaryRange(const CommandLine &commandLine)
{
    return commandLine.from.isValid();
}

// The diary the range is read from: --diary, else the one under the user's documents.
Diary DiaryOf(const CommandLine &commandLine)
{
    return Diary(commandLine.diaryFolder.isEmpty()
                     ? DiaryFolderIn(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     : commandLine.diaryFolder);
}

// The files a run reads: those named, or the diary's files of the range.
QStringList InputFiles(const CommandLine &commandLine)
{
    if (!HasDiaryRange(commandLine))
        return commandLine.files;
    QStringList paths;
    for (const DiaryDay &day : DiaryOf(commandLine).range(commandLine.from, commandLine.to)) {
        if (day.exists)
            paths.append(day.path);
    }
    return paths;
}

QString NoEntryInRange(const CommandLine &commandLine, const Diary &diary)
{
    return QStringLiteral("Das Tagebuch ") + Quoted(QDir::toNativeSeparators(diary.folder())) +
           QStringLiteral(" hat von ") + commandLine.from.toString(QStringLiteral("dd.MM.yyyy")) +
           QStringLiteral(" bis ") + commandLine.to.toString(QStringLiteral("dd.MM.yyyy")) +
           QStringLiteral(" keinen Eintrag.");
}

// Every file (or diary day of the range) as a day, what was left out on err; false when no day
// was read.
bool Summarise(const CommandLine &commandLine, const FoodStore &store, const ReferenceSet &requirement,
               DaySummary &summary, QTextStream &err)
{
    if (HasDiaryRange(commandLine)) {
        const Diary diary = DiaryOf(commandLine);
        summary = SummariseDiaryDays(diary.range(commandLine.from, commandLine.to), store.index(), requirement);
        if (summary.days.isEmpty() && summary.skipped.isEmpty()) {
            err << NoEntryInRange(commandLine, diary) << '\n';
            return false;
        }
    } else {
        summary = SummariseMealFiles(commandLine.files, store.index(), requirement);
    }
    const QStringList messages = DaySummaryMessages(summary);
    for (const QString &message : messages)
        err << message << '\n';
    if (summary.days.isEmpty()) {
        err << QStringLiteral("Keine der Dateien konnte gelesen werden.\n");
        return false;
    }
    return true;
}

// The terminal lines and the CSV lines of the days read.
struct TablesOfDays
{
    QStringList text;
    QStringList csv;
};

// --summary and --nutrients: the output checked, the data loaded, the days read (files or a
// diary range), the table to out and, with --csv, to its file.
int RunDaysTable(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out, QTextStream &err,
                 const std::function<TablesOfDays(const DaySummary &, const DayData &)> &tables)
{
    QString csvPath;
    if (!commandLine.csvPath.isEmpty() &&
        !OutputAllowed(commandLine.csvPath, InputFiles(commandLine), dataDirectory, &csvPath, err))
        return Failed;
    DayData data(dataDirectory, GermanNumberLocale());
    ReferenceSet requirement;
    if (!LoadData(data, requirement, err))
        return Failed;
    DaySummary summary;
    if (!Summarise(commandLine, data.store(), requirement, summary, err))
        return Failed;

    const TablesOfDays table = tables(summary, data);
    for (const QString &line : table.text)
        out << line << '\n';
    out.flush();

    if (!csvPath.isEmpty()) {
        const WriteResult written = WriteReportFile(csvPath, table.csv);
        if (!written.ok) {
            err << written.message() << '\n';
            return Failed;
        }
    }
    return summary.skipped.isEmpty() ? AllRead : SomeLeftOut;
}

int RunSummary(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
               QTextStream &err)
{
    return RunDaysTable(commandLine, dataDirectory, out, err, [](const DaySummary &summary, const DayData &) {
        const QLocale german = GermanNumberLocale();
        return TablesOfDays{FormatDaySummaryText(summary, german), FormatDaySummaryCsv(summary, german)};
    });
}

// The days are read as for --summary (a diary day named by its date, a date without a file left
// out of the average); the other nutrients' values go with the requirement in force.
int RunNutrients(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
                 QTextStream &err)
{
    return RunDaysTable(commandLine, dataDirectory, out, err, [&dataDirectory](const DaySummary &summary,
                                                                               const DayData &data) {
        const QLocale german = GermanNumberLocale();
        const NutrientList list = SummaryNutrientList(
            summary, NutrientReferenceFor(data.requirements(), LoadExtendedReferenceValues(dataDirectory)));
        return TablesOfDays{FormatNutrientListText(list, german), FormatNutrientListCsv(list, german)};
    });
}

int RunPdf(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &err)
{
    const QLocale german = GermanNumberLocale();
    QString pdfPath;
    const QStringList inputs = InputFiles(commandLine);
    if (!OutputAllowed(commandLine.pdfPath, inputs, dataDirectory, &pdfPath, err))
        return Failed;
    DayData data(dataDirectory, german);
    ReferenceSet requirement;
    if (!LoadData(data, requirement, err))
        return Failed;
    const FoodStore &store = data.store();
    // The summary says for one file as for many what was left out and why.
    DaySummary summary;
    if (!Summarise(commandLine, store, requirement, summary, err))
        return Failed;

    const QDateTime created = QDateTime::currentDateTime();
    const QString swissHeaderLine = store.swissHeaderLine();
    PrintDocument document;
    // One file, or a range of one date, is a day report; the day of a one-date range
    // exists, since Summarise read at least one day.
    const bool oneDay = HasDiaryRange(commandLine) ? commandLine.from == commandLine.to && inputs.size() == 1
                                                   : inputs.size() == 1;
    if (oneDay) {
        // The day as the window shows it after reading the file: its meals are needed, not
        // just its sums, so the file that was just read is read once more into a plan.
        const QString &path = inputs.first();
        const MealFileRead read = ReadMealFileAt(path, store.index(), 1);
        if (read.status != MealFileReadStatus::Ok) {
            err << QDir::toNativeSeparators(path) << QStringLiteral(": ") << read.message << '\n';
            return Failed;
        }
        MealPlan plan = read.load.plan;
        plan.setLoadedMealFilePath(path);
        plan.setChosenMealFileName(path);
        plan.setMealFilePath(path);
        const DayBalance balance = ComputeBalance(plan, requirement);
        document = DayPrintDocument(plan, balance, requirement, german, created, swissHeaderLine);
    } else {
        document = SeveralDaysPrintDocument(summary, german, created, swissHeaderLine);
    }

    const WriteResult written = WritePrintPdf(pdfPath, document);
    if (!written.ok) {
        err << written.message() << '\n';
        return Failed;
    }
    return summary.skipped.isEmpty() ? AllRead : SomeLeftOut;
}

// --from, --to or --diary at arguments[*i] with its value, taken into commandLine (i moved past
// the value); false when arguments[*i] is none of them. error: set when the value is wrong.
bool TakeDiaryOption(const QStringList &arguments, qsizetype *i, CommandLine *commandLine, QString *error)
{
    const QString &option = arguments.at(*i);
    if (option != FromOption && option != ToOption && option != DiaryOption)
        return false;
    if (*i + 1 >= arguments.size() || arguments.at(*i + 1).isEmpty()) {
        *error = option == DiaryOption ? QStringLiteral("Nach --diary fehlt der Ordner des Tagebuchs.")
                                       : QStringLiteral("Nach ") + option + QStringLiteral(" fehlt das Datum (JJJJ-MM-TT).");
        return true;
    }
    const QString value = arguments.at(++*i);
    if (option == DiaryOption) {
        if (!commandLine->diaryFolder.isEmpty())
            *error = QStringLiteral("--diary ist mehrfach angegeben.");
        commandLine->diaryFolder = value;
        return true;
    }
    QDate &date = option == FromOption ? commandLine->from : commandLine->to;
    if (date.isValid()) {
        *error = option + QStringLiteral(" ist mehrfach angegeben.");
        return true;
    }
    // Exactly the diary's own form: "2026-2-1" or "2026-02-30" are typing errors, not dates.
    date = value.size() == 10 ? QDate::fromString(value, QStringLiteral("yyyy-MM-dd")) : QDate();
    if (!date.isValid())
        *error = QStringLiteral("Das Datum ") + Quoted(value) + QStringLiteral(" nach ") + option +
                 QStringLiteral(" ist kein gültiges Datum der Form JJJJ-MM-TT.");
    return true;
}

// Dates and files together, and what belongs with what; empty when all is well.
QString DiaryRangeError(const CommandLine &commandLine)
{
    const bool dates = commandLine.from.isValid() || commandLine.to.isValid();
    if (!dates)
        return commandLine.diaryFolder.isEmpty() ? QString()
                                                 : QStringLiteral("--diary gilt nur zusammen mit --from und --to.");
    if (!commandLine.files.isEmpty())
        return QStringLiteral("Mahlzeiten-Dateien und --from/--to schließen sich aus.");
    if (!commandLine.from.isValid() || !commandLine.to.isValid())
        return QStringLiteral("--from und --to gehören zusammen.");
    if (commandLine.to < commandLine.from)
        return QStringLiteral("Das Datum nach --to liegt vor dem nach --from.");
    if (commandLine.from.daysTo(commandLine.to) >= MaxDiaryRangeDays)
        return QStringLiteral("Der Zeitraum ist länger als %1 Tage.").arg(MaxDiaryRangeDays);
    return QString();
}

// Our arguments, Qt's options taken out, any other one beginning with '-' refused.
CommandLine ParsePdf(const QStringList &arguments)
{
    CommandLine pdf;
    pdf.mode = CommandLineMode::Pdf;
    if (arguments.first() != PdfOption)
        return Wrong(QStringLiteral("--pdf steht vor allen anderen Angaben."));
    if (arguments.size() < 2 || arguments.at(1).isEmpty() || arguments.at(1).startsWith(QLatin1Char('-')))
        return Wrong(QStringLiteral("Nach --pdf fehlt der Name der PDF-Datei."));
    pdf.pdfPath = arguments.at(1);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == PdfOption)
            return Wrong(QStringLiteral("--pdf ist mehrfach angegeben."));
        QString error;
        if (TakeDiaryOption(arguments, &i, &pdf, &error)) {
            if (!error.isEmpty())
                return Wrong(error);
            continue;
        }
        pdf.files.append(argument);
    }
    if (const QString error = DiaryRangeError(pdf); !error.isEmpty())
        return Wrong(error);
    // A forgotten output name would otherwise turn the first day into the PDF.
    if (!HasExtension(pdf.pdfPath, QStringLiteral("pdf")))
        return Wrong(QStringLiteral("Die Ausgabe ") + Quoted(pdf.pdfPath) + QStringLiteral(" muss auf .pdf enden."));
    if (pdf.files.isEmpty() && !HasDiaryRange(pdf))
        return Wrong(QStringLiteral("Nach --pdf AUSGABE.pdf fehlt mindestens eine Mahlzeiten-Datei."));
    return pdf;
}

// "--summary FILE... [--csv OUT]" and "--nutrients FILE... [--csv OUT]", files or a diary range:
// the option before the files, --csv anywhere.
CommandLine ParseDaysWithCsv(const QStringList &arguments, CommandLineMode mode, const QString &option)
{
    CommandLine days;
    days.mode = mode;
    bool optionGiven = false;
    bool csvGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == option) {
            if (optionGiven)
                return Wrong(option + QStringLiteral(" ist mehrfach angegeben."));
            optionGiven = true;
        } else if (argument == CsvOption) {
            if (csvGiven)
                return Wrong(QStringLiteral("--csv ist mehrfach angegeben."));
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty() ||
                arguments.at(i + 1).startsWith(QLatin1Char('-')))
                return Wrong(QStringLiteral("Nach --csv fehlt der Name der CSV-Datei."));
            csvGiven = true;
            days.csvPath = arguments.at(++i);
            if (!HasExtension(days.csvPath, QStringLiteral("csv")))
                return Wrong(QStringLiteral("Die Ausgabe ") + Quoted(days.csvPath) +
                             QStringLiteral(" muss auf .csv enden."));
        } else if (QString error; TakeDiaryOption(arguments, &i, &days, &error)) {
            if (!error.isEmpty())
                return Wrong(error);
        } else if (!optionGiven) {
            return Wrong(QStringLiteral("Vor den Dateien fehlt ") + option + QLatin1Char('.'));
        } else {
            days.files.append(argument);
        }
    }
    if (!optionGiven)
        return Wrong(QStringLiteral("--csv gilt nur zusammen mit --summary oder --nutrients."));
    if (const QString error = DiaryRangeError(days); !error.isEmpty())
        return Wrong(error);
    if (days.files.isEmpty() && !HasDiaryRange(days))
        return Wrong(QStringLiteral("Nach ") + option + QStringLiteral(" fehlt mindestens eine Mahlzeiten-Datei."));
    return days;
}

} // namespace

CommandLine ParseCommandLine(const QList<QByteArray> &argumentBytes)
{
    QStringList all;
    CommandLine refusal;
    if (!DecodeArguments(argumentBytes, &all, &refusal))
        return refusal;

    // Qt's options stay with Qt; everything else is ours and checked here, before a display
    // is ever looked for.
    QStringList arguments;
    for (qsizetype i = 0; i < all.size();) {
        const int qtLength = QtOptionLength(all, i);
        if (qtLength == 0)
            arguments.append(all.at(i));
        i += qMax(qtLength, 1);
    }
    const QStringList ours{SummaryOption, NutrientsOption, CsvOption,   PdfOption,
                           FromOption,    ToOption,        DiaryOption, QStringLiteral("--help"),
                           QStringLiteral("-h")};
    const QStringList withValue{PdfOption, CsvOption, FromOption, ToOption, DiaryOption};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        // The value after --pdf, --csv, --from, --to or --diary is a name or date, whatever it
        // looks like; they check it.
        const bool value = i > 0 && withValue.contains(arguments.at(i - 1));
        if (argument.startsWith(QLatin1Char('-')) && !ours.contains(argument) && !value)
            return Unknown(argument);
    }
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        CommandLine help;
        help.mode = CommandLineMode::Help;
        return help;
    }
    if (arguments.isEmpty())
        return CommandLine();
    if (arguments.contains(PdfOption)) {
        if (arguments.contains(SummaryOption) || arguments.contains(CsvOption))
            return Wrong(QStringLiteral("--pdf gilt nicht zusammen mit --summary oder --csv."));
        if (arguments.contains(NutrientsOption))
            return Wrong(QStringLiteral("--pdf gilt nicht zusammen mit --nutrients."));
        return ParsePdf(arguments);
    }
    if (arguments.contains(NutrientsOption)) {
        if (arguments.contains(SummaryOption))
            return Wrong(QStringLiteral("--nutrients gilt nicht zusammen mit --summary."));
        return ParseDaysWithCsv(arguments, CommandLineMode::Nutrients, NutrientsOption);
    }
    // A file name (or a range) alone would start the windows and be ignored.
    if (!arguments.contains(SummaryOption) && !arguments.contains(CsvOption))
        return Unknown(arguments.first());
    return ParseDaysWithCsv(arguments, CommandLineMode::Summary, SummaryOption);
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Aufruf:\n"
        "  kostbilanz                                         startet das Programm mit seinen Fenstern\n"
        "  kostbilanz --summary DATEI... [--csv AUSGABE.csv]  Übersicht über mehrere Tage\n"
        "  kostbilanz --summary --from JJJJ-MM-TT --to JJJJ-MM-TT [--diary ORDNER] [--csv AUSGABE.csv]\n"
        "                                                     dieselbe Übersicht über Tage des Tagebuchs\n"
        "  kostbilanz --nutrients DATEI... [--csv AUSGABE.csv]\n"
        "                                                     alle Nährwerte, Durchschnitt der Tage\n"
        "  kostbilanz --nutrients --from JJJJ-MM-TT --to JJJJ-MM-TT [--diary ORDNER] [--csv AUSGABE.csv]\n"
        "                                                     dasselbe für Tage des Tagebuchs\n"
        "  kostbilanz --pdf AUSGABE.pdf DATEI...              Tagesbilanz oder Übersicht als PDF\n"
        "  kostbilanz --pdf AUSGABE.pdf --from JJJJ-MM-TT --to JJJJ-MM-TT [--diary ORDNER]\n"
        "                                                     dasselbe für Tage des Tagebuchs\n"
        "  kostbilanz --help                                  zeigt diese Hilfe\n"
        "\n"
        "Optionen:\n"
        "  --summary DATEI...  liest jede Mahlzeiten-Datei als einen Tag und gibt eine Tabelle aus:\n"
        "                      je Datei die Menge und die dreizehn Tagessummen, dann den\n"
        "                      Durchschnitt, den Tagesbedarf, den Durchschnitt in Prozent des\n"
        "                      Tagesbedarfs und je Nährwert die Zahl der Einträge ohne Wert (k.A.).\n"
        "  --nutrients DATEI...\n"
        "                      liest jede Mahlzeiten-Datei als einen Tag und gibt alle 43 Nährwerte\n"
        "                      der Schweizer Nährwertdatenbank aus: je Nährwert die Einheit, den\n"
        "                      Durchschnitt je Tag, den Bedarf, den Durchschnitt in Prozent des\n"
        "                      Bedarfs und die Zahl der Einträge ohne Wert.\n"
        "  --csv AUSGABE.csv   schreibt dieselbe Tabelle zusätzlich als CSV-Datei (UTF-8, ';'),\n"
        "                      eine vorhandene Datei wird ersetzt.\n"
        "  --pdf AUSGABE.pdf DATEI...\n"
        "                      schreibt die Tagesbilanz einer Mahlzeiten-Datei als PDF (A4 quer,\n"
        "                      wie „Drucken ...“ im Programm), bei mehreren Dateien die Übersicht\n"
        "                      über mehrere Tage mit Diagramm; eine vorhandene Datei wird ersetzt.\n"
        "  --from JJJJ-MM-TT --to JJJJ-MM-TT\n"
        "                      statt Dateien die Tage des Tagebuchs von bis (beide eingeschlossen,\n"
        "                      höchstens 3660 Tage), nach Datum geordnet; ein Tag ohne Eintrag\n"
        "                      steht als „kein Eintrag“ in der Tabelle und zählt weder im\n"
        "                      Durchschnitt noch in den Prozenten. Die CSV-Datei hat in der ersten\n"
        "                      Spalte das Datum als JJJJ-MM-TT.\n"
        "  --diary ORDNER      liest das Tagebuch aus ORDNER statt aus Dokumente/Kostbilanz/Tagebuch.\n"
        "  --help, -h          zeigt diese Hilfe.\n"
        "\n"
        "Lebensmittel und Tagesbedarf kommen aus den Dateien im Programmordner, wie im Fenster\n"
        "„Mehrere Tage“. Zahlen stehen immer mit Dezimalkomma. Es wird kein Fenster geöffnet und\n"
        "nichts geschrieben außer AUSGABE. Ausgelassene Dateien und abgelehnte Zeilen stehen mit\n"
        "Dateiname und Zeilennummer auf der Fehlerausgabe. AUSGABE muss auf .csv oder .pdf\n"
        "enden und darf keine der Eingabedateien, keine Datei des Programms und nichts anderes\n"
        "als eine normale Datei sein; eine Verknüpfung zählt als die Datei, auf die sie zeigt.\n"
        "\n"
        "Rückgabewert:\n"
        "  0  alle Dateien gelesen\n"
        "  1  einige Dateien ausgelassen\n"
        "  2  keine Datei gelesen (kein Tag des Tagebuchs mit Eintrag), falsche Angaben (auch ein\n"
        "     falsches Datum), Schweizer Nährwertliste fehlt oder ist leer,\n"
        "     AUSGABE nicht schreibbar oder abgelehnt; dann wird nichts geschrieben\n"
        "Das gilt für --summary, --nutrients und --pdf gleich.\n");
}

int RunCommandLine(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
                   QTextStream &err)
{
    switch (commandLine.mode) {
    case CommandLineMode::Help:
        out << CommandLineHelp();
        return AllRead;
    case CommandLineMode::Wrong:
        err << commandLine.error << '\n';
        return Failed;
    case CommandLineMode::Summary:
        return RunSummary(commandLine, dataDirectory, out, err);
    case CommandLineMode::Nutrients:
        return RunNutrients(commandLine, dataDirectory, out, err);
    case CommandLineMode::Pdf:
        return RunPdf(commandLine, dataDirectory, err);
    case CommandLineMode::Window:
        break;
    }
    return Failed;
}

int RunCommandLineIfAsked(int &argc, char **argv)
{
    // The arguments are taken as the bytes they are, so a name in another encoding is refused
    // instead of being read as a file that is not there.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.mode == CommandLineMode::Window)
        return -1;
    // A PDF needs fonts and a painter, so Qt's GUI part, but never a display: the offscreen
    // platform has the same fonts, and a stale DISPLAY cannot stop it. A platform the user
    // names still wins.
    std::unique_ptr<QCoreApplication> application;
    if (commandLine.mode == CommandLineMode::Pdf) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(commandLine, QCoreApplication::applicationDirPath() + QLatin1Char('/'), out, err);
}
