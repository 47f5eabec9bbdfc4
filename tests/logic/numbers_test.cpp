#include "logic/errors.h"
#include "logic/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using logic::readLenient;
using logic::readStrict;

struct Reading
{
    const char *text;
    double value;
};

void PrintTo(const Reading &r, std::ostream *os)
{
    *os << "'" << r.text << "'";
}

constexpr double infinity = std::numeric_limits<double>::infinity();

class LenientRead : public testing::TestWithParam<Reading>
{
};

TEST_P(LenientRead, TakesTheLeadingNumberAndNeverFails)
{
    EXPECT_DOUBLE_EQ(readLenient(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LenientRead,
    testing::Values(Reading {"42", 42}, Reading {"2640", 2640}, Reading {"007", 7}, Reading {"", 0},
                    Reading {"   ", 0}, Reading {"abc", 0}, Reading {"12abc", 12},
                    Reading {"  7", 7}, Reading {"\t3", 3}, Reading {"7  ", 7}, Reading {"1 1", 1},
                    Reading {"-5", -5}, Reading {"+5", 5}, Reading {"-", 0}, Reading {"2.5", 2.5},
                    Reading {".5", 0.5}, Reading {"5.", 5}, Reading {".", 0}, Reading {"1,5", 1},
                    Reading {"1.2.3", 1.2}, Reading {"1e3", 1000}, Reading {"1E+2x", 100},
                    Reading {"1.5e-1", 0.15}, Reading {"2e", 2}, Reading {"2e+", 2},
                    Reading {"e5", 0}, Reading {"0x1A", 0}, Reading {"inf", 0}, Reading {"nan", 0},
                    Reading {"1e999", infinity}, Reading {"-1e999", -infinity},
                    Reading {"1e-999", 0},
                    Reading {"12345678901234567890", 12345678901234567890.0}));

class StrictRead : public testing::TestWithParam<Reading>
{
};

TEST_P(StrictRead, AcceptsOneNumberWithBlanksAround)
{
    EXPECT_DOUBLE_EQ(readStrict(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Numbers, StrictRead,
                         testing::Values(Reading {"1", 1}, Reading {"0", 0}, Reading {" 1 ", 1},
                                         Reading {"\t0\t", 0}, Reading {"+1", 1}, Reading {"-0", 0},
                                         Reading {"1.0", 1}, Reading {"1e0", 1},
                                         Reading {"0.5", 0.5}, Reading {"1e-999", 0}));

class StrictReadMismatch : public testing::TestWithParam<const char *>
{
};

TEST_P(StrictReadMismatch, ThrowsATypeMismatch)
{
    EXPECT_THROW(readStrict(GetParam()), logic::TypeMismatch);
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, StrictReadMismatch,
                         testing::Values("", " ", "1a", "1 1", "abc", "0x1", ".", "-", "1e", "1,0",
                                         "inf", "nan"));

TEST(StrictReadOverflow, NumbersPastEveryDoubleAreHandlerErrors)
{
    EXPECT_THROW(readStrict("1e999"), logic::Overflow);
    EXPECT_THROW(readStrict("-1e999"), logic::HandlerError);
}

struct Written
{
    double value;
    const char *text;
};

class DecimalText : public testing::TestWithParam<Written>
{
};

TEST_P(DecimalText, WritesTheShortestText)
{
    EXPECT_EQ(logic::decimalText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, DecimalText,
                         testing::Values(Written {0, "0"}, Written {-0.0, "0"}, Written {1, "1"},
                                         Written {42, "42"}, Written {2640, "2640"},
                                         Written {-3, "-3"}, Written {2.5, "2.5"},
                                         Written {0.1, "0.1"}, Written {1e15, "1000000000000000"},
                                         Written {9007199254740992.0, "9007199254740992"},
                                         Written {1e20, "1e+20"}));

struct Line
{
    const char *counter;
    const char *line;
};

class CountLine : public testing::TestWithParam<Line>
{
};

TEST_P(CountLine, ShowsTheCounterAsAWholeNumber)
{
    EXPECT_EQ(logic::countLine(GetParam().counter), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CountLine,
    testing::Values(Line {"42", "en 42 movimientos"}, Line {"1", "en 1 movimientos"},
                    Line {"0", "en 0 movimientos"}, Line {"", "en 0 movimientos"},
                    Line {"abc", "en 0 movimientos"}, Line {"12abc", "en 12 movimientos"},
                    Line {" 7", "en 7 movimientos"}, Line {"007", "en 7 movimientos"}));

} // namespace
