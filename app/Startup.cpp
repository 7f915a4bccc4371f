#include "Startup.h"

#include "AboutBox.h"
#include "CommandLine.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

Q_LOGGING_CATEGORY(lcStartup, "pelmora.startup", QtWarningMsg)

// Lets the window system deliver its messages, so that the splash screen
// paints, until the time has passed. A monotonic timer: a start just before
// midnight waits no longer.
void splashWait(std::chrono::milliseconds wait)
{
    if (wait.count() <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

QString programVersionText()
{
    return makeVersionText(PELMORA_VERSION_MAJOR, PELMORA_VERSION_MINOR, PELMORA_VERSION_PATCH);
}

std::unique_ptr<fvalorix> Main(Settings &settings, DocumentSession &session, Platform platform,
                               const StartupOptions &options)
{
    QElapsedTimer elapsed;
    elapsed.start();
    settings.VersionText = programVersionText();

    fsobre splash(settings.VersionText, fsobre::Role::Splash);
    splash.show();
    qCInfo(lcStartup) << "splash shown after" << elapsed.elapsed() << "ms";
    splashWait(options.splashWait);

    ensureSettingsFile(options.programFolder);
    if (const auto error = ReadSettings(settings, options.programFolder))
        platform.messages.information(*error);
    settleUnstoredValues(settings);
    session.ListSep = settings.ListSep;
    qCInfo(lcStartup) << "settings read after" << elapsed.elapsed() << "ms";

    auto window = std::make_unique<fvalorix>(settings, session, platform, options.programFolder);
    if (options.mainWindowCreated)
        options.mainWindowCreated(window.get());
    window->load(shellCommandLine(options.arguments), &splash);
    qCInfo(lcStartup) << "main window loaded after" << elapsed.elapsed() << "ms";
    return window;
}

} // namespace pelmora
