#include "csvcell.h"

namespace {

// What a spreadsheet may read as the start of a formula; a tab or CR before one hides it
// from a check that looks at the first visible character only.
bool StartsLikeAFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    switch (text.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
        return true;
    default:
        return false;
    }
}

bool NeedsQuotes(const QString &text)
{
    for (const QChar ch : text) {
        if (ch == u';' || ch == u'"' || ch == u'\r' || ch == u'\n')
            return true;
    }
    return false;
}

} // namespace

QString CsvCell(const QString &value, CsvCellKind kind)
{
    QString cell = kind == CsvCellKind::Text && StartsLikeAFormula(value) ? QLatin1Char('\'') + value : value;
    if (!NeedsQuotes(cell))
        return cell;
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QString CsvLine(const QStringList &cells)
{
    return cells.join(QLatin1Char(';'));
}
