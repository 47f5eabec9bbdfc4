#pragma once

#include "ui/windows/bordered.h"

namespace ui {

// The contact window: who made the game and how to reach the maker. "OK" unloads it; the
// web-address picture opens the maker's site.
class Form7 : public BorderedWindow
{
    Q_OBJECT
public:
    Form7();

    void Command1_Click();
    void Picture2_Click();

protected:
    // Closed by the window manager, it unloads as if "OK" had been pressed.
    void closeEvent(QCloseEvent *event) override;
};

} // namespace ui
