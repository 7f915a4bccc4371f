#pragma once

// The payment figures of one payment number and the whole schedule. Every figure
// is computed in closed form from the payment number, never by carrying a
// balance from one row to the next.

#include "ProjectValues.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pelmora {

// Amort, IPaym, BD and TI for payment number paym. Writes no field: the fields
// show the figures at the next FormatNumber.
void Calc_Amort(ProjectValues &pv);

// One payment's amounts as computed: Amortization, Interest, Cum Amort, Cum
// Interest, Cum Payment, Balance Due. The list shows them as texts, formatted
// when a row is drawn or exported.
using AmortFigures = std::array<double, 6>;

struct AmortSchedule
{
    std::vector<AmortFigures> rows; // payment 1 first
    std::int16_t nFix = 2;          // the decimal places the amounts are shown with
    int paymentDigits = 2;          // the least digits of a payment number: 3 beyond 99 payments
};

// Rows 1..N of the schedule, N = n rounded half to even (no rows when that fails
// or is below 1). Sets paym to each payment number in turn and leaves it at N.
AmortSchedule buildAmortRows(ProjectValues &pv);

} // namespace pelmora
