// Any cells in any rows: written with CsvCell and read back by the usual rules of a CSV file
// with ';' (a quoted cell may hold ';', CR, LF and doubled quotes), every row comes back with
// the same cells, a text cell that could start a formula with its leading "'", a number cell
// exactly as given. The input's U+001E ends a row, U+001F a cell, and a cell that begins with
// U+0001 is a number.
#include "csvcell.h"
#include "fuzzinput.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace {

// The rows of a CSV text whose lines end in CR LF; false when it breaks the rules.
bool ReadCsv(const QString &text, QList<QStringList> *rows)
{
    QStringList row;
    QString cell;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        if (text.at(i) == u'"') {
            for (++i;; ++i) {
                if (i >= size)
                    return false; // a quote never closed
                if (text.at(i) == u'"') {
                    if (i + 1 < size && text.at(i + 1) == u'"') {
                        cell += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += text.at(i);
            }
        } else {
            while (i < size && text.at(i) != u';' && text.at(i) != u'\r') {
                if (text.at(i) == u'"' || text.at(i) == u'\n')
                    return false; // only a quoted cell may hold these
                cell += text.at(i++);
            }
        }
        if (i < size && text.at(i) == u';') {
            row.append(cell);
            cell.clear();
            ++i;
            continue;
        }
        if (i + 1 >= size || text.at(i) != u'\r' || text.at(i + 1) != u'\n')
            return false; // a line must end in CR LF
        row.append(cell);
        cell.clear();
        rows->append(row);
        row.clear();
        i += 2;
    }
    return row.isEmpty() && cell.isEmpty();
}

bool StartsLikeAFormula(const QString &text)
{
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QStringList> expected;
    QString written;
    for (const QString &rowText : input.split(QChar(0x1E))) {
        QStringList cells;
        QStringList expectedRow;
        for (QString value : rowText.split(QChar(0x1F))) {
            const bool number = value.startsWith(QChar(0x01));
            if (number)
                value.remove(0, 1);
            cells.append(CsvCell(value, number ? CsvCellKind::Number : CsvCellKind::Text));
            expectedRow.append(!number && StartsLikeAFormula(value) ? QLatin1Char('\'') + value : value);
        }
        // Every line ends in CR LF, as the report files are written.
        written += CsvLine(cells) + QStringLiteral("\r\n");
        expected.append(expectedRow);
    }

    QList<QStringList> read;
    FuzzCheck(ReadCsv(written, &read));
    FuzzCheck(read == expected);
    return 0;
}
