#include "textfile.h"

#include "mappedfile.h"

#include <QStringDecoder>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same value, so every byte survives a read and a
// write unchanged.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// Whether bytes hold any of 0x80..0x9F, where Windows-1252 differs from Latin-1.
bool HasWindows1252High(QByteArrayView bytes)
{
    const auto *byte = reinterpret_cast<const unsigned char *>(bytes.data());
    unsigned char anyHigh = 0; // a byte-wide flag and no branch, so that the loop vectorises
    for (qsizetype i = 0; i < bytes.size(); ++i)
        anyHigh |= static_cast<unsigned char>(byte[i] - 0x80) < 0x20;
    return anyHigh != 0;
}

// in decoded; high tells whether it may hold bytes 0x80..0x9F.
QString DecodeWindows1252(QByteArrayView in, bool high)
{
    // Qt's fast Latin-1 conversion does nearly all of it, and only the bytes 0x80..0x9F, rare
    // in real files, are put right afterwards.
    QString text = QString::fromLatin1(in);
    if (!high)
        return text;
    const auto *byte = reinterpret_cast<const unsigned char *>(in.data());
    QChar *out = text.data();
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (byte[i] - 0x80u < 0x20u)
            out[i] = QChar(Cp1252High[byte[i] - 0x80]);
    }
    return text;
}

// The one rule for line ends: a line ends at CR LF, a lone CR or a lone LF; a final line end
// does not start another line. find(from, unit) is the position of the next CR or LF at or
// after from, size when there is none; at(position) the unit there ('\n' for LF). Each search
// starts again only once the line end it found has been passed. onLine(start, length) is
// called for every line in order.
template <typename Find, typename At, typename OnLine>
void ForEachLine(qsizetype size, Find find, At at, OnLine onLine)
{
    qsizetype nextCr = find(0, '\r');
    qsizetype nextLf = find(0, '\n');
    qsizetype start = 0;
    while (nextCr < size || nextLf < size) {
        const qsizetype end = qMin(nextCr, nextLf);
        onLine(start, end - start);
        start = end + 1;
        if (end == nextCr && start < size && at(start) == '\n')
            ++start;
        if (nextCr < start)
            nextCr = find(start, '\r');
        if (nextLf < start)
            nextLf = find(start, '\n');
    }
    if (start < size)
        onLine(start, size - start);
}

// The lines of bytes in which one byte 0x0D or 0x0A is one CR or LF character (Windows-1252,
// well-formed UTF-8), found with the C library's byte search, the fastest there is.
template <typename OnLine> void ForEachByteLine(QByteArrayView bytes, OnLine onLine)
{
    const char *const begin = bytes.data();
    const qsizetype size = bytes.size();
    ForEachLine(
        size,
        [begin, size](qsizetype from, char unit) {
            // Nothing left to search; an empty view may not even have an address for memchr.
            if (from >= size)
                return size;
            const void *found = std::memchr(begin + from, unit, size_t(size - from));
            return found == nullptr ? size : qsizetype(static_cast<const char *>(found) - begin);
        },
        [begin](qsizetype position) { return begin[position]; }, onLine);
}

// The lines of a decoded text, found with Qt's fast character search.
template <typename OnLine> void ForEachTextLine(QStringView text, OnLine onLine)
{
    ForEachLine(
        text.size(),
        [text](qsizetype from, char unit) {
            const qsizetype found = text.indexOf(QChar(QLatin1Char(unit)), from);
            return found < 0 ? text.size() : found;
        },
        [text](qsizetype position) { return text[position] == u'\n' ? '\n' : '\0'; }, onLine);
}

// The lines SplitTextLines gives for the decoded bytes, without the whole text in between. The
// food table is read at every start: the line ends are found in the bytes (one byte is one
// character) with the C library's byte search, several times faster than a search through the
// decoded text, and each line is decoded straight into its own string instead of being copied
// out of the whole text.
QStringList DecodeWindows1252Lines(const QByteArray &bytes)
{
    QStringList lines;
    const bool high = HasWindows1252High(bytes); // looked for once, not line by line
    const QByteArrayView all(bytes);
    ForEachByteLine(all, [&](qsizetype start, qsizetype length) {
        lines.append(DecodeWindows1252(all.sliced(start, length), high));
    });
    return lines;
}

// The byte of a character in Windows-1252; -1 when the code page has none.
int Windows1252Byte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (int k = 0; k < 32; ++k) {
        if (Cp1252High[k] == unit)
            return 0x80 + k;
    }
    return -1;
}

char EncodeWindows1252Char(char16_t unit)
{
    const int byte = Windows1252Byte(unit);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

bool FitsWindows1252(const QStringList &lines)
{
    for (const QString &line : lines) {
        for (const QChar ch : line) {
            if (ch.unicode() >= 0x80 && Windows1252Byte(ch.unicode()) < 0)
                return false;
        }
    }
    return true;
}

// True when bytes are well-formed UTF-8 throughout (no overlong forms, no surrogates, nothing
// beyond U+10FFFF) and hold at least one multi-byte sequence. Windows-1252 text with letters
// such as 'ä' practically never passes: a lead byte followed by the right number of
// continuation bytes does not occur in German words.
bool IsMultiByteUtf8(QByteArrayView bytes)
{
    const auto *byte = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    bool multiByte = false;
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = byte[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The second byte's range depends on the lead byte; it is what rules out overlong
        // forms, surrogates and code points above U+10FFFF.
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead == 0xE0) {
            length = 3;
            low = 0xA0;
        } else if (lead == 0xED) {
            length = 3;
            high = 0x9F;
        } else if (lead >= 0xE1 && lead <= 0xEF) {
            length = 3;
        } else if (lead == 0xF0) {
            length = 4;
            low = 0x90;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            length = 4;
        } else if (lead == 0xF4) {
            length = 4;
            high = 0x8F;
        } else {
            return false;
        }
        if (size - i < length || byte[i + 1] < low || byte[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((byte[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
        multiByte = true;
    }
    return multiByte;
}

// Decoded by hand rather than through QStringDecoder so that an odd trailing byte yields a
// visible replacement character instead of being swallowed as incomplete input.
QString DecodeUtf16(const QByteArray &bytes, qsizetype from, bool bigEndian)
{
    const qsizetype unitCount = (bytes.size() - from) / 2;
    QString text;
    text.resize(unitCount);
    QChar *out = text.data();
    for (qsizetype i = 0; i < unitCount; ++i) {
        const auto first = static_cast<unsigned char>(bytes.at(from + 2 * i));
        const auto second = static_cast<unsigned char>(bytes.at(from + 2 * i + 1));
        *out++ = bigEndian ? QChar(static_cast<char16_t>((first << 8) | second))
                           : QChar(static_cast<char16_t>((second << 8) | first));
    }
    if ((bytes.size() - from) % 2 != 0)
        text.append(QChar(QChar::ReplacementCharacter));
    return text;
}

void AppendUtf16(QByteArray &out, const QString &text, bool bigEndian)
{
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        if (bigEndian) {
            out.append(high);
            out.append(low);
        } else {
            out.append(low);
            out.append(high);
        }
    }
}

void AppendWindows1252(QByteArray &out, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A character beyond the BMP is one character to the reader, so it becomes one '?'.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(EncodeWindows1252Char(ch.unicode()));
    }
}

bool StartsWith(const QByteArray &bytes, const char *mark, qsizetype length)
{
    return bytes.size() >= length && std::equal(mark, mark + length, bytes.constData());
}

// The encoding DecodeTextLines reads bytes in: by their mark, else UTF-8 when they are
// well-formed multi-byte UTF-8, else Windows-1252.
TextEncoding DetectEncoding(const QByteArray &bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3))
        return TextEncoding::Utf8Bom;
    if (StartsWith(bytes, "\xFF\xFE", 2))
        return TextEncoding::Utf16LeBom;
    if (StartsWith(bytes, "\xFE\xFF", 2))
        return TextEncoding::Utf16BeBom;
    if (IsMultiByteUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Windows1252;
}

// The whole text of bytes in encoding, any mark left out; not for Windows-1252, whose lines
// are decoded one by one.
QString DecodeText(const QByteArray &bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom: {
        // The mark is consumed here; a second mark is content and must survive a round trip,
        // which QString::fromUtf8 would not allow (it drops a leading U+FEFF). Stateless, so a
        // sequence cut off at the end of the file shows as a replacement character instead of
        // vanishing as input that waits for more bytes.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
        return decoder.decode(QByteArrayView(bytes).sliced(3));
    }
    case TextEncoding::Utf16LeBom:
        return DecodeUtf16(bytes, 2, false);
    case TextEncoding::Utf16BeBom:
        return DecodeUtf16(bytes, 2, true);
    case TextEncoding::Utf8:
        // Well-formed throughout, so the conversion loses nothing and writing gives the same
        // bytes back.
        return QString::fromUtf8(QByteArrayView(bytes));
    case TextEncoding::Windows1252:
        break;
    }
    return DecodeWindows1252(bytes, HasWindows1252High(bytes));
}

// The reason a file operation failed. Qt's own text is English, and when the system took some
// of the bytes of a write before it refused the rest (a full disk) it is only "Unknown error";
// errno, cleared by the caller before the call, still holds the real reason. Without one,
// Qt's text is all there is.
QString FailureReason(const QFileDevice &file, int errorCode)
{
    return errorCode != 0 ? SystemErrorReason(errorCode) : file.errorString();
}

} // namespace

QString SystemErrorReason(int errorCode)
{
    switch (errorCode) {
    case EACCES:
        return QStringLiteral("Keine Berechtigung");
    case EPERM:
        return QStringLiteral("Vorgang nicht erlaubt");
    case ENOSPC:
        return QStringLiteral("Kein Speicherplatz mehr auf dem Datenträger");
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz ist aufgebraucht");
    case EROFS:
        return QStringLiteral("Das Dateisystem ist schreibgeschützt");
    case ENOENT:
        return QStringLiteral("Datei oder Ordner nicht gefunden");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner, keine Datei");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang");
    default:
        return qt_error_string(errorCode);
    }
}

WriteResult WriteResult::Refused(const QString &path, const QString &refusal)
{
    WriteResult result;
    result.ok = false;
    result.path = path;
    result.refusal = refusal;
    return result;
}

QString WriteResult::message() const
{
    if (ok)
        return QString();
    if (refused())
        return refusal;
    return QStringLiteral("Die Datei \"") + QDir::toNativeSeparators(path) +
           QStringLiteral("\" konnte nicht geschrieben werden:\n") + reason;
}

TextFile DecodeTextLines(const QByteArray &bytes)
{
    TextFile file;
    file.encoding = DetectEncoding(bytes);
    if (file.encoding == TextEncoding::Windows1252)
        file.lines = DecodeWindows1252Lines(bytes);
    else
        file.lines = SplitTextLines(DecodeText(bytes, file.encoding));
    return file;
}

TextOutline OutlineTextLines(const QByteArray &bytes)
{
    TextOutline outline;
    outline.encoding = DetectEncoding(bytes);
    qsizetype firstLength = 0;
    const auto count = [&](qsizetype, qsizetype length) {
        if (outline.lineCount++ == 0)
            firstLength = length;
    };
    if (outline.encoding == TextEncoding::Windows1252 || outline.encoding == TextEncoding::Utf8) {
        // In Windows-1252 every byte is a character, and in well-formed UTF-8 the bytes 0x0D
        // and 0x0A never occur inside a longer sequence: the lines are counted in the bytes.
        ForEachByteLine(QByteArrayView(bytes), count);
        const QByteArrayView first = QByteArrayView(bytes).first(firstLength);
        outline.firstLine = outline.encoding == TextEncoding::Utf8
                                ? QString::fromUtf8(first)
                                : DecodeWindows1252(first, HasWindows1252High(first));
        return outline;
    }
    // The files with a mark are rare. In UTF-16 a byte is not a character, and after a UTF-8
    // mark broken sequences may stand, whose replacement decides where a character ends: these
    // are decoded whole, as DecodeTextLines does, only without cutting out the lines.
    const QString text = DecodeText(bytes, outline.encoding);
    ForEachTextLine(QStringView(text), count);
    outline.firstLine = text.first(firstLength);
    return outline;
}

QStringList SplitTextLines(const QString &text)
{
    QStringList lines;
    const QStringView all(text);
    ForEachTextLine(
        all, [&](qsizetype start, qsizetype length) { lines.append(all.sliced(start, length).toString()); });
    return lines;
}

QByteArray EncodeTextLines(const QStringList &lines, TextEncoding encoding)
{
    QByteArray out;
    switch (encoding) {
    case TextEncoding::Windows1252:
        for (const QString &line : lines) {
            AppendWindows1252(out, line);
            out.append("\r\n");
        }
        break;
    case TextEncoding::Utf8Bom:
    case TextEncoding::Utf8:
        if (encoding == TextEncoding::Utf8Bom)
            out.append("\xEF\xBB\xBF");
        for (const QString &line : lines) {
            out.append(line.toUtf8());
            out.append("\r\n");
        }
        break;
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom: {
        const bool bigEndian = encoding == TextEncoding::Utf16BeBom;
        out.append(bigEndian ? "\xFE\xFF" : "\xFF\xFE", 2);
        for (const QString &line : lines) {
            AppendUtf16(out, line, bigEndian);
            AppendUtf16(out, QStringLiteral("\r\n"), bigEndian);
        }
        break;
    }
    }
    return out;
}

QString NotRegularFileRefusal(const QString &path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“ ist keine normale Datei.");
}

QString TooLargeFileRefusal(const QString &path, qint64 maxBytes)
{
    return QStringLiteral("Die Datei „") + QDir::toNativeSeparators(path) + QStringLiteral("“ ist größer als ") +
           QString::number(maxBytes / (1024 * 1024)) + QStringLiteral(" MB und wird nicht gelesen.");
}

namespace {

QString RefusalOf(const QFileInfo &info, const QString &path, qint64 maxBytes)
{
    if (!info.exists() || info.isDir())
        return QString();
    // Opening a pipe waits for a writer, for ever if none comes, and a device such as
    // /dev/zero never ends: only a regular file is opened.
    if (!info.isFile())
        return NotRegularFileRefusal(path);
    if (info.size() > maxBytes)
        return TooLargeFileRefusal(path, maxBytes);
    return QString();
}

} // namespace

QString RefusalBeforeReading(const QString &path, qint64 maxBytes)
{
    return RefusalOf(QFileInfo(path), path, maxBytes);
}

namespace {

// Opens path for reading the way every reader does, or says why not in status and reason:
// only a regular file, never in a way that could wait, and not one larger than maxBytes.
// Gives the open descriptor, or -1.
int OpenForReading(const QString &path, qint64 maxBytes, ReadStatus &status, QString &reason)
{
    const auto refuse = [&](const QString &refusal) {
        status = ReadStatus::Refused;
        reason = refusal;
        return -1;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        status = ReadStatus::Missing;
        return -1;
    }
    // Qt opens a folder and only then refuses it, with errno left as it was.
    if (info.isDir()) {
        status = ReadStatus::Failed;
        reason = SystemErrorReason(EISDIR);
        return -1;
    }
    const QString refusal = RefusalOf(info, path, maxBytes);
    if (!refusal.isEmpty())
        return refuse(refusal);

    // Something else may have taken the name since: opened without waiting, and what was
    // opened is looked at once more.
    errno = 0;
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
        reason = errno == ENOENT ? QString() : SystemErrorReason(errno);
        return -1;
    }
    struct stat opened = {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(descriptor);
        return refuse(NotRegularFileRefusal(path));
    }
    if (qint64(opened.st_size) > maxBytes) {
        ::close(descriptor);
        return refuse(TooLargeFileRefusal(path, maxBytes));
    }
    status = ReadStatus::Ok;
    return descriptor;
}

} // namespace

FileBytesReadResult ReadFileBytes(const QString &path, qint64 maxBytes)
{
    FileBytesReadResult result;
    const int descriptor = OpenForReading(path, maxBytes, result.status, result.reason);
    if (descriptor < 0)
        return result;
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        result.status = ReadStatus::Failed;
        result.reason = file.errorString();
        return result;
    }
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::Failed;
        result.reason = FailureReason(file, errno);
        return result;
    }
    // Grown while it was read.
    if (bytes.size() > maxBytes) {
        result.status = ReadStatus::Refused;
        result.reason = TooLargeFileRefusal(path, maxBytes);
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

FileMapResult MapFileBytes(const QString &path, qint64 maxBytes)
{
    FileMapResult result;
    const int descriptor = OpenForReading(path, maxBytes, result.status, result.reason);
    if (descriptor < 0)
        return result;
    struct stat opened = {};
    ::fstat(descriptor, &opened);
    result.file = std::make_shared<const MappedFile>(descriptor, qint64(opened.st_size));
    return result;
}

TextReadResult ReadTextFile(const QString &path, qint64 maxBytes)
{
    const FileBytesReadResult read = ReadFileBytes(path, maxBytes);
    TextReadResult result;
    result.status = read.status;
    result.reason = read.reason;
    if (read.status == ReadStatus::Ok)
        result.file = DecodeTextLines(read.bytes);
    return result;
}

WriteResult WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    WriteResult result;
    result.path = path;
    // QSaveFile writes beside the target and renames only after everything was written, so a
    // failure at any step leaves the earlier file exactly as it was.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        result.ok = false;
        // QSaveFile refuses a folder in the file's place by itself, without a system call
        // that fails.
        result.reason = QFileInfo(path).isDir() ? SystemErrorReason(EISDIR) : FailureReason(file, errno);
        return result;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        result.ok = false;
        result.reason = FailureReason(file, errno);
        file.cancelWriting();
        return result;
    }
    // A small write only sits in the buffer until here. QSaveFile::commit() does not notice
    // when flushing that buffer falls short (a full disk) and would put the cut-off file in
    // place of the earlier one, so the flush is checked first.
    errno = 0;
    if (!file.flush()) {
        result.ok = false;
        result.reason = FailureReason(file, errno);
        file.cancelWriting();
        return result;
    }
    errno = 0;
    if (!file.commit()) {
        result.ok = false;
        result.reason = FailureReason(file, errno);
        return result;
    }
    return result;
}

TextEncoding EncodingForWriting(const QStringList &lines, TextEncoding wanted)
{
    // Every reader of the program takes the mark, so the switch costs nothing but the mark.
    if (wanted == TextEncoding::Windows1252 && !FitsWindows1252(lines))
        return TextEncoding::Utf8Bom;
    return wanted;
}

WriteResult WriteTextFile(const QString &path, const QStringList &lines, TextEncoding encoding)
{
    const TextEncoding used = EncodingForWriting(lines, encoding);
    WriteResult result = WriteFileAtomically(path, EncodeTextLines(lines, used));
    result.encoding = used;
    return result;
}
