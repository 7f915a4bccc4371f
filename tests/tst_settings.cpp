// The settings file at start-up and exit: a first start without the file,
// files with odd lines, the write-read round trip; the command line; and the
// greeting's hours on the status panel.
#include "CommandLine.h"
#include "Settings.h"
#include "ShellRules.h"
#include "TestData.h"

#include <QTemporaryDir>
#include <QTest>

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
// The record before reading, set apart from the empty values so that the keys
// left unread show.
Settings beforeReading()
{
    Settings s;
    s.Tool = s.Status = true;
    s.valorixTop = 99;
    return s;
}

// Reads `bytes` as the settings file into `settings`; returns the message.
QString readFile(const QByteArray &bytes, Settings &settings)
{
    QTemporaryDir dir;
    if (writeBytes(settingsFilePath(dir.path()), bytes).isEmpty())
        return u"test file not written"_s;
    return ReadSettings(settings, dir.path()).value_or(QString());
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

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
        QCOMPARE(settingsFileText(settings), testData("settings-first-start.ini"));
    }

    void oddLines_data() { addRowsFromTsv("settings-odd-lines.tsv"); }
    void oddLines()
    {
        QFETCH(QString, file);
        QFETCH(QString, changed);
        Settings settings = beforeReading();
        QTEST(readFile(file.toLatin1(), settings), "message");
        QStringList lines = QString::fromUtf8(settingsFileText(beforeReading())).split(u"\r\n"_s);
        for (const QString &line : changed.split(u'|', Qt::SkipEmptyParts)) {
            for (QString &before : lines) {
                if (before.left(SettingsKeyFieldWidth) == line.left(SettingsKeyFieldWidth))
                    before = line;
            }
        }
        QCOMPARE(QString::fromUtf8(settingsFileText(settings)), lines.join(u"\r\n"_s));
        QCOMPARE(settings.StorableFileVlx, settings.FileVlx); // kept for the next exit
        QVERIFY(settings.VersionText.isEmpty() && settings.ListSep.isEmpty());
    }

    void roundTrip()
    {
        // As the end of a run writes it: a blank before and after each number.
        const QByteArray written = testData("settings-written.ini");
        Settings read;
        QCOMPARE(readFile(written, read), QString());
        QCOMPARE(settingsFileText(read), written);

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

    void commandLine_data() { addRowsFromTsv("command-lines.tsv"); }
    void commandLine()
    {
        QFETCH(QString, commandLine);
        const QStringList arguments = commandLine.split(u'|');
        const QString given = arguments.size() > 1 ? shellCommandLine(arguments) : commandLine;
        QTEST(FileVlxFromCommandLine(given).value_or(u"(none)"_s), "FileVlx");
    }

    void greeting_data() { addRowsFromTsv("greetings.tsv"); }
    void greeting()
    {
        QFETCH(QString, time);
        QTEST(Greeting(time, u"Ana"), "greeting");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
