// The report views over their data, checked through their objects, not through
// pixels. A cash-flow chart draws its data exactly: a bar per period, labelled
// with the period. (The profile chart: tst_journey_charts.) The amortization
// list view on the largest schedule: 32,767 rows shown through one model
// reset, and new decimals through one change, so that neither the views nor a
// screen reader hear of each row. (A loan listed, its headers clicked and its
// payment's row marked: the loan journey.)
#include "AmortListView.h"
#include "FlowChartView.h"
#include "TestData.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

class TestReportViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

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

    void longSchedule()
    {
        constexpr int Rows = 32767;
        AmortSchedule schedule{std::vector<AmortFigures>(Rows)};
        schedule.rows.back() = {1, 1.995};
        AmortList list;
        AmortListView view(list);
        view.show();
        QSignalSpy reset(view.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(view.model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(view.model(), &QAbstractItemModel::dataChanged);
        list.setSchedule(std::move(schedule), NumberTexts(QLocale()));
        view.reload();
        view.selectPaymentRow(Rows);
        list.FormatListView(NumberTexts(QLocale()), 4);
        view.textsChanged();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(view.model()->index(Rows - 1, 2).data().toString(), u"2.0000"_s);
        QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), Rows - 1);
    }
};

QTEST_MAIN(TestReportViews)
#include "tst_reportviews.moc"
