// The project file: its exact lines, the reader's key search, its messages, and
// a save and re-open that shows the same cell texts in both locales. (A save
// into a missing folder: the windows journey.)
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
        QCOMPARE(projectFileBytes(v, NumberTexts(English)), testData("negative-rate.vlx"));
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

    // Cells typed in, saved and opened again: the same texts, decimal places and
    // font size, in both locales.
    void saveAndReopen()
    {
        const QStringList typed = {u"-1000"_s, u"-1500,5"_s, u"700"_s, u"1e3"_s, u""_s, u"1200"_s, u"note"_s, u""_s};
        const auto cells = [](ProjectWindowModel &window) {
            QStringList texts;
            for (int k = 0; k < 8; ++k)
                texts << window.grid().text(k / 2 + 1, k % 2 ? 3 : 1);
            return texts;
        };
        for (const QLocale &locale : {English, Brazilian}) {
            const NumberTexts texts(locale);
            QTemporaryDir dir;
            const QString path = dir.filePath(u"project.vlx"_s);
            DocumentSession saved;
            ProjectWindowModel typedIn(saved, texts);
            typedIn.load();
            typedIn.activate();
            typedIn.panel().setDecimalsText(u"3"_s);
            typedIn.FormatFontSize(10);
            typedIn.panel().setText(Field_n, u"3"_s);
            typedIn.clickCommand(Command::SetPeriods);
            for (int k = 0; k < 8; ++k) {
                typedIn.grid().setCurrentCell(k / 2 + 1, k % 2 ? 3 : 1);
                typedIn.grid().setEditorText(typed[k]);
                typedIn.grid().CommitCell();
            }
            typedIn.fillProjectArrays();
            QVERIFY(WriteProject(path, saved.values, texts).ok);

            DocumentSession session;
            QVERIFY(ReadProject(path, session.values, session.nLoaded, texts).ok);
            session.NewDoc = false;
            ProjectWindowModel reopened(session, texts);
            reopened.load();
            reopened.activate();
            QCOMPARE(cells(reopened), cells(typedIn));
            QCOMPARE(reopened.panel().decimalsText(), u"3"_s);
            QCOMPARE(reopened.fontSize(), 10);
            QVERIFY(session.NewDoc);
        }
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
