#pragma once

// The MDI frame around one project window fvlxcorp: the document commands see
// it as a DocumentWindow, and its close asks the save prompt first.

#include "DocumentSlots.h"
#include "ProjectWindowWidget.h"

#include <QMdiSubWindow>

#include <functional>

class QMdiArea;

namespace pelmora {

class ProjectSubWindow : public QMdiSubWindow, public DocumentWindow
{
    Q_OBJECT
public:
    // Takes `project` as its widget and adds itself to `area`; deleted on close.
    ProjectSubWindow(ProjectWindowWidget *project, QMdiArea &area);

    ProjectWindowWidget *project() const { return m_project; }

    QString caption() const override { return m_caption; }
    void setCaption(const QString &caption) override;
    void setModifiedMark(bool modified) override;
    void showDocument() override;
    void activateDocument() override;
    void fillProjectArrays() override;

    // The large chart's sliders (Graph Properties).
    bool slidersShown() const;
    void setSlidersShown(bool shown);
    bool chartsShown() const; // false while the amortization list covers them

    // Asked before the window closes (false keeps it open) and told after.
    std::function<bool(ProjectSubWindow &)> queryClose;
    std::function<void(ProjectSubWindow &)> closed;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QMdiArea &m_area;
    ProjectWindowWidget *m_project;
    QString m_caption;
};

} // namespace pelmora
