#include "foodlistmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

const QString RecentHeading = QStringLiteral("Zuletzt gegessen");
const QString WholeListHeading = QStringLiteral("Alle Lebensmittel");

} // namespace

FoodListModel::FoodListModel(QObject *parent) : QAbstractTableModel(parent) {}

void FoodListModel::setRows(const QStringList &sortedTexts, const QList<int> &positions)
{
    beginResetModel();
    m_sortedTexts = sortedTexts; // shared, not copied
    m_positions = positions;
    m_headings.clear();
    endResetModel();
}

void FoodListModel::setRows(const QStringList &sortedTexts, const QList<int> &recent, const QList<int> &positions)
{
    if (recent.isEmpty()) {
        setRows(sortedTexts, positions);
        return;
    }
    beginResetModel();
    m_sortedTexts = sortedTexts;
    m_positions.clear();
    m_positions.reserve(recent.size() + positions.size() + 2);
    m_positions.append(HeadingRow);
    m_positions.append(recent);
    m_positions.append(HeadingRow);
    m_positions.append(positions);
    m_headings = QStringList{RecentHeading, WholeListHeading};
    endResetModel();
}

QList<int> FoodListModel::headingRows() const
{
    QList<int> rows;
    if (m_headings.isEmpty())
        return rows; // the common case: no row to look at
    for (int row = 0; row < m_positions.size() && rows.size() < m_headings.size(); ++row) {
        if (m_positions.at(row) == HeadingRow)
            rows.append(row);
    }
    return rows;
}

int FoodListModel::foodRowCount() const
{
    return int(m_positions.size() - m_headings.size());
}

void FoodListModel::clear()
{
    setRows(QStringList(), QList<int>());
}

int FoodListModel::sourcePosition(int row) const
{
    const int position = row >= 0 && row < m_positions.size() ? m_positions.at(row) : -1;
    return position < 0 ? -1 : position;
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
    if (!index.isValid())
        return QVariant();
    if (index.row() < m_positions.size() && m_positions.at(index.row()) == HeadingRow)
        return headingData(index, role);
    if (role != Qt::DisplayRole)
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

QVariant FoodListModel::headingData(const QModelIndex &index, int role) const
{
    switch (role) {
    case Qt::DisplayRole: {
        if (index.column() != 0)
            return QVariant();
        int heading = 0;
        for (int row = 0; row < index.row(); ++row)
            heading += m_positions.at(row) == HeadingRow ? 1 : 0;
        return m_headings.value(heading);
    }
    case Qt::FontRole: {
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::ForegroundRole:
        // Headings cannot be chosen, but are not greyed out like something switched off.
        return QBrush(QColor(64, 64, 64));
    default:
        return QVariant();
    }
}

Qt::ItemFlags FoodListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // A heading is neither selectable nor enabled, so the arrow keys pass over it.
    if (index.row() < m_positions.size() && m_positions.at(index.row()) == HeadingRow)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
