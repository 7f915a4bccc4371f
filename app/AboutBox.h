#pragma once

// The About box fsobre. Its upper frame Frame1, captioned with the maker's
// copyright line, holds the program's pictures, the version line Label1, the
// web link Label5 and the e-mail address Label2; below it are the legal warning
// Label3 and the buttons "OK" (Command1) and "System Info..." (cmdSysInfo).
//
// At start-up it is the splash screen: modeless and 3700 twips high, so that
// the frame shows and everything below it is cut off. From the Help menu it is
// modal at its full height.

#include <QDialog>
#include <QStringView>

#include <functional>

class QLabel;

namespace pelmora {

// The maker's fixed texts, the same in every language.
inline constexpr QStringView MakerHomePage = u"https://www.pelmora.example";
inline constexpr QStringView MakerSupportPage = u"https://www.pelmora.example/support";

// What the box's link and button ask of the program; the splash screen has
// neither.
struct AboutActions
{
    std::function<void(const QString &address)> openInBrowser;
    std::function<void()> startSysInfo;
};

class fsobre : public QDialog
{
    Q_OBJECT
public:
    enum class Role { Splash, Dialog };
    // The description and the legal warning are in the language of the installed
    // translation; the splash screen, shown before the settings are read, keeps
    // their designed (English) texts.
    fsobre(const QString &versionText, Role role, AboutActions actions = {}, QWidget *parent = nullptr);

    // "Version " + the version text + the build date of the program's documents.
    static QString versionLine(const QString &versionText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFrame(const QString &versionText, QWidget *parent);
    void setLinkColour(const QColor &colour);

    AboutActions m_actions;
    QLabel *m_link = nullptr; // Label5
};

} // namespace pelmora
