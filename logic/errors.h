#pragma once

#include <stdexcept>
#include <string>

namespace logic {

// An error that ends the handler in which it happens. Nothing in the game catches it or undoes
// what was written before it; the window layer reports it to the player and carries on.
// The messages are shown to the player, so they are Spanish.
class HandlerError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text that had to be a number and is not (a cell flag read by the neighbour test).
class TypeMismatch : public HandlerError
{
public:
    explicit TypeMismatch(const std::string &text)
        : HandlerError("No coinciden los tipos: «" + text + "» no es un número.")
    {
    }
};

// A number too large for where it goes (a coordinate for a button, a counter past every limit).
class Overflow : public HandlerError
{
public:
    explicit Overflow(const std::string &what)
        : HandlerError("Desbordamiento: " + what + ".")
    {
    }
};

} // namespace logic
