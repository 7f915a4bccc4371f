#include "CashFlows.h"

#include "Checked.h"

#include <cmath>
#include <cstring>

namespace pelmora {

const double *RatePowers::row(double ratePercent)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &ratePercent, sizeof bits);
    const auto found = m_index.find(bits);
    if (found != m_index.end())
        return found->second;
    if (m_usedInBlock == RowsPerBlock) {
        m_blocks.emplace_back(new double[RowsPerBlock * size_t(m_width)]);
        m_usedInBlock = 0;
    }
    double *powers = m_blocks.back().get() + m_usedInBlock++ * size_t(m_width);
    const double base = 1 + ratePercent / 100;
    for (int p = 0; p < m_width; ++p)
        powers[p] = std::pow(base, double(p));
    m_index.emplace(bits, powers);
    return powers;
}

double NPV(const CashFlowSeries &series, double ratePercent, RatePowers *powers)
{
    const int last = series.last < CashFlowSeries::MaxPeriods ? series.last : CashFlowSeries::MaxPeriods - 1;
    const double *cached = powers && last < powers->width() ? powers->row(ratePercent) : nullptr;
    const Checked base = 1 + Checked(ratePercent) / 100;
    double sum = 0;
    for (int p = 0; p <= last; ++p) {
        const Checked power = cached ? Checked(cached[p]) : pow(base, double(p));
        assignStep(sum, Checked(sum) + Checked(series.flows[size_t(p)]) / power);
    }
    return sum;
}

IrrSearch searchIRR(const CashFlowSeries &series, double discountRate, RatePowers *powers)
{
    IrrSearch result;
    const double start = discountRate < 0 ? -99 : 0;
    result.start = start;
    result.limit = 160 < discountRate && discountRate < 1024 ? discountRate : 160;
    result.search = gridRefine(start, result.limit, 0, [&](double x, double &v) { v = NPV(series, x, powers); });
    result.x = result.search.x;
    result.found = result.x < result.limit;
    return result;
}

} // namespace pelmora
