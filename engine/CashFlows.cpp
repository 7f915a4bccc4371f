#include "CashFlows.h"

#include "Checked.h"
#include "VectorState.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace pelmora {

namespace {

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The powers (1 + x / 100)^p for p = 0..width-1.
void computePowers(double ratePercent, int width, double *powers)
{
    const double base = 1 + ratePercent / 100;
    for (int p = 0; p < width; ++p)
        powers[p] = std::pow(base, double(p));
}

int lastPeriod(const CashFlowSeries &series)
{
    return series.last < CashFlowSeries::MaxPeriods ? series.last : CashFlowSeries::MaxPeriods - 1;
}

// The sum of NPV with the rate's powers at hand.
double NPVOfPowers(const CashFlowSeries &series, int last, const double *powers)
{
    double sum = 0;
    for (int p = 0; p <= last; ++p)
        assignStep(sum, Checked(sum) + Checked(series.flows[size_t(p)]) / Checked(powers[p]));
    return sum;
}

} // namespace

const double *RatePowers::find(double ratePercent) const
{
    const auto found = m_index.find(bitsOf(ratePercent));
    return found != m_index.end() ? found->second : nullptr;
}

const double *RatePowers::row(double ratePercent)
{
    if (const double *known = find(ratePercent))
        return known;
    if (m_usedInBlock == RowsPerBlock) {
        m_blocks.emplace_back(new double[RowsPerBlock * size_t(m_width)]);
        m_usedInBlock = 0;
    }
    double *powers = m_blocks.back().get() + m_usedInBlock++ * size_t(m_width);
    computePowers(ratePercent, m_width, powers);
    m_index.emplace(bitsOf(ratePercent), powers);
    return powers;
}

double NPV(const CashFlowSeries &series, double ratePercent, RatePowers *powers)
{
    const int last = lastPeriod(series);
    if (powers && last < powers->width())
        return NPVOfPowers(series, last, powers->row(ratePercent));
    const Checked base = 1 + Checked(ratePercent) / 100;
    double sum = 0;
    for (int p = 0; p <= last; ++p)
        assignStep(sum, Checked(sum) + Checked(series.flows[size_t(p)]) / pow(base, double(p)));
    return sum;
}

std::vector<std::vector<double>> NPVs(const std::vector<const CashFlowSeries *> &series,
                                      const std::vector<double> &rates, const RatePowers *known)
{
    int width = 0;
    for (const CashFlowSeries *s : series)
        width = std::max(width, lastPeriod(*s) + 1);
    std::vector<std::vector<double>> values(series.size(), std::vector<double>(rates.size()));
    clearVectorUpperState(); // the helper threads start clear
    const auto evaluate = [&](size_t from, size_t to) {
        std::array<double, CashFlowSeries::MaxPeriods> own;
        for (size_t j = from; j < to; ++j) {
            const double *powers = known && width <= known->width() ? known->find(rates[j]) : nullptr;
            if (!powers) {
                computePowers(rates[j], width, own.data());
                powers = own.data();
            }
            for (size_t k = 0; k < series.size(); ++k)
                values[k][j] = NPVOfPowers(*series[k], lastPeriod(*series[k]), powers);
        }
    };
    // A thread costs about as much as a few thousand powers: only long lists are shared.
    constexpr size_t PowersPerThread = 100000;
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t parts = std::clamp<size_t>(rates.size() * size_t(width) / PowersPerThread, 1, cores);
    std::vector<std::thread> helpers;
    for (size_t part = 1; part < parts; ++part)
        helpers.emplace_back(evaluate, rates.size() * part / parts, rates.size() * (part + 1) / parts);
    evaluate(0, rates.size() / parts);
    for (std::thread &helper : helpers)
        helper.join();
    return values;
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
