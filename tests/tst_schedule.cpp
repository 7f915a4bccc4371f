// The payment figures and the schedule: the rows' count, keys and numbers, the
// edge cases of the "Excel" text, and the list's column widths. (A loan listed
// and exported: the loan journey.)
#include "AmortList.h"
#include "InputPanel.h"
#include "NumberPattern.h"
#include "TestData.h"

#include <QTest>

#include <numeric>

using namespace pelmora;
using namespace pelmora::testing;
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

    void rowCount_data() { addRowsFromTsv("schedule-lengths.tsv"); }
    void rowCount()
    {
        QFETCH(QString, n);
        QFETCH(QString, rows);
        Loan loan(u"1000"_s, n, u"1"_s);
        loan.panel.setDecimalsText(u"7"_s); // keep n as typed
        loan.panel.clickCommand(Command::Amortization);
        QCOMPARE(QString::number(loan.list.rows().size()), rows);
        if (!loan.list.rows().empty()) {
            QTEST(loan.cell(1, 0), "firstNumber");
            QCOMPARE(loan.list.rows().back().key, rows + u'p');
        }
    }

    void zeroRate()
    {
        Loan loan(u"1200"_s, u"12"_s, u"0"_s);
        loan.panel.clickCommand(Command::Amortization);
        QCOMPARE(loan.list.rows().size(), size_t(12));
        for (int j = 1; j <= 12; ++j) {
            QCOMPARE(loan.cell(j, 1), u"100.00"_s);
            QCOMPARE(loan.cell(j, 2), u"0.00"_s);
            QCOMPARE(loan.cell(j, 6), NumberTexts(English).format(1200 - 100 * j, ZLen(2)));
        }
    }

    void paymentNumberAfterSchedule()
    {
        Loan loan(u"1000"_s, u"4"_s, u"10"_s);
        loan.panel.setText(Field_paym, QString()); // no payment number
        loan.panel.clickCommand(Command::Amortization);
        QCOMPARE(loan.pv.paym, 4.0); // left at the last row's number
        QCOMPARE(loan.panel.text(Field_BD), u"0.00"_s);
    }

    void exportText()
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
        {   // A total beyond the largest double fails the export as a whole.
            ProjectValues pv;
            pv.PV = 1e308;
            pv.TI = 1e308;
            QVERIFY(!ExcelAmortText(AmortList(), pv, texts, QString()));
        }
    }

    void columnWidths_data()
    {
        QTest::addColumn<int>("room");
        QTest::addColumn<QList<int>>("texts");   // what each amount column needs
        QTest::addColumn<QList<int>>("amounts"); // the widths they get
        const QList<int> sixty(6, 60);
        // At 96 dpi the twip widths are 47, 107 (six times), 47 and 20 pixels: 756.
        QTest::newRow("wide enough: twips") << 800 << sixty << QList<int>(6, 107);
        QTest::newRow("amounts and headers whole") << 600 << sixty << QList<int>(6, 81);
        QTest::newRow("headers share what they lack") << 560 << sixty << QList<int>{75, 75, 74, 74, 74, 74};
        QTest::newRow("too narrow: the narrowest whole")
            << 400 << QList<int>{40, 40, 70, 70, 70, 70} << QList<int>{40, 40, 52, 52, 51, 51};
    }

    // Headers need 80 pixels each; "Paym", "Excel" and "X" keep their widths and,
    // where the twips do not fit, the nine fill the room exactly.
    void columnWidths()
    {
        QFETCH(int, room);
        QFETCH(QList<int>, texts);
        AmortList::AmountNeeds needs;
        for (int k = 0; k < 6; ++k) {
            needs.texts[size_t(k)] = texts[k];
            needs.headers[size_t(k)] = 80;
        }
        const auto widths = AmortList::fitColumnWidths(room, 96, needs);
        QTEST(QList<int>(widths.begin() + 1, widths.begin() + 7), "amounts");
        QCOMPARE((QList<int>{widths[0], widths[7], widths[8]}), (QList<int>{47, 47, 20}));
        if (room < 756)
            QCOMPARE(std::accumulate(widths.begin(), widths.end(), 0), room);
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
