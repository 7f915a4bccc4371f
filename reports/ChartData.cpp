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

QString ProfileChart::label(int r) const
{
    if (labelColumn < 0 || r < 1 || r > rowCount || std::isnan(profiles[size_t(labelColumn)][size_t(r - 1)]))
        return {};
    return labelTexts.plainText(r * Step - Step);
}

std::optional<double> ProfileChart::value(int r, int column) const
{
    if (column == 2)
        return discountRateRow == r ? std::optional(discountRateValue) : std::nullopt;
    if (column == 3)
        return fisherRow == r ? std::optional(fisherValue) : std::nullopt;
    const std::vector<double> &profile = profiles[size_t(column)];
    if (r < 1 || r > int(profile.size()) || std::isnan(profile[size_t(r - 1)]))
        return std::nullopt;
    return profile[size_t(r - 1)];
}

ChartRow ProfileChart::row(int r) const
{
    return {label(r), {value(r, 0), value(r, 1), value(r, 2), value(r, 3)}};
}

namespace {

// The profiles: row r holds the NPV at the rate (r - 1) x 0.1 %. Both projects'
// profiles walk the same rates, and leave the running rate at the first rate
// past the walk.
void fillProfiles(ProfileChart &chart, const ProfileInput &in, double &runningRate, const RatePowers *powers)
{
    const double step = ProfileChart::Step;
    std::vector<int> rows;
    std::vector<double> rates;
    rows.reserve(size_t(chart.rowCount));
    rates.reserve(size_t(chart.rowCount));
    double x = ProfileChart::Lo;
    for (; x <= chart.hi; x += step) {
        int r = roundOr(x / step, chart.rowCount + 1);
        if (r == 0)
            r = 1;
        if (r > chart.rowCount)
            break;
        rows.push_back(r);
        rates.push_back(x - step);
    }
    std::vector<const CashFlowSeries *> series;
    for (const auto &[present, flows] : {std::pair(in.aPresent, &in.A), std::pair(in.bPresent, &in.B)}) {
        if (present)
            series.push_back(flows);
    }
    if (series.empty())
        return;
    runningRate = x;
    chart.labelColumn = in.aPresent ? 0 : 1;
    const std::vector<std::vector<double>> values = NPVs(series, rates, powers);
    size_t k = 0;
    for (int column : {0, 1}) {
        if (column == 0 ? !in.aPresent : !in.bPresent)
            continue;
        std::vector<double> &profile = chart.profiles[size_t(column)];
        profile.assign(size_t(chart.rowCount), std::nan(""));
        for (size_t j = 0; j < rows.size(); ++j)
            profile[size_t(rows[j] - 1)] = values[k][j]; // a row reached twice keeps the later rate's
        ++k;
    }
}

} // namespace

ProfileChart buildProfileChart(const ProfileInput &in, std::int16_t &escala, double &runningRate,
                               const NumberTexts &texts, const RatePowers *powers)
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
    chart.rowCount = rowCount;
    chart.labelTexts = texts;

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
        chart.discountRateValue = in.better == 0 ? NPV_A : NPV_B;
        chart.discountRateRow = markerRow;
    }
    const int fisherRow = roundOr((Fisher + step) / step, 0);
    if (in.fisherShown && fisherRow >= 1 && fisherRow < hi / step && fisherRow <= rowCount) {
        chart.fisherValue = NPV_F;
        chart.fisherRow = fisherRow;
    }

    fillProfiles(chart, in, runningRate, powers);

    chart.pens[0] = {22, false, Blue, false};
    chart.pens[1] = {22, false, Red, false};
    chart.pens[2] = {22, true, in.better == 0 ? Blue : Red, true};
    chart.pens[3] = {22, true, FisherColour, true};
    return chart;
}

PointReadout MSChart1_PointSelected(const ProfileChart &chart, int series, int point, const NumberTexts &texts)
{
    PointReadout readout;
    if (point < 1 || point > chart.rowCount || series < 1 || series > 4)
        return readout;
    const QString label = chart.label(point);
    const auto value = chart.value(point, series - 1);
    const QString valueText = value ? texts.format(*value, u"#,##0.00") : QString();
    readout.status = u"i "_s + label + u" NPV "_s + valueText;
    if (!valueText.isEmpty())
        readout.toolTip = u"NPV("_s + label + u") = $ "_s + valueText;
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
