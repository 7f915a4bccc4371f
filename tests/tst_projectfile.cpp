// The project file: its exact lines, the reader's key search, its messages, and
// a save and re-open that shows the same cell texts in both locales.
#include "ProjectFile.h"
#include "ProjectWindow.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Brazilian(QLocale::Portuguese, QLocale::Brazil);

QByteArray lines(const QList<QByteArray> &list)
{
    QByteArray out;
    for (const QByteArray &l : list)
        out += l + "\r\n";
    return out;
}
} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void writtenLines()
    {
        ProjectValues v;
        v.n = 0;
        v.i = -2.5;
        v.PV = 1000;
        v.CFa[0] = u"(1,000.00)"_s;
        QCOMPARE(projectFileBytes(v, NumberTexts(English)),
                 lines({"nfsize        8 ", "nFix          2 ", "n             0 ", "i            -2.5 ",
                        "PV            1000 ", "PMT           0 ", "FV            0 ", "escala        0 ",
                        "rows          6 ", "CFa00        (1,000.00)", "CFb00        "}));
        v.rows = 105;
        v.CFb[99] = u"7"_s;
        const QByteArray full = projectFileBytes(v, NumberTexts(Brazilian));
        QVERIFY(full.contains("\r\ni            -2,5 \r\n"));
        QVERIFY(full.endsWith("\r\nCFb99        7\r\n"));
        QCOMPARE(full.count("\r\n"), 9 + 200);
    }

    void read_data() { addRowsFromTsv("project-readings.tsv"); }
    void read()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(QString, n);
        QFETCH(QString, PV);
        ProjectValues v;
        double nLoaded = -1;
        const FileOutcome outcome = readProjectBytes(file.toLatin1(), v, nLoaded, NumberTexts(English));
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.ok, message.isEmpty());
        QCOMPARE(v.n, exactNumber(n));
        QCOMPARE(nLoaded, outcome.ok ? v.n : -1.0);
        QCOMPARE(v.PV, exactNumber(PV));
        QTEST(v.CFa[1], "CFa1");
        QTEST(v.CFb[0], "CFb0");
    }

    void saveAndReopen_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << English;
        QTest::newRow("pt_BR") << Brazilian;
    }

    void saveAndReopen()
    {
        QFETCH(QLocale, locale);
        const NumberTexts texts(locale);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"project.vlx"_s);
        const QStringList flowsA = {u"-1000"_s, u"700"_s, u""_s, u"note"_s};
        const QStringList flowsB = {u"-1500,5"_s, u"1e3"_s, u"1200"_s, u""_s};
        QStringList shown;
        {
            DocumentSession session;
            ProjectWindowModel window(session, texts);
            window.load();
            window.activate();
            window.panel().setDecimalsText(u"3"_s);
            window.FormatFontSize(10);
            window.panel().setText(Field_n, u"3"_s);
            window.clickCommand(Command::SetPeriods);
            for (int p = 0; p < 4; ++p) {
                for (auto [column, text] : {std::pair{1, flowsA[p]}, std::pair{3, flowsB[p]}}) {
                    window.grid().setCurrentCell(p + 1, column);
                    window.grid().setEditorText(text);
                    window.grid().CommitCell();
                }
            }
            for (int p = 0; p < 4; ++p)
                shown << window.grid().text(p + 1, 1) << window.grid().text(p + 1, 3);
            window.fillProjectArrays();
            QVERIFY(WriteProject(path, session.values, texts).ok);
        }
        DocumentSession session;
        QVERIFY(ReadProject(path, session.values, session.nLoaded, texts).ok);
        session.NewDoc = false;
        ProjectWindowModel window(session, texts);
        window.load();
        window.activate();
        QStringList reopened;
        for (int p = 0; p < 4; ++p)
            reopened << window.grid().text(p + 1, 1) << window.grid().text(p + 1, 3);
        QCOMPARE(reopened, shown);
        QCOMPARE(window.panel().decimalsText(), u"3"_s);
        QCOMPARE(window.fontSize(), 10);
        QVERIFY(session.NewDoc);
    }

    void failedSave()
    {
        QTemporaryDir dir;
        const NumberTexts texts(English);
        ProjectValues v;
        const FileOutcome missingFolder = WriteProject(dir.filePath(u"no/such/folder/p.vlx"_s), v, texts);
        QVERIFY(!missingFolder.ok);
        QCOMPARE(missingFolder.message, u"Error 76: Path not found on WriteVlxcorp"_s);

        // A shorter project replaces a longer one whole.
        const QString path = dir.filePath(u"p.vlx"_s);
        v.rows = 50;
        QVERIFY(WriteProject(path, v, texts).ok);
        v.rows = 6;
        QVERIFY(WriteProject(path, v, texts).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), projectFileBytes(v, texts));
    }

    // Inputs that once broke the reader: each must read or fail with a message.
    void fuzzRegressions()
    {
        const QDir cases(QStringLiteral(PELMORA_FUZZ_REGRESSIONS));
        for (const QString &name : cases.entryList(QDir::Files)) {
            QFile file(cases.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            ProjectValues v;
            double nLoaded = 0;
            const FileOutcome outcome = readProjectBytes(file.readAll(), v, nLoaded, NumberTexts(English));
            QVERIFY2(outcome.ok || outcome.message.startsWith(u"Error "), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
