#pragma once

// Handing a file or a web address to another program, and starting the system
// information tool. The steps (which file is looked up, in which order the
// places are tried, what makes an attempt fail) are the same on every system
// and live here; what a system does for one step is behind SystemShell, of
// which XdgShell.h is the implementation for freedesktop.org desktops.
//
// Every operation returns whether it succeeded; the caller shows the message
// ("No File", the browser message, "System Information Is Unavailable At This
// Time") and nothing else changes.

#include <QString>
#include <QStringList>

#include <optional>

namespace pelmora {

// The program registered for opening a file, as the command that opens it.
struct AssociatedProgram
{
    QString program;       // full path; empty when no program is registered
    QStringList arguments; // TargetMark stands where the file or address goes

    // Marks the place of the file in `arguments`; a command without one takes
    // the file as its last argument.
    static constexpr QChar TargetMark = QChar(0xE000);

    QStringList argumentsFor(const QString &target) const;
};

// The read-only system settings store, addressed by root, key and value name.
enum class RegistryRoot { LocalMachine, CurrentUser };

// Where the system information tool is registered: the tool's full path, or
// the folder that holds its program file.
inline constexpr QStringView SysInfoKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr QStringView SysInfoPathValue = u"PATH";
inline constexpr QStringView SysInfoLocationKey = u"SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr QStringView SysInfoLocationValue = u"MSINFO";
inline constexpr QStringView SysInfoProgramFile = u"MSINFO32.EXE";

class SystemShell
{
public:
    virtual ~SystemShell() = default;

    // The program that the desktop registers for opening the existing file
    // `path`; an empty program when the file does not exist or none is registered.
    virtual AssociatedProgram FindAssociatedProgram(const QString &path) const = 0;

    // Starts a program in a window of its own without waiting for it; false when
    // it cannot be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;

    // The text of a value of the system settings store; nothing when the key or
    // the value does not exist or cannot be read.
    virtual std::optional<QString> GetKeyValue(RegistryRoot root, QStringView key, QStringView valueName) const = 0;
};

// Opens the file `path` with the program registered for it: the program is
// looked up, the file must open for reading, and the program is started with
// the file as its argument.
bool OpenAssociated(SystemShell &shell, const QString &path);

// Opens `address` in the browser: the program registered for a file
// "index.html" in `programFolder`. The file is created empty for the look-up
// when none is there and deleted again; a file that was already there stays
// untouched. Fails when the folder cannot be written, no browser is registered
// or the browser cannot be started.
bool OpenInBrowser(SystemShell &shell, const QString &programFolder, const QString &address);

// Starts the system information tool: the full path registered under
// SysInfoKey, else SysInfoProgramFile in the folder registered under
// SysInfoLocationKey when that file exists. Fails when neither gives a program
// or it cannot be started.
bool StartSysInfo(SystemShell &shell);

// The name of the logged-on user, at most 255 characters; empty when the
// system does not tell it.
QString UserName();

} // namespace pelmora
