// The appraisal of two projects from the grid's cash flows: the incremental
// column, the three internal rates of return (the incremental one is the Fisher
// rate), the measures at the discount rate, the emphasis of the better project,
// and the profile chart. Every step runs in the order the window's documents
// give, reading and writing through the input panel's fields; a step whose
// arithmetic fails is skipped and the next one runs.

#include "ProjectWindow.h"

#include "Checked.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {
using Grid = CashFlowGrid;
constexpr int Investment = Grid::periodRow(0); // period 0's row
} // namespace

struct ProjectWindowModel::Series
{
    int column = 0; // Grid::ColumnA, ColumnIncremental or ColumnB
    CashFlowSeries flows;
    double NPV = 0;
    double PMT = 0;
    double IRR = 0; // 0 when none was found
};

void ProjectWindowModel::AppraiseProjects()
{
    ProjectValues &v = values();
    m_list.CloseAmort();
    Q_EMIT amortListChanged();
    m_panel.setText(Field_n, m_texts.plainText(m_grid.periods()));
    if (v.n == 0 || (!m_grid.isNumber(Investment, Grid::ColumnA) && !m_grid.isNumber(Investment, Grid::ColumnB))) {
        v.n = m_session.nLoaded;
        return;
    }
    Q_EMIT busyChanged(true);
    Q_EMIT statusText(StatusPanel::State, u"Working..."_s);

    for (int r = m_grid.firstResultRow(); r <= m_grid.lastRow(); ++r) {
        for (int c = Grid::ColumnA; c <= Grid::ColumnB; ++c)
            m_grid.setText(r, c, QString());
    }
    const int n = roundToInt16(v.n).value_or(m_grid.periods());
    fillIncrementalColumn(n);

    // Index 0: A, 1: incremental, 2: B, as the grid's columns.
    Series series[3] = {readSeries(Grid::ColumnA, n), readSeries(Grid::ColumnIncremental, n),
                        readSeries(Grid::ColumnB, n)};
    // Trailing zeros of the incremental series are blanked and end it.
    CashFlowSeries &inc = series[1].flows;
    for (int p = n; p >= 0 && p < CashFlowSeries::MaxPeriods && inc.flows[size_t(p)] == 0; --p) {
        m_grid.setText(Grid::periodRow(p), Grid::ColumnIncremental, QString());
        --inc.last;
    }

    RatePowers powers(std::max({series[0].flows.last, series[1].flows.last, series[2].flows.last}) + 1);
    searchRates(series, powers);
    measureSeries(series, powers);
    m_grid.FormatFlexGrid();
    emphasizeBetterProject(series);

    const bool aPresent = m_grid.isNumber(Investment, Grid::ColumnA);
    const bool bPresent = m_grid.isNumber(Investment, Grid::ColumnB);
    int better = series[0].NPV < series[2].NPV ? 1 : 0;
    if (!bPresent)
        better = 0;
    if (!aPresent)
        better = 1;
    const double fisher = series[1].IRR;
    const double NPV_F = NPV(series[0].flows, fisher, &powers);

    ProfileInput input;
    input.IRR_A = series[0].IRR;
    input.IRR_B = series[2].IRR;
    input.Fisher = fisher;
    input.NPV_A = series[0].NPV;
    input.NPV_B = series[2].NPV;
    input.NPV_F = NPV_F;
    input.better = better;
    input.A = series[0].flows;
    input.B = series[2].flows;
    input.i = v.i;
    input.aPresent = aPresent;
    input.bPresent = bPresent;
    const int irrRow = m_grid.resultRow(Grid::Result::IRR);
    input.irrAShown = m_grid.isNumber(irrRow, Grid::ColumnA);
    input.fisherShown = m_grid.isNumber(irrRow, Grid::ColumnIncremental);
    input.irrBShown = m_grid.isNumber(irrRow, Grid::ColumnB);
    input.nFix = v.nFix;
    resetProfileChart();
    m_profile = buildProfileChart(input, v.escala, v.i, m_texts, &powers);
    Q_EMIT profileChanged();

    readField(Field_i, v.i);
    Q_EMIT busyChanged(false);
    Q_EMIT statusText(StatusPanel::State, u"Ready"_s);
}

void ProjectWindowModel::fillIncrementalColumn(int n)
{
    const bool a0 = m_grid.isNumber(Investment, Grid::ColumnA);
    const bool b0 = m_grid.isNumber(Investment, Grid::ColumnB);
    const double valueA0 = m_texts.toNumber(m_grid.text(Investment, Grid::ColumnA)).value_or(0);
    const double valueB0 = m_texts.toNumber(m_grid.text(Investment, Grid::ColumnB)).value_or(0);
    for (int p = 0; p <= n; ++p) {
        const auto a = m_texts.toNumber(m_grid.text(Grid::periodRow(p), Grid::ColumnA));
        const auto b = m_texts.toNumber(m_grid.text(Grid::periodRow(p), Grid::ColumnB));
        double increment = 0;
        if (a0 != b0) {
            // Only one project exists: the incremental series is that project.
            increment = b ? *b : a ? *a : 0;
        } else {
            // The project with the larger investment minus the other.
            const Checked difference = std::fabs(valueB0) > std::fabs(valueA0) ? Checked(b.value_or(0)) - a.value_or(0)
                                                                               : Checked(a.value_or(0)) - b.value_or(0);
            if (!difference.ok())
                continue;
            increment = difference.value();
        }
        m_grid.setText(Grid::periodRow(p), Grid::ColumnIncremental, m_texts.plainText(increment));
    }
}

ProjectWindowModel::Series ProjectWindowModel::readSeries(int column, int n)
{
    Series series;
    series.column = column;
    for (int p = 0; p <= n && p < CashFlowSeries::MaxPeriods; ++p) {
        const auto value = m_texts.toNumber(m_grid.text(Grid::periodRow(p), column));
        if (!value)
            break; // a blank cell ends the series
        series.flows.flows[size_t(p)] = *value;
        ++series.flows.last;
    }
    return series;
}

// Internal rates of return of B, the incremental series (the Fisher rate) and A.
void ProjectWindowModel::searchRates(Series (&series)[3], RatePowers &powers)
{
    ProjectValues &v = values();
    for (int index : {2, 1, 0}) {
        Series &s = series[index];
        readField(Field_i, v.i);
        const IrrSearch search = searchIRR(s.flows, v.i, &powers);
        v.i = search.x; // the working rate served as the rate being tried
        if (search.found) {
            m_grid.setText(m_grid.resultRow(Grid::Result::IRR), s.column, m_texts.plainText(search.x));
            s.IRR = search.x;
        }
    }
}

// NPV, profitability index and uniform net benefit of B, the increment and A at
// the discount rate.
void ProjectWindowModel::measureSeries(Series (&series)[3], RatePowers &powers)
{
    ProjectValues &v = values();
    readField(Field_i, v.i);
    if (v.i == -100)
        return;
    for (int index : {2, 1, 0}) {
        Series &s = series[index];
        const double npv = NPV(s.flows, v.i, &powers);
        s.NPV = npv;
        if (!m_grid.isNumber(Investment, s.column))
            continue;
        double PI = 0;
        const double investment = s.flows.flows[0];
        if (investment != 0)
            assignStep(PI, (abs(Checked(investment)) + npv) / abs(Checked(investment)));
        v.PV = npv;
        v.n = s.flows.last;
        if (s.column == Grid::ColumnA)
            Calc_FV(v, m_panel.fieldDisplay());
        Calc_PMT(v, m_panel.fieldDisplay());
        readField(Field_n, v.n);
        // The rows follow n as Text(0) shows it.
        const int n = roundToInt16(v.n).value_or(m_grid.periods());
        m_grid.setText(Grid::resultRow(Grid::Result::NPV, n), s.column, m_texts.plainText(npv));
        m_grid.setText(Grid::resultRow(Grid::Result::PI, n), s.column, m_texts.plainText(PI));
        m_grid.setText(Grid::resultRow(Grid::Result::PMT, n), s.column, m_texts.plainText(v.PMT));
        s.PMT = v.PMT;
    }
}

void ProjectWindowModel::emphasizeBetterProject(const Series (&series)[3])
{
    const int npvRow = m_grid.resultRow(Grid::Result::NPV);
    const int pmtRow = m_grid.resultRow(Grid::Result::PMT);
    for (int c = Grid::ColumnA; c <= Grid::ColumnB; ++c) {
        m_grid.setStyle(npvRow, c, {});
        m_grid.setStyle(pmtRow, c, {});
    }
    const bool byNPV = series[0].NPV < series[2].NPV; // true: B is better
    const bool byPMT = series[0].PMT < series[2].PMT;
    // When the criteria agree the NPV decides and the PMT row is grey; when the
    // projects' lives make them disagree, the PMT decides and the NPV row is grey.
    const int boldRow = byNPV == byPMT ? npvRow : pmtRow;
    const int greyRow = byNPV == byPMT ? pmtRow : npvRow;
    const bool bBetter = byNPV == byPMT ? byNPV : byPMT;
    m_grid.setStyle(boldRow, bBetter ? Grid::ColumnB : Grid::ColumnA, {true, false});
    for (int c = Grid::ColumnA; c <= Grid::ColumnB; ++c)
        m_grid.setStyle(greyRow, c, {false, true});
    m_grid.setCurrentCell(Investment, Grid::ColumnA);
}

} // namespace pelmora
