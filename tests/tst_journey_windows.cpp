// Project windows as the user meets them: where new windows open, what the
// Window menu's arrangements and window list do, the twenty windows there may
// be, and what the first status panel reports after saving, opening and
// closing.
#include "Journey.h"

#include <QDir>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// Edges in twips, as the settings file keeps them: 800 by 600 pixels at 96 DPI.
const QByteArray SmallMainWindow = "fMax         False\r\nvalorixTop    300 \r\nvalorixLeft   300 \r\n"
                                   "valorixHeight 9000 \r\nvalorixWidth  12000 \r\n";
const QByteArray MaximisedMainWindow = "fMax         True\r\n";
const QByteArray Portuguese = "OptEN        False\r\nOptPT        True\r\n";

// The cash-flow lines of a file, which the appraisal leaves as they were.
QByteArray flowsOf(const QByteArray &file)
{
    return file.mid(file.indexOf("CFa00"));
}
const QByteArray ExampleFlows = flowsOf(ExampleProject);
// The same after the grid edit of `run("edit")`.
const QByteArray EditedFlows = QByteArray(ExampleFlows).replace("(1,000.00)", "900.00");

class WindowsJourney : public Journey
{
public:
    QList<QMdiSubWindow *> windows() const
    {
        QList<QMdiSubWindow *> shown = area()->subWindowList(QMdiArea::CreationOrder);
        shown.removeIf([](const QMdiSubWindow *w) { return !w->isVisible(); });
        return shown;
    }
    // The caption as the title bar shows it, "*" for a changed document.
    static QString title(const QMdiSubWindow *w)
    {
        return w->windowTitle().remove(u"[*]"_s) + (w->isWindowModified() ? u"*"_s : QString());
    }
    QStringList titles() const
    {
        QStringList list;
        for (const QMdiSubWindow *w : windows())
            list.append(title(w));
        return list;
    }
    QString activeTitle() const { return activeWindow() ? title(activeWindow()) : QString(); }
    QStringList arrangeTicks() const
    {
        QStringList ticked;
        for (const QString &item : {u"mvertical"_s, u"mhorizontal"_s, u"mtabular"_s}) {
            if (find(item)->isChecked())
                ticked.append(shown(find(item)->text()));
        }
        return ticked;
    }
    QByteArray flows(const QString &name) const
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? flowsOf(file.readAll()) : QByteArray();
    }

    // One step of a user: "Menu>Item" through the menu bar, "edit" for a grid
    // edit (900 through the cell entry field into the current cell, period 0
    // of project A), else the tool-bar button of that key.
    void run(const QString &step)
    {
        if (step.contains(u'>')) {
            choose(step.split(u'>'));
        } else if (step == u"edit") {
            click(control(u"Text(10)"_s));
            press(Qt::Key_Home);
            press(Qt::Key_End, Qt::ShiftModifier);
            type(u"900"_s);
            press(Qt::Key_Return);
        } else {
            click(find<QToolButton>(step));
        }
    }

    // Every window inside the area; when `usable`, each also shows its input
    // panel, the grid's header with its first two rows, and its whole title.
    void verifyWindows(bool usable, const QString &step) const
    {
        const QRect view = placeOf(area()->viewport());
        for (const QMdiSubWindow *w : windows()) {
            const QString where = step + u": "_s + title(w);
            const QRect frame = placeOf(w);
            QVERIFY2(view.contains(frame), qPrintable(where + u" leaves the area"_s));
            if (!usable)
                continue;
            const QRect client = placeOf(w->widget());
            QVERIFY2(client.contains(placeOf(w->findChild<QWidget *>(u"Frame1"_s))),
                     qPrintable(where + u": the input panel is cut"_s));
            const auto *grid = w->findChild<QAbstractItemView *>(u"MSFlexGrid1"_s);
            const QPoint corner = grid->visualRect(grid->model()->index(1, 2)).bottomRight();
            QVERIFY2(client.contains(grid->viewport()->mapToGlobal(corner)) && grid->viewport()->rect().contains(corner),
                     qPrintable(where + u": the grid's first rows are cut"_s));
            // The title bar's middle shows this window, wide enough for its text
            // and the three buttons.
            const int titleBar = client.top() - frame.top();
            const QWidget *seen = QApplication::widgetAt(QPoint(frame.center().x(), frame.top() + titleBar / 2));
            QVERIFY2(seen && (seen == w || w->isAncestorOf(seen)), qPrintable(where + u": title covered"_s));
            QVERIFY2(frame.width() >= w->fontMetrics().horizontalAdvance(title(w)) + 4 * titleBar,
                     qPrintable(where + u": title cut"_s));
        }
    }
    // The newest window a title bar down and right of the one before, or back
    // at the area's top left.
    void verifyCascadeStep() const
    {
        const QList<QMdiSubWindow *> shown = windows();
        const QMdiSubWindow *last = shown.last();
        const QPoint step = last->pos() - shown[shown.size() - 2]->pos();
        const int titleBar = last->widget()->y();
        QVERIFY2(step == QPoint(titleBar, titleBar) || last->pos() == QPoint(0, 0),
                 qPrintable(u"step (%1, %2)"_s.arg(step.x()).arg(step.y())));
    }
};

} // namespace

class TestWindowsJourney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void newWindowsAndArrangements_data();
    void newWindowsAndArrangements();
    void twentyWindowsAtMost();
    void fileReports_data();
    void fileReports();
    void savePromptOnClose_data();
    void savePromptOnClose();
    void lineBreakInFileName();
};

void TestWindowsJourney::newWindowsAndArrangements_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("tilesUsable"); // room for four usable windows tiled
    QTest::newRow("maximised on a laptop screen") << MaximisedMainWindow << true;
    QTest::newRow("an 800 by 600 main window") << SmallMainWindow << false;
    QTest::newRow("the default place and size") << QByteArray() << false;
}

void TestWindowsJourney::newWindowsAndArrangements()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, tilesUsable);
    WindowsJourney j;
    j.start(settings);
    j.verifyWindows(true, u"start"_s);
    for (const QString &step : {u"File>New"_s, u"New"_s, u"File>New"_s}) {
        j.run(step);
        j.verifyWindows(true, step);
        j.verifyCascadeStep();
    }
    QCOMPARE(j.titles(), (QStringList{u"Corporate Valorix 1"_s, u"Corporate Valorix 2"_s,
                                      u"Corporate Valorix 3"_s, u"Corporate Valorix 4"_s}));

    j.run(u"Window>Tabular"_s);
    j.verifyWindows(true, u"Tabular"_s);
    j.run(u"Window>Vertical"_s);
    j.verifyWindows(tilesUsable, u"Vertical"_s);
    j.run(u"Window>Horizontal"_s);
    j.verifyWindows(tilesUsable, u"Horizontal"_s);
    QCOMPARE(j.arrangeTicks(), QStringList{u"Horizontal"_s});

    // The window list activates the window chosen.
    j.run(u"Window>2 Corporate Valorix 2"_s);
    QCOMPARE(j.activeTitle(), u"Corporate Valorix 2"_s);
    j.run(u"Window>4 Corporate Valorix 4"_s);
    QCOMPARE(j.activeTitle(), u"Corporate Valorix 4"_s);

    // Closing one and opening another: the next number, inside, also once the
    // main window has shrunk (as a window manager shrinks it).
    j.run(u"Valorix>Close"_s);
    QCOMPARE(j.status(u"system"_s), u"Corporate Valorix 4 closed"_s);
    j.run(u"File>New"_s);
    QCOMPARE(j.activeTitle(), u"Corporate Valorix 5"_s);
    j.verifyWindows(false, u"New after Close"_s);
    j.window->showNormal();
    j.window->resize(640, 480);
    QTRY_COMPARE(j.window->size(), QSize(640, 480));
    j.run(u"File>New"_s);
    QCOMPARE(j.activeTitle(), u"Corporate Valorix 6"_s);
    QVERIFY(j.placeOf(j.area()->viewport()).contains(j.placeOf(j.activeWindow()))); // the others stay put

    // Maximising a window (a double click on its title bar) takes the tick away.
    const QRect frame = j.placeOf(j.activeWindow());
    j.doubleClickAt(QPoint(frame.center().x(), frame.top() + j.activeWindow()->widget()->y() / 2));
    QVERIFY(j.activeWindow()->isMaximized());
    QCOMPARE(j.arrangeTicks(), QStringList());
    j.run(u"Window>Tabular"_s);
    j.verifyWindows(true, u"Tabular from a maximised window"_s);

    // With every window closed the document commands are off and the numbers
    // start again at 1.
    while (!j.windows().isEmpty())
        j.run(u"Valorix>Close"_s);
    QVERIFY(!j.find(u"msave"_s)->isEnabled() && !j.find<QToolButton>(u"Save"_s)->isEnabled());
    j.run(u"New"_s);
    QCOMPARE(j.titles(), QStringList{u"Corporate Valorix 1"_s});
    QVERIFY(j.find(u"msave"_s)->isEnabled());
}

void TestWindowsJourney::twentyWindowsAtMost()
{
    WindowsJourney j;
    j.writeFile(u"example.vlx"_s, ExampleProject);
    j.start();
    while (j.windows().size() < 20)
        j.run(u"New"_s);
    j.verifyWindows(false, u"twenty windows"_s);

    // No 21st, by New or by Open; the file is not read over the values of the
    // active window, whose payment is then solved from its own.
    for (const auto &[field, text] : {std::pair(u"Text(2)"_s, u"10000"_s), {u"Text(1)"_s, u"6"_s}, {u"Text(0)"_s, u"10"_s}}) {
        j.click(j.control(field)); // the whole text selected as the field takes the focus
        j.type(text);
    }
    j.run(u"New"_s);
    j.dialogs.choices = {j.folder.filePath(u"example.vlx"_s)};
    j.run(u"File>Open..."_s);
    QCOMPARE(j.messages.shown.size(), 2);
    QVERIFY(j.messages.shown.first().contains(u"20"_s));
    QCOMPARE(j.windows().size(), 20);
    j.click(j.control(u"Command(3)"_s));
    QCOMPARE(j.field(u"Text(3)"_s), u"1,358.68"_s);

    // Past number 20 the number of a closed window comes back.
    j.run(u"Window>5 Corporate Valorix 5"_s);
    j.run(u"Valorix>Close"_s);
    j.run(u"New"_s);
    QCOMPARE(j.activeTitle(), u"Corporate Valorix 5"_s);
}

// Each row: a start (the example file on the command line, or none), the
// user's steps (see run()) with the file dialogs' answers, and what the user
// then sees: status panel 1, the window titles, the dialogs shown, the
// messages and the file written.
void TestWindowsJourney::fileReports_data()
{
    QTest::addColumn<bool>("withExample");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("answers"); // files chosen, in the folder; empty cancels
    QTest::addColumn<QString>("status");      // "%1" is the folder; empty: the panel keeps its text
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("dialogs"); // title and proposed path, "%1" the folder
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("written");     // empty: none
    QTest::addColumn<QByteArray>("flows");    // of the file written; empty: any

    const QString example = u"example.vlx"_s, blank = u"Corporate Valorix 1"_s;
    const QString saveAs = u"File>Save as..."_s, open = u"File>Open..."_s;
    const QString saveAsExample = u"Save As %1/example.vlx"_s, openExample = u"Open %1/example.vlx"_s;
    QTest::newRow("command line") << true << QStringList() << QStringList() << u"%1/example.vlx opened"_s
                                  << QStringList{example} << QStringList() << 0 << QString() << QByteArray();
    QTest::newRow("Save As") << true << QStringList{saveAs} << QStringList{u"copy.vlx"_s}
                             << u"%1/copy.vlx saved"_s << QStringList{u"copy.vlx"_s} << QStringList{saveAsExample}
                             << 0 << u"copy.vlx"_s << ExampleFlows;
    QTest::newRow("Save As cancelled") << true << QStringList{saveAs} << QStringList{QString()} << QString()
                                       << QStringList{example} << QStringList{saveAsExample} << 0 << QString()
                                       << QByteArray();
    QTest::newRow("Save As into a missing folder")
        << true << QStringList{saveAs} << QStringList{u"missing/copy.vlx"_s} << QString() << QStringList{example}
        << QStringList{saveAsExample} << 1 << QString() << QByteArray();
    QTest::newRow("Save after an edit (tool bar)")
        << true << QStringList{u"edit"_s, u"Save"_s} << QStringList() << u"%1/example.vlx saved"_s
        << QStringList{example} << QStringList() << 0 << example << EditedFlows;
    QTest::newRow("first Save of a new window: Save As")
        << false << QStringList{u"File>Save"_s} << QStringList{u"plan.vlx"_s} << u"%1/plan.vlx saved"_s
        << QStringList{u"plan.vlx"_s} << QStringList{u"Save As Corporate Valorix 1"_s} << 0 << u"plan.vlx"_s
        << QByteArray();
    QTest::newRow("a name without the extension: Save As again")
        << false << QStringList{saveAs, u"File>Save"_s} << QStringList{u"plain"_s, QString()} << u"%1/plain saved"_s
        << QStringList{u"plain"_s} << QStringList{u"Save As Corporate Valorix 1"_s, u"Save As %1/plain"_s} << 0
        << u"plain"_s << QByteArray();
    QTest::newRow("Open") << false << QStringList{open} << QStringList{example} << u"%1/example.vlx opened"_s
                          << QStringList{blank, example} << QStringList{u"Open "_s} << 0 << QString()
                          << QByteArray();
    QTest::newRow("Open (tool bar) cancelled") << false << QStringList{u"Open"_s} << QStringList{QString()}
                                               << QString() << QStringList{blank} << QStringList{u"Open "_s} << 0
                                               << QString() << QByteArray();
    QTest::newRow("Open of a missing file") << false << QStringList{open} << QStringList{u"missing.vlx"_s}
                                            << QString() << QStringList{blank} << QStringList{u"Open "_s} << 1
                                            << QString() << QByteArray();
    QTest::newRow("Open of a name open from another folder")
        << true << QStringList{open} << QStringList{u"b/example.vlx"_s} << QString() << QStringList{example}
        << QStringList{openExample} << 0 << QString() << QByteArray();
    // Save goes to the folder of the file opened or saved last.
    QTest::newRow("Save into the folder of the last file")
        << true << QStringList{open, u"Window>1 example.vlx"_s, u"edit"_s, u"File>Save"_s}
        << QStringList{u"b/y.vlx"_s} << u"%1/b/example.vlx saved"_s << QStringList{example, u"y.vlx"_s}
        << QStringList{openExample} << 0 << u"b/example.vlx"_s << EditedFlows;
}

void TestWindowsJourney::fileReports()
{
    QFETCH(bool, withExample);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, answers);
    QFETCH(QString, status);
    QFETCH(QStringList, dialogs);
    QFETCH(QString, written);
    QFETCH(QByteArray, flows);

    WindowsJourney j;
    j.writeFile(u"example.vlx"_s, ExampleProject);
    QVERIFY(QDir(j.folder.path()).mkdir(u"b"_s));
    j.writeFile(u"b/y.vlx"_s, ExampleProject);
    j.start({}, withExample ? QStringList{j.folder.filePath(u"example.vlx"_s)} : QStringList());
    const QString before = j.status(u"system"_s);
    for (const QString &answer : answers)
        j.dialogs.choices.append(answer.isEmpty() ? std::nullopt : std::optional(j.folder.filePath(answer)));
    for (const QString &step : steps)
        j.run(step);

    QCOMPARE(j.status(u"system"_s), status.isEmpty() ? before : status.arg(j.folder.path()));
    QTEST(j.titles(), "titles");
    QStringList shown;
    for (const FileDialogRequest &request : j.dialogs.opened + j.dialogs.saved)
        shown.append(request.title + u' ' + request.initialPath);
    for (QString &dialog : dialogs)
        dialog = dialog.arg(j.folder.path());
    QCOMPARE(shown, dialogs);
    QTEST(int(j.messages.shown.size()), "messages");
    QStringList files{u"example.vlx"_s, u"Valorix.ini"_s};
    if (!written.isEmpty()) {
        QVERIFY(j.flows(written).startsWith("CFa00"));
        if (!flows.isEmpty())
            QCOMPARE(j.flows(written), flows);
        if (!files.contains(written) && !written.contains(u'/'))
            files.append(written);
    }
    files.sort(Qt::CaseInsensitive);
    QCOMPARE(QDir(j.folder.path()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase), files); // nothing else
}

// Valorix > Close, with or without a grid edit before, on the example opened
// from the command line or on a new window; the prompt answered from the script.
void TestWindowsJourney::savePromptOnClose_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("withExample");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("prompt"); // empty: no question
    QTest::addColumn<QString>("status"); // empty: the panel keeps its text
    QTest::addColumn<int>("windows");
    QTest::addColumn<int>("saveDialogs");
    QTest::addColumn<QByteArray>("flows"); // of example.vlx afterwards

    const QString english = u"Do you want to save changes to 'example.vlx'?"_s;
    const QString closed = u"example.vlx closed"_s;
    QTest::newRow("unchanged: no question") << QByteArray() << true << false << Answer::Cancel << QString()
                                            << closed << 0 << 0 << ExampleFlows;
    QTest::newRow("Yes") << QByteArray() << true << true << Answer::Yes << english << closed << 0 << 0
                         << EditedFlows;
    QTest::newRow("No") << QByteArray() << true << true << Answer::No << english << closed << 0 << 0 << ExampleFlows;
    QTest::newRow("Cancel") << QByteArray() << true << true << Answer::Cancel << english << QString() << 1 << 0
                            << ExampleFlows;
    QTest::newRow("Portuguese, No") << Portuguese << true << true << Answer::No
                                    << u"Deseja salvar as alterações feitas em 'example.vlx'?"_s << closed << 0
                                    << 0 << ExampleFlows;
    QTest::newRow("Yes, Save As cancelled: closed all the same")
        << QByteArray() << false << true << Answer::Yes << u"Do you want to save changes to 'Corporate Valorix 1'?"_s
        << u"Corporate Valorix 1 closed"_s << 0 << 1 << ExampleFlows;
}

void TestWindowsJourney::savePromptOnClose()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, withExample);
    QFETCH(bool, edit);
    QFETCH(Answer, answer);
    QFETCH(QString, prompt);
    QFETCH(QString, status);

    WindowsJourney j;
    j.writeFile(u"example.vlx"_s, ExampleProject);
    j.start(settings, withExample ? QStringList{j.folder.filePath(u"example.vlx"_s)} : QStringList());
    if (edit) {
        j.run(u"edit"_s);
        QVERIFY(j.activeTitle().endsWith(u'*'));
    }
    const QString before = j.status(u"system"_s);
    j.messages.answers = {answer};
    j.run(j.settings.OptPT ? u"Valorix>Fechar"_s : u"Valorix>Close"_s);

    QCOMPARE(j.messages.questions, prompt.isEmpty() ? QStringList() : QStringList{prompt});
    QCOMPARE(j.status(u"system"_s), status.isEmpty() ? before : status);
    QTEST(int(j.windows().size()), "windows");
    QTEST(int(j.dialogs.saved.size()), "saveDialogs");
    QTEST(j.flows(u"example.vlx"_s), "flows");
    // After a Cancel the main window's close box does nothing until File > Exit.
    QCOMPARE(j.window->close(), prompt.isEmpty() || answer != Answer::Cancel);
}

// A file saved under a name with line breaks: it is saved and reported, but
// the settings file written at exit keeps the path before it, whole and
// readable.
void TestWindowsJourney::lineBreakInFileName()
{
    WindowsJourney j;
    j.writeFile(u"example.vlx"_s, ExampleProject);
    const QString example = j.folder.filePath(u"example.vlx"_s);
    j.start({}, {example});
    const QString odd = j.folder.filePath(u"a\nPrintOrient   abc\r\nb.vlx"_s);
    j.dialogs.choices.append(odd);
    j.run(u"File>Save as..."_s);
    QCOMPARE(j.status(u"system"_s), odd + u" saved"_s);
    j.run(u"File>Exit"_s);
    Settings stored;
    QCOMPARE(ReadSettings(stored, j.folder.path()), std::nullopt);
    QCOMPARE(stored.FileVlx, example);
    QCOMPARE(stored.PrintOrient, 2);
}

QTEST_MAIN(TestWindowsJourney)
#include "tst_journey_windows.moc"
