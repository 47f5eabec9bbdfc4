#pragma once

class QObject;
class QTimer;

namespace ui {

// A window's `Timer1`: `interval` milliseconds, precise (Qt's default coarse timers may fire up
// to 5 % early), not started.
QTimer *makeTimer1(QObject *owner, int interval);

} // namespace ui
