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

// A desktop that registers `program` with a fixed argument for every existing
// file (none when it is empty) and records what was asked of it.
class FakeShell : public SystemShell
{
public:
    QString program = u"/usr/bin/browser"_s;
    bool starts = true;
    QHash<QString, QString> registry; // "key|value name" -> text

    mutable QStringList lookedUp;     // paths asked for
    QList<QStringList> started;       // program, then its arguments

    AssociatedProgram FindAssociatedProgram(const QString &path) const override
    {
        lookedUp.append(path);
        return QFile::exists(path) && !program.isEmpty() ? AssociatedProgram{program, {u"--new-window"_s}}
                                                         : AssociatedProgram();
    }
    bool startProgram(const QString &name, const QStringList &arguments) override
    {
        started.append(QStringList{name} + arguments);
        return starts;
    }
    std::optional<QString> GetKeyValue(RegistryRoot root, QStringView key, QStringView valueName) const override
    {
        const auto found = registry.constFind(key.toString() + u'|' + valueName.toString());
        return root == RegistryRoot::LocalMachine && found != registry.cend() ? std::optional(*found) : std::nullopt;
    }
};

const QString Address = u"https://www.pelmora.example"_s;

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

} // namespace

class TestShellServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A file opened with its program, or an address with the program of a page
    // "index.html" made for the look-up and removed again; a page already there
    // stays untouched. (A page made and removed, a folder that cannot be written
    // and a file without a program: the Help menu's commands in tst_mainwindow.)
    void handOff_data()
    {
        QTest::addColumn<bool>("web");        // OpenInBrowser; else OpenAssociated
        QTest::addColumn<bool>("fileThere");  // the file, or a page of the user's
        QTest::addColumn<bool>("registered"); // a program for it
        QTest::addColumn<bool>("starts");
        QTest::newRow("file opened") << false << true << true << true;
        QTest::newRow("no such file") << false << false << true << true;
        QTest::newRow("file: program cannot be started") << false << true << true << false;
        QTest::newRow("a page already there stays untouched") << true << true << true << true;
        QTest::newRow("no browser registered") << true << false << false << true;
        QTest::newRow("browser cannot be started") << true << false << true << false;
    }
    void handOff()
    {
        QFETCH(bool, web);
        QFETCH(bool, fileThere);
        QFETCH(bool, registered);
        QFETCH(bool, starts);
        QTemporaryDir folder;
        // A blank in the name: one argument all the same.
        const QString file = folder.filePath(web ? u"index.html"_s : u"Valorix help.pdf"_s);
        if (fileThere)
            writeFile(file, "mine");
        FakeShell shell;
        if (!registered)
            shell.program.clear();
        shell.starts = starts;

        const bool found = registered && (web || fileThere);
        QCOMPARE(web ? OpenInBrowser(shell, folder.path(), Address) : OpenAssociated(shell, file), found && starts);
        if (web)
            QCOMPARE(shell.lookedUp, QStringList{file});
        const QStringList command{shell.program, u"--new-window"_s, web ? Address : file};
        QCOMPARE(shell.started, found ? QList<QStringList>{command} : QList<QStringList>());
        QFile kept(file);
        QCOMPARE(kept.open(QIODevice::ReadOnly), fileThere);
        QCOMPARE(kept.readAll(), fileThere ? QByteArray("mine") : QByteArray());
    }

    void startSysInfo_data()
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

    void startSysInfo()
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
        const QStringList tool{started == u"path" ? u"/usr/bin/sysinfo-tool"_s : programFile};
        QCOMPARE(shell.started, started.isEmpty() ? QList<QStringList>() : QList<QStringList>{tool});
    }

    void desktopEntryCommand_data()
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

    void desktopEntryCommand()
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
    void defaultApplicationOfThisDesktop()
    {
        if (QStandardPaths::findExecutable(u"xdg-mime"_s).isEmpty())
            QSKIP("xdg-mime is not installed");
        QTemporaryDir desktop;
        QVERIFY(QDir(desktop.path()).mkpath(u"data/applications"_s));
        QVERIFY(QDir(desktop.path()).mkpath(u"config"_s));
        writeFile(desktop.filePath(u"config/mimeapps.list"_s),
                  "[Default Applications]\ntext/html=pelmora-test.desktop\n");
        writeFile(desktop.filePath(u"data/applications/pelmora-test.desktop"_s),
                  "[Desktop Entry]\nType=Application\nName=Test browser\nExec=sh --web %u\n");
        qputenv("XDG_CONFIG_HOME", desktop.filePath(u"config"_s).toLocal8Bit());
        qputenv("XDG_DATA_HOME", desktop.filePath(u"data"_s).toLocal8Bit());
        // The system's folders stay after ours: they hold the MIME type database.
        const QString systemData = qEnvironmentVariable("XDG_DATA_DIRS", u"/usr/local/share:/usr/share"_s);
        qputenv("XDG_DATA_DIRS", (desktop.filePath(u"data"_s) + u':' + systemData).toLocal8Bit());
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
};

QTEST_GUILESS_MAIN(TestShellServices)
#include "tst_shellservices.moc"
