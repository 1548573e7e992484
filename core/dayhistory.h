#pragma once

#include "mealplan.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// A day as undo keeps it: the meals with the active meal and the meal-file names, the input
// line, the text of the file-name label, and the lines of the day's meal file as it was last
// saved or read (the header alone for a day without a file, none when its file's content is
// not known, as for a day taken back after a crash). A day is small, so every step keeps the
// whole of it.
struct DaySnapshot
{
    MealPlan plan;
    InputLine inputLine;
    QString fileLabel;
    QStringList fileLines;
    QDate diaryDate; // the diary day shown; invalid for a file or a day without one
};

// The steps of a day that undo goes back over and redo forward again, at most MaxSteps each
// way; the oldest step goes when a new one would be one too many.
class DayHistory
{
public:
    static constexpr int MaxSteps = 100;

    // What a step changed besides the meals; only that is put back with them.
    enum Part
    {
        MealsOnly = 0,
        InputLine = 1, // the picked food and its amount
        Origin = 2,    // which file or diary date the day belongs to: reading, resetting, another
                       // date, taking a day back
    };

    // One step: what it did, in the words "Rückgängig: <what>" shows, the day on the other
    // side of it, and what it changed besides the meals (Part flags).
    struct Step
    {
        QString what;
        DaySnapshot day;
        int parts = MealsOnly;
    };

    // A command changed the day, which was before before it; the steps undone so far are gone.
    void record(const QString &what, const DaySnapshot &before, int parts);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    int undoCount() const { return int(m_undo.size()); }
    int redoCount() const { return int(m_redo.size()); }

    // The day before the last step, to be shown now; current (the day shown) is kept for redo.
    // Only when canUndo.
    Step undo(const DaySnapshot &current);
    // The day after the step undone last; current is kept for undo. Only when canRedo.
    Step redo(const DaySnapshot &current);

    // The meal file at path now holds lines (it was just saved or read): every kept day that
    // names that file as its own takes them as its file's lines.
    void fileHolds(const QString &path, const QStringList &lines);

private:
    QList<Step> m_undo; // oldest first
    QList<Step> m_redo; // the step to redo next last
};
