#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace ui {

// Tells the player that a handler stopped. The program installs its Spanish message box; tests
// install a recorder. nullptr puts back the default, a line on standard error.
using ErrorReporter = std::function<void(const QString &handler, const QString &message)>;

void setErrorReporter(ErrorReporter reporter);
void reportError(const QString &handler, const QString &message);

// "Deslizador: <handler>: <message>" on standard error, on one line: the handler's name is for
// whoever maintains the game, not for the player.
void writeErrorLine(const QString &handler, const QString &message);

// Every event handler runs through here. An error stops the handler where it happened, keeping
// what it wrote before, the player is told what failed, and the program goes on.
template<class Body>
void runHandler(const QString &handler, Body &&body)
{
    try {
        std::forward<Body>(body)();
    } catch (const std::exception &error) {
        reportError(handler, QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(handler, QStringLiteral("Error desconocido."));
    }
}

} // namespace ui
