// The program from start-up to exit: starts with and without a settings file,
// which is written at exit only, the save prompt while quitting, and the
// commands that follow the active window and the clipboard. The Help menu: the
// About box with its version line, legal warning, web link and System Info
// button, the splash screen's height, and the contents and the two web commands
// through the program's own shell steps over a stand-in desktop.
#include "AboutBox.h"
#include "MainWindowRun.h"
#include "ProjectWindowWidget.h"
#include "QtPlatform.h"
#include "ShellRules.h"

#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// A desktop with one program for every existing file, or none.
class StandInDesktop : public SystemShell
{
public:
    bool registered = true, starts = true;
    QList<QStringList> started;

    AssociatedProgram FindAssociatedProgram(const QString &path) const override
    {
        if (!registered || !QFileInfo(path).isFile())
            return {};
        return {u"/usr/bin/handler"_s, {u"--new-window"_s}};
    }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList{program} + arguments);
        return starts;
    }
    std::optional<QString> GetKeyValue(RegistryRoot, QStringView, QStringView) const override { return {}; }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void start_data() { addRowsFromTsv("starts.tsv"); }
    void start()
    {
        QFETCH(QString, text);
        QFETCH(QString, maximized);
        const QByteArray file = text.toLatin1();
        Run run;
        run.start(file);
        QTEST(run.messages.shown.join(u'|'), "message");
        QCOMPARE(run.window->isMaximized(), maximized == u"yes");
        QVERIFY(run.find<QToolBar>(u"Toolbar1"_s)->isVisible() && run.find(u"mtoolbar"_s)->isChecked());
        QVERIFY(run.window->statusBar()->isVisible() && run.find(u"mstatusbar"_s)->isChecked());
        // The greeting in English, at 9:30.
        QCOMPARE(run.find<QLabel>(u"system"_s)->text(), u"Good morning Ana. Welcome to Valorix."_s);
        QCOMPARE(run.find<QLabel>(u"time"_s)->text(), u"9:30 AM"_s);
        QCOMPARE(run.find<QLabel>(u"time"_s)->toolTip(), u"Monday, March 2, 2026"_s);
        QVERIFY(QFile::exists(settingsFilePath(run.folder.path()))); // made at start when missing,
        QCOMPARE(run.readFile(u"Valorix.ini"_s), file);              // written at exit only

        run.trigger(u"msair"_s);
        QVERIFY(!run.window->isVisible() && run.messages.questions.isEmpty());
        QCOMPARE(run.readFile(u"Valorix.ini"_s), settingsFileText(run.settings));
    }

    // Cancel at the save prompt stops File > Exit: the close box then does
    // nothing, without asking, and File > Exit asks again.
    void cancelAtSavePrompt()
    {
        Run run;
        run.start();
        run.window->activeProject()->ClearCell(); // a grid edit marks the document
        run.messages.answers = {Answer::Cancel};
        run.trigger(u"msair"_s);
        QCOMPARE(run.messages.questions, QStringList{u"Do you want to save changes to 'Corporate Valorix 1'?"_s});
        QVERIFY(run.window->isVisible() && run.window->activeProject());
        QVERIFY(!run.window->close());
        QCOMPARE(run.messages.questions.size(), 1);
        QCOMPARE(run.readFile(u"Valorix.ini"_s), QByteArray());

        run.messages.answers = {Answer::No};
        run.trigger(u"msair"_s);
        QVERIFY(run.messages.questions.size() == 2 && !run.window->isVisible());
        QCOMPARE(run.readFile(u"Valorix.ini"_s), settingsFileText(run.settings));
    }

    void commandsFollowActiveWindow()
    {
        Run run;
        run.start();
        QTest::mouseClick(run.find<QToolButton>(u"GraphPr"_s), Qt::LeftButton);
        QVERIFY(!run.find(u"mgraphpr"_s)->isChecked());
        run.trigger(u"mgraphpr"_s);
        QVERIFY(run.find(u"mgraphpr"_s)->isChecked() && run.find<QToolButton>(u"GraphPr"_s)->isChecked());

        auto *menu = run.find<QMenu>(u"mmsflexgrid"_s);
        for (bool withText : {false, true}) {
            if (withText)
                QGuiApplication::clipboard()->setText(u"1,250.00"_s);
            else
                QGuiApplication::clipboard()->clear();
            Q_EMIT run.window->activeProject()->popupMenuRequested(PopupMenu::Grid, run.window->geometry().center());
            QVERIFY(menu->isVisible());
            QCOMPARE(run.find(u"mpastecell"_s)->isEnabled(), withText);
            menu->close();
        }
    }

    void aboutBox_data() { addRowsFromTsv("about-box.tsv"); }
    void aboutBox()
    {
        QFETCH(QString, language);
        QFETCH(QString, warningStart);
        Run run;
        run.start(language == u"English" ? EnglishSettings : PortugueseSettings);
        inModalDialog([&] { run.trigger(u"msobreqor"_s); },
                      [&](QWidget *box) {
                          QCOMPARE(box->windowTitle(), u"Sobre o Qor"_s);
                          QCOMPARE(box->findChild<QLabel *>(u"Label1"_s)->text(),
                                   u"Version "_s + programVersionText() + u" 10Nov2009"_s);
                          QVERIFY(box->findChild<QLabel *>(u"Label3"_s)->text().startsWith(warningStart));
                          QVERIFY(box->height() > twipsToPixels(3700, 96.0)); // the full box, buttons included
                          QTest::mouseClick(box->findChild<QLabel *>(u"Label5"_s), Qt::LeftButton);
                          QTest::mouseClick(box->findChild<QPushButton *>(u"cmdSysInfo"_s), Qt::LeftButton);
                          QTest::mouseClick(box->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
                      });
        // What the link and System Info did (nothing, had the box not opened).
        QCOMPARE(run.recordingShell.browsed, QStringList{u"https://www.pelmora.example"_s});
        QCOMPARE(run.recordingShell.sysInfoStarts, 1);
        QCOMPARE(run.messages.shown, QStringList{u"System Information Is Unavailable At This Time"_s});
    }

    void splashScreen()
    {
        fsobre splash(u"1.2.3"_s, fsobre::Role::Splash);
        splash.show();
        QCOMPARE(splash.height(), twipsToPixels(3700, splash.logicalDpiY()));
        const auto *ok = splash.findChild<QPushButton *>(u"Command1"_s);
        QVERIFY(ok->mapTo(&splash, QPoint()).y() >= splash.height());                       // cut off below the frame
        QVERIFY(splash.findChild<QLabel *>(u"Label3"_s)->text().startsWith(u"Warning:"_s)); // designed text
    }

    void handedToAnotherProgram_data() { addRowsFromTsv("help-commands.tsv"); }
    void handedToAnotherProgram()
    {
        QFETCH(QString, language);
        QFETCH(QString, item);
        QFETCH(QString, given);
        QFETCH(QString, started);
        const QStringList there = given.split(u' ');
        Run run;
        run.writeFile(u"plain-file"_s, "x");
        if (there.contains(u"pdf"))
            run.writeFile(u"Valorix.pdf"_s, "%PDF-1.4");
        if (there.contains(u"page"))
            run.writeFile(u"index.html"_s, "mine");
        StandInDesktop desktop;
        desktop.registered = !there.contains(u"no-program");
        desktop.starts = !there.contains(u"no-start");
        const bool readOnly = there.contains(u"read-only");
        DesktopShell shell(desktop, readOnly ? run.folder.filePath(u"plain-file/bin"_s) : run.folder.path());
        run.shell = &shell;
        run.start(language == u"English" ? EnglishSettings : PortugueseSettings);
        run.trigger(item);
        QTEST(run.messages.shown.join(u'|'), "message");
        const QStringList command{u"/usr/bin/handler"_s, u"--new-window"_s,
                                  started.replace(u"%1"_s, run.folder.path())};
        QCOMPARE(desktop.started, started.isEmpty() ? QList<QStringList>() : QList<QStringList>{command});
        // The look-up's page is gone again; the user's own stays as it was.
        QCOMPARE(run.readFile(u"index.html"_s), there.contains(u"page") ? QByteArray("mine") : QByteArray());
        QCOMPARE(QFile::exists(run.folder.filePath(u"index.html"_s)), there.contains(u"page"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
