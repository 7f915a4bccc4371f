// Chart printing without a printer: the print dialog's sizes and the printer's
// caption in both orientations, where DrawChart puts the chart on the preview
// and on the page (and how a chart larger than the page is fitted), the printer
// kept between showings, and a failed load.
#include "ChartPrint.h"

#include <QTest>

using namespace pelmora;
using namespace pelmora::PrintOrientation;
using namespace Qt::StringLiterals;

const QStringList Printers = {u"Office Laser"_s, u"PDF File"_s};

class TestChartPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void orientation_data()
    {
        QTest::addColumn<std::int16_t>("PrintOrient");
        QTest::addColumn<PreviewLayout>("layout");
        QTest::addColumn<ChartPlacement>("preview"); // of a 9000 × 6000 twips window
        QTest::addColumn<QString>("caption");
        // 9000 × 8910 / 17400 = 4608.62…; 6000 × 6300 / 11400 = 3315.79…
        QTest::newRow("portrait") << Portrait << PreviewLayout{9240, 10010, 6300, 8910}
                                  << ChartPlacement{0, 300, 4609, 3316} << u"Office Laser - Portrait"_s;
        // 9000 × 8910 / 15840 = 5062.5, to the even 5062
        QTest::newRow("landscape") << Landscape << PreviewLayout{9240, 7400, 8910, 6300}
                                   << ChartPlacement{0, 300, 5062, 3316} << u"Office Laser - Landscape"_s;
        QTest::newRow("neither") << Unset << PreviewLayout{9240, 7400, 8910, 6300}
                                 << ChartPlacement{0, 300, 5062, 3316} << u"Office Laser - "_s;
    }
    void orientation()
    {
        QFETCH(std::int16_t, PrintOrient);
        QFETCH(PreviewLayout, layout);
        QFETCH(ChartPlacement, preview);
        QFETCH(QString, caption);
        QCOMPARE(LayoutPreview(PrintOrient), layout);
        QCOMPARE(DrawChart(DrawTarget::Preview, 9000, 6000, PrintOrient), preview);
        QCOMPARE(DrawChart(DrawTarget::Printer, 9000, 6000, PrintOrient), (ChartPlacement{0, 800, 9000, 6000}));
        QCOMPARE(PrinterCaption(u"Office Laser"_s, PrintOrient), caption);
    }

    // DrawChart's placement, then fitted on a page of 16000 × 11000 twips.
    void placement_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<QSize>("window"); // twips; the preview in portrait
        QTest::addColumn<ChartPlacement>("placement");
        QTest::addColumn<ChartPlacement>("fitted");
        // 2610 × 8910 / 17400 = 1336.5 and 95 × 6300 / 11400 = 52.5: ties go to even.
        QTest::newRow("preview, ties") << false << QSize(2610, 95) << ChartPlacement{0, 300, 1336, 52}
                                       << ChartPlacement{0, 300, 1336, 52};
        QTest::newRow("too wide") << true << QSize(20000, 8000) << ChartPlacement{0, 800, 20000, 8000}
                                  << ChartPlacement{0, 800, 16000, 6400};
        QTest::newRow("too high") << true << QSize(12000, 20400) << ChartPlacement{0, 800, 12000, 20400}
                                  << ChartPlacement{0, 800, 6000, 10200};
    }
    void placement()
    {
        QFETCH(bool, printer);
        QFETCH(QSize, window);
        QFETCH(ChartPlacement, placement);
        QFETCH(ChartPlacement, fitted);
        const ChartPlacement drawn = DrawChart(printer ? DrawTarget::Printer : DrawTarget::Preview, window.width(),
                                               window.height(), Portrait);
        QCOMPARE(drawn, placement);
        QCOMPARE(fitOnPage(drawn, 16000, 11000), fitted);
    }

    void chosenPrinterStaysForLaterPrints()
    {
        std::int16_t PrintOrient = Portrait;
        CurrentPrinter printer;
        PrintDialogState(PrintOrient, printer, Printers, u"Office Laser"_s).choosePrinter(1);
        PrintDialogState later(PrintOrient, printer, Printers, u"Office Laser"_s);
        QVERIFY(!later.load());
        QCOMPARE(later.PrinterCaption(), u"PDF File - Portrait"_s);
        // A printer that has gone gives way to the default one.
        PrintDialogState gone(PrintOrient, printer, {u"Office Laser"_s}, u"Office Laser"_s);
        QVERIFY(!gone.load());
        QCOMPARE(gone.deviceName(), u"Office Laser"_s);
    }

    // A failed load keeps the setting; Cancel then puts the printer's valid orientation
    // back, and without a printer it is skipped.
    void loadFailures()
    {
        std::int16_t setting = 7; // a settings file edited by hand
        CurrentPrinter printer;
        PrintDialogState edited(setting, printer, Printers, u"Office Laser"_s);
        QCOMPARE(edited.load(), PrintLoadError::InvalidOrientation);
        QCOMPARE(setting, 7);
        edited.setupChosen(Portrait);
        edited.cancel();
        QCOMPARE(setting, Portrait);
        setting = Unset;
        PrintDialogState none(setting, printer, {}, u"Office Laser"_s);
        QCOMPARE(none.load(), PrintLoadError::NoPrinter);
        none.setupChosen(Portrait);
        none.cancel();
        QCOMPARE(setting, Landscape);
    }
};

QTEST_GUILESS_MAIN(TestChartPrint)
#include "tst_chartprint.moc"
