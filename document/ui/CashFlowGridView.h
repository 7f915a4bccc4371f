#pragma once

// MSFlexGrid1 on screen: a table view over the grid model, with the floating
// editor TCell laid exactly over the current cell. Keys, clicks and selections
// go to the CashFlowGrid; the view redraws from it.

#include <QTableView>

class QLabel;
class QLineEdit;

namespace pelmora {

class CashFlowGrid;
class GridTableModel;

class CashFlowGridView : public QTableView
{
    Q_OBJECT
public:
    explicit CashFlowGridView(CashFlowGrid &grid, QWidget *parent = nullptr);

    QLineEdit *cellEditor() const { return m_editor; } // TCell
    void setFontPointSize(int size);
    void applySizes();  // column widths and row height of the grid
    void placeEditor(); // TCell over the current cell

Q_SIGNALS:
    void copyRequested();
    void cutRequested();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showModelSelection();
    void showEditing(bool editing);
    void forwardSelection();

    CashFlowGrid &m_grid;
    GridTableModel *m_model;
    QLineEdit *m_editor;
    QLabel *m_corner;
    int m_fontSize = 8;
    bool m_syncing = false;
    QString m_labelTip; // the column-0 tip stays until another label has one
};

} // namespace pelmora
