#include "foodstore.h"

#include "datafiles.h"
#include "textfile.h"

#include <utility>

FoodStore::FoodStore(QString dataDirectory, QLocale locale)
    : m_dataDirectory(std::move(dataDirectory)), m_locale(std::move(locale)),
      m_words(std::make_shared<const LazyFoodWords>(QList<FoodWordPair>()))
{
}

QStringList FoodStore::loadFiles()
{
    QStringList messages;
    const SwissFoodLoad swiss = LoadSwissDatabase(m_dataDirectory);
    m_swissLines = swiss.lines;
    if (!swiss.message.isEmpty())
        messages.append(swiss.message);

    const FoodFileLoad additional = LoadAdditionalFoods(m_dataDirectory);
    m_additionalLines = additional.lines;
    m_additionalEncoding = additional.encoding;
    m_additionalProtection = additional.protection;
    if (!additional.message.isEmpty())
        messages.append(additional.message);

    // The word table costs start-up nothing but a look at its size and kind.
    const QString wordsRefusal = RefusalBeforeReading(DataFilePath(m_dataDirectory, WordListFileName));
    if (!wordsRefusal.isEmpty())
        messages.append(wordsRefusal);
    m_words = std::make_shared<const LazyFoodWords>(m_dataDirectory);
    m_indexHasSwissLines = false;
    return messages;
}

void FoodStore::buildIndex()
{
    m_index = BuildDeferredFoodIndex(m_swissLines, m_additionalLines, m_locale, m_words);
    m_indexHasSwissLines = true;
}

WriteResult FoodStore::saveAdditionalFoods(const QList<AdditionalFoodRow> &rows, const QDate &today)
{
    // The lines are replaced before writing: after a failed write they hold what the user
    // meant to save, while the index still shows what the file on disk holds.
    m_additionalLines = AdditionalFoodFileLines(rows, today);
    const QString path = DataFilePath(m_dataDirectory, OwnFoodFileName);
    const WriteResult result = m_additionalProtection.writeLines(path, m_additionalLines, m_additionalEncoding);
    if (result.ok) {
        // Only the own foods changed: the index keeps its Swiss part and their sorted order.
        if (m_indexHasSwissLines)
            m_index = m_index.withOwnFoods(m_additionalLines);
        else
            buildIndex();
    }
    return result;
}

const FoodMeasures &FoodStore::measures() const
{
    if (!m_measures) {
        if (!m_shippedMeasures)
            m_shippedMeasures = LoadFoodMeasures(m_dataDirectory);
        m_measures = m_shippedMeasures->mergedWith(ownMeasures().measures());
    }
    return *m_measures;
}

const OwnMeasuresFile &FoodStore::ownMeasures() const
{
    if (!m_ownMeasures)
        m_ownMeasures = LoadOwnMeasures(m_dataDirectory);
    return *m_ownMeasures;
}

WriteResult FoodStore::addOwnMeasure(const QString &id, const QString &name, const QString &gramsText)
{
    ownMeasures();
    const WriteResult result = AddOwnMeasure(*m_ownMeasures, id, name, gramsText, m_dataDirectory);
    m_measures.reset(); // merged again when next asked for
    return result;
}

WriteResult FoodStore::deleteOwnMeasure(const QString &id, const QString &name)
{
    ownMeasures();
    const WriteResult result = DeleteOwnMeasure(*m_ownMeasures, id, name, m_dataDirectory);
    m_measures.reset();
    return result;
}
