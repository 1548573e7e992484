#pragma once

#include "fooddata.h"
#include "foodindex.h"
#include "foodmeasures.h"
#include "foodwords.h"

#include <QLocale>

#include <memory>
#include <optional>

// The food files' lines and the index built from them, held for the whole run.
class FoodStore
{
public:
    FoodStore(QString dataDirectory, QLocale locale); // locale: the collation of the sorted list

    // Reads NwChDb.dat then NwAnDb.dat; the word table NwWortliste.dat is read when the search
    // first needs it and only looked at now, so that one it would refuse unread has its message.
    // Returns the plain messages to show, in order.
    // The index is not built here: start-up reads the settings first.
    QStringList loadFiles();

    void buildIndex();

    // Replaces the own foods' lines by rows (in display order), writes NwAnDb.dat in the
    // encoding it was read in and, only when that worked, rebuilds the index. A protected
    // file is not written: the save is refused like a failed write.
    WriteResult saveAdditionalFoods(const QList<AdditionalFoodRow> &rows, const QDate &today);

    // Set by loadFiles when NwAnDb.dat was there but could not be read or is not the own-foods
    // file: it is then never written in this run.
    const FileProtection &additionalProtection() const { return m_additionalProtection; }

    // NwChDb.dat's lines, all of them decoded on the first call: their number and line 0
    // (header and version) cost nothing.
    const QStringList &swissLines() const { return m_swissLines.lines(); }
    qsizetype swissLineCount() const { return m_swissLines.size(); }
    QString swissHeaderLine() const { return m_swissLines.first(); } // empty without lines
    const QStringList &additionalLines() const { return m_additionalLines; }
    // The word table, read on the first call if the search has not read it yet.
    const QList<FoodWordPair> &words() const { return m_words->pairs(); }
    const FoodIndex &index() const { return m_index; }
    // The household measures of NwPortionen.dat, read on the first call (a start-up needs
    // none of them); none, and no message, when the file is missing.
    const FoodMeasures &measures() const;
    QString dataDirectory() const { return m_dataDirectory; }

private:
    QString m_dataDirectory;
    QLocale m_locale;
    DeferredTextLines m_swissLines; // shared with the index, which makes its texts of them
    QStringList m_additionalLines;
    TextEncoding m_additionalEncoding = TextEncoding::Windows1252;
    std::shared_ptr<const LazyFoodWords> m_words; // shared with the index
    FileProtection m_additionalProtection;
    FoodIndex m_index;
    mutable std::optional<FoodMeasures> m_measures; // read when first asked for
    bool m_indexHasSwissLines = false;              // m_index was built from the Swiss lines now held
};
