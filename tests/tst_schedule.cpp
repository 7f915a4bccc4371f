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
        const int count = amortList.rowCount();
        const auto cells = [&](int row) {
            QStringList texts;
            for (int c = 0; c <= 6 && count > 0; ++c)
                texts += amortList.text(row, c);
            return texts.join(u'|');
        };
        QCOMPARE(QString::number(count), rows);
        QTEST(cells(0), "first");
        QTEST(cells(count - 1), "last");
        if (count > 0) {
            QCOMPARE(amortList.key(count - 1), rows + u'p');
            QCOMPARE(pv.paym, count);
        }
    }

    // Each change of places reads every amount back from its text and formats it
    // again, as a list of texts would: compared with such a list kept by hand.
    void placesChanged_data()
    {
        QTest::addColumn<QString>("places");
        QTest::newRow("more") << u"2 4"_s;
        QTest::newRow("fewer, then more") << u"4 1 3"_s;
        QTest::newRow("down by steps") << u"6 5 3 2 0 4"_s;
        QTest::newRow("up and down") << u"3 0 6 2 5 1 6"_s;
    }
    void placesChanged()
    {
        QFETCH(QString, places);
        const QList<int> steps = [&] {
            QList<int> list;
            for (const QString &p : places.split(u' '))
                list += p.toInt();
            return list;
        }();
        const NumberTexts texts(English);
        const AmortFigures figures = {1.995, -0.0049999, 0.125, 1234.5678949, 1e20 / 3, 1.7976931348623157e308};
        AmortSchedule schedule{{figures}, std::int16_t(steps[0])};
        AmortList list;
        list.setSchedule(schedule, texts);
        QStringList kept;
        for (double f : figures)
            kept += texts.format(f, ZLen(steps[0]));
        for (int step : steps.mid(1)) {
            list.FormatListView(texts, std::int16_t(step));
            for (QString &text : kept) {
                if (const auto value = texts.toNumber(text))
                    text = texts.format(*value, ZLen(step));
            }
            QStringList shown;
            for (int c = 1; c <= 6; ++c)
                shown += list.text(0, c);
            QCOMPARE(shown, kept);
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
