#include "Appraisal.h"

#include "Checked.h"
#include "VectorState.h"

#include <cmath>

namespace pelmora {

std::optional<double> incrementalFlow(const IncrementBasis &basis, std::optional<double> a, std::optional<double> b)
{
    // Only one project exists: the incremental series is that project.
    if (basis.aPresent != basis.bPresent)
        return b ? *b : a ? *a : 0;
    const Checked difference = std::fabs(basis.investmentB) > std::fabs(basis.investmentA)
                                   ? Checked(b.value_or(0)) - a.value_or(0)
                                   : Checked(a.value_or(0)) - b.value_or(0);
    if (!difference.ok())
        return std::nullopt;
    return difference.value();
}

int trailingZeroPeriods(const CashFlowSeries &series, int n)
{
    int zeros = 0;
    for (int p = n; p >= 0 && p < CashFlowSeries::MaxPeriods && series.flows[size_t(p)] == 0; --p)
        ++zeros;
    return zeros;
}

Appraisal appraise(const AppraisalInput &input, RatePowers *powers)
{
    clearVectorUpperState();
    Appraisal result;
    double rate = input.rateBefore;
    for (int index : {SeriesB, SeriesIncremental, SeriesA}) {
        SeriesMeasures &s = result.series[size_t(index)];
        rate = input.rateShown.value_or(rate);
        s.search = searchIRR(input.series[size_t(index)], rate, powers);
        rate = s.search.x; // the working rate served as the rate being tried
        if (s.search.found)
            s.IRR = s.search.x;
    }
    result.workingRate = rate;
    result.discountRate = input.rateShown.value_or(rate);
    result.measured = result.discountRate != -100;
    if (result.measured) {
        for (int index : {SeriesB, SeriesIncremental, SeriesA}) {
            SeriesMeasures &s = result.series[size_t(index)];
            const CashFlowSeries &flows = input.series[size_t(index)];
            s.NPV = NPV(flows, result.discountRate, powers);
            const double investment = flows.flows[0];
            if (investment != 0)
                assignStep(s.PI, (abs(Checked(investment)) + s.NPV) / abs(Checked(investment)));
        }
    }
    const double NPV_A = result.series[SeriesA].NPV;
    const double NPV_B = result.series[SeriesB].NPV;
    result.better = !input.aPresent ? 1 : !input.bPresent ? 0 : NPV_A < NPV_B ? 1 : 0;
    result.fisher = result.series[SeriesIncremental].IRR;
    result.NPV_F = NPV(input.series[SeriesA], result.fisher, powers);
    return result;
}

BetterEmphasis betterEmphasis(double NPV_A, double NPV_B, double PMT_A, double PMT_B)
{
    // When the criteria agree the NPV decides; when the projects' lives make them
    // disagree, the PMT decides.
    const bool byNPV = NPV_A < NPV_B; // true: B is better
    const bool byPMT = PMT_A < PMT_B;
    return {byNPV == byPMT, byNPV == byPMT ? byNPV : byPMT};
}

} // namespace pelmora
