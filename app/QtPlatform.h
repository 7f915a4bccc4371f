#pragma once

// The desktop's own dialogs, clock, user name and shell behind the interfaces
// of Platform.h.

#include "Platform.h"

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

class DesktopShell : public ShellService
{
public:
    bool openAssociated(const QString &path) override;
    bool openInBrowser(const QString &address) override;
};

// All of them, for the program's main().
struct QtPlatform
{
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    SystemClock clock;
    SystemUserName user;
    DesktopShell shell;

    Platform platform() { return {messages, fileDialogs, clock, user, shell}; }
    void setParent(QWidget *parent)
    {
        messages.setParent(parent);
        fileDialogs.setParent(parent);
    }
};

} // namespace pelmora
