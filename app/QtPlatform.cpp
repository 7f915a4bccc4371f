#include "QtPlatform.h"

#include "ShellServices.h"

#include <QFileDialog>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

QString programTitle()
{
    return u"Pelmora"_s;
}

} // namespace

void QtMessageBoxes::information(const QString &text)
{
    QMessageBox::information(m_parent, programTitle(), text, QMessageBox::Ok);
}

Answer QtMessageBoxes::question(const QString &text)
{
    const auto button =
        QMessageBox::question(m_parent, programTitle(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                              QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel; // also the dialog's close box and Escape
}

std::optional<QString> QtFileDialogs::ShowOpenDialog(const FileDialogRequest &request)
{
    const QString path = QFileDialog::getOpenFileName(m_parent, request.title, request.initialPath, request.filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtFileDialogs::ShowSaveDialog(const FileDialogRequest &request)
{
    // QFileDialog asks before overwriting and, without a default suffix,
    // saves a typed name as typed.
    const QString path = QFileDialog::getSaveFileName(m_parent, request.title, request.initialPath, request.filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QString SystemUserName::UserName() const
{
    return pelmora::UserName();
}

bool DesktopShell::openAssociated(const QString &path)
{
    return OpenAssociated(m_system, path);
}

bool DesktopShell::openInBrowser(const QString &address)
{
    return OpenInBrowser(m_system, m_programFolder, address);
}

bool DesktopShell::startSysInfo()
{
    return StartSysInfo(m_system);
}

} // namespace pelmora
