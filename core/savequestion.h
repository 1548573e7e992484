#pragma once

#include <QString>

class UserPrompts;

enum class SaveTarget
{
    Allowed,           // a new file, or the user agreed to replace the old one
    Refused,           // one of the program's own files, or no regular file; the notice said why
    OverwriteDeclined, // the user answered "Nein" to the overwrite question; nothing shown
};

struct SaveTargetAnswer
{
    SaveTarget outcome = SaveTarget::Refused;
    QString writePath; // the file to write, links and dots resolved; empty unless Allowed

    bool allowed() const { return outcome == SaveTarget::Allowed; }
};

// The window side of the save-target rule (CheckSaveTargetPath), for a path chosen in a save
// dialog before anything is written: a refusal is shown as a notice, and an existing file
// needs "Ja" to the overwrite question, which names the file that would be replaced when the
// name chosen is a link.
SaveTargetAnswer CheckSaveTarget(UserPrompts &prompts, const QString &path, const QString &dataDirectory);
