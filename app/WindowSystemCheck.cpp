#include "WindowSystemCheck.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QString>

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
QList<HeldMessage> held;

QByteArray displayName()
{
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return qgetenv("WAYLAND_DISPLAY");
    return qgetenv("DISPLAY");
}

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        const QByteArray display = displayName();
        const QByteArray where = display.isEmpty() ? QByteArray("no display is set")
                                                   : "the display " + display + " cannot be reached";
        std::fprintf(stderr, "pelmora: cannot open a window: %s; for work without a display, use pelmora-cli.\n",
                     where.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
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
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace pelmora
