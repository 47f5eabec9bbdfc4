// Fuzz target for the two number readings. Under libFuzzer (clang) it runs with ASan and UBSan;
// built with any other compiler, replay_main.cpp feeds it the committed seeds instead.
//
// Besides "never crashes", it checks that the strict reading accepts exactly the texts of the
// number grammar, against a recogniser written here independently of logic/numbers.cpp, and that
// the lenient reading agrees with the strict one on the number that starts the text.

#include "logic/errors.h"
#include "logic/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char *what, std::string_view text)
{
    std::fprintf(stderr, "numbers_fuzz: %s for text of %zu bytes: \"", what, text.size());
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

// The grammar as a table-driven automaton:
//   blanks* [+-]? (digits+ '.'? digits* | '.' digits+) ([eE] [+-]? digits+)? blanks*
// with blanks being space and tab.
enum State {
    Start,
    Sign,
    IntDigits,
    PointAfterDigits,
    PointFirst,
    FracDigits,
    E,
    ESign,
    EDigits,
    Trail,
    Reject,
    StateCount
};
enum Class { Blank, SignChar, Digit, Point, ExpChar, Other, ClassCount };

Class classOf(unsigned char c)
{
    if (c == ' ' || c == '\t')
        return Blank;
    if (c == '+' || c == '-')
        return SignChar;
    if (c >= '0' && c <= '9')
        return Digit;
    if (c == '.')
        return Point;
    if (c == 'e' || c == 'E')
        return ExpChar;
    return Other;
}

constexpr State R = Reject;
constexpr State transitions[StateCount][ClassCount] = {
    //               Blank  Sign   Digit             Point             Exp  Other
    /* Start */ {Start, Sign, IntDigits, PointFirst, R, R},
    /* Sign */ {R, R, IntDigits, PointFirst, R, R},
    /* IntDigits */ {Trail, R, IntDigits, PointAfterDigits, E, R},
    /* PointAfter */ {Trail, R, FracDigits, R, E, R},
    /* PointFirst */ {R, R, FracDigits, R, R, R},
    /* FracDigits */ {Trail, R, FracDigits, R, E, R},
    /* E */ {R, ESign, EDigits, R, R, R},
    /* ESign */ {R, R, EDigits, R, R, R},
    /* EDigits */ {Trail, R, EDigits, R, R, R},
    /* Trail */ {Trail, R, R, R, R, R},
    /* Reject */ {R, R, R, R, R, R},
};

bool accepting(State s)
{
    return s == IntDigits || s == PointAfterDigits || s == FracDigits || s == EDigits || s == Trail;
}

bool referenceAccepts(std::string_view text)
{
    State s = Start;
    for (unsigned char c : text)
        s = transitions[s][classOf(c)];
    return accepting(s);
}

// The same grammar as a regular expression, to check the automaton itself. libstdc++'s regex
// recurses once per character, so it only sees short texts.
bool regexAccepts(std::string_view text)
{
    static const std::regex grammar(
        R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
    return std::regex_match(text.begin(), text.end(), grammar);
}

// The longest prefix of `text` (after its leading blanks) that the grammar accepts, without
// trailing blanks; empty if none.
std::string_view referenceNumberPrefix(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    std::size_t best = 0;
    State s = Start;
    for (std::size_t i = 0; i < text.size() && s != Reject; ++i) {
        s = transitions[s][classOf(static_cast<unsigned char>(text[i]))];
        if (accepting(s) && s != Trail)
            best = i + 1;
    }
    return text.substr(0, best);
}

bool sameDouble(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

enum class Outcome { Value, Mismatch, Overflow };

Outcome strictRead(std::string_view text, double &value)
{
    try {
        value = logic::readStrict(text);
        return Outcome::Value;
    } catch (const logic::TypeMismatch &) {
        return Outcome::Mismatch;
    } catch (const logic::Overflow &) {
        return Outcome::Overflow;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string owned(reinterpret_cast<const char *>(data), size);
    const std::string_view text(owned);

    const bool expected = referenceAccepts(text);
    if (size <= 256 && regexAccepts(text) != expected)
        fail("the automaton and the regular expression disagree", text);

    // The lenient reading never throws; anything escaping here ends the run as a crash.
    const double lenient = logic::readLenient(text);
    if (std::isnan(lenient))
        fail("lenient reading gave NaN", text);

    double strict = 0.0;
    const Outcome outcome = strictRead(text, strict);
    if (outcome == Outcome::Mismatch && expected)
        fail("strict reading rejected a number", text);
    if (outcome != Outcome::Mismatch && !expected)
        fail("strict reading accepted a non-number", text);
    if (outcome == Outcome::Value) {
        if (!std::isfinite(strict))
            fail("strict reading returned a value that is not finite", text);
        if (!sameDouble(lenient, strict))
            fail("lenient and strict readings differ", text);
    }
    if (outcome == Outcome::Overflow && !(std::isinf(lenient)))
        fail("strict reading overflowed but the lenient one is finite", text);

    // The lenient reading is the strict reading of the number that starts the text.
    const std::string_view prefix = referenceNumberPrefix(text);
    if (prefix.empty()) {
        if (!sameDouble(lenient, 0.0))
            fail("lenient reading of a text without a number is not 0", text);
    } else {
        double prefixValue = 0.0;
        switch (strictRead(prefix, prefixValue)) {
        case Outcome::Value:
            if (!sameDouble(lenient, prefixValue))
                fail("lenient reading differs from the strict reading of its number", text);
            break;
        case Outcome::Overflow:
            if (!std::isinf(lenient) || std::signbit(lenient) != (prefix.front() == '-'))
                fail("lenient reading of a too large number is not the signed infinity", text);
            break;
        case Outcome::Mismatch:
            fail("strict reading rejected the number prefix", text);
        }
    }
    return 0;
}
