#include "GridTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace pelmora {

GridTableModel::GridTableModel(CashFlowGrid &grid, QObject *parent) : QAbstractTableModel(parent), m_grid(grid)
{
    // Texts and styles change in place, a cell at a time: an appraisal or a
    // file read writes hundreds. The views hear of them once, when control
    // returns to the event loop (before anything is drawn), so that a screen
    // reader gets one change of the table, not one per cell. Rows come and go
    // with the periods: a reset, which covers the cells as well.
    connect(&grid, &CashFlowGrid::cellsChanged, this, [this] {
        if (m_changePending)
            return;
        m_changePending = true;
        QMetaObject::invokeMethod(this, &GridTableModel::announceChange, Qt::QueuedConnection);
    });
    connect(&grid, &CashFlowGrid::rowsChanged, this, [this] {
        beginResetModel();
        m_changePending = false;
        endResetModel();
    });
}

void GridTableModel::announceChange()
{
    if (!m_changePending)
        return;
    m_changePending = false;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, 0, std::max(0, rowCount() - 1));
}

int GridTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount() - 1;
}

int GridTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CashFlowGrid::Columns - 1;
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_grid.text(row, column);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::FontRole: {
        QFont font;
        font.setPointSize(m_fontSize);
        font.setBold(m_grid.style(row, column).bold);
        return font;
    }
    case Qt::AccessibleTextRole: {
        // Read out by row label and column header: "NPV, Project B: 128.10".
        const QString &text = m_grid.text(row, column);
        const QString place = m_grid.text(row, 0) + QStringLiteral(", ") + m_grid.text(0, column);
        return text.isEmpty() ? place : place + QStringLiteral(": ") + text;
    }
    case Qt::ForegroundRole:
        if (m_grid.style(row, column).grey)
            return QBrush(QColor(0x80, 0x80, 0x80));
        return {};
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::FontRole) {
        QFont font;
        font.setPointSize(m_fontSize);
        return font;
    }
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_grid.text(0, section + 1);
    return m_grid.text(section + 1, 0);
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridTableModel::setFontPointSize(int size)
{
    m_fontSize = size;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    Q_EMIT headerDataChanged(Qt::Vertical, 0, std::max(0, rowCount() - 1));
}

} // namespace pelmora
