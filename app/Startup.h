#pragma once

// Main: the program's start-up. The About box shows as the splash screen for
// one second while the window system paints it; then the settings file is made
// sure of and read, the values that are not stored are settled, and the main
// window is shown, whose load step opens the first document.

#include "MainWindow.h"

#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

namespace pelmora {

struct StartupOptions
{
    QString programFolder; // holds Valorix.ini
    QStringList arguments; // as QCoreApplication::arguments() gives them
    std::chrono::milliseconds splashWait{1000};
    // Told of the main window before its load step, which may already show
    // message boxes (a project file on the command line that cannot be read).
    std::function<void(QWidget *)> mainWindowCreated;
};

// The version of this build as "major.minor.revision".
QString programVersionText();

// Runs the start-up and returns the shown main window; the run then goes on in
// the event loop until the main window unloads.
std::unique_ptr<fvalorix> Main(Settings &settings, DocumentSession &session, Platform platform,
                               const StartupOptions &options);

} // namespace pelmora
