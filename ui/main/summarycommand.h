#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The program's command line: "--summary FILE... [--csv OUT]" and "--help" run without any
// window, display or instance lock; anything else starts the windows as before.

enum class CommandLineMode
{
    Window,  // no option of ours: the windows (Qt's own options stay with Qt)
    Help,    // --help or -h
    Summary, // --summary
    Wrong,   // our options used wrongly; error says how
};

struct CommandLine
{
    CommandLineMode mode = CommandLineMode::Window;
    QStringList files;
    QString csvPath; // empty without --csv
    QString error;   // German, for Wrong
};

// arguments: without the program's own name.
CommandLine ParseCommandLine(const QStringList &arguments);

// The German help text, lines ending in '\n'.
QString CommandLineHelp();

// Runs a mode other than Window with the data files of dataDirectory: the table to out, every
// notice and refusal to err. Returns the exit status: 0 every file read, 1 some left out, 2
// nothing read, wrong arguments, no Swiss foods, or OUT not written or one of the data files.
int RunCommandLine(const CommandLine &commandLine, const QString &dataDirectory, QTextStream &out,
                   QTextStream &err);
