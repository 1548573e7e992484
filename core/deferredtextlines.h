#pragma once

#include "mappedfile.h"
#include "textfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// A text file's lines, decoded only when all of them are first asked for. A start-up needs
// only how many lines the Swiss food table has and its first line, and decoding all of them
// would cost more than everything else of reading it. Copies share the bytes and the lines
// once decoded. Not for use from several threads at once.
class DeferredTextLines
{
public:
    DeferredTextLines(); // no lines

    // The lines DecodeTextLines(bytes) gives; the encoding and size are decided here.
    explicit DeferredTextLines(QByteArray bytes);

    // The lines of a mapped file, as for its bytes; the pages read to count them are given back
    // at once, and the file is read again only when the lines are asked for. Should it have been
    // written in place since, the lines are cut or filled up to size(), so a count taken here
    // stays true.
    explicit DeferredTextLines(std::shared_ptr<const MappedFile> file);

    // Lines that are decoded already, as if read in encoding.
    explicit DeferredTextLines(QStringList lines, TextEncoding encoding = TextEncoding::Windows1252);

    TextEncoding encoding() const;
    qsizetype size() const;
    bool isEmpty() const { return size() == 0; }
    // Line 0; empty when there are no lines.
    QString first() const;

    // Every line, decoded on the first call and kept for every copy.
    const QStringList &lines() const;

    // Every line without keeping them: those lines() keeps, else decoded anew. For a caller
    // that only makes something else out of them once.
    QStringList decodedLines() const;

private:
    QStringList decode() const;

    struct State;
    std::shared_ptr<State> m_state;
};
