#pragma once

// The four panels of the main window's status bar, by key: 1 "system" (short
// reports), 2 "datapoint" (the chart readout), 3 "conectar" (a picture and
// "Ready" or "Working..."), 4 "time" (the clock, with today's long date as its
// tool tip).

#include "StatusPanel.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace pelmora {

class Clock;

class StatusPanels : public QObject
{
    Q_OBJECT
public:
    StatusPanels(QStatusBar &bar, const Clock &clock);

    void setText(StatusPanel panel, const QString &text); // all but the clock
    QString text(StatusPanel panel) const;
    void setToolTip(StatusPanel panel, const QString &tip);
    QString toolTip(StatusPanel panel) const;

    // Picture 2 of the status pictures while busy, picture 1 when ready. While
    // busy, panel 3 repaints at once: a busy operation does not return to the
    // event loop until it ends.
    void setBusy(bool busy);
    bool busy() const { return m_busy; }

    // Panel 1's width follows the window (the rule is in ShellRules).
    void setSystemPanelWidth(int pixels);

    // The time of day into panel 4, and today's long date as its tool tip.
    void refreshClock();
    void setDateTip();

private:
    QLabel *panel(StatusPanel panel) const;

    const Clock &m_clock;
    QLabel *m_system;
    QLabel *m_dataPoint;
    QLabel *m_picture;
    QLabel *m_state;
    QLabel *m_time;
    QWidget *m_conectar;
    QTimer m_tick;
    bool m_busy = false;
};

} // namespace pelmora
