#include "foodsearch.h"

#include "foodindex.h"

#include <QStringView>
#include <QVarLengthArray>

namespace {

constexpr int IdWidth = 14;
constexpr int GapWidth = 3;
constexpr int NameWidth = 100;
constexpr int SearchWidth = 14;
constexpr int LineWidth = IdWidth + GapWidth + NameWidth;

// Only the ASCII capitals fold, so the rule is the same on every system whatever its locale:
// 'Ä' and 'ä' stay different letters here.
inline char16_t FoldAsciiCapital(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

using LineBuffer = QVarLengthArray<char16_t, LineWidth>;

void AppendFolded(LineBuffer &buffer, QStringView text)
{
    for (const QChar c : text)
        buffer.append(FoldAsciiCapital(c.unicode()));
}

// The folded search line of id and name, written into buffer (reused between foods, so the
// filter over the whole list allocates nothing per food).
void FillFoldedLine(LineBuffer &buffer, QStringView id, QStringView name)
{
    buffer.clear();
    AppendFolded(buffer, id.left(IdWidth));
    while (buffer.size() < IdWidth + GapWidth)
        buffer.append(u' ');
    AppendFolded(buffer, name.left(NameWidth));
}

inline QStringView View(const LineBuffer &buffer)
{
    return QStringView(buffer.constData(), buffer.size());
}

} // namespace

QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText)
{
    const QStringList &texts = index.sortedTexts();
    QList<int> positions;
    positions.reserve(texts.size());

    LineBuffer search;
    AppendFolded(search, QStringView(searchFieldText).left(SearchWidth));
    const QStringView searchView = View(search);

    LineBuffer line;
    for (int i = 0; i < texts.size(); ++i) {
        const QStringView text(texts.at(i));
        const qsizetype equals = text.indexOf(u'=');
        const QStringView id = equals < 0 ? text : text.left(equals);
        const QStringView name = equals < 0 ? QStringView() : text.mid(equals + 1);
        FillFoldedLine(line, id, name);
        if (View(line).contains(searchView))
            positions.append(i);
    }
    return positions;
}
