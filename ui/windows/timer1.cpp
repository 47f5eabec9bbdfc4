#include "ui/windows/timer1.h"

#include <QTimer>

namespace ui {

QTimer *makeTimer1(QObject *owner, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    return timer;
}

} // namespace ui
