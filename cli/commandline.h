#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// The program's command line: "--summary FILE... [--csv OUT]", "--nutrients FILE... [--csv OUT]",
// "--pdf OUT FILE...", each also with "--from JJJJ-MM-TT --to JJJJ-MM-TT [--diary ORDNER]" instead
// of files, and "--help"
// run without any window, display or instance lock; anything else starts the windows as before.

enum class CommandLineMode
{
    Window,  // no option of ours: the windows (Qt's own options stay with Qt)
    Help,    // --help or -h
    Summary, // --summary
    Nutrients, // --nutrients: every nutrient, the average of the days
    Pdf,     // --pdf: needs a QGuiApplication (the offscreen platform will do), no window
    Wrong,   // our options used wrongly; error says how
};

struct CommandLine
{
    CommandLineMode mode = CommandLineMode::Window;
    QStringList files;
    QDate from, to;      // the diary's days from..to instead of files; invalid without --from
    QString diaryFolder; // --diary ORDNER; empty: the diary under the user's documents
    QString csvPath; // empty without --csv
    QString pdfPath; // OUT of --pdf
    QString error;   // German, for Wrong: every line for standard error, without the last line end
};

// The command line as main() meets it, before any application object is made: when argv asks
// for one of our modes (or gets our options wrong), makes the application object that mode needs
// (none with a display: a QCoreApplication, for --pdf a QGuiApplication on the offscreen platform
// unless the user names another), runs it and returns its exit status; -1 when the windows are
// to start. Every argument is checked as the bytes it is, before a display is looked for.
int RunCommandLineIfAsked(int &argc, char **argv);

// arguments: the bytes of argv without the program's own name. Checks every argument without a
// display: Qt's own options (-platform, -display, -style, -reverse, ...) are left to Qt; any
// other argument beginning with '-' is unknown, as is a file name without --summary,
// --nutrients or --pdf
// ("Unbekannte Option „%s“. Aufrufe: kostbilanz --help"), and an argument that is no UTF-8
// is refused ("Der Dateiname „%s“ ist kein gültiges UTF-8."); both Wrong. So are an output
// of --pdf not ending in .pdf and one of --csv not ending in .csv, in any letter case, a date
// that is not a real JJJJ-MM-TT, --from without --to (or the other way round), --to before
// --from, a range over MaxDiaryRangeDays, files together with dates, and --diary without dates.
CommandLine ParseCommandLine(const QList<QByteArray> &arguments);

// The longest range --from/--to takes: ten years of days.
constexpr int MaxDiaryRangeDays = 3660;

// The German help text, lines ending in '\n'.
QString CommandLineHelp();

// Runs a mode other than Window with the data files of dataDirectory: the table to out (for
// --nutrients the list of every nutrient, averaged over the days; for --pdf the PDF to OUT: the
// day report of one file, the several-days report of more), every
// notice and refusal to err. Before anything is loaded OUT goes through the save-target rule
// (CheckSaveTargetPath: no data file of the program, nothing but a regular file) and must not
// be one of the inputs. Returns the exit status: 0 every file read, 1 some left out, 2 nothing
// read, wrong arguments, no Swiss foods, OUT refused or not written; with 2 OUT is as it was.
int RunCommandLine(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
                   QTextStream &err);
