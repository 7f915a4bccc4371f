// The program from start-up to exit: the first start without a settings file,
// starts from settings, the tool bar, the save prompt while quitting, the
// Options dialog's language switch, and the commands that follow the active
// window and the clipboard.
#include "MainWindowRun.h"
#include "ProjectWindowWidget.h"
#include "ShellRules.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

QString panel(const Run &run, const QString &key) { return run.find<QLabel>(key)->text(); }

QStringList settingsKeys(const Run &run)
{
    QFile file(settingsFilePath(run.folder.path()));
    QStringList keys;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts))
            keys.append(line.left(SettingsKeyFieldWidth).trimmed());
    }
    return keys;
}

const QStringList storedKeys = {u"FileVlx"_s, u"SGlobal"_s, u"OptEN"_s, u"OptPT"_s, u"Tool"_s, u"Status"_s,
                                u"fMax"_s, u"PrintOrient"_s, u"valorixTop"_s, u"valorixLeft"_s,
                                u"valorixHeight"_s, u"valorixWidth"_s};

void verifyBarsShown(const Run &run)
{
    QVERIFY(run.find<QToolBar>(u"Toolbar1"_s)->isVisible() && run.find(u"mtoolbar"_s)->isChecked());
    QVERIFY(run.window->statusBar()->isVisible() && run.find(u"mstatusbar"_s)->isChecked());
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void firstStartWithoutSettingsFile();
    void startFromSettings_data();
    void startFromSettings();
    void toolBarRunsMenuCommands_data();
    void toolBarRunsMenuCommands();
    void cancelAtSavePrompt();
    void commandsFollowActiveWindow();
    void helpContents_data();
    void helpContents();
};

void TestMainWindow::firstStartWithoutSettingsFile()
{
    Run run;
    run.start();
    QVERIFY(QFile::exists(settingsFilePath(run.folder.path())));
    QVERIFY(run.window->isVisible() && !run.window->isMaximized());
    verifyBarsShown(run);
    QCOMPARE(run.find(u"mfile"_s)->text().remove(u'&'), u"File"_s);
    QCOMPARE(run.settings.PrintOrient, 2);
    QCOMPARE(panel(run, u"system"_s), u"Good morning Ana. Welcome to Valorix."_s);
    QCOMPARE(panel(run, u"time"_s), u"9:30 AM"_s);
    QCOMPARE(run.find<QLabel>(u"time"_s)->toolTip(), u"Monday, March 2, 2026"_s);
    QCOMPARE(run.find<QWidget>(u"conectar"_s)->toolTip(), u"Valorix is ready for Ana"_s);
    QVERIFY(settingsKeys(run).isEmpty()); // written at exit only

    run.trigger(u"msair"_s);
    QVERIFY(!run.window->isVisible());
    QCOMPARE(settingsKeys(run), storedKeys);
    QVERIFY(run.messages.questions.isEmpty());
}

void TestMainWindow::startFromSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("tool bar and status bar off") << QByteArray("Tool         False\r\nStatus       False\r\n")
                                                 << u"File"_s << false << QStringList();
    QTest::newRow("Portuguese") << QByteArray("OptEN        False\r\nOptPT        True\r\n") << u"Arquivo"_s
                                << false << QStringList();
    QTest::newRow("neither language") << QByteArray("OptEN        False\r\nOptPT        False\r\n") << u"File"_s
                                      << false << QStringList();
    QTest::newRow("maximised") << QByteArray("fMax         True\r\nvalorixWidth  3000 \r\n") << u"File"_s
                               << true << QStringList();
    QTest::newRow("Tool without a value stops the reading")
        << QByteArray("Tool\r\nOptPT        True\r\n") << u"File"_s << false << QStringList{u"Type mismatch"_s};
}

void TestMainWindow::startFromSettings()
{
    QFETCH(QByteArray, file);
    Run run;
    run.start(file);
    QTEST(run.messages.shown, "messages");
    QTEST(run.find(u"mfile"_s)->text().remove(u'&'), "fileMenu");
    QTEST(run.window->isMaximized(), "maximized");
    verifyBarsShown(run);
    run.trigger(u"msair"_s);
    QCOMPARE(settingsKeys(run), storedKeys);
}

void TestMainWindow::toolBarRunsMenuCommands_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("item");
    for (const ToolBarButton &button : toolBarButtons()) {
        // Options and Exit are driven by their own tests.
        if (!button.key.isEmpty() && button.key != "Opcoes"_L1 && button.key != "Sair"_L1)
            QTest::newRow(button.key.data()) << QString(button.key) << QString(button.command);
    }
}

void TestMainWindow::toolBarRunsMenuCommands()
{
    QFETCH(QString, key);
    QFETCH(QString, item);
    Run run;
    run.start();
    auto *button = run.find<QToolButton>(key);
    QVERIFY(button);
    QSignalSpy ran(run.find(item), &QAction::triggered);
    inModalDialog([&] { QTest::mouseClick(button, Qt::LeftButton); }, [](QWidget *) {});
    QCOMPARE(ran.count(), 1);
    QVERIFY(!button->toolTip().isEmpty());
}

// Cancel at the save prompt stops File > Exit.
void TestMainWindow::cancelAtSavePrompt()
{
    Run run;
    run.start();
    run.window->activeProject()->ClearCell(); // a grid edit marks the document
    run.messages.answers = {Answer::Cancel};
    run.trigger(u"msair"_s);
    QCOMPARE(run.messages.questions, QStringList{u"Do you want to save changes to 'Corporate Valorix 1'?"_s});
    QVERIFY(run.window->isVisible() && run.window->activeProject());

    // The close box now does nothing, without asking; File > Exit asks again.
    QVERIFY(!run.window->close());
    QCOMPARE(run.messages.questions.size(), 1);
    QVERIFY(settingsKeys(run).isEmpty());
    run.messages.answers = {Answer::No};
    run.trigger(u"msair"_s);
    QCOMPARE(run.messages.questions.size(), 2);
    QVERIFY(!run.window->isVisible());
    QCOMPARE(settingsKeys(run), storedKeys);
}

void TestMainWindow::commandsFollowActiveWindow()
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
        Q_EMIT run.window->activeProject()->popupMenuRequested(u"edit"_s, run.window->geometry().center());
        QVERIFY(menu->isVisible());
        QCOMPARE(run.find(u"mpastecell"_s)->isEnabled(), withText);
        menu->close();
    }
}

void TestMainWindow::helpContents_data()
{
    QTest::addColumn<bool>("helpFile");
    QTest::addColumn<bool>("programRegistered");
    QTest::newRow("no help file") << false << true;
    QTest::newRow("no program for it") << true << false;
    QTest::newRow("opened") << true << true;
}

void TestMainWindow::helpContents()
{
    QFETCH(bool, helpFile);
    QFETCH(bool, programRegistered);
    Run run;
    if (helpFile)
        run.writeFile(u"Valorix.pdf"_s, "%PDF-1.4");
    run.recordingShell.programRegistered = programRegistered;
    run.start();
    run.trigger(u"mauxiliogeral"_s);
    QCOMPARE(run.messages.shown, helpFile && programRegistered ? QStringList() : QStringList{u"No File"_s});
    QCOMPARE(run.recordingShell.opened.size(), helpFile ? 1 : 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
