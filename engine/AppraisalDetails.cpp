#include "AppraisalDetails.h"

#include "Checked.h"
#include "VectorState.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

struct GridPoint
{
    double x = 0;
    double npv = 0;
    int walk = 0; // points of one walk lie on one sequence of repeated additions
};

int sign(double v)
{
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

// The grid's own walk from its start, and below it a walk from -99 up to that
// start: each by repeated addition, so the points past the grid's start are the
// very doubles the grid evaluates.
std::vector<GridPoint> walkGrid(const CashFlowSeries &series, double gridStart, double end, RatePowers *powers)
{
    std::vector<GridPoint> points;
    if (gridStart > -99) {
        for (double x = -99; x < gridStart; x += GridSearchFirstStep)
            points.push_back({x, NPV(series, x, powers), 0});
    }
    for (double x = gridStart; x <= end; x += GridSearchFirstStep)
        points.push_back({x, NPV(series, x, powers), 1});
    return points;
}

// Bisection of a sign change of NPV between a and b down to adjacent doubles.
double bisect(const CashFlowSeries &series, double a, double b)
{
    const int signA = sign(NPV(series, a));
    for (int k = 0; k < 200; ++k) {
        const double m = a + (b - a) / 2;
        if (m == a || m == b)
            break;
        const int s = sign(NPV(series, m));
        if (s == 0)
            return m;
        (s == signA ? a : b) = m;
    }
    return b;
}

// Between grid points a < b < c whose NPV has one sign, the point where NPV comes
// nearest zero (golden section); roots there are two, or one double root.
void lookCloser(const CashFlowSeries &series, double a, double c, int side, double scale, std::vector<FoundIrr> &out)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    const auto g = [&](double x) { return side * NPV(series, x); };
    double lo = a, hi = c;
    for (int k = 0; k < 120 && hi - lo > 0; ++k) {
        const double m1 = hi - ratio * (hi - lo), m2 = lo + ratio * (hi - lo);
        if (g(m1) < g(m2))
            hi = m2;
        else
            lo = m1;
    }
    const double m = lo + (hi - lo) / 2;
    if (g(m) < 0) {
        out.push_back({bisect(series, a, m), IrrFinding::CloseLook});
        out.push_back({bisect(series, m, c), IrrFinding::CloseLook});
    } else if (g(m) <= 1e-9 * scale) {
        out.push_back({m, IrrFinding::CloseLook, false, true});
    }
}

std::vector<FoundIrr> closeLooks(const CashFlowSeries &series, const std::vector<GridPoint> &points)
{
    double scale = 0;
    for (int p = 0; p <= series.last; ++p)
        scale += std::fabs(series.flows[size_t(p)]);
    std::vector<FoundIrr> found;
    for (size_t k = 1; k + 1 < points.size(); ++k) {
        const GridPoint &a = points[k - 1], &b = points[k], &c = points[k + 1];
        const int side = sign(b.npv);
        if (side == 0 || sign(a.npv) != side || sign(c.npv) != side)
            continue;
        if (std::fabs(b.npv) < std::fabs(a.npv) && std::fabs(b.npv) <= std::fabs(c.npv))
            lookCloser(series, a.x, c.x, side, scale, found);
    }
    return found;
}

// Near a double root rounding gives NPV both signs, so the walk sees a change of
// sign into a sliver and one out of it. Two neighbours between which NPV never
// takes the sign opposite to the one just below them are one root that NPV
// touches; the first of them stays, as the grid reports the first.
void mergeTouching(const CashFlowSeries &series, std::vector<FoundIrr> &irrs)
{
    constexpr int Probes = 32;
    for (size_t k = 0; k + 1 < irrs.size();) {
        const double a = irrs[k].rate, b = irrs[k + 1].rate;
        const int outside = sign(NPV(series, a - GridSearchFirstStep / 2));
        bool crossed = outside == 0;
        for (int j = 1; j < Probes && !crossed; ++j)
            crossed = sign(NPV(series, a + (b - a) * j / Probes)) == -outside;
        if (crossed || irrs[k].finding == IrrFinding::ExactZero || irrs[k + 1].finding == IrrFinding::ExactZero) {
            ++k;
            continue;
        }
        irrs[k].touching = true;
        irrs.erase(irrs.begin() + std::ptrdiff_t(k) + 1);
    }
}

// Every sign change on the grid refined as the grid refines it, every exact
// zero, and where the flows allow more roots, what a closer look finds.
std::vector<FoundIrr> findIrrs(const CashFlowSeries &series, double gridStart, double end, int signChanges,
                               RatePowers *powers)
{
    const std::vector<GridPoint> points = walkGrid(series, gridStart, end, powers);
    std::vector<FoundIrr> irrs;
    const GridPoint *before = nullptr; // the last point with NPV not zero
    bool zeroSince = false;
    for (const GridPoint &point : points) {
        if (point.npv == 0) {
            irrs.push_back({point.x, IrrFinding::ExactZero});
            zeroSince = true;
            continue;
        }
        if (before && sign(before->npv) != sign(point.npv) && !zeroSince) {
            const auto evaluate = [&](double x, double &v) { v = NPV(series, x); };
            const GridSearchResult r = gridRefine(before->x, point.x, 0, evaluate);
            if (r.x < end)
                irrs.push_back({r.x, IrrFinding::SignChange});
        }
        before = &point;
        zeroSince = false;
    }
    if (signChanges >= int(irrs.size()) + 2) {
        const std::vector<FoundIrr> more = closeLooks(series, points);
        irrs.insert(irrs.end(), more.begin(), more.end());
    }
    std::sort(irrs.begin(), irrs.end(), [](const FoundIrr &l, const FoundIrr &r) { return l.rate < r.rate; });
    mergeTouching(series, irrs);
    return irrs;
}

int flowSignChanges(const CashFlowSeries &series)
{
    int changes = 0, previous = 0;
    for (int p = 0; p <= series.last; ++p) {
        const int s = sign(series.flows[size_t(p)]);
        if (s != 0 && previous != 0 && s != previous)
            ++changes;
        previous = s != 0 ? s : previous;
    }
    return changes;
}

// What the grid's cell shows against the IRRs listed, when the walk is blind.
void diagnoseGrid(SeriesDetails &d)
{
    const auto inRange =
        std::find_if(d.irrs.begin(), d.irrs.end(), [&](const FoundIrr &f) { return f.rate >= d.gridStart; });
    if (!d.gridIrr) {
        if (inRange != d.irrs.end()) {
            d.diagnosis = IrrDiagnosis::GridShowsNone;
            d.blindIrr = *inRange;
        }
        return;
    }
    if (inRange == d.irrs.end() || !inRange->shownByGrid) {
        d.diagnosis = IrrDiagnosis::GridShowsOther;
        if (inRange != d.irrs.end())
            d.blindIrr = *inRange;
    }
}

void diagnose(SeriesDetails &d, const CashFlowSeries &series, double npvAtStart)
{
    const bool allZero =
        std::all_of(series.flows.begin(), series.flows.begin() + (series.last + 1), [](double f) { return f == 0; });
    if (series.last < 0)
        d.diagnosis = IrrDiagnosis::Empty;
    else if (allZero)
        d.diagnosis = IrrDiagnosis::ZeroFlows;
    else if (series.last == 0)
        d.diagnosis = IrrDiagnosis::OnePeriod;
    else if (d.irrs.empty())
        d.diagnosis = npvAtStart > 0 ? IrrDiagnosis::NoneAbove : IrrDiagnosis::NoneBelow;
    else
        d.diagnosis = d.irrs.size() == 1 ? IrrDiagnosis::OneIrr : IrrDiagnosis::SeveralIrrs;
    if (d.diagnosis == IrrDiagnosis::OneIrr || d.diagnosis == IrrDiagnosis::SeveralIrrs)
        diagnoseGrid(d);
}

} // namespace

const char *findingCode(IrrFinding finding)
{
    static const char *const codes[] = {"sign-change", "exact-zero", "close-look"};
    return codes[int(finding)];
}

const char *diagnosisCode(IrrDiagnosis diagnosis)
{
    static const char *const codes[] = {"empty",      "zero-flows",      "one-period",
                                        "one-irr",    "several-irrs",    "none-above",
                                        "none-below", "grid-shows-none", "grid-shows-other"};
    return codes[int(diagnosis)];
}

std::optional<double> modifiedIRR(const CashFlowSeries &series, double finance, double reinvest)
{
    if (series.last < 1)
        return std::nullopt;
    Checked future = 0, present = 0;
    const int last = series.last;
    for (int p = 0; p <= last; ++p) {
        const double f = series.flows[size_t(p)];
        if (f > 0)
            future = future + Checked(f) * pow(1 + Checked(reinvest) / 100, double(last - p));
        else if (f < 0)
            present = present + Checked(f) / pow(1 + Checked(finance) / 100, double(p));
    }
    const Checked mirr = (pow(future / -present, 1 / Checked(last)) - 1) * 100;
    if (future.value() == 0 || present.value() == 0 || !mirr.ok())
        return std::nullopt;
    return mirr.value();
}

std::optional<double> paybackPeriod(const CashFlowSeries &series, std::optional<double> rate)
{
    Checked cumulative = 0;
    bool below = false;
    for (int p = 0; p <= series.last; ++p) {
        Checked flow = series.flows[size_t(p)];
        if (rate)
            flow = flow / pow(1 + Checked(*rate) / 100, double(p));
        const Checked next = cumulative + flow;
        if (!next.ok())
            return std::nullopt;
        if (below && next.value() >= 0)
            return (p - 1) + (-cumulative / flow).value();
        below = below || next.value() < 0;
        cumulative = next;
    }
    return below || series.last < 0 ? std::nullopt : std::optional(0.0);
}

SeriesDetails seriesDetails(const CashFlowSeries &series, double discountRate, const IrrSearch &grid,
                            const MirrRates &rates, const SeriesMeasures *measures, RatePowers *powers)
{
    SeriesDetails d;
    d.last = series.last;
    d.signChanges = flowSignChanges(series);
    d.rangeEnd = grid.limit;
    d.gridStart = grid.start;
    d.discountRate = discountRate;
    if (grid.found)
        d.gridIrr = grid.x;
    if (series.last >= 1)
        d.irrs = findIrrs(series, grid.start, grid.limit, d.signChanges, powers);
    for (FoundIrr &f : d.irrs)
        f.shownByGrid = d.gridIrr && f.rate == *d.gridIrr;
    diagnose(d, series, NPV(series, d.rangeStart));
    d.noInvestment = !(series.last >= 0 && series.flows[0] < 0);
    d.financeRate = rates.finance.value_or(discountRate);
    d.reinvestRate = rates.reinvest.value_or(discountRate);
    d.MIRR = modifiedIRR(series, d.financeRate, d.reinvestRate);
    d.payback = paybackPeriod(series);
    d.discountedPayback = paybackPeriod(series, discountRate);
    SeriesMeasures own;
    if (!measures) {
        own.NPV = NPV(series, discountRate);
        const double investment = series.last >= 0 ? series.flows[0] : 0;
        if (investment != 0)
            assignStep(own.PI, (abs(Checked(investment)) + own.NPV) / abs(Checked(investment)));
        measures = &own;
    }
    d.NPV = measures->NPV;
    d.PI = measures->PI;
    assignStep(d.NFV, Checked(d.NPV) * pow(1 + Checked(discountRate) / 100, double(std::max(series.last, 0))));
    return d;
}

std::array<SeriesDetails, 3> appraisalDetails(const AppraisalInput &input, const Appraisal &appraisal,
                                              const MirrRates &rates, RatePowers *powers)
{
    clearVectorUpperState();
    std::array<SeriesDetails, 3> details;
    for (int index : {SeriesA, SeriesIncremental, SeriesB}) {
        const SeriesMeasures &s = appraisal.series[size_t(index)];
        details[size_t(index)] =
            seriesDetails(input.series[size_t(index)], appraisal.discountRate, s.search, rates, &s, powers);
    }
    return details;
}

} // namespace pelmora
