// Copying and printing charts: the chart commands of the main window put the
// picture and the data on the clipboard; the print dialog shows the page,
// follows the set-up dialog's orientation, asks before it prints, stays open on
// No, and reports a machine without any printer.
#include "ChartPicture.h"
#include "MainWindowRun.h"
#include "PrintDialog.h"
#include "ShellRules.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

const QSize Window(16500, 9800); // twips

QPicture chartLikePicture()
{
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, 400, 240), Qt::white);
    painter.drawText(QPoint(20, 20), u"Project A"_s);
    return picture;
}

struct Dialog
{
    std::int16_t PrintOrient = PrintOrientation::Landscape;
    CurrentPrinter printer;
    ScriptedPrinters printers;
    ScriptedMessages messages;
    std::unique_ptr<fprinter> dialog;

    Dialog()
    {
        auto *mime = new QMimeData;
        putVectorPicture(*mime, chartLikePicture());
        QGuiApplication::clipboard()->setMimeData(mime);
    }
    void open()
    {
        dialog = std::make_unique<fprinter>(PrintRequest{PrintOrient, printer, Window, Language::English, {}},
                                            printers, messages);
        dialog->load();
        dialog->show();
    }
    template<typename T = QPushButton>
    T *find(const QString &name) const { return dialog->findChild<T *>(name); }
    void click(const QString &button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    QString listText() const { return find<QComboBox>(u"Combo1"_s)->currentText(); }
};

int pixels(int twips)
{
    return twipsToPixels(twips, 96.0);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void previewFollowsOrientation_data();
    void previewFollowsOrientation();
    void noLeavesTheDialogOpen();
    void noPrinterAtAll();
    void copyCommands_data();
    void copyCommands();
};

void TestPrinting::previewFollowsOrientation_data()
{
    QTest::addColumn<int>("PrintOrient");
    QTest::addColumn<std::optional<std::int16_t>>("setup"); // nothing: cancelled
    QTest::addColumn<int>("after");
    QTest::addColumn<QSize>("picture"); // twips
    QTest::newRow("new installation") << 0 << std::optional<std::int16_t>() << 2 << QSize(8910, 6300);
    QTest::newRow("set up to portrait") << 2 << std::optional<std::int16_t>(1) << 1 << QSize(6300, 8910);
    QTest::newRow("set up to landscape") << 1 << std::optional<std::int16_t>(2) << 2 << QSize(8910, 6300);
}

void TestPrinting::previewFollowsOrientation()
{
    QFETCH(int, PrintOrient);
    QFETCH(std::optional<std::int16_t>, setup);
    QFETCH(int, after);
    QFETCH(QSize, picture);

    Dialog d;
    d.PrintOrient = std::int16_t(PrintOrient);
    d.printers.setups = {setup};
    d.open();
    d.click(u"csetup"_s);

    QCOMPARE(d.PrintOrient, after);
    const auto *preview = d.find<PagePreview>(u"Picture1"_s);
    QCOMPARE(preview->size(), QSize(pixels(picture.width()), pixels(picture.height())));
    const int dialogHeight = after == 1 ? 10010 : 7400;
    QCOMPARE(d.dialog->height(), pixels(dialogHeight - 395));
    // The window is wider than the page: its picture is fitted into the preview.
    const ChartPlacement at = fitOnPage(
        DrawChart(DrawTarget::Preview, Window.width(), Window.height(), std::int16_t(after)), picture.width(),
        picture.height());
    const QRect drawn = preview->chartRect();
    QCOMPARE(drawn.topLeft(), QPoint(0, pixels(300)));
    QVERIFY(qAbs(drawn.width() - pixels(at.width)) <= 1 && qAbs(drawn.height() - pixels(at.height)) <= 1);
    QVERIFY(drawn.right() < preview->width() && drawn.bottom() < preview->height());
    QCOMPARE(d.listText(), after == 1 ? u"PDF File - Portrait"_s : u"PDF File - Landscape"_s);
}

void TestPrinting::noLeavesTheDialogOpen()
{
    Dialog d;
    d.printers.answers = {false};
    d.open();
    d.click(u"cok"_s);
    QCOMPARE(d.printers.questions, QStringList{u"The graphic will be send to PDF File - Landscape"_s});
    QVERIFY(d.dialog->isVisible());
    QCOMPARE(d.dialog->result(), 0);
    QCOMPARE(d.printers.pdfAsked, 0);
}

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
