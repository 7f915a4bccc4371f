// Project windows as the user meets them: where new windows open, what the
// Window menu's arrangements and window list do, and what the first status
// panel reports after saving, opening and closing.
#include "Journey.h"

#include <QStyle>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// The window's edges in twips, as the settings file stores them: 800 by 600
// pixels at 96 dots per inch.
const QByteArray SmallMainWindow = "fMax         False\r\nvalorixTop    300 \r\nvalorixLeft   300 \r\n"
                                   "valorixHeight 9000 \r\nvalorixWidth  12000 \r\n";
const QByteArray MaximisedMainWindow = "fMax         True\r\n";
const QByteArray Portuguese = "OptEN        False\r\nOptPT        True\r\n";

class WindowsJourney : public Journey
{
public:
    QList<QMdiSubWindow *> windows() const
    {
        QList<QMdiSubWindow *> shown;
        for (QMdiSubWindow *w : area()->subWindowList(QMdiArea::CreationOrder)) {
            if (w->isVisible())
                shown.append(w);
        }
        return shown;
    }
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

    // Every window inside the area; when `usable`, each also shows its input
    // panel, the grid's header with its first two rows, and its whole title.
    void verifyWindows(bool usable, const char *step) const
    {
        const QRect view = placeOf(area()->viewport());
        for (const QMdiSubWindow *w : windows()) {
            const QString where = QString::fromLatin1(step) + u": "_s + title(w);
            const QRect frame = placeOf(w);
            QVERIFY2(view.contains(frame), qPrintable(where + u" leaves the area"_s));
            QVERIFY2(frame.width() > 0 && frame.height() > 0, qPrintable(where));
            if (!usable)
                continue;
            const QRect client = placeOf(w->widget());
            const QRect panel = placeOf(w->findChild<QWidget *>(u"Frame1"_s));
            QVERIFY2(client.contains(panel), qPrintable(where + u": the input panel is cut"_s));
            const auto *grid = w->findChild<QAbstractItemView *>(u"MSFlexGrid1"_s);
            const QRect cell = grid->visualRect(grid->model()->index(1, 2));
            const QPoint corner = grid->viewport()->mapToGlobal(cell.bottomRight());
            QVERIFY2(client.contains(corner) && grid->viewport()->rect().contains(cell.bottomRight()),
                     qPrintable(where + u": the grid's first rows are cut"_s));
            // The title bar's middle shows this window, wide enough for its text.
            const int titleBar = client.top() - frame.top();
            const QPoint middle(frame.center().x(), frame.top() + titleBar / 2);
            const QWidget *seen = QApplication::widgetAt(middle);
            QVERIFY2(seen && (seen == w || w->isAncestorOf(seen)), qPrintable(where + u": title covered"_s));
            const int text = w->fontMetrics().horizontalAdvance(title(w));
            QVERIFY2(frame.width() >= text + 4 * titleBar, qPrintable(where + u": title cut"_s));
        }
    }
    // The newest window a title bar down and right of the one before, or back
    // at the area's top left.
    void verifyCascadeStep() const
    {
        const QList<QMdiSubWindow *> shown = windows();
        if (shown.size() < 2)
            return;
        const QMdiSubWindow *last = shown.last();
        const QPoint step = last->pos() - shown[shown.size() - 2]->pos();
        const int titleBar = last->widget()->y();
        QVERIFY2(step == QPoint(titleBar, titleBar) || last->pos() == QPoint(0, 0),
                 qPrintable(u"step (%1, %2)"_s.arg(step.x()).arg(step.y())));
    }
    QByteArray bytes(const QString &name) const
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A grid edit, which marks the document: 900 entered through the cell
    // entry field into the current cell, period 0 of project A.
    void editFirstCell()
    {
        click(control(u"Text(10)"_s));
        type(u"900"_s);
        press(Qt::Key_Return);
    }
    // The lines of the cash flows, which the appraisal leaves as they were.
    QByteArray flows(const QString &name) const
    {
        const QByteArray all = bytes(name);
        return all.mid(all.indexOf("CFa00"));
    }
};

QByteArray exampleFlows()
{
    return ExampleProject.mid(ExampleProject.indexOf("CFa00"));
}
// The same after that edit.
QByteArray exampleFlowsEdited()
{
    return exampleFlows().replace("(1,000.00)", "900.00");
}

} // namespace

class TestWindowsJourney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void fileReports_data();
    void fileReports();
    void savePromptOnClose_data();
    void savePromptOnClose();
};

// Each row: a start (with the example file on the command line or not), an
// optional grid edit, a command through the menu or the tool bar with the
// file dialog's answer, and what the user then sees.
void TestWindowsJourney::fileReports_data()
{
    QTest::addColumn<bool>("withExample");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QStringList>("command"); // a menu path, or one tool-bar key
    QTest::addColumn<QString>("answer");      // the file chosen; empty cancels
    QTest::addColumn<QString>("status");      // "%1" is the folder; empty: the panel keeps its text
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("written");     // file written, empty: none
    QTest::addColumn<QByteArray>("flows");     // its cash-flow lines; empty: any
    QTest::addColumn<int>("messages");

    const QStringList saveAs{u"File"_s, u"Save as..."_s};
    const QStringList open{u"File"_s, u"Open..."_s};
    QTest::newRow("command line") << true << false << QStringList() << QString() << u"%1/example.vlx opened"_s
                                  << QStringList{u"example.vlx"_s} << QString() << QByteArray() << 0;
    QTest::newRow("Save As") << true << false << saveAs << u"copy.vlx"_s << u"%1/copy.vlx saved"_s
                             << QStringList{u"copy.vlx"_s} << u"copy.vlx"_s << exampleFlows() << 0;
    QTest::newRow("Save As cancelled") << true << false << saveAs << QString() << QString()
                                       << QStringList{u"example.vlx"_s} << QString() << QByteArray() << 0;
    QTest::newRow("Save As into a missing folder")
        << true << false << saveAs << u"missing/copy.vlx"_s << QString() << QStringList{u"example.vlx"_s}
        << QString() << QByteArray() << 1;
    QTest::newRow("Save after an edit (tool bar)")
        << true << true << QStringList{u"Save"_s} << QString() << u"%1/example.vlx saved"_s
        << QStringList{u"example.vlx"_s} << u"example.vlx"_s << exampleFlowsEdited() << 0;
    QTest::newRow("first Save of a new window") << false << false << QStringList{u"File"_s, u"Save"_s}
                                                << u"plan.vlx"_s << u"%1/plan.vlx saved"_s
                                                << QStringList{u"plan.vlx"_s} << u"plan.vlx"_s
                                                << QByteArray() << 0;
    QTest::newRow("Open") << false << false << open << u"example.vlx"_s << u"%1/example.vlx opened"_s
                          << QStringList{u"Corporate Valorix 1"_s, u"example.vlx"_s} << QString()
                          << QByteArray() << 0;
    QTest::newRow("Open (tool bar) cancelled") << false << false << QStringList{u"Open"_s} << QString()
                                               << QString() << QStringList{u"Corporate Valorix 1"_s}
                                               << QString() << QByteArray() << 0;
    QTest::newRow("Open of a missing file") << false << false << open << u"missing.vlx"_s << QString()
                                            << QStringList{u"Corporate Valorix 1"_s} << QString()
                                            << QByteArray() << 1;
    QTest::newRow("Open of a name already open")
        << true << false << open << u"example.vlx"_s << QString() << QStringList{u"example.vlx"_s} << QString()
        << QByteArray() << 0;
}

void TestWindowsJourney::fileReports()
{
    QFETCH(bool, withExample);
    QFETCH(bool, edit);
    QFETCH(QStringList, command);
    QFETCH(QString, answer);
    QFETCH(QString, status);
    QFETCH(QString, written);
    QFETCH(QByteArray, flows);

    WindowsJourney j;
    if (withExample)
        j.startWithExample();
    else
        j.start();
    j.writeFile(u"example.vlx"_s, ExampleProject);
    if (edit)
        j.editFirstCell();
    const QString before = j.status(u"system"_s);
    if (!answer.isEmpty())
        j.dialogs.choices.append(j.folder.filePath(answer));
    if (command.size() == 1)
        j.click(j.find<QToolButton>(command.first()));
    else if (!command.isEmpty())
        j.choose(command);

    QCOMPARE(j.status(u"system"_s), status.isEmpty() ? before : status.arg(j.folder.path()));
    QTEST(j.titles(), "titles");
    QTEST(int(j.messages.shown.size()), "messages");
    if (!written.isEmpty()) {
        QVERIFY(j.bytes(written).startsWith("nfsize        8 \r\nnFix          2 \r\n"));
        if (!flows.isEmpty())
            QCOMPARE(j.flows(written), flows);
    }
    const QStringList files = QDir(j.folder.path()).entryList({u"*.vlx"_s}, QDir::Files);
    QCOMPARE(files.size(), 1 + int(!written.isEmpty() && written != u"example.vlx"_s));
}

// Close after a grid edit, the prompt answered from the script.
void TestWindowsJourney::savePromptOnClose_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("status"); // empty: the panel keeps its text
    QTest::addColumn<int>("windows");
    QTest::addColumn<QByteArray>("flows"); // of example.vlx afterwards

    const QString english = u"Do you want to save changes to 'example.vlx'?"_s;
    QTest::newRow("Yes") << QByteArray() << Answer::Yes << english << u"example.vlx closed"_s << 0
                         << exampleFlowsEdited();
    QTest::newRow("No") << QByteArray() << Answer::No << english << u"example.vlx closed"_s << 0 << exampleFlows();
    QTest::newRow("Cancel") << QByteArray() << Answer::Cancel << english << QString() << 1 << exampleFlows();
    QTest::newRow("Portuguese, No") << Portuguese << Answer::No
                                    << u"Deseja salvar as alterações feitas em 'example.vlx'?"_s
                                    << u"example.vlx closed"_s << 0 << exampleFlows();
}

void TestWindowsJourney::savePromptOnClose()
{
    QFETCH(QByteArray, settings);
    QFETCH(Answer, answer);
    QFETCH(QString, prompt);
    QFETCH(QString, status);

    WindowsJourney j;
    j.writeFile(u"example.vlx"_s, ExampleProject);
    j.start(settings, {j.folder.filePath(u"example.vlx"_s)});
    j.editFirstCell();
    QCOMPARE(j.activeTitle(), u"example.vlx*"_s);
    const QString before = j.status(u"system"_s);
    j.messages.answers = {answer};
    j.choose({u"Valorix"_s, j.settings.OptPT ? u"Fechar"_s : u"Close"_s});

    QCOMPARE(j.messages.questions, QStringList{prompt});
    QCOMPARE(j.status(u"system"_s), status.isEmpty() ? before : status);
    QTEST(int(j.windows().size()), "windows");
    QTEST(j.flows(u"example.vlx"_s), "flows");
}

QTEST_MAIN(TestWindowsJourney)
#include "tst_journey_windows.moc"
