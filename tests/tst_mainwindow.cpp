// The program from start-up to exit, driven as a user would: the first start
// without a settings file, starts from settings and command lines, the tool
// bar, the save prompt while quitting, the Options dialog's language switch,
// and the commands that follow the documents. Dialogs, message boxes, the clock
// and the user name are stand-ins.
#include "OptionsDialog.h"
#include "ProjectFile.h"
#include "ProjectSubWindow.h"
#include "ShellFakes.h"
#include "ShellRules.h"
#include "Startup.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

class FixedClock : public Clock
{
public:
    QDateTime time{QDate(2026, 3, 2), QTime(9, 30)};
    QDateTime now() const override { return time; }
};

class FixedUser : public UserNameService
{
public:
    QString UserName() const override { return u"Ana"_s; }
};

class RecordingShell : public ShellService
{
public:
    bool programRegistered = true;
    QStringList opened;
    bool openAssociated(const QString &path) override
    {
        opened.append(path);
        return programRegistered;
    }
    bool openInBrowser(const QString &) override { return false; }
};

// One run of the program in a folder of its own.
struct Run
{
    QTemporaryDir folder;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    FixedClock clock;
    FixedUser user;
    RecordingShell shell;
    Settings settings;
    DocumentSession session;
    std::unique_ptr<fvalorix> window;

    void writeSettings(const QByteArray &bytes)
    {
        QFile file(settingsFilePath(folder.path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void start(const QStringList &arguments = {u"pelmora"_s})
    {
        window = Main(settings, session, {messages, dialogs, clock, user, shell},
                      {folder.path(), arguments, 0ms, {}});
    }
    template<typename T = QAction>
    T *find(const QString &name) const { return window->findChild<T *>(name); }
    void trigger(const QString &item) { find(item)->trigger(); }
    QString panel(const QString &key) const { return find<QLabel>(key)->text(); }
    QStringList captions() const
    {
        QStringList list;
        for (QMdiSubWindow *w : find<QMdiArea>(u"mdiclient"_s)->subWindowList(QMdiArea::CreationOrder))
            list.append(qobject_cast<ProjectSubWindow *>(w)->caption());
        return list;
    }
    QStringList settingsKeys() const
    {
        QFile file(settingsFilePath(folder.path()));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList keys;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts))
            keys.append(line.left(SettingsKeyFieldWidth).trimmed());
        return keys;
    }
};

const QStringList storedKeys = {u"FileVlx"_s, u"SGlobal"_s, u"OptEN"_s, u"OptPT"_s, u"Tool"_s, u"Status"_s,
                                u"fMax"_s, u"PrintOrient"_s, u"valorixTop"_s, u"valorixLeft"_s,
                                u"valorixHeight"_s, u"valorixWidth"_s};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void firstStartWithoutSettingsFile();
    void startFromSettings_data();
    void startFromSettings();
    void commandLineOpensFile_data();
    void commandLineOpensFile();
    void toolBarRunsMenuCommands_data();
    void toolBarRunsMenuCommands();
    void toolBarSaveIsFileSave();
    void cancelAtSavePrompt_data();
    void cancelAtSavePrompt();
    void languageSwitch_data();
    void languageSwitch();
    void documentCommandsFollowWindows();
    void pasteItemFollowsClipboard_data();
    void pasteItemFollowsClipboard();
    void arrangementTicks();
    void helpContents_data();
    void helpContents();
};

void TestMainWindow::firstStartWithoutSettingsFile()
{
    Run run;
    run.start();
    QVERIFY(QFile::exists(settingsFilePath(run.folder.path())));
    QVERIFY(run.window->isVisible() && !run.window->isMaximized());
    QVERIFY(run.find<QToolBar>(u"Toolbar1"_s)->isVisible() && run.find(u"mtoolbar"_s)->isChecked());
    QVERIFY(run.window->statusBar()->isVisible() && run.find(u"mstatusbar"_s)->isChecked());
    QCOMPARE(run.find(u"mfile"_s)->text(), u"File"_s);
    QCOMPARE(run.settings.PrintOrient, 2);
    QCOMPARE(run.captions(), QStringList{u"Corporate Valorix 1"_s});
    QVERIFY(run.find(u"msave"_s)->isEnabled()); // enabled by the window's activation
    QCOMPARE(run.panel(u"system"_s), u"Good morning Ana. Welcome to Valorix."_s);
    QCOMPARE(run.panel(u"time"_s), u"9:30 AM"_s);
    QCOMPARE(run.find<QLabel>(u"time"_s)->toolTip(), u"Monday, March 2, 2026"_s);
    QCOMPARE(run.find<QWidget>(u"conectar"_s)->toolTip(), u"Valorix is ready for Ana"_s);
    QVERIFY(run.settingsKeys().isEmpty()); // written at exit only

    run.trigger(u"msair"_s);
    QVERIFY(!run.window->isVisible());
    QCOMPARE(run.settingsKeys(), storedKeys);
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
    QFETCH(QString, fileMenu);
    QFETCH(bool, maximized);
    QFETCH(QStringList, messages);

    Run run;
    run.writeSettings(file);
    run.start();
    QCOMPARE(run.messages.shown, messages);
    QCOMPARE(run.find(u"mfile"_s)->text(), fileMenu);
    QCOMPARE(run.window->isMaximized(), maximized);
    QVERIFY(run.find<QToolBar>(u"Toolbar1"_s)->isVisible() && run.find(u"mtoolbar"_s)->isChecked());
    QVERIFY(run.window->statusBar()->isVisible() && run.find(u"mstatusbar"_s)->isChecked());
    QCOMPARE(run.find(u"msave"_s)->text(), u"Save"_s); // a caption that no language changes

    run.trigger(u"msair"_s);
    QCOMPARE(run.settingsKeys(), storedKeys);
}

void TestMainWindow::commandLineOpensFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("arguments"); // after the program; %1 is the folder
    QTest::newRow("one path") << u"plant.vlx"_s << QStringList{u"%1/plant.vlx"_s};
    QTest::newRow("a path the shell split at its blank") << u"my plant.vlx"_s
                                                         << QStringList{u"%1/my"_s, u"plant.vlx"_s};
}

void TestMainWindow::commandLineOpensFile()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, arguments);

    Run run;
    const QString path = run.folder.filePath(fileName);
    ProjectValues values;
    values.n = 3;
    values.rows = 9;
    QVERIFY(WriteProject(path, values, NumberTexts()).ok);
    QStringList command{u"pelmora"_s};
    for (const QString &argument : arguments)
        command.append(argument.arg(run.folder.path()));

    run.start(command);
    QCOMPARE(run.captions(), QStringList{fileName});
    QCOMPARE(run.settings.FileVlx, path);
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
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(ran.count(), 1);
    QVERIFY(!button->toolTip().isEmpty());
}

void TestMainWindow::toolBarSaveIsFileSave()
{
    Run run;
    run.start();
    QTest::mouseClick(run.find<QToolButton>(u"Save"_s), Qt::LeftButton);
    QCOMPARE(run.dialogs.saved.size(), 1); // a new window saves through Save As
    QVERIFY(run.dialogs.saved[0].initialPath.endsWith(u"Corporate Valorix 1"_s));

    const QList<QAction *> entries = run.find<QToolBar>(u"Toolbar1"_s)->actions();
    QCOMPARE(entries.size(), 12);
    for (int separator : {4, 8, 10})
        QVERIFY(entries[separator - 1]->isSeparator());
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
    QCOMPARE(run.captions().size(), 1);

    // The close box now does nothing, without asking; File > Exit asks again.
    QVERIFY(!run.window->close());
    QCOMPARE(run.messages.questions.size(), 1);
    QVERIFY(run.settingsKeys().isEmpty());
    run.messages.answers = {Answer::No};
    run.trigger(u"msair"_s);
    QCOMPARE(run.messages.questions.size(), 2);
    QVERIFY(!run.window->isVisible());
    QCOMPARE(run.settingsKeys(), storedKeys);
}

void TestMainWindow::languageSwitch_data()
{
    QTest::addColumn<bool>("withWindow");
    QTest::addColumn<QString>("separator"); // typed into Text1
    QTest::addColumn<bool>("ok");           // else the close box
    QTest::addColumn<QString>("listSep");

    QTest::newRow("OK takes a vertical bar") << true << u"|"_s << true << u"|"_s;
    QTest::newRow("OK with an empty field") << true << QString() << true << u";"_s;
    QTest::newRow("close box keeps the separator") << true << u"|"_s << false << u";"_s;
    QTest::newRow("no window open") << false << u";"_s << true << u";"_s;
}

void TestMainWindow::languageSwitch()
{
    QFETCH(bool, withWindow);
    QFETCH(QString, separator);
    QFETCH(bool, ok);
    QFETCH(QString, listSep);

    Run run;
    run.start();
    if (!withWindow)
        run.trigger(u"mclose"_s);
    const QString greeting = run.panel(u"system"_s);

    QString titleWhileOpen, menuWhileOpen;
    QTimer::singleShot(0, run.window.get(), [&] {
        auto *dialog = qobject_cast<fopcoes *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QRadioButton *>(u"Option2"_s), Qt::LeftButton);
        titleWhileOpen = dialog->windowTitle();
        menuWhileOpen = run.find(u"mfile"_s)->text();
        dialog->findChild<QLineEdit *>(u"Text1"_s)->setText(separator);
        if (ok)
            QTest::mouseClick(dialog->findChild<QPushButton *>(u"cok"_s), Qt::LeftButton);
        else
            dialog->close();
    });
    run.trigger(u"mopcoes"_s);

    // Everything at the click, before the dialog closed.
    QCOMPARE(titleWhileOpen, u"Opções"_s);
    QCOMPARE(menuWhileOpen, u"Arquivo"_s);
    QCOMPARE(run.find(u"mnew"_s)->text(), u"Novo"_s);
    QCOMPARE(run.find(u"mauxiliogeral"_s)->text(), u"Auxílio Geral"_s);
    QCOMPARE(run.find<QToolButton>(u"Save"_s)->toolTip(), u"Salvar"_s);
    QCOMPARE(run.find<QLabel>(u"system"_s)->toolTip(), u"Menssagem do Sistema"_s);
    QCOMPARE(run.find<QWidget>(u"conectar"_s)->toolTip(), u"Valorix está pronto para Ana"_s);
    QCOMPARE(run.panel(u"system"_s), greeting); // the greeting is not rewritten
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
    QCOMPARE(run.panel(u"system"_s), u"Corporate Valorix 1 closed"_s);
    for (const QString &item : {u"msave"_s, u"msaveas"_s, u"mgraphpr"_s, u"mprint"_s, u"mcopy"_s, u"mclose"_s})
        QVERIFY2(!run.find(item)->isEnabled(), qPrintable(item));
    QVERIFY(!run.find<QToolButton>(u"Save"_s)->isEnabled());

    run.trigger(u"mnew"_s);
    QCOMPARE(run.captions(), QStringList{u"Corporate Valorix 1"_s});
    QVERIFY(run.find(u"msave"_s)->isEnabled() && run.find<QToolButton>(u"GraphPr"_s)->isEnabled());

    // Graph Properties hides the sliders and releases button 5, and back.
    QVERIFY(run.find(u"mgraphpr"_s)->isChecked());
    QTest::mouseClick(run.find<QToolButton>(u"GraphPr"_s), Qt::LeftButton);
    QVERIFY(!run.find(u"mgraphpr"_s)->isChecked());
    run.trigger(u"mgraphpr"_s);
    QVERIFY(run.find(u"mgraphpr"_s)->isChecked());
}

void TestMainWindow::pasteItemFollowsClipboard_data()
{
    QTest::addColumn<QString>("clipboard"); // empty: no text at all
    QTest::addColumn<bool>("pasteEnabled");
    QTest::newRow("no text") << QString() << false;
    QTest::newRow("text") << u"1,250.00"_s << true;
}

void TestMainWindow::pasteItemFollowsClipboard()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, pasteEnabled);

    Run run;
    run.start();
    if (clipboard.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(clipboard);
    Q_EMIT run.window->activeProject()->popupMenuRequested(u"edit"_s, run.window->geometry().center());
    auto *menu = run.find<QMenu>(u"mmsflexgrid"_s);
    QVERIFY(menu->isVisible());
    QCOMPARE(run.find(u"mpastecell"_s)->isEnabled(), pasteEnabled);
    menu->close();
}

void TestMainWindow::arrangementTicks()
{
    Run run;
    run.start();
    run.trigger(u"mnew"_s);
    run.trigger(u"mvertical"_s);
    QVERIFY(run.find(u"mvertical"_s)->isChecked());
    QVERIFY(!run.find(u"mhorizontal"_s)->isChecked() && !run.find(u"mtabular"_s)->isChecked());
    const QList<QMdiSubWindow *> windows = run.find<QMdiArea>(u"mdiclient"_s)->subWindowList();
    QCOMPARE(windows[0]->y(), windows[1]->y()); // side by side
    QVERIFY(windows[0]->x() != windows[1]->x());

    windows[0]->showMaximized();
    QVERIFY(!run.find(u"mvertical"_s)->isChecked());
}

void TestMainWindow::helpContents_data()
{
    QTest::addColumn<bool>("helpFile");
    QTest::addColumn<bool>("programRegistered");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no help file") << false << true << QStringList{u"No File"_s};
    QTest::newRow("no program for it") << true << false << QStringList{u"No File"_s};
    QTest::newRow("opened") << true << true << QStringList();
}

void TestMainWindow::helpContents()
{
    QFETCH(bool, helpFile);
    QFETCH(bool, programRegistered);
    QFETCH(QStringList, messages);

    Run run;
    if (helpFile) {
        QFile pdf(run.folder.filePath(u"Valorix.pdf"_s));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    run.shell.programRegistered = programRegistered;
    run.start();
    run.trigger(u"mauxiliogeral"_s);
    QCOMPARE(run.messages.shown, messages);
    QCOMPARE(run.shell.opened.size(), helpFile ? 1 : 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
