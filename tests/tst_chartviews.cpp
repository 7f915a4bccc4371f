// The chart views draw their data exactly: the profile's points, pens, markers
// and guide lines, its rate labels, legend, footnote and sliders, the bars of a
// cash-flow chart, and the clicks they report. Checked through the chart
// objects, not through pixels.
#include "FlowChartView.h"
#include "ProfileChartView.h"
#include "ProjectWindow.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QValueAxis>

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

    explicit Example(int width = 760)
    {
        model.load();
        model.activate();
        model.panel().setText(Field_n, u"2"_s);
        model.clickCommand(5);
        const QStringList flows[] = {{u"-1000"_s, u"700"_s, u"500"_s}, {u"-1500"_s, u"700"_s, u"1200"_s}};
        for (int p = 0; p < 3; ++p) {
            for (int k : {0, 1}) {
                model.grid().setCurrentCell(p + 1, 1 + 2 * k);
                model.grid().setEditorText(flows[k][p]);
                model.grid().CommitCell();
            }
        }
        model.panel().setText(Field_i, u"10"_s);
        model.clickCommand(7);
        view.resize(width, 440);
        view.setProfile(profile());
        view.show();
    }
    const ProfileChart &profile() const { return model.profileChart(); }
    // Where a column's point (row, value) is drawn, in the viewport.
    QPoint at(int column, QPointF point)
    {
        const QPointF inChart = view.chart()->mapToPosition(point, view.series(column));
        return view.mapFromScene(view.chart()->mapToScene(inChart));
    }
};
} // namespace

class TestChartViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void series_data();
    void series();
    void rateLabels_data();
    void rateLabels();
    void legendFootnoteAndSliders();
    void clicks_data();
    void clicks();
    void emptyProfile();
    void flowChart_data();
    void flowChart();
};

void TestChartViews::series_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<QPointF>>("points"); // the markers' only point; the profiles' first
    QTest::newRow("Project A") << 1 << QColor(0, 0, 255) << QList<QPointF>{{1, 200}};
    QTest::newRow("Project B") << 2 << QColor(255, 0, 0) << QList<QPointF>{{1, 400}};
    QTest::newRow("Discount Rate, B better") << 3 << QColor(255, 0, 0) << QList<QPointF>{{101, 128.1}};
    QTest::newRow("Fisher") << 4 << QColor(0, 200, 180) << QList<QPointF>{{184, -51.25}};
}

void TestChartViews::series()
{
    QFETCH(int, column);
    QFETCH(QColor, colour);
    QFETCH(QList<QPointF>, points);
    Example example;
    const ProfileChart &profile = example.profile();
    QXYSeries *series = example.view.series(column);
    QCOMPARE(series->name(), profile.columnLabels[size_t(column - 1)]);
    QCOMPARE(series->color(), colour);
    const QList<QPointF> drawn = series->points();
    if (column <= 2) { // row r at x = r, every row
        QCOMPARE(drawn.size(), 210);
        QCOMPARE(drawn.first(), points.first());
        QCOMPARE(drawn[53], QPointF(54, *profile.rows[53].values[size_t(column - 1)]));
        QCOMPARE(series->pen().widthF(), 2.0); // 22 pen units
        QCOMPARE(series->pen().style(), Qt::SolidLine);
        QVERIFY(!example.view.guideLine(column));
    } else { // a marker, with its dotted guide line straight down to 0
        QCOMPARE(drawn, points);
        const QLineSeries *guide = example.view.guideLine(column);
        QCOMPARE(guide->points(), (QList<QPointF>{{points[0].x(), 0}, points[0]}));
        QCOMPARE(guide->pen().style(), Qt::DotLine);
        QCOMPARE(guide->pen().color(), colour);
    }
    QCOMPARE(example.view.zeroLine()->points(), (QList<QPointF>{{1, 0}, {210, 0}}));
    const QValueAxis *axis = example.view.valueAxis();
    for (const QPointF &p : drawn)
        QVERIFY(axis->min() <= p.y() && p.y() <= axis->max());
}

void TestChartViews::rateLabels_data()
{
    QTest::addColumn<int>("escala");
    QTest::addColumn<int>("rows");  // 0: the example's 210
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("step");  // 0: a multiple of escala at which the labels fit
    QTest::newRow("escala 10") << 10 << 0 << 1600 << 10;
    QTest::newRow("escala 5") << 5 << 0 << 1600 << 5;
    QTest::newRow("escala 1, too dense for the width") << 1 << 0 << 760 << 0;
    QTest::newRow("escala 0: every row") << 0 << 12 << 760 << 1;
}

void TestChartViews::rateLabels()
{
    QFETCH(int, escala);
    QFETCH(int, rows);
    QFETCH(int, width);
    QFETCH(int, step);
    Example example(width);
    ProfileChart profile = example.profile();
    if (rows > 0)
        profile.rows.resize(size_t(rows));
    example.view.setProfile(profile);
    example.view.setEscala(escala);
    QVERIFY(QTest::qWaitForWindowExposed(&example.view));

    const int drawn = example.view.rateLabelStep();
    QCOMPARE(drawn, step > 0 ? step : drawn);
    QCOMPARE(drawn % std::max(escala, 1), 0);
    QCategoryAxis *axis = example.view.rateAxis();
    const QStringList labels = axis->categoriesLabels();
    QCOMPARE(labels.size(), (int(profile.rows.size()) - 1) / drawn + 1);
    qreal widths = 0;
    for (int k = 0; k < labels.size(); ++k) {
        QCOMPARE(labels[k], profile.rows[size_t(k * drawn)].label); // the row's own label, at its row
        QCOMPARE(axis->endValue(labels[k]), qreal(1 + k * drawn));
        widths += QFontMetricsF(axis->labelsFont()).horizontalAdvance(labels[k]);
    }
    QVERIFY(widths < example.view.chart()->plotArea().width()); // side by side, none cut
}

void TestChartViews::legendFootnoteAndSliders()
{
    Example example(1000);
    QVERIFY(QTest::qWaitForWindowExposed(&example.view));
    const QLegend *legend = example.view.chart()->legend();
    QCOMPARE(legend->alignment(), Qt::AlignTop);
    QStringList entries;
    for (QLegendMarker *marker : legend->markers()) {
        if (marker->isVisible()) // the zero and guide lines have none
            entries << marker->label();
    }
    QCOMPARE(entries, (QStringList{u"Project A"_s, u"Project B"_s, u"Discount Rate"_s, u"Fisher"_s}));

    const QGraphicsSimpleTextItem *footnote = example.view.footnote();
    QVERIFY(footnote->isVisible());
    QCOMPARE(footnote->text(), example.profile().footnote);
    example.view.setFootnoteVisible(false);
    QVERIFY(!footnote->isVisible());

    QSlider *scale = example.view.scaleSlider();
    QCOMPARE((QList<int>{scale->minimum(), scale->maximum(), scale->singleStep(), scale->pageStep(), scale->value()}),
             (QList<int>{2, 20, 2, 3, 10}));
    QCOMPARE(scale->toolTip(), u"Scale 10"_s);
    QCOMPARE(example.view.footnoteSlider()->value(), 2);
    QCOMPARE(example.view.footnoteSlider()->toolTip(), u"Footnote  Yes"_s);
    // Settings from the data raise no change; the user's move does.
    QSignalSpy moved(scale, &QSlider::valueChanged);
    ProfileChart hidden = example.profile();
    hidden.footnoteVisible = hidden.legendVisible = false;
    example.view.setProfile(hidden);
    QVERIFY(!footnote->isVisible());
    QVERIFY(!legend->isVisible());
    QCOMPARE(moved.count(), 0);
    QTest::keyClick(scale, Qt::Key_Right);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 12);
}

void TestChartViews::clicks_data()
{
    QTest::addColumn<int>("column"); // 0: a place high above both profiles
    QTest::addColumn<int>("row");
    QTest::newRow("Project A at 5.3 %") << 1 << 54;
    QTest::newRow("the discount-rate marker, over B's line") << 3 << 101;
    QTest::newRow("the Fisher marker, where A and B cross") << 4 << 184;
    QTest::newRow("no point") << 0 << 200;
}

void TestChartViews::clicks()
{
    QFETCH(int, column);
    QFETCH(int, row);
    Example example;
    QVERIFY(QTest::qWaitForWindowExposed(&example.view));
    const double value = column ? *example.profile().rows[size_t(row - 1)].values[size_t(column - 1)] : 550;
    const QPoint at = example.at(std::max(column, 1), QPointF(row, value));
    QSignalSpy points(&example.view, &ProfileChartView::pointSelected);
    QSignalSpy menu(&example.view, &ProfileChartView::contextMenuRequested);
    QTest::mouseClick(example.view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(points.count(), column ? 1 : 0);
    if (column)
        QCOMPARE(points.at(0), (QVariantList{column, row}));
    QTest::mouseClick(example.view.viewport(), Qt::RightButton, {}, at);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.at(0).at(0).toPoint(), example.view.viewport()->mapToGlobal(at));
}

void TestChartViews::emptyProfile()
{
    Example example;
    ProfileChart reset; // what an appraisal with nothing to draw leaves
    reset.legendVisible = reset.footnoteVisible = false;
    example.view.setProfile(reset);
    for (int column = 1; column <= 4; ++column)
        QVERIFY(example.view.series(column)->points().isEmpty());
    QVERIFY(example.view.guideLine(3)->points().isEmpty());
    QVERIFY(example.view.zeroLine()->points().isEmpty());
    QVERIFY(example.view.rateAxis()->categoriesLabels().isEmpty());
}

void TestChartViews::flowChart_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("labels"); // each at x = its period
    QTest::newRow("example A") << QStringList{u"-1000"_s, u"700"_s, u"500"_s} << QStringList{u"0"_s, u"1"_s, u"2"_s};
    // A period that never held a number has no bar and no label; the others stay at their bars.
    QTest::newRow("blank period 1") << QStringList{u"-800"_s, QString(), u"500"_s} << QStringList{u"0"_s, u"2"_s};
    QStringList many(100, u"10"_s);
    many[0] = u"-900"_s;
    QTest::newRow("100 periods in a small chart: every 10th labelled")
        << many << QStringList{u"0"_s, u"10"_s, u"20"_s, u"30"_s, u"40"_s, u"50"_s, u"60"_s, u"70"_s, u"80"_s, u"90"_s};
}

void TestChartViews::flowChart()
{
    QFETCH(QStringList, cells);
    QFETCH(QStringList, labels);
    FlowChart chart;
    bool resetLarge = false;
    chart.FillFlowChart(std::vector<QString>(cells.begin(), cells.end()), NumberTexts(English), resetLarge);
    FlowChartView view;
    view.resize(370, 220);
    view.setTitle(u"Project A"_s);
    view.setChart(chart);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.chart()->title(), u"Project A"_s);
    QCOMPARE(view.bars()->count(), cells.size());
    for (int k = 0; k < cells.size(); ++k) {
        const qreal bar = view.bars()->at(k);
        QCOMPARE(bar, cells[k].isEmpty() ? 0.0 : cells[k].toDouble());
        QVERIFY(view.valueAxis()->min() <= bar && bar <= view.valueAxis()->max());
    }
    QCOMPARE(view.periodAxis()->categoriesLabels(), labels);
    for (const QString &label : labels)
        QCOMPARE(view.periodAxis()->endValue(label), label.toDouble());

    QSignalSpy menu(&view, &FlowChartView::contextMenuRequested);
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, QPoint(150, 100));
    QCOMPARE(menu.count(), 1);
}

QTEST_MAIN(TestChartViews)
#include "tst_chartviews.moc"
