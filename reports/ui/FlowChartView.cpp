#include "FlowChartView.h"

#include "ChartStyle.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace pelmora {

namespace {
const QColor DefaultBarColour(70, 110, 170);
} // namespace

// Built with its chart: a view built empty makes a default chart that
// setChart() would hand back undeleted.
FlowChartView::FlowChartView(QWidget *parent) : QChartView(new QChart, parent), m_chart(chart())
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    ChartStyle::setUpChart(m_chart);
    m_chart->legend()->setVisible(false); // one series: the title says whose
    QFont titleFont = m_chart->titleFont();
    titleFont.setPointSizeF(9);
    titleFont.setBold(true);
    m_chart->setTitleFont(titleFont);
    m_chart->setTitleBrush(ChartStyle::LabelColour);

    m_bars = new QBarSet(QString(), m_chart);
    m_series = new QBarSeries(m_chart);
    m_series->append(m_bars);
    m_series->setBarWidth(0.6);
    m_chart->addSeries(m_series);
    setBarColour(DefaultBarColour);
    // Inflows rise from the zero line and outflows hang from it.
    m_zeroLine = new QLineSeries(m_chart);
    m_zeroLine->setPen(QPen(ChartStyle::ZeroLineColour, 1));
    m_chart->addSeries(m_zeroLine);

    m_periodAxis = new QCategoryAxis(m_chart);
    m_periodAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    ChartStyle::setUpAxis(m_periodAxis);
    m_periodAxis->setGridLineVisible(false); // bars need no vertical grid
    m_valueAxis = new QValueAxis(m_chart);
    ChartStyle::setUpAxis(m_valueAxis);
    m_chart->addAxis(m_periodAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    for (QAbstractSeries *series :
         {static_cast<QAbstractSeries *>(m_series), static_cast<QAbstractSeries *>(m_zeroLine)}) {
        series->attachAxis(m_periodAxis);
        series->attachAxis(m_valueAxis);
    }
    connect(m_chart, &QChart::plotAreaChanged, this, &FlowChartView::relabelPeriodAxis);
    setChart(FlowChart{});
}

void FlowChartView::setTitle(const QString &title)
{
    m_chart->setTitle(title);
    m_bars->setLabel(title);
}

void FlowChartView::setBarColour(const QColor &colour)
{
    m_bars->setColor(colour);
    m_bars->setBorderColor(colour);
}

void FlowChartView::setChart(const FlowChart &chart)
{
    QList<qreal> values;
    m_labels.clear();
    double low = 0, high = 0;
    for (int r = 1; r <= chart.rowCount(); ++r) {
        const ChartRow &row = chart.row(r);
        // A period that never held a number has no bar.
        const double value = row.values[0].value_or(0.0);
        values.append(value);
        m_labels.append(row.label);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    m_bars->remove(0, m_bars->count());
    m_bars->append(values);
    ChartStyle::fitValueAxis(m_valueAxis, low, high);

    // Bar k stands at x = k, a bar's width either side of it.
    const qreal right = std::max(qreal(values.size()), qreal(1)) - 0.5;
    m_periodAxis->setRange(-0.5, right);
    m_zeroLine->replace(values.isEmpty() ? QList<QPointF>{} : QList<QPointF>{{-0.5, 0}, {right, 0}});
    m_labelStep = 0; // relabel even when the step comes out the same
    relabelPeriodAxis();
    // A chart without cash flows shows its title only, not empty scales.
    m_valueAxis->setVisible(!values.isEmpty());
    m_periodAxis->setVisible(!values.isEmpty());
}

void FlowChartView::relabelPeriodAxis()
{
    const int step = ChartStyle::labelStep(m_labels, m_chart->plotArea().width(), m_periodAxis->labelsFont(), 1);
    if (step == m_labelStep)
        return;
    m_labelStep = step;
    ChartStyle::setAxisLabels(m_periodAxis, m_labels, step, 0);
}

} // namespace pelmora
