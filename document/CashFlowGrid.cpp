#include "CashFlowGrid.h"

#include "NumberPattern.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {
const QString EmptyText;
} // namespace

// One user edit of cells, from its start to its end: the cells it changed go
// into the history as one step. A paste of one value commits it, and that
// commit is part of the paste.
class CashFlowGrid::EditRecord
{
public:
    explicit EditRecord(CashFlowGrid &grid) : m_grid(grid), m_outer(!grid.m_record)
    {
        if (!m_outer)
            return;
        grid.m_record = this;
        m_before = grid.m_cells;
        m_edit.row = grid.m_row;
        m_edit.col = grid.m_col;
        m_edit.rowSel = grid.m_rowSel;
        m_edit.colSel = grid.m_colSel;
    }
    ~EditRecord()
    {
        if (!m_outer)
            return;
        m_grid.m_record = nullptr;
        const size_t rows = std::min(m_before.size(), m_grid.m_cells.size());
        for (size_t r = 1; r < rows; ++r) {
            for (size_t c = 1; c < size_t(Columns); ++c) {
                const QString &after = m_grid.m_cells[r][c];
                if (m_before[r][c] != after)
                    m_edit.cells.push_back({int(r), int(c), m_before[r][c], after});
            }
        }
        if (!m_edit.cells.empty())
            m_grid.m_history.record(std::move(m_edit));
    }
    EditRecord(const EditRecord &) = delete;
    EditRecord &operator=(const EditRecord &) = delete;

private:
    CashFlowGrid &m_grid;
    bool m_outer; // an edit inside another is part of it
    std::vector<std::array<QString, Columns>> m_before;
    GridHistory::Edit m_edit;
};

CashFlowGrid::CashFlowGrid(ProjectValues &values, const NumberTexts &texts, QObject *parent)
    : QObject(parent), m_values(values), m_texts(texts)
{
    InitFlexGrid();
}

const QString &CashFlowGrid::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return EmptyText;
    return m_cells[size_t(row)][size_t(column)];
}

void CashFlowGrid::setText(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return;
    m_cells[size_t(row)][size_t(column)] = text;
    Q_EMIT cellsChanged();
}

CashFlowGrid::CellStyle CashFlowGrid::style(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return {};
    return m_styles[size_t(row)][size_t(column)];
}

void CashFlowGrid::setStyle(int row, int column, CellStyle style)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return;
    m_styles[size_t(row)][size_t(column)] = style;
    Q_EMIT cellsChanged();
}

void CashFlowGrid::setCurrentCell(int row, int column)
{
    // The fixed row and column cannot hold the current cell; a move off the grid is not made.
    if (row < 1 || row >= rowCount() || column < 1 || column >= Columns)
        return;
    m_row = m_rowSel = row;
    m_col = m_colSel = column;
    enterCell();
}

void CashFlowGrid::setSelection(int row, int column, int rowSel, int colSel)
{
    auto inside = [this](int r, int c) { return r >= 1 && r < rowCount() && c >= 1 && c < Columns; };
    if (!inside(row, column) || !inside(rowSel, colSel))
        return;
    const bool moved = row != m_row || column != m_col;
    m_row = row;
    m_col = column;
    m_rowSel = rowSel;
    m_colSel = colSel;
    if (moved)
        enterCell();
}

void CashFlowGrid::enterCell()
{
    setEditing(false);
    setEditorText(text(m_row, m_col));
    Q_EMIT currentCellChanged();
}

void CashFlowGrid::setEditorText(const QString &text)
{
    if (m_editorText == text)
        return;
    m_editorText = text;
    Q_EMIT editorTextChanged(text);
}

void CashFlowGrid::setEditing(bool editing)
{
    if (m_editing == editing)
        return;
    m_editing = editing;
    Q_EMIT editingChanged(editing);
}

void CashFlowGrid::startEdit(const QString &typed)
{
    setEditorText(typed);
    setEditing(true);
}

void CashFlowGrid::editCell()
{
    setEditing(true);
}

void CashFlowGrid::doubleClickCell(int row, int column)
{
    if (row >= firstResultRow() && row <= lastRow() && column >= ColumnA && column <= ColumnB)
        Q_EMIT detailsRequested(column - ColumnA);
    else
        editCell();
}

void CashFlowGrid::cancelEdit()
{
    setEditorText(text(m_row, m_col));
    setEditing(false);
}

void CashFlowGrid::endEdit()
{
    setEditing(false);
}

void CashFlowGrid::commitAndMoveUp()
{
    const int row = std::min(m_row, m_rowSel), column = m_col;
    CommitCell();
    setCurrentCell(std::max(1, row - 1), column);
}

bool CashFlowGrid::undo()
{
    const GridHistory::Edit *edit = m_history.undo();
    if (edit)
        restore(*edit, &GridHistory::Cell::before);
    return edit;
}

bool CashFlowGrid::redo()
{
    const GridHistory::Edit *edit = m_history.redo();
    if (edit)
        restore(*edit, &GridHistory::Cell::after);
    return edit;
}

// The cells of `edit` take their texts before or after it, and its selection
// becomes current again, so that the user sees what changed back. The rows are
// those the edit was made on: a change of the number of periods clears the
// history.
void CashFlowGrid::restore(const GridHistory::Edit &edit, QString GridHistory::Cell::*side)
{
    Q_ASSERT(std::all_of(edit.cells.begin(), edit.cells.end(),
                         [this](const GridHistory::Cell &cell) { return cell.row < rowCount(); }));
    for (const GridHistory::Cell &cell : edit.cells)
        m_cells[size_t(cell.row)][size_t(cell.column)] = cell.*side;
    Q_EMIT cellsChanged();
    m_row = edit.row;
    m_col = edit.col;
    m_rowSel = edit.rowSel;
    m_colSel = edit.colSel;
    enterCell();
    Q_EMIT flowsChanged();
    Q_EMIT modified();
}

void CashFlowGrid::InitFlexGrid()
{
    m_cells.assign(FixedRows, {});
    m_styles.assign(FixedRows, {});
    m_cells[0] = {u"n"_s, u"Project A"_s, u"IRR Incremental"_s, u"Project B"_s};
    m_cells[periodRow(0)][LabelColumn] = u"0"_s;
    const QString results[] = {u"NPV"_s, u"IRR"_s, u"PI"_s, u"PMT"_s};
    for (int k = 0; k < 4; ++k)
        m_cells[size_t(resultRow(Result(k), 0))][LabelColumn] = results[k];
    m_row = m_rowSel = 1;
    m_col = m_colSel = 1;
    m_history.clear();
    Q_EMIT rowsChanged();
}

void CashFlowGrid::SetPeriods()
{
    if (m_values.n > MaxPeriod)
        return;
    const int periods = this->periods();
    // A difference that does not round to a 16-bit integer changes nothing.
    const int d = roundToInt16(m_values.n - periods).value_or(0);
    for (int k = 1; k <= d; ++k) {
        const int p = periods + k;
        std::array<QString, Columns> cells;
        cells[LabelColumn] = QString::number(p);
        m_cells.insert(m_cells.begin() + periodRow(p), cells);
        m_styles.insert(m_styles.begin() + periodRow(p), std::array<CellStyle, Columns>{});
    }
    // Period 0 always stays: the grid never has fewer than six rows.
    for (int k = 0; k < -d && rowCount() > FixedRows; ++k) {
        const int last = lastPeriodRow();
        m_cells.erase(m_cells.begin() + last);
        m_styles.erase(m_styles.begin() + last);
    }
    if (d != 0) {
        m_history.clear();
        Q_EMIT rowsChanged();
    }
    SizeFlexGrid();
    Q_EMIT flowsChanged();
}

void CashFlowGrid::SizeFlexGrid()
{
    m_values.rows = std::int16_t(rowCount());
    m_row = m_rowSel = 1;
    m_col = m_colSel = 1;
    enterCell();
}

std::array<int, CashFlowGrid::Columns> CashFlowGrid::columnWidths(int gridHeightTwips, int rows)
{
    const bool needsScrollBar = gridHeightTwips / 296.675 - 6.183 < rows - FixedRows;
    const int value = needsScrollBar ? 1852 : 1924;
    return {700, value, value, value};
}

void CashFlowGrid::writeSelection(const QString &text)
{
    const int top = std::min(m_row, m_rowSel), bottom = std::max(m_row, m_rowSel);
    const int left = std::min(m_col, m_colSel), right = std::max(m_col, m_colSel);
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c)
            m_cells[size_t(r)][size_t(c)] = text;
    }
    Q_EMIT cellsChanged();
}

void CashFlowGrid::CommitCell()
{
    EditRecord record(*this);
    setEditing(false);
    const QString written = m_texts.isNumeric(m_editorText)
                                ? m_texts.format(*m_texts.toNumber(m_editorText), ZNeg(m_values.nFix))
                                : m_editorText;
    writeSelection(written);
    Q_EMIT flowsChanged();
    Q_EMIT statusText(written);
    if (!written.isEmpty())
        Q_EMIT modified();
    moveDown();
}

void CashFlowGrid::moveDown()
{
    setCurrentCell(std::max(m_row, m_rowSel) + 1, m_col);
}

void CashFlowGrid::FormatFlexGrid()
{
    const NumberPattern pattern = NumberPattern::parse(ZNeg(m_values.nFix));
    const auto reformat = [&](QString &cell) {
        if (const auto value = m_texts.toNumber(cell))
            cell = m_texts.format(*value, pattern);
    };
    for (int r = 1; r < rowCount(); ++r) {
        for (int c = 1; c < Columns; ++c)
            reformat(m_cells[size_t(r)][size_t(c)]);
    }
    m_history.changeTexts(reformat);
    Q_EMIT cellsChanged();
    setEditorText(text(m_row, m_col));
}

QString CashFlowGrid::CopyCell()
{
    // From the current cell to the far corner: a corner above or to the left
    // selects nothing in that direction.
    QString out;
    for (int r = m_row; r <= m_rowSel; ++r) {
        for (int c = m_col; c <= m_colSel; ++c) {
            out += text(r, c);
            if (c < m_colSel)
                out += u'\t';
        }
        out += u"\r\n"_s;
    }
    Q_EMIT statusText(u"Copy Cell"_s);
    return out;
}

void CashFlowGrid::PasteCell(const QString &clipboard)
{
    EditRecord record(*this);
    const int row = m_row, col = m_col, rowSel = m_rowSel, colSel = m_colSel;
    int written = 0;
    int r = row;
    QString rest = clipboard;
    // Text after the last line end is not pasted; moves past the right or bottom
    // edge are not made, so the edge cells take the remaining fields.
    for (qsizetype end = rest.indexOf(u"\r\n"_s); end >= 0; end = rest.indexOf(u"\r\n"_s)) {
        const QStringList fields = rest.first(end).split(u'\t');
        int c = col;
        for (const QString &field : fields) {
            m_cells[size_t(r)][size_t(c)] = field;
            ++written;
            c = std::min(c + 1, Columns - 1);
        }
        rest = rest.mid(end + 2);
        if (rest.contains(u"\r\n"_s))
            r = std::min(r + 1, lastRow());
    }
    Q_EMIT cellsChanged();
    setSelection(row, col, rowSel, colSel);
    setEditorText(text(m_row, m_col));
    if (written == 1) {
        CommitCell();
        setSelection(row, col, rowSel, colSel);
        setEditorText(text(m_row, m_col));
    } else if (written > 1) {
        Q_EMIT flowsChanged();
    }
    Q_EMIT modified();
    Q_EMIT statusText(u"Paste Cell"_s);
}

void CashFlowGrid::ClearCell()
{
    EditRecord record(*this);
    for (int r = m_row; r <= m_rowSel; ++r) {
        for (int c = m_col; c <= m_colSel; ++c)
            m_cells[size_t(r)][size_t(c)].clear();
    }
    Q_EMIT cellsChanged();
    setEditorText(QString());
    Q_EMIT modified();
    Q_EMIT statusText(u"Clear Cell"_s);
}

std::optional<QString> CashFlowGrid::labelToolTip(const QString &label)
{
    if (label == u"0")
        return u"Inv"_s + QChar(0x00F8); // character 248 of the Western code page
    if (label == u"NPV")
        return tr("Net Present Value (PV - Inv)");
    if (label == u"IRR")
        return tr("Internal Rate of Return");
    if (label == u"PI")
        return tr("Profitability Index (PV / Inv)");
    if (label == u"PMT")
        return tr("Uniform Net Benefit (PV = NPV)");
    return std::nullopt;
}

} // namespace pelmora
