// Writes the help document Valorix.pdf at build time: the user guide's HTML,
// with screenshots of the program taken offscreen, rendered by QTextDocument
// into a PDF file.
//
//   makeguide <guide.html> <example.vlx> <Valorix.pdf>
//
// The screenshots show the program as it is built: the main window with the
// example project after its cash analysis, the print dialog and the About box.
// Every dialog that could wait for a person answers by itself.
#include "AboutBox.h"
#include "PrintDialog.h"
#include "ProjectWindowWidget.h"
#include "Startup.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>

using namespace pelmora;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

class SilentMessages : public MessageBoxes
{
public:
    void information(const QString &text) override { std::fprintf(stderr, "makeguide: %s\n", qPrintable(text)); }
    Answer question(const QString &) override { return Answer::No; }
};

class NoFileDialogs : public FileDialogs
{
public:
    std::optional<QString> ShowOpenDialog(const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QString> ShowSaveDialog(const FileDialogRequest &) override { return std::nullopt; }
};

class MorningClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2009, 11, 10), QTime(9, 30)); }
};

class GuideUser : public UserNameService
{
public:
    QString UserName() const override { return u"Maria"_s; }
};

class NoShell : public ShellService
{
public:
    bool openAssociated(const QString &) override { return false; }
    bool openInBrowser(const QString &) override { return false; }
};

// The PDF file printer only; nothing is printed.
class GuidePrinters : public PrinterServices
{
public:
    QStringList printerNames() const override { return {u"PDF File"_s}; }
    QString defaultPrinterName() const override { return u"PDF File"_s; }
    std::optional<std::int16_t> PrinterSetup(const QString &, std::int16_t) override { return std::nullopt; }
    bool confirm(const QString &) override { return false; }
    bool printPage(const ChartPage &) override { return false; }
};

void settle(std::chrono::milliseconds wait = 150ms)
{
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Screenshots
{
    QImage main;
    QImage print;
    QImage about;
};

Screenshots takeScreenshots(const QString &examplePath)
{
    QTemporaryDir folder;
    const QString project = folder.filePath(u"example.vlx"_s);
    QFile::copy(examplePath, project);

    SilentMessages messages;
    NoFileDialogs dialogs;
    MorningClock clock;
    GuideUser user;
    NoShell shell;
    GuidePrinters printers;
    Settings settings;
    DocumentSession session;
    const StartupOptions options{folder.path(), {u"pelmora"_s, project}, 0ms, {}};
    const auto window = Main(settings, session, {messages, dialogs, clock, user, shell, &printers}, options);
    window->resize(1180, 720);
    Screenshots shots;
    ProjectWindowWidget *projectWindow = window->activeProject();
    if (!projectWindow)
        return shots;
    projectWindow->parentWidget()->showMaximized();
    settle();
    shots.main = window->grab().toImage();

    projectWindow->CopyChart(1);
    CurrentPrinter printer;
    const QSize windowTwips(16500, 9800); // a new project window's size
    fprinter print({settings.PrintOrient, printer, windowTwips, {}}, printers, messages, window.get());
    print.load();
    print.show();
    settle();
    shots.print = print.grab().toImage();
    print.close();

    fsobre about(settings.VersionText, fsobre::Role::Dialog, {}, window.get());
    about.show();
    settle();
    shots.about = about.grab().toImage();
    about.close();
    window->close();
    return shots;
}

bool writeGuide(const QString &html, const Screenshots &shots, const QString &output)
{
    QTextDocument guide;
    guide.setHtml(html);
    guide.addResource(QTextDocument::ImageResource, QUrl(u"main.png"_s), shots.main);
    guide.addResource(QTextDocument::ImageResource, QUrl(u"print.png"_s), shots.print);
    guide.addResource(QTextDocument::ImageResource, QUrl(u"about.png"_s), shots.about);

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(u"Corporate Valorix – User Guide"_s);
        writer.setCreator(u"Pelmora"_s);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
        guide.print(&writer);
    }
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: makeguide <guide.html> <example.vlx> <Valorix.pdf>\n");
        return 2;
    }
    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makeguide: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());
    const Screenshots shots = takeScreenshots(arguments[2]);
    if (!writeGuide(html, shots, arguments[3])) {
        std::fprintf(stderr, "makeguide: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
