#pragma once

// MSChart1, the large chart of a project window: the NPV profiles of projects A
// and B over the discount rate, a marker with a guide line at the discount rate
// and at the Fisher rate, the legend on top and the appraisal's footnote at the
// bottom left. Slider1 (the scale) and Slider6 (the footnote switch) sit on it.
//
// The rate axis of the data crosses the value axis at 0. Here a zero line marks
// that crossing, and the rate labels stay below the plot, where no profile runs
// through them. Grid lines stand every `escala` rows and labels with them; where
// so many labels cannot stand side by side at the chart's width, every 2nd,
// 3rd... grid line keeps its label (AxisLabels), so that none is cut short. The
// footnote breaks into lines rather than run off the chart; one that still does
// not fit is cut, and shows whole as its tool tip.
//
// Row r of the data is drawn at x = r, so a point's x is its 1-based row number.
// A profile far denser than the plot's pixel columns keeps, per column, its
// first, lowest, highest and last points: the line drawn is the same. A click
// finds its point among all the rows, drawn or not.

#include "AxisLabels.h"
#include "ChartData.h"

#include <QChartView>
#include <QStringList>

#include <array>

QT_BEGIN_NAMESPACE
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QSlider;
class QValueAxis;
class QXYSeries;
QT_END_NAMESPACE

namespace pelmora {

class ProfileChartView : public QChartView
{
    Q_OBJECT
public:
    explicit ProfileChartView(QWidget *parent = nullptr);

    void setProfile(const ProfileChart &profile);
    // Rows per grid line and per rate label, where the labels fit; 0 or 1: every row.
    void setEscala(int escala);
    void setFootnoteVisible(bool visible);

    // The sliders are drawn over the chart, as children of its viewport, where
    // the accessibility tree finds them. Their settings come from the profile;
    // setting them raises no valueChanged, moving them does.
    QSlider *scaleSlider() const { return m_scaleSlider; }       // Slider1
    QSlider *footnoteSlider() const { return m_footnoteSlider; } // Slider6
    // Where the window wants them, in view coordinates (top left until it says).
    void placeSliders(const QRect &scale, const QRect &footnote);

    // What is drawn, for copying the picture and for tests. Columns as in the
    // data: 1 "Project A", 2 "Project B" (lines), 3 "Discount Rate", 4 "Fisher"
    // (one marker each); guideLine(3 or 4) runs from a marker down to 0.
    QXYSeries *series(int column) const;
    QLineSeries *guideLine(int column) const;

Q_SIGNALS:
    // A click on or near a drawn point: the column (1..4) and the row (1-based).
    void pointSelected(int series, int point);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QChartView::setChart; // the view keeps its one chart
    void addSeries(QXYSeries *series, bool inLegend);
    void setMarker(int k, const ProfileChart &profile);
    void fitAxes(const ProfileChart &profile);
    void drawProfiles();
    int pixelColumns() const;
    int nearestProfileRow(int column, QPointF at, qreal &best) const;
    void placeRateLabels();
    void layOutMargins();

    QChart *m_chart = nullptr;
    QValueAxis *m_rateAxis = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    std::array<QLineSeries *, 2> m_profiles{};
    std::array<QScatterSeries *, 2> m_markers{};
    std::array<QLineSeries *, 2> m_guides{};
    QLineSeries *m_zeroLine = nullptr;
    ProfileChart m_profile;  // what is drawn
    int m_drawnColumns = -1; // the pixel columns the profiles were thinned for
    AxisLabels m_rateLabels;
    QGraphicsSimpleTextItem *m_footnote = nullptr;
    QString m_footnoteText;
    bool m_footnoteVisible = false;

    QSlider *m_scaleSlider = nullptr;
    QSlider *m_footnoteSlider = nullptr;
};

} // namespace pelmora
