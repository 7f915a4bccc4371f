// Copying and printing charts: the chart commands of the main window put the
// picture, its vector form and the data on the clipboard; the print dialog
// reports a machine without any printer. (Printing itself: tst_journey_charts.)
#include "ChartPicture.h"
#include "MainWindowRun.h"
#include "PrintDialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

const QSize Window(16500, 9800); // twips

struct Dialog
{
    std::int16_t PrintOrient = PrintOrientation::Landscape;
    CurrentPrinter printer;
    ScriptedPrinters printers;
    ScriptedMessages messages;
    std::unique_ptr<fprinter> dialog;

    void open()
    {
        dialog = std::make_unique<fprinter>(PrintRequest{PrintOrient, printer, Window, Language::English, {}},
                                            printers, messages);
        dialog->load();
        dialog->show();
    }
    QString listText() const { return dialog->findChild<QComboBox *>(u"Combo1"_s)->currentText(); }
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void noPrinterAtAll();
    void copyCommands_data();
    void copyCommands();
};

void TestPrinting::noPrinterAtAll()
{
    Dialog d;
    d.printers.names.clear();
    d.printers.defaultName.clear();
    d.open();
    QCOMPARE(d.messages.shown, (QStringList{u"Error: 484 Printer driver unavailable"_s,
                                            u"A default printer does not exist. You must install a printer to "
                                            u"send the chart."_s}));
    QCOMPARE(d.listText(), u"No Printer"_s);
    QCOMPARE(d.PrintOrient, PrintOrientation::Landscape);
}

void TestPrinting::copyCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("data");
    QTest::newRow("large chart") << u"mcopy"_s
                                 << u"\tProject A\tProject B\tDiscount Rate\tFisher\r\n0\t200\t400\t\t\r\n"_s;
    QTest::newRow("project A") << u"mcopymschart2"_s << u"\tProject A\r\n0\t-1000\r\n1\t700\r\n2\t500\r\n"_s;
    QTest::newRow("project B") << u"mcopymschart3"_s << u"\tProject B\r\n0\t-1500\r\n1\t700\r\n2\t1200\r\n"_s;
}

void TestPrinting::copyCommands()
{
    QFETCH(QString, item);

    Run run;
    run.startWithExample();
    QGuiApplication::clipboard()->clear();
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

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
