#include "logic/errors.h"
#include "logic/numbers.h"

#include <gtest/gtest.h>

#include <string>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

// {text, lenient reading, strict reading}; a strict reading of NaN stands for a type mismatch.
constexpr double mismatch = std::numeric_limits<double>::quiet_NaN();
using Reading = std::tuple<const char *, double, double>;
using NumberReading = testing::TestWithParam<Reading>;

TEST_P(NumberReading, LenientTakesTheLeadingNumberStrictTheWholeText)
{
    const auto [text, lenient, strict] = GetParam();
    EXPECT_DOUBLE_EQ(logic::readLenient(text), lenient);
    if (std::isnan(strict))
        EXPECT_THROW(logic::readStrict(text), logic::TypeMismatch);
    else
        EXPECT_DOUBLE_EQ(logic::readStrict(text), strict);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberReading,
                         testing::Values(Reading {"2640", 2640, 2640}, Reading {"007", 7, 7},
                                         Reading {" 1 ", 1, 1}, Reading {"-0", 0, 0},
                                         Reading {"-5", -5, -5}, Reading {"2.5", 2.5, 2.5},
                                         Reading {"1e3", 1000, 1000}, Reading {"", 0, mismatch},
                                         Reading {"abc", 0, mismatch}, Reading {"1a", 1, mismatch},
                                         Reading {"12abc", 12, mismatch},
                                         Reading {"1 1", 1, mismatch}, Reading {"1e", 1, mismatch},
                                         Reading {"inf", 0, mismatch}));

TEST(NumberReading, NumbersPastEveryDoubleAreInfinityOrAnOverflow)
{
    EXPECT_EQ(logic::readLenient("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(logic::readLenient(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_THROW(logic::readStrict("-1e999"), logic::Overflow);
    // Too small for a double is zero, however it is written.
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(logic::readLenient(tiny), 0.0);
    EXPECT_EQ(logic::readStrict(tiny), 0.0);
    EXPECT_EQ(logic::readStrict("5e-400"), 0.0);
    EXPECT_EQ(logic::readLenient("-0.001e-999999999999"), 0.0);
}

// The counter's lenient reading in its shortest whole text, and no singular: one move is
// "en 1 movimientos".
using CountLine = testing::TestWithParam<std::pair<const char *, const char *>>;

TEST_P(CountLine, ShowsTheCounterAsAWholeNumber)
{
    EXPECT_EQ(logic::countLine(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Counters, CountLine,
                         testing::Values(std::pair {"1", "en 1 movimientos"},
                                         std::pair {"", "en 0 movimientos"},
                                         std::pair {"007", "en 7 movimientos"},
                                         std::pair {"-0", "en 0 movimientos"},
                                         std::pair {"1e15", "en 1000000000000000 movimientos"}));

} // namespace
