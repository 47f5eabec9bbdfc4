#pragma once

#include "ui/windows/bordered.h"

namespace ui {

// The contact window: who made the game and how to reach the maker, with "OK" to close it and
// the web-address picture that opens the maker's site.
class Form7 : public BorderedWindow
{
    Q_OBJECT
public:
    Form7();

    void Command1_Click();

signals:
    void okPressed();
};

} // namespace ui
