// The project file type as the desktop sees it: the MIME package that we
// install, read by a shared-mime-info implementation (Qt's), recognises a
// project by its name and, without one, by its first key line as the program
// writes it; plain text stays plain text. And the parts of a project file's
// path that name its window and choose the folder of the next Save.
#include "DocumentSlots.h"
#include "ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

const QString ProjectType = u"application/x-pelmora-project"_s;
const QLocale English(QLocale::English, QLocale::UnitedStates);

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

    void typeOfFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("isProject");
        QTest::newRow("by its name") << u"Plant.vlx"_s << QByteArray() << true;
        QTest::newRow("by its name in capitals") << u"PLANT.VLX"_s << QByteArray() << true;
        const QByteArray saved = projectFileBytes({}, NumberTexts(English)); // a new project as saved
        QTest::newRow("a saved project without the extension") << u"Plant"_s << saved << true;
        QTest::newRow("text that is no project") << u"notes"_s << QByteArray("n             4 \r\n") << false;
        QTest::newRow("the key line not at the start") << u"notes"_s << QByteArray("\r\nnfsize        8 \r\n") << false;
        QTest::newRow("the key field a blank short") << u"notes"_s << QByteArray("nfsize      8 \r\n") << false;
        QTest::newRow("the key name without its blanks") << u"notes"_s << QByteArray("nfsize8\r\n") << false;
    }
    // A project is known by its name or its first key line, and is text all the same.
    void typeOfFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, isProject);
        QFile file(m_dataHome.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush());
        const QMimeType type = QMimeDatabase().mimeTypeForFile(file.fileName());
        QCOMPARE(type.name() == ProjectType, isProject);
        QVERIFY(type.inherits(u"text/plain"_s));
    }

    // "\" from a settings file an older system wrote, as well as "/" (which
    // this system's dialogs give: the windows journey).
    void pathParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folder");
        QTest::newRow("backslashes") << u"C:\\Projects\\Plant.vlx"_s << u"Plant.vlx"_s << u"C:\\Projects\\"_s;
        QTest::newRow("both") << u"C:\\a/b\\c.vlx"_s << u"c.vlx"_s << u"C:\\a/b\\"_s;
        QTest::newRow("no folder") << u"x.vlx"_s << u"x.vlx"_s << QString();
        QTest::newRow("folder only") << u"/data/"_s << QString() << u"/data/"_s;
    }
    void pathParts()
    {
        QFETCH(QString, path);
        QTEST(DocumentSlots::FileTitleOf(path), "title");
        QTEST(DocumentSlots::FolderOf(path), "folder");
    }
};

QTEST_GUILESS_MAIN(TestDesktopIntegration)
#include "tst_desktopintegration.moc"
