// The board's rules, what one click writes, and the shuffle.

#include "tests/support/scripted.h"

#include "logic/board.h"
#include "logic/errors.h"
#include "logic/numbers.h"
#include "logic/random.h"
#include "logic/shuffle.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

using logic::Board;
using testsupport::ScriptedRandom;
using Log = std::vector<std::string>;

std::string place(int button, const char *side, float twips)
{
    return "Command" + std::to_string(button) + side + logic::decimalText(twips);
}

// Every change the board reports, in order: "Text34=11", "Command3.Left=1920", "congratulations
// 42".
struct Recorder : logic::BoardObserver
{
    explicit Recorder(Board &watched)
        : board(watched)
    {
        board.addObserver(this);
    }
    ~Recorder() override { board.removeObserver(this); }
    void fieldChanged(int f, const std::string &t) override
    {
        log.push_back("Text" + std::to_string(f) + "=" + t);
    }
    void buttonLeftChanged(int b, float x) override { log.push_back(place(b, ".Left=", x)); }
    void buttonTopChanged(int b, float y) override { log.push_back(place(b, ".Top=", y)); }
    void congratulationsRequested() override { log.push_back("congratulations " + board.text(2)); }

    Board &board;
    Log log;
};

using Layout = std::array<int, 16>; // the tile on each cell, cell 1 first; 0 on the empty one

// A game in progress on `layout`; the board's columns and rows written out, not computed.
Board game(const Layout &layout, const char *counter = "0")
{
    constexpr float lines[] {480, 1200, 1920, 2640};
    logic::Board board;
    for (int cell = 1; cell <= 16; ++cell) {
        const int tile = layout[cell - 1], button = tile == 0 ? logic::Command16 : tile;
        board.setText(logic::cellFlagField(cell), tile == 0 ? "0" : "1");
        if (tile != 0)
            board.setText(logic::tilePositionField(tile), std::to_string(cell));
        board.setLeft(button, lines[(cell - 1) % 4]);
        board.setTop(button, lines[(cell - 1) / 4]);
    }
    board.setText(logic::Text1, "1");
    board.setText(logic::Text2, counter);
    return board;
}

// Flags, positions, blank coordinates and button places: game(layout)'s on a consistent board.
std::string arrangement(const logic::Board &b)
{
    std::string text;
    for (int field = logic::Text16; field <= logic::Text48; ++field)
        text += b.text(field) + " ";
    for (int button = 1; button <= logic::Command16; ++button)
        text += place(button, "", b.left(button)) + "," + logic::decimalText(b.top(button));
    return text;
}

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
                         testing::Values(Reading {"007", 7, 7}, Reading {" -2.5 ", -2.5, -2.5},
                                         Reading {"1e3", 1000, 1000}, Reading {"", 0, mismatch},
                                         Reading {"12abc", 12, mismatch},
                                         Reading {"1 1", 1, mismatch}, Reading {"1e", 1, mismatch},
                                         Reading {"inf", 0, mismatch}));

TEST(NumberReading, PastEveryDoubleIsInfinityOrAnOverflowAndTooSmallIsZero)
{
    EXPECT_EQ(logic::readLenient(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_THROW(logic::readStrict("-1e999"), logic::Overflow);
    EXPECT_EQ(logic::readLenient("-0.001e-999999999999"), 0.0);
    // The count line: the counter read leniently, and no singular.
    EXPECT_EQ(logic::countLine("1") + logic::countLine("-0") + logic::countLine("1e15"),
              "en 1 movimientosen 0 movimientosen 1000000000000000 movimientos");
}

// Only an exact "0" in a cell flag moves the blank coordinates there, in the write, Left first.
TEST(CellFlag, OnlyAnExactZeroTakesTheBlankCoordinates)
{
    Board board;
    Recorder recorder(board);
    for (const char *text : {"00", " 0", "0.0", "-0", "", "0"})
        board.setText(logic::cellFlagField(7), text);
    recorder.log.push_back("returned");
    EXPECT_EQ(Log(recorder.log.begin() + 5, recorder.log.end()),
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

TEST(TileMove, WritesOfOneMoveOnAnInconsistentBoardInFull)
{
    // The button goes first, to the empty place as it stood; both empty neighbours are filled,
    // the last one wins; the "0" into the cell left moves the blank, and the marker follows.
    Board board = game(threeAboveEmpty, "5");
    board.setText(21, "0");
    EXPECT_EQ(clickLog(board, 3),
              (Log {"Command3.Left=1200", "Command3.Top=1200", "Text34=6", "Text21=1", "Text34=11",
                    "Text26=1", "Text22=0", "Text47=1920", "Text48=1200", "Command16.Left=1920",
                    "Command16.Top=1200", "Text2=6"}));
}

// {field set, its text, tile clicked, the log}: on a start-up board, the counter read leniently,
// the game flag and rows that do not wrap; with tile 5 in cell 5 next to the empty cell 2, a
// position that is not a whole 2..16 means cell 1's neighbours.
using Click = std::tuple<int, const char *, int, Log>;
using ClickOn = testing::TestWithParam<Click>;
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

INSTANTIATE_TEST_SUITE_P(Fields, ClickOn,
                         testing::Values(Click {1, "2", 1, {"Text2=1"}},
                                         Click {1, " 1", 1, {"Text2=1", "congratulations 1"}},
                                         Click {2, "12abc", 1, {"Text2=13"}},
                                         Click {19, "0", 5, {"Text2=1"}},
                                         Click {24, "0", 8, {"Text2=1"}},
                                         Click {36, "17", 5, jumps}, Click {36, "2.5", 5, jumps},
                                         Click {36, " 5", 5, {"Text2=1"}}));

// A failing read stops the click, keeping what was written: every neighbour is read before
// anything is written, also after the empty one; the counter is read after the move.
TEST(TileMove, FailuresStopTheClickAndKeepTheWritesBeforeThem)
{
    Board before = game({1, 2, 0, 4, 5, 6, 3, 8, 9, 10, 11, 12, 13, 14, 15, 7}, "5");
    before.setText(26, ""); // tile 3's last neighbour; its first, cell 3, is empty
    Recorder untouched(before);
    EXPECT_THROW(before.clickTile(3), logic::TypeMismatch);
    EXPECT_EQ(untouched.log, Log {});

    Board after = game(threeAboveEmpty, "1e309");
    EXPECT_THROW(after.clickTile(3), logic::Overflow);
    EXPECT_EQ(after.text(34) + " " + after.text(logic::Text2), "11 1e309");
}

TEST(Draws, ReseedingKeepsThemApart)
{
    // Under a clock that never moves, a re-seed must not restart one sequence.
    logic::ClockSeededRandom random([] { return std::uint64_t {123456789}; });
    std::set<int> tiles;
    for (int i = 0; i < 1000; ++i, tiles.insert(logic::drawnTile(random.draw())))
        random.reseedFromClock();
    EXPECT_EQ(tiles.size(), 15u);
}

// From a corrupt game: game flag, buttons, flags, positions in that order; a re-seed before
// every draw; the game flag set and the counter wiped last.
TEST(Shuffle, ResetsTheBoardMixesItAndStartsTheGame)
{
    Board board = game({5, 1, 2, 3, 9, 6, 7, 4, 13, 10, 11, 8, 14, 15, 0, 12}, "57");
    for (auto [field, text] : {std::pair {20, "0"}, {25, "abc"}, {47, "x"}, {32, "16"}, {2, ""}})
        board.setText(field, text);
    board.setLeft(7, -5.0f);
    Recorder recorder(board);
    const Log &log = recorder.log;
    // The highest draw presses tile 15, then 11, 10 and 6 follow it; draws of 0 press tile 1.
    ScriptedRandom random({std::nextafter(1.0, 0.0), 10.5 / 15, 9.5 / 15, 5.5 / 15}, &recorder.log);
    logic::shuffle(board, random);
    ASSERT_EQ(std::find(log.begin(), log.end(), "reseed") - log.begin(), 66);
    EXPECT_EQ((Log {log[0], log[1], log[2], log[30], log[31], log[32], log[33], log[47], log[48],
                    log[49], log[50], log[51], log[65]}),
              (Log {"Text1=0", "Command1.Left=480", "Command1.Top=480", "Command15.Top=2640",
                    "Command16.Left=2640", "Command16.Top=2640", "Text16=1", "Text30=1", "Text31=0",
                    "Text47=2640", "Text48=2640", "Text32=1", "Text46=15"}));
    for (std::size_t i = 66; i < log.size(); ++i)
        ASSERT_TRUE(log[i] != "draw" || log[i - 1] == "reseed") << "entry " << i;
    EXPECT_EQ(Log(log.end() - 2, log.end()), (Log {"Text1=1", "Text2=0"}));
    EXPECT_EQ(arrangement(board),
              arrangement(game({1, 2, 3, 4, 5, 0, 7, 8, 9, 6, 10, 12, 13, 14, 11, 15})));
}

// A thousand seeded shuffles, each with a hundred random clicks: all counted, the rules kept.
TEST(ShuffleProperty, ShufflesAndClicksKeepEveryRuleOfTheBoard)
{
    std::uint64_t tick = 99;
    logic::ClockSeededRandom random([&tick] { return tick += 15625; });
    std::mt19937 pick(7);
    Board board;
    for (int run = 1; run <= 1000; ++run) {
        logic::shuffle(board, random);
        for (int click = 0; click < 100; ++click)
            board.clickTile(1 + int(pick() % 15));
        Layout cells {}; // as the tile positions tell
        for (int tile = 1; tile <= 15; ++tile)
            cells.at(std::size_t(std::stoi(board.text(logic::tilePositionField(tile))) - 1)) = tile;
        ASSERT_EQ(arrangement(board) + board.text(logic::Text2), arrangement(game(cells)) + "100")
            << "after run " << run;
    }
}

} // namespace
