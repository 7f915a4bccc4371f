#include "ProjectWindow.h"

#include "CashFlowExport.h"

using namespace Qt::StringLiterals;

namespace pelmora {

ProjectWindowModel::ProjectWindowModel(DocumentSession &session, const NumberTexts &texts, QObject *parent)
    : QObject(parent),
      m_session(session),
      m_texts(texts),
      m_panel(session.values, texts, &m_list),
      m_grid(session.values, texts)
{
    // The floating editor and the cell entry field always show the same text.
    connect(&m_panel, &InputPanel::cellEntryChanged, &m_grid, &CashFlowGrid::setEditorText);
    connect(&m_grid, &CashFlowGrid::editorTextChanged, this,
            [this](const QString &text) { m_panel.setText(Field_CellEntry, text); });
    connect(&m_panel, &InputPanel::decimalsApplied, this, [this] {
        m_grid.FormatFlexGrid();
        m_list.FormatListView(m_texts, values().nFix);
    });
    connect(&m_grid, &CashFlowGrid::flowsChanged, this, &ProjectWindowModel::RefreshFlowCharts);
    connect(&m_grid, &CashFlowGrid::statusText, this,
            [this](const QString &text) { Q_EMIT statusText(StatusPanel::Message, text); });
    connect(&m_grid, &CashFlowGrid::modified, this, &ProjectWindowModel::modified);
}

void ProjectWindowModel::load()
{
    InitFlexGrid();
    m_chartA.ResetChart();
    m_chartB.ResetChart();
    RefreshFlowCharts();
    m_list.CloseAmort();
}

void ProjectWindowModel::InitFlexGrid()
{
    m_grid.InitFlexGrid();
    ProjectValues &v = values();
    if (!m_session.NewDoc && v.rows >= CashFlowGrid::FixedRows) {
        // The payment number and its figures are not saved: an opened window shows
        // them as zero until the user solves again.
        v.paym = v.Amort = v.IPaym = v.BD = v.TI = 0;
        v.n = v.rows - CashFlowGrid::FixedRows;
        m_grid.SetPeriods();
        for (int p = 0; p <= m_grid.periods(); ++p) {
            m_grid.setText(CashFlowGrid::periodRow(p), CashFlowGrid::ColumnA, v.CFa[size_t(p)]);
            m_grid.setText(CashFlowGrid::periodRow(p), CashFlowGrid::ColumnB, v.CFb[size_t(p)]);
        }
        const double loaded[] = {v.n, v.i, v.PV, v.PMT, v.FV};
        for (int k = Field_n; k <= Field_FV; ++k)
            m_panel.setText(k, m_texts.plainText(loaded[k]));
        m_panel.setDecimalsText(m_texts.plainText(v.nFix));
    }
    m_grid.SizeFlexGrid();
}

void ProjectWindowModel::activate()
{
    m_panel.LoadInputs();
    if (m_session.NewDoc) {
        m_panel.FormatNumber();
        values().nfsize = std::int16_t(m_fontSize);
        Q_EMIT fontSizeChanged(m_fontSize);
        return;
    }
    // The first activation after Open: the appraisal and charts of the loaded flows.
    FormatFontSize(values().nfsize);
    clickCommand(Command::CashAnalysis);
    m_session.NewDoc = true;
}

void ProjectWindowModel::clickCommand(Command command)
{
    switch (command) {
    case Command::SolveN:
    case Command::SolveI:
    case Command::SolvePV:
    case Command::SolvePMT:
    case Command::SolveFV:
        m_panel.clickCommand(command);
        break;
    case Command::SetPeriods:
        m_grid.SetPeriods();
        break;
    case Command::CommitCell:
        m_grid.CommitCell();
        break;
    case Command::CashAnalysis:
        AppraiseProjects();
        m_panel.FormatNumber();
        break;
    case Command::ExportCashFlows:
        Q_EMIT exportCashFlowsRequested();
        break;
    case Command::Amortization:
        m_panel.FillAmort();
        Q_EMIT amortListChanged();
        break;
    }
}

void ProjectWindowModel::pressEnter(int field)
{
    if (field == Field_n)
        m_grid.SetPeriods();
    else if (field == Field_i)
        clickCommand(Command::CashAnalysis);
    else if (field == Field_CellEntry)
        m_grid.CommitCell();
}

void ProjectWindowModel::FormatFontSize(std::int16_t size)
{
    m_fontSize = size;
    values().nfsize = size;
    m_grid.setCurrentCell(CashFlowGrid::periodRow(0), CashFlowGrid::ColumnA);
    Q_EMIT fontSizeChanged(size);
}

void ProjectWindowModel::RefreshFlowCharts()
{
    const int periods = m_grid.periods();
    for (auto [chart, column] :
         {std::pair{&m_chartA, CashFlowGrid::ColumnA}, std::pair{&m_chartB, CashFlowGrid::ColumnB}}) {
        std::vector<QString> cells;
        for (int p = 0; p <= periods; ++p)
            cells.push_back(m_grid.text(CashFlowGrid::periodRow(p), column));
        bool resetLarge = false;
        chart->FillFlowChart(cells, m_texts, resetLarge);
        if (resetLarge) {
            resetProfileChart();
            Q_EMIT profileChanged();
        }
    }
    Q_EMIT flowChartsChanged();
}

void ProjectWindowModel::resetProfileChart()
{
    m_profile = ProfileChart();
    m_profile.legendVisible = false;
    m_profile.footnoteVisible = false;
    Q_EMIT statusText(StatusPanel::DataPoint, QString());
}

void ProjectWindowModel::fillProjectArrays()
{
    ProjectValues &v = values();
    for (int p = 0; p <= m_grid.periods() && p < ProjectValues::MaxPeriods; ++p) {
        v.CFa[size_t(p)] = m_grid.text(CashFlowGrid::periodRow(p), CashFlowGrid::ColumnA);
        v.CFb[size_t(p)] = m_grid.text(CashFlowGrid::periodRow(p), CashFlowGrid::ColumnB);
    }
}

QByteArray ProjectWindowModel::ExportCashFlowsText() const
{
    return pelmora::ExportCashFlowsText(
        m_grid.rowCount(), [this](int r, int c) { return m_grid.text(r, c); },
        m_session.ListSep.isEmpty() ? u";"_s : m_session.ListSep);
}

ExportOutcome ProjectWindowModel::ExcelAmort(const QString &folder) const
{
    return writeExport(folder, u"Amort.csv"_s, ExcelAmortText(m_list, m_session.values, m_texts, m_session.ListSep));
}

ExportOutcome ProjectWindowModel::ExportCashFlows(const QString &folder) const
{
    return writeExport(folder, u"Data.csv"_s, ExportCashFlowsText());
}

void ProjectWindowModel::Slider1_Change(int value)
{
    if (!roundToInt16(value))
        return;
    values().escala = std::int16_t(value);
    m_profile.escala = std::int16_t(value);
    m_profile.scaleSlider.value = value;
    m_profile.scaleSlider.toolTip = scaleToolTip(value);
    Q_EMIT profileScaleChanged(value);
}

void ProjectWindowModel::Slider6_Change(int value)
{
    if (value != 1 && value != 2)
        return;
    m_profile.footnoteSlider.value = value;
    m_profile.footnoteVisible = value == 2;
    m_profile.footnoteSlider.toolTip = footnoteToolTip(value == 2);
    Q_EMIT footnoteShown(value == 2);
}

bool ProjectWindowModel::readField(int field, double &target) const
{
    // A field whose text is no number leaves the value as it was.
    if (const auto value = m_texts.toNumber(m_panel.text(field))) {
        target = *value;
        return true;
    }
    return false;
}

} // namespace pelmora
