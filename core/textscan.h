#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

// Many short texts in one buffer, each ended by '\n', so that one vectorised pass finds a
// piece of text in all of them.
struct ScanBuffer
{
    QString text;
    std::vector<qsizetype> starts;            // where each text starts; after finish() also the end
    std::array<qsizetype, 128> asciiCounts{}; // how often each ASCII character occurs

    // Call before appending a text's characters; close it with '\n'.
    void beginText() { starts.push_back(text.size()); }
    // After the last text: the end and the character counts, of every stride-th character
    // (the counts only choose which character of a needle to look for first).
    void finish(int stride = 1);
    int count() const { return starts.empty() ? 0 : int(starts.size()) - 1; }
    QStringView at(int index) const
    {
        return QStringView(text).sliced(starts[size_t(index)],
                                        starts[size_t(index) + 1] - 1 - starts[size_t(index)]);
    }
};

// The character of needle to look for first: the one that occurs least often in the buffer,
// so that the vectorised search for it stops at few places. Characters beyond ASCII count
// as rare.
qsizetype AnchorOf(QStringView needle, const std::array<qsizetype, 128> &counts);

// Calls accept(index, offset) for the places where needle occurs in the buffer's texts, from the
// left, with the text's index and the offset in it. When accept returns true the rest of that
// text is skipped. A needle holding '\n' is never found.
template <typename Accept> void ForEachOccurrence(const ScanBuffer &buffer, QStringView needle, Accept accept)
{
    if (needle.isEmpty() || needle.contains(u'\n') || buffer.count() == 0)
        return;
    const QStringView haystack(buffer.text);
    const std::vector<qsizetype> &starts = buffer.starts;
    const qsizetype anchor = AnchorOf(needle, buffer.asciiCounts);
    const QChar anchorChar = needle[anchor];
    const qsizetype last = haystack.size() - needle.size(); // the last place needle can start
    size_t index = 0;
    qsizetype from = 0;
    while (from <= last) {
        const qsizetype found = haystack.indexOf(anchorChar, from + anchor);
        if (found < 0)
            return;
        const qsizetype at = found - anchor;
        if (at > last)
            return;
        // The first character decides most places without a call.
        if (haystack[at] != needle[0] || haystack.sliced(at, needle.size()) != needle) {
            from = at + 1;
            continue;
        }
        while (starts[index + 1] <= at)
            ++index;
        from = accept(int(index), at - starts[index]) ? starts[index + 1] : at + 1;
    }
}
