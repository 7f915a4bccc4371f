#pragma once

// Format patterns of the common number-format language ("#,##0.00;(#,##0.00)")
// and the three pattern pickers of the program. A pattern has a section for
// positive numbers and zero and an optional one for negatives; in a section `0`
// forces a digit, `#` is an optional digit, `,` between digit places asks for
// thousands grouping, `.` marks the decimal point, and other characters before or
// after the digit places are copied as they stand.

#include <QString>
#include <QStringView>

#include <cstdint>

namespace pelmora {

class NumberPattern
{
public:
    struct Section
    {
        QString prefix;
        QString suffix;
        int minIntegerDigits = 0;
        int decimals = 0;
        bool grouping = false;
    };

    NumberPattern() = default; // the empty pattern: plain text
    static NumberPattern parse(QStringView pattern);

    bool isPlain() const { return m_plain; }
    bool hasNegativeSection() const { return m_hasNegative; }
    const Section &positive() const { return m_positive; }
    const Section &negative() const { return m_negative; }

private:
    static Section parseSection(QStringView text);

    bool m_plain = true;
    bool m_hasNegative = false;
    Section m_positive;
    Section m_negative;
};

// The pattern pickers: amounts, amounts with negatives in parentheses, and
// zero-padded whole numbers. A digit count they do not know gives the empty
// pattern, that is the plain text of the number.
QString ZLen(std::int16_t nf);
QString ZNeg(std::int16_t nf);
QString ZInt(std::int16_t nf);

} // namespace pelmora
