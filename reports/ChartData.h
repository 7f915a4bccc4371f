#pragma once

// What the three charts of a project window show, as plain data: a chart view
// only draws it. The large chart plots the NPV profiles of projects A and B over
// discount rates from 0 % up, with a marker at the discount rate and one at the
// Fisher rate; the two small charts plot the cash flows of A and of B per period.

#include "CashFlows.h"
#include "NumberTexts.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pelmora {

// A chart's data grid: rows of up to four series values, each row with a label.
struct ChartRow
{
    QString label;
    std::array<std::optional<double>, 4> values; // nullopt: no point in that series
};

struct PenStyle
{
    int width = 22; // the chart's pen units
    bool dotted = false;
    unsigned rgb = 0;       // 0xRRGGBB
    bool guideLine = false; // a dotted line from the point down to the rate axis
};

struct SliderSettings
{
    int minimum = 0;
    int maximum = 0;
    int smallChange = 1;
    int largeChange = 1;
    int value = 0;
    QString toolTip;
};

// One of the small charts. Rows whose grid cell is not a number keep what the
// chart held there, so the data outlive a refresh; only a reset clears them.
class FlowChart
{
public:
    void ResetChart();
    // `cells` are the texts of one grid column for periods 0..n.
    void FillFlowChart(const std::vector<QString> &cells, const NumberTexts &texts, bool &resetLargeChart);

    int rowCount() const { return m_rowCount; }
    const ChartRow &row(int r) const { return m_rows[size_t(r - 1)]; } // r counts from 1

private:
    void setRowCount(int count);
    std::vector<ChartRow> m_rows; // kept beyond the row count
    int m_rowCount = 0;
};

// What the appraisal hands to the large chart.
struct ProfileInput
{
    double IRR_A = 0, IRR_B = 0, Fisher = 0; // 0 where none was found
    double NPV_A = 0, NPV_B = 0, NPV_F = 0;
    int better = 0; // 0: project A, 1: project B
    CashFlowSeries A, B;
    double i = 0;                                                   // the discount rate, percent
    bool aPresent = false, bPresent = false;                        // period-0 cells are numbers
    bool irrAShown = false, irrBShown = false, fisherShown = false; // "IRR" cells are numbers
    std::int16_t nFix = 2;
};

struct ProfileChart
{
    static constexpr double Step = 0.1;
    static constexpr double Lo = 0.1;

    int rowCount = 0;
    // The NPV of project A and of project B by row (row r at r - 1); NaN where the
    // row has no point (an NPV is never NaN: a failing term is left out). Empty
    // for a project not appraised.
    std::array<std::vector<double>, 2> profiles;
    std::array<QString, 4> columnLabels;
    std::array<PenStyle, 4> pens;
    double hi = 0;                 // top of the rate range
    int scale = 0;                 // s: rows per label for about twenty labels
    std::int16_t escala = 0;       // rows per label and per tick, as applied
    SliderSettings scaleSlider;    // Slider1
    SliderSettings footnoteSlider; // Slider6
    QString footnote;
    bool footnoteVisible = true;
    bool legendVisible = true;
    std::optional<int> discountRateRow; // 1-based rows of the markers
    std::optional<int> fisherRow;
    double discountRateValue = 0, fisherValue = 0; // the markers' values

    // Row r (from 1) as the chart's data grid holds it. A row's label is the rate
    // the profiles reached there, made when asked.
    QString label(int r) const;
    std::optional<double> value(int r, int column) const; // column 0..3
    ChartRow row(int r) const;

    NumberTexts labelTexts = NumberTexts();
    int labelColumn = -1; // the profile whose rows have labels; -1: none
};

// Builds the large chart at the end of an appraisal. `escala` is the document's
// scale (kept when it still fits); `runningRate` is the working rate that the
// profile loops use as their running rate, left at its last value.
// The profiles' powers are taken from `powers` where it has them already.
ProfileChart buildProfileChart(const ProfileInput &input, std::int16_t &escala, double &runningRate,
                               const NumberTexts &texts, const RatePowers *powers = nullptr);

// The readout of a selected point: the status bar's text and the tool tip (the
// tool tip is not changed when the point has no value).
struct PointReadout
{
    QString status;
    std::optional<QString> toolTip;
};
PointReadout MSChart1_PointSelected(const ProfileChart &chart, int series, int point, const NumberTexts &texts);

// The scale slider moved: the tool tip that follows its value.
QString scaleToolTip(int value);
QString footnoteToolTip(bool shown);

} // namespace pelmora
