#pragma once

// The project window's ten command buttons. Each enumerator's value is the
// button's index, so Command::CashAnalysis is the button named Command(7).

#include "TimeValue.h"

namespace pelmora {

enum class Command : int {
    SolveN = 0,          // Command(0): Calc_n
    SolveI = 1,          // Command(1): Calc_i
    SolvePV = 2,         // Command(2): Calc_PV
    SolvePMT = 3,        // Command(3): Calc_PMT
    SolveFV = 4,         // Command(4): Calc_FV
    SetPeriods = 5,      // Command(5) "CFn": the grid gets n periods
    CommitCell = 6,      // Command(6) "CFj": the edited cell value into the grid
    CashAnalysis = 7,    // Command(7): AppraiseProjects and the charts
    ExportCashFlows = 8, // Command(8) "Excel": "Data.csv"
    Amortization = 9,    // Command(9): FillAmort, the amortization list
};

constexpr int CommandCount = 10;

// The solve button beside a field n, i, PV, PMT or FV: Command(k) solves Text(k).
constexpr Command solveCommand(FieldIndex field)
{
    return Command(int(field));
}

} // namespace pelmora
