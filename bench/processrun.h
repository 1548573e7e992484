#pragma once

#include <QByteArrayList>
#include <QString>

// One whole run of a program, timed from before fork() until wait4() has reaped it.
struct ProcessRun
{
    bool ok = false;   // ran and exited with 0 in time
    QString failure;   // why not, for the report
    double wallMs = 0; // fork to reaped, in milliseconds
    long maxRssKb = 0; // the child's peak resident set (ru_maxrss of wait4)
    // From before fork() until the child's first painted frame, as the child measured it (the
    // "first-paint-ms" line of its output); 0 when it printed none.
    double firstPaintMs = 0;
};

// Runs program in workingDirectory with exactly environment ("NAME=value" entries) and
// KOSTBILANZ_START_STAMP_NS, the CLOCK_MONOTONIC time just before fork() in nanoseconds. Its output
// goes to logPath. A run still going after timeoutSeconds is killed by its own alarm and
// reported as failed (a hidden message box waits for ever under the offscreen platform).
ProcessRun RunProcess(const QString &program, const QString &workingDirectory,
                      const QByteArrayList &environment, const QString &logPath, int timeoutSeconds);
