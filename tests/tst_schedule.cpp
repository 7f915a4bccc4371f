// The payment figures and the schedule: closed-form rows, their count, their
// keys and numbers, the totals, the list's re-format and the "Excel" text.
#include "AmortList.h"
#include "InputPanel.h"
#include "NumberPattern.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);

struct Loan
{
    ProjectValues pv;
    AmortList list;
    InputPanel panel{pv, NumberTexts(English), &list};

    Loan(const QString &PV, const QString &n, const QString &i)
    {
        panel.setText(Field_PV, PV);
        panel.setText(Field_n, n);
        panel.setText(Field_i, i);
    }
    QString cell(int row, int column) const { return list.rows().at(size_t(row - 1)).cells[size_t(column)]; }
};
} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void loanRows();
    void rowCount_data();
    void rowCount();
    void zeroRate();
    void paymentNumberAfterSchedule();
    void listReformat();
    void exportText();
};

void TestSchedule::loanRows()
{
    Loan loan(u"1000"_s, u"4"_s, u"10"_s);
    loan.panel.setText(Field_paym, u"1"_s);
    loan.panel.clickCommand(9);
    QVERIFY(loan.list.isVisible());
    QCOMPARE(loan.list.rows().size(), size_t(4));
    const QStringList first = {u"01"_s, u"215.47"_s, u"100.00"_s, u"215.47"_s, u"100.00"_s, u"315.47"_s, u"784.53"_s};
    const QStringList last = {u"04"_s, u"286.79"_s, u"28.68"_s, u"1,000.00"_s, u"261.88"_s, u"1,261.88"_s, u"0.00"_s};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(loan.cell(1, c), first[c]);
        QCOMPARE(loan.cell(4, c), last[c]);
    }
    QCOMPARE(loan.list.rows()[2].key, u"3p"_s);
    QCOMPARE(loan.panel.text(Field_TI), u"261.88"_s);
    QCOMPARE(loan.panel.text(Field_Amort), u"215.47"_s); // payment 1 again
}

void TestSchedule::rowCount_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstNumber");

    QTest::newRow("2.5 rounds to 2") << u"2.5"_s << 2 << u"01"_s;
    QTest::newRow("3.5 rounds to 4") << u"3.5"_s << 4 << u"01"_s;
    QTest::newRow("99: two digits") << u"99"_s << 99 << u"01"_s;
    QTest::newRow("120: three digits") << u"120"_s << 120 << u"001"_s;
    QTest::newRow("largest") << u"32767"_s << 32767 << u"001"_s;
    QTest::newRow("beyond 16 bits: none") << u"32768"_s << 0 << QString();
    QTest::newRow("below one: none") << u"0.4"_s << 0 << QString();
}

void TestSchedule::rowCount()
{
    QFETCH(QString, n);
    QFETCH(int, rows);
    QFETCH(QString, firstNumber);
    Loan loan(u"1000"_s, n, u"1"_s);
    loan.panel.setDecimalsText(u"7"_s); // keep n as typed
    loan.panel.clickCommand(9);
    QCOMPARE(int(loan.list.rows().size()), rows);
    if (rows > 0) {
        QCOMPARE(loan.cell(1, 0), firstNumber);
        QCOMPARE(loan.list.rows().back().key, QString::number(rows) + u'p');
    }
}

void TestSchedule::zeroRate()
{
    Loan loan(u"1200"_s, u"12"_s, u"0"_s);
    loan.panel.clickCommand(9);
    QCOMPARE(loan.list.rows().size(), size_t(12));
    for (int j = 1; j <= 12; ++j) {
        QCOMPARE(loan.cell(j, 1), u"100.00"_s);
        QCOMPARE(loan.cell(j, 2), u"0.00"_s);
        QCOMPARE(loan.cell(j, 6), NumberTexts(English).format(1200 - 100 * j, ZLen(2)));
    }
}

void TestSchedule::paymentNumberAfterSchedule()
{
    Loan loan(u"1000"_s, u"4"_s, u"10"_s);
    loan.panel.setText(Field_paym, QString()); // no payment number
    loan.panel.clickCommand(9);
    QCOMPARE(loan.pv.paym, 4.0); // left at the last row's number
    QCOMPARE(loan.panel.text(Field_BD), u"0.00"_s);
}

void TestSchedule::listReformat()
{
    Loan loan(u"1000"_s, u"4"_s, u"10"_s);
    loan.panel.clickCommand(9);
    loan.list.FormatListView(NumberTexts(English), 4);
    QCOMPARE(loan.cell(4, 3), u"1,000.0000"_s);
    QCOMPARE(loan.cell(1, 1), u"215.4700"_s); // from the cell's text, not recomputed
    QCOMPARE(loan.cell(1, 0), u"01"_s);
}

void TestSchedule::exportText()
{
    const NumberTexts texts(English);
    {   // An empty list: the header block and the header line only.
        ProjectValues pv;
        AmortList list;
        const QByteArray text = *ExcelAmortText(list, pv, texts, QString());
        QCOMPARE(text.count("\r\n"), 7); // no "Interest %:" with PV = 0
        QVERIFY(!text.contains("Interest %:"));
        QVERIFY(text.endsWith("Paym;Amortization;Interest;Cum Amort;Cum Interest;Cum Payment;Balance Due\r\n"));
    }
    {
        Loan loan(u"1000"_s, u"4"_s, u"10"_s);
        loan.panel.clickCommand(9);
        const QByteArray text = *ExcelAmortText(loan.list, loan.pv, texts, u","_s);
        QVERIFY(text.contains("\r\nPayments:, 4 \r\n"));
        QVERIFY(text.contains("\r\n 4 ,286.79,28.68,1,000.00,261.88,1,261.88,0.00\r\n"));
        QVERIFY(!text.contains('"'));
    }
    {   // A total beyond the largest double fails the export as a whole.
        ProjectValues pv;
        pv.PV = 1e308;
        pv.TI = 1e308;
        QVERIFY(!ExcelAmortText(AmortList(), pv, texts, QString()));
    }
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
