#include "ChartData.h"

#include "NumberPattern.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

// Half to even, as every rounding of the program; a value beyond 16 bits keeps
// the fallback, like a failing statement.
int roundOr(double value, int fallback)
{
    const auto rounded = roundToInt16(value);
    return rounded ? int(*rounded) : fallback;
}

// hi rounded to one decimal, half to even.
double roundToTenth(double value)
{
    const double scaled = value * 10;
    if (!std::isfinite(scaled))
        return value;
    return std::nearbyint(scaled) / 10; // the default rounding mode: to nearest, ties to even
}

// A value as the shown number: formatted with the amounts' pattern and read back.
double shown(double value, const NumberTexts &texts, std::int16_t nFix)
{
    return texts.toNumber(texts.format(value, ZLen(nFix))).value_or(value);
}

constexpr unsigned Blue = 0x0000FF;
constexpr unsigned Red = 0xFF0000;
constexpr unsigned FisherColour = 0x00C8B4; // 0, 200, 180

} // namespace

void FlowChart::ResetChart()
{
    m_rows.clear();
    m_rowCount = 0;
}

void FlowChart::setRowCount(int count)
{
    m_rowCount = count;
    if (int(m_rows.size()) < count)
        m_rows.resize(size_t(count));
}

void FlowChart::FillFlowChart(const std::vector<QString> &cells, const NumberTexts &texts, bool &resetLargeChart)
{
    resetLargeChart = false;
    const bool anyNumber =
        std::any_of(cells.begin(), cells.end(), [&](const QString &t) { return texts.isNumeric(t); });
    if (!anyNumber) {
        ResetChart();
        resetLargeChart = true;
        return;
    }
    for (int r = 1; r <= int(cells.size()); ++r) {
        const auto value = texts.toNumber(cells[size_t(r - 1)]);
        if (!value)
            continue; // the row keeps what the chart held there
        setRowCount(r);
        m_rows[size_t(r - 1)].values[0] = *value;
        m_rows[size_t(r - 1)].label = texts.plainText(r - 1);
    }
}

ProfileChart buildProfileChart(const ProfileInput &in, std::int16_t &escala, double &runningRate,
                               const NumberTexts &texts, RatePowers *powers)
{
    ProfileChart chart;
    const double step = ProfileChart::Step;
    const double lo = ProfileChart::Lo;

    // Rate range: up to the largest rate found, plus 15 %.
    double hi = std::max({in.IRR_A, in.IRR_B, in.Fisher, in.i});
    hi = roundToTenth(hi + 0.15 * (hi - lo));
    const double range = std::max(hi - lo, 0.0);
    chart.hi = hi;
    const int rowCount = std::max(roundOr(range / step, 0), 0);
    chart.rows.resize(size_t(rowCount));

    // Scale: about twenty labels across the axis; the document's scale stays while it fits.
    const int s = roundOr(range / 20 / step, 0);
    chart.scale = s;
    if (!(escala != 0 && s / 4.0 <= escala + 1 && escala <= 2 * s))
        escala = std::int16_t(s);
    chart.escala = escala;
    SliderSettings &scale = chart.scaleSlider;
    scale.maximum = 2 * s;
    scale.minimum = roundOr(s / 4.0, 0);
    if (scale.minimum == 0)
        scale.minimum = 1;
    scale.smallChange = scale.minimum;
    scale.largeChange = roundOr(1.5 * scale.minimum, scale.minimum);
    scale.value = escala;
    scale.toolTip = scaleToolTip(escala);
    chart.footnoteSlider = {1, 2, 1, 1, 2, footnoteToolTip(true)};

    // The footnote and the markers show the rates and values as displayed.
    const double NPV_A = shown(in.NPV_A, texts, in.nFix), NPV_B = shown(in.NPV_B, texts, in.nFix);
    const double NPV_F = shown(in.NPV_F, texts, in.nFix);
    const double IRR_A = shown(in.IRR_A, texts, in.nFix), IRR_B = shown(in.IRR_B, texts, in.nFix);
    const double Fisher = shown(in.Fisher, texts, in.nFix);
    QString f;
    if (in.aPresent)
        f = u" NPVA: $"_s + texts.plainText(NPV_A);
    if (in.irrAShown)
        f += u" IRR: "_s + texts.plainText(IRR_A) + u'%';
    if (in.bPresent)
        f += u" NPVB: $"_s + texts.plainText(NPV_B);
    if (in.irrBShown)
        f += u" IRR: "_s + texts.plainText(IRR_B) + u'%';
    f += u" DR: "_s + texts.plainText(in.i) + u'%';
    if (in.fisherShown)
        f += u" Fisher: "_s + texts.plainText(Fisher) + u"% [NPV: $"_s + texts.plainText(NPV_F) + u']';
    chart.footnote = f;

    chart.columnLabels = {u"Project A"_s, u"Project B"_s, u"Discount Rate"_s, u"Fisher"_s};
    const int markerRow = roundOr((in.i + step) / step, 0);
    if (markerRow >= 1 && markerRow < hi / step && markerRow <= rowCount) {
        chart.rows[size_t(markerRow - 1)].values[2] = in.better == 0 ? NPV_A : NPV_B;
        chart.discountRateRow = markerRow;
    }
    const int fisherRow = roundOr((Fisher + step) / step, 0);
    if (in.fisherShown && fisherRow >= 1 && fisherRow < hi / step && fisherRow <= rowCount) {
        chart.rows[size_t(fisherRow - 1)].values[3] = NPV_F;
        chart.fisherRow = fisherRow;
    }

    // The profiles: row r holds the NPV at the rate (r - 1) x 0.1 %.
    auto profile = [&](const CashFlowSeries &series, int column, bool labels) {
        double x = lo;
        for (; x <= hi; x += step) {
            runningRate = x;
            const double v = NPV(series, x - step, powers);
            int r = roundOr(x / step, rowCount + 1);
            if (r == 0)
                r = 1;
            if (r > rowCount)
                return;
            chart.rows[size_t(r - 1)].values[size_t(column)] = v;
            if (labels)
                chart.rows[size_t(r - 1)].label = texts.plainText(r * step - step);
        }
        runningRate = x; // the loop ran to its end: the first rate past hi
    };
    if (in.aPresent)
        profile(in.A, 0, true);
    if (in.bPresent)
        profile(in.B, 1, !in.aPresent);

    chart.pens[0] = {22, false, Blue, false};
    chart.pens[1] = {22, false, Red, false};
    chart.pens[2] = {22, true, in.better == 0 ? Blue : Red, true};
    chart.pens[3] = {22, true, FisherColour, true};
    return chart;
}

PointReadout MSChart1_PointSelected(const ProfileChart &chart, int series, int point, const NumberTexts &texts)
{
    PointReadout readout;
    if (point < 1 || point > int(chart.rows.size()) || series < 1 || series > 4)
        return readout;
    const ChartRow &row = chart.rows[size_t(point - 1)];
    const auto &value = row.values[size_t(series - 1)];
    const QString valueText = value ? texts.format(*value, u"#,##0.00") : QString();
    readout.status = u"i "_s + row.label + u" NPV "_s + valueText;
    if (!valueText.isEmpty())
        readout.toolTip = u"NPV("_s + row.label + u") = $ "_s + valueText;
    return readout;
}

QString scaleToolTip(int value)
{
    return u"Scale "_s + QString::number(value);
}

QString footnoteToolTip(bool shown)
{
    return shown ? u"Footnote  Yes"_s : u"Footnote  No"_s;
}

} // namespace pelmora
