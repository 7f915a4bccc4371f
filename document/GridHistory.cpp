#include "GridHistory.h"

namespace pelmora {

void GridHistory::record(Edit edit)
{
    m_edits.erase(m_edits.begin() + std::ptrdiff_t(m_done), m_edits.end());
    m_edits.push_back(std::move(edit));
    if (m_edits.size() > Depth)
        m_edits.pop_front();
    m_done = m_edits.size();
}

const GridHistory::Edit *GridHistory::undo()
{
    if (m_done == 0)
        return nullptr;
    return &m_edits[--m_done];
}

const GridHistory::Edit *GridHistory::redo()
{
    if (m_done == m_edits.size())
        return nullptr;
    return &m_edits[m_done++];
}

void GridHistory::clear()
{
    m_edits.clear();
    m_done = 0;
}

void GridHistory::changeTexts(const std::function<void(QString &)> &change)
{
    for (Edit &edit : m_edits) {
        for (Cell &cell : edit.cells) {
            change(cell.before);
            change(cell.after);
        }
    }
}

} // namespace pelmora
