#pragma once

// Numbers as text, in the user's regional settings. Every text that the program
// shows or reads as a number goes through this one module: the numeric test of a
// field, the conversion of a text to a double, the plain text of a double, the
// print form of the files and the format patterns.
//
// The separators and signs come from QLocale. The digits are generated and read by
// <charconv>, which never looks at the C library's locale, so a figure reads and
// prints the same on every machine whatever locale the OS has generated.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace pelmora {

class NumberPattern;

class NumberTexts
{
public:
    // The default is the user's locale (QLocale::system() unless a test pinned
    // another one with QLocale::setDefault).
    explicit NumberTexts(const QLocale &locale = QLocale());

    // The locale-aware numeric test: surrounding blanks, one leading or trailing
    // sign, the locale's decimal point and thousands separators, a negative in
    // parentheses, an exponent. Empty text, a lone sign and letters are not numbers.
    bool isNumeric(QStringView text) const { return toNumber(text).has_value(); }
    std::optional<double> toNumber(QStringView text) const;

    // The same conversion, telling a text that is no number from one whose
    // magnitude no double can hold (the two errors a conversion can raise).
    enum class Conversion { Ok, NotANumber, Overflow };
    Conversion convert(QStringView text, double &value) const;

    // The plain text of a double, as a value shown by a calculation: up to 15
    // significant digits, no grouping, no trailing zeros, exponent form (1E+16,
    // 1E-07) when the magnitude is 1E+15 or more, or below 1E-04.
    QString plainText(double value) const;

    // The print form of the project and settings files: a blank or the minus sign
    // before the plain text, one blank after it (" 4 ", "-2.5 ").
    QString printForm(double value) const;

    // `value` in a format pattern of ZLen/ZNeg/ZInt; the empty pattern gives the
    // plain text.
    QString format(double value, QStringView pattern) const;
    QString format(double value, const NumberPattern &pattern) const;

private:
    QString m_decimal;
    QString m_group;
    QString m_minus;
    QString m_plus;
};

// Rounds to a 16-bit integer with halves to the even neighbour; fails (nullopt)
// when the rounded value lies outside -32768..32767 or the input is not finite.
std::optional<std::int16_t> roundToInt16(double value);

} // namespace pelmora
