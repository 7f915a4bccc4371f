#include "StatusPanels.h"

#include "Pictures.h"
#include "Platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

QLabel *panelLabel(const QString &key, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(key);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

StatusPanels::StatusPanels(QStatusBar &bar, const Clock &clock) : QObject(&bar), m_clock(clock)
{
    m_system = panelLabel(u"system"_s, &bar);
    m_system->setMinimumWidth(0);
    m_dataPoint = panelLabel(u"datapoint"_s, &bar);
    m_dataPoint->setMinimumWidth(90);

    // Panel 3 holds a picture beside its word.
    auto *frame = new QFrame(&bar);
    frame->setObjectName(u"conectar"_s);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(4, 0, 6, 0);
    layout->setSpacing(4);
    m_picture = new QLabel(frame);
    m_state = new QLabel(frame);
    m_state->setTextFormat(Qt::PlainText);
    m_state->setMinimumWidth(m_state->fontMetrics().horizontalAdvance(u"Working..."_s));
    layout->addWidget(m_picture);
    layout->addWidget(m_state);
    m_conectar = frame;

    m_time = panelLabel(u"time"_s, &bar);
    m_time->setAlignment(Qt::AlignCenter);
    m_time->setMinimumWidth(m_time->fontMetrics().horizontalAdvance(u"00:00 PM"_s) + 12);

    // Panel 1 takes all the room up to the width the window gives it (its
    // maximum); panel 2 takes the rest.
    bar.addWidget(m_system, 1000);
    bar.addWidget(m_dataPoint, 1);
    bar.addPermanentWidget(m_conectar);
    bar.addPermanentWidget(m_time);

    connect(&m_tick, &QTimer::timeout, this, &StatusPanels::refreshClock);
    m_tick.start(1000);
    refreshClock();
}

QLabel *StatusPanels::panel(int number) const
{
    switch (number) {
    case 1: return m_system;
    case 2: return m_dataPoint;
    case 3: return m_state;
    case 4: return m_time;
    default: return nullptr;
    }
}

void StatusPanels::setText(int panelNumber, const QString &text)
{
    if (panelNumber < 1 || panelNumber > 3)
        return;
    panel(panelNumber)->setText(text);
    if (panelNumber == 3 && m_busy)
        m_conectar->repaint(); // "Working..." shows before the work starts
}

QString StatusPanels::text(int panelNumber) const
{
    const QLabel *label = panel(panelNumber);
    return label ? label->text() : QString();
}

void StatusPanels::setToolTip(int panelNumber, const QString &tip)
{
    if (panelNumber == 3)
        m_conectar->setToolTip(tip);
    else if (QLabel *label = panel(panelNumber))
        label->setToolTip(tip);
}

QString StatusPanels::toolTip(int panelNumber) const
{
    if (panelNumber == 3)
        return m_conectar->toolTip();
    const QLabel *label = panel(panelNumber);
    return label ? label->toolTip() : QString();
}

void StatusPanels::setBusy(bool busy)
{
    m_busy = busy;
    const int side = m_state->fontMetrics().height();
    m_picture->setPixmap(statusPicture(busy ? 2 : 1).pixmap(QSize(side, side), m_picture->devicePixelRatioF()));
    // Only "Working..." must show at once: the work that follows does not
    // return to the event loop. "Ready" waits for the next paint with the rest
    // of the window, so that nothing is drawn before the changes it overlaps
    // are known.
    if (busy)
        m_conectar->repaint();
    else
        m_conectar->update();
}

void StatusPanels::setSystemPanelWidth(int pixels)
{
    m_system->setMaximumWidth(qMax(0, pixels));
}

void StatusPanels::refreshClock()
{
    m_time->setText(QLocale().toString(m_clock.now().time(), QLocale::ShortFormat));
}

void StatusPanels::setDateTip()
{
    m_time->setToolTip(QLocale().toString(m_clock.now().date(), QLocale::LongFormat));
}

} // namespace pelmora
