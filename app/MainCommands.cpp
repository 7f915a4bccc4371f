// The main window's commands: what each menu item and tool-bar button runs,
// the state the commands keep in step with the documents, the pop-up menus and
// the interface texts.
#include "AboutBox.h"
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

// Items that act on a document, with tool-bar buttons 3, 5, 6 and 7 (the same actions).
constexpr QStringView docCommands[] = {u"msave", u"msaveas", u"mgraphpr", u"mprint", u"mcopy", u"mclose"};
constexpr QStringView arrangeItems[] = {u"mvertical", u"mhorizontal", u"mtabular"};

} // namespace

void fvalorix::connectCommands()
{
    connectDocumentCommands();
    connectViewCommands();
    const auto on = [this](QStringView item, auto command) {
        connect(m_menus.action(item), &QAction::triggered, this, command);
    };
    on(u"mopcoes", [this] { showOptions(); });
    on(u"msobreqor", [this] { showAbout(); });
    on(u"mauxiliogeral", [this] { OpenAssociated(QDir(m_programFolder).filePath(u"Valorix.pdf"_s)); });
    on(u"mqorhp", [this] { OpenInBrowser(textFor(Text::MakerHomePage, Language::English)); });
    on(u"msupport", [this] { OpenInBrowser(textFor(Text::MakerSupportPage, Language::English)); });
    connect(m_menus.menu(u"mjanela"), &QMenu::aboutToShow, this, &fvalorix::updateWindowMenu);
}

void fvalorix::connectDocumentCommands()
{
    const auto on = [this](QStringView item, auto command) {
        connect(m_menus.action(item), &QAction::triggered, this, command);
    };
    on(u"mnew", [this] {
        m_session.NewDoc = true;
        m_slots.NewWindow();
    });
    on(u"mopen", [this] { fileCommandEnded(m_slots.OpenProject()); }); // clears NewDoc itself
    on(u"msave", [this] { fileCommandEnded(m_slots.SaveProject()); });
    on(u"msaveas", [this] { fileCommandEnded(m_slots.SaveProjectAs()); });
    on(u"msair", [this] {
        m_slots.clearCloseCancelled();
        close();
    });
    on(u"mclose", [this] {
        if (QMdiSubWindow *window = m_mdiArea->currentSubWindow())
            window->close();
    });
    on(u"mgraphpr", [this] { GraphProperties(); });

    // The active project window's operations, called by name.
    const auto onProject = [this, on](QStringView item, auto operation) {
        on(item, [this, operation] {
            if (ProjectWindowWidget *project = activeProject())
                operation(*project);
        });
    };
    onProject(u"mfontsmall", [](ProjectWindowWidget &p) { p.FormatFontSize(8); });
    onProject(u"mfontmedium", [](ProjectWindowWidget &p) { p.FormatFontSize(9); });
    onProject(u"mfontlarge", [](ProjectWindowWidget &p) { p.FormatFontSize(10); });
    onProject(u"mcopycell", [](ProjectWindowWidget &p) { p.CopyCell(); });
    onProject(u"mpastecell", [](ProjectWindowWidget &p) { p.PasteCell(); });
    onProject(u"mclearcell", [](ProjectWindowWidget &p) { p.ClearCell(); });
    onProject(u"mexcelamort", [](ProjectWindowWidget &p) { p.ExcelAmort(); });
    onProject(u"mcloseamort", [](ProjectWindowWidget &p) { p.CloseAmort(); });
    on(u"mprint", [this] { printChart(1); });
    on(u"mcopy", [this] { copyChart(1); });
    on(u"mprintmschart2", [this] { printChart(2); });
    on(u"mcopymschart2", [this] { copyChart(2); });
    on(u"mprintmschart3", [this] { printChart(3); });
    on(u"mcopymschart3", [this] { copyChart(3); });
}

void fvalorix::connectViewCommands()
{
    connect(m_menus.action(u"mtoolbar"), &QAction::triggered, this,
            [this] { toggleBar(m_settings.Tool, m_menus.toolBar(), u"mtoolbar"_s); });
    connect(m_menus.action(u"mstatusbar"), &QAction::triggered, this,
            [this] { toggleBar(m_settings.Status, statusBar(), u"mstatusbar"_s); });
    for (QStringView item : arrangeItems) {
        connect(m_menus.action(item), &QAction::triggered, this, [this, item] { arrange(item.toString()); });
    }
}

// ---- state of the commands ----

void fvalorix::setDocCommandsEnabled(bool enabled)
{
    for (QStringView item : docCommands)
        m_menus.action(item)->setEnabled(enabled);
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
    m_menus.action(u"mpastecell")->setEnabled(data && data->hasText());
}

void fvalorix::SyncGraphButton()
{
    const ProjectSubWindow *window = activeSubWindow();
    m_menus.action(u"mgraphpr")->setChecked(window && window->slidersShown());
}

void fvalorix::CheckFontSize(int size)
{
    m_menus.action(u"mfontsmall")->setChecked(size == 8);
    m_menus.action(u"mfontmedium")->setChecked(size == 9);
    m_menus.action(u"mfontlarge")->setChecked(size == 10);
}

void fvalorix::UncheckArrange()
{
    for (QStringView item : arrangeItems)
        m_menus.action(item)->setChecked(false);
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
    m_status->setText(1, report);
    qCInfo(lcDocuments).noquote() << report;
}

void fvalorix::toggleBar(bool &setting, QWidget *bar, const QString &item)
{
    setting = !setting;
    bar->setVisible(setting);
    m_menus.action(item)->setChecked(setting);
}

// The shown windows that are not minimised, in the order they were opened; a
// cascade puts the active one last, on top, so that every title stays in view.
void fvalorix::arrange(const QString &item)
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
        if (item == u"mtabular") {
            if (windows.removeOne(active))
                windows.append(active);
            rects = cascadedRects(int(windows.size()), area, titleBarHeight(windows.first()), minimum);
        } else {
            const auto arrangement = item == u"mvertical" ? Arrangement::Vertical : Arrangement::Horizontal;
            rects = tiledRects(arrangement, int(windows.size()), area, minimum);
        }
        for (qsizetype k = 0; k < windows.size(); ++k) {
            windows[k]->setGeometry(rects[k]);
            windows[k]->raise();
        }
    }
    UncheckArrange();
    m_menus.action(item)->setChecked(true);
}

void fvalorix::GraphProperties()
{
    if (ProjectSubWindow *window = activeSubWindow()) {
        if (const auto shown = graphPropertiesToggle(window->slidersShown(), window->chartsShown()))
            window->setSlidersShown(*shown);
    }
    SyncGraphButton();
}

void fvalorix::popupMenu(const QString &name, const QPoint &globalPos)
{
    // The project window names the grid's menu by what it does.
    const QString menuName = name == u"edit" ? u"mmsflexgrid"_s : name;
    QMenu *menu = m_menus.menu(menuName);
    if (!menu)
        return;
    if (menuName == u"mmsflexgrid")
        SyncPasteItem();
    menu->popup(globalPos);
}

void fvalorix::updateWindowMenu()
{
    QMenu *menu = m_menus.menu(u"mjanela");
    const QList<QAction *> items = menu->actions();
    for (qsizetype k = std::size(arrangeItems); k < items.size(); ++k) {
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
    m_options = &dialog;
    connect(&dialog, &fopcoes::languageClicked, this, [this](Language language) {
        chooseLanguage(m_settings, language);
        m_qtTexts.follow(chosenLanguage(m_settings));
        SetMenuCaptions();
        if (m_slots.openCount() > 0)
            SetLabelTips();
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
    fsobre box(m_settings.VersionText, fsobre::Role::Dialog, chosenLanguage(m_settings), std::move(actions), this);
    box.exec();
}

void fvalorix::OpenAssociated(const QString &path)
{
    QFile file(path);
    const bool readable = file.open(QIODevice::ReadOnly);
    file.close();
    if (!readable || !m_platform.shell.openAssociated(path))
        m_platform.messages.information(textFor(Text::NoFile, Language::English));
}

void fvalorix::OpenInBrowser(const QString &address)
{
    if (m_platform.shell.openInBrowser(address))
        return;
    if (const auto language = chosenLanguage(m_settings))
        m_platform.messages.information(textFor(Text::BrowserNotFound, *language));
}

void fvalorix::StartSysInfo()
{
    if (!m_platform.shell.startSysInfo())
        m_platform.messages.information(textFor(Text::SysInfoUnavailable, Language::English));
}

// ---- interface text ----

void fvalorix::SetMenuCaptions()
{
    const auto language = chosenLanguage(m_settings);
    if (!language)
        return;
    for (const MenuCaption &caption : menuCaptions()) {
        if (QAction *item = m_menus.action(caption.item))
            item->setText(menuCaption(caption, *language));
    }
    for (const ToolBarButton &button : toolBarButtons()) {
        if (const auto tip = toolBarTip(button.number))
            m_menus.action(button.command)->setToolTip(textFor(*tip, *language));
    }
    const QString user = m_platform.user.UserName();
    m_status->setToolTip(1, statusPanelTip(1, *language, user));
    m_status->setToolTip(3, statusPanelTip(3, *language, user));
    if (m_options)
        m_options->setTexts(*language);
}

void fvalorix::SetLabelTips()
{
    const auto language = chosenLanguage(m_settings);
    if (!language)
        return;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (auto *project = qobject_cast<ProjectSubWindow *>(window))
            project->project()->setPortuguese(*language == Language::Portuguese);
    }
}

void fvalorix::Greeting()
{
    if (const auto language = chosenLanguage(m_settings)) {
        const QString clock = m_platform.clock.now().toString(u"HH:mm"_s);
        m_status->setText(1, pelmora::Greeting(clock, m_platform.user.UserName(), *language));
    }
}

void fvalorix::ShowPasteHint()
{
    if (const auto language = chosenLanguage(m_settings))
        m_status->setText(1, pasteHint(*language));
}

} // namespace pelmora
