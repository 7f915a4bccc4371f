#include "CliCommands.h"

#include "AmortList.h"
#include "ExportFile.h"
#include "InputPanel.h"

#include <QMap>

#include <array>

using namespace Qt::StringLiterals;

namespace pelmora::cli {

namespace {

const char *const Usage =
    "usage: pelmora-cli solve TARGET [--fix D] [--n X] [--i X] [--pv X] [--pmt X] [--fv X] [--paym X]\n"
    "       pelmora-cli schedule [--fix D] [--n X] [--i X] [--pv X] [--pmt X] [--fv X] [--paym X] [--sep S]\n"
    "       pelmora-cli appraise [--sep S] [--footnote | --profile | --fields] [--] FILE.vlx\n"
    "       pelmora-cli resave [--] IN.vlx OUT.vlx\n"
    "       pelmora-cli details [--format text|csv|json] [--finance-rate X] [--reinvest-rate X] [--] FILE.vlx...\n"
    "  TARGET is one of n, i, pv, pmt, fv; values are texts in the current locale.\n"
    "  After --, every argument is a file name, even one that starts with --.\n"
    "  details: one record per file and series (A, incremental, B). The MIRR rates\n"
    "  default to the file's discount rate. CSV has a header line; its separator is\n"
    "  ';' where the locale's decimal point is ',', and ',' elsewhere; a field that\n"
    "  holds the separator or '\"' is quoted, '\"' doubled. IRR lists are separated by ' '.\n"
    "  The sentences are in Portuguese for a Portuguese LANG, else in English.\n";

Outcome usageError(const QString &why)
{
    return {2, {}, (u"pelmora-cli: "_s + why + u'\n').toUtf8() + Usage};
}

// The typing order of the options, whatever their order on the command line.
struct Typed
{
    const char *option;
    int field; // -1: the decimal-places field Text2
};
constexpr std::array<Typed, 7> TypingOrder = {{
    {"--fix", -1},
    {"--n", Field_n},
    {"--i", Field_i},
    {"--pv", Field_PV},
    {"--pmt", Field_PMT},
    {"--fv", Field_FV},
    {"--paym", Field_paym},
}};

// The ten fields as the window shows them, one NAME=TEXT line each.
QByteArray fieldLines(const InputPanel &panel)
{
    static const char *const names[] = {"n", "i", "PV", "PMT", "FV", "paym", "Amort", "IPaym", "BD", "TI"};
    QString out;
    for (int k = Field_n; k <= Field_TI; ++k)
        out += QLatin1StringView(names[k]) + u'=' + panel.text(k) + u'\n';
    return out.toUtf8();
}

} // namespace

Outcome usage(const QString &why)
{
    return usageError(why);
}

QByteArray fieldsText(const InputPanel &panel)
{
    return fieldLines(panel);
}

Outcome runPanel(const QStringList &arguments)
{
    const QString &command = arguments.front();
    const bool schedule = command == u"schedule";

    qsizetype next = 1;
    int target = -1;
    if (!schedule) {
        static const QStringList targets = {QStringLiteral("n"), QStringLiteral("i"), QStringLiteral("pv"),
                                            QStringLiteral("pmt"), QStringLiteral("fv")};
        if (arguments.size() < 2 || !targets.contains(arguments[1]))
            return usageError(QStringLiteral("solve needs a TARGET: n, i, pv, pmt or fv"));
        target = int(targets.indexOf(arguments[1]));
        next = 2;
    }

    QMap<QString, QString> given;
    for (; next < arguments.size(); next += 2) {
        const QString &option = arguments[next];
        const bool known =
            option == u"--sep" ? schedule : std::any_of(TypingOrder.begin(), TypingOrder.end(), [&](const Typed &t) {
                return option == QLatin1StringView(t.option);
            });
        if (!known)
            return usageError(u"unknown option '"_s + option + u'\'');
        if (next + 1 >= arguments.size())
            return usageError(u"option "_s + option + u" needs a value"_s);
        if (given.contains(option))
            return usageError(u"option "_s + option + u" given twice"_s);
        given.insert(option, arguments[next + 1]);
    }

    ProjectValues values;
    AmortList list;
    InputPanel panel(values, NumberTexts(), &list);
    for (const Typed &typed : TypingOrder) {
        const auto it = given.constFind(QLatin1StringView(typed.option));
        if (it == given.cend())
            continue;
        if (typed.field < 0)
            panel.setDecimalsText(*it);
        else
            panel.setText(typed.field, *it);
    }

    if (!schedule) {
        panel.clickCommand(solveCommand(FieldIndex(target)));
        return {0, fieldLines(panel), {}};
    }
    panel.clickCommand(Command::Amortization);
    const auto text = ExcelAmortText(list, values, panel.numberTexts(), given.value(QStringLiteral("--sep")));
    if (!text)
        return {1, {}, (exportFailureMessage(u"Amort.csv"_s) + u'\n').toUtf8()};
    return {0, *text, {}};
}

Outcome run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(QStringLiteral("missing command"));
    const QString &command = arguments.front();
    if (command == u"--help")
        return {0, Usage, {}};
    if (command == u"solve" || command == u"schedule")
        return runPanel(arguments);
    if (command == u"appraise" || command == u"resave")
        return runDocument(arguments);
    if (command == u"details")
        return runDetails(arguments);
    return usageError(u"unknown command '"_s + command + u'\'');
}

} // namespace pelmora::cli
