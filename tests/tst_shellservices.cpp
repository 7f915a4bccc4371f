// Starting other programs: the system information tool's two places, and, on
// this desktop, the default application's command from xdg-mime and its
// desktop entry. The rows are tables in tests/data.
#include "ShellServices.h"
#include "TestData.h"
#include "XdgShell.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// A settings store with the values of `registry` and a desktop that records
// the programs started.
class FakeShell : public SystemShell
{
public:
    bool starts = true;
    QHash<QString, QString> registry; // "key|value name" -> text
    QList<QStringList> started;       // program, then its arguments

    AssociatedProgram FindAssociatedProgram(const QString &) const override { return {}; }
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

} // namespace

class TestShellServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // (Opening a file and a web address, the browser look-up with its
    // temporary "index.html": the Help menu's commands in tst_mainwindow.)
    void startSysInfo_data() { addRowsFromTsv("sysinfo.tsv"); }
    void startSysInfo()
    {
        QFETCH(QString, given);
        QFETCH(QString, started);
        const QStringList there = given.split(u' ');
        QTemporaryDir folder;
        const QString programFile = folder.filePath(SysInfoProgramFile.toString());
        if (there.contains(u"program-file"))
            writeBytes(programFile, "");
        FakeShell shell;
        shell.starts = !there.contains(u"no-start");
        if (there.contains(u"path"))
            shell.registry.insert(SysInfoKey.toString() + u"|PATH"_s, u"/usr/bin/sysinfo-tool"_s);
        if (there.contains(u"location"))
            shell.registry.insert(SysInfoLocationKey.toString() + u"|MSINFO"_s, folder.path());

        QCOMPARE(StartSysInfo(shell), !started.isEmpty() && shell.starts);
        const QStringList tool{started == u"path" ? u"/usr/bin/sysinfo-tool"_s : programFile};
        QCOMPARE(shell.started, started.isEmpty() ? QList<QStringList>() : QList<QStringList>{tool});
    }

    void desktopEntryCommand_data() { addRowsFromTsv("desktop-entries.tsv"); }
    void desktopEntryCommand()
    {
        QFETCH(QString, entry);
        QFETCH(QString, command);
        const AssociatedProgram program = programFromDesktopEntry(entry.toUtf8(), u"/apps/viewer.desktop"_s);
        QStringList expected = command.split(u'|', Qt::SkipEmptyParts);
        if (!expected.isEmpty())
            expected[0] = QStandardPaths::findExecutable(expected[0]);
        QCOMPARE(program.program.isEmpty() ? QStringList()
                                           : QStringList{program.program} + program.argumentsFor(u"T"_s),
                 expected);
    }

    void defaultApplicationOfThisDesktop()
    {
        if (QStandardPaths::findExecutable(u"xdg-mime"_s).isEmpty())
            QSKIP("xdg-mime is not installed");
        QTemporaryDir desktop;
        QVERIFY(QDir(desktop.path()).mkpath(u"data/applications"_s));
        QVERIFY(QDir(desktop.path()).mkpath(u"config"_s));
        writeBytes(desktop.filePath(u"config/mimeapps.list"_s),
                   "[Default Applications]\ntext/html=pelmora-test.desktop\n");
        writeBytes(desktop.filePath(u"data/applications/pelmora-test.desktop"_s),
                   "[Desktop Entry]\nType=Application\nName=Test browser\nExec=sh --web %u\n");
        qputenv("XDG_CONFIG_HOME", desktop.filePath(u"config"_s).toLocal8Bit());
        qputenv("XDG_DATA_HOME", desktop.filePath(u"data"_s).toLocal8Bit());
        // The system's folders stay after ours: they hold the MIME type database.
        const QString systemData = qEnvironmentVariable("XDG_DATA_DIRS", u"/usr/local/share:/usr/share"_s);
        qputenv("XDG_DATA_DIRS", (desktop.filePath(u"data"_s) + u':' + systemData).toLocal8Bit());
        qunsetenv("XDG_CURRENT_DESKTOP");

        const QString page = writeBytes(desktop.filePath(u"index.html"_s), "");
        const QString pdf = writeBytes(desktop.filePath(u"Valorix.pdf"_s), "%PDF-1.4");
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
