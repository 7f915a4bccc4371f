#include "ChartDataText.h"

#include <span>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

void appendRow(QString &text, const QString &label, std::span<const std::optional<double>> values,
               const NumberTexts &texts)
{
    text += label;
    for (const std::optional<double> &value : values) {
        text += u'\t';
        if (value)
            text += texts.plainText(*value);
    }
    text += u"\r\n"_s;
}

} // namespace

QString chartDataText(const ProfileChart &chart, const NumberTexts &texts)
{
    QString text;
    for (const QString &label : chart.columnLabels)
        text += u'\t' + label;
    text += u"\r\n"_s;
    for (int r = 1; r <= chart.rowCount; ++r) {
        const ChartRow row = chart.row(r);
        appendRow(text, row.label, row.values, texts);
    }
    return text;
}

QString chartDataText(const FlowChart &chart, const QString &seriesLabel, const NumberTexts &texts)
{
    QString text = u'\t' + seriesLabel + u"\r\n"_s;
    for (int r = 1; r <= chart.rowCount(); ++r) {
        const ChartRow &row = chart.row(r);
        appendRow(text, row.label, std::span(row.values).first(1), texts);
    }
    return text;
}

} // namespace pelmora
