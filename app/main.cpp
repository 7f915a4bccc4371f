#include "Pictures.h"
#include "QtPlatform.h"
#include "Startup.h"
#include "WindowSystemCheck.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace pelmora;
    holdWindowSystemMessages();
    QApplication app(argc, argv);
    releaseWindowSystemMessages();
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(programVersionText());
    QApplication::setWindowIcon(pictureIcon(Picture::Program));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pelmora"));

    QtPlatform desktop(QCoreApplication::applicationDirPath());
    Settings settings;
    DocumentSession session;
    StartupOptions options;
    options.programFolder = QCoreApplication::applicationDirPath();
    options.arguments = QCoreApplication::arguments();
    options.mainWindowCreated = [&desktop](QWidget *window) { desktop.setParent(window); };
    const auto window = Main(settings, session, desktop.platform(), options);
    return app.exec();
}
