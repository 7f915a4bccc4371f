#pragma once

// What an analyst checks beside the appraisal, for one series of flows: every
// internal rate of return in the search's range and how each was found, the
// sign changes of the flows, a diagnosis of what the grid's IRR cell shows, the
// modified IRR, the payback periods, the net future value, and NPV and PI as the
// appraisal computes them. Plain values only: the texts are the caller's.

#include "Appraisal.h"

#include <optional>
#include <vector>

namespace pelmora {

enum class IrrFinding {
    SignChange, // NPV changes sign between two grid points; refined as the grid refines
    ExactZero,  // NPV is exactly zero at a grid point
    CloseLook,  // no sign change on the grid: found at a local minimum of |NPV|
};

struct FoundIrr
{
    double rate = 0; // percent
    IrrFinding finding = IrrFinding::SignChange;
    bool shownByGrid = false; // the very double the grid's cell shows
    bool touching = false;    // a double root: NPV touches zero without crossing it
};

enum class IrrDiagnosis {
    Empty,         // no period
    ZeroFlows,     // every flow is zero: NPV is zero at every rate
    OnePeriod,     // period 0 only: no rate of return
    OneIrr,        // exactly one IRR, the one the grid shows
    SeveralIrrs,   // more than one: IRR cannot rank the project
    NoneAbove,     // no IRR, NPV above zero throughout the range
    NoneBelow,     // no IRR, NPV below zero throughout the range
    GridShowsNone, // IRRs exist in the grid's range but its cell is blank
    GridShowsOther // the cell shows another value than the first IRR of its range
};

struct SeriesDetails
{
    int last = -1;
    int signChanges = 0;     // of the flows, zeros skipped: at most that many IRRs above -100 %
    double rangeStart = -99; // the IRRs listed lie in [rangeStart, rangeEnd)
    double rangeEnd = 160;
    double gridStart = 0;       // where the grid's own walk starts
    std::vector<FoundIrr> irrs; // ascending
    std::optional<double> gridIrr;
    IrrDiagnosis diagnosis = IrrDiagnosis::Empty;
    std::optional<FoundIrr> blindIrr; // the IRR the grid's cell misses, for GridShowsNone/Other
    bool noInvestment = false;        // no outlay in period 0 (or no period): PI undefined
    double discountRate = 0;
    double financeRate = 0, reinvestRate = 0;
    std::optional<double> MIRR;                       // percent
    std::optional<double> payback, discountedPayback; // periods; nullopt: never
    double NPV = 0, PI = 0, NFV = 0;
};

struct MirrRates
{
    std::optional<double> finance, reinvest; // percent; nullopt: the discount rate
};

// `grid` is the search the appraisal ran for this series; NPV and PI are taken
// from `measures` when given (as the appraisal computed them), else computed;
// `powers` shares the powers of the grid's 0.1 points between series and files
// (only those: it keeps a row for every rate it is asked).
SeriesDetails seriesDetails(const CashFlowSeries &series, double discountRate, const IrrSearch &grid,
                            const MirrRates &rates = {}, const SeriesMeasures *measures = nullptr,
                            RatePowers *powers = nullptr);

// The three series of an appraisal, by AppraisalSeries.
std::array<SeriesDetails, 3> appraisalDetails(const AppraisalInput &input, const Appraisal &appraisal,
                                              const MirrRates &rates = {}, RatePowers *powers = nullptr);

// Names for scripts and logs: "sign-change", "one-irr", ...
const char *findingCode(IrrFinding finding);
const char *diagnosisCode(IrrDiagnosis diagnosis);

// ((FV of the positive flows at `reinvest`) / -(PV of the negative flows at
// `finance`))^(1 / last) - 1, in percent; nullopt without a positive or a
// negative flow, for last = 0, or when the arithmetic fails.
std::optional<double> modifiedIRR(const CashFlowSeries &series, double finance, double reinvest);

// The first time the cumulative flow (discounted at `rate` percent when given)
// climbs from below zero back to zero, interpolated linearly within its period;
// 0 when the cumulative flow is never below zero (nothing to recover).
std::optional<double> paybackPeriod(const CashFlowSeries &series, std::optional<double> rate = std::nullopt);

} // namespace pelmora
