#include "ProjectSubWindow.h"

#include <QCloseEvent>
#include <QMdiArea>

using namespace Qt::StringLiterals;

namespace pelmora {

ProjectSubWindow::ProjectSubWindow(ProjectWindowWidget *project, QMdiArea &area) : m_area(area), m_project(project)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(project);
    area.addSubWindow(this); // the main window then places it
}

void ProjectSubWindow::setCaption(const QString &caption)
{
    m_caption = caption;
    // "[*]" shows the modified mark; the caption itself stays the slot's name.
    m_project->setWindowTitle(caption + u"[*]"_s);
}

void ProjectSubWindow::setModifiedMark(bool modified)
{
    m_project->setWindowModified(modified);
}

void ProjectSubWindow::showDocument()
{
    show();
    m_area.setActiveSubWindow(this);
}

void ProjectSubWindow::activateDocument()
{
    if (isMinimized())
        showNormal();
    m_area.setActiveSubWindow(this);
}

void ProjectSubWindow::fillProjectArrays()
{
    m_project->model().fillProjectArrays();
}

bool ProjectSubWindow::slidersShown() const
{
    return m_project->slidersVisible();
}

void ProjectSubWindow::setSlidersShown(bool shown)
{
    m_project->setSlidersVisible(shown);
}

bool ProjectSubWindow::chartsShown() const
{
    return !m_project->model().amortList().isVisible();
}

void ProjectSubWindow::closeEvent(QCloseEvent *event)
{
    if (queryClose && !queryClose(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && closed)
        closed(*this);
}

} // namespace pelmora
