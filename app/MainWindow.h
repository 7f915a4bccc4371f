#pragma once

// The main window fvalorix: the multiple-document frame around the project
// windows, with the menus, the hidden pop-up menus, the tool bar and the status
// bar. Document commands act on the active project window; the document table
// and its prompts are DocumentSlots; the settings are the record it is given.
// Its unload at the end of the run stores the placement and writes the
// settings file, the only moment the file is written.

#include "AppraisalDetailsModel.h"
#include "ChartPrint.h"
#include "DocumentSlots.h"
#include "MainMenus.h"
#include "Platform.h"
#include "Settings.h"
#include "StatusPanel.h"
#include "Translations.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;

namespace pelmora {

class AppraisalDetailsDialog;
class ProjectSubWindow;
class ProjectWindowWidget;
class StatusPanels;

class fvalorix : public QMainWindow, private WindowFactory
{
    Q_OBJECT
public:
    // `settings` has been read and settled; `programFolder` holds the settings
    // file and the exports.
    fvalorix(Settings &settings, DocumentSession &session, Platform platform, const QString &programFolder,
             QWidget *parent = nullptr);
    ~fvalorix() override;

    // The load step: pictures, the settings applied, the window shown, the texts
    // in the chosen language with the greeting, the splash screen unloaded, and
    // the first document: the file of `commandLine`, or a new empty window.
    void load(const QString &commandLine, QWidget *splash = nullptr);

    DocumentSlots &documents() { return m_slots; }
    ProjectWindowWidget *activeProject() const;

    // Called by the project windows and the document commands.
    void EnableDocCommands();
    void DisableDocCommands();
    void SyncPasteItem();
    void SyncGraphButton();
    void CheckFontSize(int size);
    void UncheckArrange();

    // Interface text. The captions, the tool-bar and status-bar tips follow the
    // installed translation (SetMenuCaptions, on every change of language); the
    // greeting is written once, at start-up.
    void SetMenuCaptions();
    void Greeting();
    void ShowPasteHint();

    // Opens a file with the program registered for it; "No File" when that fails.
    void OpenAssociated(const QString &path);
    // Opens a web address in the browser; the browser message when that fails.
    void OpenInBrowser(const QString &address);
    // The About box's "System Info..."; a message when there is no such tool.
    void StartSysInfo();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    QMenu *createPopupMenu() override { return nullptr; } // the View menu alone shows and hides the bars

private:
    // A project window's outer size in twips: the size a new one opens at
    // (bounded by the room there is), and the least an arrangement leaves it
    // inside its frame: the input panel with the grid's columns, the grid's
    // header and its first two rows.
    static constexpr int WantedWidthTwips = 18000;
    static constexpr int WantedHeightTwips = 9800;
    static constexpr int UsableWidthTwips = 6540;
    static constexpr int UsableHeightTwips = 4000;

    // WindowFactory
    DocumentWindow *createWindow(const QString &caption) override;
    DocumentWindow *activeWindow() const override;

    ProjectSubWindow *activeSubWindow() const;
    void placeNewWindow(QMdiSubWindow *window);
    static int titleBarHeight(const QMdiSubWindow *window);
    QSize usableWindowSize(const QMdiSubWindow *window) const;
    void connectCommands();
    void connectDocumentCommands();
    void connectViewCommands();
    void connectProject(ProjectSubWindow *window);
    void subWindowActivated(QMdiSubWindow *window);
    void updateWindowMenu();
    void setDocCommandsEnabled(bool enabled);
    void popupMenu(PopupMenu which, const QPoint &globalPos);
    // After Open, Save, Save As or a start with a file: the report ("... saved",
    // "... opened") in status panel 1, when there is one.
    void fileCommandEnded(const QString &report);
    void arrange(QAction *item);
    void toggleBar(bool &setting, QWidget *bar, QAction *item);
    void GraphProperties();
    void showOptions();
    void showAbout();
    // The details dialog, in front, on `series` (0: A, 1: incremental, 2: B).
    void showDetails(int series);
    // Chart 1, 2 or 3 of the active project window to the clipboard, then the
    // paste hint or the print dialog.
    void copyChart(int chart);
    void printChart(int chart);
    void openFirstDocument(const QString &commandLine);
    void applyPlacement();
    void storePlacementAndWrite();
    QRect outerGeometry() const;
    double dpiX() const;
    double dpiY() const;

    Settings &m_settings;
    DocumentSession &m_session;
    Platform m_platform;
    QString m_programFolder;
    NumberTexts m_texts;
    QMdiArea *m_mdiArea;
    MainMenus m_menus;
    StatusPanels *m_status;
    DocumentSlots m_slots;
    QPointer<QMdiSubWindow> m_activated; // the project window last activated
    CurrentPrinter m_printer;            // the printer chosen last, for the rest of the run
    Translations m_translations;
    AppraisalDetailsModel m_details{m_texts}; // follows the active project window
    QPointer<AppraisalDetailsDialog> m_detailsDialog;
    QRect m_wantedOuter; // the placement asked for at start-up
    bool m_placementSettled = false;
    bool m_unloaded = false;
};

} // namespace pelmora
