#pragma once

#include "ui/windows/bordered.h"

#include <string>

class QLabel;
class QTimer;

namespace ui {

// The congratulations: a smiley, "¡¡¡   Lo lograste   !!!" and the count of moves, built from
// the move counter's text it is made with. Five seconds after it loads its timer runs out; it
// asks nothing and has nothing to close it earlier.
class Form2 : public BorderedWindow
{
    Q_OBJECT
public:
    explicit Form2(const std::string &counter);

    QTimer *timer() const { return m_timer; }

    void Timer1_Timer();

signals:
    void timedOut();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load(const std::string &counter);

    QLabel *m_label2;
    QString m_heading;
    QString m_line;
    QTimer *m_timer;
};

} // namespace ui
