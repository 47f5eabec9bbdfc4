#pragma once

#include "ui/windows/bordered.h"

class QTimer;

namespace ui {

// The start-up window: the solved board, the logotype and the game's facts. Three seconds after
// it loads its timer runs out, and the board window takes its place.
class FrmSplash : public BorderedWindow
{
    Q_OBJECT
public:
    FrmSplash();

    QTimer *timer() const { return m_timer; }

    void Timer1_Timer();

signals:
    void timedOut();

private:
    QTimer *m_timer;
};

} // namespace ui
