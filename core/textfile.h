#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class MappedFile;

// The one place where the program turns files into lines and lines into files.
// Reading detects a byte-order mark (UTF-8, UTF-16 LE/BE); without one the bytes are UTF-8
// when all of them are well-formed UTF-8 with at least one multi-byte sequence, else
// Windows-1252. Lines end at CR LF, a lone CR or a lone LF. Writing puts the mark back (if the
// encoding has one), ends every line with CR LF and replaces the file atomically.

enum class TextEncoding
{
    Windows1252, // no mark
    Utf8Bom,     // EF BB BF
    Utf16LeBom,  // FF FE
    Utf16BeBom,  // FE FF
    Utf8,        // no mark: what most editors on Linux save
};

struct TextFile
{
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
};

enum class ReadStatus
{
    Ok,
    Missing, // no file at the path
    Failed,  // exists but could not be opened or read; see reason
    Refused, // exists but was not opened: not a regular file, or larger than the limit
};

// The largest data file any reader takes: many times the largest real one, small enough that
// a wrong file costs no noticeable time or memory at start.
constexpr qint64 MaxDataFileBytes = 16 * 1024 * 1024;

struct TextReadResult
{
    ReadStatus status = ReadStatus::Missing;
    TextFile file;  // empty lines and Windows-1252 unless status is Ok
    // Failed: the system's reason, see SystemErrorReason. Refused: the whole sentence for the
    // user, naming the file ("„<path>“ ist keine normale Datei.").
    QString reason;
};

// The outcome of every write. On failure the earlier file is untouched.
struct WriteResult
{
    bool ok = true;
    QString path;
    QString reason;  // the system's reason when !ok, see SystemErrorReason
    QString refusal; // set when the write was not even tried: the whole text for the user
    TextEncoding encoding = TextEncoding::Windows1252; // what the file now holds, when ok

    // A result for a file that is kept as it is on purpose; refusal is the text for the user.
    static WriteResult Refused(const QString &path, const QString &refusal);

    bool refused() const { return !refusal.isEmpty(); }

    // German text for the user: the refusal, or one naming the path and the reason; empty
    // when ok.
    QString message() const;
};

// Decodes a whole file's bytes. An odd trailing byte of UTF-16 decodes to U+FFFD.
TextFile DecodeTextLines(const QByteArray &bytes);

// What DecodeTextLines gives for a file's bytes without decoding every line: its encoding, the
// number of lines and line 0.
struct TextOutline
{
    TextEncoding encoding = TextEncoding::Windows1252;
    qsizetype lineCount = 0;
    QString firstLine; // empty when there are no lines
};

// Always agrees with DecodeTextLines(bytes): the same encoding, lines.size() and lines.value(0).
TextOutline OutlineTextLines(const QByteArray &bytes);

// Splits text at CR LF, lone CR and lone LF. A final line end does not start another line;
// the empty text gives no lines.
QStringList SplitTextLines(const QString &text);

// Encodes lines with the mark of the encoding and CR LF after every line, the last one too.
// Characters outside Windows-1252 become '?'.
QByteArray EncodeTextLines(const QStringList &lines, TextEncoding encoding);

// The encoding a file of these lines is written in: the one asked for, except that lines
// Windows-1252 cannot hold go to UTF-8 with its mark instead of losing characters to '?'.
TextEncoding EncodingForWriting(const QStringList &lines, TextEncoding wanted);

// The system's reason for a failed read or write (an errno value) as the user reads it: German
// for the common cases, the system's own text for the rare rest.
QString SystemErrorReason(int errorCode);

// The one way a file is read. Only a regular file is opened, and never in a way that could
// wait: a pipe or a device (/dev/zero) is refused before it is opened, as is a file larger than
// maxBytes. A folder fails with the reason EISDIR.
TextReadResult ReadTextFile(const QString &path, qint64 maxBytes = MaxDataFileBytes);

// A file's bytes as they are; status and reason as for ReadTextFile, bytes empty unless Ok.
struct FileBytesReadResult
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    QString reason;
};
FileBytesReadResult ReadFileBytes(const QString &path, qint64 maxBytes = MaxDataFileBytes);

// A file's bytes mapped into memory instead of copied: the same checks, status and reason as
// ReadFileBytes, with file set when status is Ok. For the large tables read at start-up.
struct FileMapResult
{
    ReadStatus status = ReadStatus::Missing;
    std::shared_ptr<const MappedFile> file;
    QString reason;
};
FileMapResult MapFileBytes(const QString &path, qint64 maxBytes = MaxDataFileBytes);

// The refusal ReadFileBytes would give path before opening it (not a regular file, larger than
// maxBytes), found without opening it; empty when it would be opened (or is missing).
QString RefusalBeforeReading(const QString &path, qint64 maxBytes = MaxDataFileBytes);

// "„<path>“ ist keine normale Datei." and "Die Datei „<path>“ ist größer als <n> MB und wird
// nicht gelesen.": the sentences of a refused read.
QString NotRegularFileRefusal(const QString &path);
QString TooLargeFileRefusal(const QString &path, qint64 maxBytes);

// Writes bytes to a temporary file beside path and renames it over path.
WriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes);

// Writes lines in EncodingForWriting(lines, encoding); the result names the one used.
WriteResult WriteTextFile(const QString &path, const QStringList &lines, TextEncoding encoding);
