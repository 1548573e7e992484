#include "textscan.h"

void ScanBuffer::finish(int stride)
{
    starts.push_back(text.size());
    asciiCounts.fill(0);
    const QChar *const characters = text.constData();
    for (qsizetype i = 0; i < text.size(); i += stride) {
        const char16_t c = characters[i].unicode();
        if (c < 128)
            ++asciiCounts[c];
    }
}

qsizetype AnchorOf(QStringView needle, const std::array<qsizetype, 128> &counts)
{
    qsizetype anchor = 0;
    qsizetype fewest = -1;
    for (qsizetype i = 0; i < needle.size(); ++i) {
        const char16_t c = needle[i].unicode();
        const qsizetype count = c < 128 ? counts[c] : 0;
        if (fewest < 0 || count < fewest) {
            fewest = count;
            anchor = i;
        }
    }
    return anchor;
}
