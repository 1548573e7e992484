#pragma once

#include "samples.h"

#include <QElapsedTimer>
#include <QString>

// The samples of one figure, or why it could not be measured.
struct BenchResult
{
    Samples samples;
    QString failure; // empty when the samples are good
    QString note;    // what was measured, for the report (e.g. "999 foods")
};

// Milliseconds that action takes, read from a monotonic clock.
template <typename Action> double TimeMs(Action &&action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e6;
}
