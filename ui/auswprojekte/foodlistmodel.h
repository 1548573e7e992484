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
    void clear();

    // The position in the sorted list that row shows; -1 outside the rows.
    int sourcePosition(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList m_sortedTexts;
    QList<int> m_positions;
};
