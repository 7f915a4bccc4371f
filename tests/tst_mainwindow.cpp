// The program from start-up to exit, driven as a user would: the first start
// without a settings file, starts from settings and command lines, the tool
// bar, the save prompt while quitting, the Options dialog's language switch,
// and the commands that follow the documents.
#include "MainWindowRun.h"
#include "OptionsDialog.h"
#include "ProjectFile.h"
#include "ProjectSubWindow.h"
#include "ShellRules.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
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

QStringList captions(const Run &run)
{
    QStringList list;
    for (QMdiSubWindow *w : run.find<QMdiArea>(u"mdiclient"_s)->subWindowList(QMdiArea::CreationOrder))
        list.append(qobject_cast<ProjectSubWindow *>(w)->caption());
    return list;
}

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
    void commandLineOpensFile();
    void toolBarRunsMenuCommands_data();
    void toolBarRunsMenuCommands();
    void cancelAtSavePrompt_data();
    void cancelAtSavePrompt();
    void languageSwitch_data();
    void languageSwitch();
    void documentCommandsFollowWindows();
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
    QCOMPARE(captions(run), QStringList{u"Corporate Valorix 1"_s});
    QVERIFY(run.find(u"msave"_s)->isEnabled()); // enabled by the window's activation
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

// A path with a blank that the shell split into two arguments.
void TestMainWindow::commandLineOpensFile()
{
    Run run;
    ProjectValues values;
    values.n = 3;
    values.rows = 9;
    QVERIFY(WriteProject(run.folder.filePath(u"my plant.vlx"_s), values, NumberTexts()).ok);
    run.start({}, {run.folder.filePath(u"my"_s), u"plant.vlx"_s});
    QCOMPARE(captions(run), QStringList{u"my plant.vlx"_s});
    QCOMPARE(run.settings.FileVlx, run.folder.filePath(u"my plant.vlx"_s));
    QCOMPARE(run.find<QLineEdit>(u"Text(0)"_s)->text(), u"3.00"_s);
    QVERIFY(run.messages.shown.isEmpty());
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

void TestMainWindow::cancelAtSavePrompt_data()
{
    QTest::addColumn<QString>("cancelledBy");
    QTest::newRow("File > Exit") << u"msair"_s;
    QTest::newRow("Valorix > Close") << u"mclose"_s;
}

void TestMainWindow::cancelAtSavePrompt()
{
    QFETCH(QString, cancelledBy);
    Run run;
    run.start();
    run.window->activeProject()->ClearCell(); // a grid edit marks the document
    run.messages.answers = {Answer::Cancel};
    run.trigger(cancelledBy);
    QCOMPARE(run.messages.questions, QStringList{u"Do you want to save changes to 'Corporate Valorix 1'?"_s});
    QVERIFY(run.window->isVisible());
    QCOMPARE(captions(run).size(), 1);

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

void TestMainWindow::languageSwitch_data()
{
    QTest::addColumn<bool>("withWindow");
    QTest::addColumn<bool>("ok"); // else the close box; "|" is typed as separator
    QTest::addColumn<QString>("listSep");
    QTest::newRow("OK takes a vertical bar") << true << true << u"|"_s;
    QTest::newRow("close box keeps the separator") << true << false << u";"_s;
    QTest::newRow("no window open") << false << true << u"|"_s;
}

void TestMainWindow::languageSwitch()
{
    QFETCH(bool, withWindow);
    QFETCH(bool, ok);
    QFETCH(QString, listSep);
    Run run;
    run.start();
    if (!withWindow)
        run.trigger(u"mclose"_s);
    const QString greeting = panel(run, u"system"_s);
    QString titleWhileOpen, menuWhileOpen;
    inModalDialog([&] { run.trigger(u"mopcoes"_s); },
                  [&](QWidget *dialog) {
                      QTest::mouseClick(dialog->findChild<QRadioButton *>(u"Option2"_s), Qt::LeftButton);
                      titleWhileOpen = dialog->windowTitle();
                      menuWhileOpen = run.find(u"mfile"_s)->text().remove(u'&');
                      dialog->findChild<QLineEdit *>(u"Text1"_s)->setText(u"|"_s);
                      if (ok)
                          QTest::mouseClick(dialog->findChild<QPushButton *>(u"cok"_s), Qt::LeftButton);
                  });
    // Everything at the click, before the dialog closed.
    QCOMPARE(titleWhileOpen, u"Opções"_s);
    QCOMPARE(menuWhileOpen, u"Arquivo"_s);
    QCOMPARE(run.find<QToolButton>(u"Save"_s)->toolTip(), u"Salvar"_s);
    QCOMPARE(run.find<QLabel>(u"system"_s)->toolTip(), u"Menssagem do Sistema"_s);
    QCOMPARE(panel(run, u"system"_s), greeting); // the greeting is not rewritten
    if (withWindow)
        QCOMPARE(run.find<QLabel>(u"Label1"_s)->toolTip(), u"Número de períodos"_s);
    QVERIFY(run.settings.OptPT && !run.settings.OptEN);
    QCOMPARE(run.settings.ListSep, listSep);
    QCOMPARE(run.session.ListSep, listSep);
}

void TestMainWindow::documentCommandsFollowWindows()
{
    Run run;
    run.start();
    run.trigger(u"mclose"_s);
    QCOMPARE(panel(run, u"system"_s), u"Corporate Valorix 1 closed"_s);
    for (const QString &item : {u"msave"_s, u"msaveas"_s, u"mgraphpr"_s, u"mprint"_s, u"mcopy"_s, u"mclose"_s})
        QVERIFY2(!run.find(item)->isEnabled(), qPrintable(item));
    QVERIFY(!run.find<QToolButton>(u"Save"_s)->isEnabled());

    run.trigger(u"mnew"_s);
    QCOMPARE(captions(run), QStringList{u"Corporate Valorix 1"_s});
    QVERIFY(run.find(u"msave"_s)->isEnabled() && run.find<QToolButton>(u"GraphPr"_s)->isEnabled());
    // Graph Properties' button and item stay in step.
    QTest::mouseClick(run.find<QToolButton>(u"GraphPr"_s), Qt::LeftButton);
    QVERIFY(!run.find(u"mgraphpr"_s)->isChecked());
    run.trigger(u"mgraphpr"_s);
    QVERIFY(run.find(u"mgraphpr"_s)->isChecked() && run.find<QToolButton>(u"GraphPr"_s)->isChecked());

    // The grid's Paste item follows the clipboard.
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

    // The arrangement's tick goes when a window is maximized.
    run.trigger(u"mnew"_s);
    run.trigger(u"mvertical"_s);
    QVERIFY(run.find(u"mvertical"_s)->isChecked() && !run.find(u"mhorizontal"_s)->isChecked());
    const QList<QMdiSubWindow *> windows = run.find<QMdiArea>(u"mdiclient"_s)->subWindowList();
    QVERIFY(windows[0]->y() == windows[1]->y() && windows[0]->x() != windows[1]->x()); // side by side
    windows[0]->showMaximized();
    QVERIFY(!run.find(u"mvertical"_s)->isChecked());
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
