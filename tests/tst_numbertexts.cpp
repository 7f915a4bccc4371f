// Numbers as text in both locales: the numeric test and conversion, the plain
// text, the format patterns (each through what it shows) and the 16-bit rounding.
#include "NumberPattern.h"
#include "NumberTexts.h"
#include "TestData.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

class TestNumberTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    // Typed in en_US form; the pt_BR twin reads the same. (Signs, parentheses,
    // grouping and exponents as the program writes them: shownTextsReadBack.)
    void toNumber_data() { addRowsFromTsv("number-readings.tsv"); }
    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, number); // empty: not numeric
        for (const auto &[locale, input] : {std::pair{English, text}, {Brazilian, decimalCommaTwin(text)}}) {
            const NumberTexts texts(locale);
            const auto result = texts.toNumber(input);
            QCOMPARE(texts.isNumeric(input), !number.isEmpty());
            QCOMPARE(result.has_value(), !number.isEmpty());
            if (result)
                QCOMPARE(*result, exactNumber(number));
        }
    }

    void plainText_data() { addRowsFromTsv("plain-texts.tsv"); }
    void plainText()
    {
        QFETCH(QString, number);
        QFETCH(QString, text);
        QCOMPARE(NumberTexts(English).plainText(exactNumber(number)), text);
        QCOMPARE(NumberTexts(Brazilian).plainText(exactNumber(number)), decimalCommaTwin(text));
    }

    void patterns_data() { addRowsFromTsv("pattern-texts.tsv"); }
    void patterns()
    {
        QFETCH(QString, picker);
        QFETCH(QString, places);
        QFETCH(QString, number);
        QFETCH(QString, text);
        const auto pick = picker == u"ZLen" ? ZLen : picker == u"ZNeg" ? ZNeg : ZInt;
        const QString pattern = pick(std::int16_t(places.toInt()));
        QCOMPARE(NumberTexts(English).format(exactNumber(number), pattern), text);
        QCOMPARE(NumberTexts(Brazilian).format(exactNumber(number), pattern), decimalCommaTwin(text));
    }

    void roundToInt16_data() { addRowsFromTsv("int16-roundings.tsv"); }
    void roundToInt16()
    {
        QFETCH(QString, number);
        QFETCH(QString, rounded); // empty: does not fit
        const auto result = pelmora::roundToInt16(exactNumber(number));
        QCOMPARE(result ? QString::number(*result) : QString(), rounded);
    }

    // Every text the program shows reads back as the number it shows: the plain text
    // as the value to 15 digits, a pattern's text as the rounded value, and showing
    // the value read back gives the same text again.
    void shownTextsReadBack()
    {
        QRandomGenerator random(20261205);
        for (int k = 0; k < 40000; ++k) {
            const NumberTexts texts(k % 2 ? Brazilian : English);
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
