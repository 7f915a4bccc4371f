// Copying and printing charts: the chart commands of the main window put the
// picture, its vector form and the data on the clipboard; the print dialog
// reports a machine without any printer. Without a printer: the print dialog's
// sizes and the printer's caption in both orientations, where DrawChart puts
// the chart on the preview and on the page (and how a chart larger than the
// page is fitted), the printer kept between showings, and a failed load.
// (Printing itself: tst_journey_charts.)
#include "ChartPicture.h"
#include "MainWindowRun.h"
#include "PrintDialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QTest>

using namespace pelmora;
using namespace pelmora::PrintOrientation;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

const QStringList Printers = {u"Office Laser"_s, u"PDF File"_s};

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void copyCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("data");
        QTest::newRow("large chart") << u"mcopy"_s
                                     << u"\tProject A\tProject B\tDiscount Rate\tFisher\r\n0\t200\t400\t\t\r\n"_s;
        QTest::newRow("project A") << u"mcopymschart2"_s << u"\tProject A\r\n0\t-1000\r\n1\t700\r\n2\t500\r\n"_s;
        QTest::newRow("project B") << u"mcopymschart3"_s << u"\tProject B\r\n0\t-1500\r\n1\t700\r\n2\t1200\r\n"_s;
    }
    void copyCommands()
    {
        Run run;
        run.startWithExample();
        QGuiApplication::clipboard()->clear();
        QFETCH(QString, item);
        run.trigger(item);

        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasImage() && copied->hasText());
        QFETCH(QString, data);
        QVERIFY(copied->text().startsWith(data));
        const QImage picture = qvariant_cast<QImage>(copied->imageData());
        QVERIFY(picture.width() > 100 && picture.height() > 100);
        QVERIFY(!vectorPictureFrom(copied).isNull()); // what the print command prints
        QCOMPARE(run.find<QLabel>(u"system"_s)->text(),
                 u"Edit Paste (chart's data) and Edit Paste Special (chart bitmap)"_s);
    }

    void noPrinterAtAll()
    {
        std::int16_t PrintOrient = Landscape;
        CurrentPrinter printer;
        ScriptedPrinters printers;
        printers.names.clear();
        printers.defaultName.clear();
        ScriptedMessages messages;
        fprinter dialog(PrintRequest{PrintOrient, printer, QSize(16500, 9800), {}}, printers,
                        messages);
        dialog.load();
        dialog.show();
        QCOMPARE(messages.shown, (QStringList{u"Error: 484 Printer driver unavailable"_s,
                                              u"A default printer does not exist. You must install a printer to "
                                              u"send the chart."_s}));
        QCOMPARE(dialog.findChild<QComboBox *>(u"Combo1"_s)->currentText(), u"No Printer"_s);
        QCOMPARE(PrintOrient, Landscape);
    }

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
        QTEST(LayoutPreview(PrintOrient), "layout");
        QTEST(DrawChart(DrawTarget::Preview, 9000, 6000, PrintOrient), "preview");
        QCOMPARE(DrawChart(DrawTarget::Printer, 9000, 6000, PrintOrient), (ChartPlacement{0, 800, 9000, 6000}));
        QTEST(PrinterCaption(u"Office Laser"_s, PrintOrient), "caption");
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
        const ChartPlacement drawn = DrawChart(printer ? DrawTarget::Printer : DrawTarget::Preview, window.width(),
                                               window.height(), Portrait);
        QTEST(drawn, "placement");
        QTEST(fitOnPage(drawn, 16000, 11000), "fitted");
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

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
