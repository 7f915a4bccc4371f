#pragma once

// The cash-flow grid as a model: the cell texts of projects A and B per period,
// the incremental column and the four result rows, the current cell and the far
// corner of the selection, the floating editor's text, and the grid's edit and
// clipboard operations. The cash flows live here, as texts: whoever needs a
// number converts the text.
//
//   row 0       "n" | "Project A" | "IRR Incremental" | "Project B"
//   row 1 + p   p   | A's flow    | incremental        | B's flow      (p = 0..n)
//   n + 2..n + 5 "NPV", "IRR", "PI", "PMT" result rows (rows - 4 .. rows - 1)

#include "GridHistory.h"
#include "NumberTexts.h"
#include "ProjectValues.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

namespace pelmora {

class CashFlowGrid : public QObject
{
    Q_OBJECT
public:
    static constexpr int Columns = 4;
    static constexpr int MaxPeriod = 99;
    // A grid without periods: the header, period 0 and the four result rows.
    static constexpr int FixedRows = 6;

    enum Column : int { LabelColumn = 0, ColumnA = 1, ColumnIncremental = 2, ColumnB = 3 };
    enum class Result : int { NPV, IRR, PI, PMT }; // the result rows, in this order

    struct CellStyle
    {
        bool bold = false;
        bool grey = false; // text colour 0x808080 instead of black
    };

    CashFlowGrid(ProjectValues &values, const NumberTexts &texts, QObject *parent = nullptr);

    int rowCount() const { return int(m_cells.size()); }
    int periods() const { return rowCount() - FixedRows; }
    static constexpr int periodRow(int period) { return 1 + period; }
    int lastPeriodRow() const { return periodRow(periods()); }
    // A result row of a grid of `periods` periods, as the appraisal writes it.
    static constexpr int resultRow(Result result, int periods) { return periods + 2 + int(result); }
    int resultRow(Result result) const { return resultRow(result, periods()); }
    int firstResultRow() const { return resultRow(Result::NPV); }
    int lastRow() const { return rowCount() - 1; }
    const QString &text(int row, int column) const;
    void setText(int row, int column, const QString &text); // one cell, as a program writes it
    bool isNumber(int row, int column) const { return m_texts.isNumeric(text(row, column)); }
    CellStyle style(int row, int column) const;
    void setStyle(int row, int column, CellStyle style);

    // The current cell and the far corner of the selection. Setting the current
    // cell makes it the whole selection.
    int row() const { return m_row; }
    int col() const { return m_col; }
    int rowSel() const { return m_rowSel; }
    int colSel() const { return m_colSel; }
    void setCurrentCell(int row, int column);
    void setSelection(int row, int column, int rowSel, int colSel);

    // The floating editor TCell: its text mirrors the cell entry field Text(10).
    const QString &editorText() const { return m_editorText; }
    void setEditorText(const QString &text);

    // An edit in progress in TCell. Until the user starts one, the editor only
    // shows the current cell's text and the grid's keys and menu apply to it.
    // An edit ends when it is committed or cancelled, when the current cell
    // moves, or when the editor loses the focus (its text then waits there for
    // "CFj" or Enter in Text(10), as a text typed into Text(10) does).
    void startEdit(const QString &typed); // a character typed on the grid: it replaces the text
    void editCell();                      // F2 or a double click: the editor's text, to change
    // A double click on a cell: on a result of A, the increment or B its
    // details are asked for, elsewhere the cell is edited.
    void doubleClickCell(int row, int column);
    void cancelEdit(); // Escape: the cell's text back
    void endEdit();
    void commitAndMoveUp(); // arrow up in an edit; down commits as Enter does

    // Ctrl+Z and Ctrl+Y: the last edit of cells (CommitCell, PasteCell,
    // ClearCell) taken back or done again. Either marks the document modified.
    // A change of the number of periods ends the history.
    bool undo();
    bool redo();

    void InitFlexGrid();   // a blank grid: period 0 and the result rows
    void SetPeriods();     // n periods (n from the project values), at most 99
    void SizeFlexGrid();   // rows follows the grid, current cell (1, 1)
    void CommitCell();     // the editor's text, formatted, into the selected cells
    void FormatFlexGrid(); // every value cell in the signed format of nFix
    QString CopyCell();    // the selection as tab / CR LF text
    void PasteCell(const QString &clipboard);
    void ClearCell();
    void moveDown(); // Enter on the grid: one row below the selection

    // Column widths in twips for a grid of the given height: narrower value
    // columns when the period rows need the vertical scroll bar.
    static std::array<int, Columns> columnWidths(int gridHeightTwips, int rows);
    static constexpr int RowHeightTwips = 300;

    // The tool tip of a label of column 0 ("0", "NPV", "IRR", "PI", "PMT");
    // other labels have none (nullopt: the tool tip is left as it was). In the
    // language of the installed translation.
    static std::optional<QString> labelToolTip(const QString &label);

Q_SIGNALS:
    void cellsChanged();       // texts or styles changed: redraw
    void rowsChanged();        // rows inserted or removed
    void currentCellChanged(); // the editor is laid over the new current cell
    void editorTextChanged(const QString &text);
    void editingChanged(bool editing);
    void flowsChanged(); // the small cash-flow charts refresh
    void statusText(const QString &text);
    void modified();                   // the document is marked modified
    void detailsRequested(int series); // 0: A, 1: incremental, 2: B

private:
    class EditRecord; // records what one user edit changes
    void writeSelection(const QString &text);
    void enterCell();
    void setEditing(bool editing);
    void restore(const GridHistory::Edit &edit, QString GridHistory::Cell::*side);

    ProjectValues &m_values;
    NumberTexts m_texts;
    std::vector<std::array<QString, Columns>> m_cells;
    std::vector<std::array<CellStyle, Columns>> m_styles;
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    QString m_editorText;
    bool m_editing = false;
    GridHistory m_history;
    EditRecord *m_record = nullptr; // the user edit being recorded
};

} // namespace pelmora
