#pragma once

#include <string>
#include <string_view>

namespace logic {

// Every value of the game is kept as text. Two readings turn a text into a number:
//
// readLenient: the number at the start of the text (after blanks), "12abc" is 12; an empty or
// non-numeric text is 0. It never fails. An exponent too large to hold reads as infinity.
//
// readStrict: the whole text must be one number, blanks around it allowed: optional sign,
// digits with an optional decimal point, optional exponent. Anything else throws TypeMismatch;
// a number too large for a double throws Overflow.
double readLenient(std::string_view text);
double readStrict(std::string_view text);

// The shortest decimal text of a number: "0", "42", "2640" for whole numbers, the shortest text
// that reads back exactly for anything else.
std::string decimalText(double value);

// The line of the congratulations window: "en " + the counter's number + " movimientos".
// There is no singular: one move is "en 1 movimientos".
std::string countLine(std::string_view counterText);

} // namespace logic
