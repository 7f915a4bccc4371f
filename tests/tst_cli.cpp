// pelmora-cli as a user runs it: the locale from LANG, the exact output bytes,
// and usage errors that exit 2 without crashing. (The solver's searches: their
// edge cases in tst_timevalue.)
#include "TestData.h"

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

QByteArray line(const QByteArray &output, const QByteArray &name)
{
    for (const QByteArray &l : output.split('\n')) {
        if (l.startsWith(name + '='))
            return l;
    }
    return {};
}

const QByteArray LoanSchedule = testData("amort-1000-4-10.csv");
const QByteArray ExampleData = testData("example-data.csv");

// The decimal-comma twin of an en_US text.
QByteArray brazilian(QByteArray text)
{
    for (char &c : text)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    return text;
}

// The second example of the appraisal: A = -1,000, 700, 500; B = -1,500, 700, 1,200; i = 10.
QString writeExample(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(u"example.vlx"_s);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(testData("example.vlx"));
    return path;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void solve_data() { addRowsFromTsv("cli-solves.tsv"); }
    void solve()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, printed);
        const QByteArray expected = printed.toLatin1();
        const QByteArray name = expected.left(expected.indexOf('='));
        const Run english = runCli(arguments.split(u' '));
        QCOMPARE(english.exitCode, 0);
        QCOMPARE(line(english.out, name), expected);
        const Run portuguese = runCli(QString::fromLatin1(brazilian(arguments.toLatin1())).split(u' '), u"pt_BR.UTF-8"_s);
        QCOMPARE(portuguese.exitCode, 0);
        QCOMPARE(line(portuguese.out, name), brazilian(expected));
    }

    void schedule()
    {
        const QStringList arguments = u"schedule --pv 1000 --n 4 --i 10 --paym 1"_s.split(u' ');
        const Run english = runCli(arguments);
        QCOMPARE(english.exitCode, 0);
        QCOMPARE(english.out, LoanSchedule);
        // ";" is the separator in both locales: swap only the figures' separators.
        QCOMPARE(runCli(arguments, u"pt_BR.UTF-8"_s).out, brazilian(LoanSchedule));
        QCOMPARE(runCli(arguments + QStringList{u"--sep"_s, u"\t"_s}).out, QByteArray(LoanSchedule).replace(';', '\t'));
    }

    void fieldsInOrder()
    {
        const Run run = runCli({u"solve"_s, u"pv"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("n=0.00\ni=0.00\nPV=0.00\nPMT=0.00\nFV=0.00\npaym=0\n"
                                     "Amort=0.00\nIPaym=0.00\nBD=0.00\nTI=0.00\n"));
    }

    void usage_data() { addRowsFromTsv("cli-usage-errors.tsv"); }
    void usage()
    {
        QFETCH(QString, arguments);
        const Run run = runCli(arguments.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains("usage: pelmora-cli"));
    }

    void appraise()
    {
        QTemporaryDir dir;
        const QString path = writeExample(dir);
        const Run data = runCli({u"appraise"_s, path});
        QCOMPARE(data.exitCode, 0);
        QCOMPARE(data.out, ExampleData);
        QCOMPARE(runCli({u"appraise"_s, path, u"--sep"_s, u"\t"_s}).out, QByteArray(ExampleData).replace(';', '\t'));
        QCOMPARE(runCli({u"appraise"_s, path, u"--footnote"_s}).out,
                 " NPVA: $49.59 IRR: 13.9% NPVB: $128.1 IRR: 15.77% DR: 10% Fisher: 18.32% [NPV: $-51.25]\n");

        const QList<QByteArray> rows = runCli({u"appraise"_s, path, u"--profile"_s}).out.split('\n');
        QCOMPARE(rows[0], QByteArray("rows=210 escala=10"));
        QCOMPARE(rows.size(), 1 + 210 + 1); // a line end after the last row
        QVERIFY(rows[101].startsWith("10;") && rows[101].endsWith(";128.1;"));   // row 101: the discount rate
        QVERIFY(rows[184].startsWith("18.3;") && rows[184].endsWith(";-51.25")); // row 184: the Fisher rate

        const Run fields = runCli({u"appraise"_s, path, u"--fields"_s});
        QCOMPARE(line(fields.out, "PMT"), QByteArray("PMT=28.57"));
        QCOMPARE(line(fields.out, "n"), QByteArray("n=2.00"));
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("missing") << u"missing"_s << QByteArray("Error 53: File not found on ReadVlxcorp\n");
        QTest::newRow("folder") << u"folder"_s << QByteArray("Error 75: Path/File access error on ReadVlxcorp\n");
        // Neither may hang or exhaust memory: a pipe nobody writes, an endless device.
        QTest::newRow("named pipe") << u"fifo"_s << QByteArray("Error 75: Path/File access error on ReadVlxcorp\n");
        QTest::newRow("device") << u"/dev/zero"_s << QByteArray("Error 75: Path/File access error on ReadVlxcorp\n");
        QTest::newRow("far too large") << u"large"_s << QByteArray("Error 7: Out of memory on ReadVlxcorp\n");
    }

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
        QTEST(run.err, "message");
        const Run resave = runCli({u"resave"_s, path, dir.filePath(u"out.vlx"_s)});
        QCOMPARE(resave.exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath(u"out.vlx"_s)));
    }

    // resave writes the file as the program saves it; after "--", names that look
    // like options are files.
    void resave()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(writeExample(dir), dir.filePath(u"--sep.vlx"_s)));
        const QString english = u"en_US.UTF-8"_s;
        QCOMPARE(runCli({u"appraise"_s, u"--"_s, u"--sep.vlx"_s}, english, dir.path()).out, ExampleData);
        QCOMPARE(runCli({u"resave"_s, u"--"_s, u"--sep.vlx"_s, u"--out.vlx"_s}, english, dir.path()).exitCode, 0);
        const QString copy = dir.filePath(u"--out.vlx"_s);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("nfsize        8 \r\nnFix          2 \r\n"));
        QVERIFY(bytes.contains("\r\nCFb02        1,200.00\r\n"));
        QCOMPARE(runCli({u"appraise"_s, copy}).out, ExampleData);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
