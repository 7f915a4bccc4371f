// The program from start-up to exit: starts with and without a settings file,
// which is written at exit only, the save prompt while quitting, and the
// commands that follow the active window and the clipboard.
#include "MainWindowRun.h"
#include "ProjectWindowWidget.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

QByteArray settingsFile(const Run &run)
{
    QFile file(settingsFilePath(run.folder.path()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void start_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: none, made empty at start
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no settings file") << QByteArray() << false << QStringList();
        QTest::newRow("tool bar and status bar off: shown all the same")
            << QByteArray("Tool         False\r\nStatus       False\r\n") << false << QStringList();
        QTest::newRow("maximised") << QByteArray("fMax         True\r\nvalorixWidth  3000 \r\n") << true << QStringList();
        QTest::newRow("Tool without a value stops the reading, before OptPT")
            << QByteArray("Tool\r\nOptPT        True\r\n") << false << QStringList{u"Type mismatch"_s};
    }
    void start()
    {
        QFETCH(QByteArray, file);
        Run run;
        run.start(file);
        QTEST(run.messages.shown, "messages");
        QTEST(run.window->isMaximized(), "maximized");
        QVERIFY(run.find<QToolBar>(u"Toolbar1"_s)->isVisible() && run.find(u"mtoolbar"_s)->isChecked());
        QVERIFY(run.window->statusBar()->isVisible() && run.find(u"mstatusbar"_s)->isChecked());
        // The greeting in English, at 9:30.
        QCOMPARE(run.find<QLabel>(u"system"_s)->text(), u"Good morning Ana. Welcome to Valorix."_s);
        QCOMPARE(run.find<QLabel>(u"time"_s)->text(), u"9:30 AM"_s);
        QCOMPARE(run.find<QLabel>(u"time"_s)->toolTip(), u"Monday, March 2, 2026"_s);
        QCOMPARE(settingsFile(run), file);

        run.trigger(u"msair"_s);
        QVERIFY(!run.window->isVisible() && run.messages.questions.isEmpty());
        QCOMPARE(settingsFile(run), settingsFileText(run.settings));
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
        QCOMPARE(settingsFile(run), QByteArray());

        run.messages.answers = {Answer::No};
        run.trigger(u"msair"_s);
        QVERIFY(run.messages.questions.size() == 2 && !run.window->isVisible());
        QCOMPARE(settingsFile(run), settingsFileText(run.settings));
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
            Q_EMIT run.window->activeProject()->popupMenuRequested(u"edit"_s, run.window->geometry().center());
            QVERIFY(menu->isVisible());
            QCOMPARE(run.find(u"mpastecell"_s)->isEnabled(), withText);
            menu->close();
        }
    }

    void helpContents_data()
    {
        QTest::addColumn<bool>("helpFile");
        QTest::addColumn<bool>("programRegistered");
        QTest::newRow("no help file") << false << true;
        QTest::newRow("no program for it") << true << false;
        QTest::newRow("opened") << true << true;
    }
    void helpContents()
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
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
