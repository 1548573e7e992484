#pragma once

#include "maxvaluesrows.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>

#include <vector>

// The rows of the maximum-values list behind a table view. Sorting permutes a list of row
// positions, so a thousand rows sort without touching the texts.
class MaxValuesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit MaxValuesModel(QObject *parent = nullptr);

    // Replaces all rows; they show in the given order.
    void setRows(QList<MaxValuesRow> rows);

    // Sorts the shown rows by column; rows that compare equal keep their shown order.
    // Selections and other persistent indexes follow their rows.
    void sortRows(int column, bool descending);

    // The text in a shown row and column.
    QString cell(int row, int column) const;

    QString caption(int column) const { return m_captions.at(column); }

    // The font a column's caption is drawn in; the header's own when never set.
    void setCaptionFont(int column, const QFont &font);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_captions;
    QHash<int, QFont> m_captionFonts;
    QList<MaxValuesRow> m_rows;
    std::vector<int> m_order; // shown row -> position in m_rows
};
