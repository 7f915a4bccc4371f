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
        QFETCH(QString, loaded);
        const int k = field.toInt();
        ProjectValues pv;
        InputPanel panel(pv, NumberTexts(English));
        QSignalSpy cellEntry(&panel, &InputPanel::cellEntryChanged);
        for (const QString &t : keystrokes.split(u'|'))
            panel.setText(k, t);
        QTEST(panel.text(k), "text");
        const auto values = [&] {
            return std::array{pv.n, pv.i, pv.PV, pv.PMT, pv.FV, double(pv.paym), pv.Amort, pv.IPaym, pv.BD, pv.TI, 0.0};
        };
        QCOMPARE(values()[k], std::strtod(value.toLatin1().constData(), nullptr));
        QCOMPARE(cellEntry.count(), k == Field_CellEntry ? 1 : 0);
        pv.n = pv.i = pv.PV = pv.PMT = pv.FV = pv.paym = pv.Amort = pv.IPaym = pv.BD = pv.TI = 99;
        panel.LoadInputs();
        QCOMPARE(values()[k], std::strtod(loaded.toLatin1().constData(), nullptr));
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
};

QTEST_GUILESS_MAIN(TestInputPanel)
#include "tst_inputpanel.moc"
