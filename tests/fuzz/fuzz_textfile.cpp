// Any bytes with any mark: decoding must not crash, the outline must tell the decoded
// encoding, number of lines and first line, writing the decoded lines back in the detected
// encoding must read back as the same lines, and a file the program wrote comes out of a read
// and a write byte for byte.
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TextFile decoded = FuzzTextFile(data, size);
    const TextOutline outline =
        OutlineTextLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    FuzzCheck(outline.encoding == decoded.encoding);
    FuzzCheck(outline.lineCount == decoded.lines.size());
    FuzzCheck(outline.firstLine == decoded.lines.value(0));
    const QByteArray written = EncodeTextLines(decoded.lines, decoded.encoding);
    const TextFile reread = DecodeTextLines(written);
    FuzzCheck(reread.encoding == decoded.encoding || decoded.lines.isEmpty());
    FuzzCheck(reread.lines == decoded.lines);
    FuzzCheck(EncodeTextLines(reread.lines, reread.encoding) == written);
    SplitTextLines(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
