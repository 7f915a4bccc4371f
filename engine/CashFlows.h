#pragma once

// Net present value and internal rate of return of a series of cash flows per
// period; period 0 is the investment, entered as a negative amount.

#include "GridSearch.h"

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace pelmora {

struct CashFlowSeries
{
    static constexpr int MaxPeriods = 100;
    std::array<double, MaxPeriods> flows{};
    int last = -1; // index of the last period taken; -1: no period
};

// The powers (1 + x / 100)^p, p = 0..width-1, for the rates an appraisal
// evaluates. The three series' first walks run over the same rates, and the two
// profiles over the same rates, so each power is computed once and shared; it is
// the same double a direct evaluation would compute.
class RatePowers
{
public:
    explicit RatePowers(int width) : m_width(width < 1 ? 1 : width) { m_index.reserve(2048); }
    const double *row(double ratePercent);
    const double *find(double ratePercent) const; // nullptr: not computed yet
    int width() const { return m_width; }

private:
    static constexpr std::size_t RowsPerBlock = 64; // blocks below the mmap threshold are reused
    int m_width;
    std::unordered_map<std::uint64_t, const double *> m_index; // rate bits -> its powers
    std::vector<std::unique_ptr<double[]>> m_blocks;           // filled, never moved
    std::size_t m_usedInBlock = RowsPerBlock;
};

// NPV(x) = sum over p = 0..last of flows[p] / (1 + x / 100)^p, added in period
// order; a term whose arithmetic fails is left out of the sum.
double NPV(const CashFlowSeries &series, double ratePercent, RatePowers *powers = nullptr);

// NPV(series, x) for every rate x of `rates` and every series: result[k][j] is
// the NPV of series[k] at rates[j], the very double NPV gives. Each rate's powers
// are computed once for all the series (or taken from `known`) and not kept; a
// long list of rates is shared among the processor's cores.
std::vector<std::vector<double>> NPVs(const std::vector<const CashFlowSeries *> &series,
                                      const std::vector<double> &rates, const RatePowers *known = nullptr);

struct IrrSearch
{
    bool found = false; // a sign change lies before the limit
    double x = 0;       // the point the search reported
    double start = 0;   // the first point of the walk
    double limit = 0;   // the first end of the walk
    GridSearchResult search;
};

// The first point past the first change of sign of NPV, from 0 % (-99 % when the
// discount rate is negative) up to 160 % (up to the discount rate when it lies
// between 160 and 1024), refined down to a step of 1e-13.
IrrSearch searchIRR(const CashFlowSeries &series, double discountRate, RatePowers *powers = nullptr);

} // namespace pelmora
