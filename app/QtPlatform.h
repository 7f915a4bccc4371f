#pragma once

// The desktop's own dialogs, clock, user name, shell and printers behind the
// interfaces of Platform.h.

#include "Platform.h"
#include "PrinterServices.h"
#include "XdgShell.h"

#include <QPointer>
#include <QWidget>

namespace pelmora {

class QtMessageBoxes : public MessageBoxes
{
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    void information(const QString &text) override;
    Answer question(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};

class QtFileDialogs : public FileDialogs
{
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<QString> ShowOpenDialog(const FileDialogRequest &request) override;
    std::optional<QString> ShowSaveDialog(const FileDialogRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class SystemUserName : public UserNameService
{
public:
    QString UserName() const override;
};

// The shell services' steps (ShellServices.h) over a system's shell.
class DesktopShell : public ShellService
{
public:
    // `programFolder` holds the browser look-up's "index.html".
    DesktopShell(SystemShell &system, QString programFolder)
        : m_system(system), m_programFolder(std::move(programFolder))
    {
    }
    bool openAssociated(const QString &path) override;
    bool openInBrowser(const QString &address) override;
    bool startSysInfo() override;

private:
    SystemShell &m_system;
    QString m_programFolder;
};

// All of them, for the program's main(), which passes the program's folder.
struct QtPlatform
{
    explicit QtPlatform(const QString &programFolder) : shell(system, programFolder) {}

    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    SystemClock clock;
    SystemUserName user;
    XdgShell system;
    DesktopShell shell;
    QtPrinterServices printers;

    Platform platform() { return {messages, fileDialogs, clock, user, shell, &printers}; }
    void setParent(QWidget *parent)
    {
        messages.setParent(parent);
        fileDialogs.setParent(parent);
        printers.setParent(parent);
    }
};

} // namespace pelmora
