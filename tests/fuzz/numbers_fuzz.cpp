// Fuzz target for the two number readings: never a crash, the strict reading accepts exactly the
// texts of the number grammar (recognised here by the C library's regular expressions, apart
// from logic/numbers.cpp), and the lenient reading is the strict reading of the number that
// starts the text.

#include "logic/errors.h"
#include "logic/numbers.h"

#include <regex.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void expect(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "numbers_fuzz: %s\n", what);
        std::abort();
    }
}

// The length of the longest number that starts `text`; 0 if none. A NUL ends it, as any other
// character that is no part of a number.
std::size_t numberLength(std::string_view text)
{
    static const char *const number = "^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?";
    static regex_t grammar;
    static const bool compiled = regcomp(&grammar, number, REG_EXTENDED) == 0;
    expect(compiled, "the number grammar does not compile");
    regmatch_t match;
    if (regexec(&grammar, std::string(text).c_str(), 1, &match, 0) != 0)
        return 0;
    return static_cast<std::size_t>(match.rm_eo);
}

bool same(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const double lenient = logic::readLenient(input); // never throws
    const std::string_view text = input.substr(std::min(input.find_first_not_of(" \t"), size));
    const std::string_view number = text.substr(0, numberLength(text));
    const bool whole = !number.empty() && text.find_first_not_of(" \t", number.size()) == text.npos;
    expect(!std::isnan(lenient), "the lenient reading gave NaN");
    try {
        const double strict = logic::readStrict(input);
        expect(whole && same(strict, lenient) && std::isfinite(strict),
               "the strict reading accepted a non-number or differs from the "
               "lenient one");
    } catch (const logic::TypeMismatch &) {
        expect(!whole, "the strict reading rejected a number");
    } catch (const logic::Overflow &) {
        expect(whole, "the strict reading overflowed on a non-number");
    }
    double expected = 0.0; // without a number
    try {
        expected = number.empty() ? 0.0 : logic::readStrict(number);
    } catch (const logic::Overflow &) { // past every double
        expected = number.front() == '-' ? -INFINITY : INFINITY;
    }
    expect(same(lenient, expected),
           "the lenient reading differs from the strict one of its number");
    return 0;
}
