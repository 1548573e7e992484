#pragma once

#include "samples.h"

#include <QString>

// Whole-process start-ups of the program and of the baseline window, in turns.
struct StartupFigures
{
    QString failure; // empty when every run succeeded
    Samples programMs; // whole processes: fork to reaped exit
    Samples baselineMs;
    Samples programFirstPaintMs; // fork to the first painted frame, measured by the child
    Samples baselineFirstPaintMs;
    Samples programRssKb;
    Samples baselineRssKb;
};

// Copies both programs and every file of dataDirectory (the shipped data, or a larger table)
// into a fresh folder, then starts each
// program runs times (after warmUp uncounted starts each), alternating, so that load on the
// shared machine falls on both alike. Both end by themselves once their window is shown
// (KOSTBILANZ_QUIT_WHEN_SHOWN=1); the runtime folder is a fresh one, so the single-instance
// lock of a running copy is not in the way. HOME is homeFolder, so the diary is the one in its
// Documents folder.
StartupFigures MeasureStartup(const QString &programPath, const QString &baselinePath,
                              const QString &dataDirectory, const QString &homeFolder, int runs, int warmUp);
