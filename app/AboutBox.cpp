#include "AboutBox.h"

#include "Pictures.h"
#include "ShellRules.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

constexpr int SplashHeightTwips = 3700;

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

fsobre::fsobre(const QString &versionText, Role role, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"fsobre"_s);
    setWindowTitle(u"About Pelmora"_s);
    setWindowIcon(pictureIcon(Picture::Program));

    // Frame1: the upper part, which the splash screen shows.
    auto *frame = new QFrame(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(18, 16, 24, 16);
    grid->setHorizontalSpacing(16);
    auto *picture = new QLabel(frame);
    picture->setObjectName(u"Image2"_s);
    picture->setPixmap(pictureIcon(Picture::Program).pixmap(QSize(64, 64), devicePixelRatioF()));
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(line(u"Pelmora"_s, frame, 2.0, true), 0, 1);
    grid->addWidget(line(u"Corporate Valorix: financial appraisal of investment projects"_s, frame), 1, 1);
    QLabel *version = line(versionLine(versionText), frame);
    version->setObjectName(u"Label1"_s);
    grid->addWidget(version, 2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    if (role == Role::Splash) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        const double dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
        setFixedHeight(qMin(twipsToPixels(SplashHeightTwips, dpi), sizeHint().height()));
        return;
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"Command1"_s);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace pelmora
