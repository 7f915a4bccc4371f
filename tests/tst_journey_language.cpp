// The interface language switched in the Options dialog and back, as a user
// does it: every text on the screen follows, Qt's own buttons and menus
// included; and numbers typed key by key in the user's regional notation.
#include "Journey.h"

#include "QtPlatform.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Brazilian(QLocale::Portuguese, QLocale::Brazil);

// A text on the screen: a menu caption as shown, a tool tip, a status tip.
struct Seen
{
    QString where;
    QString english;
    QString portuguese;
};

const Seen seenTexts[] = {
    {u"menu:mfile"_s, u"File"_s, u"Arquivo"_s},
    {u"menu:mnew"_s, u"New"_s, u"Novo"_s},
    {u"menu:mopen"_s, u"Open..."_s, u"Abrir..."_s},
    {u"menu:msair"_s, u"Exit"_s, u"Encerrar"_s},
    {u"menu:mgraphpr"_s, u"Graph Properties"_s, u"Propriedades Gráficas"_s},
    {u"menu:mprint"_s, u"Print Chart"_s, u"Imprimir Gráfico"_s},
    {u"menu:mopcoes"_s, u"Options"_s, u"Opções"_s},
    {u"menu:mclose"_s, u"Close"_s, u"Fechar"_s},
    {u"menu:mver"_s, u"View"_s, u"Exibir"_s},
    {u"menu:mstatusbar"_s, u"Status Bar"_s, u"Barra de Status"_s},
    {u"menu:mjanela"_s, u"Window"_s, u"Janela"_s},
    {u"menu:mauxilio"_s, u"Help"_s, u"Auxílio"_s},
    {u"menu:msobreqor"_s, u"About Valorix"_s, u"Sobre Valorix"_s},
    {u"menu:mclearcell"_s, u"Clear"_s, u"Limpar"_s},
    {u"menu:mcopymschart2"_s, u"Copy Chart"_s, u"Copiar Gráfico"_s},
    {u"button:Save"_s, u"Save"_s, u"Salvar"_s},
    {u"button:Auxilio"_s, u"Help - Contents"_s, u"Auxílio Geral"_s},
    {u"panel:system"_s, u"System Message"_s, u"Menssagem do Sistema"_s},
    {u"panel:conectar"_s, u"Valorix is ready for Ana"_s, u"Valorix está pronto para Ana"_s},
    {u"label:Label1"_s, u"Number of periods"_s, u"Número de períodos"_s},
    {u"label:Label8"_s, u"Amortization"_s, u"Amortização"_s},
    {u"label:Label11"_s, u"Total Interest"_s, u"Total de Juros"_s},
};

QString seen(const Journey &j, const QString &where)
{
    const QString kind = where.section(u':', 0, 0);
    const QString name = where.section(u':', 1);
    if (kind == u"menu")
        return Journey::shown(j.find(name)->text());
    if (kind == u"button")
        return j.find<QToolButton>(name)->toolTip();
    if (kind == u"panel")
        return j.find<QWidget>(name)->toolTip();
    return j.control<QLabel>(name)->toolTip();
}

// Valorix > Options, a click on a language button, then the list separator
// typed and OK, or the dialog closed without OK when `separator` is empty.
// Returns the dialog's caption as it read right after the click.
QString chooseLanguage(Journey &j, const QStringList &options, const QString &button, const QString &separator = {})
{
    QString caption;
    Journey::inDialog([&] { j.choose(options); },
                      [&](QWidget *dialog) {
                          j.click(dialog->findChild<QRadioButton *>(button));
                          caption = dialog->windowTitle();
                          if (separator.isEmpty())
                              return;
                          j.click(dialog->findChild<QLineEdit *>(u"Text1"_s));
                          j.press(Qt::Key_A, Qt::ControlModifier);
                          j.type(separator);
                          j.click(dialog->findChild<QPushButton *>(u"cok"_s));
                      });
    return caption;
}

} // namespace

class TestJourneyLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(English); }
    void switchAndBack_data();
    void switchAndBack();
    void qtOwnTexts();
    void groupedNumbersTyped_data();
    void groupedNumbersTyped();
};

void TestJourneyLanguage::switchAndBack_data()
{
    QTest::addColumn<bool>("withWindow");
    QTest::addColumn<QString>("separator"); // typed before OK; empty: closed without OK
    QTest::addColumn<QByteArray>("dataHeader");
    QTest::newRow("OK takes a vertical bar") << true << u"|"_s << QByteArray("n|Project A|IRR Incremental|Project B");
    QTest::newRow("closed without OK") << true << QString() << QByteArray("n;Project A;IRR Incremental;Project B");
    QTest::newRow("no window open") << false << u"|"_s << QByteArray("n|Project A|IRR Incremental|Project B");
}

void TestJourneyLanguage::switchAndBack()
{
    QFETCH(bool, withWindow);
    QFETCH(QString, separator);
    Journey j;
    j.start();
    if (!withWindow)
        j.choose({u"Valorix"_s, u"Close"_s});
    for (const Seen &text : seenTexts) {
        if (withWindow || !text.where.startsWith(u"label:"))
            QCOMPARE(seen(j, text.where), text.english);
    }

    const QString report = j.status(u"system"_s);
    QCOMPARE(chooseLanguage(j, {u"Valorix"_s, u"Options"_s}, u"Option2"_s, separator), u"Opções"_s);
    QCOMPARE(j.status(u"system"_s), report); // the greeting is not rewritten
    if (!withWindow)
        j.choose({u"Arquivo"_s, u"Novo"_s}); // a window opened now takes the language too
    for (const Seen &text : seenTexts)
        QCOMPARE(seen(j, text.where), text.portuguese);

    j.click(j.control(u"Command(8)"_s)); // Excel: Data.csv with the separator
    QFile data(j.folder.filePath(u"Data.csv"_s));
    QVERIFY(data.open(QIODevice::ReadOnly));
    QTEST(data.readLine().trimmed(), "dataHeader");

    QCOMPARE(chooseLanguage(j, {u"Valorix"_s, u"Opções"_s}, u"Option1"_s), u"Options"_s);
    for (const Seen &text : seenTexts)
        QCOMPARE(seen(j, text.where), text.english);
}

// The standard buttons of a real message box and the text fields' own menu.
void TestJourneyLanguage::qtOwnTexts()
{
    Journey j;
    QtMessageBoxes desktopBoxes;
    j.messageBoxes = &desktopBoxes;
    j.start("OptEN        False\r\nOptPT        True\r\n");
    desktopBoxes.setParent(j.window.get());

    j.click(j.control(u"Text(2)"_s), {}, Qt::RightButton);
    QCOMPARE(Journey::popupCaptions().value(0).section(u'\t', 0, 0), u"Desfazer"_s);
    Journey::closePopups();

    // A grid edit, then Close: the save prompt answers in Portuguese.
    j.clickCell(1, 1);
    j.type(u"5"_s);
    j.press(Qt::Key_Return);
    QStringList buttons;
    Journey::inDialog([&] { j.choose({u"Valorix"_s, u"Fechar"_s}); },
                      [&](QWidget *dialog) {
                          auto *box = qobject_cast<QMessageBox *>(dialog);
                          QVERIFY(box);
                          for (QAbstractButton *button : box->buttons())
                              buttons.append(Journey::shown(button->text()));
                          j.click(box->button(QMessageBox::No));
                      });
    buttons.sort();
    QCOMPARE(buttons, (QStringList{u"Cancelar"_s, u"Não"_s, u"Sim"_s}));
    QVERIFY(j.area()->subWindowList().isEmpty());
}

void TestJourneyLanguage::groupedNumbersTyped_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("futureValue");
    QTest::newRow("en_US") << English << u"1,234.50"_s << u"1,357.95"_s;
    QTest::newRow("pt_BR") << Brazilian << u"1.234,50"_s << u"1.357,95"_s;
}

// Every prefix of a grouped number is kept while it is typed ("1," included),
// and the whole reads as 1234.5: one period at 10 % makes it 1,357.95.
void TestJourneyLanguage::groupedNumbersTyped()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QLocale::setDefault(locale);
    Journey j;
    j.start();
    const std::pair<QString, QString> inputs[] = {{u"Text(0)"_s, u"1"_s}, {u"Text(1)"_s, u"10"_s},
                                                  {u"Text(2)"_s, typed}};
    for (const auto &[field, text] : inputs) {
        j.click(j.control(field));
        j.type(text);
        QCOMPARE(j.field(field), text);
    }
    j.click(j.control(u"Command(4)"_s)); // solve for FV
    QTEST(j.field(u"Text(4)"_s), "futureValue");
}

QTEST_MAIN(TestJourneyLanguage)
#include "tst_journey_language.moc"
