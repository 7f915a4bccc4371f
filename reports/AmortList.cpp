#include "AmortList.h"

#include "Checked.h"
#include "NumberPattern.h"
#include "NumberTexts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace pelmora {

const std::array<AmortList::Column, AmortList::ColumnCount> &AmortList::columns()
{
    static const std::array<Column, ColumnCount> table = {{
        {"C1", "Paym", 700, Column::Left},
        {"C2", "Amortization", 1600, Column::Right},
        {"C3", "Interest", 1600, Column::Right},
        {"C4", "Cum Amort", 1600, Column::Right},
        {"C5", "Cum Interest", 1600, Column::Right},
        {"C6", "Cum Payment", 1600, Column::Right},
        {"C7", "Balance Due", 1600, Column::Right},
        {"C8", "Excel", 700, Column::Centre},
        {"C9", "X", 300, Column::Centre},
    }};
    return table;
}

namespace {

constexpr int FirstAmount = 1;
constexpr int Amounts = 6;
using AmountWidths = std::array<int, Amounts>;

int sum(const AmountWidths &widths)
{
    return std::accumulate(widths.begin(), widths.end(), 0);
}

// `base` plus `extra` pixels in equal parts, the odd pixels to the first columns.
AmountWidths spread(AmountWidths base, int extra)
{
    for (int k = 0; k < Amounts; ++k)
        base[size_t(k)] += extra / Amounts + (k < extra % Amounts ? 1 : 0);
    return base;
}

// Too little room for every amount: as many columns whole as it allows, the
// narrowest first, and the others (elided) share the rest alike.
AmountWidths fairShare(const AmountWidths &needs, int shared)
{
    std::array<int, Amounts> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return needs[size_t(a)] < needs[size_t(b)]; });
    AmountWidths widths{};
    std::array<bool, Amounts> whole{};
    int left = shared;
    int cut = Amounts;
    for (int k : order) {
        if (needs[size_t(k)] > left / cut)
            break;
        widths[size_t(k)] = needs[size_t(k)];
        whole[size_t(k)] = true;
        left -= needs[size_t(k)];
        --cut;
    }
    for (int k = 0, n = 0; k < Amounts; ++k) {
        if (!whole[size_t(k)])
            widths[size_t(k)] = left / cut + (n++ < left % cut ? 1 : 0);
    }
    return widths;
}

// The amounts whole, then the headers as far as the room goes.
AmountWidths shareRoom(int shared, const AmortList::AmountNeeds &needs)
{
    const AmountWidths &texts = needs.texts;
    if (sum(texts) > shared)
        return fairShare(texts, shared);
    AmountWidths wants;
    for (int k = 0; k < Amounts; ++k)
        wants[size_t(k)] = std::max(texts[size_t(k)], needs.headers[size_t(k)]);
    if (sum(wants) <= shared)
        return spread(wants, shared - sum(wants));
    // Each header gets the same part of what it lacks.
    const int lacking = sum(wants) - sum(texts);
    const int extra = shared - sum(texts);
    AmountWidths widths = texts;
    for (int k = 0; k < Amounts; ++k)
        widths[size_t(k)] += (wants[size_t(k)] - texts[size_t(k)]) * extra / lacking;
    return spread(widths, shared - sum(widths));
}

} // namespace

std::array<int, AmortList::ColumnCount> AmortList::fitColumnWidths(int room, double dpi, const AmountNeeds &needs)
{
    constexpr double TwipsPerInch = 1440;
    std::array<int, ColumnCount> widths{};
    for (int c = 0; c < ColumnCount; ++c)
        widths[size_t(c)] = int(std::lround(columns()[size_t(c)].widthTwips * dpi / TwipsPerInch));
    if (std::accumulate(widths.begin(), widths.end(), 0) <= room)
        return widths;
    const int kept = widths[0] + widths[7] + widths[8];
    const AmountWidths amounts = shareRoom(std::max(room - kept, 0), needs);
    std::copy(amounts.begin(), amounts.end(), widths.begin() + FirstAmount);
    return widths;
}

void AmortList::setSchedule(AmortSchedule schedule, const NumberTexts &texts)
{
    m_schedule = std::move(schedule);
    m_texts = texts;
    m_payment = NumberPattern::parse(ZInt(m_schedule.paymentDigits));
    m_amount = NumberPattern::parse(ZLen(m_schedule.nFix));
    m_readBacks.clear();
}

void AmortList::FormatListView(const NumberTexts &texts, std::int16_t nFix)
{
    if (m_schedule.rows.empty())
        return;
    m_texts = texts;
    const int decimals = m_amount.positive().decimals;
    if (m_readBacks.empty() || decimals < m_readBacks.back().positive().decimals)
        m_readBacks.push_back(m_amount);
    m_amount = NumberPattern::parse(ZLen(nFix));
}

// The figure as first formatted, then read back and formatted again at each
// change of places, as the texts themselves would have been.
QString AmortList::amountText(double figure) const
{
    double value = figure;
    for (const NumberPattern &pattern : m_readBacks) {
        QString text = m_texts.format(value, pattern);
        const std::optional<double> back = m_texts.toNumber(text);
        if (!back)
            return text;
        value = *back;
    }
    return m_texts.format(value, m_amount);
}

QString AmortList::key(int row) const
{
    return QString::number(row + 1) + u'p';
}

QString AmortList::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column > 6)
        return {};
    if (column == 0)
        return m_texts.format(row + 1, m_payment);
    return amountText(m_schedule.rows[size_t(row)][size_t(column - 1)]);
}

AmortList::PaymentRow AmortList::paymentRow(double paym) const
{
    const int count = rowCount();
    if (paym > 0 && count >= 1 && paym <= count)
        return {PaymentRow::Select, roundToInt16(paym).value_or(1)};
    if (paym == 0)
        return {PaymentRow::HighlightOnFocus, 0};
    return {};
}

std::optional<QByteArray> ExcelAmortText(const AmortList &list, const ProjectValues &pv, const NumberTexts &texts,
                                         const QString &separator)
{
    const QString sep = separator.isEmpty() ? QStringLiteral(";") : separator;
    const NumberPattern amount = NumberPattern::parse(ZLen(pv.nFix));
    auto F = [&](double x) { return texts.format(x, amount); };
    const QString eol = QStringLiteral("\r\n");

    QString out;
    out.reserve(qsizetype(list.rowCount()) * 96 + 512);
    out += u"Principal:"_s + sep + F(pv.PV) + eol;
    out += u"Payments:"_s + sep + texts.printForm(pv.n) + eol;
    out += u"Payment:"_s + sep + F(pv.PMT) + eol;
    out += u"Interest rate:"_s + sep + texts.plainText(pv.i) + QLatin1Char('%') + eol;
    double repaid = 0;
    if (!assignStep(repaid, Checked(pv.TI) + pv.PV))
        return std::nullopt;
    out += u"Total Repaid:"_s + sep + F(repaid) + eol;
    out += u"Total Interest:"_s + sep + F(pv.TI) + eol;
    if (pv.PV != 0) {
        double share = 0;
        if (!assignStep(share, Checked(pv.TI) / pv.PV * 100))
            return std::nullopt;
        out += u"Interest %:"_s + sep + F(share) + QLatin1Char('%') + eol;
    }

    for (int c = 0; c <= 6; ++c) {
        if (c > 0)
            out += sep;
        out += QLatin1StringView(AmortList::columns()[c].header);
    }
    out += eol;

    for (int row = 0; row < list.rowCount(); ++row) {
        out += texts.printForm(row + 1);
        for (int c = 1; c <= 6; ++c) {
            out += sep;
            out += list.text(row, c);
        }
        out += eol;
    }
    return out.toUtf8();
}

} // namespace pelmora
