#pragma once

#include "fooddata.h"
#include "foodindex.h"
#include "foodmeasures.h"
#include "foodwords.h"
#include "ownmeasures.h"

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
    // The household measures: those of NwPortionen.dat with the user's own of NwMasse.dat
    // over them (an own measure replaces the shipped one of its name). Both files are read on
    // the first call (a start-up needs none of them); a missing file gives none and no message.
    const FoodMeasures &measures() const;

    // NwMasse.dat as read on first use; its protection's start message is for the caller to
    // show once, when the file was there but could not be read.
    const OwnMeasuresFile &ownMeasures() const;

    // AddOwnMeasure and DeleteOwnMeasure on the own measures; measures() follows what the
    // lines now hold, written or not, as the own foods' lines do.
    WriteResult addOwnMeasure(const QString &id, const QString &name, const QString &gramsText);
    WriteResult deleteOwnMeasure(const QString &id, const QString &name);
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
    mutable std::optional<FoodMeasures> m_shippedMeasures; // read when first asked for
    mutable std::optional<OwnMeasuresFile> m_ownMeasures;  // read when first asked for
    mutable std::optional<FoodMeasures> m_measures;        // the two merged
    bool m_indexHasSwissLines = false;              // m_index was built from the Swiss lines now held
};
