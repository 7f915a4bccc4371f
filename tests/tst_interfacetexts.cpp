// The interface texts: the greeting's hours and the list separator of the Options dialog. Which language the
// flags choose is seen through the program in tst_mainwindow and tst_journey_projects.
#include "InterfaceTexts.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestInterfaceTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void greeting_data();
    void greeting();
    void listSeparator_data();
    void listSeparator();
};

void TestInterfaceTexts::greeting_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("greeting");

    const auto en = Language::English;
    const auto pt = Language::Portuguese;
    QTest::newRow("noon") << u"12:00"_s << en << u"Good morning Ana. Welcome to Valorix."_s;
    QTest::newRow("12:01") << u"12:01"_s << en << u"Good afternoon Ana. Welcome to Valorix."_s;
    QTest::newRow("17:59") << u"17:59"_s << pt << u"Boa tarde Ana. Bem-vindo ao Valorix."_s;
    QTest::newRow("18:00") << u"18:00"_s << en << u"Good evening Ana. Welcome to Valorix."_s;
}

void TestInterfaceTexts::greeting()
{
    QFETCH(QString, time);
    QFETCH(Language, language);
    QTEST(Greeting(time, u"Ana", language), "greeting");
}

void TestInterfaceTexts::listSeparator_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("ListSep");

    QTest::newRow("cleared") << QString() << u";"_s;
    QTest::newRow("vertical bar") << u"|"_s << u"|"_s;
    QTest::newRow("any length") << u";;"_s << u";;"_s;
}

void TestInterfaceTexts::listSeparator()
{
    QFETCH(QString, field);
    QTEST(listSepFromOptions(field), "ListSep");
}

QTEST_GUILESS_MAIN(TestInterfaceTexts)
#include "tst_interfacetexts.moc"
