// Numbers as text in both locales: the numeric test and conversion, the plain
// text, the print form, the format patterns (each through what it shows) and the
// 16-bit rounding.
#include "NumberPattern.h"
#include "NumberTexts.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Brazilian(QLocale::Portuguese, QLocale::Brazil);

// `text` written for en_US, turned into its pt_BR twin by swapping the separators.
QString brazilian(QString text)
{
    for (QChar &c : text)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return text;
}
} // namespace

class TestNumberTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void toNumber_data()
    {
        // en_US form, the pt_BR twin checked too. (Signs, parentheses, grouping and
        // exponents as the program writes them: shownTextsReadBack.)
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");

        QTest::newRow("blanks around") << u"  12  "_s << true << 12.0;
        QTest::newRow("trailing minus") << u"5-"_s << true << -5.0;
        QTest::newRow("leading plus") << u"+5"_s << true << 5.0;
        QTest::newRow("minus then blank") << u"- 5"_s << true << -5.0;
        QTest::newRow("trailing group, as typed") << u"1,"_s << true << 1.0;
        QTest::newRow("group before point") << u"-1,234,.5"_s << true << -1234.5;
        QTest::newRow("parentheses blanks") << u"( 7 )"_s << true << -7.0;
        QTest::newRow("lower-case e") << u"2e3"_s << true << 2000.0;
        QTest::newRow("no integer part") << u".5"_s << true << 0.5;
        QTest::newRow("no fraction") << u"5."_s << true << 5.0;
        QTest::newRow("underflow reads zero") << u"1E-400"_s << true << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("blanks only") << u"   "_s << false << 0.0;
        QTest::newRow("lone minus") << u"-"_s << false << 0.0;
        QTest::newRow("lone point") << u"."_s << false << 0.0;
        QTest::newRow("letters") << u"abc"_s << false << 0.0;
        QTest::newRow("digits then letter") << u"12a"_s << false << 0.0;
        QTest::newRow("two points") << u"1.2.3"_s << false << 0.0;
        QTest::newRow("two signs") << u"--5"_s << false << 0.0;
        QTest::newRow("both ends signed") << u"-5-"_s << false << 0.0;
        QTest::newRow("sign in parentheses") << u"(-5)"_s << false << 0.0;
        QTest::newRow("open parenthesis") << u"(5"_s << false << 0.0;
        QTest::newRow("group first") << u",5"_s << false << 0.0;
        QTest::newRow("group after point") << u"1.2,3"_s << false << 0.0;
        QTest::newRow("blank inside") << u"1 2"_s << false << 0.0;
        QTest::newRow("exponent without digits") << u"1E"_s << false << 0.0;
        QTest::newRow("overflow") << u"1E400"_s << false << 0.0;
    }

    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const std::pair<QLocale, QString> cases[] = {{English, text}, {Brazilian, brazilian(text)}};
        for (const auto &[locale, input] : cases) {
            const NumberTexts texts(locale);
            const auto result = texts.toNumber(input);
            QCOMPARE(texts.isNumeric(input), numeric);
            QCOMPARE(result.has_value(), numeric);
            QCOMPARE(result.value_or(0.0), value);
        }
    }

    void plainText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text"); // en_US form

        QTest::newRow("zero") << 0.0 << u"0"_s;
        QTest::newRow("negative zero") << -0.0 << u"0"_s;
        QTest::newRow("whole") << 1358.0 << u"1358"_s;
        QTest::newRow("no grouping") << 1234567.5 << u"1234567.5"_s;
        QTest::newRow("negative") << -2.5 << u"-2.5"_s;
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << u"0.3"_s;
        QTest::newRow("15 digits") << 1.0 / 3 << u"0.333333333333333"_s;
        QTest::newRow("rounded last digit") << 2.0 / 3 << u"0.666666666666667"_s;
        QTest::newRow("log ratio") << std::log(2.0) / std::log(1.1) << u"7.27254089734171"_s;
        QTest::newRow("largest plain") << 999999999999999.0 << u"999999999999999"_s;
        QTest::newRow("1E+15") << 1e15 << u"1E+15"_s;
        QTest::newRow("1E+16") << 1e16 << u"1E+16"_s;
        QTest::newRow("long mantissa") << 123456789012345678.0 << u"1.23456789012346E+17"_s;
        QTest::newRow("three-digit exponent") << 1e300 << u"1E+300"_s;
        QTest::newRow("smallest plain") << 0.0001 << u"0.0001"_s;
        QTest::newRow("1E-05") << 0.00001 << u"1E-05"_s;
        QTest::newRow("1E-07") << 1e-7 << u"1E-07"_s;
        QTest::newRow("negative small") << -1.5e-7 << u"-1.5E-07"_s;
        QTest::newRow("denormal") << std::numeric_limits<double>::denorm_min() << u"4.94065645841247E-324"_s;
        QTest::newRow("rounds up to power of ten") << 9.9999999999999999e15 << u"1E+16"_s;
        QTest::newRow("just below 1E-04") << 9.9999999999999896e-05 << u"9.99999999999999E-05"_s;
        QTest::newRow("rounds up to 1E-04") << 9.99999999999999996e-05 << u"0.0001"_s;
        QTest::newRow("rounds up to 1E+15") << 999999999999999.9 << u"1E+15"_s;
        QTest::newRow("tie to even") << 100000000000000.5 << u"100000000000000"_s;
        QTest::newRow("tie to even, odd") << 100000000000001.5 << u"100000000000002"_s;
    }

    void plainText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberTexts(English).plainText(value), text);
        QCOMPARE(NumberTexts(Brazilian).plainText(value), brazilian(text));
    }

    void printForm()
    {
        const NumberTexts english(English); // a whole number, " 4 ": Amort.csv in the loan journey
        QCOMPARE(english.printForm(0), u" 0 "_s);
        QCOMPARE(english.printForm(-2.5), u"-2.5 "_s);
        QCOMPARE(english.printForm(1e16), u" 1E+16 "_s);
        QCOMPARE(NumberTexts(Brazilian).printForm(1234.5), u" 1234,5 "_s);
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text"); // en_US form

        QTest::newRow("no decimals") << ZLen(0) << 1234.6 << u"1,235"_s;
        QTest::newRow("six decimals") << ZLen(6) << 0.1234565 << u"0.123457"_s;
        QTest::newRow("half rounds up") << ZLen(2) << 1000.005 << u"1,000.01"_s;
        QTest::newRow("half of the 15-digit form") << ZLen(2) << 2.675 << u"2.68"_s;
        QTest::newRow("carry into new digit") << ZLen(2) << 999.995 << u"1,000.00"_s;
        QTest::newRow("below one") << ZLen(2) << 0.005 << u"0.01"_s;
        QTest::newRow("rounds to zero") << ZLen(2) << 0.004 << u"0.00"_s;
        QTest::newRow("negative") << ZLen(2) << -1234.5 << u"-1,234.50"_s;
        QTest::newRow("negative rounds to zero") << ZLen(2) << -0.001 << u"0.00"_s;
        QTest::newRow("grouping of millions") << ZLen(1) << 1234567.25 << u"1,234,567.3"_s;
        QTest::newRow("beyond 15 digits") << ZLen(2) << 1e20 << u"100,000,000,000,000,000,000.00"_s;
        QTest::newRow("parentheses") << ZNeg(2) << -1234.5 << u"(1,234.50)"_s;
        QTest::newRow("parentheses zero") << ZNeg(2) << 0.0 << u"0.00"_s;
        QTest::newRow("parentheses rounds to zero") << ZNeg(2) << -0.004 << u"0.00"_s;
        QTest::newRow("parentheses positive") << ZNeg(0) << 1500.0 << u"1,500"_s;
        QTest::newRow("zero-padded") << ZInt(2) << 7.0 << u"07"_s;
        QTest::newRow("three digits") << ZInt(3) << 7.0 << u"007"_s;
        QTest::newRow("more digits than places") << ZInt(3) << 32767.0 << u"32767"_s;
        QTest::newRow("empty pattern is plain") << ZLen(7) << 1234.5678 << u"1234.5678"_s;
        QTest::newRow("negative places is plain") << ZNeg(-1) << -1234.5678 << u"-1234.5678"_s;
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberTexts(English).format(value, pattern), text);
        QCOMPARE(NumberTexts(Brazilian).format(value, pattern), brazilian(text));
    }

    void roundToInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("result");

        QTest::newRow("2.5 to even") << 2.5 << true << 2;
        QTest::newRow("3.5 to even") << 3.5 << true << 4;
        QTest::newRow("0.5 to even") << 0.5 << true << 0;
        QTest::newRow("-2.5 to even") << -2.5 << true << -2;
        QTest::newRow("-3.5 to even") << -3.5 << true << -4;
        QTest::newRow("below half") << 2.4999999999 << true << 2;
        QTest::newRow("above half") << 2.5000000001 << true << 3;
        QTest::newRow("top") << 32767.4 << true << 32767;
        QTest::newRow("rounds past top") << 32767.5 << false << 0;
        QTest::newRow("bottom half to even") << -32768.5 << true << -32768;
        QTest::newRow("below bottom") << -32768.6 << false << 0;
        QTest::newRow("huge") << 1e300 << false << 0;
        QTest::newRow("not a number") << std::nan("") << false << 0;
    }

    void roundToInt16()
    {
        QFETCH(double, value);
        const auto rounded = pelmora::roundToInt16(value);
        QTEST(rounded.has_value(), "fits");
        QTEST(int(rounded.value_or(0)), "result");
    }

    void shownTextsReadBack_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << English;
        QTest::newRow("pt_BR") << Brazilian;
    }

    // Every text the program shows reads back as the number it shows: the plain text
    // as the value to 15 digits, a pattern's text as the rounded value, and showing
    // the value read back gives the same text again.
    void shownTextsReadBack()
    {
        QFETCH(QLocale, locale);
        const NumberTexts texts(locale);
        QRandomGenerator random(20261205);
        for (int k = 0; k < 20000; ++k) {
            const double magnitude = std::pow(10.0, -12.0 + random.bounded(34.0));
            const double value = (random.bounded(2) ? -1 : 1) * random.generateDouble() * magnitude;

            const QString plain = texts.plainText(value);
            const auto plainBack = texts.toNumber(plain);
            QVERIFY2(plainBack, qPrintable(plain));
            QCOMPARE(texts.plainText(*plainBack), plain);
            QVERIFY(std::fabs(*plainBack - value) <= std::fabs(value) * 1e-14);

            const std::int16_t places = std::int16_t(random.bounded(7));
            for (const QString &pattern : {ZLen(places), ZNeg(places)}) {
                const QString shown = texts.format(value, pattern);
                const auto back = texts.toNumber(shown);
                QVERIFY2(back, qPrintable(shown));
                QCOMPARE(texts.format(*back, pattern), shown);
                QVERIFY(std::fabs(*back - value) <= 0.5 * std::pow(10.0, -places) + std::fabs(value) * 1e-14);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberTexts)
#include "tst_numbertexts.moc"
