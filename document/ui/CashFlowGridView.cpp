#include "CashFlowGridView.h"

#include "CashFlowGrid.h"
#include "GridTableModel.h"
#include "Twips.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>

namespace pelmora {

namespace {

// TCell. While an edit is in progress its keys edit the text: Enter commits
// (once: the key goes no further, to the grid under it), Escape gives the
// cell's text back, the arrows up and down commit and move. No key it gets
// reaches the grid.
class CellEditor : public QLineEdit
{
public:
    CellEditor(CashFlowGrid &grid, QWidget *parent) : QLineEdit(parent), m_grid(grid) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            m_grid.CommitCell();
            break;
        case Qt::Key_Up:
            m_grid.commitAndMoveUp();
            break;
        case Qt::Key_Escape:
            m_grid.cancelEdit();
            break;
        default:
            QLineEdit::keyPressEvent(event);
            break;
        }
        event->accept();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        // A menu or another window for a moment leaves the edit as it is.
        if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
            m_grid.endEdit();
    }

private:
    CashFlowGrid &m_grid;
};

} // namespace

CashFlowGridView::CashFlowGridView(CashFlowGrid &grid, QWidget *parent)
    : QTableView(parent),
      m_grid(grid),
      m_model(new GridTableModel(grid, this)),
      m_editor(new CellEditor(grid, viewport()))
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false); // Tab goes on to the next control; Ctrl+Tab is the next window
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive); // the user may resize columns
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    // The fixed cell (0, 0) shows its label in the corner between the headers.
    m_corner = new QLabel(grid.text(0, 0), this);
    m_corner->setAlignment(Qt::AlignCenter);
    m_corner->setAttribute(Qt::WA_TransparentForMouseEvents);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->setMouseTracking(true);

    m_editor->setObjectName(QStringLiteral("TCell"));
    m_editor->setAlignment(Qt::AlignCenter);
    m_editor->setFrame(false);
    m_editor->setText(grid.editorText());
    // Neither a click nor Tab puts the focus into the editor: it takes it when
    // an edit starts, so that until then the grid's keys and menu apply to the
    // current cell under it.
    m_editor->setFocusPolicy(Qt::NoFocus);
    m_editor->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(m_editor, &QLineEdit::textEdited, &m_grid, &CashFlowGrid::setEditorText);
    connect(&m_grid, &CashFlowGrid::editingChanged, this, &CashFlowGridView::showEditing);
    connect(this, &QAbstractItemView::doubleClicked, &m_grid,
            [this](const QModelIndex &index) { m_grid.doubleClickCell(index.row() + 1, index.column() + 1); });
    connect(&m_grid, &CashFlowGrid::editorTextChanged, this, [this](const QString &text) {
        if (m_editor->text() != text)
            m_editor->setText(text);
    });
    connect(&m_grid, &CashFlowGrid::currentCellChanged, this, &CashFlowGridView::showModelSelection);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applySizes();
        showModelSelection();
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CashFlowGridView::placeEditor);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CashFlowGridView::forwardSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &CashFlowGridView::forwardSelection);
    applySizes();
    showModelSelection();
}

void CashFlowGridView::applySizes()
{
    const auto widths = CashFlowGrid::columnWidths(pixelsToTwips(height(), this), m_grid.rowCount());
    verticalHeader()->setFixedWidth(twipsToPixels(widths[0], this));
    for (int c = 1; c < CashFlowGrid::Columns; ++c)
        setColumnWidth(c - 1, twipsToPixels(widths[size_t(c)], this));
    const int rowHeight = twipsToPixels(CashFlowGrid::RowHeightTwips, this);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    m_corner->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(), rowHeight);
    m_corner->raise();
    placeEditor();
}

void CashFlowGridView::setFontPointSize(int size)
{
    m_fontSize = size;
    setUpdatesEnabled(false); // one repaint for the whole change
    m_model->setFontPointSize(size);
    QFont font = m_editor->font();
    font.setPointSize(size);
    m_editor->setFont(font);
    setUpdatesEnabled(true);
    placeEditor();
}

// The model's current cell and selection shown by the view.
void CashFlowGridView::showModelSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    const QModelIndex current = m_model->index(m_grid.row() - 1, m_grid.col() - 1);
    const QModelIndex corner = m_model->index(m_grid.rowSel() - 1, m_grid.colSel() - 1);
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(current, corner), QItemSelectionModel::ClearAndSelect);
    scrollTo(current);
    m_syncing = false;
    placeEditor();
}

// A selection made with the mouse or the keys, in whichever direction, becomes
// the grid's current cell (its top-left corner) and far corner (bottom-right),
// so that copy and clear take all of it.
void CashFlowGridView::forwardSelection()
{
    if (m_syncing)
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    int top = current.row(), left = current.column(), bottom = top, right = left;
    const QItemSelection selection = selectionModel()->selection();
    if (!selection.isEmpty() && selection.first().contains(current)) {
        top = selection.first().top();
        left = selection.first().left();
        bottom = selection.first().bottom();
        right = selection.first().right();
    }
    m_syncing = true;
    m_grid.setSelection(top + 1, left + 1, bottom + 1, right + 1);
    m_syncing = false;
    placeEditor();
}

void CashFlowGridView::placeEditor()
{
    const QModelIndex current = m_model->index(m_grid.row() - 1, m_grid.col() - 1);
    QRect cell = visualRect(current);
    if (!current.isValid() || cell.isEmpty()) {
        m_editor->hide();
        return;
    }
    const CashFlowGrid::CellStyle style = m_grid.style(m_grid.row(), m_grid.col());
    QFont font = m_editor->font();
    font.setBold(style.bold);
    m_editor->setFont(font);
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Text, style.grey ? QColor(0x80, 0x80, 0x80) : palette.color(QPalette::WindowText));
    m_editor->setPalette(palette);
    m_editor->setGeometry(cell.adjusted(1, 1, -1, -1));
    m_editor->show();
}

void CashFlowGridView::showEditing(bool editing)
{
    m_editor->setAttribute(Qt::WA_TransparentForMouseEvents, !editing);
    if (editing) {
        m_editor->setFocus(Qt::OtherFocusReason);
        m_editor->deselect();
        m_editor->setCursorPosition(int(m_editor->text().size()));
    } else if (m_editor->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
}

void CashFlowGridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    placeEditor();
}

void CashFlowGridView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        Q_EMIT copyRequested();
    } else if (event->matches(QKeySequence::Cut)) {
        Q_EMIT cutRequested();
    } else if (event->matches(QKeySequence::Paste)) {
        Q_EMIT pasteRequested();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_grid.moveDown();
    } else if (event->key() == Qt::Key_Delete) {
        m_grid.ClearCell();
    } else if (event->matches(QKeySequence::Undo)) {
        m_grid.undo();
    } else if (event->matches(QKeySequence::Redo) || event->keyCombination() == (Qt::CTRL | Qt::Key_Y)) {
        m_grid.redo();
    } else if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        m_grid.editCell();
    } else if (!event->text().isEmpty() && event->text().front().isPrint() &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Any other character starts an edit of the current cell with itself.
        m_grid.startEdit(event->text());
    } else {
        QTableView::keyPressEvent(event);
    }
}

bool CashFlowGridView::viewportEvent(QEvent *event)
{
    // Over the value columns the tool tip is empty.
    if (event->type() == QEvent::ToolTip) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QTableView::viewportEvent(event);
}

bool CashFlowGridView::eventFilter(QObject *watched, QEvent *event)
{
    // Column 0: the row labels' tips in the current language; a label without one
    // leaves the tip as it was.
    if (watched == verticalHeader()->viewport() && event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int row = verticalHeader()->logicalIndexAt(help->pos()) + 1;
        if (const auto tip = CashFlowGrid::labelToolTip(m_grid.text(row, 0)))
            m_labelTip = *tip;
        if (!m_labelTip.isEmpty())
            QToolTip::showText(help->globalPos(), m_labelTip, verticalHeader());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace pelmora
