#include "recorder.h"

#include "logic/errors.h"

namespace {

using logic::Board;
using namespace testsupport;

// Tile 3 stands in cell 7 and cell 11 is empty; tile 7 is in cell 3 and tile 11 in cell 16.
constexpr Layout threeAboveEmpty {1, 2, 7, 4, 5, 6, 3, 8, 9, 10, 0, 12, 13, 14, 15, 11};

// What one click on `tile` writes, in order.
Log clickLog(Board board, int tile)
{
    Recorder recorder(board);
    board.clickTile(tile);
    return recorder.log;
}

TEST(TileMove, WritesOfOneMoveInFull)
{
    Board board = game(threeAboveEmpty, "5");
    Recorder recorder(board);
    board.clickTile(3);
    // The button goes first, to the empty place as it stood; the "0" into the cell it left moves
    // the blank coordinates, which the blank marker then follows.
    EXPECT_EQ(recorder.log, (Log {"Command3.Left=1920", "Command3.Top=1920", "Text34=11",
                                  "Text26=1", "Text22=0", "Text47=1920", "Text48=1200",
                                  "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
}

// {tile, empty cell}: the tile stands in its home cell, not next to the empty one, and the click
// only counts. The last cell of a row and the first of the next are not neighbours.
using TileStays = testing::TestWithParam<std::pair<int, int>>;

TEST_P(TileStays, OnlyTheCounterChanges)
{
    const auto [tile, emptyCell] = GetParam();
    Layout layout = homeLayout;
    layout[emptyCell - 1] = 0;
    layout[15] = emptyCell;
    EXPECT_EQ(clickLog(game(layout), tile), Log {"Text2=1"});
}

INSTANTIATE_TEST_SUITE_P(RowEndsAndFarAway, TileStays,
                         testing::Values(std::pair {4, 5}, std::pair {5, 4}, std::pair {8, 9},
                                         std::pair {13, 12}, std::pair {1, 11}));

TEST(SolvedTest, SolvingClickIsCountedAndTheGameStaysArmed)
{
    Board board = game({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15}, "41");
    Recorder recorder(board);
    board.clickTile(15);
    EXPECT_EQ(recorder.log.back(), "congratulations 42");
    board.clickTile(1); // cannot move, and the board is still solved
    EXPECT_EQ(recorder.log.back(), "congratulations 43");
    board.clickTile(12); // slides into cell 16: no longer solved
    EXPECT_EQ(recorder.log.back(), "Text2=44");
    board.clickTile(12);
    EXPECT_EQ(recorder.log.back(), "congratulations 45");
}

// At start-up every tile is home and none can move. A click counts on from the counter's lenient
// reading, and the solved test passes only if the game flag reads 1.
using StartUpClick = testing::TestWithParam<std::tuple<int, const char *, Log>>;

TEST_P(StartUpClick, CountsAndSolvesOnlyWithTheGameFlagAtOne)
{
    const auto &[field, text, log] = GetParam();
    Board board;
    board.setText(field, text);
    EXPECT_EQ(clickLog(board, 1), log);
}

const Log solvedAtOne {"Text2=1", "congratulations 1"};
INSTANTIATE_TEST_SUITE_P(
    Fields, StartUpClick,
    testing::Values(std::tuple {1, "0", Log {"Text2=1"}}, std::tuple {1, "", Log {"Text2=1"}},
                    std::tuple {1, "2", Log {"Text2=1"}}, std::tuple {1, "1", solvedAtOne},
                    std::tuple {1, " 1", solvedAtOne}, std::tuple {2, "41", Log {"Text2=42"}},
                    std::tuple {2, "abc", Log {"Text2=1"}},
                    std::tuple {2, "12abc", Log {"Text2=13"}}));

// A failing read stops the click, and nothing is rolled back. Every neighbour is read before
// anything is written, also after the empty one; a flag turned corrupt once the button has moved
// stops the second pass; a counter past every number stops the click after the move.
TEST(TileMove, FailuresStopTheClickAndKeepTheWritesBeforeThem)
{
    // Tile 3 in cell 7; its first neighbour, cell 3, is empty and its last, cell 11, corrupt.
    Board before = game({1, 2, 0, 4, 5, 6, 3, 8, 9, 10, 11, 12, 13, 14, 15, 7}, "5");
    before.setText(26, "");
    Recorder beforeRecorder(before);
    EXPECT_THROW(before.clickTile(3), logic::TypeMismatch);
    EXPECT_EQ(beforeRecorder.log, Log {});

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

// The move does not check the board: a neighbour reading neither 1 nor 0 lets the tile jump but
// names no new cell for it; two empty neighbours are both filled and the last one wins.
TEST(TileMove, InconsistentBoardsFollowTheStepsAsTheyStand)
{
    Board board = game(threeAboveEmpty, "5");
    board.setText(26, "2");
    EXPECT_EQ(clickLog(board, 3),
              (Log {"Command3.Left=1920", "Command3.Top=1920", "Text22=0", "Text47=1920",
                    "Text48=1200", "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
    board.setText(26, "0");
    board.setText(21, "0"); // cell 6 empty too, and the blank coordinates name it
    EXPECT_EQ(clickLog(board, 3),
              (Log {"Command3.Left=1200", "Command3.Top=1200", "Text34=6", "Text21=1", "Text34=11",
                    "Text26=1", "Text22=0", "Text47=1920", "Text48=1200", "Command16.Left=1920",
                    "Command16.Top=1200", "Text2=6"}));
}

// Tile 5 stands in cell 5, cell 2 is empty. A position that is not a whole 2..16 is handled with
// cell 1's neighbours (2 and 5), so the tile jumps into cell 2 and cell 1 is marked empty; a
// whole 2..16 such as 5 leaves it where it is.
using TilePositionFallback = testing::TestWithParam<std::pair<const char *, const char *>>;

TEST_P(TilePositionFallback, AnythingButAWholeTwoToSixteenUsesCellOne)
{
    Board board = game({1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2});
    board.setText(36, GetParam().first);
    board.clickTile(5);
    EXPECT_EQ(board.text(16), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Positions, TilePositionFallback,
                         testing::Values(std::pair {"", "0"}, std::pair {"1", "0"},
                                         std::pair {"17", "0"}, std::pair {"2.5", "0"},
                                         std::pair {"5", "1"}, std::pair {" 5", "1"},
                                         std::pair {"5.0", "1"}));

} // namespace
