#pragma once

// The project window as a model: the input panel, the cash-flow grid, the
// amortization list and the charts' data of one window, with the window's
// commands, its creation and activation, and the appraisal. The widgets of the
// window forward events here and redraw from it; pelmora-cli drives it directly.

#include "AmortList.h"
#include "Appraisal.h"
#include "CashFlowGrid.h"
#include "ChartData.h"
#include "ExportFile.h"
#include "InputPanel.h"
#include "StatusPanel.h"

#include <QObject>

namespace pelmora {

// What all project windows share: the one record of the active window and the
// flags of the document commands.
struct DocumentSession
{
    ProjectValues values;
    double nLoaded = 0; // n of the file read last, for an appraisal without periods
    bool NewDoc = true; // the next window opens blank (else from the values just read)
    QString ListSep = QStringLiteral(";");
};

class ProjectWindowModel : public QObject
{
    Q_OBJECT
public:
    ProjectWindowModel(DocumentSession &session, const NumberTexts &texts, QObject *parent = nullptr);

    InputPanel &panel() { return m_panel; }
    CashFlowGrid &grid() { return m_grid; }
    AmortList &amortList() { return m_list; }
    const FlowChart &flowChartA() const { return m_chartA; }       // MSChart2
    const FlowChart &flowChartB() const { return m_chartB; }       // MSChart3
    const ProfileChart &profileChart() const { return m_profile; } // MSChart1
    // The last appraisal's flows and results, for its details; none before one.
    struct AppraisalRun
    {
        AppraisalInput input;
        Appraisal result;
    };
    const std::optional<AppraisalRun> &lastAppraisal() const { return m_lastAppraisal; }
    ProjectValues &values() { return m_session.values; }
    const NumberTexts &numberTexts() const { return m_texts; }

    void load();     // creation: a blank grid, or the grid and fields of the file just read
    void activate(); // the window becomes active

    void clickCommand(Command command);
    void pressEnter(int field); // Enter in Text(0), Text(1) or Text(10)

    void AppraiseProjects();
    void RefreshFlowCharts();
    void FormatFontSize(std::int16_t size);
    int fontSize() const { return m_fontSize; }

    // The cell texts of A and B into CFa and CFb, before the file is written.
    void fillProjectArrays();
    QByteArray ExportCashFlowsText() const;
    // The exports written into `folder`: "Amort.csv" from the amortization list,
    // "Data.csv" from the grid.
    ExportOutcome ExcelAmort(const QString &folder) const;
    ExportOutcome ExportCashFlows(const QString &folder) const;

    // The large chart's sliders.
    void Slider1_Change(int value);
    void Slider6_Change(int value);

Q_SIGNALS:
    void statusText(pelmora::StatusPanel panel, const QString &text);
    void busyChanged(bool busy); // hourglass and editor hidden while busy
    void modified();
    void flowChartsChanged(); // MSChart2 and MSChart3 refreshed
    void profileChanged();    // MSChart1 rebuilt or reset
    void profileScaleChanged(int escala);
    void footnoteShown(bool shown);
    void amortListChanged(); // filled, shown or hidden
    void fontSizeChanged(int size);
    void exportCashFlowsRequested(); // Command::ExportCashFlows: write and open "Data.csv"
    void appraised();                // lastAppraisal() holds a new run

private:
    void InitFlexGrid();
    bool readField(int field, double &target) const;
    void resetProfileChart();
    void fillIncrementalColumn(int n);
    CashFlowSeries readSeries(int column, int n) const;
    void showAppraisal(const AppraisalInput &input, const Appraisal &appraisal, std::array<double, 3> &PMT);
    void emphasizeBetterProject(BetterEmphasis better);

    DocumentSession &m_session;
    NumberTexts m_texts;
    AmortList m_list;
    InputPanel m_panel;
    CashFlowGrid m_grid;
    FlowChart m_chartA;
    FlowChart m_chartB;
    ProfileChart m_profile;
    std::optional<AppraisalRun> m_lastAppraisal;
    int m_fontSize = 8;
};

} // namespace pelmora
