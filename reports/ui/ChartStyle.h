#pragma once

// The look the three charts share: a white, flat chart with light-grey grid
// lines, and the conversions from the chart data's pens and colours to Qt's.

#include "ChartData.h"

#include <QColor>
#include <QPen>

QT_BEGIN_NAMESPACE
class QChart;
class QFontMetricsF;
class QSlider;
class QValueAxis;
class QAbstractAxis;
class QCategoryAxis;
class QFont;
QT_END_NAMESPACE

namespace pelmora {

namespace ChartStyle {

inline const QColor GridColour(236, 236, 236);
inline const QColor ZeroLineColour(150, 150, 150);
inline const QColor LabelColour(90, 90, 90);

QColor colour(unsigned rgb); // 0xRRGGBB

// A series pen: the chart's pen units drawn at 11 units per pixel, so that the
// designed width 22 is a crisp 2-pixel line.
QPen pen(const PenStyle &style);
qreal penWidthPixels(int units);

// Flat white background, no animation, numbers in the default locale.
void setUpChart(QChart *chart);

// Grid pens and label look of an axis, no axis line of its own.
void setUpAxis(QAbstractAxis *axis);

// Fits the value axis to [low, high] widened to take in 0, on round numbers,
// with as many decimals as the tick interval needs.
void fitValueAxis(QValueAxis *axis, double low, double high);

// Category labels that never get cut short: every `least`-th of `labels`, or
// the smallest of 2, 5, 10, 20, 50... times that at which each keeps its full
// width across `width` pixels. The axis gives a label the width shared among all.
int labelStep(const QStringList &labels, qreal width, const QFont &font, int least);

// Label k of `labels` at x = firstX + k, for k = 0, step, 2 step...; each
// category ends at its label, so the label and its grid line stand at that x.
void setAxisLabels(QCategoryAxis *axis, const QStringList &labels, int step, qreal firstX);

// `text` in lines no wider than `width`, broken at the blank before a label (a
// word that ends in a colon: "IRR:", "DR:"), so that each label keeps its value,
// in at most `maxLines` lines. What still does not fit is cut with an ellipsis,
// and `cut` says so.
QStringList wrapAtLabels(const QString &text, const QFontMetricsF &metrics, qreal width, int maxLines, bool &cut);

// Range, steps, value and tool tip of a slider, without raising its change signal:
// the settings come from the data, which already hold their consequences.
void applySliderSettings(QSlider *slider, const SliderSettings &settings);

} // namespace ChartStyle

} // namespace pelmora
