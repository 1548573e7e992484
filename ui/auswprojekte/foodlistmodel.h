#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The rows of the food selection list: id and name of chosen entries of the sorted 'id=name'
// list. Texts are cut out only for the rows on screen, so refilling after every key stays
// cheap.
class FoodListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit FoodListModel(QObject *parent = nullptr);

    // Shows the entries of sortedTexts at positions, in that order (one row each).
    void setRows(const QStringList &sortedTexts, const QList<int> &positions);
    // The same, with the foods eaten lately first: a heading row, recent's entries, a second
    // heading row and then positions. Without recent foods, as setRows above.
    void setRows(const QStringList &sortedTexts, const QList<int> &recent, const QList<int> &positions);
    void clear();

    // The position in the sorted list that row shows; -1 for a heading and outside the rows.
    int sourcePosition(int row) const;
    // The rows that are headings, not foods (they cannot be selected).
    QList<int> headingRows() const;
    // How many rows show foods.
    int foodRowCount() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Heading rows hold this in place of a position.
    static constexpr int HeadingRow = -2;

private:
    QVariant headingData(const QModelIndex &index, int role) const;

    QStringList m_sortedTexts;
    QList<int> m_positions;
    QStringList m_headings; // the heading rows' texts, in row order
};
