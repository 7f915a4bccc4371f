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

struct ProjectWindowModel::Series
{
    int column = 0;            // 1: A, 2: incremental, 3: B
    CashFlowSeries flows;
    double NPV = 0;
    double PMT = 0;
    double IRR = 0;            // 0 when none was found
};

void ProjectWindowModel::AppraiseProjects()
{
    ProjectValues &v = values();
    m_list.CloseAmort();
    Q_EMIT amortListChanged();
    m_panel.setText(Field_n, m_texts.plainText(m_grid.rowCount() - 6));
    if (v.n == 0 || (!m_grid.isNumber(1, 1) && !m_grid.isNumber(1, 3))) {
        v.n = m_session.nLoaded;
        return;
    }
    Q_EMIT busyChanged(true);
    Q_EMIT statusText(StatusPanel::State, u"Working..."_s);

    for (int r = m_grid.rowCount() - 4; r < m_grid.rowCount(); ++r) {
        for (int c = 1; c <= 3; ++c)
            m_grid.setText(r, c, QString());
    }
    const int n = roundToInt16(v.n).value_or(m_grid.periods());
    fillIncrementalColumn(n);

    // Index 0: A (column 1), 1: incremental (column 2), 2: B (column 3).
    Series series[3] = {readSeries(1, n), readSeries(2, n), readSeries(3, n)};
    // Trailing zeros of the incremental series are blanked and end it.
    CashFlowSeries &inc = series[1].flows;
    for (int p = n; p >= 0 && p < CashFlowSeries::MaxPeriods && inc.flows[size_t(p)] == 0; --p) {
        m_grid.setText(p + 1, 2, QString());
        --inc.last;
    }

    RatePowers powers(std::max({series[0].flows.last, series[1].flows.last, series[2].flows.last}) + 1);
    searchRates(series, powers);
    measureSeries(series, powers);
    m_grid.FormatFlexGrid();
    emphasizeBetterProject(series);

    const bool aPresent = m_grid.isNumber(1, 1);
    const bool bPresent = m_grid.isNumber(1, 3);
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
    const int irrRow = m_grid.rowCount() - 3;
    input.irrAShown = m_grid.isNumber(irrRow, 1);
    input.fisherShown = m_grid.isNumber(irrRow, 2);
    input.irrBShown = m_grid.isNumber(irrRow, 3);
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
    const bool a0 = m_grid.isNumber(1, 1);
    const bool b0 = m_grid.isNumber(1, 3);
    const double valueA0 = m_texts.toNumber(m_grid.text(1, 1)).value_or(0);
    const double valueB0 = m_texts.toNumber(m_grid.text(1, 3)).value_or(0);
    for (int p = 0; p <= n; ++p) {
        const auto a = m_texts.toNumber(m_grid.text(p + 1, 1));
        const auto b = m_texts.toNumber(m_grid.text(p + 1, 3));
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
        m_grid.setText(p + 1, 2, m_texts.plainText(increment));
    }
}

ProjectWindowModel::Series ProjectWindowModel::readSeries(int column, int n)
{
    Series series;
    series.column = column;
    for (int p = 0; p <= n && p < CashFlowSeries::MaxPeriods; ++p) {
        const auto value = m_texts.toNumber(m_grid.text(p + 1, column));
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
            m_grid.setText(m_grid.rowCount() - 3, s.column, m_texts.plainText(search.x));
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
        if (!m_grid.isNumber(1, s.column))
            continue;
        double PI = 0;
        const double investment = s.flows.flows[0];
        if (investment != 0)
            assignStep(PI, (abs(Checked(investment)) + npv) / abs(Checked(investment)));
        v.PV = npv;
        v.n = s.flows.last;
        if (s.column == 1)
            Calc_FV(v, m_panel.fieldDisplay());
        Calc_PMT(v, m_panel.fieldDisplay());
        readField(Field_n, v.n);
        const int n = roundToInt16(v.n).value_or(m_grid.periods());
        m_grid.setText(n + 2, s.column, m_texts.plainText(npv));
        m_grid.setText(n + 4, s.column, m_texts.plainText(PI));
        m_grid.setText(n + 5, s.column, m_texts.plainText(v.PMT));
        s.PMT = v.PMT;
    }
}

void ProjectWindowModel::emphasizeBetterProject(const Series (&series)[3])
{
    const int npvRow = m_grid.rowCount() - 4;
    const int pmtRow = m_grid.rowCount() - 1;
    for (int c = 1; c <= 3; ++c) {
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
    m_grid.setStyle(boldRow, bBetter ? 3 : 1, {true, false});
    for (int c = 1; c <= 3; ++c)
        m_grid.setStyle(greyRow, c, {false, true});
    m_grid.setCurrentCell(1, 1);
}

} // namespace pelmora
