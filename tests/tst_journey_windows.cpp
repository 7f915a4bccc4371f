// Project windows as the user meets them: where new windows open, what the
// Window menu's arrangements and window list do, the twenty windows there may
// be, what the first status panel reports after saving, opening and closing,
// and the pictures of the main window.
#include "Journey.h"

#include <QDir>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace pelmora;
using namespace pelmora::testing;
using namespace Qt::StringLiterals;

namespace {

// The cash-flow lines of a file, which the appraisal leaves as they were; the
// same after the grid edit of `run("edit")`.
QByteArray flowsOf(const QByteArray &file)
{
    return file.mid(file.indexOf("CFa00"));
}
const QByteArray ExampleFlows = flowsOf(ExampleProject);
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
    QString titles() const
    {
        QStringList list;
        for (const QMdiSubWindow *w : windows())
            list.append(title(w));
        return list.join(u'|');
    }
    QStringList arrangeTicks() const
    {
        QStringList ticked;
        for (const QString &item : {u"mvertical"_s, u"mhorizontal"_s, u"mtabular"_s})
            if (find(item)->isChecked())
                ticked.append(shown(find(item)->text()));
        return ticked;
    }

    // One step of a user: "Menu>Item" through the menu bar, "edit" for a grid
    // edit (900 through the cell entry field into the current cell, period 0
    // of project A), else the tool-bar button of that key.
    void run(const QString &step)
    {
        if (step.contains(u'>')) {
            choose(step.split(u'>'));
        } else if (step == u"edit") {
            retype(control(u"Text(10)"_s), u"900"_s);
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
            QVERIFY2(client.contains(grid->viewport()->mapToGlobal(corner)) &&
                         grid->viewport()->rect().contains(corner),
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
};

} // namespace

class TestWindowsJourney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(English); }

    void newWindowsAndArrangements_data() { addRowsFromTsv("journey-window-starts.tsv"); }
    void newWindowsAndArrangements()
    {
        QFETCH(QString, settings);
        QFETCH(QString, tilesUsable);
        WindowsJourney j;
        j.start(settings.toLatin1());
        j.verifyWindows(true, u"start"_s);
        // Each new window a title bar down and right of the one before, or back at
        // the area's top left.
        for (const QString &step : {u"File>New"_s, u"New"_s, u"File>New"_s}) {
            j.run(step);
            j.verifyWindows(true, step);
            const QList<QMdiSubWindow *> shown = j.windows();
            const QMdiSubWindow *last = shown.last();
            const QPoint offset = last->pos() - shown[shown.size() - 2]->pos();
            QVERIFY(offset == QPoint(1, 1) * last->widget()->y() || last->pos() == QPoint(0, 0));
        }
        QCOMPARE(j.titles(), u"Corporate Valorix 1|Corporate Valorix 2|Corporate Valorix 3|Corporate Valorix 4"_s);
        for (const auto &[step, usable] : {std::pair(u"Window>Tabular"_s, true),
                                           {u"Window>Vertical"_s, tilesUsable == u"yes"},
                                           {u"Window>Horizontal"_s, tilesUsable == u"yes"}}) {
            j.run(step);
            j.verifyWindows(usable, step);
        }
        QCOMPARE(j.arrangeTicks(), QStringList{u"Horizontal"_s});

        // The window list activates the window chosen; closing it and opening
        // another gives the next number, inside, also once the main window has
        // shrunk (as a window manager shrinks it).
        j.run(u"Window>2 Corporate Valorix 2"_s);
        QCOMPARE(j.activeTitle(), u"Corporate Valorix 2"_s);
        j.run(u"Valorix>Close"_s);
        QCOMPARE(j.status(u"system"_s), u"Corporate Valorix 2 closed"_s);
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
        QCOMPARE(j.titles(), u"Corporate Valorix 1"_s);
        QVERIFY(j.find(u"msave"_s)->isEnabled());
    }

    void twentyWindowsAtMost()
    {
        WindowsJourney j;
        j.writeFile(u"example.vlx"_s, ExampleProject);
        j.start();
        while (j.windows().size() < 20)
            j.run(u"New"_s);
        j.verifyWindows(false, u"twenty windows"_s);

        // No 21st, by New or by Open; the file is not read over the values of the
        // active window, whose payment is then solved from its own.
        j.enter({{u"Text(2)"_s, u"10000"_s}, {u"Text(1)"_s, u"6"_s}, {u"Text(0)"_s, u"10"_s}});
        j.run(u"New"_s);
        j.dialogs.choices = {j.folder.filePath(u"example.vlx"_s)};
        j.run(u"File>Open..."_s);
        QCOMPARE(j.messages.shown,
                 QStringList(2, u"At most 20 project windows can be open at once. Close one to open another."_s));
        QCOMPARE(j.windows().size(), 20);
        j.click(j.control(u"Command(3)"_s));
        QCOMPARE(j.field(u"Text(3)"_s), u"1,358.68"_s);
        j.enter(u"Text(4)"_s, u"-"_s); // unfinished: read as zero

        // Past number 20 the number of a closed window comes back.
        j.run(u"Window>5 Corporate Valorix 5"_s);
        j.run(u"Valorix>Close"_s);
        j.run(u"New"_s);
        QCOMPARE(j.activeTitle(), u"Corporate Valorix 5"_s);

        // Each window loads its own fields and decimal places from the one record
        // that they share, and solves on them. (The list numbers them in the
        // order they were opened.) The main window is inactive after the menu: a
        // click gives no focus, the keys select.
        j.retype(j.control(u"Text(2)"_s), u"1000"_s);
        j.enter({{u"Text(0)"_s, u"4"_s}, {u"Text(1)"_s, u"10"_s}, {u"Text(4)"_s, u"500"_s}, {u"Text2"_s, u"4"_s}});
        for (const auto &[window, shown] : {std::pair(u"19 Corporate Valorix 20"_s, u"1,358.68 0.00"_s),
                                            {u"20 Corporate Valorix 5"_s, u"315.4708 500.0000"_s}}) {
            j.run(u"Window>"_s + window);
            j.click(j.control(u"Command(3)"_s));
            QCOMPARE(j.field(u"Text(3)"_s) + u' ' + j.field(u"Text(4)"_s), shown); // PMT and FV
        }
    }

    // The rows and what each column holds: tests/data/journey-file-commands.tsv.
    void fileCommands_data() { addRowsFromTsv("journey-file-commands.tsv"); }

    void fileCommands()
    {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        QFETCH(QString, asked);
        QFETCH(QString, status);
        QFETCH(QString, written);
        QFETCH(QString, flows);

        WindowsJourney j;
        const QString folder = j.folder.path();
        j.writeFile(u"example.vlx"_s, ExampleProject);
        QVERIFY(QDir(folder).mkdir(u"b"_s));
        j.writeFile(u"b/y.vlx"_s, ExampleProject);
        j.start({}, !start.isEmpty() ? QStringList{j.folder.filePath(u"example.vlx"_s)} : QStringList());
        QStringList expected;
        for (const QString &entry : asked.split(u'|', Qt::SkipEmptyParts)) {
            const QString answer = entry.section(u'=', 1);
            if (entry.contains(u"?="_s))
                j.messages.answers.append(answer == u"Yes"  ? Answer::Yes
                                          : answer == u"No" ? Answer::No
                                                            : Answer::Cancel);
            else if (entry.contains(u'='))
                j.dialogs.choices.append(answer.isEmpty() ? std::nullopt : std::optional(j.folder.filePath(answer)));
            expected.append(entry.section(u'=', 0, 0).replace(u"%1"_s, folder));
        }
        QString before;
        for (const QString &step : steps.split(u'|', Qt::SkipEmptyParts)) {
            before = j.status(u"system"_s);
            j.run(step);
        }

        QStringList seen = j.messages.questions;
        for (const FileDialogRequest &request : j.dialogs.opened + j.dialogs.saved)
            seen.append(request.title + u' ' + request.initialPath);
        QCOMPARE(seen + j.messages.shown, expected);
        QCOMPARE(j.status(u"system"_s), status.isEmpty() ? before : status.replace(u"%1"_s, folder));
        QTEST(j.titles(), "titles");
        QStringList files{u"example.vlx"_s, u"Valorix.ini"_s};
        if (!written.isEmpty()) {
            const QByteArray file = flowsOf(j.readFile(written));
            QVERIFY(file.startsWith("CFa00"));
            if (!flows.isEmpty())
                QCOMPARE(file, flows == u"edited" ? EditedFlows : ExampleFlows);
            if (!files.contains(written) && !written.contains(u'/'))
                files.append(written);
        }
        files.sort(Qt::CaseInsensitive);
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase), files); // nothing else
        QCOMPARE(j.window->close(), !j.titles().contains(u'*'));
    }

    // A file saved under a name with line breaks: it is saved and reported, but
    // the settings file written at exit keeps the path before it, whole and
    // readable.
    void lineBreakInFileName()
    {
        WindowsJourney j;
        j.startWithExample();
        const QString odd = j.folder.filePath(u"a\nPrintOrient   abc\r\nb.vlx"_s);
        j.dialogs.choices.append(odd);
        j.run(u"File>Save as..."_s);
        QCOMPARE(j.status(u"system"_s), odd + u" saved"_s);
        j.run(u"File>Exit"_s);
        Settings stored;
        QCOMPARE(ReadSettings(stored, j.folder.path()), std::nullopt);
        QCOMPARE(stored.FileVlx, j.folder.filePath(u"example.vlx"_s));
        QCOMPARE(stored.PrintOrient, 2);
    }

    // The pictures: each comes from a file compiled into the program, and a
    // file that is missing or does not load leaves a blank tool-bar button,
    // menu item, command button, status panel or About box.
    void everyPictureIsDrawn()
    {
        Journey journey;
        journey.start();
        QStringList looked, blank;
        auto look = [&](const QString &where, const QPixmap &picture) {
            looked.append(where);
            // Premultiplied, a pixel that shows nothing is all zeros.
            QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), none = image;
            none.fill(Qt::transparent);
            if (image.isNull() || image == none)
                blank.append(where);
        };

        const auto *toolBar = journey.window->findChild<QToolBar *>();
        for (const QToolButton *button : toolBar->findChildren<QToolButton *>()) {
            if (button->isVisible())
                look(button->toolTip(), button->icon().pixmap(toolBar->iconSize()));
        }
        const QMenuBar *bar = journey.window->menuBar();
        journey.click(bar, bar->actionGeometry(bar->actions().first()).center()); // File
        const QWidget *menu = QApplication::activePopupWidget();
        const int side = menu->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu);
        for (const QAction *item : menu->actions()) {
            if (QStringList{u"New"_s, u"Open..."_s, u"Save"_s, u"Exit"_s}.contains(Journey::shown(item->text())))
                look(item->text(), item->icon().pixmap(side));
        }
        Journey::closePopups();
        for (const QPushButton *button : journey.activeWindow()->findChildren<QPushButton *>()) {
            if (button->objectName().startsWith(u"Command("_s) && button->text().isEmpty())
                look(button->objectName(), button->icon().pixmap(button->iconSize()));
        }
        for (const QLabel *label : journey.find<QWidget>(u"conectar"_s)->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                look(u"status"_s, label->pixmap());
        }
        inModalDialog(
            [&] {
                journey.choose({u"Help"_s, u"About Valorix"_s});
            },
            [&](QWidget *about) {
                for (const QString &image : {u"Image2"_s, u"Image3"_s})
                    look(image, about->findChild<QLabel *>(image)->pixmap());
            });
        // The tool bar's 9, 4 menu bitmaps, 7 command buttons, the status picture, the About box's 2.
        QCOMPARE(looked.size(), 9 + 4 + 7 + 1 + 2);
        QVERIFY2(blank.isEmpty(), qPrintable(u"blank pictures: "_s + blank.join(u", "_s)));
    }
};

QTEST_MAIN(TestWindowsJourney)
#include "tst_journey_windows.moc"
