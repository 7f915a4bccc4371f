#include "ShellServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace pelmora {

QStringList AssociatedProgram::argumentsFor(const QString &target) const
{
    QStringList result;
    bool placed = false;
    for (QString argument : arguments) {
        if (argument.contains(TargetMark)) {
            argument.replace(TargetMark, target);
            placed = true;
        }
        result.append(argument);
    }
    if (!placed)
        result.append(target);
    return result;
}

bool OpenAssociated(SystemShell &shell, const QString &path)
{
    const AssociatedProgram program = shell.FindAssociatedProgram(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    // The file goes to the program as one argument, blanks and all.
    return !program.program.isEmpty() && shell.startProgram(program.program, program.argumentsFor(path));
}

bool OpenInBrowser(SystemShell &shell, const QString &programFolder, const QString &address)
{
    // The desktop is asked for the program that opens a web page, which needs
    // such a page to exist.
    const QString page = QDir(programFolder).filePath(u"index.html"_s);
    bool created = false;
    if (!QFileInfo::exists(page)) {
        QFile file(page);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        file.close();
        created = true;
    }
    const AssociatedProgram browser = shell.FindAssociatedProgram(page);
    if (created)
        QFile::remove(page);
    return !browser.program.isEmpty() && shell.startProgram(browser.program, browser.argumentsFor(address));
}

bool StartSysInfo(SystemShell &shell)
{
    QString tool;
    if (const auto path = shell.GetKeyValue(RegistryRoot::LocalMachine, SysInfoKey, SysInfoPathValue)) {
        tool = *path;
    } else if (const auto folder =
                   shell.GetKeyValue(RegistryRoot::LocalMachine, SysInfoLocationKey, SysInfoLocationValue)) {
        const QString candidate = QDir(*folder).filePath(SysInfoProgramFile.toString());
        if (QFileInfo::exists(candidate))
            tool = candidate;
    }
    return !tool.isEmpty() && shell.startProgram(tool, {});
}

} // namespace pelmora
