#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>

// The rows of a sortable food list (own foods, maximum values) behind a table view: one text
// per cell, the columns of FoodColumn, shown in the order the rows were given or last sorted
// into. Persistent indexes, and with them the selection, follow their rows through a sort.
class FoodRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // captions: one per column, their count the column count.
    explicit FoodRowsModel(QStringList captions, QObject *parent = nullptr);

    // Replaces all rows; they show in the given order. Every row holds one cell per column.
    void setRows(QList<QStringList> rows);
    // All rows in the shown order.
    const QList<QStringList> &rows() const { return m_rows; }

    // Adds a row below the last one.
    void appendRow(QStringList cells);
    // Removes the shown row and returns its cells.
    QStringList takeRow(int row);

    // Sorts the shown rows by column (CompareListCells); rows that compare equal keep their
    // shown order.
    void sortRows(int column, bool descending);

    // The text in a shown row and column.
    QString cell(int row, int column) const { return m_rows.at(row).at(column); }
    // The first shown row whose cell in column is exactly text; -1 when none is.
    int findRow(int column, const QString &text) const;

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
    QList<QStringList> m_rows;
};
