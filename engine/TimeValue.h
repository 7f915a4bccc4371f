#pragma once

// The time-value-of-money solver: any one of n, i, PV, PMT, FV from the others.
// No sign convention: amounts are positive magnitudes, FV grows from PV as
// PV * (1 + r)^n, payments fall at the end of each period, r = i / 100.
//
// Each routine is a fixed sequence of steps; a step whose arithmetic fails is
// skipped and leaves its quantity unchanged (see Checked.h). To show a value, a
// routine hands it to the FieldDisplay, which puts its plain text into the field;
// the field's change handler reads it back into ProjectValues, so later steps see
// the shown value.

#include "GridSearch.h"
#include "ProjectValues.h"

namespace pelmora {

// Field indices of the input panel, as the controls Text(0)..Text(9).
enum FieldIndex : int {
    Field_n = 0,
    Field_i = 1,
    Field_PV = 2,
    Field_PMT = 3,
    Field_FV = 4,
    Field_paym = 5,
    Field_Amort = 6,
    Field_IPaym = 7,
    Field_BD = 8,
    Field_TI = 9,
    Field_CellEntry = 10,
};

class FieldDisplay
{
public:
    virtual ~FieldDisplay() = default;
    virtual void show(int field, double value) = 0;
};

void Calc_n(ProjectValues &pv, FieldDisplay &display);
void Calc_i(ProjectValues &pv, FieldDisplay &display);
void Calc_PV(ProjectValues &pv, FieldDisplay &display);
void Calc_PMT(ProjectValues &pv, FieldDisplay &display); // ends with Calc_Amort
void Calc_FV(ProjectValues &pv, FieldDisplay &display);

// The annuity searches. The unknown is the project value itself (n, or i), which
// the search overwrites while it walks; 0 means no sign change in the range.
GridSearchResult Solver_n(ProjectValues &pv);
GridSearchResult Solver_i(ProjectValues &pv);

} // namespace pelmora
