#pragma once

#include "ui/windows/bordered.h"

class QTimer;

namespace ui {

// The start-up window: the solved board, the logotype and the game's facts. Three seconds after
// the program starts it shows the board window and unloads itself.
class FrmSplash : public BorderedWindow
{
    Q_OBJECT
public:
    FrmSplash();

    QTimer *timer() const { return m_timer; }

    void Timer1_Timer();

private:
    QTimer *m_timer;
};

} // namespace ui
