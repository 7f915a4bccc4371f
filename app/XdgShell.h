#pragma once

// SystemShell on freedesktop.org desktops (Linux, the BSDs):
//
// - The program registered for a file is the desktop's default application for
//   the file's MIME type, as `xdg-mime query default <type>` names it, started
//   by the Exec line of that application's desktop entry.
// - The system settings store is a small read-only table of ours. It answers
//   the two places of the system information tool with the first such tool
//   that is installed on PATH (SystemInfoTools); other keys do not exist.

#include "ShellServices.h"

#include <span>

namespace pelmora {

// System information programs, in the order they are preferred.
std::span<const QStringView> SystemInfoTools();

// The command of a desktop entry's Exec line (the freedesktop.org Desktop
// entry format): quoted arguments and escapes resolved, the file's
// field code (%f, %F, %u, %U; the first one) replaced by TargetMark, %i, %c
// and %k expanded, other codes dropped. `entryPath` is the entry's own file.
// The program is found on PATH unless given with its path; an empty program
// when there is no Exec line or no such program.
AssociatedProgram programFromDesktopEntry(const QByteArray &entry, const QString &entryPath);

class XdgShell : public SystemShell
{
public:
    AssociatedProgram FindAssociatedProgram(const QString &path) const override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    std::optional<QString> GetKeyValue(RegistryRoot root, QStringView key, QStringView valueName) const override;

private:
    QString defaultApplication(const QString &mimeType) const;
    static QString locateDesktopEntry(const QString &desktopId);
};

} // namespace pelmora
