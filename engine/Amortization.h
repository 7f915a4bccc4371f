#pragma once

// The payment figures of one payment number and the whole schedule. Every figure
// is computed in closed form from the payment number, never by carrying a
// balance from one row to the next.

#include "ProjectValues.h"

#include <QString>

#include <array>
#include <vector>

namespace pelmora {

class NumberTexts;

// Amort, IPaym, BD and TI for payment number paym. Writes no field: the fields
// show the figures at the next FormatNumber.
void Calc_Amort(ProjectValues &pv);

// One row of the amortization list, as the list holds it: texts only.
struct AmortRow
{
    QString key; // "1p", "2p", ...
    // Paym, Amortization, Interest, Cum Amort, Cum Interest, Cum Payment, Balance Due
    std::array<QString, 7> cells;
};

struct AmortSchedule
{
    std::vector<AmortRow> rows;
};

// Rows 1..N of the schedule, N = n rounded half to even (no rows when that fails
// or is below 1). Sets paym to each payment number in turn and leaves it at N.
AmortSchedule buildAmortRows(ProjectValues &pv, const NumberTexts &texts);

} // namespace pelmora
