#pragma once

// What the shell needs of the desktop, each through one small interface:
// message boxes and file dialogs (declared with the document commands, which
// use them too), the clock, the user's name, the shell's opening of files and
// web addresses, and the printers. The program passes the real ones
// (QtPlatform.h); tests pass their own, so that no prompt waits for a person.

#include "DocumentSlots.h"

#include <QDateTime>
#include <QString>

namespace pelmora {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class UserNameService
{
public:
    virtual ~UserNameService() = default;
    virtual QString UserName() const = 0;
};

class ShellService
{
public:
    virtual ~ShellService() = default;
    // Opens an existing file with the program registered for its type; false
    // when there is none or it cannot be started.
    virtual bool openAssociated(const QString &path) = 0;
    virtual bool openInBrowser(const QString &address) = 0;
    // Starts the system information tool; false when there is none or it cannot
    // be started. A shell without one keeps this answer.
    virtual bool startSysInfo() { return false; }
};

class PrinterServices; // PrinterServices.h

struct Platform
{
    MessageBoxes &messages;
    FileDialogs &fileDialogs;
    Clock &clock;
    UserNameService &user;
    ShellService &shell;
    // The printers and the print prompts; with none, Print copies the chart but
    // has nothing to print on and shows no dialog.
    PrinterServices *printers = nullptr;
};

} // namespace pelmora
