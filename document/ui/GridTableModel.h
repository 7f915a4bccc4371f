#pragma once

// The cash-flow grid as a Qt item model for a QTableView: row 0 of the grid
// becomes the horizontal header, column 0 the vertical header, and the value
// cells are model rows 0.. and columns 0..2 (grid row - 1, grid column - 1).

#include "CashFlowGrid.h"

#include <QAbstractTableModel>

namespace pelmora {

class GridTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridTableModel(CashFlowGrid &grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setFontPointSize(int size);

private:
    void announceChange();

    CashFlowGrid &m_grid;
    int m_fontSize = 8;
    bool m_changePending = false; // cells changed that the views have not heard of
};

} // namespace pelmora
