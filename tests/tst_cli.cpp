// pelmora-cli as a user runs it: the locale from LANG, the exact output bytes,
// and usage errors that exit 2 without crashing. (The solver's searches: their
// edge cases in tst_timevalue.)
#include "TestData.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// pelmora-cli run in `folder` (or here) with LANG and no other locale variable.
Run runCli(const QStringList &arguments, const QString &lang = u"en_US.UTF-8"_s, const QString &folder = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LC_MONETARY", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    env.insert(u"LANG"_s, lang);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(PELMORA_CLI), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

// A folder that holds the second example of the appraisal as example.vlx and as --sep.vlx.
struct ExampleFolder : QTemporaryDir
{
    ExampleFolder()
    {
        for (const QString &name : {u"example.vlx"_s, u"--sep.vlx"_s})
            writeBytes(filePath(name), testData("example.vlx"));
    }
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void outputs_data() { addRowsFromTsv("cli-outputs.tsv"); }
    void outputs()
    {
        QFETCH(QString, lang);
        QFETCH(QString, arguments);
        QFETCH(QString, exit);
        QFETCH(QString, output);
        QByteArray expected = output.startsWith(u'@') ? testData(qPrintable(output.mid(1))) : output.toUtf8();
        if (lang == u"pt_BR" && !output.contains(u".pt_BR.")) {
            expected = decimalCommaTwin(QString::fromUtf8(expected)).toUtf8();
            arguments = decimalCommaTwin(arguments);
        }
        QStringList args = arguments.split(u' ', Qt::SkipEmptyParts);
        for (QString &a : args)
            a = a.startsWith(u'@') ? QStringLiteral(PELMORA_TEST_DATA "/") + a.mid(1) : a;
        if (const qsizetype sep = args.indexOf(u"--sep"_s); sep >= 0 && args.first() != u"solve")
            expected.replace(';', args.at(sep + 1).toUtf8());
        const ExampleFolder folder;
        Run run = runCli(args, lang + u".UTF-8"_s, folder.path());
        run.out.replace(PELMORA_TEST_DATA "/", "@"); // file names as the table writes them
        QCOMPARE(QString::number(run.exitCode), exit);
        QCOMPARE(run.out, expected);
        if (exit == u"2")
            QVERIFY(run.err.contains("usage: pelmora-cli"));
    }

    void largeOutputs_data() { addRowsFromTsv("large-outputs.tsv"); }
    void largeOutputs()
    {
        QFETCH(QString, lang);
        QFETCH(QString, arguments);
        QFETCH(QString, sha256);
        QFETCH(QString, bytes);
        QStringList args = arguments.split(u' ');
        for (QString &a : args)
            a = a.startsWith(u'@') ? QStringLiteral(PELMORA_TEST_DATA "/") + a.mid(1) : a;
        const Run run = runCli(args, lang + u".UTF-8"_s);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::number(run.out.size()), bytes);
        QCOMPARE(QString::fromLatin1(QCryptographicHash::hash(run.out, QCryptographicHash::Sha256).toHex()), sha256);
    }

    void unreadableFile_data() { addRowsFromTsv("cli-unreadable-files.tsv"); }
    void unreadableFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(kind + u".vlx"_s);
        if (kind == u"folder") {
            QVERIFY(QDir(dir.path()).mkdir(kind + u".vlx"_s));
        } else if (kind == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"large") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(17 * 1024 * 1024)); // sparse
        } else if (kind.startsWith(u'/')) {
            path = kind;
        }
        const Run run = runCli({u"appraise"_s, path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QTEST(QString::fromUtf8(run.err), "message");
        QCOMPARE(runCli({u"resave"_s, path, dir.filePath(u"out.vlx"_s)}).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath(u"out.vlx"_s)));
    }

    // resave writes the file as the program saves it, appraised; after "--", names
    // that look like options are files.
    void resave()
    {
        const ExampleFolder folder;
        QCOMPARE(runCli({u"resave"_s, u"--"_s, u"--sep.vlx"_s, u"--out.vlx"_s}, u"en_US.UTF-8"_s, folder.path())
                     .exitCode,
                 0);
        QCOMPARE(readBytes(folder.filePath(u"--out.vlx"_s)), testData("example-resaved.vlx"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
