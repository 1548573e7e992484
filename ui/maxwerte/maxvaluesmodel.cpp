#include "maxvaluesmodel.h"

#include <numeric>
#include <utility>

MaxValuesModel::MaxValuesModel(QObject *parent) : QAbstractTableModel(parent), m_captions(MaxValuesCaptions())
{
}

void MaxValuesModel::setRows(QList<MaxValuesRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_order.resize(size_t(m_rows.size()));
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
}

void MaxValuesModel::sortRows(int column, bool descending)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> before = m_order;
    SortMaxValuesOrder(m_order, m_rows, column, descending);

    std::vector<int> shownAt(m_order.size());
    for (size_t shown = 0; shown < m_order.size(); ++shown)
        shownAt[size_t(m_order[shown])] = int(shown);
    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    newIndexes.reserve(oldIndexes.size());
    for (const QModelIndex &old : oldIndexes)
        newIndexes.append(index(shownAt[size_t(before[size_t(old.row())])], old.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString MaxValuesModel::cell(int row, int column) const
{
    return m_rows.at(m_order.at(size_t(row))).at(column);
}

int MaxValuesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int MaxValuesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MaxValuesColumnCount;
}

QVariant MaxValuesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cell(index.row(), index.column());
}

QVariant MaxValuesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_captions.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_captions.at(section);
    if (role == Qt::FontRole && m_captionFonts.contains(section))
        return m_captionFonts.value(section);
    return {};
}

void MaxValuesModel::setCaptionFont(int column, const QFont &font)
{
    m_captionFonts.insert(column, font);
    emit headerDataChanged(Qt::Horizontal, column, column);
}
