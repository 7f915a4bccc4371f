#include "ShellServices.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

namespace pelmora {

namespace {

// The system's user-name service hands out at most 255 characters, ended by NUL.
QString limited(QString name)
{
    const qsizetype nul = name.indexOf(QChar(u'\0'));
    if (nul >= 0)
        name.truncate(nul);
    name.truncate(255);
    return name;
}

} // namespace

QString UserName()
{
#if defined(Q_OS_UNIX)
    // The account of the running process, as the login records it; the
    // environment, which a user may have changed, only when that fails.
    if (const passwd *account = getpwuid(geteuid()); account && account->pw_name)
        return limited(QString::fromLocal8Bit(account->pw_name));
    return limited(qEnvironmentVariable("USER"));
#else
    return limited(qEnvironmentVariable("USERNAME"));
#endif
}

} // namespace pelmora
