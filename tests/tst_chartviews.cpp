// The chart views draw their data exactly: the profile's points, pens, markers
// and guide lines, the bars of a cash-flow chart, and the points they report
// when clicked. Checked through the chart objects, not through pixels.
#include "FlowChartView.h"
#include "ProfileChartView.h"
#include "ProjectWindow.h"

#include <QBarSet>
#include <QCategoryAxis> // a QValueAxis too
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);

// The example appraisal (A = -1000, 700, 500; B = -1500, 700, 1200; i = 10 %)
// drawn in a shown view.
struct Example
{
    DocumentSession session;
    ProjectWindowModel model{session, NumberTexts(English)};
    ProfileChartView view;

    Example()
    {
        model.load();
        model.activate();
        model.panel().setText(Field_n, u"2"_s);
        model.clickCommand(5);
        const QStringList cells = {u"-1000"_s, u"-1500"_s, u"700"_s, u"700"_s, u"500"_s, u"1200"_s}; // A, B by period
        for (int k = 0; k < cells.size(); ++k) {
            model.grid().setCurrentCell(k / 2 + 1, 1 + 2 * (k % 2));
            model.grid().setEditorText(cells[k]);
            model.grid().CommitCell();
        }
        model.panel().setText(Field_i, u"10"_s);
        model.clickCommand(7);
        view.resize(1600, 440);
        view.setProfile(model.profileChart());
        view.show();
    }
};
} // namespace

class TestChartViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void series_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QPointF>("point"); // the marker's only point; the profile's first
        QTest::newRow("Project A") << 1 << QColor(0, 0, 255) << QPointF(1, 200);
        QTest::newRow("Project B") << 2 << QColor(255, 0, 0) << QPointF(1, 400);
        QTest::newRow("Discount Rate, B better") << 3 << QColor(255, 0, 0) << QPointF(101, 128.1);
        QTest::newRow("Fisher") << 4 << QColor(0, 200, 180) << QPointF(184, -51.25);
    }
    // Each series against the chart's rows; a click on its point reports that point, one
    // high above both profiles none.
    void series()
    {
        QFETCH(int, column);
        QFETCH(QColor, colour);
        QFETCH(QPointF, point);
        Example example;
        QVERIFY(QTest::qWaitForWindowExposed(&example.view));
        QXYSeries *series = example.view.series(column);
        QCOMPARE(series->name(), example.model.profileChart().columnLabels[size_t(column - 1)]);
        QCOMPARE(series->color(), colour);
        const QList<QPointF> drawn = series->points();
        QPointF clicked = point;
        if (column <= 2) { // row r at x = r, every row
            clicked = QPointF(54, *example.model.profileChart().rows[53].values[size_t(column - 1)]);
            QCOMPARE(drawn.size(), 210);
            QCOMPARE(drawn.first(), point);
            QCOMPARE(drawn[53], clicked);
            QCOMPARE(series->pen().widthF(), 2.0); // 22 pen units
            QCOMPARE(series->pen().style(), Qt::SolidLine);
        } else { // a marker, with its dotted guide line straight down to 0
            QCOMPARE(drawn, QList<QPointF>{point});
            const QLineSeries *guide = example.view.guideLine(column);
            QCOMPARE(guide->points(), (QList<QPointF>{{point.x(), 0}, point}));
            QCOMPARE(guide->pen().style(), Qt::DotLine);
            QCOMPARE(guide->pen().color(), colour);
        }
        for (const QPointF &p : drawn)
            QVERIFY(example.view.valueAxis()->min() <= p.y() && p.y() <= example.view.valueAxis()->max());
        QSignalSpy points(&example.view, &ProfileChartView::pointSelected);
        for (double value : {550.0, clicked.y()}) {
            const QPointF at = example.view.chart()->mapToPosition(QPointF(clicked.x(), value), series);
            QTest::mouseClick(example.view.viewport(), Qt::LeftButton, {},
                              example.view.mapFromScene(example.view.chart()->mapToScene(at)));
        }
        QCOMPARE(points.count(), 1);
        QCOMPARE(points.at(0), (QVariantList{column, int(clicked.x())}));
    }

    // An appraisal with nothing to draw leaves an empty chart.
    void reset()
    {
        Example example;
        ProfileChart reset;
        reset.legendVisible = reset.footnoteVisible = false;
        example.view.setProfile(reset);
        QVERIFY(example.view.guideLine(3)->points().isEmpty() && example.view.guideLine(4)->points().isEmpty());
        for (int column = 1; column <= 4; ++column)
            QVERIFY(example.view.series(column)->points().isEmpty());
        QVERIFY(example.view.zeroLine()->points().isEmpty());
    }

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
