#include "ProjectWindowWidget.h"

#include <QLabel>
#include <QVBoxLayout>

namespace pelmora {

// Placeholder controls until the window's views arrive.
class ProjectWindowView
{
};

ProjectWindowWidget::ProjectWindowWidget(DocumentSession &session, const NumberTexts &texts,
                                         WindowServices services, QWidget *parent)
    : QWidget(parent), m_session(session), m_services(std::move(services)), m_model(session, texts)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Project window"), this));
    connect(&m_model, &ProjectWindowModel::statusText, this, &ProjectWindowWidget::statusText);
    connect(&m_model, &ProjectWindowModel::busyChanged, this, &ProjectWindowWidget::busyChanged);
    connect(&m_model, &ProjectWindowModel::modified, this, &ProjectWindowWidget::modified);
    connect(&m_model, &ProjectWindowModel::fontSizeChanged, this, &ProjectWindowWidget::fontSizeChanged);
    m_model.load();
}

ProjectWindowWidget::~ProjectWindowWidget() = default;

void ProjectWindowWidget::activate() { m_model.activate(); }
void ProjectWindowWidget::CopyCell() {}
void ProjectWindowWidget::PasteCell() {}
void ProjectWindowWidget::ClearCell() { m_model.grid().ClearCell(); }
void ProjectWindowWidget::FormatFontSize(int size) { m_model.FormatFontSize(std::int16_t(size)); }
void ProjectWindowWidget::AppraiseProjects() { m_model.clickCommand(7); }
void ProjectWindowWidget::RefreshFlowCharts() { m_model.RefreshFlowCharts(); }
void ProjectWindowWidget::OpenAmort() { m_model.amortList().OpenAmort(); }
void ProjectWindowWidget::CloseAmort() { m_model.amortList().CloseAmort(); }
void ProjectWindowWidget::ExcelAmort() {}
void ProjectWindowWidget::ExportCashFlows() {}
void ProjectWindowWidget::setSlidersVisible(bool) {}
void ProjectWindowWidget::setPortuguese(bool) {}
void ProjectWindowWidget::resizeEvent(QResizeEvent *event) { QWidget::resizeEvent(event); }

} // namespace pelmora
