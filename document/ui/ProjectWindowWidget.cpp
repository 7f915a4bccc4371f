#include "ProjectWindowWidget.h"

#include "AmortListView.h"
#include "CashFlowGridView.h"
#include "ChartDataText.h"
#include "ChartPicture.h"
#include "FlowChartView.h"
#include "InputPanelView.h"
#include "ProfileChartView.h"
#include "RightReleaseMenu.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QResizeEvent>

using namespace Qt::StringLiterals;

namespace pelmora {

// The window's controls. The chart area shows the charts or, in their place, the
// amortization list. They are the window's children, and owned here too so
// that they go before the model they show and forward to.
class ProjectWindowView
{
public:
    std::unique_ptr<InputPanelView> panel;
    std::unique_ptr<CashFlowGridView> grid;
    std::unique_ptr<ProfileChartView> chart1; // MSChart1
    std::unique_ptr<FlowChartView> chart2;    // MSChart2
    std::unique_ptr<FlowChartView> chart3;    // MSChart3
    std::unique_ptr<AmortListView> list;      // ListView1
};

ProjectWindowWidget::ProjectWindowWidget(DocumentSession &session, const NumberTexts &texts, WindowServices services,
                                         QWidget *parent)
    : QWidget(parent), m_services(std::move(services)), m_model(session, texts)
{
    connect(&m_model, &ProjectWindowModel::statusText, this, &ProjectWindowWidget::statusText);
    connect(&m_model, &ProjectWindowModel::modified, this, &ProjectWindowWidget::modified);
    connect(&m_model, &ProjectWindowModel::exportCashFlowsRequested, this, &ProjectWindowWidget::ExportCashFlows);
    connect(&m_model.grid(), &CashFlowGrid::detailsRequested, this, &ProjectWindowWidget::detailsRequested);
    connect(&m_model, &ProjectWindowModel::busyChanged, this, [this](bool busy) {
        // The hourglass and a hidden editor while the appraisal runs.
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
        if (m_view && m_view->grid)
            m_view->grid->cellEditor()->setVisible(!busy);
        Q_EMIT busyChanged(busy);
    });
    connect(&m_model, &ProjectWindowModel::fontSizeChanged, this, [this](int size) {
        if (m_view) {
            m_view->panel->setFontPointSize(size);
            m_view->grid->setFontPointSize(size);
        }
        Q_EMIT fontSizeChanged(size);
    });

    m_model.load();

    m_view = std::make_unique<ProjectWindowView>();
    m_view->panel = std::make_unique<InputPanelView>(m_model, this);
    m_view->grid = std::make_unique<CashFlowGridView>(m_model.grid(), this);
    m_view->chart2 = std::make_unique<FlowChartView>(this);
    m_view->chart2->setObjectName(u"MSChart2"_s);
    m_view->chart2->setTitle(u"Project A"_s);
    m_view->chart2->setBarColour(QColor(0, 0, 255));
    m_view->chart3 = std::make_unique<FlowChartView>(this);
    m_view->chart3->setObjectName(u"MSChart3"_s);
    m_view->chart3->setTitle(u"Project B"_s);
    m_view->chart3->setBarColour(QColor(255, 0, 0));
    m_view->chart1 = std::make_unique<ProfileChartView>(this);
    m_view->chart1->setObjectName(u"MSChart1"_s);
    m_view->list = std::make_unique<AmortListView>(m_model.amortList(), this);
    m_view->list->setObjectName(u"ListView1"_s);
    m_view->list->hide();
    m_view->panel->move(0, 0);
    connectCharts();
    connectList();

    CashFlowGridView *grid = m_view->grid.get();
    connect(grid, &CashFlowGridView::copyRequested, this, &ProjectWindowWidget::CopyCell);
    connect(grid, &CashFlowGridView::pasteRequested, this, &ProjectWindowWidget::PasteCell);
    connect(grid, &CashFlowGridView::cutRequested, this, [this] {
        CopyCell();
        ClearCell();
    });
    popupOnRightRelease(grid, PopupMenu::Grid, RightReleaseMenu::PassPress);
    SetLabelTips();
    m_view->chart2->setChart(m_model.flowChartA());
    m_view->chart3->setChart(m_model.flowChartB());
    m_view->chart1->setProfile(m_model.profileChart());
    resize(twipsToPixels(12000, this), twipsToPixels(7000, this));
}

ProjectWindowWidget::~ProjectWindowWidget() = default;

void ProjectWindowWidget::activate()
{
    m_model.activate();
}

void ProjectWindowWidget::CopyCell()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_model.grid().CopyCell());
}

void ProjectWindowWidget::PasteCell()
{
    m_view->grid->setUpdatesEnabled(false); // one repaint for the whole paste
    m_model.grid().PasteCell(QGuiApplication::clipboard()->text());
    m_view->grid->setUpdatesEnabled(true);
}

void ProjectWindowWidget::ClearCell()
{
    m_model.grid().ClearCell();
}

void ProjectWindowWidget::FormatFontSize(int size)
{
    m_model.FormatFontSize(std::int16_t(size));
}

void ProjectWindowWidget::AppraiseProjects()
{
    m_model.clickCommand(Command::CashAnalysis);
}

void ProjectWindowWidget::RefreshFlowCharts()
{
    m_model.RefreshFlowCharts();
}

void ProjectWindowWidget::connectCharts()
{
    connect(&m_model, &ProjectWindowModel::flowChartsChanged, this, [this] {
        m_view->chart2->setChart(m_model.flowChartA());
        m_view->chart3->setChart(m_model.flowChartB());
    });
    connect(&m_model, &ProjectWindowModel::profileChanged, this, [this] {
        m_view->chart1->setProfile(m_model.profileChart());
        m_view->chart1->setToolTip(QString());
        m_view->chart1->setAccessibleDescription(m_model.profileChart().footnote.trimmed());
    });
    ProfileChartView *chart1 = m_view->chart1.get();
    connect(&m_model, &ProjectWindowModel::profileScaleChanged, chart1, &ProfileChartView::setEscala);
    connect(&m_model, &ProjectWindowModel::footnoteShown, chart1, &ProfileChartView::setFootnoteVisible);
    connect(m_view->chart1->scaleSlider(), &QSlider::valueChanged, this, [this](int value) {
        m_model.Slider1_Change(value);
        m_view->chart1->scaleSlider()->setToolTip(m_model.profileChart().scaleSlider.toolTip);
    });
    connect(m_view->chart1->footnoteSlider(), &QSlider::valueChanged, this, [this](int value) {
        m_model.Slider6_Change(value);
        m_view->chart1->footnoteSlider()->setToolTip(m_model.profileChart().footnoteSlider.toolTip);
    });
    connect(chart1, &ProfileChartView::pointSelected, this, [this](int series, int point) {
        const PointReadout readout =
            MSChart1_PointSelected(m_model.profileChart(), series, point, m_model.numberTexts());
        Q_EMIT statusText(StatusPanel::DataPoint, readout.status);
        if (readout.toolTip)
            m_view->chart1->setToolTip(*readout.toolTip);
    });
    popupOnRightRelease(chart1, PopupMenu::Valorix, RightReleaseMenu::SwallowPress);
    popupOnRightRelease(m_view->chart2.get(), PopupMenu::ChartA, RightReleaseMenu::SwallowPress);
    popupOnRightRelease(m_view->chart3.get(), PopupMenu::ChartB, RightReleaseMenu::SwallowPress);
}

void ProjectWindowWidget::connectList()
{
    AmortListView *list = m_view->list.get();
    connect(&m_model, &ProjectWindowModel::amortListChanged, this, [this] {
        m_view->list->reload();
        showChartArea();
    });
    connect(&m_model.panel(), &InputPanel::decimalsApplied, list, &AmortListView::textsChanged);
    connect(list, &AmortListView::excelClicked, this, &ProjectWindowWidget::ExcelAmort);
    connect(list, &AmortListView::closeClicked, this, &ProjectWindowWidget::CloseAmort);
    // The right button only brings up the menu; the payment's row stays selected.
    popupOnRightRelease(list, PopupMenu::AmortList, RightReleaseMenu::SwallowPress);
    // Moving over the list selects the row of the current payment number.
    connect(list, &AmortListView::mouseMovedOverList, this, [this] {
        const AmortList::PaymentRow payment = m_model.amortList().paymentRow(m_model.values().paym);
        if (payment.action == AmortList::PaymentRow::Select) {
            m_view->list->setSelectionShown(true);
            m_view->list->selectPaymentRow(payment.row);
        } else if (payment.action == AmortList::PaymentRow::HighlightOnFocus) {
            m_view->list->setSelectionShown(false);
        }
    });
}

void ProjectWindowWidget::popupOnRightRelease(QAbstractScrollArea *control, PopupMenu menu,
                                              RightReleaseMenu::Press press)
{
    connect(new RightReleaseMenu(control, press), &RightReleaseMenu::requested, this,
            [this, menu](QPoint pos) { Q_EMIT popupMenuRequested(menu, pos); });
}

void ProjectWindowWidget::OpenAmort()
{
    m_model.amortList().OpenAmort();
    showChartArea();
}

void ProjectWindowWidget::CloseAmort()
{
    m_model.amortList().CloseAmort();
    showChartArea();
}

void ProjectWindowWidget::showChartArea()
{
    const bool list = m_model.amortList().isVisible();
    m_view->list->setVisible(list);
    for (QWidget *chart :
         std::initializer_list<QWidget *>{m_view->chart1.get(), m_view->chart2.get(), m_view->chart3.get()})
        chart->setVisible(!list);
}

void ProjectWindowWidget::ExcelAmort()
{
    showExport(m_model.ExcelAmort(m_services.programFolder));
}

void ProjectWindowWidget::ExportCashFlows()
{
    showExport(m_model.ExportCashFlows(m_services.programFolder));
}

// A written export opens in its program; a failed one says so.
void ProjectWindowWidget::showExport(const ExportOutcome &outcome)
{
    if (!outcome.ok())
        Q_EMIT messageRequested(outcome.failure);
    else if (m_services.openAssociated)
        m_services.openAssociated(outcome.path);
}

void ProjectWindowWidget::setSlidersVisible(bool visible)
{
    m_slidersVisible = visible;
    m_view->chart1->scaleSlider()->setVisible(visible);
    m_view->chart1->footnoteSlider()->setVisible(visible);
}

namespace {

// A chart's picture as drawn, without the sliders over it, at twice the
// screen's resolution so that it stays sharp when printed. Its dots per inch
// say so, and a program that pastes it shows it at the chart's size on screen.
QImage chartPicture(QGraphicsView &view)
{
    constexpr int Scale = 2;
    const QSize size = view.viewport()->size();
    QImage picture(size * Scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(Scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    view.render(&painter, QRectF(QPointF(), size), view.viewport()->rect());
    painter.end();
    const int dotsPerMeter = int(std::lround(view.logicalDpiX() * Scale / 0.0254));
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.setDevicePixelRatio(1);
    return picture;
}

} // namespace

void ProjectWindowWidget::CopyChart(int chart, QSize printSize)
{
    QChartView *view = nullptr;
    QString data;
    const NumberTexts &texts = m_model.numberTexts();
    if (chart == 1) {
        view = m_view->chart1.get();
        data = chartDataText(m_model.profileChart(), texts);
    } else if (chart == 2) {
        view = m_view->chart2.get();
        data = chartDataText(m_model.flowChartA(), u"Project A"_s, texts);
    } else if (chart == 3) {
        view = m_view->chart3.get();
        data = chartDataText(m_model.flowChartB(), u"Project B"_s, texts);
    } else {
        return;
    }
    auto *mime = new QMimeData;
    mime->setImageData(chartPicture(*view));
    mime->setText(data);
    putVectorPicture(*mime, chartVectorPicture(view->chart(), printSize.isValid() ? printSize : view->size()));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ProjectWindowWidget::SetLabelTips()
{
    m_view->panel->setLabelTips({tr("Number of periods"), tr("Interest rate"), tr("Present Value"), tr("Payment"),
                                 tr("Future Value"), tr("Decimal places"), tr("Payment number"), tr("Amortization"),
                                 tr("Interest of payment"), tr("Balance Due"), tr("Total Interest")});
    m_view->panel->setCellEntryName(tr("Cell entry"));
    // The charts are read out by what they show; the large one adds its footnote.
    m_view->chart1->setAccessibleName(tr("NPV profile of projects A and B by discount rate"));
    m_view->chart1->scaleSlider()->setAccessibleName(tr("Rate axis scale"));
    m_view->chart1->footnoteSlider()->setAccessibleName(tr("Footnote"));
    m_view->chart2->setAccessibleName(tr("Cash flows of project A by period"));
    m_view->chart3->setAccessibleName(tr("Cash flows of project B by period"));
    m_view->list->setAccessibleName(tr("Amortization schedule"));
}

void ProjectWindowWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        SetLabelTips();
}

void ProjectWindowWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

// The window's layout in twips; a size that would come out negative in a narrow
// window is not applied, and that control keeps its size.
void ProjectWindowWidget::layoutControls()
{
    const double H = pixelsToTwips(height(), this);
    const double W = pixelsToTwips(width(), this);
    auto place = [this](QWidget *widget, double left, double top, double w, double h) {
        if (w < 0 || h < 0)
            return;
        widget->setGeometry(twipsRect(left, top, w, h, this));
    };
    place(m_view->grid.get(), 20, 3010, 6520, H - 3070 + 120);
    const double smallWidth = (W - 6500) / 2;
    place(m_view->chart2.get(), 6505, 0, smallWidth, 0.33 * H);
    place(m_view->chart3.get(), 6500 + smallWidth, 0, smallWidth, 0.33 * H);
    place(m_view->chart1.get(), 6505, 0.33 * H, W - 6500, 0.67 * H);
    place(m_view->list.get(), 6540, 10, W - 6500 - 60, H - 10);
    // The sliders sit over the large chart's top left corner.
    const QRect scale = twipsRect(60, 60, 1800, 330, this);
    m_view->chart1->placeSliders(scale, QRect(scale.right() + twipsToPixels(20, this), scale.top(),
                                              twipsToPixels(600, this), scale.height()));
    m_view->grid->applySizes();
    m_model.grid().SizeFlexGrid();
}

} // namespace pelmora
