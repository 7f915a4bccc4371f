#pragma once

// The About box fsobre: the program's name and version line. At start-up it is
// the splash screen, 3700 twips high so that only its upper frame shows; from
// the Help menu it is modal with its OK button.

#include <QDialog>

namespace pelmora {

class fsobre : public QDialog
{
    Q_OBJECT
public:
    enum class Role { Splash, Dialog };
    fsobre(const QString &versionText, Role role, QWidget *parent = nullptr);

    // "Version " + the version text + the build date of the program's documents.
    static QString versionLine(const QString &versionText);
};

} // namespace pelmora
