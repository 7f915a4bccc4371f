#pragma once

// MSChart2 and MSChart3, the small charts beside the profile: the cash flows of
// one project per period as bars, outflows below the zero line, labelled with
// the period numbers. With many periods in a small chart, every 2nd, 5th,
// 10th... period is labelled, so that no label is cut short.

#include "ChartData.h"

#include <QChartView>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace pelmora {

class FlowChartView : public QChartView
{
    Q_OBJECT
public:
    explicit FlowChartView(QWidget *parent = nullptr);

    void setChart(const FlowChart &chart);
    // Which project the chart shows ("Project A", "Project B") and its colour.
    void setTitle(const QString &title);
    void setBarColour(const QColor &colour);

    // What is drawn, for copying the picture and for tests. Bar k (0-based)
    // stands at x = k, and the label of its period with it.
    QBarSet *bars() const { return m_bars; }
    QCategoryAxis *periodAxis() const { return m_periodAxis; }

private:
    using QChartView::setChart; // the view keeps its one chart
    void relabelPeriodAxis();

    QChart *m_chart = nullptr;
    QBarSeries *m_series = nullptr;
    QBarSet *m_bars = nullptr;
    QCategoryAxis *m_periodAxis = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    QLineSeries *m_zeroLine = nullptr;
    QStringList m_labels;
    int m_labelStep = 0;
};

} // namespace pelmora
