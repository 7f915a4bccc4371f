#include "MainWindow.h"

#include "CommandLine.h"
#include "Pictures.h"
#include "ProjectSubWindow.h"
#include "ShellRules.h"
#include "StatusPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

QMargins frameMarginsOf(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

} // namespace

fvalorix::fvalorix(Settings &settings, DocumentSession &session, Platform platform, const QString &programFolder,
                   QWidget *parent)
    : QMainWindow(parent),
      m_settings(settings),
      m_session(session),
      m_platform(platform),
      m_programFolder(programFolder),
      m_mdiArea(new QMdiArea(this)),
      m_menus(*this),
      m_status(new StatusPanels(*statusBar(), platform.clock)),
      m_slots(DocumentShared{session, settings.FileVlx}, m_texts, platform.fileDialogs, platform.messages, *this)
{
    setObjectName(u"fvalorix"_s);
    setWindowTitle(u"Pelmora"_s);
    setWindowIcon(pictureIcon(Picture::Program));
    m_mdiArea->setObjectName(u"mdiclient"_s);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    statusBar()->setObjectName(u"StatusBar1"_s);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &fvalorix::subWindowActivated);
    m_mdiArea->viewport()->installEventFilter(this);
    statusBar()->installEventFilter(this);
    connectCommands();
    m_session.ListSep = m_settings.ListSep;
}

fvalorix::~fvalorix()
{
    // The project windows go first, while the table they report to still exists.
    m_mdiArea->disconnect(this);
    qDeleteAll(m_mdiArea->subWindowList());
}

void fvalorix::load(const QString &commandLine, QWidget *splash)
{
    m_menus.applyMenuBitmaps();
    m_menus.applyToolBarImages();

    applySettingRules(m_settings);
    m_menus.toolBar()->setVisible(m_settings.Tool);
    m_menus.items.mtoolbar->setChecked(m_settings.Tool);
    statusBar()->setVisible(m_settings.Status);
    m_menus.items.mstatusbar->setChecked(m_settings.Status);
    setWindowTitle(u"Pelmora"_s);
    m_status->setBusy(false);
    m_status->setText(StatusPanel::State, u"Ready"_s);
    m_status->setDateTip();
    DisableDocCommands();
    UncheckArrange();

    m_translations.follow(chosenLanguage(m_settings));
    SetMenuCaptions();
    Greeting();
    applyPlacement(); // shows the window, so that the first document opens in it
    if (splash)
        splash->close();
    openFirstDocument(commandLine);
}

void fvalorix::openFirstDocument(const QString &commandLine)
{
    if (const auto path = FileVlxFromCommandLine(commandLine)) {
        m_settings.FileVlx = *path;
        fileCommandEnded(m_slots.OpenProjectPath());
        return;
    }
    m_session.NewDoc = true;
    m_slots.NewWindow();
}

// ---- placement ----

double fvalorix::dpiX() const
{
    return logicalDpiX();
}

double fvalorix::dpiY() const
{
    return logicalDpiY();
}

void fvalorix::applyPlacement()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect standard = defaultPlacement(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
    if (m_settings.fMax) {
        setGeometry(standard); // where a restore goes
        showMaximized();
        m_placementSettled = true;
        return;
    }
    m_wantedOuter = placedWindow(standard, m_settings, dpiX(), dpiY());
    // A place on a screen that is no longer attached would hide the window.
    if (screen && !screen->virtualGeometry().intersects(m_wantedOuter))
        m_wantedOuter = standard;
    setGeometry(m_wantedOuter.marginsRemoved(frameMarginsOf(*this)));
    show();
}

// The stored edges are the outer ones. The window frame's size is known only
// once the window system has framed the window, so the first activation places
// it again when the frame turned out larger than assumed; without this the
// window would creep by its frame at every start.
void fvalorix::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_settings.fMax = isMaximized();
    if (event->type() == QEvent::LanguageChange)
        SetMenuCaptions();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_placementSettled) {
        m_placementSettled = true;
        const QMargins frame = frameMarginsOf(*this);
        if (!frame.isNull() && !isMaximized() && frameGeometry() != m_wantedOuter)
            setGeometry(m_wantedOuter.marginsRemoved(frame));
    }
}

QRect fvalorix::outerGeometry() const
{
    // A maximised or minimised window stores where it returns to.
    if (isMaximized() || isMinimized())
        return normalGeometry().marginsAdded(frameMarginsOf(*this));
    return frameGeometry();
}

void fvalorix::storePlacementAndWrite()
{
    storePlacement(m_settings, outerGeometry(), dpiX(), dpiY());
    WriteSettings(m_settings, m_programFolder); // a failure is ignored: the program ends anyway
}

void fvalorix::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const int widthTwips = int(frameGeometry().width() * twipsPerPixel(dpiX()));
    if (const auto panelTwips = systemPanelTwips(widthTwips))
        m_status->setSystemPanelWidth(twipsToPixels(*panelTwips, dpiX()));
    m_settings.fMax = isMaximized();
}

// ---- quit ----

void fvalorix::closeEvent(QCloseEvent *event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    if (m_slots.CloseCancelled()) {
        event->ignore();
        return;
    }
    // One Cancel stops the quit: the windows after it are not asked.
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    storePlacementAndWrite();
    m_unloaded = true;
    event->accept();
}

// ---- mouse on the frame ----

bool fvalorix::eventFilter(QObject *watched, QEvent *event)
{
    const bool release = event->type() == QEvent::MouseButtonRelease;
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (release || press) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (release && watched == m_mdiArea->viewport()) {
                m_menus.menus.mfile->popup(mouse->globalPosition().toPoint());
                return true;
            }
            if (press && watched == statusBar()) {
                m_menus.menus.mvalorix->popup(mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- project windows ----

DocumentWindow *fvalorix::createWindow(const QString &caption)
{
    WindowServices services{m_programFolder, [this](const QString &path) { OpenAssociated(path); }};
    auto *project = new ProjectWindowWidget(m_session, m_texts, std::move(services));
    project->setObjectName(u"fvlxcorp"_s);
    auto *window = new ProjectSubWindow(project, *m_mdiArea);
    window->setCaption(caption);
    placeNewWindow(window);
    connectProject(window);
    return window;
}

// A title bar down and right of the window opened before it, large enough for
// the input panel, the grid and readable charts where there is room, and
// always wholly inside the area, whatever the area's size is now.
void fvalorix::placeNewWindow(QMdiSubWindow *window)
{
    std::optional<QRect> previous;
    for (const QMdiSubWindow *other : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (other != window && other->isVisible() && !other->isMinimized() && !other->isMaximized())
            previous = other->geometry();
    }
    const QSize wanted(twipsToPixels(WantedWidthTwips, dpiX()), twipsToPixels(WantedHeightTwips, dpiY()));
    const QRect area = m_mdiArea->viewport()->rect();
    window->setGeometry(area.isEmpty()
                            ? QRect(QPoint(), wanted)
                            : newWindowRect(previous, wanted, usableWindowSize(window), area, titleBarHeight(window)));
}

int fvalorix::titleBarHeight(const QMdiSubWindow *window)
{
    return window->contentsMargins().top();
}

QSize fvalorix::usableWindowSize(const QMdiSubWindow *window) const
{
    const QMargins frame = window->contentsMargins();
    return QSize(twipsToPixels(UsableWidthTwips, dpiX()) + frame.left() + frame.right(),
                 twipsToPixels(UsableHeightTwips, dpiY()) + frame.top() + frame.bottom());
}

DocumentWindow *fvalorix::activeWindow() const
{
    return activeSubWindow();
}

ProjectSubWindow *fvalorix::activeSubWindow() const
{
    // The current window stays current while a dialog has the focus.
    return qobject_cast<ProjectSubWindow *>(m_mdiArea->currentSubWindow());
}

ProjectWindowWidget *fvalorix::activeProject() const
{
    const ProjectSubWindow *window = activeSubWindow();
    return window ? window->project() : nullptr;
}

void fvalorix::connectProject(ProjectSubWindow *window)
{
    window->queryClose = [this](ProjectSubWindow &closing) {
        const bool closes = m_slots.queryClose(&closing);
        keepStorableFileVlx(m_settings); // a Yes saves, and FileVlx follows
        return closes;
    };
    window->closed = [this](ProjectSubWindow &closing) {
        m_status->setText(StatusPanel::Message, m_slots.windowClosed(&closing));
        if (m_slots.openCount() == 0) {
            DisableDocCommands();
            m_details.setProject(nullptr);
        }
    };
    ProjectWindowWidget *project = window->project();
    connect(project, &ProjectWindowWidget::statusText, m_status, &StatusPanels::setText);
    connect(project, &ProjectWindowWidget::busyChanged, this, [this](bool busy) {
        if (busy == m_status->busy())
            return;
        m_status->setBusy(busy);
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    connect(project, &ProjectWindowWidget::modified, window, [this, window] { m_slots.markModified(window); });
    connect(project, &ProjectWindowWidget::fontSizeChanged, this, &fvalorix::CheckFontSize);
    connect(project, &ProjectWindowWidget::popupMenuRequested, this, &fvalorix::popupMenu);
    connect(project, &ProjectWindowWidget::detailsRequested, this, &fvalorix::showDetails);
    connect(project, &ProjectWindowWidget::messageRequested, this,
            [this](const QString &text) { m_platform.messages.information(text); });
    connect(window, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates, Qt::WindowStates now) {
        if (now & Qt::WindowMaximized)
            UncheckArrange();
    });
}

// Activation runs when another project window becomes the active one; the
// main window losing and regaining the focus is no new activation.
void fvalorix::subWindowActivated(QMdiSubWindow *window)
{
    auto *project = qobject_cast<ProjectSubWindow *>(window);
    if (!project || project == m_activated)
        return;
    m_activated = project;
    EnableDocCommands();
    SyncPasteItem();
    SyncGraphButton();
    project->project()->activate();
    m_details.setProject(&project->project()->model());
}

} // namespace pelmora
