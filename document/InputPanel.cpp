#include "InputPanel.h"

#include "AmortList.h"
#include "NumberPattern.h"

namespace pelmora {

InputPanel::InputPanel(ProjectValues &values, const NumberTexts &texts, AmortList *list, QObject *parent)
    : QObject(parent), m_values(values), m_texts(texts), m_list(list), m_decimals(QStringLiteral("2"))
{
    for (int k = 0; k < Field_CellEntry; ++k)
        m_text[k] = QStringLiteral("0");
}

double &InputPanel::valueOf(int field)
{
    switch (field) {
    case Field_n:
        return m_values.n;
    case Field_i:
        return m_values.i;
    case Field_PV:
        return m_values.PV;
    case Field_PMT:
        return m_values.PMT;
    case Field_FV:
        return m_values.FV;
    case Field_paym:
        return m_values.paym;
    case Field_Amort:
        return m_values.Amort;
    case Field_IPaym:
        return m_values.IPaym;
    case Field_BD:
        return m_values.BD;
    default:
        return m_values.TI;
    }
}

void InputPanel::setText(int field, const QString &text)
{
    if (field < 0 || field >= FieldCount || m_text[field] == text)
        return;
    m_text[field] = text;
    Q_EMIT textChanged(field, text);
    onTextChanged(field);
}

void InputPanel::onTextChanged(int field)
{
    if (field <= Field_paym) {
        if (const auto value = m_texts.toNumber(m_text[field])) {
            valueOf(field) = *value;
            if (field == Field_paym)
                clickCommand(Command::SolvePMT);
        }
    }
    if (field == Field_CellEntry)
        Q_EMIT cellEntryChanged(m_text[field]);

    // Text that is not a number does not stay in a field; the lone minus lets a
    // negative number be typed (not in the payment number).
    for (int k = Field_n; k <= Field_FV; ++k) {
        if (!m_texts.isNumeric(m_text[k]) && m_text[k] != u"-")
            setText(k, QString());
    }
    if (!m_texts.isNumeric(m_text[Field_paym]))
        setText(Field_paym, QString());
}

void InputPanel::setDecimalsText(const QString &text)
{
    if (m_decimals == text)
        return;
    m_decimals = text;
    Q_EMIT decimalsTextChanged(text);
    // A text outside the 16-bit range, like any non-numeric text, leaves nFix as it was.
    if (const auto value = m_texts.toNumber(text)) {
        if (const auto places = roundToInt16(*value))
            m_values.nFix = *places;
    }
    FormatNumber();
    Q_EMIT decimalsApplied();
}

void InputPanel::show(int field, double value)
{
    setText(field, m_texts.plainText(value));
}

void InputPanel::clickCommand(Command command)
{
    switch (command) {
    case Command::SolveN:
        Calc_n(m_values, *this);
        break;
    case Command::SolveI:
        Calc_i(m_values, *this);
        break;
    case Command::SolvePV:
        Calc_PV(m_values, *this);
        break;
    case Command::SolvePMT:
        Calc_PMT(m_values, *this);
        break;
    case Command::SolveFV:
        Calc_FV(m_values, *this);
        break;
    case Command::Amortization:
        FillAmort();
        return;
    default:
        return;
    }
    FormatNumber();
}

void InputPanel::LoadInputs()
{
    // An empty field reads as zero (the editing rules keep the fields numeric or empty).
    for (int k = Field_n; k <= Field_TI; ++k)
        valueOf(k) = m_texts.toNumber(m_text[k]).value_or(0);
    if (const auto value = m_texts.toNumber(m_decimals)) {
        if (const auto places = roundToInt16(*value))
            m_values.nFix = *places;
    }
}

void InputPanel::FormatNumber()
{
    const NumberPattern pattern = NumberPattern::parse(ZLen(m_values.nFix));
    // Each write fires the field's handler, which reads n..FV back: the values end
    // up equal to the shown, rounded numbers. The payment number is never touched.
    static constexpr int fields[] = {Field_n,     Field_i,     Field_PV, Field_PMT, Field_FV,
                                     Field_Amort, Field_IPaym, Field_BD, Field_TI};
    for (int k : fields)
        setText(k, m_texts.format(valueOf(k), pattern));
}

void InputPanel::FillAmort()
{
    if (m_list) {
        m_list->OpenAmort();
        m_list->clear();
    }
    Calc_PMT(m_values, *this);
    AmortSchedule schedule = buildAmortRows(m_values);
    if (m_list)
        m_list->setSchedule(std::move(schedule), m_texts);
    if (const auto payment = m_texts.toNumber(m_text[Field_paym])) {
        m_values.paym = *payment;
        Calc_Amort(m_values);
    }
    FormatNumber();
}

} // namespace pelmora
