// Number readings fuzzed: strict accepts just the grammar below, lenient reads the leading number.

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

#define EXPECT(holds) \
    ((holds) ? void() : (std::fprintf(stderr, "numbers_fuzz: %s\n", #holds), std::abort()))

// The length of the longest number that starts `text` (a NUL ends it); 0 if none.
static std::size_t numberLength(std::string_view text)
{
    static regex_t grammar;
    static const int error =
        regcomp(&grammar, "^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?", REG_EXTENDED);
    EXPECT(error == 0);
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
    EXPECT(!std::isnan(lenient));
    try {
        const double strict = logic::readStrict(input);
        EXPECT(whole && same(strict, lenient) && std::isfinite(strict));
    } catch (const logic::TypeMismatch &) {
        EXPECT(!whole);
    } catch (const logic::Overflow &) {
        EXPECT(whole);
    }
    double expected = 0.0; // without a number; past every double, an infinity
    try {
        expected = number.empty() ? 0.0 : logic::readStrict(number);
    } catch (const logic::Overflow &) {
        expected = number.front() == '-' ? -INFINITY : INFINITY;
    }
    EXPECT(same(lenient, expected));
    return 0;
}
