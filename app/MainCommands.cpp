// The main window's commands: what each menu item and tool-bar button runs,
// the state the commands keep in step with the documents, the pop-up menus and
// the interface texts.
#include "AboutBox.h"
#include "AppraisalDetailsDialog.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "ProjectSubWindow.h"
#include "ShellRules.h"
#include "StatusPanels.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

// What became of the project files ("... opened", "... saved"), for scripts
// that start the program on a file (QT_LOGGING_RULES="pelmora.documents.info=true").
Q_LOGGING_CATEGORY(lcDocuments, "pelmora.documents", QtWarningMsg)

} // namespace

void fvalorix::connectCommands()
{
    connectDocumentCommands();
    connectViewCommands();
    const MenuItems &m = m_menus.items;
    connect(m.mopcoes, &QAction::triggered, this, &fvalorix::showOptions);
    connect(m.msobreqor, &QAction::triggered, this, &fvalorix::showAbout);
    connect(m.mdetails, &QAction::triggered, this, [this] { showDetails(SeriesA); });
    connect(m.mdetailscell, &QAction::triggered, this, [this] {
        ProjectWindowWidget *project = activeProject();
        const int column = project ? project->model().grid().col() : CashFlowGrid::ColumnA;
        showDetails(std::clamp(column - CashFlowGrid::ColumnA, 0, 2));
    });
    connect(m.mauxiliogeral, &QAction::triggered, this,
            [this] { OpenAssociated(QDir(m_programFolder).filePath(u"Valorix.pdf"_s)); });
    connect(m.mqorhp, &QAction::triggered, this, [this] { OpenInBrowser(MakerHomePage.toString()); });
    connect(m.msupport, &QAction::triggered, this, [this] { OpenInBrowser(MakerSupportPage.toString()); });
    connect(m_menus.menus.mjanela, &QMenu::aboutToShow, this, &fvalorix::updateWindowMenu);
}

void fvalorix::connectDocumentCommands()
{
    const MenuItems &m = m_menus.items;
    const auto on = [this](QAction *item, auto command) { connect(item, &QAction::triggered, this, command); };
    on(m.mnew, [this] {
        m_session.NewDoc = true;
        m_slots.NewWindow();
    });
    on(m.mopen, [this] { fileCommandEnded(m_slots.OpenProject()); }); // clears NewDoc itself
    on(m.msave, [this] { fileCommandEnded(m_slots.SaveProject()); });
    on(m.msaveas, [this] { fileCommandEnded(m_slots.SaveProjectAs()); });
    on(m.msair, [this] {
        m_slots.clearCloseCancelled();
        close();
    });
    on(m.mclose, [this] {
        if (QMdiSubWindow *window = m_mdiArea->currentSubWindow())
            window->close();
    });
    on(m.mgraphpr, [this] { GraphProperties(); });

    // The active project window's operations, called by name.
    const auto onProject = [this, on](QAction *item, auto operation) {
        on(item, [this, operation] {
            if (ProjectWindowWidget *project = activeProject())
                operation(*project);
        });
    };
    onProject(m.mfontsmall, [](ProjectWindowWidget &p) { p.FormatFontSize(8); });
    onProject(m.mfontmedium, [](ProjectWindowWidget &p) { p.FormatFontSize(9); });
    onProject(m.mfontlarge, [](ProjectWindowWidget &p) { p.FormatFontSize(10); });
    onProject(m.mcopycell, [](ProjectWindowWidget &p) { p.CopyCell(); });
    onProject(m.mpastecell, [](ProjectWindowWidget &p) { p.PasteCell(); });
    onProject(m.mclearcell, [](ProjectWindowWidget &p) { p.ClearCell(); });
    onProject(m.mexcelamort, [](ProjectWindowWidget &p) { p.ExcelAmort(); });
    onProject(m.mcloseamort, [](ProjectWindowWidget &p) { p.CloseAmort(); });
    on(m.mprint, [this] { printChart(1); });
    on(m.mcopy, [this] { copyChart(1); });
    on(m.mprintmschart2, [this] { printChart(2); });
    on(m.mcopymschart2, [this] { copyChart(2); });
    on(m.mprintmschart3, [this] { printChart(3); });
    on(m.mcopymschart3, [this] { copyChart(3); });
}

void fvalorix::connectViewCommands()
{
    const MenuItems &m = m_menus.items;
    connect(m.mtoolbar, &QAction::triggered, this,
            [this] { toggleBar(m_settings.Tool, m_menus.toolBar(), m_menus.items.mtoolbar); });
    connect(m.mstatusbar, &QAction::triggered, this,
            [this] { toggleBar(m_settings.Status, statusBar(), m_menus.items.mstatusbar); });
    for (QAction *item : {m.mvertical, m.mhorizontal, m.mtabular})
        connect(item, &QAction::triggered, this, [this, item] { arrange(item); });
}

// ---- state of the commands ----

// The items that act on a document, with tool-bar buttons 3, 5, 6 and 7 (the same actions).
void fvalorix::setDocCommandsEnabled(bool enabled)
{
    const MenuItems &m = m_menus.items;
    for (QAction *item : {m.msave, m.msaveas, m.mgraphpr, m.mprint, m.mcopy, m.mclose})
        item->setEnabled(enabled);
}

void fvalorix::EnableDocCommands()
{
    setDocCommandsEnabled(true);
}

void fvalorix::DisableDocCommands()
{
    setDocCommandsEnabled(false);
}

void fvalorix::SyncPasteItem()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    m_menus.items.mpastecell->setEnabled(data && data->hasText());
}

void fvalorix::SyncGraphButton()
{
    const ProjectSubWindow *window = activeSubWindow();
    m_menus.items.mgraphpr->setChecked(window && window->slidersShown());
}

void fvalorix::CheckFontSize(int size)
{
    m_menus.items.mfontsmall->setChecked(size == 8);
    m_menus.items.mfontmedium->setChecked(size == 9);
    m_menus.items.mfontlarge->setChecked(size == 10);
}

void fvalorix::UncheckArrange()
{
    const MenuItems &m = m_menus.items;
    for (QAction *item : {m.mvertical, m.mhorizontal, m.mtabular})
        item->setChecked(false);
}

// ---- commands ----

// Shown when the command has ended, after whatever the new window's first
// activation wrote; a command that read or wrote nothing leaves the panel.
void fvalorix::fileCommandEnded(const QString &report)
{
    // FileVlx may have changed whether or not the command succeeded.
    keepStorableFileVlx(m_settings);
    if (report.isEmpty())
        return;
    m_status->setText(StatusPanel::Message, report);
    qCInfo(lcDocuments).noquote() << report;
}

void fvalorix::toggleBar(bool &setting, QWidget *bar, QAction *item)
{
    setting = !setting;
    bar->setVisible(setting);
    item->setChecked(setting);
}

// The shown windows that are not minimised, in the order they were opened; a
// cascade puts the active one last, on top, so that every title stays in view.
void fvalorix::arrange(QAction *item)
{
    QMdiSubWindow *active = m_mdiArea->currentSubWindow();
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isVisible() || window->isMinimized())
            continue;
        if (window->isMaximized())
            window->showNormal(); // before its frame is measured: a maximised window has none
        windows.append(window);
    }
    if (!windows.isEmpty()) {
        const QRect area = m_mdiArea->viewport()->rect();
        const QSize minimum = usableWindowSize(windows.first());
        QList<QRect> rects;
        if (item == m_menus.items.mtabular) {
            if (windows.removeOne(active))
                windows.append(active);
            rects = cascadedRects(int(windows.size()), area, titleBarHeight(windows.first()), minimum);
        } else {
            const auto arrangement = item == m_menus.items.mvertical ? Arrangement::Vertical : Arrangement::Horizontal;
            rects = tiledRects(arrangement, int(windows.size()), area, minimum);
        }
        for (qsizetype k = 0; k < windows.size(); ++k) {
            windows[k]->setGeometry(rects[k]);
            windows[k]->raise();
        }
    }
    UncheckArrange();
    item->setChecked(true);
}

void fvalorix::GraphProperties()
{
    if (ProjectSubWindow *window = activeSubWindow()) {
        if (const auto shown = graphPropertiesToggle(window->slidersShown(), window->chartsShown()))
            window->setSlidersShown(*shown);
    }
    SyncGraphButton();
}

void fvalorix::popupMenu(PopupMenu which, const QPoint &globalPos)
{
    if (which == PopupMenu::Grid)
        SyncPasteItem();
    m_menus.menu(which)->popup(globalPos);
}

void fvalorix::updateWindowMenu()
{
    QMenu *menu = m_menus.menus.mjanela;
    const QList<QAction *> items = menu->actions();
    constexpr qsizetype ArrangeItems = 3; // mvertical, mhorizontal, mtabular
    for (qsizetype k = ArrangeItems; k < items.size(); ++k) {
        menu->removeAction(items[k]);
        delete items[k];
    }
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (!windows.isEmpty())
        menu->addSeparator();
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        auto *project = qobject_cast<ProjectSubWindow *>(window);
        if (!project)
            continue;
        QString caption = project->caption();
        caption.replace(u'&', u"&&"_s);
        QAction *entry = menu->addAction(u"&%1 %2"_s.arg(++number).arg(caption));
        entry->setCheckable(true);
        entry->setChecked(window == m_mdiArea->currentSubWindow());
        connect(entry, &QAction::triggered, project, [project] { project->activateDocument(); });
    }
}

void fvalorix::showOptions()
{
    fopcoes dialog(m_settings.ListSep, chosenLanguage(m_settings), this);
    // Every window, this dialog included, takes the new texts on the change
    // of language that the translations send.
    connect(&dialog, &fopcoes::languageClicked, this, [this](Language language) {
        chooseLanguage(m_settings, language);
        m_translations.follow(chosenLanguage(m_settings));
    });
    connect(&dialog, &fopcoes::okClicked, this, [this](const QString &separator) {
        m_settings.ListSep = listSepFromOptions(separator);
        m_session.ListSep = m_settings.ListSep;
    });
    dialog.exec();
}

void fvalorix::showAbout()
{
    AboutActions actions{[this](const QString &address) { OpenInBrowser(address); }, [this] { StartSysInfo(); }};
    fsobre box(m_settings.VersionText, fsobre::Role::Dialog, std::move(actions), this);
    box.exec();
}

void fvalorix::showDetails(int series)
{
    if (!m_detailsDialog)
        m_detailsDialog = new AppraisalDetailsDialog(m_details, this);
    m_detailsDialog->showSeries(series);
}

void fvalorix::OpenAssociated(const QString &path)
{
    QFile file(path);
    const bool readable = file.open(QIODevice::ReadOnly);
    file.close();
    if (!readable || !m_platform.shell.openAssociated(path))
        m_platform.messages.information(u"No File"_s);
}

void fvalorix::OpenInBrowser(const QString &address)
{
    if (m_platform.shell.openInBrowser(address))
        return;
    if (chosenLanguage(m_settings))
        m_platform.messages.information(tr("Sorry, I did not find your Browser"));
}

void fvalorix::StartSysInfo()
{
    if (!m_platform.shell.startSysInfo())
        m_platform.messages.information(u"System Information Is Unavailable At This Time"_s);
}

// ---- interface text ----

void fvalorix::SetMenuCaptions()
{
    if (!chosenLanguage(m_settings))
        return;
    m_menus.retranslateUi();
    const QString user = m_platform.user.UserName();
    m_status->setToolTip(StatusPanel::Message, tr("System Message"));
    m_status->setToolTip(StatusPanel::State, tr("Valorix is ready for ") + user);
}

void fvalorix::Greeting()
{
    if (chosenLanguage(m_settings)) {
        const QString clock = m_platform.clock.now().toString(u"HH:mm"_s);
        m_status->setText(StatusPanel::Message, pelmora::Greeting(clock, m_platform.user.UserName()));
    }
}

void fvalorix::ShowPasteHint()
{
    if (chosenLanguage(m_settings))
        m_status->setText(StatusPanel::Message, pasteHint());
}

} // namespace pelmora
