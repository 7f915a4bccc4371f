#pragma once

// The arithmetic of the appraisal of two projects, over plain values: the
// incremental series, the internal rate of return of each series, the measures
// at the discount rate, the better project and the Fisher rate. The numbers the
// appraisal shows and reads back from texts (the cells, n and i) are read by the
// caller and passed in; nothing here formats or parses.

#include "CashFlows.h"

#include <array>
#include <optional>

namespace pelmora {

// Index of a series, as the grid's columns: A, the incremental series, B.
enum AppraisalSeries : int { SeriesA = 0, SeriesIncremental = 1, SeriesB = 2 };

// The flow of the incremental series in one period from A's and B's flows
// (nullopt: a blank cell). When only one project has an investment the series is
// that project; otherwise the project with the larger investment minus the
// other. Nullopt when the difference cannot be computed.
struct IncrementBasis
{
    bool aPresent = false, bPresent = false; // period-0 flows are numbers
    double investmentA = 0, investmentB = 0; // period-0 flows, 0 when blank
};
std::optional<double> incrementalFlow(const IncrementBasis &basis, std::optional<double> a, std::optional<double> b);

// How many of the periods n, n - 1, ... carry a zero flow: they end the
// incremental series (flows past its last period count as zero).
int trailingZeroPeriods(const CashFlowSeries &series, int n);

struct AppraisalInput
{
    std::array<CashFlowSeries, 3> series; // by AppraisalSeries, the incremental one trimmed
    // The discount rate as the field shows it before every search and before the
    // measures; nullopt when the field holds no number, and the rate in use stays.
    std::optional<double> rateShown;
    double rateBefore = 0; // the rate in use before the appraisal
    bool aPresent = false, bPresent = false;
};

struct SeriesMeasures
{
    IrrSearch search;
    double IRR = 0; // 0 when none was found
    double NPV = 0; // at the discount rate
    double PI = 0;  // (|investment| + NPV) / |investment|, 0 without investment
};

struct Appraisal
{
    std::array<SeriesMeasures, 3> series; // by AppraisalSeries
    double workingRate = 0;               // the rate in use after the searches: A's last point
    double discountRate = 0;              // the rate the measures use
    bool measured = false;                // false at a discount rate of -100 %: no measure is taken
    int better = 0;                       // 0: project A, 1: project B, by NPV and presence
    double fisher = 0;                    // the incremental series' IRR
    double NPV_F = 0;                     // A's NPV at the Fisher rate
};

// The searches run for B, the incremental series and A, in that order, each at
// the rate then in use; the measures follow at the rate shown.
Appraisal appraise(const AppraisalInput &input, RatePowers *powers = nullptr);

// The better project by NPV and, where NPV and the uniform net benefit (PMT)
// disagree, by PMT: which row decides and which project it marks.
struct BetterEmphasis
{
    bool byNPV = true; // the NPV row decides (the PMT row is grey); else the reverse
    bool bBetter = false;
};
BetterEmphasis betterEmphasis(double NPV_A, double NPV_B, double PMT_A, double PMT_B);

} // namespace pelmora
