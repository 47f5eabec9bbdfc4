#pragma once

#include <QCursor>

namespace ui {

// The pointing hand over the banner and the web-address picture, hot spot at the stick's tip.
QCursor handCursor();

} // namespace ui
