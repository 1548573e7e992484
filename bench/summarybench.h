#pragma once

#include "benchresult.h"

#include <QDate>
#include <QString>
#include <QStringList>

class FoodIndex;

// fileCount meal files of six full meals each (72 entries a file, 125 g each, foods stepping
// through the whole index so that every day differs) written into folder; their paths, or an
// empty list with failure set.
QStringList WriteBenchMealFiles(const QString &folder, const FoodIndex &index, int fileCount,
                                QString &failure);

// count diary days up to and including last, named as the diary names them, written into
// diaryFolder (made if missing), each of entriesPerDay entries of 125 g. False with failure set.
bool WriteBenchDiaryDays(const QString &diaryFolder, const FoodIndex &index, const QDate &last, int count,
                         int entriesPerDay, QString &failure);

// SummariseMealFiles over fileCount meal files of six full meals each (72 entries a file,
// foods spread over the whole index), written once into a temporary folder; the files are in
// the system's cache after the first, uncounted run. Against the requirement row of
// dataDirectory, as the command line reads it.
BenchResult MeasureSummary(const QString &dataDirectory, const FoodIndex &index, int fileCount, int runs);

// "Von ... bis ..." over a year of diary days: the range of 365 dates listed (every seventh
// without a file) and its days summarised as SummariseDiaryDays does, files in the cache.
BenchResult MeasureDiaryYear(const QString &dataDirectory, const FoodIndex &index, int runs);
