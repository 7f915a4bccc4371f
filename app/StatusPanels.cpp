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

QLabel *StatusPanels::panel(StatusPanel panel) const
{
    switch (panel) {
    case StatusPanel::Message:
        return m_system;
    case StatusPanel::DataPoint:
        return m_dataPoint;
    case StatusPanel::State:
        return m_state;
    case StatusPanel::Clock:
        return m_time;
    }
    return nullptr;
}

void StatusPanels::setText(StatusPanel panel, const QString &text)
{
    if (panel == StatusPanel::Clock)
        return;
    this->panel(panel)->setText(text);
    if (panel == StatusPanel::State && m_busy)
        m_conectar->repaint(); // "Working..." shows before the work starts
}

QString StatusPanels::text(StatusPanel panel) const
{
    return this->panel(panel)->text();
}

// Panel 3's tip belongs to the whole panel, picture and word.
void StatusPanels::setToolTip(StatusPanel panel, const QString &tip)
{
    if (panel == StatusPanel::State)
        m_conectar->setToolTip(tip);
    else
        this->panel(panel)->setToolTip(tip);
}

QString StatusPanels::toolTip(StatusPanel panel) const
{
    return panel == StatusPanel::State ? m_conectar->toolTip() : this->panel(panel)->toolTip();
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
