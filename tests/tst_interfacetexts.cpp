// The interface texts: which language the flags choose, the controls' texts in
// both languages, the greeting's hours and the list separator of the Options
// dialog.
#include "InterfaceTexts.h"

#include <QSet>
#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {
std::optional<Text> menuText(QStringView item)
{
    for (const MenuCaption &caption : menuCaptions()) {
        if (caption.item == item)
            return caption.text;
    }
    return std::nullopt;
}
} // namespace

class TestInterfaceTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void languageFlags_data();
    void languageFlags();
    void controlTexts_data();
    void controlTexts();
    void tables();
    void greeting_data();
    void greeting();
    void listSeparator_data();
    void listSeparator();
};

void TestInterfaceTexts::languageFlags_data()
{
    QTest::addColumn<bool>("OptEN");
    QTest::addColumn<bool>("OptPT");
    QTest::addColumn<QString>("caption"); // of File, shown as "Ficheiro" before

    QTest::newRow("English") << true << false << u"File"_s;
    QTest::newRow("Portuguese") << false << true << u"Arquivo"_s;
    QTest::newRow("both: Portuguese wins") << true << true << u"Arquivo"_s;
    QTest::newRow("neither: unchanged") << false << false << u"Ficheiro"_s;
}

void TestInterfaceTexts::languageFlags()
{
    QFETCH(bool, OptEN);
    QFETCH(bool, OptPT);
    QString caption = u"Ficheiro"_s;
    if (const auto language = chosenLanguage(OptEN, OptPT))
        caption = textFor(Text::File, *language);
    QTEST(caption, "caption");
}

void TestInterfaceTexts::controlTexts_data()
{
    QTest::addColumn<std::optional<Text>>("text");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("portuguese");

    QTest::newRow("Help contents item") << menuText(u"mauxiliogeral") << u"Contents"_s << u"Auxílio Geral"_s;
    QTest::newRow("Help contents button") << toolBarTip(11) << u"Help - Contents"_s << u"Auxílio Geral"_s;
    QTest::newRow("chart 3 context menu") << menuText(u"mcopymschart3") << u"Copy Chart"_s << u"Copiar Gráfico"_s;
    QTest::newRow("last label") << labelTip(11) << u"Total Interest"_s << u"Total de Juros"_s;
    QTest::newRow("English only") << std::optional(Text::TypeMismatch) << u"Type mismatch"_s << u"Type mismatch"_s;
}

void TestInterfaceTexts::controlTexts()
{
    QFETCH(std::optional<Text>, text);
    QVERIFY(text);
    QTEST(textFor(*text, Language::English), "english");
    QTEST(textFor(*text, Language::Portuguese), "portuguese");
}

void TestInterfaceTexts::tables()
{
    QSet<QStringView> items;
    for (const MenuCaption &caption : menuCaptions())
        items.insert(caption.item);
    QCOMPARE(items.size(), qsizetype(menuCaptions().size())); // each item once
    QCOMPARE(items.size(), 26);

    for (int separator : {4, 8, 10})
        QCOMPARE(toolBarTip(separator), std::nullopt);
    QCOMPARE(labelTip(12), std::nullopt);

    QCOMPARE(statusPanelTip(1, Language::Portuguese, u"Ana"), u"Menssagem do Sistema"_s);
    QCOMPARE(statusPanelTip(3, Language::Portuguese, u"Ana"), u"Valorix está pronto para Ana"_s);
    QCOMPARE(pasteHint(Language::English),
             u"Edit Paste (chart's data) and Edit Paste Special (chart bitmap)"_s);
}

void TestInterfaceTexts::greeting_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("greeting");

    const auto en = Language::English;
    const auto pt = Language::Portuguese;
    QTest::newRow("midnight") << u"00:00"_s << pt << u"Bom dia Ana. Bem-vindo ao Valorix."_s;
    QTest::newRow("noon") << u"12:00"_s << en << u"Good morning Ana. Welcome to Valorix."_s;
    QTest::newRow("12:01") << u"12:01"_s << en << u"Good afternoon Ana. Welcome to Valorix."_s;
    QTest::newRow("17:59") << u"17:59"_s << pt << u"Boa tarde Ana. Bem-vindo ao Valorix."_s;
    QTest::newRow("18:00") << u"18:00"_s << en << u"Good evening Ana. Welcome to Valorix."_s;
    QTest::newRow("23:59") << u"23:59"_s << pt << u"Boa noite Ana. Bem-vindo ao Valorix."_s;
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
    QTest::newRow("blank, as typed") << u" "_s << u" "_s;
    QTest::newRow("any length") << u";;"_s << u";;"_s;
}

void TestInterfaceTexts::listSeparator()
{
    QFETCH(QString, field);
    QTEST(listSepFromOptions(field), "ListSep");
}

QTEST_GUILESS_MAIN(TestInterfaceTexts)
#include "tst_interfacetexts.moc"
