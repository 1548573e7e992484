#pragma once

#include <QString>

class UserPrompts;

enum class SaveTarget
{
    Allowed,          // a new file, or the user agreed to replace the old one
    ProgramDataFile,  // refused with a notice: one of the program's own files
    OverwriteDeclined, // the user answered "Nein" to the overwrite question; nothing shown
};

// Checks a path chosen in a save dialog before anything is written: one of the program's
// data files is refused with "Diese Datei gehört zum Programm und wird nicht überschrieben.",
// an existing file needs "Ja" to " Soll die vorhandene Datei überschrieben werden? ".
SaveTarget CheckSaveTarget(UserPrompts &prompts, const QString &path, const QString &dataDirectory);
