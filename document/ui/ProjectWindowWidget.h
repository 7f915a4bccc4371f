#pragma once

// The project window fvlxcorp: the thin widget over a ProjectWindowModel. It lays
// out the input panel, the cash-flow grid with its floating editor, the three
// charts with their sliders and the amortization list, forwards the user's
// events to the model and redraws from it. The main window hosts it in an MDI
// sub-window and calls its public operations by name on the active child.

#include "PopupMenu.h"
#include "ProjectWindow.h"
#include "RightReleaseMenu.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace pelmora {

// What a project window needs of the program around it.
struct WindowServices
{
    QString programFolder; // where "Amort.csv" and "Data.csv" are written
    // Opens a file with the program registered for its type (and reports "No
    // File" itself when there is none).
    std::function<void(const QString &path)> openAssociated;
};

class ProjectWindowView; // the window's controls

class ProjectWindowWidget : public QWidget
{
    Q_OBJECT
public:
    // `session` is the record shared by all project windows; `NewDoc` in it
    // decides whether the window is built blank or from the values just read.
    ProjectWindowWidget(DocumentSession &session, const NumberTexts &texts, WindowServices services,
                        QWidget *parent = nullptr);
    ~ProjectWindowWidget() override;

    ProjectWindowModel &model() { return m_model; }

    // Called by the main window when this window becomes the active one.
    void activate();

    // The operations the main window calls by name on its active child.
    void CopyCell();  // the grid's selection to the clipboard as text
    void PasteCell(); // the clipboard's text into the grid
    void ClearCell();
    void FormatFontSize(int size); // 8, 9 or 10 points
    void AppraiseProjects();
    void RefreshFlowCharts();
    void OpenAmort();
    void CloseAmort();
    void ExcelAmort();                    // writes "Amort.csv" in the program folder and opens it
    void ExportCashFlows();               // writes "Data.csv" in the program folder and opens it
    void setSlidersVisible(bool visible); // Graph Properties / tool-bar button 5
    bool slidersVisible() const { return m_slidersVisible; }
    // Chart 1, 2 or 3 (MSChart1..MSChart3) to the clipboard: its picture, as a
    // bitmap and in vectors, and as text its data. The vector picture is laid
    // out at `printSize` (pixels) when given, else at the chart's size.
    void CopyChart(int chart, QSize printSize = {});

Q_SIGNALS:
    void statusText(pelmora::StatusPanel panel, const QString &text);
    void busyChanged(bool busy);
    void modified();                // a grid edit: the slot is marked modified
    void fontSizeChanged(int size); // the main window's check marks follow
    // A right click where the main window's pop-up menus apply: "edit" over the
    // grid, "mvalorix" / "mmschart2" / "mmschart3" over the charts, "mamort"
    // over the list.
    void popupMenuRequested(pelmora::PopupMenu menu, const QPoint &globalPos);
    // A text that could not be written: the main window shows the message box.
    void messageRequested(const QString &text);
    // A double click on a result cell: the details of that series (0: A,
    // 1: incremental, 2: B).
    void detailsRequested(int series);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The labels' tool tips and the names read out for the controls without a
    // caption, in the language of the installed translation.
    void SetLabelTips();
    void layoutControls();
    void connectCharts();
    void connectList();
    void showChartArea(); // the charts, or the amortization list in their place
    void showExport(const ExportOutcome &outcome);
    void popupOnRightRelease(QAbstractScrollArea *control, PopupMenu menu, RightReleaseMenu::Press press);

    WindowServices m_services;
    ProjectWindowModel m_model;
    // After the model: the controls are destroyed first.
    std::unique_ptr<ProjectWindowView> m_view;
    bool m_slidersVisible = true;
};

} // namespace pelmora
