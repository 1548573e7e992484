#include "deferredtextlines.h"

#include <utility>

struct DeferredTextLines::State
{
    QByteArray bytes; // until the lines are kept
    std::shared_ptr<const MappedFile> file; // instead of bytes, until the lines are kept
    TextOutline outline;
    bool decoded = false;
    QStringList lines; // once decoded
};

DeferredTextLines::DeferredTextLines() : m_state(std::make_shared<State>())
{
    m_state->decoded = true;
}

DeferredTextLines::DeferredTextLines(QByteArray bytes) : m_state(std::make_shared<State>())
{
    m_state->outline = OutlineTextLines(bytes);
    m_state->bytes = std::move(bytes);
}

DeferredTextLines::DeferredTextLines(std::shared_ptr<const MappedFile> file) : m_state(std::make_shared<State>())
{
    m_state->outline = OutlineTextLines(file->view());
    file->releaseResidentPages();
    m_state->file = std::move(file);
}

DeferredTextLines::DeferredTextLines(QStringList lines, TextEncoding encoding)
    : m_state(std::make_shared<State>())
{
    m_state->outline.encoding = encoding;
    m_state->outline.lineCount = lines.size();
    m_state->outline.firstLine = lines.value(0);
    m_state->lines = std::move(lines);
    m_state->decoded = true;
}

TextEncoding DeferredTextLines::encoding() const
{
    return m_state->outline.encoding;
}

qsizetype DeferredTextLines::size() const
{
    return m_state->outline.lineCount;
}

QString DeferredTextLines::first() const
{
    return m_state->outline.firstLine;
}

const QStringList &DeferredTextLines::lines() const
{
    // The state is behind a pointer, so a const object may fill it in; every copy then sees
    // the lines.
    State &state = *m_state;
    if (!state.decoded) {
        state.lines = decode();
        state.bytes = QByteArray(); // nothing needs them any more
        state.file.reset();
        state.decoded = true;
    }
    return state.lines;
}

QStringList DeferredTextLines::decodedLines() const
{
    return m_state->decoded ? m_state->lines : decode();
}

QStringList DeferredTextLines::decode() const
{
    const State &state = *m_state;
    if (!state.file)
        return DecodeTextLines(state.bytes).lines;
    QStringList lines = DecodeTextLines(state.file->bytesForReading()).lines;
    // Only a file written into while it was mapped can differ from its count; the count was
    // shown and sized everything made of the lines, so the lines follow it.
    if (lines.size() > state.outline.lineCount)
        lines.resize(state.outline.lineCount);
    while (lines.size() < state.outline.lineCount)
        lines.append(QString());
    return lines;
}
