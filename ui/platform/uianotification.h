#pragma once

#include <QString>

class QWidget;

namespace ui {

// How a screen reader queues a notification.
enum class Notice {
    Place, // where a tile stands now: a newer place makes an older one not yet said stale
    Event, // the win: said whole, after what is being said
};

// Asks the UI Automation screen readers on Windows to say `text`, a notification raised on the
// element of `window`'s native window. Windows has it from Windows 10 1709 on; where it lacks
// it, and off Windows, nothing is raised and false is returned.
bool raiseNotification(QWidget *window, const QString &text, Notice notice);

} // namespace ui
