#pragma once

#include "foodindex.h"
#include "mealfile.h"
#include "mealplan.h"
#include "textfile.h"

#include <QString>
#include <QStringList>

// The recovery file (SessionFileName in the data folder): the day being edited, kept while it
// is unsaved so that a crash does not lose it. It is a meal file ("VNR=Mz251026", the meal
// lines) closed by one line "Sitzung=2;<loaded meal-file path>;<file label>;<meal file last
// saved or read>;" (version 1, still read, lacks the last field). In the texts '%', ';', CR
// and LF are written as %25, %3B, %0D and %0A, so any path fits the line.

enum class SessionFileStatus
{
    None,     // no file, or one without any entry: nothing to offer
    Damaged,  // not a recovery file this program wrote (or cut off): to be removed
    Ok,       // at least one entry to offer
    NotAFile, // a folder, pipe or device has the name: left alone, no day can be kept there
};

struct SessionFile
{
    SessionFileStatus status = SessionFileStatus::None;
    QStringList mealLines;      // the header and the meal lines, as LoadMealFileLines takes them
    QString loadedMealFilePath; // as the plan held it
    QString fileLabel;          // the text the file-name label showed
    QString mealFilePath;       // the meal file last saved or read; empty from a version 1 file
    int entryCount = 0;
};

// The lines of the recovery file for the plan (its meals and meal-file paths) and the text of
// the file-name label.
QStringList SessionFileLines(const MealPlan &plan, const QString &fileLabel);

// Reads the lines back. Damaged unless the first line is the meal-file header, every line up
// to the last names meal 1..6 and the last is a version 1 or 2 Sitzung line; None when valid
// without entries.
SessionFile ParseSessionFileLines(const QStringList &lines);

QString SessionFilePath(const QString &dataDirectory);

// Reads the recovery file of dataDirectory. A file that cannot be read or is larger than any
// meal file counts as damaged; anything at the path that is no regular file is NotAFile.
SessionFile ReadSessionFile(const QString &dataDirectory);

// Replaces the recovery file atomically; on failure the earlier one stays.
WriteResult WriteSessionFile(const QString &dataDirectory, const MealPlan &plan, const QString &fileLabel);

// Removes the recovery file; true when none is left.
bool RemoveSessionFile(const QString &dataDirectory);

// The day of a recovery file entered afresh, through the checks of a meal file read from meal
// 1 on: its meal-file paths put back and the plan marked as changed, since nothing of it has
// been saved.
MealFileLoad RestoreSession(const SessionFile &session, const FoodIndex &index);
