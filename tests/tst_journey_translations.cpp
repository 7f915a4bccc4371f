// The program's texts in other languages. The Portuguese translation holds
// exactly the texts of its table, and the built file gives them back; and a
// pseudo-translation, added as a third language would be, reaches every text of
// the menus, the tool bar, the status bar, the project window and the Options
// dialog of the running program: no English text bypasses the translation.
#include "Journey.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

struct Message
{
    QString context, source, comment, translation;
    QString type; // "unfinished", "vanished", "obsolete"; empty when done
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message")
            messages.append({context, {}, {}, {}, {}});
        else if (name == u"source")
            messages.last().source = xml.readElementText();
        else if (name == u"comment")
            messages.last().comment = xml.readElementText();
        else if (name == u"translation") {
            messages.last().type = xml.attributes().value(u"type"_s).toString();
            messages.last().translation = xml.readElementText();
        }
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
        if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && !qobject_cast<const QToolButton *>(w))
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

class TestJourneyTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

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
        Journey::inDialog([&] { j.choose({u"[Valorix]"_s, u"[Options]"_s}); },
                          [&](QWidget *dialog) { dialogTexts = textsOf(dialog); });
        QVERIFY2(leaked(dialogTexts).isEmpty(), qPrintable(leaked(dialogTexts).join(u" | ")));
        for (const QString &text :
             {u"[Options]"_s, u"[Language]"_s, u"[Language used in Valorix]"_s, u"[List Separator]"_s})
            QVERIFY2(dialogTexts.contains(text), qPrintable(text));
    }
};

QTEST_MAIN(TestJourneyTranslations)
#include "tst_journey_translations.moc"
