// A cash-flow chart draws its data exactly: a bar per period, labelled with the
// period. Checked through the chart objects, not through pixels. (The profile
// chart: tst_journey_charts.)
#include "FlowChartView.h"
#include "TestData.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

class TestChartViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A period that never held a number has no bar and no label; the others stay at their bars.
    void flowChartWithABlankPeriod()
    {
        FlowChart chart;
        bool resetLarge = false;
        chart.FillFlowChart({u"-800"_s, QString(), u"500"_s}, NumberTexts(English), resetLarge);
        FlowChartView view;
        view.setChart(chart);
        const QBarSet *bars = view.bars();
        QCOMPARE(bars->count(), 3);
        QCOMPARE((QList<qreal>{bars->at(0), bars->at(1), bars->at(2)}), (QList<qreal>{-800, 0, 500}));
        QCOMPARE(view.periodAxis()->categoriesLabels(), (QStringList{u"0"_s, u"2"_s}));
        QCOMPARE((QList<qreal>{view.periodAxis()->endValue(u"0"_s), view.periodAxis()->endValue(u"2"_s)}),
                 (QList<qreal>{0, 2}));
    }
};

QTEST_MAIN(TestChartViews)
#include "tst_chartviews.moc"
