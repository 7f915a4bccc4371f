#pragma once

// The amortization list as data: the rows that FillAmort produces, whether the
// list is shown in place of the charts, the re-format that follows a change of
// decimal places, and the text of its "Excel" export.
//
// The list keeps each amount as a number and makes its text only when a row is
// drawn or exported: tens of thousands of payments cost nothing until seen.

#include "Amortization.h"
#include "NumberPattern.h"
#include "NumberTexts.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace pelmora {

class NumberTexts;

class AmortList
{
public:
    struct Column
    {
        const char *key;
        const char *header; // the same in both interface languages
        int widthTwips;
        enum Alignment { Left, Right, Centre } alignment;
    };
    static constexpr int ColumnCount = 9;
    static const std::array<Column, ColumnCount> &columns();

    // What the six amount columns need in pixels to show their longest amount
    // and their header whole.
    struct AmountNeeds
    {
        std::array<int, 6> texts{};
        std::array<int, 6> headers{};
    };
    // The columns' widths in pixels for a list `room` pixels wide at `dpi` dots
    // per inch. Where the twip widths fit they are kept; where they do not, the
    // six amount columns share what "Paym", "Excel" and "X" leave, so that all
    // nine stay in view without a horizontal scroll: the amounts whole first,
    // then their headers, and only what is left over in equal parts. In a list
    // too narrow for all the amounts, as many columns as it allows keep theirs
    // whole and the others share the rest, their texts elided.
    static std::array<int, ColumnCount> fitColumnWidths(int room, double dpi, const AmountNeeds &needs);

    bool isVisible() const { return m_visible; }
    void OpenAmort() { m_visible = true; }
    void CloseAmort() { m_visible = false; }

    int rowCount() const { return int(m_schedule.rows.size()); }
    // The texts of row `row` (from 0): its key ("1p", "2p", ...) and the cell of
    // `column` (0: Paym .. 6: Balance Due), as the list shows them now.
    QString key(int row) const;
    QString text(int row, int column) const;

    // What the pointer moving over the list does with payment number `paym`:
    // select its row and keep it highlighted; for payment 0, highlight the
    // selection only while the list has the focus; for a number outside the
    // list, nothing.
    struct PaymentRow
    {
        enum Action { Unchanged, Select, HighlightOnFocus } action = Unchanged;
        int row = 0; // 1-based, for Select
    };
    PaymentRow paymentRow(double paym) const;
    void clear() { m_schedule.rows.clear(); }
    void setSchedule(AmortSchedule schedule, const NumberTexts &texts);

    // Re-formats the amount cells from their own texts, not recomputed: after a
    // change from 2 to 4 places, 1,234.57 shows as 1,234.5700. A cell whose text
    // does not read as a number keeps it.
    void FormatListView(const NumberTexts &texts, std::int16_t nFix);

private:
    QString amountText(double figure) const;

    AmortSchedule m_schedule;
    NumberTexts m_texts;
    NumberPattern m_payment;
    NumberPattern m_amount; // the places the amounts show now
    // The places each amount's text was read back from since the schedule ran,
    // oldest first. Reading back a text of more places than the last one changes
    // nothing, so only fewer places are kept: at most one entry per place count.
    std::vector<NumberPattern> m_readBacks;
    bool m_visible = false;
};

// The bytes of "Amort.csv": the header block from the project values at the time
// of export, the header line, then one line per row; CR LF after every line;
// nothing quoted. A total that overflows fails the export (nullopt), like any
// error while the file is written.
std::optional<QByteArray> ExcelAmortText(const AmortList &list, const ProjectValues &pv, const NumberTexts &texts,
                                         const QString &separator);

} // namespace pelmora
