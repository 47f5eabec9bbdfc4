// Fuzz target for the two number readings: never a crash; the strict reading accepts exactly the
// texts of the number grammar (a regular expression here); the lenient one reads its leading
// number.

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

static void expect(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "numbers_fuzz: %s\n", what);
        std::abort();
    }
}

// The length of the longest number that starts `text` (a NUL ends it); 0 if none.
static std::size_t numberLength(std::string_view text)
{
    static regex_t grammar;
    static const int error =
        regcomp(&grammar, "^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?", REG_EXTENDED);
    expect(error == 0, "the number grammar does not compile");
    regmatch_t match;
    return regexec(&grammar, std::string(text).c_str(), 1, &match, 0) ? 0
                                                                      : std::size_t(match.rm_eo);
}

static bool same(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

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
        expect(whole && same(strict, lenient) && std::isfinite(strict), "strict accepted wrongly");
    } catch (const logic::TypeMismatch &) {
        expect(!whole, "the strict reading rejected a number");
    } catch (const logic::Overflow &) {
        expect(whole, "the strict reading overflowed on a non-number");
    }
    double expected = 0.0; // without a number; past every double, an infinity
    try {
        expected = number.empty() ? 0.0 : logic::readStrict(number);
    } catch (const logic::Overflow &) {
        expected = number.front() == '-' ? -INFINITY : INFINITY;
    }
    expect(same(lenient, expected), "the lenient reading differs from the strict one");
    return 0;
}
