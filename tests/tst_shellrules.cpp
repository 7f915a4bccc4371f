// The main window's rules without widgets: placement in twips at different
// screen resolutions, where project windows open and how they are arranged.
#include "ShellRules.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestShellRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QList<int>>("twips"); // top, left, height, width; 0 is not applied
        QTest::addColumn<QRect>("outer"); // the default is (100, 50, 800, 600)
        QTest::newRow("96 dpi: 15 twips a pixel") << 96.0 << QList<int>{1230, 885, 7200, 10500}
                                                  << QRect(59, 82, 700, 480);
        QTest::newRow("144 dpi: 10 twips a pixel") << 144.0 << QList<int>{1230, 885, 7200, 10500}
                                                   << QRect(89, 123, 1050, 720);
        QTest::newRow("a zero edge keeps the default") << 96.0 << QList<int>{0, 1500, 0, 9000}
                                                       << QRect(100, 50, 600, 600);
    }
    void placement()
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

    void placementStored_data()
    {
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<QList<int>>("stored");
        QTest::newRow("left of the screen") << QRect(-8, 10, 640, 480) << QList<int>{150, -120, 7200, 9600};
        // 2200 pixels are 33000 twips, more than 16 bits hold: that edge keeps its value.
        QTest::newRow("too wide for 16 bits") << QRect(0, 0, 2200, 480) << QList<int>{0, 0, 7200, 99};
    }
    void placementStored()
    {
        QFETCH(QRect, outer);
        Settings settings;
        settings.valorixWidth = 99;
        storePlacement(settings, outer, 96, 96);
        QTEST((QList<int>{settings.valorixTop, settings.valorixLeft, settings.valorixHeight, settings.valorixWidth}),
              "stored");
    }

    // In an area of 100 by 60.
    void tiling_data()
    {
        QTest::addColumn<Arrangement>("arrangement");
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("side by side") << Arrangement::Vertical << 3 << QSize()
                                      << QList<QRect>{{0, 0, 33, 60}, {33, 0, 33, 60}, {66, 0, 34, 60}};
        QTest::newRow("one above the other") << Arrangement::Horizontal << 2 << QSize()
                                             << QList<QRect>{{0, 0, 100, 30}, {0, 30, 100, 30}};
        QTest::newRow("no windows") << Arrangement::Vertical << 0 << QSize(40, 0) << QList<QRect>();
        QTest::newRow("too narrow: two rows") << Arrangement::Vertical << 4 << QSize(40, 0)
                                              << QList<QRect>{{0, 0, 50, 30}, {50, 0, 50, 30},
                                                              {0, 30, 50, 30}, {50, 30, 50, 30}};
        QTest::newRow("the odd one fills its row")
            << Arrangement::Vertical << 3 << QSize(40, 0)
            << QList<QRect>{{0, 0, 50, 30}, {50, 0, 50, 30}, {0, 30, 100, 30}};
        QTest::newRow("too low: two columns") << Arrangement::Horizontal << 3 << QSize(0, 25)
                                              << QList<QRect>{{0, 0, 50, 30}, {0, 30, 50, 30}, {50, 0, 50, 60}};
        QTest::newRow("wider than the area: one a row") << Arrangement::Vertical << 2 << QSize(150, 0)
                                                        << QList<QRect>{{0, 0, 100, 30}, {0, 30, 100, 30}};
    }
    void tiling()
    {
        QFETCH(Arrangement, arrangement);
        QFETCH(int, count);
        QFETCH(QSize, minimum);
        QTEST(tiledRects(arrangement, count, QRect(0, 0, 100, 60), minimum), "rects");
    }

    // In an area of 100 by 60, steps of 10.
    void cascade_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("as large as the steps leave")
            << 3 << QSize(40, 30) << QList<QRect>{{0, 0, 80, 40}, {10, 10, 80, 40}, {20, 20, 80, 40}};
        QTest::newRow("never below the minimum: back to the top left")
            << 5 << QSize(70, 40)
            << QList<QRect>{{0, 0, 70, 40}, {10, 10, 70, 40}, {20, 20, 70, 40}, {0, 0, 70, 40}, {10, 10, 70, 40}};
        QTest::newRow("a minimum larger than the area") << 2 << QSize(200, 100)
                                                        << QList<QRect>{{0, 0, 100, 60}, {0, 0, 100, 60}};
    }
    void cascade()
    {
        QFETCH(int, count);
        QFETCH(QSize, minimum);
        QTEST(cascadedRects(count, QRect(0, 0, 100, 60), 10, minimum), "rects");
    }

    // In an area of 100 by 60, steps of 10; 80 by 80 wanted, 50 by 30 at least.
    // (A step down and right from the one before: the windows journey.)
    void newWindow_data()
    {
        QTest::addColumn<QRect>("previous"); // empty: none
        QTest::addColumn<QRect>("placed");
        QTest::newRow("the first: as wanted within the area") << QRect() << QRect(0, 0, 80, 60);
        QTest::newRow("smaller where there is less room") << QRect(20, 20, 80, 40) << QRect(30, 30, 70, 30);
        QTest::newRow("too little room: back to the top left") << QRect(30, 30, 70, 30) << QRect(0, 0, 80, 60);
        QTest::newRow("the previous one out of view") << QRect(150, 10, 80, 40) << QRect(0, 0, 80, 60);
    }
    void newWindow()
    {
        QFETCH(QRect, previous);
        const auto before = previous.isEmpty() ? std::nullopt : std::optional(previous);
        QTEST(newWindowRect(before, QSize(80, 80), QSize(50, 30), QRect(0, 0, 100, 60), 10), "placed");
    }
};

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
