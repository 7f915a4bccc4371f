#include "ProfileChartView.h"

#include "ChartStyle.h"

#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QSlider>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr qreal MarkerSize = 11;
constexpr qreal HitRadius = 8; // pixels around a point that still select it
constexpr int BaseTopMargin = 4;
constexpr int BaseBottomMargin = 4;
constexpr int BaseRightMargin = 10;
constexpr int FootnoteGap = 4; // between the rate labels and the footnote
constexpr int FootnoteIndent = 4;
constexpr int MaxFootnoteLines = 3;
constexpr int SliderHeight = 22;
constexpr int ScaleSliderWidth = 120;
constexpr int FootnoteSliderWidth = 40;
constexpr int SliderGap = 10;
constexpr int PointsPerColumn = 4; // first, lowest, highest, last

// The profile's points in x order; where there are more than a few per pixel
// column, per column only its first, lowest, highest and last points.
QList<QPointF> pointsToDraw(const std::vector<double> &profile, int columns, qreal xMin, qreal xMax)
{
    QList<QPointF> points;
    const int count = int(profile.size());
    const bool thin = columns > 0 && xMax > xMin && count > PointsPerColumn * columns;
    points.reserve(thin ? PointsPerColumn * (columns + 1) : count);
    const qreal perColumn = thin ? (xMax - xMin) / columns : 1;
    int column = std::numeric_limits<int>::min();
    std::array<int, PointsPerColumn> kept{}; // rows: first, lowest, highest, last
    const auto keep = [&] {
        std::sort(kept.begin(), kept.end());
        for (size_t k = 0; k < kept.size(); ++k) {
            if (k == 0 || kept[k] != kept[k - 1])
                points.append(QPointF(kept[k], profile[size_t(kept[k] - 1)]));
        }
    };
    for (int r = 1; r <= count; ++r) {
        const double value = profile[size_t(r - 1)];
        if (std::isnan(value))
            continue; // a row without a value is passed over: the line joins its neighbours
        if (!thin) {
            points.append(QPointF(r, value));
            continue;
        }
        const int c = int(std::floor((r - xMin) / perColumn));
        if (c != column) {
            if (column != std::numeric_limits<int>::min())
                keep();
            column = c;
            kept = {r, r, r, r};
            continue;
        }
        if (value < profile[size_t(kept[1] - 1)])
            kept[1] = r;
        if (value > profile[size_t(kept[2] - 1)])
            kept[2] = r;
        kept[3] = r;
    }
    if (thin && column != std::numeric_limits<int>::min())
        keep();
    return points;
}

} // namespace

// Built with its chart: a view built empty makes a default chart that
// setChart() would hand back undeleted.
ProfileChartView::ProfileChartView(QWidget *parent)
    : QChartView(new QChart, parent), m_chart(chart()), m_rateLabels(m_chart)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    ChartStyle::setUpChart(m_chart);

    QLegend *legend = m_chart->legend();
    legend->setAlignment(Qt::AlignTop);
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    QFont legendFont = legend->font();
    legendFont.setPointSizeF(9);
    legend->setFont(legendFont);
    legend->setLabelColor(ChartStyle::LabelColour);

    // The rate axis draws the grid lines, one every escala rows from row 1; the
    // labels are the chart's own.
    m_rateAxis = new QValueAxis(m_chart);
    ChartStyle::setUpAxis(m_rateAxis);
    m_rateAxis->setLabelsVisible(false);
    m_rateAxis->setTickType(QValueAxis::TicksDynamic);
    m_rateAxis->setTickAnchor(1);
    m_rateLabels.setLook(m_rateAxis->labelsFont(), ChartStyle::LabelColour);
    m_valueAxis = new QValueAxis(m_chart);
    ChartStyle::setUpAxis(m_valueAxis);
    m_chart->addAxis(m_rateAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);

    // Added in drawing order: the zero line and the guides below the profiles;
    // markers (scatter series) are always drawn above the lines.
    m_zeroLine = new QLineSeries(m_chart);
    m_zeroLine->setPen(QPen(ChartStyle::ZeroLineColour, 1));
    addSeries(m_zeroLine, false);
    for (auto &guide : m_guides) {
        guide = new QLineSeries(m_chart);
        addSeries(guide, false);
    }
    for (auto &profile : m_profiles) {
        profile = new QLineSeries(m_chart);
        addSeries(profile, true);
    }
    for (auto &marker : m_markers) {
        marker = new QScatterSeries(m_chart);
        marker->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        marker->setMarkerSize(MarkerSize);
        addSeries(marker, true);
    }

    m_footnote = new QGraphicsSimpleTextItem(m_chart);
    QFont footnoteFont = m_footnote->font();
    footnoteFont.setPointSizeF(8.5);
    m_footnote->setFont(footnoteFont);
    m_footnote->setBrush(ChartStyle::LabelColour);
    m_footnote->setVisible(false);

    // A scroll area's accessible children are its viewport and scroll bars: the
    // sliders go on the viewport, where screen readers find them.
    m_scaleSlider = new QSlider(Qt::Horizontal, viewport());
    m_footnoteSlider = new QSlider(Qt::Horizontal, viewport());
    m_scaleSlider->setObjectName(u"Slider1"_s);
    m_footnoteSlider->setObjectName(u"Slider6"_s);
    for (QSlider *slider : {m_scaleSlider, m_footnoteSlider})
        slider->installEventFilter(this);
    placeSliders(QRect(4, 4, ScaleSliderWidth, SliderHeight),
                 QRect(4 + ScaleSliderWidth + SliderGap, 4, FootnoteSliderWidth, SliderHeight));
    connect(m_chart, &QChart::plotAreaChanged, this, &ProfileChartView::placeRateLabels);
    connect(m_chart, &QChart::plotAreaChanged, this, &ProfileChartView::drawProfiles);
    connect(m_chart, &QGraphicsWidget::geometryChanged, this, &ProfileChartView::layOutMargins);

    setProfile(ProfileChart{});
}

void ProfileChartView::addSeries(QXYSeries *series, bool inLegend)
{
    m_chart->addSeries(series);
    series->attachAxis(m_rateAxis);
    series->attachAxis(m_valueAxis);
    if (!inLegend) {
        for (QLegendMarker *marker : m_chart->legend()->markers(series))
            marker->setVisible(false);
    }
}

QXYSeries *ProfileChartView::series(int column) const
{
    if (column == 1 || column == 2)
        return m_profiles[size_t(column - 1)];
    if (column == 3 || column == 4)
        return m_markers[size_t(column - 3)];
    return nullptr;
}

QLineSeries *ProfileChartView::guideLine(int column) const
{
    return column == 3 || column == 4 ? m_guides[size_t(column - 3)] : nullptr;
}

void ProfileChartView::setProfile(const ProfileChart &profile)
{
    m_profile = profile;
    const int rowCount = profile.rowCount;
    m_rateLabels.setLabels([this](int k) { return m_profile.label(k + 1); }, rowCount, 1);

    // The ranges first: the points then meet the axes they are drawn on.
    fitAxes(profile);
    for (int k = 0; k < 2; ++k) {
        m_profiles[size_t(k)]->setPen(ChartStyle::pen(profile.pens[size_t(k)]));
        m_profiles[size_t(k)]->setName(profile.columnLabels[size_t(k)]);
    }
    m_drawnColumns = -1;
    drawProfiles();
    setMarker(0, profile);
    setMarker(1, profile);
    m_zeroLine->replace(rowCount > 0 ? QList<QPointF>{{1, 0}, {qreal(rowCount), 0}} : QList<QPointF>{});

    m_chart->legend()->setVisible(profile.legendVisible);
    // Before the first appraisal the chart is blank rather than empty scales.
    for (QAbstractAxis *axis : m_chart->axes())
        axis->setVisible(rowCount > 0);
    m_footnoteText = profile.footnote;
    ChartStyle::applySliderSettings(m_scaleSlider, profile.scaleSlider);
    ChartStyle::applySliderSettings(m_footnoteSlider, profile.footnoteSlider);
    setFootnoteVisible(profile.footnoteVisible);
    setEscala(profile.escala);
}

// The plot's width in device pixels; before the chart is laid out, the screen's.
int ProfileChartView::pixelColumns() const
{
    const qreal width = m_chart->plotArea().width() > 1 ? m_chart->plotArea().width() : screen()->size().width();
    return int(std::ceil(width * devicePixelRatioF()));
}

// Each profile in one replace(), thinned for the plot's width; again when that changes.
void ProfileChartView::drawProfiles()
{
    const int columns = pixelColumns();
    if (columns == m_drawnColumns)
        return;
    m_drawnColumns = columns;
    for (int k = 0; k < 2; ++k) {
        m_profiles[size_t(k)]->replace(
            pointsToDraw(m_profile.profiles[size_t(k)], columns, m_rateAxis->min(), m_rateAxis->max()));
    }
}

// Column 3 or 4 (k = 0, 1): the marker points, and the guide line from the
// first of them down to the rate axis. The data hold one point per marker.
void ProfileChartView::setMarker(int k, const ProfileChart &profile)
{
    const PenStyle &style = profile.pens[size_t(k + 2)];
    QList<QPointF> points;
    const std::optional<int> row = k == 0 ? profile.discountRateRow : profile.fisherRow;
    if (const auto value = row ? profile.value(*row, k + 2) : std::nullopt)
        points.append(QPointF(*row, *value));
    QScatterSeries *marker = m_markers[size_t(k)];
    marker->replace(points);
    marker->setName(profile.columnLabels[size_t(k + 2)]);
    marker->setColor(ChartStyle::colour(style.rgb));
    marker->setBorderColor(Qt::white);

    QLineSeries *guide = m_guides[size_t(k)];
    guide->setPen(ChartStyle::pen(style));
    if (style.guideLine && !points.isEmpty())
        guide->replace({QPointF(points.front().x(), 0), points.front()});
    else
        guide->clear();
}

void ProfileChartView::fitAxes(const ProfileChart &profile)
{
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const std::vector<double> &values : profile.profiles) {
        for (const double value : values) {
            if (!std::isnan(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    for (const auto &[row, value] : {std::pair(profile.discountRateRow, profile.discountRateValue),
                                     std::pair(profile.fisherRow, profile.fisherValue)}) {
        if (row) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    if (low > high)
        low = high = 0;
    ChartStyle::fitValueAxis(m_valueAxis, low, high);

    const int rowCount = profile.rowCount;
    if (rowCount > 1)
        m_rateAxis->setRange(1, rowCount);
    else
        m_rateAxis->setRange(0.5, 1.5);
}

void ProfileChartView::setEscala(int escala)
{
    m_rateAxis->setTickInterval(std::max(escala, 1));
    m_rateLabels.setLeast(escala);
    placeRateLabels();
}

void ProfileChartView::placeRateLabels()
{
    if (m_rateAxis->isVisible())
        m_rateLabels.place(m_chart->plotArea(), m_rateAxis->min(), m_rateAxis->max());
    else
        m_rateLabels.hide();
}

void ProfileChartView::setFootnoteVisible(bool visible)
{
    m_footnoteVisible = visible;
    m_footnote->setVisible(visible);
    layOutMargins();
}

void ProfileChartView::placeSliders(const QRect &scale, const QRect &footnote)
{
    m_scaleSlider->setGeometry(scale);
    m_footnoteSlider->setGeometry(footnote);
}

// Above the legend, room for the sliders while they show, so that they cover
// no text. Below the plot: the rate labels, then the footnote in as many lines
// as it needs, up to a few. The room on the right lets the last label stand whole.
void ProfileChartView::layOutMargins()
{
    QMargins margins = m_chart->margins();
    int top = BaseTopMargin;
    for (const QSlider *slider : {m_scaleSlider, m_footnoteSlider}) {
        if (slider->isVisibleTo(this))
            top = std::max(top, slider->geometry().bottom() + 1 + BaseTopMargin);
    }
    margins.setTop(top);
    margins.setRight(std::max(BaseRightMargin, int(std::ceil(m_rateLabels.widest() / 2))));
    const qreal width = m_chart->size().width() - margins.left() - margins.right() - FootnoteIndent;
    bool cut = false;
    const QStringList lines =
        ChartStyle::wrapAtLabels(m_footnoteText, QFontMetricsF(m_footnote->font()), width, MaxFootnoteLines, cut);
    m_footnote->setText(lines.join(u'\n'));
    m_footnote->setToolTip(cut ? m_footnoteText.trimmed() : QString());
    const int footnote = m_footnoteVisible ? int(std::ceil(m_footnote->boundingRect().height())) + FootnoteGap : 0;
    margins.setBottom(BaseBottomMargin + int(std::ceil(m_rateLabels.height())) + footnote);
    if (margins != m_chart->margins())
        m_chart->setMargins(margins);
    m_footnote->setPos(margins.left() + FootnoteIndent,
                       m_chart->size().height() - BaseBottomMargin - (footnote - FootnoteGap));
}

bool ProfileChartView::eventFilter(QObject *watched, QEvent *event)
{
    // A slider shown, hidden or moved by the window: the room above the legend follows.
    if ((watched == m_scaleSlider || watched == m_footnoteSlider) &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent ||
         event->type() == QEvent::Move || event->type() == QEvent::Resize))
        layOutMargins();
    return QChartView::eventFilter(watched, event);
}

// The row of `column`'s profile (1 or 2) whose point lies nearest to `at`, if
// nearer than `best` (squared pixels, lowered to it); 0 when none. Only the rows
// within reach across are looked at, drawn or not.
int ProfileChartView::nearestProfileRow(int column, QPointF at, qreal &best) const
{
    const QXYSeries *s = series(column);
    const std::vector<double> &profile = m_profile.profiles[size_t(column - 1)];
    const qreal from = m_chart->mapToValue(at - QPointF(HitRadius, 0), const_cast<QXYSeries *>(s)).x();
    const qreal to = m_chart->mapToValue(at + QPointF(HitRadius, 0), const_cast<QXYSeries *>(s)).x();
    const int first = int(std::max<qreal>(std::ceil(std::min(from, to)), 1));
    const int last = int(std::min<qreal>(std::floor(std::max(from, to)), qreal(profile.size())));
    int nearest = 0;
    for (int r = first; r <= last; ++r) {
        const double value = profile[size_t(r - 1)];
        if (std::isnan(value))
            continue;
        const QPointF d = m_chart->mapToPosition(QPointF(r, value), const_cast<QXYSeries *>(s)) - at;
        const qreal distance = QPointF::dotProduct(d, d);
        if (distance < best) {
            best = distance;
            nearest = r;
        }
    }
    return nearest;
}

void ProfileChartView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QChartView::mousePressEvent(event);
        return;
    }
    const QPointF at = m_chart->mapFromScene(mapToScene(event->position().toPoint()));
    // The nearest point within reach. The markers lie on top of the profiles, so
    // a marker within reach wins over a profile's point.
    for (const auto &columns : {std::array{3, 4}, std::array{1, 2}}) {
        int bestColumn = 0, bestRow = 0;
        qreal best = HitRadius * HitRadius;
        for (int column : columns) {
            if (column <= 2) {
                if (const int row = nearestProfileRow(column, at, best)) {
                    bestColumn = column;
                    bestRow = row;
                }
                continue;
            }
            QXYSeries *s = series(column);
            for (const QPointF &point : s->points()) {
                const QPointF d = m_chart->mapToPosition(point, s) - at;
                const qreal distance = QPointF::dotProduct(d, d);
                if (distance < best) {
                    best = distance;
                    bestColumn = column;
                    bestRow = qRound(point.x());
                }
            }
        }
        if (bestColumn != 0) {
            Q_EMIT pointSelected(bestColumn, bestRow);
            break;
        }
    }
    QChartView::mousePressEvent(event);
}

} // namespace pelmora
