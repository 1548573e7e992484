#pragma once

#include "textfile.h"

#include <QString>

// Whether a data file the program writes may be written in this run. A file that was there at
// start but could not be taken in (unreadable, or not the file it should be) is protected: it
// stays byte for byte as it is until the program ends, since writing it would put what the
// program failed to read in place of what the user made.
struct FileProtection
{
    QString fileName;     // empty: not protected, the file may be written
    QString finding;      // what start-up found, ending a sentence about the file
    QString startMessage; // said once at start; empty where the file's loader says it itself

    bool isProtected() const { return !fileName.isEmpty(); }

    // "Die Datei „NwConfig.dat“ konnte beim Start nicht gelesen werden und wird nicht
    // überschrieben" followed by ending ("." for a refused save).
    QString refusal(const QString &ending = QStringLiteral(".")) const;

    // The write of the file at path that was not tried, with refusal() as its message.
    WriteResult refusedWrite(const QString &path) const;

    // Writes lines to path in encoding (WriteTextFile) unless the file is protected; after a
    // write encoding is the one the file now has.
    WriteResult writeLines(const QString &path, const QStringList &lines, TextEncoding &encoding) const;
};

// The protection of a file that exists but could not be read at start, reason being the
// system's (SystemErrorReason); its start message names the file and the reason.
FileProtection ProtectUnreadableFile(const QString &fileName, const QString &reason);
