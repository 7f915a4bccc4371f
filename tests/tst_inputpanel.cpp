// The input panel's logic: what typing keeps in a field and in the project
// values, the decimal places, and the one record that the windows share. (Fields
// typed and solved in a window: the loan journey; that a value shown is the
// value used: its last step, where new decimals show the payment as it was
// shown, not as computed.)
#include "AmortList.h"
#include "InputPanel.h"

#include <QSignalSpy>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestInputPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void typing_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QStringList>("keystrokes"); // successive texts of the field
        QTest::addColumn<QString>("text");          // what the field then holds
        QTest::addColumn<double>("value");          // and the project value

        QTest::newRow("1, 12, 12a") << int(Field_n) << QStringList{u"1"_s, u"12"_s, u"12a"_s} << QString() << 12.0;
        QTest::newRow("lone minus kept") << int(Field_PV) << QStringList{u"-"_s} << u"-"_s << 0.0;
        QTest::newRow("negative typed") << int(Field_PV) << QStringList{u"-"_s, u"-5"_s} << u"-5"_s << -5.0;
        QTest::newRow("lone minus in payment number") << int(Field_paym) << QStringList{u"-"_s} << QString() << 0.0;
        // Grouped numbers typed key by key: the language journey.
        QTest::newRow("parentheses") << int(Field_PMT) << QStringList{u"(30)"_s} << u"(30)"_s << -30.0;
        QTest::newRow("letters in a result field stay") << int(Field_BD) << QStringList{u"x"_s} << u"x"_s << 0.0;
        QTest::newRow("cell entry takes anything") << int(Field_CellEntry) << QStringList{u"abc"_s} << u"abc"_s << 0.0;
    }

    void typing()
    {
        QFETCH(int, field);
        QFETCH(QStringList, keystrokes);
        ProjectValues pv;
        InputPanel panel(pv, NumberTexts(English));
        QSignalSpy cellEntry(&panel, &InputPanel::cellEntryChanged);
        for (const QString &t : keystrokes)
            panel.setText(field, t);
        QTEST(panel.text(field), "text");
        const double values[] = {pv.n, pv.i, pv.PV, pv.PMT, pv.FV, pv.paym, pv.Amort, pv.IPaym, pv.BD, pv.TI, 0.0};
        QTEST(values[field], "value");
        QCOMPARE(cellEntry.count(), field == Field_CellEntry ? 1 : 0);
    }

    void decimalPlaces_data()
    {
        QTest::addColumn<QString>("decimals");
        QTest::addColumn<int>("nFix");
        QTest::addColumn<QString>("pvText");

        QTest::newRow("none") << u"0"_s << 0 << u"1,235"_s;
        QTest::newRow("2.5 to even") << u"2.5"_s << 2 << u"1,234.57"_s;
        QTest::newRow("3.5 to even") << u"3.5"_s << 4 << u"1,234.5678"_s;
        QTest::newRow("seven: plain") << u"7"_s << 7 << u"1234.5678"_s;
        QTest::newRow("minus one: plain") << u"-1"_s << -1 << u"1234.5678"_s;
        QTest::newRow("not a number keeps six") << u"x"_s << 6 << u"1,234.567800"_s;
        QTest::newRow("beyond 16 bits keeps six") << u"40000"_s << 6 << u"1,234.567800"_s;
    }

    void decimalPlaces()
    {
        QFETCH(QString, decimals);
        ProjectValues pv;
        InputPanel panel(pv, NumberTexts(English));
        panel.setDecimalsText(u"6"_s); // the typed value keeps its four decimals
        panel.setText(Field_PV, u"1234.5678"_s);
        QSignalSpy applied(&panel, &InputPanel::decimalsApplied);
        panel.setDecimalsText(decimals);
        QTEST(int(pv.nFix), "nFix");
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
