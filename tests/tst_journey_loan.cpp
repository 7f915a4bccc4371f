// A loan worked through as a person works it: the fields typed key by key, the
// solve buttons clicked, the schedule listed, exported through its "Excel"
// header and closed through its "X" header; new decimal places over a long
// schedule.
#include "Journey.h"

#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

class LoanJourney : public Journey
{
public:
    QTableView *list() const { return control<QTableView>(u"ListView1"_s); }
    QString listCell(int row, int column) const { return list()->model()->index(row, column).data().toString(); }
    // The pointer moved over the list: it marks the row of the payment number.
    int hoverList() const
    {
        QTest::mouseMove(list()->viewport(), list()->viewport()->rect().center());
        settle();
        const QModelIndexList marked = list()->selectionModel()->selectedRows();
        return marked.size() == 1 ? marked.first().row() : -1;
    }
    // A click on the list's header of that text.
    void clickHeader(const QString &text)
    {
        QHeaderView *header = list()->horizontalHeader();
        for (int c = 0; c < header->count(); ++c) {
            if (header->model()->headerData(c, Qt::Horizontal).toString() == text) {
                click(header->viewport(), QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                                                 header->height() / 2));
                return;
            }
        }
        QFAIL(qPrintable(u"no header "_s + text));
    }
    // All nine headers within what the list shows, no horizontal scroll, and
    // the first and last rows' texts whole in their columns.
    void checkListInView() const
    {
        QHeaderView *header = list()->horizontalHeader();
        QVERIFY(!list()->horizontalScrollBar()->isVisible());
        for (int c = 0; c < header->count(); ++c) {
            const QString name = header->model()->headerData(c, Qt::Horizontal).toString();
            const int left = header->sectionViewportPosition(c);
            QVERIFY2(left >= 0 && left + header->sectionSize(c) <= header->viewport()->width(),
                     qPrintable(name + u" out of view"_s));
            for (int row : {0, list()->model()->rowCount() - 1}) {
                const QString text = listCell(row, c);
                QVERIFY2(list()->fontMetrics().horizontalAdvance(text) + 6 <= header->sectionSize(c),
                         qPrintable(text + u" cut short under "_s + name));
            }
        }
    }
};

} // namespace

class TestJourneyLoan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // PV 10,000 over 10 periods at 6 %: each quantity, overwritten with 1, is
    // solved back from the others by its button.
    void solveEachQuantity()
    {
        LoanJourney j;
        j.start();
        j.enter({{u"Text(2)"_s, u"10000"_s}, {u"Text(0)"_s, u"10"_s}, {u"Text(1)"_s, u"6"_s}});
        const std::pair<int, QString> steps[] = {
            {3, u"1,358.68"_s},  // PMT = PV r (1+r)^n / ((1+r)^n - 1)
            {4, u"17,908.48"_s}, // FV = (1+r)^n PV
            {2, u"10,000.00"_s}, // PV = FV / (1+r)^n
            {0, u"10.00"_s},     // n = ln(FV/PV) / ln(1+r)
            {1, u"6.00"_s},      // i = ((FV/PV)^(1/n) - 1) 100
        };
        for (const auto &[k, shown] : steps) {
            j.enter(u"Text(%1)"_s.arg(k), u"1"_s);
            j.click(j.control(u"Command(%1)"_s.arg(k)));
            QCOMPARE(j.field(u"Text(%1)"_s.arg(k)), shown);
        }
    }

    // PV 1,000 over 4 periods at 10 %, payment 1: its figures, the list in place of
    // the charts with every header in view, the payment's row marked under the
    // pointer, "Amort.csv" through the "Excel" header, the charts back through the
    // "X" header.
    void scheduleExportedAndClosed()
    {
        LoanJourney j;
        j.start();
        j.enter({{u"Text(2)"_s, u"1000"_s}, {u"Text(0)"_s, u"4"_s}, {u"Text(1)"_s, u"10"_s}, {u"Text(5)"_s, u"1"_s}});
        QStringList figures;
        for (int k : {3, 6, 7, 8, 9})
            figures.append(j.field(u"Text(%1)"_s.arg(k)));
        QCOMPARE(figures, (QStringList{u"315.47"_s, u"215.47"_s, u"100.00"_s, u"784.53"_s, u"261.88"_s}));

        j.click(j.control(u"Command(9)"_s));
        QWidget *chart = j.control(u"MSChart1"_s);
        QVERIFY(j.list()->isVisible() && !chart->isVisible());
        QCOMPARE(j.list()->model()->rowCount(), 4); // their texts: the export below
        j.checkListInView();
        QCOMPARE(j.hoverList(), 0);
        // A payment number beyond the list leaves the mark where it was.
        for (const auto &[payment, row] : {std::pair(u"9"_s, 0), {u"3"_s, 2}, {u"1"_s, 0}}) {
            j.retype(j.control(u"Text(5)"_s), payment);
            QCOMPARE(j.hoverList(), row);
        }
        j.clickHeader(u"Paym"_s); // a header that is no command
        QVERIFY(j.list()->isVisible());

        j.clickHeader(u"Excel"_s);
        QCOMPARE(j.recordingShell.opened, QStringList{j.folder.filePath(u"Amort.csv"_s)});
        QCOMPARE(j.readFile(u"Amort.csv"_s), testData("amort-1000-4-10.csv"));

        j.clickHeader(u"X"_s);
        QVERIFY(!j.list()->isVisible() && chart->isVisible());
    }

    // A cash flow in the grid, a 360-payment schedule, then four decimal places:
    // fields, grid and list all show four, the list from its own texts.
    void decimalsOverLongSchedule()
    {
        LoanJourney j;
        j.start();
        j.typeFlows(1, {u"-1500"_s});
        j.enter({{u"Text(2)"_s, u"100000"_s}, {u"Text(0)"_s, u"360"_s}, {u"Text(1)"_s, u"0.5"_s}});
        j.click(j.control(u"Command(9)"_s));
        QCOMPARE(j.list()->model()->rowCount(), 360);
        QCOMPARE(j.listCell(359, 0), u"360"_s);
        QCOMPARE(j.listCell(0, 2), u"500.00"_s);
        j.checkListInView(); // with the vertical scroll bar too

        j.enter(u"Text2"_s, u"4"_s);
        QCOMPARE(j.field(u"Text(2)"_s), u"100,000.0000"_s);
        QCOMPARE(j.field(u"Text(3)"_s), u"599.5500"_s); // the payment as shown before, not recomputed
        QCOMPARE(j.cell(1, 1), u"(1,500.0000)"_s);
        QCOMPARE(j.listCell(0, 2), u"500.0000"_s);
        QCOMPARE(j.listCell(0, 5), u"599.5500"_s); // from its text: the payment itself is 599.5505...
        QCOMPARE(j.listCell(359, 6), u"0.0000"_s);
    }

    void exportIntoHeldFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("schedule") << u"Amort.csv"_s;
        QTest::newRow("cash flows") << u"Data.csv"_s;
    }

    // An export that cannot replace its file (a folder of that name holds it): the
    // message, and nothing opened.
    void exportIntoHeldFile()
    {
        QFETCH(QString, file);
        LoanJourney j;
        j.start();
        QVERIFY(QDir(j.folder.path()).mkdir(file));
        if (file == u"Amort.csv") {
            j.click(j.control(u"Command(9)"_s));
            j.clickHeader(u"Excel"_s);
        } else {
            j.click(j.control(u"Command(8)"_s));
        }
        QCOMPARE(j.messages.shown,
                 QStringList{u"Fail. Check if the file %1 is already open. Close it and try again!"_s.arg(file)});
        QVERIFY(j.recordingShell.opened.isEmpty());
    }
};

QTEST_MAIN(TestJourneyLoan)
#include "tst_journey_loan.moc"
