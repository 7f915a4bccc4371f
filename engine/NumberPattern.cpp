#include "NumberPattern.h"

using namespace Qt::StringLiterals;

namespace pelmora {

NumberPattern NumberPattern::parse(QStringView pattern)
{
    NumberPattern result;
    if (pattern.isEmpty())
        return result;
    result.m_plain = false;
    const qsizetype split = pattern.indexOf(u';');
    if (split < 0) {
        result.m_positive = parseSection(pattern);
    } else {
        result.m_positive = parseSection(pattern.first(split));
        result.m_negative = parseSection(pattern.mid(split + 1));
        result.m_hasNegative = true;
    }
    return result;
}

NumberPattern::Section NumberPattern::parseSection(QStringView text)
{
    Section section;
    auto isPlace = [](QChar c) { return c == u'#' || c == u'0'; };
    qsizetype first = 0;
    while (first < text.size() && !isPlace(text[first]) && text[first] != u'.')
        ++first;
    qsizetype last = text.size();
    while (last > first && !isPlace(text[last - 1]))
        --last;
    section.prefix = text.first(first).toString();
    section.suffix = text.mid(last).toString();

    bool inFraction = false;
    for (qsizetype k = first; k < last; ++k) {
        const QChar c = text[k];
        if (c == u'.') {
            inFraction = true;
        } else if (c == u',') {
            section.grouping = section.grouping || !inFraction;
        } else if (c == u'0') {
            if (inFraction)
                ++section.decimals;
            else
                ++section.minIntegerDigits;
        } else if (c == u'#' && inFraction) {
            ++section.decimals; // optional decimals are shown as fixed ones
        }
    }
    return section;
}

namespace {

// "#,##0" followed by nf zeros after the decimal point; 0 to 6 places only.
QString amountPattern(std::int16_t nf)
{
    if (nf < 0 || nf > 6)
        return {};
    QString pattern = QStringLiteral("#,##0");
    if (nf > 0)
        pattern += u'.' + QString(nf, u'0');
    return pattern;
}

} // namespace

QString ZLen(std::int16_t nf)
{
    return amountPattern(nf);
}

QString ZNeg(std::int16_t nf)
{
    const QString amount = amountPattern(nf);
    if (amount.isEmpty())
        return {};
    return amount + u";("_s + amount + u')';
}

QString ZInt(std::int16_t nf)
{
    if (nf < 1 || nf > 3)
        return {};
    return QString(nf, u'0');
}

} // namespace pelmora
