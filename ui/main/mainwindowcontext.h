#pragma once

#include "appinfo.h"

#include <QLocale>
#include <QString>

#include <functional>

class QWidget;
class Scheduler;
class UserPrompts;
struct PrintDocument;

// What the main window is given from outside, so that tests can fix every part of it.
struct MainWindowContext
{
    QString dataDirectory;          // folder of the data files, with a trailing '/'
    UserPrompts *prompts = nullptr; // notices, questions, message boxes, file dialogs; not owned
    Clock clock = SystemClock();    // read for report names and dated files
    QLocale locale;                 // decimal separator of the sum and requirement labels, and of the day reports copying them
    QString buildStamp;             // shown by the info window
    QString programFilePath;        // the running program file, for the info window
    int sessionSaveDelayMs = 2000;  // longest wait from a change of the meals to the recovery file
                                    // and to a diary day's file
    // The user's documents folder (the diary, and the dialogs' first folder); empty: no diary.
    QString documentsFolder;
    Scheduler *scheduler = nullptr; // runs the recovery write; not owned; empty: Qt's timers
    // Shows a document to print; empty: Qt's print preview (ShowPrintPreview). Tests record.
    std::function<void(const PrintDocument &, QWidget *)> printPreview;
};
