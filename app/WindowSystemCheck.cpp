#include "WindowSystemCheck.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QMutex>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pelmora {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;
QMutex heldLock; // another of Qt's threads may report while the application is made
QList<HeldMessage> held;

QByteArray displayName()
{
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return qgetenv("WAYLAND_DISPLAY");
    return qgetenv("DISPLAY");
}

// No display at all, or one the window system could not connect to: the
// common case, said in one line. Anything else (a platform that does not
// exist, a plugin that cannot load) keeps Qt's own words below that line.
[[noreturn]] void failToStart(const QString &fatal)
{
    const QMutexLocker lock(&heldLock);
    const QByteArray display = displayName();
    const bool noDisplay = display.isEmpty() || std::any_of(held.cbegin(), held.cend(), [](const HeldMessage &m) {
                               return m.text.contains(QLatin1StringView("connect to display"));
                           });
    if (noDisplay) {
        const QByteArray where =
            display.isEmpty() ? QByteArray("no display is set") : "the display " + display + " cannot be reached";
        std::fprintf(stderr, "pelmora: cannot open a window: %s; for work without a display, use pelmora-cli.\n",
                     where.constData());
    } else {
        std::fprintf(stderr, "pelmora: cannot open a window: the window system did not start; "
                             "for work without a display, use pelmora-cli.\n");
        for (const HeldMessage &message : std::as_const(held))
            std::fprintf(stderr, "%s\n", qUtf8Printable(message.text));
        std::fprintf(stderr, "%s\n", qUtf8Printable(fatal));
    }
    std::fflush(stderr);
    std::_Exit(1);
}

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        failToStart(text);
    const QMutexLocker lock(&heldLock);
    held.append({type, QByteArray(context.category), text});
}

} // namespace

void holdWindowSystemMessages()
{
    passOn = qInstallMessageHandler(holdOrFail);
}

void releaseWindowSystemMessages()
{
    qInstallMessageHandler(passOn);
    const QMutexLocker lock(&heldLock);
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace pelmora
