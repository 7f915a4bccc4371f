#include "AmortListModel.h"

namespace pelmora {

namespace {
constexpr int TextColumns = 7; // Paym .. Balance Due; "Excel" and "X" show no text
} // namespace

AmortListModel::AmortListModel(const AmortList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list), m_rowCount(list.rowCount())
{
}

void AmortListModel::reload()
{
    beginResetModel();
    m_rowCount = m_list.rowCount();
    endResetModel();
}

void AmortListModel::textsChanged()
{
    if (m_rowCount > 0)
        Q_EMIT dataChanged(index(0, 1), index(m_rowCount - 1, TextColumns - 1), {Qt::DisplayRole});
}

int AmortListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int AmortListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AmortList::ColumnCount;
}

Qt::Alignment AmortListModel::alignment(int column)
{
    if (column < 0 || column >= AmortList::ColumnCount)
        return Qt::AlignLeft | Qt::AlignVCenter;
    switch (AmortList::columns()[size_t(column)].alignment) {
    case AmortList::Column::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case AmortList::Column::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case AmortList::Column::Centre:
        break;
    }
    return Qt::AlignCenter;
}

QVariant AmortListModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row >= m_rowCount || row >= m_list.rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < TextColumns ? m_list.text(row, index.column()) : QString();
    case Qt::TextAlignmentRole:
        return int(alignment(index.column())); // an int: what every Qt 6 delegate reads
    case KeyRole:
        return m_list.key(row);
    default:
        return {};
    }
}

QVariant AmortListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= AmortList::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(AmortList::columns()[size_t(section)].header);
    case Qt::TextAlignmentRole:
        return int(alignment(section));
    case Qt::ToolTipRole: // the whole text of a header elided in a narrow list
        return section >= 1 && section < TextColumns ? QString::fromLatin1(AmortList::columns()[size_t(section)].header)
                                                     : QVariant();
    default:
        return {};
    }
}

} // namespace pelmora
