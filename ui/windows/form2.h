#pragma once

#include "ui/windows/bordered.h"

class QLabel;
class QTimer;

namespace ui {

// The congratulations: a smiley, "¡¡¡   Lo lograste   !!!" and the count of moves. It closes
// itself five seconds after it loads and cannot be dismissed earlier.
class Form2 : public BorderedWindow
{
    Q_OBJECT
public:
    Form2();

    QTimer *timer() const { return m_timer; }

    void Form_Load();
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_label2;
    QString m_heading;
    QString m_line;
    QTimer *m_timer;
};

} // namespace ui
