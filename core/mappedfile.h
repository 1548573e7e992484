#pragma once

#include <QByteArray>

#include <memory>

// A regular file's bytes mapped read-only into memory instead of copied into it. The pages come
// straight from the system's file cache: reading a large table this way costs neither the
// copy nor the fresh pages a copy needs, and pages given back with releaseResidentPages() are
// fetched again from the cache when next read. Made by MapFileBytes (textfile.h).
class MappedFile
{
public:
    // Takes over descriptor (open for reading, a regular file of size bytes). Where the file
    // cannot be mapped (or is empty) its bytes are read instead and isMapped() is false.
    MappedFile(int descriptor, qint64 size);
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    bool isMapped() const { return m_data != nullptr; }
    qint64 size() const { return m_size; }

    // The mapped bytes without a copy; valid while this object lives.
    QByteArray view() const;

    // Gives the pages read so far back to the file cache; the bytes stay readable.
    void releaseResidentPages() const;

    // The bytes to decode now: the mapping itself while the file is as it was mapped, else
    // (it was written in place since, perhaps shortened) a copy read anew from the same file,
    // so reading never reaches past the file's end. Empty when that read fails.
    QByteArray bytesForReading() const;

private:
    bool unchangedSinceMapped() const;
    QByteArray readAnew() const;

    int m_descriptor = -1;
    qint64 m_size = 0;
    char *m_data = nullptr;
    qint64 m_mtimeNs = 0;
    QByteArray m_copy; // the bytes where the file is not mapped
};
