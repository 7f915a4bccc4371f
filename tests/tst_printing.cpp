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

using namespace pelmora;
using namespace pelmora::PrintOrientation;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

const QStringList Printers = {u"Office Laser"_s, u"PDF File"_s};

QString text(const ChartPlacement &p)
{
    return u"%1 %2 %3 %4"_s.arg(p.x).arg(p.y).arg(p.width).arg(p.height);
}

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void copyCommands_data() { addRowsFromTsv("chart-copies.tsv"); }
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
        fprinter dialog(PrintRequest{PrintOrient, printer, QSize(16500, 9800), {}}, printers, messages);
        dialog.load();
        dialog.show();
        QCOMPARE(messages.shown, (QStringList{u"Error: 484 Printer driver unavailable"_s,
                                              u"A default printer does not exist. You must install a printer to "
                                              u"send the chart."_s}));
        QCOMPARE(dialog.findChild<QComboBox *>(u"Combo1"_s)->currentText(), u"No Printer"_s);
        QCOMPARE(PrintOrient, Landscape);
    }

    void orientation_data() { addRowsFromTsv("print-orientation.tsv"); }
    void orientation()
    {
        QFETCH(QString, PrintOrient);
        const PreviewLayout l = LayoutPreview(PrintOrient.toShort());
        QTEST(u"%1 %2 %3 %4"_s.arg(l.dialogWidth).arg(l.dialogHeight).arg(l.pictureWidth).arg(l.pictureHeight),
              "layout");
        QTEST(PrinterCaption(u"Office Laser"_s, PrintOrient.toShort()), "caption");
    }

    void placement_data() { addRowsFromTsv("chart-placement.tsv"); }
    void placement()
    {
        QFETCH(QString, target);
        QFETCH(QString, PrintOrient);
        QFETCH(QString, window);
        const QStringList size = window.split(u' ');
        const ChartPlacement drawn = DrawChart(target == u"printer" ? DrawTarget::Printer : DrawTarget::Preview,
                                               size[0].toInt(), size[1].toInt(), PrintOrient.toShort());
        QTEST(text(drawn), "placement");
        QTEST(text(fitOnPage(drawn, 16000, 11000)), "fitted");
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
