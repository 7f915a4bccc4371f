// The time-value solver: the closed forms, the two annuity searches, and the
// steps that fail and leave their quantity unchanged.
#include "Checked.h"
#include "NumberTexts.h"
#include "TimeValue.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

// Shows values the way the input panel does: the field takes the plain text and
// the value is read back from it.
class ReadBackDisplay : public FieldDisplay
{
public:
    explicit ReadBackDisplay(ProjectValues &pv) : m_pv(pv) {}
    void show(int field, double value) override
    {
        ++shown;
        const double back = *m_texts.toNumber(m_texts.plainText(value));
        double *target[] = {&m_pv.n, &m_pv.i, &m_pv.PV, &m_pv.PMT, &m_pv.FV};
        *target[field] = back;
    }
    int shown = 0;

private:
    ProjectValues &m_pv;
    NumberTexts m_texts{QLocale(QLocale::English, QLocale::UnitedStates)};
};

using Solve = void (*)(ProjectValues &, FieldDisplay &);

ProjectValues values(double n, double i, double PV, double PMT, double FV)
{
    ProjectValues pv;
    pv.n = n;
    pv.i = i;
    pv.PV = PV;
    pv.PMT = PMT;
    pv.FV = FV;
    return pv;
}

} // namespace

Q_DECLARE_METATYPE(Solve)
Q_DECLARE_METATYPE(ProjectValues)

class TestTimeValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void solve_data();
    void solve();
    void searches_data();
    void searches();
    void failingSteps();
};

void TestTimeValue::solve_data()
{
    QTest::addColumn<Solve>("solve");
    QTest::addColumn<ProjectValues>("before");
    QTest::addColumn<double>("PMT"); // expected, rounded to the cent in the checks
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("i");
    QTest::addColumn<double>("PV");
    QTest::addColumn<double>("FV");

    // values(n, i, PV, PMT, FV)
    QTest::newRow("n by logarithm, PMT ignored") << Solve(Calc_n) << values(0, 10, 1000, 77, 2000)
                                                 << 77.0 << 7.27254089734171 << 10.0 << 1000.0 << 2000.0;
    QTest::newRow("n with zero rate unchanged") << Solve(Calc_n) << values(3, 0, 1000, 0, 2000)
                                                << 0.0 << 3.0 << 0.0 << 1000.0 << 2000.0;
    QTest::newRow("i by root") << Solve(Calc_i) << values(10, 0, 1000, 0, 2000)
                               << 0.0 << 10.0 << 7.17734625362931 << 1000.0 << 2000.0;
    QTest::newRow("i with n = 0 unchanged") << Solve(Calc_i) << values(0, 4, 1000, 0, 2000)
                                            << 0.0 << 0.0 << 4.0 << 1000.0 << 2000.0;
    QTest::newRow("PV from FV wins over PMT") << Solve(Calc_PV) << values(5, 10, 0, 100, 1000)
                                              << 100.0 << 5.0 << 10.0 << 620.921323059155 << 1000.0;
    QTest::newRow("PV annuity") << Solve(Calc_PV) << values(5, 10, 0, 100, 0)
                                << 100.0 << 5.0 << 10.0 << 379.078676940845 << 0.0;
    QTest::newRow("PV zero rate") << Solve(Calc_PV) << values(5, 0, 0, 100, 0)
                                  << 100.0 << 5.0 << 0.0 << 500.0 << 0.0;
    QTest::newRow("PMT loan, FV ignored") << Solve(Calc_PMT) << values(10, 6, 10000, 0, 10000)
                                          << 1358.67958220384 << 10.0 << 6.0 << 10000.0 << 10000.0;
    QTest::newRow("PMT sinking fund") << Solve(Calc_PMT) << values(10, 6, 0, 0, 10000)
                                      << 758.679582203837 << 10.0 << 6.0 << 0.0 << 10000.0;
    QTest::newRow("PMT zero rate") << Solve(Calc_PMT) << values(4, 0, 1000, 0, 0)
                                   << 250.0 << 4.0 << 0.0 << 1000.0 << 0.0;
    QTest::newRow("PMT zero rate ignores FV") << Solve(Calc_PMT) << values(4, 0, 0, 9, 1000)
                                              << 0.0 << 4.0 << 0.0 << 0.0 << 1000.0;
    QTest::newRow("FV compound") << Solve(Calc_FV) << values(4, 10, 1000, 0, 0)
                                 << 0.0 << 4.0 << 10.0 << 1000.0 << 1464.1;
    QTest::newRow("FV annuity") << Solve(Calc_FV) << values(4, 10, 0, 100, 0)
                                << 100.0 << 4.0 << 10.0 << 0.0 << 464.1;
}

void TestTimeValue::solve()
{
    QFETCH(Solve, solve);
    QFETCH(ProjectValues, before);
    QFETCH(double, PMT);
    QFETCH(double, n);
    QFETCH(double, i);
    QFETCH(double, PV);
    QFETCH(double, FV);
    ProjectValues pv = before;
    ReadBackDisplay display(pv);
    solve(pv, display);
    // Shown values carry 15 significant digits.
    auto close = [](double a, double b) { return std::fabs(a - b) <= 1e-14 * std::max(1.0, std::fabs(b)) * 10; };
    QVERIFY2(close(pv.n, n), qPrintable(QString::number(pv.n, 'g', 17)));
    QVERIFY2(close(pv.i, i), qPrintable(QString::number(pv.i, 'g', 17)));
    QVERIFY2(close(pv.PV, PV), qPrintable(QString::number(pv.PV, 'g', 17)));
    QVERIFY2(close(pv.PMT, PMT), qPrintable(QString::number(pv.PMT, 'g', 17)));
    QVERIFY2(close(pv.FV, FV), qPrintable(QString::number(pv.FV, 'g', 17)));
    if (solve == Solve(Calc_FV))
        QCOMPARE(pv.TI, pv.FV - pv.PV);
}

void TestTimeValue::searches_data()
{
    QTest::addColumn<bool>("forN");
    QTest::addColumn<ProjectValues>("before");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("shown"); // the reported point at that many decimals
    QTest::addColumn<int>("passes");
    QTest::addColumn<double>("root"); // the reported point lies past it, never before

    // values(n, i, PV, PMT, FV)
    QTest::newRow("n of a loan") << true << values(0, 5, 1000, 200, 0) << 11 << u"5.89631286037"_s << 11
                                 << 5.896312860369906;
    QTest::newRow("i of a loan") << false << values(4, 0, 1000, 300, 0) << 4 << u"7.7138"_s << 11
                                 << 7.713847295208355;
    QTest::newRow("no payment: n") << true << values(0, 5, 1000, 0, 0) << 2 << u"0.00"_s << 13 << -1.0; // no root
    QTest::newRow("no payment: i") << false << values(4, 0, 1000, 0, 0) << 2 << u"0.00"_s << 13 << -1.0; // no root
}

void TestTimeValue::searches()
{
    QFETCH(bool, forN);
    QFETCH(ProjectValues, before);
    QFETCH(int, decimals);
    QFETCH(QString, shown);
    QFETCH(int, passes);
    QFETCH(double, root);
    ProjectValues pv = before;
    const GridSearchResult result = forN ? Solver_n(pv) : Solver_i(pv);
    const NumberTexts texts(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString pattern = u"0."_s + QString(decimals, u'0');
    QCOMPARE(texts.format(forN ? pv.n : pv.i, pattern), shown);
    QCOMPARE(result.passes, passes);
    if (root >= 0) {
        QVERIFY(result.x > root);
        QVERIFY(result.x < root + 1e-10);
    }
}

// A failing step leaves its quantity unchanged and the routine goes on; the
// failure cannot be hidden by a later operation.
void TestTimeValue::failingSteps()
{
    QVERIFY(!(Checked(1) / 0).ok());
    QVERIFY(!(Checked(1) / (Checked(1e308) * 10)).ok()); // x / inf is 0, yet the step fails
    QVERIFY(!pow(Checked(-8), 1.0 / 3).ok());
    QVERIFY(!pow(Checked(0) / 0, 0).ok()); // pow(nan, 0) is 1, yet the step fails
    QVERIFY(!log(Checked(0)).ok());
    QVERIFY(!log(Checked(-1)).ok());
    QVERIFY(pow(Checked(-2), 3).ok());
    QCOMPARE(pow(Checked(-2), 3).value(), -8.0);

    {   // FV / PV negative: the logarithm fails, n keeps its value and is shown.
        ProjectValues pv = values(3, 10, 1000, 0, -500);
        ReadBackDisplay display(pv);
        Calc_n(pv, display);
        QCOMPARE(pv.n, 3.0);
        QCOMPARE(display.shown, 1);
    }
    {   // i = -100: no logarithm of zero; the search alone runs when FV = 0.
        ProjectValues pv = values(3, -100, 1000, 0, 2000);
        ReadBackDisplay display(pv);
        Calc_n(pv, display);
        QCOMPARE(pv.n, 3.0);
        QCOMPARE(display.shown, 0);
    }
    {   // A fractional power of a negative ratio: i unchanged.
        ProjectValues pv = values(2, 4, 1000, 0, -500);
        ReadBackDisplay display(pv);
        Calc_i(pv, display);
        QCOMPARE(pv.i, 4.0);
    }
    {   // i = -100: (1 + r)^n = 0, so FV / 0 fails; the annuity step then runs on the old PV.
        ProjectValues pv = values(3, -100, 55, 10, 1000);
        ReadBackDisplay display(pv);
        Calc_PV(pv, display);
        QCOMPARE(pv.PV, 55.0);
    }
    {   // Overflow of the power: FV unchanged, TI still follows it.
        ProjectValues pv = values(1e6, 10, 1000, 0, 123);
        ReadBackDisplay display(pv);
        Calc_FV(pv, display);
        QCOMPARE(pv.FV, 123.0);
        QCOMPARE(pv.TI, 123.0 - 1000.0);
    }
    {   // The payment of a loan over 0 periods is not computed.
        ProjectValues pv = values(0, 10, 1000, 42, 0);
        ReadBackDisplay display(pv);
        Calc_PMT(pv, display);
        QCOMPARE(pv.PMT, 42.0);
    }
}

QTEST_GUILESS_MAIN(TestTimeValue)
#include "tst_timevalue.moc"
