#pragma once

#include <QAbstractNativeEventFilter>

namespace ui {

class Program;

// A window of the program destroyed by another X client (xdotool windowclose, say) is gone for
// good: it is unloaded as if it had been closed, so that the next use loads it afresh and the
// program still ends with its last window. Where there is no X11 it never sees anything.
class WindowGoneWatcher : public QAbstractNativeEventFilter
{
public:
    explicit WindowGoneWatcher(Program &program);
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    Program &m_program;
};

} // namespace ui
