#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Whole-file helpers for tests that set up data folders and compare files byte for byte.

// The whole content of the file at path; empty when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file at path by bytes; false unless every byte was written.
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// The lines as Latin-1 bytes, CR LF after each, the last one too: a data file as the program
// writes it without a mark.
inline QByteArray CrLfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Copies every file of sourceFolder (not its subfolders) into targetFolder; false at the
// first file that could not be copied.
inline bool CopyFolderFiles(const QString &sourceFolder, const QString &targetFolder)
{
    const QDir source(sourceFolder);
    const QDir target(targetFolder);
    const QStringList names = source.entryList(QDir::Files);
    for (const QString &name : names) {
        if (!QFile::copy(source.filePath(name), target.filePath(name)))
            return false;
    }
    return true;
}
