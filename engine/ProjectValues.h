#pragma once

// The one set of values shared by every project window. It always belongs to the
// active window: activation copies the window's fields into it, and every value a
// calculation writes is shown in its field and read back from the field's text.

#include <QString>

#include <array>
#include <cstdint>

namespace pelmora {

struct ProjectValues
{
    double n = 0; // number of periods (may be fractional)
    double i = 0; // interest rate per period, in percent; r = i / 100
    double PV = 0;
    double PMT = 0;
    double FV = 0;
    double paym = 0;  // payment number of the payment figures
    double Amort = 0; // principal part of payment paym
    double IPaym = 0; // interest part of payment paym
    double BD = 0;    // balance due after payment paym
    double TI = 0;    // total interest over the loan

    std::int16_t nFix = 2;   // decimal places of every number format
    std::int16_t nfsize = 8; // font size of the window's fields, grid and list
    std::int16_t escala = 0; // chart scale: rows per rate-axis label
    std::int16_t rows = 6;   // grid row count = periods + 6

    static constexpr int MaxPeriods = 100; // periods 0..99
    std::array<QString, MaxPeriods> CFa;   // cell texts of project A per period
    std::array<QString, MaxPeriods> CFb;   // cell texts of project B per period
};

} // namespace pelmora
