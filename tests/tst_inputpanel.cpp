// The input panel's logic: what typing keeps in a field and in the project
// values, the decimal places, and the one record that the windows share. (Fields
// typed and solved in a window: the loan journey; that a value shown is the
// value used: its last step, where new decimals show the payment as it was
// shown, not as computed.)
#include "AmortList.h"
#include "InputPanel.h"
#include "TestData.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

class TestInputPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void typing_data() { addRowsFromTsv("panel-typing.tsv"); }
    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, keystrokes);
        QFETCH(QString, value);
        const int k = field.toInt();
        ProjectValues pv;
        InputPanel panel(pv, NumberTexts(English));
        QSignalSpy cellEntry(&panel, &InputPanel::cellEntryChanged);
        for (const QString &t : keystrokes.split(u'|'))
            panel.setText(k, t);
        QTEST(panel.text(k), "text");
        const double values[] = {pv.n, pv.i, pv.PV, pv.PMT, pv.FV, pv.paym, pv.Amort, pv.IPaym, pv.BD, pv.TI, 0.0};
        QCOMPARE(values[k], std::strtod(value.toLatin1().constData(), nullptr));
        QCOMPARE(cellEntry.count(), k == Field_CellEntry ? 1 : 0);
    }

    void decimalPlaces_data() { addRowsFromTsv("panel-decimals.tsv"); }
    void decimalPlaces()
    {
        QFETCH(QString, decimals);
        QFETCH(QString, nFix);
        ProjectValues pv;
        InputPanel panel(pv, NumberTexts(English));
        panel.setDecimalsText(u"6"_s); // the typed value keeps its four decimals
        panel.setText(Field_PV, u"1234.5678"_s);
        QSignalSpy applied(&panel, &InputPanel::decimalsApplied);
        panel.setDecimalsText(decimals);
        QCOMPARE(int(pv.nFix), nFix.toInt());
        QTEST(panel.text(Field_PV), "pvText");
        QCOMPARE(applied.count(), 1);
        QCOMPARE(panel.text(Field_paym), u"0"_s); // the payment number is never re-formatted
    }

    // Two windows over the one shared record: each loads its own fields (an
    // unfinished entry as zero) and decimal places, and solves on them.
    void twoPanelsShareOneRecord()
    {
        ProjectValues shared;
        InputPanel first(shared, NumberTexts(English));
        InputPanel second(shared, NumberTexts(English));
        first.setText(Field_PV, u"10000"_s);
        first.setText(Field_n, u"10"_s);
        first.setText(Field_i, u"6"_s);
        first.setText(Field_FV, u"-"_s);
        second.LoadInputs();
        second.setText(Field_PV, u"1000"_s);
        second.setText(Field_n, u"4"_s);
        second.setText(Field_i, u"10"_s);
        second.setText(Field_FV, u"500"_s);
        second.setDecimalsText(u"4"_s);
        first.LoadInputs();
        QCOMPARE(shared.FV, 0.0);
        first.clickCommand(Command::SolvePMT);
        QCOMPARE(first.text(Field_PMT), u"1,358.68"_s);
        second.LoadInputs();
        second.clickCommand(Command::SolvePMT);
        QCOMPARE(second.text(Field_PMT), u"315.4708"_s);
    }
};

QTEST_GUILESS_MAIN(TestInputPanel)
#include "tst_inputpanel.moc"
