// The schedule: the rows' count, keys and numbers, the payment number it leaves,
// the edge cases of the "Excel" text, and the list's column widths. (A loan listed
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

class TestSchedule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void rows_data() { addRowsFromTsv("schedules.tsv"); }
    void rows()
    {
        QFETCH(QString, PV);
        QFETCH(QString, n);
        QFETCH(QString, i);
        QFETCH(QString, rows);
        ProjectValues pv;
        AmortList amortList;
        InputPanel panel(pv, NumberTexts(English), &amortList);
        panel.setText(Field_PV, PV);
        panel.setText(Field_n, n);
        panel.setText(Field_i, i);
        panel.setText(Field_paym, QString());
        panel.clickCommand(Command::Amortization);
        const std::vector<AmortRow> &list = amortList.rows();
        const auto cells = [&](const AmortRow *row) {
            return row ? QStringList(row->cells.begin(), row->cells.end()).join(u'|') : QString();
        };
        QCOMPARE(QString::number(list.size()), rows);
        QTEST(cells(list.empty() ? nullptr : &list.front()), "first");
        QTEST(cells(list.empty() ? nullptr : &list.back()), "last");
        if (!list.empty()) {
            QCOMPARE(list.back().key, rows + u'p');
            QCOMPARE(pv.paym, list.size());
        }
    }

    // An empty list: the header block without "Interest %:" (PV = 0) and the
    // header line. A total beyond the largest double fails the export whole.
    void exportText()
    {
        const NumberTexts texts(English);
        ProjectValues pv;
        QCOMPARE(*ExcelAmortText(AmortList(), pv, texts, QString()), testData("amort-empty.csv"));
        pv.PV = pv.TI = 1e308;
        QVERIFY(!ExcelAmortText(AmortList(), pv, texts, QString()));
    }

    void columnWidths_data() { addRowsFromTsv("amort-column-widths.tsv"); }
    // Headers need 80 pixels each; "Paym", "Excel" and "X" keep their widths and,
    // where the twips do not fit, the nine fill the room exactly.
    void columnWidths()
    {
        QFETCH(QString, room);
        QFETCH(QString, texts);
        AmortList::AmountNeeds needs;
        for (int k = 0; k < 6; ++k) {
            needs.texts[size_t(k)] = texts.split(u' ').value(k).toInt();
            needs.headers[size_t(k)] = 80;
        }
        const auto widths = AmortList::fitColumnWidths(room.toInt(), 96, needs);
        QStringList amounts;
        for (int c = 1; c <= 6; ++c)
            amounts << QString::number(widths[size_t(c)]);
        QTEST(amounts.join(u' '), "amounts");
        QCOMPARE((QList<int>{widths[0], widths[7], widths[8]}), (QList<int>{47, 47, 20}));
        if (room.toInt() < 756)
            QCOMPARE(std::accumulate(widths.begin(), widths.end(), 0), room.toInt());
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
