// The board's rules: number readings, cells and their flags, and what one click writes.

#include "recorder.h"

#include "logic/errors.h"

#include <cmath>
#include <limits>
#include <tuple>

namespace {

using logic::Board;
using namespace testsupport;

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
                                         Reading {"abc", 0, mismatch},
                                         Reading {"12abc", 12, mismatch},
                                         Reading {"1 1", 1, mismatch}, Reading {"1e", 1, mismatch},
                                         Reading {"inf", 0, mismatch}));

TEST(NumberReading, PastEveryDoubleIsInfinityOrAnOverflowAndTooSmallIsZero)
{
    EXPECT_EQ(logic::readLenient(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_THROW(logic::readStrict("-1e999"), logic::Overflow);
    EXPECT_EQ(logic::readStrict("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(logic::readStrict("5e-400"), 0.0);
    EXPECT_EQ(logic::readLenient("-0.001e-999999999999"), 0.0);
    // The count line: the counter's lenient reading as a whole number, and no singular.
    EXPECT_EQ(logic::countLine("1"), "en 1 movimientos");
    EXPECT_EQ(logic::countLine("") + logic::countLine("007") + logic::countLine("-0"),
              "en 0 movimientosen 7 movimientosen 0 movimientos");
    EXPECT_EQ(logic::countLine("1e15"), "en 1000000000000000 movimientos");
}

// Only the exact text "0" in a cell flag moves the blank coordinates there, inside the write,
// Left before Top: no trimming, no number reading.
TEST(CellFlag, OnlyAnExactZeroTakesTheBlankCoordinates)
{
    Board board;
    EXPECT_EQ(board.text(logic::Text1) + board.text(logic::Text2) + board.text(47), "00");
    Recorder recorder(board);
    for (const char *text : {"1", "00", " 0", "0 ", "0.0", "-0", "", "o", "0"})
        board.setText(logic::cellFlagField(7), text);
    recorder.log.push_back("returned");
    EXPECT_EQ(Log(recorder.log.begin() + 8, recorder.log.end()),
              (Log {"Text22=0", "Text47=1920", "Text48=1200", "returned"}));
}

// Tile 3 stands in cell 7 and cell 11 is empty; tile 7 is in cell 3 and tile 11 in cell 16.
constexpr Layout threeAboveEmpty {1, 2, 7, 4, 5, 6, 3, 8, 9, 10, 0, 12, 13, 14, 15, 11};

Log clickLog(Board board, int tile)
{
    Recorder recorder(board);
    board.clickTile(tile);
    return recorder.log;
}

TEST(TileMove, WritesOfOneMoveInFullAndOfAnInconsistentBoardAsTheyStand)
{
    // The button goes first, to the empty place as it stood; the "0" into the cell it left moves
    // the blank coordinates, which the blank marker then follows.
    Board board = game(threeAboveEmpty, "5");
    EXPECT_EQ(clickLog(board, 3), (Log {"Command3.Left=1920", "Command3.Top=1920", "Text34=11",
                                        "Text26=1", "Text22=0", "Text47=1920", "Text48=1200",
                                        "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
    // A neighbour reading neither 1 nor 0 lets the tile jump but names no new cell for it; two
    // empty neighbours are both filled and the last one wins.
    board.setText(26, "2");
    EXPECT_EQ(clickLog(board, 3),
              (Log {"Command3.Left=1920", "Command3.Top=1920", "Text22=0", "Text47=1920",
                    "Text48=1200", "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
    board.setText(26, "0");
    board.setText(21, "0");
    EXPECT_EQ(clickLog(board, 3),
              (Log {"Command3.Left=1200", "Command3.Top=1200", "Text34=6", "Text21=1", "Text34=11",
                    "Text26=1", "Text22=0", "Text47=1920", "Text48=1200", "Command16.Left=1920",
                    "Command16.Top=1200", "Text2=6"}));
}

// {field set on a start-up board (every tile home, none can move), its text, tile clicked,
// the log}: a click counts on from the counter's lenient reading; the solved test passes only
// if the game flag reads 1; rows do not wrap (cells 4 and 5, 8 and 9). Tile 5 in cell 5 with
// cell 2 empty: a position that is not a whole 2..16 is handled with cell 1's neighbours.
using Click = std::tuple<int, const char *, int, Log>;
using ClickOn = testing::TestWithParam<Click>;
const Log solvedAtOne {"Text2=1", "congratulations 1"};
const Log jumps {"Command5.Left=1200", "Command5.Top=480", "Text36=2",   "Text17=1",
                 "Text16=0",           "Text47=480",       "Text48=480", "Command16.Left=480",
                 "Command16.Top=480",  "Text2=1"};

TEST_P(ClickOn, CountsSolvesOrMovesByTheFieldsAsTheyRead)
{
    const auto &[field, text, tile, log] = GetParam();
    Board board =
        field < 30 ? Board() : game({1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2});
    board.setText(field, text);
    EXPECT_EQ(clickLog(board, tile), log);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ClickOn,
    testing::Values(Click {1, "0", 1, {"Text2=1"}}, Click {1, "", 1, {"Text2=1"}},
                    Click {1, "2", 1, {"Text2=1"}}, Click {1, "1", 1, solvedAtOne},
                    Click {1, " 1", 1, solvedAtOne}, Click {2, "41", 1, {"Text2=42"}},
                    Click {2, "abc", 1, {"Text2=1"}}, Click {2, "12abc", 1, {"Text2=13"}},
                    Click {19, "0", 5, {"Text2=1"}}, Click {24, "0", 8, {"Text2=1"}},
                    Click {36, "", 5, jumps}, Click {36, "1", 5, jumps}, Click {36, "17", 5, jumps},
                    Click {36, "2.5", 5, jumps}, Click {36, "5", 5, {"Text2=1"}},
                    Click {36, " 5", 5, {"Text2=1"}}, Click {36, "5.0", 5, {"Text2=1"}}));

TEST(TileMove, TheSolvingClickCountsAndTheGameStaysArmed)
{
    Board board = game({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15}, "41");
    Recorder recorder(board);
    for (int tile : {15, 1, 12, 12}) // home; cannot move; out of place; home again
        board.clickTile(tile);
    EXPECT_EQ(recorder.log[recorder.log.size() - 1], "congratulations 45");
    EXPECT_EQ(std::count_if(recorder.log.begin(), recorder.log.end(),
                            [](const std::string &e) { return e.starts_with("congrat"); }),
              3);
}

// A failing read stops the click, and nothing is rolled back: every neighbour is read before
// anything is written, also after the empty one; a flag turned corrupt once the button has moved
// stops the second pass; a counter past every number stops the click after the move.
TEST(TileMove, FailuresStopTheClickAndKeepTheWritesBeforeThem)
{
    Board before = game({1, 2, 0, 4, 5, 6, 3, 8, 9, 10, 11, 12, 13, 14, 15, 7}, "5");
    before.setText(26, ""); // tile 3's last neighbour; its first, cell 3, is empty
    EXPECT_THROW(clickLog(before, 3), logic::TypeMismatch);
    Recorder untouched(before);
    EXPECT_THROW(before.clickTile(3), logic::TypeMismatch);
    EXPECT_EQ(untouched.log, Log {});

    Board between = game(threeAboveEmpty, "5");
    Recorder recorder(between);
    recorder.then = [&between](const std::string &entry) {
        if (entry == "Command3.Top=1920")
            between.setText(21, "x");
    };
    EXPECT_THROW(between.clickTile(3), logic::TypeMismatch);
    EXPECT_EQ(recorder.log, (Log {"Command3.Left=1920", "Command3.Top=1920", "Text21=x"}));

    Board after = game(threeAboveEmpty, "1e309");
    EXPECT_THROW(after.clickTile(3), logic::Overflow);
    EXPECT_EQ(after.text(34) + " " + after.text(logic::Text2), "11 1e309");
}

} // namespace
