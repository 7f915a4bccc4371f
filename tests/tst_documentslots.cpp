// The document table from New to Close: slot numbers, Open of a name already
// open, Save into the folder of the last file, the save prompt's answers, the
// 21st window, and the path parts. Windows, dialogs and message boxes are
// stand-ins that record what they were asked.
#include "DocumentSlots.h"
#include "ProjectFile.h"
#include "ShellFakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

class WindowTable;

class FakeWindow : public DocumentWindow
{
public:
    FakeWindow(const QString &caption, bool fromFile, WindowTable &table)
        : builtFromFile(fromFile), m_caption(caption), m_table(table)
    {
    }
    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override { m_caption = caption; }
    void setModifiedMark(bool modified) override { marked = modified; }
    void showDocument() override { activateDocument(); }
    void activateDocument() override;
    void fillProjectArrays() override { ++filled; }

    const bool builtFromFile; // NewDoc was clear when the window was made
    bool marked = false;
    int filled = 0;

private:
    QString m_caption;
    WindowTable &m_table;
};

class WindowTable : public WindowFactory
{
public:
    explicit WindowTable(DocumentSession &session) : m_session(session) {}

    DocumentWindow *createWindow(const QString &caption) override
    {
        windows.push_back(std::make_unique<FakeWindow>(caption, !m_session.NewDoc, *this));
        return windows.back().get();
    }
    DocumentWindow *activeWindow() const override { return active; }
    // The first activation of a window built from a file sets NewDoc again, as
    // the project window does.
    void activate(FakeWindow *window)
    {
        active = window;
        m_session.NewDoc = true;
    }
    // Closes as the window frame does: the prompt first, the bookkeeping after.
    bool close(FakeWindow *window, DocumentSlots &slots, QString *report = nullptr)
    {
        if (!slots.queryClose(window))
            return false;
        const QString closed = slots.windowClosed(window);
        if (report)
            *report = closed;
        std::erase_if(windows, [window](const auto &w) { return w.get() == window; });
        active = windows.empty() ? nullptr : windows.back().get();
        return true;
    }
    FakeWindow *named(const QString &caption) const
    {
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&](const auto &w) { return w->caption() == caption; });
        return found == windows.end() ? nullptr : found->get();
    }
    QStringList captions() const
    {
        QStringList list;
        for (const auto &w : windows)
            list.append(w->caption());
        return list;
    }

    FakeWindow *active = nullptr;
    std::vector<std::unique_ptr<FakeWindow>> windows;

private:
    DocumentSession &m_session;
};

void FakeWindow::activateDocument() { m_table.activate(this); }

// The shared values and the table with its stand-ins.
struct Desk
{
    DocumentSession session;
    QString FileVlx;
    bool OptPT = false;
    NumberTexts texts;
    ScriptedDialogs dialogs;
    ScriptedMessages messages;
    WindowTable windows{session};
    DocumentSlots slots{DocumentShared{session, FileVlx, OptPT}, texts, dialogs, messages, windows};

    FakeWindow *newWindow()
    {
        session.NewDoc = true; // as File > New
        return static_cast<FakeWindow *>(slots.NewWindow());
    }
    FakeWindow *open(const QString &path)
    {
        dialogs.choices.append(path);
        slots.OpenProject();
        return windows.active;
    }
};

QString windowName(int slot) { return u"Corporate Valorix "_s + QString::number(slot); }

} // namespace

class TestDocumentSlots : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();

    void numbering_data();
    void numbering();
    void twentyFirstWindow();
    void openNameAlreadyOpen();
    void openFailures();
    void saveIntoFolderOfLastFile();
    void firstSaveGoesThroughSaveAs();
    void cancelledDialogs();
    void savePrompt_data();
    void savePrompt();
    void yesWithCancelledSaveAsStillCloses();
    void pathParts_data();
    void pathParts();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
};

void TestDocumentSlots::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath(u"a"_s) && QDir(m_dir->path()).mkpath(u"b"_s));
    ProjectValues values;
    values.n = 2;
    values.rows = 8;
    for (const QString &file : {u"a/x.vlx"_s, u"b/y.vlx"_s})
        QVERIFY(WriteProject(path(file), values, NumberTexts()).ok);
}

// Each step: N (File > New) or C<k> (close the window named with slot k).
void TestDocumentSlots::numbering_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("open");
    QTest::addColumn<int>("lastSlot");

    QTest::newRow("three new windows") << u"N N N"_s << QList<int>{1, 2, 3} << 3;
    QTest::newRow("a closed number is not reused") << u"N N N C2 N"_s << QList<int>{1, 3, 4} << 4;
    QTest::newRow("closing the last one keeps counting") << u"N N C2 N"_s << QList<int>{1, 3} << 3;
    QTest::newRow("all closed: numbering starts again") << u"N N N C1 C3 C2 N"_s << QList<int>{1} << 1;
}

void TestDocumentSlots::numbering()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, open);
    QFETCH(int, lastSlot);

    Desk desk;
    for (const QString &step : script.split(u' ')) {
        if (step == u"N") {
            QVERIFY(desk.newWindow());
            continue;
        }
        const QString name = windowName(step.mid(1).toInt());
        QString report;
        QVERIFY(desk.windows.close(desk.windows.named(name), desk.slots, &report));
        QCOMPARE(report, name + u" closed"_s);
        QCOMPARE(desk.slots.SlotOfName(name), 0);
    }
    QStringList expected;
    for (int slot : open)
        expected.append(windowName(slot));
    QCOMPARE(desk.windows.captions(), expected);
    QCOMPARE(desk.slots.lastSlot(), lastSlot);
    QCOMPARE(desk.slots.openCount(), open.size());
    QCOMPARE(desk.slots.ActiveSlot(), lastSlot);
}

void TestDocumentSlots::twentyFirstWindow()
{
    Desk desk;
    for (int k = 1; k <= DocumentSlots::SlotCount; ++k)
        QVERIFY(desk.newWindow());

    // A full table: a message and no window, for New and for Open alike.
    QCOMPARE(desk.newWindow(), nullptr);
    QCOMPARE(desk.messages.shown.size(), 1);
    QVERIFY(desk.messages.shown.first().contains(u"20"_s));
    desk.session.values.PV = 1234; // the active window's values
    desk.open(path(u"a/x.vlx"_s));
    QCOMPARE(desk.messages.shown.size(), 2);
    QCOMPARE(desk.windows.windows.size(), DocumentSlots::SlotCount);
    QCOMPARE(desk.session.values.PV, 1234.0); // the file was not read over them
    QVERIFY(desk.session.NewDoc);

    // Past slot 20 a closed window's number comes back.
    QVERIFY(desk.windows.close(desk.windows.named(windowName(5)), desk.slots));
    FakeWindow *again = desk.newWindow();
    QVERIFY(again);
    QCOMPARE(again->caption(), windowName(5));
    QCOMPARE(desk.slots.openCount(), DocumentSlots::SlotCount);
}

void TestDocumentSlots::openNameAlreadyOpen()
{
    Desk desk;
    FakeWindow *x = desk.open(path(u"a/x.vlx"_s));
    QVERIFY(x && x->builtFromFile);
    QCOMPARE(x->caption(), u"x.vlx"_s);
    QCOMPARE(desk.FileVlx, path(u"a/x.vlx"_s));
    desk.newWindow();

    // Same file name in another folder (no such file there): activated, not read.
    QCOMPARE(desk.open(path(u"b/x.vlx"_s)), x);
    QCOMPARE(desk.windows.windows.size(), 2);
    QCOMPARE(desk.FileVlx, path(u"a/x.vlx"_s));
    QVERIFY(desk.messages.shown.isEmpty());
    QVERIFY(desk.session.NewDoc);
}

void TestDocumentSlots::openFailures()
{
    Desk desk;
    desk.open(path(u"a/missing.vlx"_s));
    QCOMPARE(desk.windows.windows.size(), 0);
    QCOMPARE(desk.messages.shown.size(), 1);
    QVERIFY(desk.messages.shown.first().endsWith(u" on ReadVlxcorp"_s));
    QVERIFY(desk.session.NewDoc); // the next window opens blank
    QCOMPARE(desk.FileVlx, path(u"a/missing.vlx"_s));
}

void TestDocumentSlots::saveIntoFolderOfLastFile()
{
    Desk desk;
    FakeWindow *x = desk.open(path(u"a/x.vlx"_s));
    desk.open(path(u"b/y.vlx"_s));
    desk.slots.markModified(x);
    QVERIFY(desk.slots.modified(desk.slots.SlotOfName(u"x.vlx")));
    QVERIFY(x->marked);

    x->activateDocument();
    desk.slots.SaveProject();
    QVERIFY(QFile::exists(path(u"b/x.vlx"_s)));
    QCOMPARE(desk.FileVlx, path(u"b/x.vlx"_s));
    QCOMPARE(x->filled, 1);
    QVERIFY(!desk.slots.modified(desk.slots.SlotOfName(u"x.vlx")));
    QVERIFY(!x->marked);
    QVERIFY(desk.dialogs.saved.isEmpty());
}

void TestDocumentSlots::firstSaveGoesThroughSaveAs()
{
    Desk desk;
    desk.FileVlx = path(u"a/x.vlx"_s);
    FakeWindow *window = desk.newWindow();
    desk.slots.markModified(window);

    desk.dialogs.choices.append(path(u"b/plan.vlx"_s));
    desk.slots.SaveProject();
    QCOMPARE(desk.dialogs.saved.size(), 1);
    QCOMPARE(desk.dialogs.saved[0].initialPath, path(u"a/"_s) + windowName(1));
    QCOMPARE(desk.dialogs.saved[0].filter, u"Valorix (*.vlx);;All Files (*.*)"_s);
    QCOMPARE(window->caption(), u"plan.vlx"_s);
    QCOMPARE(desk.slots.name(1), u"plan.vlx"_s);
    QVERIFY(!desk.slots.modified(1));
    QVERIFY(QFile::exists(path(u"b/plan.vlx"_s)));

    // A name typed without the extension is saved as typed; the next Save
    // opens Save As again.
    desk.dialogs.choices.append(path(u"b/plain"_s));
    desk.slots.SaveProjectAs();
    QVERIFY(QFile::exists(path(u"b/plain"_s)));
    QCOMPARE(window->caption(), u"plain"_s);
    desk.slots.SaveProject();
    QCOMPARE(desk.dialogs.saved.size(), 3);
}

void TestDocumentSlots::cancelledDialogs()
{
    Desk desk;
    desk.FileVlx = path(u"a/x.vlx"_s);
    desk.slots.OpenProject(); // no choice queued: cancelled
    QCOMPARE(desk.dialogs.opened.size(), 1);
    QCOMPARE(desk.dialogs.opened[0].initialPath, path(u"a/x.vlx"_s));
    QVERIFY(desk.windows.windows.empty() && desk.session.NewDoc);

    FakeWindow *window = desk.newWindow();
    desk.slots.SaveProjectAs();
    QCOMPARE(desk.FileVlx, path(u"a/x.vlx"_s));
    QCOMPARE(window->caption(), windowName(1));
    QCOMPARE(window->filled, 0);
}

void TestDocumentSlots::savePrompt_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("portuguese");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("prompt"); // empty: no prompt
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");

    const QString english = u"Do you want to save changes to 'x.vlx'?"_s;
    QTest::newRow("unchanged: no question") << false << false << Answer::Cancel << QString() << true << false;
    QTest::newRow("Yes saves and closes") << true << false << Answer::Yes << english << true << true;
    QTest::newRow("No closes unsaved") << true << false << Answer::No << english << true << false;
    QTest::newRow("Cancel keeps it open") << true << false << Answer::Cancel << english << false << false;
    QTest::newRow("Portuguese prompt") << true << true << Answer::No
                                       << u"Deseja salvar as alterações feitas em 'x.vlx'?"_s << true << false;
}

void TestDocumentSlots::savePrompt()
{
    QFETCH(bool, edited);
    QFETCH(bool, portuguese);
    QFETCH(Answer, answer);
    QFETCH(QString, prompt);
    QFETCH(bool, closes);
    QFETCH(bool, written);

    Desk desk;
    desk.OptPT = portuguese;
    FakeWindow *x = desk.open(path(u"a/x.vlx"_s));
    QVERIFY(QFile::remove(path(u"a/x.vlx"_s)));
    if (edited)
        desk.slots.markModified(x);
    desk.newWindow(); // the window asked about is not the active one
    desk.messages.answers.append(answer);

    QCOMPARE(desk.windows.close(x, desk.slots), closes);
    QCOMPARE(desk.messages.questions, prompt.isEmpty() ? QStringList() : QStringList{prompt});
    QCOMPARE(QFile::exists(path(u"a/x.vlx"_s)), written);
    QCOMPARE(desk.slots.CloseCancelled(), !closes);
    QCOMPARE(desk.slots.SlotOfName(u"x.vlx") != 0, !closes);
    if (!closes)
        QCOMPARE(desk.windows.active, x); // brought forward for the question
}

void TestDocumentSlots::yesWithCancelledSaveAsStillCloses()
{
    Desk desk;
    FakeWindow *window = desk.newWindow();
    desk.slots.markModified(window);
    desk.messages.answers.append(Answer::Yes);
    QVERIFY(desk.windows.close(window, desk.slots)); // Save As cancelled, closed all the same
    QCOMPARE(desk.dialogs.saved.size(), 1);
    QVERIFY(!desk.slots.CloseCancelled());
    QCOMPARE(desk.slots.openCount(), 0);
}

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
