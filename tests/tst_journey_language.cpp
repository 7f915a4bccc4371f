// The interface language switched in the Options dialog and back, as a user
// does it (or an assistive tool): every text on the screen follows, Qt's own
// buttons and menus included; and numbers typed key by key in the user's
// regional notation. The Portuguese translation holds exactly the texts of
// its table, and the built file gives them back; and a pseudo-translation,
// added as a third language would be, reaches every text of the menus, the
// tool bar, the status bar, the project window and the Options dialog of the
// running program: no English text bypasses the translation.
#include "Journey.h"
#include "QtPlatform.h"
#include "Translations.h"

#include <QAccessible>
#include <QDomDocument>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// Where a text is seen, its English, its Portuguese.
const QList<QStringList> SeenTexts = tsvRows("journey-seen-texts.tsv");

QString seen(Journey &j, const QString &where)
{
    const QString kind = where.section(u':', 0, 0);
    const QString name = where.section(u':', 1);
    if (kind == u"dialog") {
        j.press(QKeySequence::Open); // cancelled
        return j.dialogs.opened.isEmpty() ? QString() : j.dialogs.opened.last().title;
    }
    if (kind == u"menu")
        return Journey::shown(j.find(name)->text());
    if (kind == u"tip") // of a tool-bar button or a status panel
        return j.find<QWidget>(name)->toolTip();
    if (kind == u"name")
        return QAccessible::queryAccessibleInterface(j.control(name))->text(QAccessible::Name);
    return j.control<QLabel>(name)->toolTip();
}

// Valorix > Options, a language button clicked (or its accessible `action`
// done), then the list separator typed and OK, or the dialog closed without
// OK when `separator` is empty. Returns the dialog's caption and the File
// menu's as they read right after the click.
QString chooseLanguage(Journey &j, const QStringList &options, const QString &button, const QString &separator = {},
                       const QString &action = {})
{
    QString captions;
    inModalDialog([&] { j.choose(options); },
                  [&](QWidget *dialog) {
                      auto *radio = dialog->findChild<QRadioButton *>(button);
                      QAccessibleInterface *face = QAccessible::queryAccessibleInterface(radio);
                      QVERIFY(face && face->actionInterface());
                      if (action.isEmpty())
                          j.click(radio);
                      else
                          face->actionInterface()->doAction(action);
                      QTRY_VERIFY(radio->isChecked()); // a press is animated
                      captions = dialog->windowTitle() + u' ' + Journey::shown(j.find(u"mfile"_s)->text());
                      if (separator.isEmpty())
                          return;
                      j.retype(dialog->findChild<QLineEdit *>(u"Text1"_s), separator);
                      j.click(dialog->findChild<QPushButton *>(u"cok"_s));
                  });
    return captions;
}

struct Message
{
    QString context, source, comment, translation;
    QString type; // "unfinished", "vanished", "obsolete"; empty when done
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    QDomDocument ts;
    if (!file.open(QIODevice::ReadOnly) || !ts.setContent(&file))
        return {};
    QList<Message> messages;
    const QDomNodeList all = ts.elementsByTagName(u"message"_s);
    for (int k = 0; k < all.size(); ++k) {
        const QDomElement m = all.at(k).toElement(), translation = m.firstChildElement(u"translation"_s);
        messages.append({m.parentNode().firstChildElement(u"name"_s).text(), m.firstChildElement(u"source"_s).text(),
                         m.firstChildElement(u"comment"_s).text(), translation.text(),
                         translation.attribute(u"type"_s)});
    }
    return messages;
}

// Every text `top` and its children show or read out, "&" markers kept. Menus
// by their items, so that the hidden menus' own titles, which never show, are
// left out, and only ours: Qt's own (a sub-window's system menu) follow Qt's
// translation. The tool bar shows its buttons' tips, not their texts.
QStringList textsOf(const QWidget *top)
{
    QStringList texts;
    QList<const QWidget *> widgets{top};
    for (const QWidget *w : top->findChildren<QWidget *>())
        widgets.append(w);
    for (const QWidget *w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->windowTitle();
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(w);
            button && !qobject_cast<const QToolButton *>(w))
            texts << button->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(w))
            texts << group->title();
        if (const auto *menus = qobject_cast<const QMenuBar *>(w)) {
            for (const QAction *title : menus->actions())
                texts << title->text();
        }
        if (const auto *menu = qobject_cast<const QMenu *>(w); menu && !menu->objectName().isEmpty()) {
            for (const QAction *item : menu->actions())
                texts << item->text() << item->toolTip();
        }
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestJourneyLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(English); }

    void switchAndBack_data() { addRowsFromTsv("journey-language-switches.tsv"); }
    void switchAndBack()
    {
        QFETCH(QString, withWindow);
        QFETCH(QString, action);
        QFETCH(QString, separator);
        QFETCH(QString, inDataCsv);
        Journey j;
        j.start();
        if (withWindow == u"no")
            j.choose({u"Valorix"_s, u"Close"_s});
        for (const QStringList &text : SeenTexts) {
            if (withWindow == u"yes" || !(text[0].startsWith(u"label:") || text[0].startsWith(u"name:")))
                QCOMPARE(seen(j, text[0]), text[1]);
        }

        const QString report = j.status(u"system"_s);
        QCOMPARE(chooseLanguage(j, {u"Valorix"_s, u"Options"_s}, u"Option2"_s, separator, action), u"Opções Arquivo"_s);
        QCOMPARE(j.status(u"system"_s), report); // the greeting is not rewritten
        if (withWindow == u"no")
            j.choose({u"Arquivo"_s, u"Novo"_s}); // a window opened now takes the language too
        for (const QStringList &text : SeenTexts)
            QCOMPARE(seen(j, text[0]), text[2]);

        j.click(j.control(u"Command(8)"_s)); // Excel: Data.csv with the separator
        QCOMPARE(j.readFile(u"Data.csv"_s).split('\r').first(),
                 u"n;Project A;IRR Incremental;Project B"_s.replace(u';', inDataCsv).toLatin1());

        QCOMPARE(chooseLanguage(j, {u"Valorix"_s, u"Opções"_s}, u"Option1"_s), u"Options File"_s);
        for (const QStringList &text : SeenTexts)
            QCOMPARE(seen(j, text[0]), text[1]);
    }

    // The open Appraisal Details dialog takes the new language at the click:
    // its caption, its row and column titles, and the diagnosis sentences.
    void detailsFollowTheSwitch()
    {
        Journey j;
        j.start();
        j.enterWithReturn(u"Text(0)"_s, u"2"_s);
        j.typeFlows(1, {u"-100"_s, u"230"_s, u"-132"_s});
        j.enterWithReturn(u"Text(1)"_s, u"5"_s);
        j.choose({u"Valorix"_s, u"Appraisal Details..."_s});
        auto *dialog = j.find<QWidget>(u"fdetails"_s);
        const auto *table = j.find<QTableView>(u"Details"_s);
        const auto seenTexts = [&] {
            const QAbstractItemModel *m = table->model();
            const int last = m->rowCount() - 1;
            return QStringList{dialog->windowTitle(), m->headerData(0, Qt::Horizontal).toString(),
                               m->headerData(last, Qt::Vertical).toString(), m->index(last, 0).data().toString()};
        };
        const QStringList english = seenTexts();
        QCOMPARE(english,
                 (QStringList{u"Appraisal Details"_s, u"Project A"_s, u"Diagnosis"_s,
                              u"This series has several IRRs: 10\u00A0%; 20\u00A0%. IRR cannot rank this project: "
                              u"compare by NPV or MIRR."_s}));
        chooseLanguage(j, {u"Valorix"_s, u"Options"_s}, u"Option2"_s, u";"_s);
        QVERIFY(dialog->isVisible());
        QCOMPARE(seenTexts(),
                 (QStringList{u"Detalhes da Análise"_s, u"Projeto A"_s, u"Diagnóstico"_s,
                              u"Esta série tem várias TIRs: 10\u00A0%; 20\u00A0%. A TIR não pode classificar este "
                              u"projeto: compare pelo VPL ou pela TIRM."_s}));
        chooseLanguage(j, {u"Valorix"_s, u"Opções"_s}, u"Option1"_s);
        QCOMPARE(seenTexts(), english);
    }

    // The standard buttons of a real message box and the text fields' own menu.
    void qtOwnTexts()
    {
        Journey j;
        QtMessageBoxes desktopBoxes;
        j.messageBoxes = &desktopBoxes;
        j.start(PortugueseSettings);
        desktopBoxes.setParent(j.window.get());
        QCOMPARE(j.status(u"system"_s), u"Bom dia Ana. Bem-vindo ao Valorix."_s);

        j.click(j.control(u"Text(2)"_s), {}, Qt::RightButton);
        QCOMPARE(Journey::popupCaptions().value(0).section(u'\t', 0, 0), u"Desfazer"_s);
        Journey::closePopups();

        // A grid edit, then Close: the save prompt asks in Portuguese; No closes.
        j.clickCell(1, 1);
        j.type(u"5"_s);
        j.press(Qt::Key_Return);
        QStringList texts;
        inModalDialog(
            [&] {
                j.choose({u"Valorix"_s, u"Fechar"_s});
            },
            [&](QWidget *dialog) {
                auto *box = qobject_cast<QMessageBox *>(dialog);
                QVERIFY(box);
                for (QAbstractButton *button : box->buttons())
                    texts.append(Journey::shown(button->text()));
                texts.sort();
                texts.append(box->text());
                j.click(box->button(QMessageBox::No));
            });
        QCOMPARE(texts, (QStringList{u"Cancelar"_s, u"Não"_s, u"Sim"_s,
                                     u"Deseja salvar as alterações feitas em 'Corporate Valorix 1'?"_s}));
        QVERIFY(j.area()->subWindowList().isEmpty());
        QCOMPARE(j.status(u"system"_s), u"Corporate Valorix 1 closed"_s);
    }

    // Every prefix of a grouped number is kept while it is typed ("1," included,
    // "1." in pt_BR), and the whole reads as 1234.5: one period at 10 % makes it
    // 1,357.95.
    void groupedNumbersTyped_data() { addRowsFromTsv("journey-locales.tsv"); }
    void groupedNumbersTyped()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        const auto inLocale = [&](const QString &text) { return locale == u"pt_BR" ? decimalCommaTwin(text) : text; };
        Journey j;
        j.start();
        for (const auto &[field, text] :
             {std::pair(u"Text(0)"_s, u"1"_s), {u"Text(1)"_s, u"10"_s}, {u"Text(2)"_s, inLocale(u"1,234.50"_s)}}) {
            j.enter(field, text);
            QCOMPARE(j.field(field), text);
        }
        j.click(j.control(u"Command(4)"_s)); // solve for FV
        QCOMPARE(j.field(u"Text(4)"_s), inLocale(u"1,357.95"_s));
    }

    // Every message translated as the table has it, none left unfinished, none
    // missing from the file or from the table; the built file gives the same.
    void portugueseAsTabled()
    {
        const QList<Message> messages = readTs(QStringLiteral(PELMORA_PORTUGUESE_TS));
        QVERIFY(!messages.isEmpty());
        QTranslator built;
        QVERIFY(built.load(u"pelmora_pt_BR"_s, Translations::Folder.toString()));
        QStringList translated, tabled;
        for (const Message &m : messages) {
            QVERIFY2(m.type.isEmpty(), qPrintable(m.type + u": "_s + m.source));
            QCOMPARE(built.translate(m.context.toUtf8(), m.source.toUtf8(),
                                     m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()),
                     m.translation);
            translated.append(QStringList{m.source, m.translation, m.comment}.join(u'\t'));
        }
        for (const QStringList &row : tsvRows("portuguese-texts.tsv"))
            tabled.append(QStringList{row.value(0), row.value(1), row.value(2)}.join(u'\t'));
        translated.removeDuplicates(); // a text in two places, translated alike
        translated.sort();
        tabled.sort();
        QCOMPARE(translated, tabled);
    }

    // Installed in the running program in English, the pseudo-translation renames
    // every text that has a translation; a text equal to an English source (or
    // beginning with one that a name follows) bypassed it.
    void pseudoTranslationEverywhere()
    {
        QStringList sources;
        // What the menus, the tool bar, the status bar and the project window show.
        QStringList shownInMain{u"[System Message]"_s, u"[Valorix is ready for ]Ana"_s};
        for (const Message &m : readTs(QStringLiteral(PELMORA_PORTUGUESE_TS))) {
            sources.append(m.source);
            if (m.context == u"MainMenus" || m.context.endsWith(u"::ProjectWindowWidget"))
                shownInMain.append(u'[' + m.source + u']');
        }
        const auto leaked = [&](const QStringList &texts) {
            QStringList leaks;
            for (const QString &text : texts) {
                for (const QString &source : sources) {
                    if (text == source || (source.endsWith(u' ') && text.startsWith(source)))
                        leaks.append(text);
                }
            }
            return leaks;
        };

        Journey j;
        j.start();
        Translations pseudo;
        QVERIFY(pseudo.use(u"en_XA"_s));
        const QStringList texts = textsOf(j.window.get());
        QVERIFY2(leaked(texts).isEmpty(), qPrintable(leaked(texts).join(u" | ")));
        for (const QString &expected : std::as_const(shownInMain)) {
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        }

        QStringList dialogTexts;
        inModalDialog(
            [&] {
                j.choose({u"[Valorix]"_s, u"[Options]"_s});
            },
            [&](QWidget *dialog) { dialogTexts = textsOf(dialog); });
        QVERIFY2(leaked(dialogTexts).isEmpty(), qPrintable(leaked(dialogTexts).join(u" | ")));
        for (const QString &text :
             {u"[Options]"_s, u"[Language]"_s, u"[Language used in Valorix]"_s, u"[List Separator]"_s})
            QVERIFY2(dialogTexts.contains(text), qPrintable(text));
    }
};

QTEST_MAIN(TestJourneyLanguage)
#include "tst_journey_language.moc"
