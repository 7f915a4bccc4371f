// appraise and resave: open a project file as the program does, up to the end of
// the new window's first activation.
#include "CliCommands.h"

#include "ProjectFile.h"

using namespace Qt::StringLiterals;

namespace pelmora::cli {

namespace {

QByteArray profileText(const ProfileChart &chart, const NumberTexts &texts)
{
    QString out = u"rows="_s + QString::number(chart.rowCount) + u" escala="_s + QString::number(chart.escala) + u'\n';
    for (int r = 1; r <= chart.rowCount; ++r) {
        const ChartRow row = chart.row(r);
        out += row.label;
        for (const auto &value : row.values) {
            out += u';';
            if (value)
                out += texts.plainText(*value);
        }
        out += u'\n';
    }
    return out.toUtf8();
}

} // namespace

std::unique_ptr<OpenedProject> openProject(const QString &path, const QString &separator)
{
    auto opened = std::make_unique<OpenedProject>();
    const NumberTexts texts;
    opened->session.ListSep = separator;
    const FileOutcome read = ReadProject(path, opened->session.values, opened->session.nLoaded, texts);
    if (!read.ok) {
        opened->error = read.message;
        return opened;
    }
    opened->session.NewDoc = false;
    opened->window = std::make_unique<ProjectWindowModel>(opened->session, texts);
    opened->window->load();
    opened->window->activate();
    return opened;
}

Outcome runDocument(const QStringList &arguments)
{
    const bool appraise = arguments.front() == u"appraise";
    QStringList files;
    QString separator = u";"_s;
    QString view;
    bool optionsEnded = false; // after "--" every argument is a file, even "--x.vlx"
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString &a = arguments[k];
        if (optionsEnded) {
            files += a;
        } else if (a == u"--") {
            optionsEnded = true;
        } else if (appraise && a == u"--sep") {
            if (++k >= arguments.size())
                return usage(u"option --sep needs a value"_s);
            separator = arguments[k];
        } else if (appraise && (a == u"--footnote" || a == u"--profile" || a == u"--fields")) {
            if (!view.isEmpty())
                return usage(u"give one of --footnote, --profile, --fields"_s);
            view = a;
        } else if (a.startsWith(u"--")) {
            return usage(u"unknown option '"_s + a + u'\'');
        } else {
            files += a;
        }
    }
    if (files.size() != (appraise ? 1 : 2))
        return usage(appraise ? u"appraise needs one FILE"_s : u"resave needs IN and OUT"_s);

    const auto opened = openProject(files[0], separator);
    if (!opened->window)
        return {1, {}, (opened->error + u'\n').toUtf8()};
    ProjectWindowModel &window = *opened->window;

    if (!appraise) {
        window.fillProjectArrays();
        const FileOutcome written = WriteProject(files[1], window.values(), window.numberTexts());
        if (!written.ok)
            return {1, {}, (written.message + u'\n').toUtf8()};
        return {};
    }
    if (view == u"--footnote")
        return {0, (window.profileChart().footnote + u'\n').toUtf8(), {}};
    if (view == u"--profile")
        return {0, profileText(window.profileChart(), window.numberTexts()), {}};
    if (view == u"--fields")
        return {0, fieldsText(window.panel()), {}};
    return {0, window.ExportCashFlowsText(), {}};
}

} // namespace pelmora::cli
