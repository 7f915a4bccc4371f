// The main window's chart commands: a chart of the active project window goes
// to the clipboard, and from there to the status bar's paste hint or to the
// print dialog.
#include "MainWindow.h"
#include "PrintDialog.h"
#include "ProjectSubWindow.h"
#include "ShellRules.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace pelmora {

void fvalorix::copyChart(int chart)
{
    if (ProjectWindowWidget *project = activeProject()) {
        project->CopyChart(chart);
        ShowPasteHint();
    }
}

void fvalorix::printChart(int chart)
{
    ProjectSubWindow *window = activeSubWindow();
    if (!window)
        return;
    // The page takes the chart at the window's size: laid out for that size, it
    // keeps its proportions there.
    const QSize outer = window->frameGeometry().size();
    window->project()->CopyChart(chart, outer);
    if (!m_platform.printers)
        return;

    const QSize twips(int(std::lround(outer.width() * twipsPerPixel(dpiX()))),
                      int(std::lround(outer.height() * twipsPerPixel(dpiY()))));
    // A PDF file goes beside the project's files, named after the window.
    const QString folder = m_settings.FileVlx.isEmpty() ? QDir::homePath() : QFileInfo(m_settings.FileVlx).path();
    const QString pdf = QDir(folder).filePath(QFileInfo(window->caption()).completeBaseName() + u".pdf"_s);

    fprinter dialog({m_settings.PrintOrient, m_printer, twips, pdf}, *m_platform.printers, m_platform.messages, this);
    dialog.load();
    dialog.exec();
}

} // namespace pelmora
