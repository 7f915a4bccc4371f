// The Help menu as a user drives it: the About box with its version line,
// legal warning, web link and System Info button, and the splash screen's
// height; the two web commands through the program's own shell steps over a
// stand-in desktop, with the browser message in both languages.
#include "AboutBox.h"
#include "MainWindowRun.h"
#include "QtPlatform.h"
#include "ShellRules.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// A desktop with one program for every existing file.
class StandInDesktop : public SystemShell
{
public:
    QList<QStringList> started;

    AssociatedProgram FindAssociatedProgram(const QString &path) const override
    {
        if (!QFile::exists(path))
            return {};
        return {u"/usr/bin/handler"_s, {}};
    }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList{program} + arguments);
        return true;
    }
    std::optional<QString> GetKeyValue(RegistryRoot, QStringView, QStringView) const override { return {}; }
};

const QByteArray English = "OptEN        True\r\nOptPT        False\r\n";
const QByteArray Portuguese = "OptEN        False\r\nOptPT        True\r\n";

} // namespace

class TestHelpCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void aboutBox_data();
    void aboutBox();
    void splashScreen();
    void webCommands_data();
    void webCommands();
};

void TestHelpCommands::aboutBox_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("warningStart");
    QTest::newRow("English") << English << u"Warning: this program"_s;
    QTest::newRow("Portuguese") << Portuguese << u"Aviso: este programa"_s;
}

void TestHelpCommands::aboutBox()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, warningStart);

    Run run;
    run.start(settings);
    QString caption, version, warning;
    int height = 0;
    inModalDialog([&] { run.trigger(u"msobreqor"_s); },
                  [&](QWidget *box) {
                      caption = box->windowTitle();
                      version = box->findChild<QLabel *>(u"Label1"_s)->text();
                      warning = box->findChild<QLabel *>(u"Label3"_s)->text();
                      height = box->height();
                      QTest::mouseClick(box->findChild<QLabel *>(u"Label5"_s), Qt::LeftButton);
                      QTest::mouseClick(box->findChild<QPushButton *>(u"cmdSysInfo"_s), Qt::LeftButton);
                      QTest::mouseClick(box->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
                  });
    QCOMPARE(caption, u"Sobre o Qor"_s);
    QCOMPARE(version, u"Version "_s + programVersionText() + u" 10Nov2009"_s);
    QVERIFY(warning.startsWith(warningStart));
    QVERIFY(height > twipsToPixels(3700, 96.0)); // the full box, buttons included
    QCOMPARE(run.recordingShell.browsed, QStringList{u"https://www.pelmora.example"_s});
    QCOMPARE(run.recordingShell.sysInfoStarts, 1);
    QCOMPARE(run.messages.shown, QStringList{u"System Information Is Unavailable At This Time"_s});
}

void TestHelpCommands::splashScreen()
{
    fsobre splash(u"1.2.3"_s, fsobre::Role::Splash);
    splash.show();
    QCOMPARE(splash.height(), twipsToPixels(3700, splash.logicalDpiY()));
    const auto *ok = splash.findChild<QPushButton *>(u"Command1"_s);
    QVERIFY(ok->mapTo(&splash, QPoint()).y() >= splash.height()); // cut off below the frame
    QVERIFY(splash.findChild<QLabel *>(u"Label3"_s)->text().startsWith(u"Warning:"_s)); // designed text
}

void TestHelpCommands::webCommands_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("writableFolder");
    QTest::addColumn<QString>("message"); // empty: the browser started
    QTest::addColumn<QString>("address");
    QTest::newRow("support page") << English << u"msupport"_s << true << QString()
                                  << u"https://www.pelmora.example/support"_s;
    QTest::newRow("folder cannot be written") << English << u"mqorhp"_s << false
                                              << u"Sorry, I did not find your Browser"_s << QString();
    QTest::newRow("folder cannot be written, Portuguese")
        << Portuguese << u"msupport"_s << false << u"Desculpe, não encontrei o seu Browser"_s << QString();
}

void TestHelpCommands::webCommands()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, item);
    QFETCH(bool, writableFolder);
    QFETCH(QString, message);
    QFETCH(QString, address);

    Run run;
    run.writeFile(u"plain-file"_s, "x");
    const QString programFolder = writableFolder ? run.folder.path() : run.folder.filePath(u"plain-file/bin"_s);
    StandInDesktop desktop;
    DesktopShell shell(desktop, programFolder);
    run.shell = &shell;
    run.start(settings);
    run.trigger(item);

    QCOMPARE(run.messages.shown, message.isEmpty() ? QStringList() : QStringList{message});
    const QList<QStringList> started = address.isEmpty()
        ? QList<QStringList>()
        : QList<QStringList>{{u"/usr/bin/handler"_s, address}};
    QCOMPARE(desktop.started, started);
    QVERIFY(!QFile::exists(run.folder.filePath(u"index.html"_s)));
}

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
