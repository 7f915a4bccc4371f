#pragma once

// The amortization list's rows as a table model: the nine columns with their
// headers and alignments, the texts of each row. The model reads the list it is
// given and never changes it.

#include "AmortList.h"

#include <QAbstractTableModel>

namespace pelmora {

class AmortListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role { KeyRole = Qt::UserRole }; // the row's key: "1p", "2p", ...

    explicit AmortListModel(const AmortList &list, QObject *parent = nullptr);

    // The list's rows were replaced (a new schedule, or cleared): one reset.
    void reload();
    // The texts changed in place (a new number of decimals): one change signal.
    void textsChanged();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static Qt::Alignment alignment(int column);

private:
    const AmortList &m_list;
    // The row count the views were told of: the list may change before reload().
    int m_rowCount = 0;
};

} // namespace pelmora
