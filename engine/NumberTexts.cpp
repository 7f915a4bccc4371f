#include "NumberTexts.h"

#include "NumberPattern.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace pelmora {

namespace {

// A finite non-zero magnitude rounded to 15 significant digits: 0.d1d2...d15 is
// not the form; the value is d1.d2...d15 x 10^exponent.
struct Decimal15
{
    std::array<char, 15> digits{};
    int exponent = 0;
};

// 10^0 .. 10^19, every power of ten that 64 bits hold.
constexpr std::array<unsigned long long, 20> PowersOfTen = [] {
    std::array<unsigned long long, 20> powers{};
    powers[0] = 1;
    for (size_t k = 1; k < powers.size(); ++k)
        powers[k] = powers[k - 1] * 10;
    return powers;
}();
static_assert(PowersOfTen[19] == 10000000000000000000ULL);

// Exact for 1E-05 <= magnitude < 1E+15, where nearly every amount lies: with
// magnitude = m * 2^k (m a 53-bit integer, k < 0) and s = 14 - e, the 15-digit
// integer is m * 10^s / 2^-k rounded half to even, computed without any rounding
// in 128-bit integers (m * 10^19 < 2^117). Returns false outside that range.
bool toDecimal15Exact(double magnitude, Decimal15 &d)
{
    if (!(magnitude >= 1e-5 && magnitude < 1e15))
        return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits); // a normal double in this range
    const int biased = int(bits >> 52) & 0x7ff;
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int shift = 1075 - biased; // magnitude = mantissa / 2^shift
    if (shift <= 0 || shift > 120)
        return false;

    // First guess of the decimal exponent, floor(log10(2^(biased - 1023))), at most
    // one below the true one; the exact quotient corrects it.
    int e = ((biased - 1023) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 14 - e;
        if (scale < 0 || scale > 19)
            return false;
        const unsigned __int128 scaled = (unsigned __int128)mantissa * PowersOfTen[size_t(scale)];
        unsigned long long q = (unsigned long long)(scaled >> shift); // truncated
        if (q >= PowersOfTen[15]) {
            ++e;
            continue;
        }
        if (q < PowersOfTen[14]) {
            --e;
            continue;
        }
        const unsigned __int128 remainder = scaled - ((unsigned __int128)q << shift);
        const unsigned __int128 half = (unsigned __int128)1 << (shift - 1);
        if (remainder > half || (remainder == half && (q & 1)))
            ++q;
        if (q == PowersOfTen[15]) { // 9.99..95 rounds to 1.0 x 10^(e+1)
            q = PowersOfTen[14];
            ++e;
        }
        static constexpr char pairs[] =
            "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
            "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
            "8081828384858687888990919293949596979899";
        for (int k = 13; k >= 1; k -= 2) {
            const unsigned pair = unsigned(q % 100);
            q /= 100;
            d.digits[size_t(k)] = pairs[2 * pair];
            d.digits[size_t(k + 1)] = pairs[2 * pair + 1];
        }
        d.digits[0] = char('0' + q);
        d.exponent = e;
        return true;
    }
    return false;
}

Decimal15 toDecimal15(double magnitude)
{
    Decimal15 d;
    if (toDecimal15Exact(magnitude, d))
        return d;

    // "d.dddddddddddddde+XXX": correctly rounded, independent of any locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    d.digits[0] = buffer[0];
    for (int k = 1; k < 15; ++k)
        d.digits[k] = buffer[k + 1];
    int exponent = 0;
    std::from_chars(buffer + 17 + (buffer[17] == '+' ? 1 : 0), result.ptr, exponent);
    d.exponent = exponent;
    return d;
}

// Small text builder: appending char16_t to a stack buffer, one QString at the end.
class TextBuffer
{
public:
    void put(char16_t c)
    {
        if (m_size < Capacity)
            m_data[m_size++] = c;
        else
            m_overflow += QChar(c);
    }
    void put(const QString &s)
    {
        for (QChar c : s)
            put(c.unicode());
    }
    void putDigit(char c) { put(char16_t(c)); }
    QString take() const
    {
        QString text(reinterpret_cast<const QChar *>(m_data), m_size);
        if (!m_overflow.isEmpty())
            text += m_overflow;
        return text;
    }

private:
    static constexpr int Capacity = 96;
    char16_t m_data[Capacity];
    int m_size = 0;
    QString m_overflow; // only for absurd patterns
};

bool isBlank(QChar c)
{
    return c.isSpace();
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool startsWithSymbol(QStringView text, const QString &symbol)
{
    return !symbol.isEmpty() && text.startsWith(symbol);
}

bool endsWithSymbol(QStringView text, const QString &symbol)
{
    return !symbol.isEmpty() && text.endsWith(symbol);
}

// Space-like group separators (a no-break space in many locales) also accept a
// plain blank, which is what a user types.
bool isGroupAt(QStringView text, qsizetype pos, const QString &group, qsizetype &length)
{
    if (group.isEmpty())
        return false;
    if (text.mid(pos).startsWith(group)) {
        length = group.size();
        return true;
    }
    if (group.size() == 1 && group.front().isSpace() && text[pos] == u' ') {
        length = 1;
        return true;
    }
    return false;
}

} // namespace

NumberTexts::NumberTexts(const QLocale &locale)
    : m_decimal(locale.decimalPoint()),
      m_group(locale.groupSeparator()),
      m_minus(locale.negativeSign()),
      m_plus(locale.positiveSign())
{
    if (m_decimal.isEmpty())
        m_decimal = QStringLiteral(".");
    if (m_minus.isEmpty())
        m_minus = QStringLiteral("-");
    if (m_group == m_decimal)
        m_group.clear();
}

std::optional<double> NumberTexts::toNumber(QStringView text) const
{
    double value = 0;
    if (convert(text, value) != Conversion::Ok)
        return std::nullopt;
    return value;
}

NumberTexts::Conversion NumberTexts::convert(QStringView text, double &out) const
{
    text = trimmed(text);
    bool negative = false;

    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        negative = true;
        text = trimmed(text.mid(1, text.size() - 2));
    } else {
        // One sign, leading or trailing, with blanks allowed between it and the digits.
        auto signAtFront = [&](const QString &s) { return s != QStringLiteral("-") && startsWithSymbol(text, s); };
        auto signAtBack = [&](const QString &s) { return s != QStringLiteral("-") && endsWithSymbol(text, s); };
        if (text.startsWith(u'-') || signAtFront(m_minus)) {
            negative = true;
            text = trimmed(text.mid(text.startsWith(u'-') ? 1 : m_minus.size()));
        } else if (text.startsWith(u'+') || signAtFront(m_plus)) {
            text = trimmed(text.mid(text.startsWith(u'+') ? 1 : m_plus.size()));
        } else if (text.endsWith(u'-') || signAtBack(m_minus)) {
            negative = true;
            text = trimmed(text.first(text.size() - (text.endsWith(u'-') ? 1 : m_minus.size())));
        } else if (text.endsWith(u'+') || signAtBack(m_plus)) {
            text = trimmed(text.first(text.size() - (text.endsWith(u'+') ? 1 : m_plus.size())));
        }
    }

    // Canonical ASCII form for <charconv>: digits [. digits] [e exponent].
    std::string integerDigits;
    std::string fractionDigits;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto isDigit = [&](qsizetype p) { return p < size && text[p] >= u'0' && text[p] <= u'9'; };

    while (pos < size) {
        qsizetype groupLength = 0;
        if (isDigit(pos)) {
            integerDigits += char(text[pos++].unicode());
        } else if (!integerDigits.empty() && isGroupAt(text, pos, m_group, groupLength)) {
            // Thousands separators are taken loosely, as users type them: "1,"
            // is a number, or "1,234.50" could not be typed key by key.
            pos += groupLength;
        } else {
            break;
        }
    }
    if (pos < size && text.mid(pos).startsWith(m_decimal)) {
        pos += m_decimal.size();
        while (isDigit(pos))
            fractionDigits += char(text[pos++].unicode());
    }
    const int digitCount = int(integerDigits.size() + fractionDigits.size());
    if (digitCount == 0)
        return Conversion::NotANumber;

    std::string exponentText;
    long long decimalExponent = 0;
    if (pos < size && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype p = pos + 1;
        bool expNegative = false;
        if (p < size && (text[p] == u'+' || text[p] == u'-')) {
            expNegative = text[p] == u'-';
            ++p;
        }
        if (!isDigit(p))
            return Conversion::NotANumber;
        long long exponent = 0;
        while (isDigit(p)) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[p].unicode() - u'0');
            ++p;
        }
        exponentText = (expNegative ? "e-" : "e") + std::to_string(exponent);
        decimalExponent = expNegative ? -exponent : exponent;
        pos = p;
    }
    if (pos != size)
        return Conversion::NotANumber;

    std::string ascii = integerDigits.empty() ? std::string("0") : integerDigits;
    if (!fractionDigits.empty())
        ascii += '.' + fractionDigits;
    ascii += exponentText;

    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ptr != ascii.data() + ascii.size())
        return Conversion::NotANumber;
    if (result.ec == std::errc::result_out_of_range) {
        // Below the smallest double it reads as zero; beyond the largest it overflows.
        const auto first = integerDigits.find_first_not_of('0');
        const long long magnitude = first != std::string::npos ? (long long)(integerDigits.size() - first)
                                                               : -(long long)fractionDigits.find_first_not_of('0');
        if (magnitude + decimalExponent < 0)
            value = 0;
        else
            return Conversion::Overflow; // beyond the largest double
    } else if (result.ec != std::errc()) {
        return Conversion::NotANumber;
    }
    if (!std::isfinite(value))
        return Conversion::Overflow;
    out = negative ? -value : value;
    return Conversion::Ok;
}

QString NumberTexts::plainText(double value) const
{
    if (value == 0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN")
                                 : (value < 0 ? m_minus : QString()) + QStringLiteral("Infinity");

    const Decimal15 d = toDecimal15(std::fabs(value));
    int count = 15;
    while (count > 1 && d.digits[count - 1] == '0')
        --count;

    TextBuffer out;
    if (value < 0)
        out.put(m_minus);
    const int e = d.exponent;
    if (e >= 15 || e < -4) {
        out.putDigit(d.digits[0]);
        if (count > 1) {
            out.put(m_decimal);
            for (int k = 1; k < count; ++k)
                out.putDigit(d.digits[k]);
        }
        out.put(u'E');
        out.put(e < 0 ? u'-' : u'+');
        const int a = e < 0 ? -e : e;
        if (a >= 100)
            out.putDigit(char('0' + a / 100));
        out.putDigit(char('0' + a / 10 % 10));
        out.putDigit(char('0' + a % 10));
    } else if (e >= 0) {
        for (int k = 0; k <= e; ++k)
            out.putDigit(k < count ? d.digits[k] : '0');
        if (count > e + 1) {
            out.put(m_decimal);
            for (int k = e + 1; k < count; ++k)
                out.putDigit(d.digits[k]);
        }
    } else {
        out.put(u'0');
        out.put(m_decimal);
        for (int k = -1; k > e; --k)
            out.put(u'0');
        for (int k = 0; k < count; ++k)
            out.putDigit(d.digits[k]);
    }
    return out.take();
}

QString NumberTexts::printForm(double value) const
{
    const QString plain = plainText(value);
    return value < 0 ? plain + u' ' : u' ' + plain + u' ';
}

QString NumberTexts::format(double value, QStringView pattern) const
{
    if (pattern.isEmpty())
        return plainText(value);
    return format(value, NumberPattern::parse(pattern));
}

QString NumberTexts::format(double value, const NumberPattern &pattern) const
{
    if (pattern.isPlain() || !std::isfinite(value))
        return plainText(value);

    const int decimals = pattern.positive().decimals;
    // Digits of |value| rounded half away from zero to `decimals` places, taken
    // from its 15-significant-digit decimal form (as a spreadsheet shows it).
    // digits[0..count) with `intDigits` of them before the decimal point.
    char digits[17];
    int count = 0;
    int intDigits = 0;
    if (value != 0) {
        const Decimal15 d = toDecimal15(std::fabs(value));
        const int keep = d.exponent + 1 + decimals; // significant digits kept
        if (keep >= 0) {
            int n = keep < 15 ? keep : 15;
            for (int k = 0; k < n; ++k)
                digits[k] = d.digits[k];
            intDigits = d.exponent + 1;
            bool carry = keep < 15 && d.digits[keep] >= '5';
            for (int k = n - 1; carry && k >= 0; --k) {
                if (digits[k] == '9') {
                    digits[k] = '0';
                } else {
                    ++digits[k];
                    carry = false;
                }
            }
            if (carry) { // 9.99 -> 10.0, or nothing kept and the first digit rounds up
                for (int k = n; k > 0; --k)
                    digits[k] = digits[k - 1];
                digits[0] = '1';
                ++n;
                ++intDigits;
            }
            count = n;
        }
    }
    bool isZero = true;
    for (int k = 0; k < count; ++k)
        isZero = isZero && digits[k] == '0';

    // A value that rounds to zero shows as zero, without a sign.
    const bool negative = value < 0 && !isZero;
    const NumberPattern::Section &section =
        negative && pattern.hasNegativeSection() ? pattern.negative() : pattern.positive();

    TextBuffer out;
    if (negative && !pattern.hasNegativeSection())
        out.put(m_minus);
    out.put(section.prefix);

    // Integer part: digit k of the integer part has value 10^(intDigits-1-k).
    const int shownInt = std::max(intDigits, section.minIntegerDigits);
    for (int k = 0; k < shownInt; ++k) {
        const int index = intDigits - shownInt + k; // index into digits[]
        const char c = index >= 0 && index < count ? digits[index] : '0';
        out.putDigit(c);
        const int remaining = shownInt - 1 - k;
        if (section.grouping && remaining > 0 && remaining % 3 == 0)
            out.put(m_group);
    }
    if (section.decimals > 0) {
        out.put(m_decimal);
        for (int k = 0; k < section.decimals; ++k) {
            const int index = intDigits + k;
            out.putDigit(index >= 0 && index < count ? digits[index] : '0');
        }
    }
    out.put(section.suffix);
    return out.take();
}

std::optional<std::int16_t> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return std::int16_t(whole);
}

} // namespace pelmora
