// The project file type as the desktop sees it: the MIME package that we
// install, read by a shared-mime-info implementation (Qt's), recognises a
// project by its name and, without one, by its first key line as the program
// writes it; plain text stays plain text.
#include "ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
const QString ProjectType = u"application/x-pelmora-project"_s;
const QLocale English(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestDesktopIntegration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { QLocale::setDefault(English); }

    void typeOfFile_data();
    void typeOfFile();
    void typeDescription_data();
    void typeDescription();

private:
    QString write(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dataHome; // stands for ~/.local/share with only our package
    QTemporaryDir m_files;
};

// Before the first look-up: the database reads its folders once.
void TestDesktopIntegration::initTestCase()
{
    QLocale::setDefault(English);
    QVERIFY(m_dataHome.isValid() && m_files.isValid());
    const QString packages = m_dataHome.filePath(u"mime/packages"_s);
    QVERIFY(QDir().mkpath(packages));
    QVERIFY(QFile::copy(QStringLiteral(PELMORA_MIME_PACKAGE), packages + u"/pelmora.xml"_s));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome.path()));
}

QString TestDesktopIntegration::write(const QString &name, const QByteArray &bytes)
{
    QFile file(m_files.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

void TestDesktopIntegration::typeOfFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isProject");

    ProjectValues values;
    values.n = 2;
    values.i = 10;
    values.rows = 8;
    values.CFa[0] = u"(1,000.00)"_s;
    values.CFb[0] = u"(1,500.00)"_s;
    const QByteArray saved = projectFileBytes(values, NumberTexts(English));

    QTest::newRow("by its name") << u"Plant.vlx"_s << QByteArray() << true;
    QTest::newRow("by its name in capitals") << u"PLANT.VLX"_s << QByteArray() << true;
    QTest::newRow("a saved project without the extension") << u"Plant"_s << saved << true;
    QTest::newRow("text that is no project") << u"notes"_s << QByteArray("n             4 \r\n") << false;
    QTest::newRow("the key line not at the start") << u"notes"_s << QByteArray("\r\nnfsize        8 \r\n") << false;
    QTest::newRow("the key field a blank short") << u"notes"_s << QByteArray("nfsize      8 \r\n") << false;
    QTest::newRow("the key name without its blanks") << u"notes"_s << QByteArray("nfsize8\r\n") << false;
}

void TestDesktopIntegration::typeOfFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isProject);
    const QString path = write(name, bytes);
    QVERIFY(!path.isEmpty());
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QCOMPARE(type.name() == ProjectType, isProject);
    if (!isProject)
        QVERIFY(type.inherits(u"text/plain"_s));
}

void TestDesktopIntegration::typeDescription_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("comment");
    QTest::newRow("English") << English << u"Pelmora investment project"_s;
    QTest::newRow("Brazilian Portuguese") << QLocale(QLocale::Portuguese, QLocale::Brazil)
                                          << u"Projeto de investimento do Pelmora"_s;
    QTest::newRow("Portuguese") << QLocale(QLocale::Portuguese, QLocale::Portugal)
                                << u"Projeto de investimento do Pelmora"_s;
}

// What a file manager shows for a project: the description in the user's
// language, the icon we install, and text editors among the programs offered.
void TestDesktopIntegration::typeDescription()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, comment);
    QLocale::setDefault(locale);
    const QMimeType type = QMimeDatabase().mimeTypeForName(ProjectType);
    QVERIFY(type.isValid());
    QCOMPARE(type.comment(), comment);
    QCOMPARE(type.iconName(), u"application-x-pelmora-project"_s);
    QCOMPARE(type.globPatterns(), QStringList{u"*.vlx"_s});
    QVERIFY(type.inherits(u"text/plain"_s));
}

QTEST_GUILESS_MAIN(TestDesktopIntegration)
#include "tst_desktopintegration.moc"
