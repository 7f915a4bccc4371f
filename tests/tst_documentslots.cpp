// The parts of a project file's path that name a window and choose the folder
// of the next Save: "/" from this system's dialogs, "\" from a settings file
// an older system wrote.
#include "DocumentSlots.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestDocumentSlots : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pathParts_data();
    void pathParts();
};

void TestDocumentSlots::pathParts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("lastPos");

    QTest::newRow("slashes") << u"/home/ana/x.vlx"_s << u"x.vlx"_s << u"/home/ana/"_s << u"/"_s << 10;
    QTest::newRow("backslashes") << u"C:\\Projects\\Plant.vlx"_s << u"Plant.vlx"_s << u"C:\\Projects\\"_s
                                 << u"\\"_s << 12;
    QTest::newRow("both") << u"C:\\a/b\\c.vlx"_s << u"c.vlx"_s << u"C:\\a/b\\"_s << u"/"_s << 5;
    QTest::newRow("no folder") << u"x.vlx"_s << u"x.vlx"_s << QString() << u"/"_s << 0;
    QTest::newRow("folder only") << u"/data/"_s << QString() << u"/data/"_s << u"/"_s << 6;
    QTest::newRow("last of a longer part") << u"x.vlx.vlx"_s << u"x.vlx.vlx"_s << QString() << u".vlx"_s << 6;
}

void TestDocumentSlots::pathParts()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, folder);
    QFETCH(QString, separator);
    QFETCH(int, lastPos);

    QCOMPARE(DocumentSlots::FileTitleOf(path), title);
    QCOMPARE(DocumentSlots::FolderOf(path), folder);
    QCOMPARE(DocumentSlots::LastPos(path, separator), lastPos);
}

QTEST_GUILESS_MAIN(TestDocumentSlots)
#include "tst_documentslots.moc"
