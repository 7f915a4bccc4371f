// Handing files and web addresses to other programs: the steps of opening a
// file, the browser look-up with its temporary "index.html", the system
// information tool's two places, and, on this desktop, the default
// application's command from xdg-mime and its desktop entry.
#include "ShellServices.h"
#include "XdgShell.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

// A desktop that registers `program` for every existing file (none when it is
// empty) and records what was asked of it.
class FakeShell : public SystemShell
{
public:
    QString program = u"/usr/bin/browser"_s;
    QStringList fixedArguments;
    bool starts = true;
    QHash<QString, QString> registry; // "key|value name" -> text

    mutable QStringList lookedUp;     // paths asked for
    mutable QList<bool> existedAtLookUp;
    QList<QStringList> started;       // program, then its arguments

    AssociatedProgram FindAssociatedProgram(const QString &path) const override
    {
        lookedUp.append(path);
        existedAtLookUp.append(QFile::exists(path));
        if (program.isEmpty() || !QFile::exists(path))
            return {};
        return {program, fixedArguments};
    }
    bool startProgram(const QString &name, const QStringList &arguments) override
    {
        started.append(QStringList{name} + arguments);
        return starts;
    }
    std::optional<QString> GetKeyValue(RegistryRoot root, QStringView key, QStringView valueName) const override
    {
        const auto found = registry.constFind(key.toString() + u'|' + valueName.toString());
        if (root != RegistryRoot::LocalMachine || found == registry.cend())
            return std::nullopt;
        return *found;
    }
};

const QString Address = u"https://www.pelmora.example"_s;

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

} // namespace

class TestShellServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void browserLookUp_data();
    void browserLookUp();
    void browserFailures_data();
    void browserFailures();
    void openAssociated_data();
    void openAssociated();
    void startSysInfo_data();
    void startSysInfo();
    void desktopEntryCommand_data();
    void desktopEntryCommand();
    void defaultApplicationOfThisDesktop();
};

void TestShellServices::browserLookUp_data()
{
    QTest::addColumn<bool>("pageThere");
    QTest::newRow("made for the look-up and removed") << false;
    QTest::newRow("one already there stays untouched") << true;
}

void TestShellServices::browserLookUp()
{
    QFETCH(bool, pageThere);
    QTemporaryDir folder;
    const QString page = folder.filePath(u"index.html"_s);
    if (pageThere)
        writeFile(page, "<html>mine</html>");

    FakeShell shell;
    shell.fixedArguments = {u"--new-window"_s};
    QVERIFY(OpenInBrowser(shell, folder.path(), Address));

    QCOMPARE(shell.lookedUp, QStringList{page});
    QCOMPARE(shell.existedAtLookUp, QList<bool>{true});
    QCOMPARE(shell.started, (QList<QStringList>{{shell.program, u"--new-window"_s, Address}}));
    QCOMPARE(QFile::exists(page), pageThere);
    if (pageThere) {
        QFile kept(page);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("<html>mine</html>"));
    }
}

void TestShellServices::browserFailures_data()
{
    QTest::addColumn<bool>("writableFolder");
    QTest::addColumn<bool>("browserRegistered");
    QTest::addColumn<bool>("browserStarts");
    QTest::addColumn<int>("lookUps");
    QTest::newRow("folder cannot be written") << false << true << true << 0;
    QTest::newRow("no browser registered") << true << false << true << 1;
    QTest::newRow("browser cannot be started") << true << true << false << 1;
}

void TestShellServices::browserFailures()
{
    QFETCH(bool, writableFolder);
    QFETCH(bool, browserRegistered);
    QFETCH(bool, browserStarts);
    QFETCH(int, lookUps);

    QTemporaryDir root;
    // A folder below a regular file can be neither made nor written, even by root.
    const QString blocker = writeFile(root.filePath(u"plain-file"_s), "x");
    const QString folder = writableFolder ? root.path() : blocker + u"/program"_s;
    FakeShell shell;
    if (!browserRegistered)
        shell.program.clear();
    shell.starts = browserStarts;

    QVERIFY(!OpenInBrowser(shell, folder, Address));
    QCOMPARE(shell.lookedUp.size(), lookUps);
    QVERIFY(!QFile::exists(QDir(folder).filePath(u"index.html"_s)));
}

void TestShellServices::openAssociated_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("programRegistered");
    QTest::addColumn<bool>("programStarts");
    QTest::addColumn<bool>("opened");
    QTest::newRow("opened") << true << true << true << true;
    QTest::newRow("no such file") << false << true << true << false;
    QTest::newRow("no program registered") << true << false << true << false;
    QTest::newRow("program cannot be started") << true << true << false << false;
}

void TestShellServices::openAssociated()
{
    QFETCH(bool, fileThere);
    QFETCH(bool, programRegistered);
    QFETCH(bool, programStarts);
    QFETCH(bool, opened);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"Valorix help.pdf"_s); // a blank in the name
    if (fileThere)
        writeFile(path, "%PDF-1.4");
    FakeShell shell;
    shell.program = programRegistered ? u"/usr/bin/viewer"_s : QString();
    shell.starts = programStarts;

    QCOMPARE(OpenAssociated(shell, path), opened);
    const bool startAsked = fileThere && programRegistered;
    QCOMPARE(shell.started.size(), startAsked ? 1 : 0);
    if (startAsked)
        QCOMPARE(shell.started[0], (QStringList{u"/usr/bin/viewer"_s, path}));
}

void TestShellServices::startSysInfo_data()
{
    QTest::addColumn<bool>("pathValue");
    QTest::addColumn<bool>("locationValue");
    QTest::addColumn<bool>("programFileThere");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("started"); // "path", "location" or empty
    QTest::newRow("the tool's path") << true << true << true << true << u"path"_s;
    QTest::newRow("its folder, with the program file") << false << true << true << true << u"location"_s;
    QTest::newRow("its folder, without the program file") << false << true << false << true << QString();
    QTest::newRow("not registered") << false << false << false << true << QString();
    QTest::newRow("cannot be started") << true << false << false << false << u"path"_s;
}

void TestShellServices::startSysInfo()
{
    QFETCH(bool, pathValue);
    QFETCH(bool, locationValue);
    QFETCH(bool, programFileThere);
    QFETCH(bool, starts);
    QFETCH(QString, started);

    QTemporaryDir folder;
    const QString programFile = folder.filePath(SysInfoProgramFile.toString());
    if (programFileThere)
        writeFile(programFile, "");
    FakeShell shell;
    shell.starts = starts;
    if (pathValue)
        shell.registry.insert(SysInfoKey.toString() + u"|PATH"_s, u"/usr/bin/sysinfo-tool"_s);
    if (locationValue)
        shell.registry.insert(SysInfoLocationKey.toString() + u"|MSINFO"_s, folder.path());

    QCOMPARE(StartSysInfo(shell), !started.isEmpty() && starts);
    QStringList expected;
    if (started == u"path")
        expected = {u"/usr/bin/sysinfo-tool"_s};
    else if (started == u"location")
        expected = {programFile};
    QCOMPARE(shell.started.value(0), expected);
}

void TestShellServices::desktopEntryCommand_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QStringList>("command"); // for the target "T"; empty: no program
    const QString sh = QStandardPaths::findExecutable(u"sh"_s);
    const auto line = [](const char *exec) {
        return QByteArray("[Desktop Entry]\nType=Application\nName=Viewer\nIcon=viewer\nExec=") + exec + '\n';
    };
    QTest::newRow("file code") << line("sh %f") << QStringList{sh, u"T"_s};
    QTest::newRow("no code: the file goes last") << line("sh -c run") << QStringList{sh, u"-c"_s, u"run"_s, u"T"_s};
    QTest::newRow("code inside an argument") << line("sh --file=%f") << QStringList{sh, u"--file=T"_s};
    QTest::newRow("quotes and escapes")
        << line(R"(sh "a b" "say \\"hi\\"" %u)") << QStringList{sh, u"a b"_s, u"say \"hi\""_s, u"T"_s};
    QTest::newRow("percent, icon and name") << line("sh 100%% %i %c %u")
                                            << QStringList{sh, u"100%"_s, u"--icon"_s, u"viewer"_s,
                                                           u"Viewer"_s, u"T"_s};
    QTest::newRow("Exec of another group ignored")
        << QByteArray("[Desktop Action New]\nExec=sh %u\n[Desktop Entry]\nName=X\n") << QStringList();
    QTest::newRow("no such program") << line("no-such-program-of-pelmora %f") << QStringList();
}

void TestShellServices::desktopEntryCommand()
{
    QFETCH(QByteArray, entry);
    QFETCH(QStringList, command);

    const AssociatedProgram program = programFromDesktopEntry(entry, u"/apps/viewer.desktop"_s);
    if (command.isEmpty()) {
        QVERIFY(program.program.isEmpty());
        return;
    }
    QCOMPARE(QStringList{program.program} + program.argumentsFor(u"T"_s), command);
}

// The real look-up, on a desktop made in a scratch folder: a default
// application for web pages, none for PDF files.
void TestShellServices::defaultApplicationOfThisDesktop()
{
    if (QStandardPaths::findExecutable(u"xdg-mime"_s).isEmpty())
        QSKIP("xdg-mime is not installed");
    QTemporaryDir desktop;
    QVERIFY(QDir(desktop.path()).mkpath(u"data/applications"_s));
    QVERIFY(QDir(desktop.path()).mkpath(u"config"_s));
    writeFile(desktop.filePath(u"config/mimeapps.list"_s), "[Default Applications]\ntext/html=pelmora-test.desktop\n");
    writeFile(desktop.filePath(u"data/applications/pelmora-test.desktop"_s),
              "[Desktop Entry]\nType=Application\nName=Test browser\nExec=sh --web %u\n");
    qputenv("XDG_CONFIG_HOME", desktop.filePath(u"config"_s).toLocal8Bit());
    qputenv("XDG_DATA_HOME", desktop.filePath(u"data"_s).toLocal8Bit());
    // The system's folders stay after ours: they hold the MIME type database.
    const QByteArray systemData = qEnvironmentVariable("XDG_DATA_DIRS", u"/usr/local/share:/usr/share"_s).toLocal8Bit();
    qputenv("XDG_DATA_DIRS", desktop.filePath(u"data"_s).toLocal8Bit() + ':' + systemData);
    qunsetenv("XDG_CURRENT_DESKTOP");

    const QString page = writeFile(desktop.filePath(u"index.html"_s), "");
    const QString pdf = writeFile(desktop.filePath(u"Valorix.pdf"_s), "%PDF-1.4");
    XdgShell shell;
    const AssociatedProgram browser = shell.FindAssociatedProgram(page);
    QCOMPARE(browser.program, QStandardPaths::findExecutable(u"sh"_s));
    QCOMPARE(browser.argumentsFor(Address), (QStringList{u"--web"_s, Address}));
    QVERIFY(shell.FindAssociatedProgram(pdf).program.isEmpty());
    QVERIFY(shell.FindAssociatedProgram(desktop.filePath(u"missing.html"_s)).program.isEmpty());
}

QTEST_GUILESS_MAIN(TestShellServices)
#include "tst_shellservices.moc"
