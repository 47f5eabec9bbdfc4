#pragma once

#include <QString>

namespace ui {

// The program's error reporter: the error on standard error, and for the player a Spanish
// message that says what failed, blocks nothing, and says the game goes on.
void showErrorMessage(const QString &handler, const QString &message);

} // namespace ui
