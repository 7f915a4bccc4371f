// details: every IRR, the diagnosis, MIRR, payback and NFV of each series of
// each file, opened as appraise opens it.
#include "CliCommands.h"

#include "DetailTexts.h"
#include "Translations.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace pelmora::cli {

namespace {

struct Record
{
    QString file;
    const char *series;
    SeriesDetails details;
    QString diagnosis; // the sentences
};

const char *const SeriesNames[] = {"A", "incremental", "B"};

QJsonValue jsonNumber(std::optional<double> x)
{
    return x ? QJsonValue(*x) : QJsonValue();
}

QJsonObject jsonRecord(const Record &r)
{
    const SeriesDetails &d = r.details;
    QJsonArray irrs;
    for (const FoundIrr &irr : d.irrs)
        irrs.append(QJsonObject{{u"rate"_s, irr.rate},
                                {u"found"_s, QLatin1StringView(findingCode(irr.finding))},
                                {u"grid"_s, irr.shownByGrid},
                                {u"double"_s, irr.touching}});
    return {{u"file"_s, r.file},
            {u"series"_s, QLatin1StringView(r.series)},
            {u"NPV"_s, d.NPV},
            {u"IRRs"_s, irrs},
            {u"gridIRR"_s, jsonNumber(d.gridIrr)},
            {u"signChanges"_s, d.signChanges},
            {u"MIRR"_s, jsonNumber(d.MIRR)},
            {u"financeRate"_s, d.financeRate},
            {u"reinvestRate"_s, d.reinvestRate},
            {u"payback"_s, jsonNumber(d.payback)},
            {u"discountedPayback"_s, jsonNumber(d.discountedPayback)},
            {u"NFV"_s, d.NFV},
            {u"PI"_s, d.noInvestment ? QJsonValue() : QJsonValue(d.PI)},
            {u"diagnosis"_s, QLatin1StringView(diagnosisCode(d.diagnosis))},
            {u"text"_s, r.diagnosis}};
}

// The fields of a record as texts of the locale; `none` for an undefined figure.
QStringList fields(const Record &r, const NumberTexts &texts, const QString &none)
{
    const SeriesDetails &d = r.details;
    const auto number = [&](std::optional<double> x) { return x ? texts.plainText(*x) : none; };
    QStringList irrs;
    for (const FoundIrr &irr : d.irrs)
        irrs += texts.plainText(irr.rate);
    return {r.file,
            QLatin1StringView(r.series),
            texts.plainText(d.NPV),
            irrs.join(u' '),
            number(d.gridIrr),
            QString::number(d.signChanges),
            number(d.MIRR),
            texts.plainText(d.financeRate),
            texts.plainText(d.reinvestRate),
            number(d.payback),
            number(d.discountedPayback),
            texts.plainText(d.NFV),
            number(d.noInvestment ? std::nullopt : std::optional(d.PI)),
            QLatin1StringView(diagnosisCode(d.diagnosis)),
            r.diagnosis};
}

const QStringList FieldNames =
    {u"file"_s, u"series"_s,       u"NPV"_s,           u"IRRs"_s,    u"grid IRR"_s,           u"sign changes"_s,
     u"MIRR"_s, u"finance rate"_s, u"reinvest rate"_s, u"payback"_s, u"discounted payback"_s, u"NFV"_s,
     u"PI"_s,   u"diagnosis"_s,    u"text"_s};

QString csvField(const QString &field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\n'))
        return field;
    return u'"' + QString(field).replace(u"\""_s, u"\"\""_s) + u'"';
}

QByteArray output(const QList<Record> &records, const QString &format, const NumberTexts &texts)
{
    if (format == u"json") {
        QJsonArray array;
        for (const Record &r : records)
            array.append(jsonRecord(r));
        return QJsonDocument(array).toJson(QJsonDocument::Indented);
    }
    QString out;
    if (format == u"csv") {
        const QChar separator = texts.plainText(0.5).contains(u',') ? u';' : u',';
        for (const QStringList &line : QList<QStringList>{FieldNames} + [&] {
                 QList<QStringList> lines;
                 for (const Record &r : records)
                     lines += fields(r, texts, QString());
                 return lines;
             }()) {
            QStringList quoted;
            for (const QString &field : line)
                quoted += csvField(field, separator);
            out += quoted.join(separator) + u'\n';
        }
        return out.toUtf8();
    }
    for (const Record &r : records) {
        const QStringList values = fields(r, texts, u"-"_s);
        out += values[0] + u' ' + values[1] + u'\n';
        for (qsizetype k = 2; k < values.size(); ++k)
            out += u"  "_s + FieldNames[k] + u": "_s + values[k] + u'\n';
    }
    return out.toUtf8();
}

} // namespace

Outcome runDetails(const QStringList &arguments)
{
    QStringList files;
    QString format = u"text"_s;
    MirrRates rates;
    const NumberTexts texts;
    bool optionsEnded = false;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString &a = arguments[k];
        if (optionsEnded || !a.startsWith(u"--")) {
            files += a;
        } else if (a == u"--") {
            optionsEnded = true;
        } else if (a == u"--format" || a == u"--finance-rate" || a == u"--reinvest-rate") {
            if (++k >= arguments.size())
                return usage(u"option "_s + a + u" needs a value"_s);
            const QString &value = arguments[k];
            if (a == u"--format" && value != u"text" && value != u"csv" && value != u"json")
                return usage(u"--format is one of text, csv, json"_s);
            const std::optional<double> rate = a == u"--format" ? std::nullopt : texts.toNumber(value);
            if (a != u"--format" && !rate)
                return usage(u"option "_s + a + u" needs a number"_s);
            (a == u"--format" ? void(format = value)
                              : void((a == u"--finance-rate" ? rates.finance : rates.reinvest) = rate));
        } else {
            return usage(u"unknown option '"_s + a + u'\'');
        }
    }
    if (files.isEmpty())
        return usage(u"details needs at least one FILE"_s);

    // The sentences in the language of the user's locale, as the window writes them.
    Translations translations;
    if (const QLocale locale; !translations.use(locale.name()) && locale.language() == QLocale::Portuguese)
        translations.use(translationName(Language::Portuguese));

    Outcome outcome;
    QList<Record> records;
    RatePowers powers(CashFlowSeries::MaxPeriods); // the grid's points are the same in every file
    for (const QString &file : files) {
        const auto opened = openProject(file, u";"_s);
        if (!opened->window) {
            outcome.exitCode = 1;
            outcome.err += (opened->error + u'\n').toUtf8();
            continue;
        }
        const auto &run = opened->window->lastAppraisal();
        const ProjectWindowModel::AppraisalRun none;
        const auto &[input, result] = run ? *run : none;
        const std::array<SeriesDetails, 3> details = appraisalDetails(input, result, rates, &powers);
        for (int index : {SeriesA, SeriesIncremental, SeriesB})
            records +=
                Record{file, SeriesNames[index], details[size_t(index)], diagnosisText(details[size_t(index)], texts)};
    }
    outcome.out = output(records, format, texts);
    return outcome;
}

} // namespace pelmora::cli
