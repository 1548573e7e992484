#include "foodrowsmodel.h"

#include "listcompare.h"

#include <numeric>
#include <utility>
#include <vector>

FoodRowsModel::FoodRowsModel(QStringList captions, QObject *parent)
    : QAbstractTableModel(parent), m_captions(std::move(captions))
{
}

void FoodRowsModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void FoodRowsModel::appendRow(QStringList cells)
{
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(std::move(cells));
    endInsertRows();
}

QStringList FoodRowsModel::takeRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    QStringList cells = m_rows.takeAt(row);
    endRemoveRows();
    return cells;
}

void FoodRowsModel::sortRows(int column, bool descending)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> order(size_t(m_rows.size()));
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(order, m_rows, column, descending);

    // The rows move, their texts do not: each list is shared, not copied.
    QList<QStringList> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> shownAt(order.size());
    for (size_t shown = 0; shown < order.size(); ++shown) {
        sorted.append(std::move(m_rows[order[shown]]));
        shownAt[size_t(order[shown])] = int(shown);
    }
    m_rows = std::move(sorted);

    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    newIndexes.reserve(oldIndexes.size());
    for (const QModelIndex &old : oldIndexes)
        newIndexes.append(index(shownAt[size_t(old.row())], old.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FoodRowsModel::findRow(int column, const QString &text) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).at(column) == text)
            return row;
    }
    return -1;
}

int FoodRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FoodRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant FoodRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cell(index.row(), index.column());
}

QVariant FoodRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_captions.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_captions.at(section);
    if (role == Qt::FontRole && m_captionFonts.contains(section))
        return m_captionFonts.value(section);
    return {};
}

void FoodRowsModel::setCaptionFont(int column, const QFont &font)
{
    m_captionFonts.insert(column, font);
    emit headerDataChanged(Qt::Horizontal, column, column);
}
