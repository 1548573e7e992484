#include "foodlistmodel.h"

FoodListModel::FoodListModel(QObject *parent) : QAbstractTableModel(parent) {}

void FoodListModel::setRows(const QStringList &sortedTexts, const QList<int> &positions)
{
    beginResetModel();
    m_sortedTexts = sortedTexts; // shared, not copied
    m_positions = positions;
    endResetModel();
}

void FoodListModel::clear()
{
    setRows(QStringList(), QList<int>());
}

int FoodListModel::sourcePosition(int row) const
{
    return row >= 0 && row < m_positions.size() ? m_positions.at(row) : -1;
}

int FoodListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_positions.size());
}

int FoodListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FoodListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    const int position = sourcePosition(index.row());
    if (position < 0 || position >= m_sortedTexts.size())
        return QVariant();
    const QString &text = m_sortedTexts.at(position);
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (index.column() == 0)
        return equals < 0 ? text : text.left(equals);
    return equals < 0 ? QString() : text.mid(equals + 1);
}

Qt::ItemFlags FoodListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
