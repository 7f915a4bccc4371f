#include "TimeValue.h"

#include "Amortization.h"
#include "Checked.h"
#include "VectorState.h"

namespace pelmora {

namespace {

Checked rate(const ProjectValues &pv)
{
    return Checked(pv.i) / 100;
}

constexpr double SolverLimit = 990;

// The difference of the annuity equation at the current values; a point where
// neither form applies keeps the previous difference.
void annuityDifference(const ProjectValues &pv, double &d)
{
    if (pv.FV == 0 && pv.i != 0) {
        // d = PV - PMT * ((1 + r)^n - 1) / ((1 + r)^n * r)
        const Checked r = rate(pv);
        const Checked growth = pow(1 + r, Checked(pv.n));
        assignStep(d, Checked(pv.PV) - Checked(pv.PMT) * (growth - 1) / (growth * r));
    }
    if (pv.PV == 0 && pv.i != 0) {
        // d = FV - PMT * ((1 + r)^n - 1) / r
        const Checked r = rate(pv);
        const Checked growth = pow(1 + r, Checked(pv.n));
        assignStep(d, Checked(pv.FV) - Checked(pv.PMT) * (growth - 1) / r);
    }
}

// The unknown (n or i) is the project value itself: the walk writes each point
// into it. A search without a sign change up to the limit reports 0.
GridSearchResult annuitySearch(ProjectValues &pv, double start, double &unknown)
{
    clearVectorUpperState();
    GridSearchResult result = gridRefine(start, SolverLimit, 0, [&pv, &unknown](double x, double &d) {
        unknown = x;
        annuityDifference(pv, d);
    });
    if (result.x > SolverLimit)
        result.x = 0;
    unknown = result.x;
    return result;
}

} // namespace

GridSearchResult Solver_n(ProjectValues &pv)
{
    return annuitySearch(pv, 0, pv.n);
}

GridSearchResult Solver_i(ProjectValues &pv)
{
    return annuitySearch(pv, -90, pv.i);
}

void Calc_n(ProjectValues &pv, FieldDisplay &display)
{
    if (pv.PV != 0 && pv.i != 0 && pv.i != -100) {
        // n = ln(FV / PV) / ln(1 + r)
        assignStep(pv.n, log(Checked(pv.FV) / pv.PV) / log(1 + rate(pv)));
        display.show(Field_n, pv.n);
    }
    if ((pv.PV == 0 || pv.FV == 0) && pv.i != 0) {
        Solver_n(pv);
        display.show(Field_n, pv.n);
    }
}

void Calc_i(ProjectValues &pv, FieldDisplay &display)
{
    if (pv.PV != 0 && pv.FV != 0 && pv.n != 0) {
        // i = ((FV / PV)^(1 / n) - 1) * 100
        assignStep(pv.i, (pow(Checked(pv.FV) / pv.PV, 1 / Checked(pv.n)) - 1) * 100);
        display.show(Field_i, pv.i);
    }
    if ((pv.PV == 0 || pv.FV == 0) && pv.n != 0) {
        Solver_i(pv);
        display.show(Field_i, pv.i);
    }
}

void Calc_PV(ProjectValues &pv, FieldDisplay &display)
{
    // PV = FV / (1 + r)^n
    assignStep(pv.PV, Checked(pv.FV) / pow(1 + rate(pv), Checked(pv.n)));
    display.show(Field_PV, pv.PV);
    if (pv.PV == 0 && pv.PMT != 0 && pv.i == 0) {
        assignStep(pv.PV, Checked(pv.PMT) * pv.n);
        display.show(Field_PV, pv.PV);
    }
    if (pv.PV == 0 && pv.PMT != 0 && pv.i != 0) {
        // PV = PMT * ((1 + r)^n - 1) / ((1 + r)^n * r)
        const Checked r = rate(pv);
        const Checked growth = pow(1 + r, Checked(pv.n));
        assignStep(pv.PV, Checked(pv.PMT) * (growth - 1) / (growth * r));
        display.show(Field_PV, pv.PV);
    }
}

void Calc_PMT(ProjectValues &pv, FieldDisplay &display)
{
    if (pv.PV != 0 && pv.n != 0 && pv.i != 0) {
        // PMT = PV * r * (1 + r)^n / ((1 + r)^n - 1)
        const Checked r = rate(pv);
        const Checked growth = pow(1 + r, Checked(pv.n));
        assignStep(pv.PMT, Checked(pv.PV) * r * growth / (growth - 1));
        display.show(Field_PMT, pv.PMT);
    }
    if (pv.FV != 0 && pv.PV == 0 && pv.n != 0 && pv.i != 0) {
        // PMT = r * FV / ((1 + r)^n - 1)   (sinking fund)
        const Checked r = rate(pv);
        assignStep(pv.PMT, r * pv.FV / (pow(1 + r, Checked(pv.n)) - 1));
        display.show(Field_PMT, pv.PMT);
    }
    if (pv.i == 0 && pv.n != 0) {
        assignStep(pv.PMT, Checked(pv.PV) / pv.n);
        display.show(Field_PMT, pv.PMT);
    }
    Calc_Amort(pv);
}

void Calc_FV(ProjectValues &pv, FieldDisplay &display)
{
    // FV = (1 + r)^n * PV
    assignStep(pv.FV, pow(1 + rate(pv), Checked(pv.n)) * pv.PV);
    display.show(Field_FV, pv.FV);
    if (pv.PV == 0 && pv.PMT != 0) {
        // FV = PMT * ((1 + r)^n - 1) / r
        const Checked r = rate(pv);
        assignStep(pv.FV, Checked(pv.PMT) * (pow(1 + r, Checked(pv.n)) - 1) / r);
        display.show(Field_FV, pv.FV);
    }
    assignStep(pv.TI, Checked(pv.FV) - pv.PV);
}

} // namespace pelmora
