// Fuzz target for the two number readings: never a crash, the strict reading accepts exactly the
// texts of the number grammar (recognised here independently of logic/numbers.cpp), and the
// lenient reading is the strict reading of the number that starts the text.

#include "logic/errors.h"
#include "logic/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char *what, std::string_view text)
{
    std::fprintf(stderr, "numbers_fuzz: %s for \"", what);
    for (const char c : text)
        std::fprintf(stderr, c >= 0x20 && c < 0x7f && c != '"' ? "%c" : "\\x%02x",
                     static_cast<unsigned char>(c));
    std::fprintf(stderr, "\"\n");
    std::abort();
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The length of the number that starts `t`: [+-]? (digits+ '.'? digits* | '.' digits+)
// ([eE] [+-]? digits+)?, the longest that fits; 0 if none.
std::size_t numberLength(std::string_view t)
{
    std::size_t i = 0;
    const auto sign = [&] { i += i < t.size() && (t[i] == '+' || t[i] == '-'); };
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - from;
    };
    sign();
    std::size_t mantissa = digits();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    const std::size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        sign();
        if (digits() > 0)
            return i;
    }
    return end;
}

bool same(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string owned(reinterpret_cast<const char *>(data), size);
    std::string_view text(owned);
    const double lenient = logic::readLenient(text); // never throws
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    const std::string_view number = text.substr(0, numberLength(text));
    bool whole = !number.empty();
    for (char c : text.substr(number.size()))
        whole = whole && isBlank(c);

    if (std::isnan(lenient))
        fail("lenient reading gave NaN", owned);
    try {
        const double strict = logic::readStrict(owned);
        if (!whole || !same(strict, lenient) || !std::isfinite(strict))
            fail("strict reading accepted a non-number or differs from the lenient one", owned);
    } catch (const logic::TypeMismatch &) {
        if (whole)
            fail("strict reading rejected a number", owned);
    } catch (const logic::Overflow &) {
        if (!whole)
            fail("strict reading overflowed on a non-number", owned);
    }
    // The lenient reading: 0 without a number, the signed infinity past every double.
    double expected = 0.0;
    try {
        expected = number.empty() ? 0.0 : logic::readStrict(number);
    } catch (const logic::Overflow &) {
        expected = number.front() == '-' ? -INFINITY : INFINITY;
    }
    if (!same(lenient, expected))
        fail("lenient reading differs from the strict reading of its number", owned);
    return 0;
}
