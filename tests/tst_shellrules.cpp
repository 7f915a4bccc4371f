// The main window's rules without widgets: placement in twips at different
// screen resolutions, the first status panel's width, the tiled arrangements,
// and Graph Properties.
#include "ShellRules.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestShellRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placement_data();
    void placement();
    void placementRoundTrip_data();
    void placementRoundTrip();
    void systemPanel_data();
    void systemPanel();
    void tiling_data();
    void tiling();
    void graphProperties_data();
    void graphProperties();
};

void TestShellRules::placement_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QList<int>>("twips"); // top, left, height, width; 0 is not applied
    QTest::addColumn<QRect>("outer"); // the default is (100, 50, 800, 600)
    QTest::newRow("96 dpi: 15 twips a pixel") << 96.0 << QList<int>{1230, 885, 7200, 10500} << QRect(59, 82, 700, 480);
    QTest::newRow("144 dpi: 10 twips a pixel") << 144.0 << QList<int>{1230, 885, 7200, 10500}
                                               << QRect(89, 123, 1050, 720);
    QTest::newRow("a zero edge keeps the default") << 96.0 << QList<int>{0, 1500, 0, 9000} << QRect(100, 50, 600, 600);
}

void TestShellRules::placement()
{
    QFETCH(double, dpi);
    QFETCH(QList<int>, twips);
    Settings settings;
    settings.valorixTop = std::int16_t(twips[0]);
    settings.valorixLeft = std::int16_t(twips[1]);
    settings.valorixHeight = std::int16_t(twips[2]);
    settings.valorixWidth = std::int16_t(twips[3]);
    QTEST(placedWindow(QRect(100, 50, 800, 600), settings, dpi, dpi), "outer");
}

void TestShellRules::placementRoundTrip_data()
{
    QTest::addColumn<QRect>("outer");
    QTest::addColumn<QList<int>>("stored");
    QTest::newRow("left of the screen") << QRect(-8, 10, 640, 480) << QList<int>{150, -120, 7200, 9600};
    // 2200 pixels are 33000 twips, more than 16 bits hold: that edge keeps its value.
    QTest::newRow("too wide for 16 bits") << QRect(0, 0, 2200, 480) << QList<int>{0, 0, 7200, 99};
}

void TestShellRules::placementRoundTrip()
{
    QFETCH(QRect, outer);
    Settings settings;
    settings.valorixWidth = 99;
    storePlacement(settings, outer, 96, 96);
    QTEST((QList<int>{settings.valorixTop, settings.valorixLeft, settings.valorixHeight, settings.valorixWidth}),
          "stored");
}

void TestShellRules::systemPanel_data()
{
    QTest::addColumn<int>("windowTwips");
    QTest::addColumn<int>("panelTwips"); // -1: keeps its width
    QTest::newRow("just wider") << 5001 << 1;
    QTest::newRow("5000 twips") << 5000 << -1;
}

void TestShellRules::systemPanel()
{
    QFETCH(int, windowTwips);
    QTEST(systemPanelTwips(windowTwips).value_or(-1), "panelTwips");
}

void TestShellRules::tiling_data()
{
    QTest::addColumn<Arrangement>("arrangement");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QRect>>("rects");
    QTest::newRow("side by side") << Arrangement::Vertical << 3
                                  << QList<QRect>{{0, 0, 33, 60}, {33, 0, 33, 60}, {66, 0, 34, 60}};
    QTest::newRow("one above the other") << Arrangement::Horizontal << 2
                                         << QList<QRect>{{0, 0, 100, 30}, {0, 30, 100, 30}};
    QTest::newRow("no windows") << Arrangement::Vertical << 0 << QList<QRect>();
}

void TestShellRules::tiling()
{
    QFETCH(Arrangement, arrangement);
    QFETCH(int, count);
    QTEST(tiledRects(arrangement, count, QRect(0, 0, 100, 60)), "rects");
}

void TestShellRules::graphProperties_data()
{
    QTest::addColumn<bool>("slidersShown");
    QTest::addColumn<bool>("chartsShown");
    QTest::addColumn<int>("result"); // -1: no change
    QTest::newRow("shown: hide") << true << true << 0;
    QTest::newRow("hidden: show") << false << true << 1;
    QTest::newRow("list over the charts: no change") << false << false << -1;
    QTest::newRow("list over the charts, shown: hide") << true << false << 0;
}

void TestShellRules::graphProperties()
{
    QFETCH(bool, slidersShown);
    QFETCH(bool, chartsShown);
    const auto toggled = graphPropertiesToggle(slidersShown, chartsShown);
    QTEST(toggled ? int(*toggled) : -1, "result");
}

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
