#include "XdgShell.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr QStringView tools[] = {u"hardinfo",
                                 u"hardinfo2",
                                 u"kinfocenter",
                                 u"gnome-system-monitor",
                                 u"mate-system-monitor",
                                 u"plasma-systemmonitor",
                                 u"xfce4-taskmanager"};

// A look-up that hangs must not freeze the program.
constexpr int XdgMimeTimeoutMs = 5000;

// The string escapes of a desktop entry's value: \s \n \t \r \\.
QString unescapeValue(QStringView value)
{
    QString text;
    for (qsizetype k = 0; k < value.size(); ++k) {
        if (value[k] != u'\\' || k + 1 == value.size()) {
            text += value[k];
            continue;
        }
        const QChar next = value[++k];
        if (next == u's')
            text += u' ';
        else if (next == u'n')
            text += u'\n';
        else if (next == u't')
            text += u'\t';
        else if (next == u'r')
            text += u'\r';
        else if (next == u'\\')
            text += u'\\';
        else
            text += QString(u'\\') + next; // left for the quoting rules of Exec
    }
    return text;
}

// Splits an Exec value into arguments: blanks separate them, double quotes
// group them, and within quotes a backslash escapes " ` $ and itself.
QStringList splitExec(QStringView exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype k = 0; k < exec.size(); ++k) {
        const QChar c = exec[k];
        if (quoted) {
            if (c == u'\\' && k + 1 < exec.size()) {
                current += exec[++k];
            } else if (c == u'"') {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == u'"') {
            quoted = true;
            inArgument = true;
        } else if (c == u' ' || c == u'\t') {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

struct EntryKeys
{
    QString exec;
    QString icon;
    QString name;
};

// The unlocalised keys of the [Desktop Entry] group.
EntryKeys readEntryKeys(const QByteArray &entry)
{
    EntryKeys keys;
    bool inEntryGroup = false;
    for (const QByteArray &rawLine : entry.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(u'[')) {
            inEntryGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntryGroup || line.startsWith(u'#') || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeValue(QStringView(line).mid(equals + 1).trimmed());
        if (key == u"Exec")
            keys.exec = value;
        else if (key == u"Icon")
            keys.icon = value;
        else if (key == u"Name")
            keys.name = value;
    }
    return keys;
}

// Expands the field codes of one argument; `targetPlaced` keeps the file to
// its first code. Returns the arguments it becomes (none, one, or two for %i).
QStringList expandFieldCodes(const QString &argument, const EntryKeys &keys, const QString &entryPath,
                             bool &targetPlaced)
{
    if (argument == u"%i")
        return keys.icon.isEmpty() ? QStringList() : QStringList{u"--icon"_s, keys.icon};
    QString result;
    bool hadCode = false;
    for (qsizetype k = 0; k < argument.size(); ++k) {
        if (argument[k] != u'%' || k + 1 == argument.size()) {
            result += argument[k];
            continue;
        }
        const QChar code = argument[++k];
        if (code == u'%') {
            result += u'%';
            continue;
        }
        hadCode = true;
        if (QStringView(u"fFuU").contains(code)) {
            if (!targetPlaced)
                result += AssociatedProgram::TargetMark;
            targetPlaced = true;
        } else if (code == u'c') {
            result += keys.name;
        } else if (code == u'k') {
            result += entryPath;
        }
        // %d %D %n %N %v %m and unknown codes are dropped.
    }
    if (hadCode && result.isEmpty())
        return {};
    return {result};
}

} // namespace

std::span<const QStringView> SystemInfoTools()
{
    return tools;
}

AssociatedProgram programFromDesktopEntry(const QByteArray &entry, const QString &entryPath)
{
    const EntryKeys keys = readEntryKeys(entry);
    const QStringList words = splitExec(keys.exec);
    if (words.isEmpty())
        return {};
    const QString program = QStandardPaths::findExecutable(words.first());
    if (program.isEmpty())
        return {};
    AssociatedProgram command{program, {}};
    bool targetPlaced = false;
    for (qsizetype k = 1; k < words.size(); ++k)
        command.arguments += expandFieldCodes(words[k], keys, entryPath, targetPlaced);
    return command;
}

AssociatedProgram XdgShell::FindAssociatedProgram(const QString &path) const
{
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    // By the file's name, as the desktop's file managers do; an empty file has
    // no content to go by.
    const QString mimeType = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension).name();
    const QString desktopId = defaultApplication(mimeType);
    if (desktopId.isEmpty())
        return {};
    const QString entryPath = locateDesktopEntry(desktopId);
    QFile entry(entryPath);
    if (entryPath.isEmpty() || !entry.open(QIODevice::ReadOnly))
        return {};
    return programFromDesktopEntry(entry.readAll(), entryPath);
}

QString XdgShell::defaultApplication(const QString &mimeType) const
{
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {u"query"_s, u"default"_s, mimeType}, QIODevice::ReadOnly);
    if (!query.waitForFinished(XdgMimeTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    // One desktop file id; some desktops list several, separated by ";".
    const QString answer = QString::fromUtf8(query.readAllStandardOutput()).section(u'\n', 0, 0);
    return answer.section(u';', 0, 0).trimmed();
}

// A desktop file id names a file below an "applications" folder; a dash in the
// id may stand for a subfolder ("kde-foo.desktop" for "kde/foo.desktop").
QString XdgShell::locateDesktopEntry(const QString &desktopId)
{
    QString relative = desktopId;
    while (true) {
        const QString found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, relative);
        if (!found.isEmpty())
            return found;
        const qsizetype dash = relative.indexOf(u'-');
        if (dash < 0)
            return {};
        relative[dash] = u'/';
    }
}

bool XdgShell::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

std::optional<QString> XdgShell::GetKeyValue(RegistryRoot root, QStringView key, QStringView valueName) const
{
    if (root != RegistryRoot::LocalMachine)
        return std::nullopt;
    const bool toolPath = key == SysInfoKey && valueName == SysInfoPathValue;
    const bool toolFolder = key == SysInfoLocationKey && valueName == SysInfoLocationValue;
    if (!toolPath && !toolFolder)
        return std::nullopt;
    for (QStringView tool : tools) {
        const QString path = QStandardPaths::findExecutable(tool.toString());
        if (!path.isEmpty())
            return toolPath ? path : QFileInfo(path).absolutePath();
    }
    return std::nullopt;
}

} // namespace pelmora
