// The time-value solver: the closed forms, the two annuity searches, and the
// steps that fail and leave their quantity unchanged.
#include "Checked.h"
#include "NumberTexts.h"
#include "TimeValue.h"

#include <QTest>

#include <array>
#include <cmath>
#include <tuple>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

using Solve = void (*)(ProjectValues &, FieldDisplay &);

ProjectValues values(double n, double i, double PV, double PMT, double FV)
{
    ProjectValues pv;
    std::tie(pv.n, pv.i, pv.PV, pv.PMT, pv.FV) = std::tie(n, i, PV, PMT, FV);
    return pv;
}
double &valueOf(ProjectValues &pv, int field)
{
    return *std::array{&pv.n, &pv.i, &pv.PV, &pv.PMT, &pv.FV}[size_t(field)];
}

// Shows values the way the input panel does: the field takes the plain text and
// the value is read back from it.
class ReadBackDisplay : public FieldDisplay
{
public:
    explicit ReadBackDisplay(ProjectValues &pv) : m_pv(pv) {}
    void show(int field, double value) override
    {
        ++shown;
        valueOf(m_pv, field) = *m_texts.toNumber(m_texts.plainText(value));
    }
    int shown = 0;

private:
    ProjectValues &m_pv;
    NumberTexts m_texts{QLocale(QLocale::English, QLocale::UnitedStates)};
};

} // namespace

Q_DECLARE_METATYPE(ProjectValues)

class TestTimeValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each routine solves its own quantity and leaves the other four as they were. A
    // failing step leaves its quantity unchanged too, and the routine goes on.
    void solve_data()
    {
        QTest::addColumn<int>("field"); // n, i, PV, PMT or FV, by its Calc_ routine
        QTest::addColumn<ProjectValues>("before");
        QTest::addColumn<double>("solved"); // to the 15 digits of its shown text

        // values(n, i, PV, PMT, FV)
        QTest::newRow("n by logarithm, PMT ignored") << int(Field_n) << values(0, 10, 1000, 77, 2000)
                                                     << 7.27254089734171;
        QTest::newRow("n with zero rate unchanged") << int(Field_n) << values(3, 0, 1000, 0, 2000) << 3.0;
        QTest::newRow("n: FV / PV negative, no logarithm") << int(Field_n) << values(3, 10, 1000, 0, -500) << 3.0;
        // No logarithm of zero; the search alone runs when FV = 0.
        QTest::newRow("n: i = -100 fails") << int(Field_n) << values(3, -100, 1000, 0, 2000) << 3.0;
        QTest::newRow("i by root") << int(Field_i) << values(10, 0, 1000, 0, 2000) << 7.17734625362931;
        QTest::newRow("i with n = 0 unchanged") << int(Field_i) << values(0, 4, 1000, 0, 2000) << 4.0;
        QTest::newRow("i: fractional power of a negative ratio") << int(Field_i) << values(2, 4, 1000, 0, -500) << 4.0;
        QTest::newRow("PV from FV wins over PMT") << int(Field_PV) << values(5, 10, 0, 100, 1000) << 620.921323059155;
        QTest::newRow("PV annuity") << int(Field_PV) << values(5, 10, 0, 100, 0) << 379.078676940845;
        QTest::newRow("PV zero rate") << int(Field_PV) << values(5, 0, 0, 100, 0) << 500.0;
        // (1 + r)^n = 0, so FV / 0 fails; the annuity step then runs on the old PV.
        QTest::newRow("PV: i = -100 fails") << int(Field_PV) << values(3, -100, 55, 10, 1000) << 55.0;
        QTest::newRow("PMT loan, FV ignored") << int(Field_PMT) << values(10, 6, 10000, 0, 10000) << 1358.67958220384;
        QTest::newRow("PMT sinking fund") << int(Field_PMT) << values(10, 6, 0, 0, 10000) << 758.679582203837;
        QTest::newRow("PMT zero rate") << int(Field_PMT) << values(4, 0, 1000, 0, 0) << 250.0;
        QTest::newRow("PMT zero rate ignores FV") << int(Field_PMT) << values(4, 0, 0, 9, 1000) << 0.0;
        QTest::newRow("PMT over 0 periods not computed") << int(Field_PMT) << values(0, 10, 1000, 42, 0) << 42.0;
        QTest::newRow("FV compound") << int(Field_FV) << values(4, 10, 1000, 0, 0) << 1464.1;
        QTest::newRow("FV annuity") << int(Field_FV) << values(4, 10, 0, 100, 0) << 464.1;
        QTest::newRow("FV: the power overflows") << int(Field_FV) << values(1e6, 10, 1000, 0, 123) << 123.0;
    }

    void solve()
    {
        QFETCH(int, field);
        QFETCH(ProjectValues, before);
        QFETCH(double, solved);
        static constexpr Solve solves[] = {Calc_n, Calc_i, Calc_PV, Calc_PMT, Calc_FV};
        ProjectValues pv = before;
        ReadBackDisplay display(pv);
        solves[field](pv, display);
        for (int k = Field_n; k <= Field_FV; ++k) {
            const double expected = k == field ? solved : valueOf(before, k);
            const double got = valueOf(pv, k);
            QVERIFY2(std::fabs(got - expected) <= 1e-13 * std::max(1.0, std::fabs(expected)),
                     qPrintable(QString::number(k) + u": "_s + QString::number(got, 'g', 17)));
        }
        if (field == Field_FV) // even when FV could not be computed
            QCOMPARE(pv.TI, pv.FV - pv.PV);
    }

    void searches_data()
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

    void searches()
    {
        QFETCH(bool, forN);
        QFETCH(ProjectValues, before);
        QFETCH(int, decimals);
        QFETCH(double, root);
        ProjectValues pv = before;
        const GridSearchResult result = forN ? Solver_n(pv) : Solver_i(pv);
        const NumberTexts texts(QLocale(QLocale::English, QLocale::UnitedStates));
        QTEST(texts.format(forN ? pv.n : pv.i, u"0."_s + QString(decimals, u'0')), "shown");
        QTEST(result.passes, "passes");
        if (root >= 0) {
            QVERIFY(result.x > root);
            QVERIFY(result.x < root + 1e-10);
        }
    }

    // A failing step cannot be hidden by a later operation; a quantity that stays
    // is still shown when its step failed late (FV / PV negative), not when the
    // routine gave up early (i = -100).
    void failingSteps()
    {
        QVERIFY(!(Checked(1) / 0).ok());
        QVERIFY(!(Checked(1) / (Checked(1e308) * 10)).ok()); // x / inf is 0, yet the step fails
        QVERIFY(!pow(Checked(-8), 1.0 / 3).ok());
        QVERIFY(!pow(Checked(0) / 0, 0).ok()); // pow(nan, 0) is 1, yet the step fails
        QVERIFY(!log(Checked(0)).ok());
        QVERIFY(!log(Checked(-1)).ok());
        QVERIFY(pow(Checked(-2), 3).ok());
        QCOMPARE(pow(Checked(-2), 3).value(), -8.0);
        for (const auto &[i, FV, shown] : {std::tuple(10.0, -500.0, 1), std::tuple(-100.0, 2000.0, 0)}) {
            ProjectValues pv = values(3, i, 1000, 0, FV);
            ReadBackDisplay display(pv);
            Calc_n(pv, display);
            QCOMPARE(display.shown, shown);
        }
    }
};

QTEST_GUILESS_MAIN(TestTimeValue)
#include "tst_timevalue.moc"
