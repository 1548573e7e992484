#include "foodwords.h"

#include "datafiles.h"
#include "fooddata.h"
#include "textfile.h"

#include <utility>

QList<FoodWordPair> FoodWordPairs(const QStringList &lines)
{
    QList<FoodWordPair> pairs;
    for (const QString &line : lines) {
        const QStringView text(line);
        const qsizetype semicolon = text.indexOf(u';');
        if (semicolon < 0)
            continue;
        QStringView swissWord = text.sliced(semicolon + 1);
        // A spreadsheet may save the pair with a closing ';' or further columns.
        const qsizetype further = swissWord.indexOf(u';');
        if (further >= 0)
            swissWord.truncate(further);
        FoodWordPair pair{text.first(semicolon).trimmed().toString(), swissWord.trimmed().toString()};
        if (!pair.word.isEmpty() && !pair.swissWord.isEmpty())
            pairs.append(pair);
    }
    return pairs;
}

QList<FoodWordPair> LoadFoodWords(const QString &dataDirectory, QString *refusal)
{
    const TextReadResult read = ReadTextFile(DataFilePath(dataDirectory, WordListFileName));
    if (read.status == ReadStatus::Refused && refusal != nullptr)
        *refusal = read.reason;
    if (read.status != ReadStatus::Ok)
        return {};
    return FoodWordPairs(read.file.lines);
}

LazyFoodWords::LazyFoodWords(QString dataDirectory) : m_dataDirectory(std::move(dataDirectory)) {}

LazyFoodWords::LazyFoodWords(QList<FoodWordPair> pairs) : m_pairs(std::move(pairs))
{
    std::call_once(m_read, [] {}); // nothing left to read
}

const QList<FoodWordPair> &LazyFoodWords::pairs() const
{
    std::call_once(m_read, [this] { m_pairs = LoadFoodWords(m_dataDirectory); });
    return m_pairs;
}
