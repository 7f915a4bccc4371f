// Chart printing without a printer: the print dialog's sizes in both
// orientations, where DrawChart puts the chart on the preview and on the page
// (and how a chart larger than the page is fitted), the printer's caption, the
// printer kept between showings, a failed load, and the data text that goes
// with a copied chart.
#include "ChartDataText.h"
#include "ChartPrint.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
constexpr std::int16_t Portrait = PrintOrientation::Portrait;
constexpr std::int16_t Landscape = PrintOrientation::Landscape;

const QStringList Printers = {u"Office Laser"_s, u"PDF File"_s};

} // namespace

class TestChartPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void layoutPreview_data();
    void layoutPreview();
    void drawChart_data();
    void drawChart();
    void fitOnPage_data();
    void fitOnPage();
    void printerCaption_data();
    void printerCaption();
    void chosenPrinterStaysForLaterPrints();
    void loadFailures_data();
    void loadFailures();
    void profileChartData();
};

void TestChartPrint::layoutPreview_data()
{
    QTest::addColumn<int>("PrintOrient");
    QTest::addColumn<PreviewLayout>("layout");
    QTest::newRow("portrait") << 1 << PreviewLayout{9240, 10010, 6300, 8910};
    QTest::newRow("landscape") << 2 << PreviewLayout{9240, 7400, 8910, 6300};
}

void TestChartPrint::layoutPreview()
{
    QFETCH(int, PrintOrient);
    QFETCH(PreviewLayout, layout);
    QCOMPARE(LayoutPreview(std::int16_t(PrintOrient)), layout);
}

void TestChartPrint::drawChart_data()
{
    QTest::addColumn<bool>("printer");
    QTest::addColumn<int>("PrintOrient");
    QTest::addColumn<QSize>("window"); // twips
    QTest::addColumn<ChartPlacement>("placement");
    // 9000 × 8910 / 15840 = 5062.5, to the even 5062; 6000 × 6300 / 11400 = 3315.79…
    QTest::newRow("preview, landscape") << false << 2 << QSize(9000, 6000) << ChartPlacement{0, 300, 5062, 3316};
    // 9000 × 8910 / 17400 = 4608.62…
    QTest::newRow("preview, portrait") << false << 1 << QSize(9000, 6000) << ChartPlacement{0, 300, 4609, 3316};
    // 2610 × 8910 / 17400 = 1336.5 and 95 × 6300 / 11400 = 52.5: ties go to even.
    QTest::newRow("preview, ties") << false << 1 << QSize(2610, 95) << ChartPlacement{0, 300, 1336, 52};
    QTest::newRow("printer") << true << 2 << QSize(9000, 6000) << ChartPlacement{0, 800, 9000, 6000};
    QTest::newRow("printer, portrait") << true << 1 << QSize(9000, 6000) << ChartPlacement{0, 800, 9000, 6000};
}

void TestChartPrint::drawChart()
{
    QFETCH(bool, printer);
    QFETCH(int, PrintOrient);
    QFETCH(QSize, window);
    QFETCH(ChartPlacement, placement);
    const auto target = printer ? DrawTarget::Printer : DrawTarget::Preview;
    QCOMPARE(DrawChart(target, window.width(), window.height(), std::int16_t(PrintOrient)), placement);
}

void TestChartPrint::fitOnPage_data()
{
    QTest::addColumn<ChartPlacement>("placement");
    QTest::addColumn<ChartPlacement>("fitted"); // on a page of 16000 × 11000 twips
    QTest::newRow("fits") << ChartPlacement{0, 800, 9000, 6000} << ChartPlacement{0, 800, 9000, 6000};
    QTest::newRow("exactly") << ChartPlacement{0, 800, 16000, 10200} << ChartPlacement{0, 800, 16000, 10200};
    QTest::newRow("too wide") << ChartPlacement{0, 800, 20000, 8000} << ChartPlacement{0, 800, 16000, 6400};
    QTest::newRow("too high") << ChartPlacement{0, 800, 12000, 20400} << ChartPlacement{0, 800, 6000, 10200};
    QTest::newRow("nothing to draw") << ChartPlacement{0, 300, 0, 0} << ChartPlacement{0, 300, 0, 0};
}

void TestChartPrint::fitOnPage()
{
    QFETCH(ChartPlacement, placement);
    QFETCH(ChartPlacement, fitted);
    QCOMPARE(pelmora::fitOnPage(placement, 16000, 11000), fitted);
}

void TestChartPrint::printerCaption_data()
{
    QTest::addColumn<int>("PrintOrient");
    QTest::addColumn<QString>("caption");
    QTest::newRow("portrait") << 1 << u"Office Laser - Portrait"_s;
    QTest::newRow("landscape") << 2 << u"Office Laser - Landscape"_s;
    QTest::newRow("neither") << 0 << u"Office Laser - "_s;
}

void TestChartPrint::printerCaption()
{
    QFETCH(int, PrintOrient);
    QFETCH(QString, caption);
    QCOMPARE(PrinterCaption(u"Office Laser"_s, std::int16_t(PrintOrient)), caption);
}

void TestChartPrint::chosenPrinterStaysForLaterPrints()
{
    std::int16_t PrintOrient = Portrait;
    CurrentPrinter printer;
    {
        PrintDialogState state(PrintOrient, printer, Printers, u"Office Laser"_s);
        QVERIFY(!state.load());
        state.choosePrinter(1);
        QCOMPARE(state.PrinterCaption(), u"PDF File - Portrait"_s);
        QCOMPARE(printer.orientation, Portrait); // it takes the set-up dialog's orientation
    }
    PrintDialogState later(PrintOrient, printer, Printers, u"Office Laser"_s);
    QVERIFY(!later.load());
    QCOMPARE(later.deviceName(), u"PDF File"_s);

    // A printer that has gone gives way to the default one.
    PrintDialogState gone(PrintOrient, printer, {u"Office Laser"_s}, u"Office Laser"_s);
    QVERIFY(!gone.load());
    QCOMPARE(gone.deviceName(), u"Office Laser"_s);
}

void TestChartPrint::loadFailures_data()
{
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<int>("PrintOrient");
    QTest::addColumn<PrintLoadError>("error");
    QTest::addColumn<int>("PrintOrientAfter");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no printer") << QStringList() << 0 << PrintLoadError::NoPrinter << 2 << u" - Landscape"_s;
    QTest::newRow("no orientation") << Printers << 7 << PrintLoadError::InvalidOrientation << 7
                                    << u"Office Laser - "_s;
}

void TestChartPrint::loadFailures()
{
    QFETCH(QStringList, printers);
    QFETCH(int, PrintOrient);
    QFETCH(PrintLoadError, error);
    QFETCH(int, PrintOrientAfter);
    QFETCH(QString, caption);

    std::int16_t setting = std::int16_t(PrintOrient);
    CurrentPrinter printer;
    PrintDialogState state(setting, printer, printers, u"Office Laser"_s);
    QCOMPARE(state.load(), error);
    QCOMPARE(setting, PrintOrientAfter);
    QCOMPARE(state.PrinterCaption(), caption);

    // The printer's statements fail without a printer and are skipped; with
    // one, Cancel puts its valid orientation back into the setting.
    state.setupChosen(Portrait);
    state.cancel();
    QCOMPARE(setting, printers.isEmpty() ? Landscape : Portrait);
}

void TestChartPrint::profileChartData()
{
    ProfileChart chart;
    chart.columnLabels = {u"Project A"_s, u"Project B"_s, u"Discount Rate"_s, u"Fisher"_s};
    chart.rows = {{u"0"_s, {200.0, 400.0, std::nullopt, std::nullopt}},
                  {u"0.1"_s, {198.5, std::nullopt, 395.25, std::nullopt}},
                  {u"0.2"_s, {-1234.5, 390.0, std::nullopt, 12.0}}};
    QCOMPARE(chartDataText(chart, NumberTexts(English)),
             u"\tProject A\tProject B\tDiscount Rate\tFisher\r\n"
             "0\t200\t400\t\t\r\n"
             "0.1\t198.5\t\t395.25\t\r\n"
             "0.2\t-1234.5\t390\t\t12\r\n"_s);
}

QTEST_GUILESS_MAIN(TestChartPrint)
#include "tst_chartprint.moc"
