#include "AboutBox.h"

#include "AboutPictures.h"
#include "Pictures.h"
#include "ShellRules.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr int SplashHeightTwips = 3700;
constexpr int FrameHeightTwips = 3500; // ends just above the splash screen's edge
constexpr int BoxWidthTwips = 7800;

QLabel *line(const QString &text, QWidget *parent, double scale = 1.0, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

QString fsobre::versionLine(const QString &versionText)
{
    return u"Version "_s + versionText + u" 10Nov2009"_s;
}

fsobre::fsobre(const QString &versionText, Role role, AboutActions actions, QWidget *parent)
    : QDialog(parent), m_actions(std::move(actions))
{
    setObjectName(u"fsobre"_s);
    setWindowTitle(u"Sobre o Qor"_s); // the designed caption, in every language
    setWindowIcon(pictureIcon(Picture::Program));
    const double dpi = logicalDpiY();

    // The whole designed box; the splash screen is a window onto its top.
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 7, 8, 10);
    layout->addWidget(buildFrame(versionText, content));
    layout->addSpacing(8);

    auto *warning = line(tr("Warning: this program is protected by copyright. Copying it, lending it or passing "
                            "it on without the written permission of Pelmora Software is not allowed and may be "
                            "prosecuted."),
                         content, 0.85);
    warning->setObjectName(u"Label3"_s);
    warning->setWordWrap(true);
    auto *ok = new QPushButton(u"OK"_s, content);
    ok->setObjectName(u"Command1"_s);
    ok->setDefault(true);
    auto *sysInfo = new QPushButton(u"System Info..."_s, content);
    sysInfo->setObjectName(u"cmdSysInfo"_s);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        if (m_actions.startSysInfo)
            m_actions.startSysInfo();
    });
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    auto *lower = new QHBoxLayout;
    lower->addWidget(warning, 1);
    lower->addSpacing(12);
    lower->addLayout(buttons);
    layout->addLayout(lower);

    content->setFixedWidth(twipsToPixels(BoxWidthTwips, dpi));
    content->adjustSize();
    const QSize full = content->size();
    if (role == Role::Splash) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        setFixedSize(full.width(), qMin(twipsToPixels(SplashHeightTwips, dpi), full.height()));
    } else {
        setFixedSize(full);
    }
}

QWidget *fsobre::buildFrame(const QString &versionText, QWidget *parent)
{
    auto *frame = new QGroupBox(u"Copyright © 2009 Pelmora Software. All rights reserved."_s, parent);
    frame->setObjectName(u"Frame1"_s);
    frame->setFixedHeight(twipsToPixels(FrameHeightTwips, logicalDpiY()));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(14, 12, 14, 10);
    grid->setHorizontalSpacing(14);

    auto *program = new QLabel(frame);
    program->setObjectName(u"Image2"_s);
    program->setPixmap(pictureIcon(Picture::Program).pixmap(QSize(64, 64), devicePixelRatioF()));
    grid->addWidget(program, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(line(u"Pelmora"_s, frame, 2.0, true), 0, 1);
    QLabel *description = line(tr("Corporate Valorix: financial appraisal of investment projects"), frame);
    description->setWordWrap(true);
    grid->addWidget(description, 1, 1, 1, 2);
    QLabel *version = line(versionLine(versionText), frame);
    version->setObjectName(u"Label1"_s);
    grid->addWidget(version, 2, 1);
    auto *profile = new QLabel(frame);
    profile->setObjectName(u"Image3"_s);
    profile->setPixmap(profilePicture(QSize(112, 72), devicePixelRatioF()));
    grid->addWidget(profile, 3, 2, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    m_link = line(MakerHomePage.toString(), frame);
    m_link->setObjectName(u"Label5"_s);
    m_link->setToolTip(u"Valorix Home Page"_s);
    QFont underlined = m_link->font();
    underlined.setUnderline(true);
    m_link->setFont(underlined);
    m_link->installEventFilter(this);
    setLinkColour(Qt::black);
    grid->addWidget(m_link, 4, 1);
    QLabel *mail = line(u"support@pelmora.example"_s, frame);
    mail->setObjectName(u"Label2"_s);
    mail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(mail, 5, 1);
    return frame;
}

void fsobre::setLinkColour(const QColor &colour)
{
    QPalette palette = m_link->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_link->setPalette(palette);
}

// The link turns blue with its own pointer under the mouse and black again
// when the mouse moves elsewhere; a click opens the address in the browser.
bool fsobre::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_link)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        m_link->setCursor(linkCursor(devicePixelRatioF()));
        setLinkColour(QColor(0, 0, 255));
        break;
    case QEvent::Leave:
        setLinkColour(Qt::black);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_link->setCursor(Qt::ArrowCursor);
            if (m_actions.openInBrowser)
                m_actions.openInBrowser(m_link->text());
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pelmora
