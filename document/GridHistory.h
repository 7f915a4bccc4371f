#pragma once

// The grid's edits that Ctrl+Z takes back and Ctrl+Y does again: for each one,
// the texts of the cells it changed, before and after, and the selection it was
// made on. Only the user's cell edits are kept (typing, paste, clear); what the
// appraisal writes is its own result and is not an edit to take back.

#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

namespace pelmora {

class GridHistory
{
public:
    struct Cell
    {
        int row = 0;
        int column = 0;
        QString before;
        QString after;
    };
    struct Edit
    {
        std::vector<Cell> cells;
        int row = 1, col = 1, rowSel = 1, colSel = 1; // the selection it was made on
    };

    // Edits kept; the oldest goes first.
    static constexpr std::size_t Depth = 100;

    // A new edit: whatever had been taken back can no longer be done again.
    void record(Edit edit);
    // The edit to take back, or to do again; nullptr when there is none.
    const Edit *undo();
    const Edit *redo();
    void clear();
    // `change` applied to every text kept, so that a re-format of the grid
    // reaches the texts an undo or a redo puts back.
    void changeTexts(const std::function<void(QString &)> &change);

private:
    std::deque<Edit> m_edits;
    std::size_t m_done = 0; // m_edits[0 .. m_done) are in effect
};

} // namespace pelmora
