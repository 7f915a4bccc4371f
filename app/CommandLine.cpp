#include "CommandLine.h"

namespace pelmora {

QString shellCommandLine(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return {};
    return u'"' + arguments.mid(1).join(u' ') + u'"';
}

std::optional<QString> FileVlxFromCommandLine(QStringView commandLine)
{
    // The quotes are removed by position, not by looking for them: a path
    // given without quotes loses its first and last character, and opening the
    // shortened path fails as any missing file does.
    if (commandLine.size() < 2)
        return std::nullopt;
    return commandLine.mid(1, commandLine.size() - 2).toString();
}

} // namespace pelmora
