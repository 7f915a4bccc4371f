#pragma once

// ListView1, the amortization list shown in place of the charts: one row per
// payment. Its last two headers act as buttons: "Excel" exports the list and
// "X" closes it, and both stay in view in a narrow list. Rows all have one
// height, and the columns' widths ask only the first and the last row for
// their texts, so a list of 32,767 payments shows at once.

#include "AmortList.h"

#include <QTableView>

namespace pelmora {

class AmortListModel;

class AmortListView : public QTableView
{
    Q_OBJECT
public:
    explicit AmortListView(const AmortList &list, QWidget *parent = nullptr);

    // The list's rows were replaced, or their texts re-formatted in place. (Not
    // named reset(): QAbstractItemView::reset() is what a model reset calls back.)
    void reload();
    void textsChanged();

    // Makes payment `row` (1-based) the selected row; out of range changes nothing.
    // The list does not scroll: it is called while the mouse moves over it.
    void selectPaymentRow(int row);

    // The list's selection setting. Shown: the selected row stays highlighted
    // while the list does not have the focus (as when the mouse only passes
    // over it). Not shown: highlighted only while the list has the focus. The
    // list starts with the selection shown.
    void setSelectionShown(bool shown);

Q_SIGNALS:
    void excelClicked();
    void closeClicked();
    void mouseMovedOverList();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void headerClicked(int section);
    void fitColumns();
    void applyRowHeight();

    AmortListModel *m_model = nullptr;
    bool m_selectionShown = true;
};

} // namespace pelmora
