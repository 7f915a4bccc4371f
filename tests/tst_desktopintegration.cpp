// The project file type as the desktop sees it: the MIME package that we
// install, read by a shared-mime-info implementation (Qt's), recognises a
// project by its name and, without one, by its first key line as the program
// writes it; plain text stays plain text. And the parts of a project file's
// path that name its window and choose the folder of the next Save.
#include "DocumentSlots.h"
#include "ProjectFile.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

const QString ProjectType = u"application/x-pelmora-project"_s;

class TestDesktopIntegration : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dataHome; // stands for ~/.local/share with only our package

private Q_SLOTS:
    // Before the first look-up: the database reads its folders once.
    void initTestCase()
    {
        const QString packages = m_dataHome.filePath(u"mime/packages"_s);
        QVERIFY(m_dataHome.isValid() && QDir().mkpath(packages));
        QVERIFY(QFile::copy(QStringLiteral(PELMORA_MIME_PACKAGE), packages + u"/pelmora.xml"_s));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome.path()));
    }

    void typeOfFile_data() { addRowsFromTsv("file-types.tsv"); }
    // A project is known by its name or its first key line, and is text all the same.
    void typeOfFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, bytes);
        QFETCH(QString, isProject);
        const QByteArray content = bytes == u"saved" ? projectFileBytes({}, NumberTexts(English)) : bytes.toLatin1();
        const QString written = writeBytes(m_dataHome.filePath(file), content);
        QVERIFY(!written.isEmpty());
        const QMimeType type = QMimeDatabase().mimeTypeForFile(written);
        QCOMPARE(type.name() == ProjectType, isProject == u"yes");
        QVERIFY(type.inherits(u"text/plain"_s));
    }

    // "\" from a settings file an older system wrote, as well as "/" (which
    // this system's dialogs give: the windows journey).
    void pathParts()
    {
        QCOMPARE(DocumentSlots::FileTitleOf(u"C:\\a/b\\c.vlx"), u"c.vlx"_s);
        QCOMPARE(DocumentSlots::FolderOf(u"C:\\a/b\\c.vlx"), u"C:\\a/b\\"_s);
    }
};

QTEST_GUILESS_MAIN(TestDesktopIntegration)
#include "tst_desktopintegration.moc"
