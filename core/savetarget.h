#pragma once

#include <QString>

// The one rule for where a file the user names may be written: a meal file, a report, a PDF,
// a several-days CSV, the command line's outputs. The target is resolved first (symbolic links
// followed, a dangling one too, and "." and ".." taken as the file system takes them), and
// every check looks at what would really be replaced.

enum class SaveTargetVerdict
{
    NewFile,         // nothing there yet: may be written
    ExistingFile,    // a regular file: may be replaced once the user agreed (a window asks)
    ProgramDataFile, // is or resolves to one of the program's own files: refused
    NotRegularFile,  // a folder, device, pipe, socket or a loop of links: refused
};

struct SaveTargetCheck
{
    SaveTargetVerdict verdict = SaveTargetVerdict::NewFile;
    QString path;         // as given
    QString resolvedPath; // absolute, links and dots resolved: the file a write replaces
    bool viaLink = false; // the name given is itself a symbolic link

    bool refused() const
    {
        return verdict == SaveTargetVerdict::ProgramDataFile || verdict == SaveTargetVerdict::NotRegularFile;
    }

    // German, naming the resolved file; empty unless refused.
    QString refusal() const;

    // The question before an existing file is replaced: " Soll die vorhandene Datei
    // überschrieben werden? ", naming the resolved file when the name given is a link.
    QString overwriteQuestion() const;
};

// The file a write to path replaces: absolute, every folder resolved as the file system does
// and the last name followed through symbolic links, also to a target that does not exist
// yet. Never fails: what cannot be resolved stays as given, cleaned.
QString ResolvedFilePath(const QString &path);

// Checks path before anything is written; dataDirectory is the folder of the program's own
// files (IsProgramDataFile), which no save may replace. Touches nothing.
SaveTargetCheck CheckSaveTargetPath(const QString &path, const QString &dataDirectory);
