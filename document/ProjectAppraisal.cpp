// The appraisal of two projects as the window shows it: the cash flows read from
// the grid's texts, the incremental column written and read back, the results
// of the engine's appraisal written into the result rows and the fields, the
// emphasis of the better project, and the profile chart. The texts are read and
// written in the order the window's documents give.

#include "ProjectWindow.h"

#include "Checked.h"

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {
using Grid = CashFlowGrid;
constexpr int Investment = Grid::periodRow(0); // period 0's row
// The grid's column of a series.
constexpr int columnOf(int series)
{
    return series == SeriesA ? Grid::ColumnA : series == SeriesB ? Grid::ColumnB : Grid::ColumnIncremental;
}
} // namespace

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

    AppraisalInput input;
    for (int index : {SeriesA, SeriesIncremental, SeriesB})
        input.series[size_t(index)] = readSeries(columnOf(index), n);
    // Trailing zeros of the incremental series are blanked and end it.
    CashFlowSeries &inc = input.series[SeriesIncremental];
    const int zeros = trailingZeroPeriods(inc, n);
    for (int p = n; p > n - zeros; --p)
        m_grid.setText(Grid::periodRow(p), Grid::ColumnIncremental, QString());
    inc.last -= zeros;
    input.rateShown = m_texts.toNumber(m_panel.text(Field_i));
    input.rateBefore = v.i;
    input.aPresent = m_grid.isNumber(Investment, Grid::ColumnA);
    input.bPresent = m_grid.isNumber(Investment, Grid::ColumnB);

    RatePowers powers(std::max({input.series[0].last, input.series[1].last, input.series[2].last}) + 1);
    const Appraisal appraisal = appraise(input, &powers);
    m_lastAppraisal = AppraisalRun{input, appraisal};
    std::array<double, 3> PMT{};
    showAppraisal(input, appraisal, PMT);
    m_grid.FormatFlexGrid();
    emphasizeBetterProject(
        betterEmphasis(appraisal.series[SeriesA].NPV, appraisal.series[SeriesB].NPV, PMT[SeriesA], PMT[SeriesB]));

    ProfileInput profile;
    profile.IRR_A = appraisal.series[SeriesA].IRR;
    profile.IRR_B = appraisal.series[SeriesB].IRR;
    profile.Fisher = appraisal.fisher;
    profile.NPV_A = appraisal.series[SeriesA].NPV;
    profile.NPV_B = appraisal.series[SeriesB].NPV;
    profile.NPV_F = appraisal.NPV_F;
    profile.better = appraisal.better;
    profile.A = input.series[SeriesA];
    profile.B = input.series[SeriesB];
    profile.i = v.i;
    profile.aPresent = input.aPresent;
    profile.bPresent = input.bPresent;
    const int irrRow = m_grid.resultRow(Grid::Result::IRR);
    profile.irrAShown = m_grid.isNumber(irrRow, Grid::ColumnA);
    profile.fisherShown = m_grid.isNumber(irrRow, Grid::ColumnIncremental);
    profile.irrBShown = m_grid.isNumber(irrRow, Grid::ColumnB);
    profile.nFix = v.nFix;
    resetProfileChart();
    m_profile = buildProfileChart(profile, v.escala, v.i, m_texts, &powers);
    Q_EMIT profileChanged();

    readField(Field_i, v.i);
    Q_EMIT busyChanged(false);
    Q_EMIT statusText(StatusPanel::State, u"Ready"_s);
    Q_EMIT appraised();
}

void ProjectWindowModel::fillIncrementalColumn(int n)
{
    IncrementBasis basis;
    basis.aPresent = m_grid.isNumber(Investment, Grid::ColumnA);
    basis.bPresent = m_grid.isNumber(Investment, Grid::ColumnB);
    basis.investmentA = m_texts.toNumber(m_grid.text(Investment, Grid::ColumnA)).value_or(0);
    basis.investmentB = m_texts.toNumber(m_grid.text(Investment, Grid::ColumnB)).value_or(0);
    for (int p = 0; p <= n; ++p) {
        const auto increment = incrementalFlow(basis, m_texts.toNumber(m_grid.text(Grid::periodRow(p), Grid::ColumnA)),
                                               m_texts.toNumber(m_grid.text(Grid::periodRow(p), Grid::ColumnB)));
        if (increment)
            m_grid.setText(Grid::periodRow(p), Grid::ColumnIncremental, m_texts.plainText(*increment));
    }
}

CashFlowSeries ProjectWindowModel::readSeries(int column, int n) const
{
    CashFlowSeries series;
    for (int p = 0; p <= n && p < CashFlowSeries::MaxPeriods; ++p) {
        const auto value = m_texts.toNumber(m_grid.text(Grid::periodRow(p), column));
        if (!value)
            break; // a blank cell ends the series
        series.flows[size_t(p)] = *value;
        ++series.last;
    }
    return series;
}

// The IRR cells of B, the increment and A; then their NPV, profitability index
// and uniform net benefit at the discount rate, each through the fields, whose
// payment figures the last series leaves behind.
void ProjectWindowModel::showAppraisal(const AppraisalInput &input, const Appraisal &appraisal,
                                       std::array<double, 3> &PMT)
{
    ProjectValues &v = values();
    for (int index : {SeriesB, SeriesIncremental, SeriesA}) {
        const IrrSearch &search = appraisal.series[size_t(index)].search;
        if (search.found)
            m_grid.setText(m_grid.resultRow(Grid::Result::IRR), columnOf(index), m_texts.plainText(search.x));
    }
    v.i = appraisal.discountRate;
    if (!appraisal.measured)
        return;
    for (int index : {SeriesB, SeriesIncremental, SeriesA}) {
        const int column = columnOf(index);
        if (!m_grid.isNumber(Investment, column))
            continue;
        const SeriesMeasures &s = appraisal.series[size_t(index)];
        v.PV = s.NPV;
        v.n = input.series[size_t(index)].last;
        if (index == SeriesA)
            Calc_FV(v, m_panel.fieldDisplay());
        Calc_PMT(v, m_panel.fieldDisplay());
        readField(Field_n, v.n);
        // The rows follow n as Text(0) shows it.
        const int n = roundToInt16(v.n).value_or(m_grid.periods());
        m_grid.setText(Grid::resultRow(Grid::Result::NPV, n), column, m_texts.plainText(s.NPV));
        m_grid.setText(Grid::resultRow(Grid::Result::PI, n), column, m_texts.plainText(s.PI));
        m_grid.setText(Grid::resultRow(Grid::Result::PMT, n), column, m_texts.plainText(v.PMT));
        PMT[size_t(index)] = v.PMT;
    }
}

void ProjectWindowModel::emphasizeBetterProject(BetterEmphasis better)
{
    const int npvRow = m_grid.resultRow(Grid::Result::NPV);
    const int pmtRow = m_grid.resultRow(Grid::Result::PMT);
    for (int c = Grid::ColumnA; c <= Grid::ColumnB; ++c) {
        m_grid.setStyle(npvRow, c, {});
        m_grid.setStyle(pmtRow, c, {});
    }
    // The deciding row is bold for the better project; the other row is grey.
    const int boldRow = better.byNPV ? npvRow : pmtRow;
    const int greyRow = better.byNPV ? pmtRow : npvRow;
    m_grid.setStyle(boldRow, better.bBetter ? Grid::ColumnB : Grid::ColumnA, {true, false});
    for (int c = Grid::ColumnA; c <= Grid::ColumnB; ++c)
        m_grid.setStyle(greyRow, c, {false, true});
    m_grid.setCurrentCell(Investment, Grid::ColumnA);
}

} // namespace pelmora
