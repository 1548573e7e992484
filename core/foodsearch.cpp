#include "foodsearch.h"

#include "foodindex.h"
#include "foodsearchtexts.h"
#include "searchfold.h"

#include <QStringView>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The search by characters takes this much of the field.
constexpr int CharacterSearchWidth = 14;

QString AsciiLowered(QStringView text)
{
    QString lowered = text.toString();
    for (QChar &c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return lowered;
}

} // namespace

QList<int> FilterFoodPositions(const FoodIndex &index, const QString &searchFieldText)
{
    const FoodSearchTexts &texts = index.searchTexts();
    const int count = texts.count();
    QList<int> positions;
    if (searchFieldText.isEmpty()) {
        positions.resize(count);
        std::iota(positions.begin(), positions.end(), 0);
        return positions;
    }

    std::vector<quint8> found(static_cast<size_t>(count), 0);
    texts.markLinesContaining(AsciiLowered(QStringView(searchFieldText).left(CharacterSearchWidth)), found);

    const QString folded = FoldForSearch(searchFieldText);
    const QList<QStringView> words = SearchWords(folded);
    if (!words.isEmpty()) {
        std::vector<quint8> hasAll;
        std::vector<quint8> hasWord(static_cast<size_t>(count));
        for (const QStringView word : words) {
            std::fill(hasWord.begin(), hasWord.end(), quint8(0));
            texts.markTextsContaining(word, hasWord);
            if (hasAll.empty()) {
                hasAll = hasWord;
            } else {
                for (size_t e = 0; e < hasAll.size(); ++e)
                    hasAll[e] &= hasWord[e];
            }
        }
        for (size_t e = 0; e < found.size(); ++e)
            found[e] |= hasAll[e];
    }

    positions.reserve(count);
    if (words.isEmpty()) {
        for (int e = 0; e < count; ++e) {
            if (found[size_t(e)])
                positions.append(e);
        }
        return positions;
    }

    // The groups of the order; an entry's group is the first that takes it.
    const QStringView wholeText = QStringView(folded).trimmed();
    const QStringView firstWord = words.first();
    QList<int> byName;
    QList<int> byNameWord;
    QList<int> rest;
    for (int e = 0; e < count; ++e) {
        if (!found[size_t(e)])
            continue;
        const QStringView name = texts.foldedName(e);
        if (texts.foldedId(e) == wholeText)
            positions.append(e);
        else if (!name.isEmpty() && name.front() == firstWord.front() && name.startsWith(firstWord))
            byName.append(e);
        else if (texts.nameWordStartsWithAny(e, words))
            byNameWord.append(e);
        else
            rest.append(e);
    }
    positions += byName;
    positions += byNameWord;
    positions += rest;
    return positions;
}
