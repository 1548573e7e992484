#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The program's command line: "--summary FILE... [--csv OUT]", "--pdf OUT FILE..." and "--help"
// run without any window, display or instance lock; anything else starts the windows as before.

enum class CommandLineMode
{
    Window,  // no option of ours: the windows (Qt's own options stay with Qt)
    Help,    // --help or -h
    Summary, // --summary
    Pdf,     // --pdf: needs a QGuiApplication (the offscreen platform will do), no window
    Wrong,   // our options used wrongly; error says how
};

struct CommandLine
{
    CommandLineMode mode = CommandLineMode::Window;
    QStringList files;
    QString csvPath; // empty without --csv
    QString pdfPath; // OUT of --pdf
    QString error;   // German, for Wrong
};

// arguments: without the program's own name.
CommandLine ParseCommandLine(const QStringList &arguments);

// The German help text, lines ending in '\n'.
QString CommandLineHelp();

// Runs a mode other than Window with the data files of dataDirectory: the table to out (for
// --pdf the PDF to OUT: the day report of one file, the several-days report of more), every
// notice and refusal to err. Returns the exit status: 0 every file read, 1 some left out, 2
// nothing read, wrong arguments, no Swiss foods, or OUT not written or one of the data files.
int RunCommandLine(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
                   QTextStream &err);
