// The settings file at start-up and exit: a first start without the file,
// files with odd lines, the write-read round trip; the command line; and the
// greeting's hours on the status panel.
#include "CommandLine.h"
#include "Settings.h"
#include "ShellRules.h"
#include "TestData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace pelmora {
// Failures show the record as the file would hold it.
char *toString(const Settings &s)
{
    return QTest::toString(QString::fromUtf8(settingsFileText(s)));
}
} // namespace pelmora

namespace {
// As the end of a run writes it: a blank before and after each number.
const QByteArray writtenFile = "FileVlx      C:\\Projects\\Plant.vlx\r\nSGlobal      2.1.20\r\n"
                               "OptEN        False\r\nOptPT        True\r\nTool         True\r\n"
                               "Status       True\r\nfMax         False\r\nPrintOrient   2 \r\n"
                               "valorixTop    1230 \r\nvalorixLeft   885 \r\nvalorixHeight 7200 \r\n"
                               "valorixWidth  10500 \r\n";

// The record before reading, set apart from the empty values so that the keys
// left unread show; with `change`, as a reading should leave it.
Settings beforeReading(const std::function<void(Settings &)> &change = {})
{
    Settings s;
    s.Tool = s.Status = true;
    s.valorixTop = 99;
    if (change)
        change(s);
    return s;
}

// Reads `bytes` as the settings file into `settings`; returns the message.
QString readFile(const QByteArray &bytes, Settings &settings)
{
    QTemporaryDir dir;
    QFile file(settingsFilePath(dir.path()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return u"test file not written"_s;
    file.close();
    return ReadSettings(settings, dir.path()).value_or(QString());
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // No file to read (the main window's test: it is made empty at start), then
    // the record as the end of the first run writes it.
    void firstStart()
    {
        QTemporaryDir dir;
        Settings settings;
        QCOMPARE(ReadSettings(settings, dir.path()), std::nullopt);
        settings.VersionText = makeVersionText(0, 1, 0);
        settleUnstoredValues(settings);
        applySettingRules(settings);
        QCOMPARE(settings.ListSep, u";"_s);
        QCOMPARE(settingsFileText(settings),
                 QByteArray("FileVlx      \r\nSGlobal      0.1.0\r\nOptEN        True\r\n"
                            "OptPT        False\r\nTool         True\r\nStatus       True\r\n"
                            "fMax         False\r\nPrintOrient   2 \r\nvalorixTop    0 \r\n"
                            "valorixLeft   0 \r\nvalorixHeight 0 \r\nvalorixWidth  0 \r\n"));
    }

    void oddLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Settings>("expected");
        QTest::addColumn<QString>("message");
        QTest::newRow("Tool and Status False, any case")
            << QByteArray("Tool         False\r\nStatus       FALSE\r\nOptEN        tRUE\r\n")
            << beforeReading([](Settings &s) { s.Tool = s.Status = false; s.OptEN = true; }) << QString();
        // The line is FileVlx's, then fails as Tool's.
        QTest::newRow("Tools folder in FileVlx")
            << QByteArray("FileVlx      C:\\Tools\\Plant.vlx\r\nOptPT        True\r\n")
            << beforeReading([](Settings &s) { s.FileVlx = s.StorableFileVlx = u"C:\\Tools\\Plant.vlx"_s; })
            << u"Type mismatch"_s;
        QTest::newRow("short Tool line") << QByteArray("OptPT        True\r\nTool\r\nfMax         True\r\n")
                                         << beforeReading([](Settings &s) { s.OptPT = true; }) << u"Type mismatch"_s;
        QTest::newRow("beyond 16 bits")
            << QByteArray("fMax         1\r\nvalorixTop    40000 \r\nOptEN        True\r\n")
            << beforeReading([](Settings &s) { s.fMax = true; }) << u"Overflow"_s;
        QTest::newRow("last line wins, halves to even, numbers as Booleans")
            << QByteArray("PrintOrient   2 \r\nPrintOrient   1 \r\nvalorixLeft   2.5 \r\n"
                          "valorixTop    3.5 \r\nTool         -1\r\nTool         0\r\n")
            << beforeReading([](Settings &s) {
                   s.PrintOrient = 1;
                   s.valorixLeft = 2;
                   s.valorixTop = 4;
                   s.Tool = false;
               })
            << QString();
        QTest::newRow("no key, StatusBar, Latin-1, LF, no last end")
            << QByteArray("[Valorix]\nStatusBar    False\nFileVlx      C:\\An\xe1lise.vlx  \r\nvalorixWidth  800 ")
            << beforeReading([](Settings &s) {
                   s.valorixWidth = 800;
                   s.FileVlx = s.StorableFileVlx = u"C:\\Análise.vlx  "_s;
               })
            << QString();
    }
    void oddLines()
    {
        QFETCH(QByteArray, file);
        Settings settings = beforeReading();
        QTEST(readFile(file, settings), "message");
        QTEST(settings, "expected");
    }

    void roundTrip()
    {
        Settings read;
        QCOMPARE(readFile(writtenFile, read), QString());
        QCOMPARE(settingsFileText(read), writtenFile);

        Settings extreme = read;
        extreme.FileVlx = u"/home/ana/Análise de projetos/Plant.vlx  "_s;
        extreme.fMax = true;
        extreme.valorixTop = -32768;
        extreme.valorixLeft = 32767;
        keepStorableFileVlx(extreme); // as after opening that file
        QTemporaryDir dir;
        QVERIFY(WriteSettings(extreme, dir.path()));
        Settings back;
        QCOMPARE(ReadSettings(back, dir.path()), std::nullopt);
        QCOMPARE(back, extreme);
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<std::optional<QString>>("FileVlx");
        QTest::newRow("path split at a blank")
            << shellCommandLine({u"/opt/pelmora/pelmora"_s, u"/my"_s, u"projects/x.vlx"_s})
            << std::optional(u"/my projects/x.vlx"_s);
        QTest::newRow("path without quotes") << u"C:\\x.vlx"_s << std::optional(u":\\x.vl"_s);
        QTest::newRow("one character") << u"x"_s << std::optional<QString>();
    }
    void commandLine()
    {
        QFETCH(QString, commandLine);
        QTEST(FileVlxFromCommandLine(commandLine), "FileVlx");
    }

    void greeting_data() { addRowsFromTsv("t2-greetings.tsv"); }
    void greeting()
    {
        QFETCH(QString, time);
        QTEST(Greeting(time, u"Ana"), "greeting");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
