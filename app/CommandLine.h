#pragma once

// The command line at start-up: one project file, which the shell passes as
// its path in double quotes when a file is opened with the program. There are
// no options.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pelmora {

// The command line as the shell would pass it, from the arguments that
// QCoreApplication::arguments() gives (the program's own path first): empty
// without arguments, else the path in double quotes. Arguments that a shell
// split at blanks are joined again with one blank.
QString shellCommandLine(const QStringList &arguments);

// The project file to open: the command line without its first and its last
// character. No value (open a new empty project window) when the command line
// is empty or shorter than two characters.
std::optional<QString> FileVlxFromCommandLine(QStringView commandLine);

} // namespace pelmora
