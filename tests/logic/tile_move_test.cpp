#include "recorder.h"

#include "logic/board.h"
#include "logic/errors.h"
#include "logic/numbers.h"

#include <gtest/gtest.h>

namespace {

using logic::Board;
using testsupport::arrange;
using testsupport::Layout;
using testsupport::Recorder;
using Log = std::vector<std::string>;

// Tile 3 stands in cell 7 and cell 11 is empty; tile 7 is in cell 3 and tile 11 in cell 16.
constexpr Layout threeAboveEmpty {1, 2, 7, 4, 5, 6, 3, 8, 9, 10, 0, 12, 13, 14, 15, 11};
// Tile 15 in cell 16, cell 15 empty: one slide from home.
constexpr Layout oneFromHome {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15};

Board gameOn(const Layout &layout, const char *counter)
{
    Board board;
    arrange(board, layout);
    board.setText(logic::Text1, "1");
    board.setText(logic::Text2, counter);
    return board;
}

TEST(TileMove, WritesOfOneMoveInFull)
{
    Board board = gameOn(threeAboveEmpty, "5");
    Recorder recorder(board);
    board.clickTile(3);
    // The button goes first, to the empty place as it stood; the "0" into the cell it left moves
    // the blank coordinates, which the blank marker then follows.
    EXPECT_EQ(recorder.log, (Log {"Command3.Left=1920", "Command3.Top=1920", "Text34=11",
                                  "Text26=1", "Text22=0", "Text47=1920", "Text48=1200",
                                  "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
    Layout layout {};
    EXPECT_TRUE(testsupport::keepsInvariants(board, layout));
}

struct Slide
{
    int tile; // standing in this tile's home cell, next to an empty cell 11
    int fromFlag;
    const char *left;
    const char *top;
};

class TileMoveIntoEmptyCell : public testing::TestWithParam<Slide>
{
};

TEST_P(TileMoveIntoEmptyCell, FromEverySide)
{
    const Slide &s = GetParam();
    Board board;
    arrange(board, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 12, 13, 14, 15, 11});
    board.clickTile(s.tile);
    EXPECT_EQ(board.left(s.tile), 1920.0f);
    EXPECT_EQ(board.top(s.tile), 1920.0f);
    EXPECT_EQ(board.text(logic::tilePositionField(s.tile)), "11");
    EXPECT_EQ(board.text(26), "1");
    EXPECT_EQ(board.text(s.fromFlag), "0");
    EXPECT_EQ(board.text(logic::Text47), s.left);
    EXPECT_EQ(board.text(logic::Text48), s.top);
    EXPECT_EQ(logic::decimalText(board.left(logic::Command16)), s.left);
    EXPECT_EQ(logic::decimalText(board.top(logic::Command16)), s.top);
    EXPECT_EQ(board.text(logic::Text2), "1");
}

INSTANTIATE_TEST_SUITE_P(AboveLeftRightBelow, TileMoveIntoEmptyCell,
                         testing::Values(Slide {7, 22, "1920", "1200"},
                                         Slide {10, 25, "1200", "1920"},
                                         Slide {12, 27, "2640", "1920"},
                                         Slide {15, 30, "1920", "2640"}));

// The last cell of a row and the first of the next are not neighbours.
class TileMoveNoWrapAround : public testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P(TileMoveNoWrapAround, TileStaysButTheClickCounts)
{
    const auto [tileCell, emptyCell] = GetParam();
    Layout layout = testsupport::homeLayout;
    layout[static_cast<std::size_t>(emptyCell - 1)] = 0;
    layout[15] = emptyCell;
    Board board;
    arrange(board, layout);
    Recorder recorder(board);
    board.clickTile(tileCell);
    EXPECT_EQ(recorder.log, Log {"Text2=1"});
}

INSTANTIATE_TEST_SUITE_P(RowEnds, TileMoveNoWrapAround,
                         testing::Values(std::pair {4, 5}, std::pair {5, 4}, std::pair {8, 9},
                                         std::pair {9, 8}, std::pair {12, 13}, std::pair {13, 12}));

TEST(TileMove, ClickOnATileAwayFromTheEmptyPlaceOnlyCounts)
{
    Board board = gameOn(threeAboveEmpty, "5");
    Recorder recorder(board);
    board.clickTile(1);
    board.clickTile(13);
    EXPECT_EQ(recorder.log, (Log {"Text2=6", "Text2=7"}));
}

TEST(TileMove, BeforeAnyShuffleNothingMovesAndNoSolveIsReported)
{
    Board board;
    Recorder recorder(board);
    for (int tile = 1; tile <= 15; ++tile)
        board.clickTile(tile);
    ASSERT_EQ(recorder.log.size(), 15u);
    EXPECT_EQ(recorder.log.front(), "Text2=1");
    EXPECT_EQ(recorder.log.back(), "Text2=15");
    for (const std::string &entry : recorder.log)
        EXPECT_EQ(entry.rfind("Text2=", 0), 0u) << entry;
}

TEST(SolvedTest, SolvingClickIsCountedAndTheGameStaysArmed)
{
    Board board = gameOn(oneFromHome, "41");
    Recorder recorder(board);
    board.clickTile(15);
    ASSERT_EQ(recorder.log.back(), "congratulations 42");
    EXPECT_EQ(logic::countLine(board.text(logic::Text2)), "en 42 movimientos");

    recorder.log.clear();
    board.clickTile(1); // cannot move, and the board is still solved
    EXPECT_EQ(recorder.log, (Log {"Text2=43", "congratulations 43"}));

    recorder.log.clear();
    board.clickTile(12); // slides into cell 16: no longer solved
    EXPECT_EQ(recorder.log.back(), "Text2=44");
    board.clickTile(12);
    EXPECT_EQ(recorder.log.back(), "congratulations 45");
    EXPECT_EQ(board.text(logic::Text1), "1");
}

class SolvedTestGameFlag : public testing::TestWithParam<std::pair<const char *, bool>>
{
};

TEST_P(SolvedTestGameFlag, NeedsTheGameFlagToReadOne)
{
    Board board = gameOn(testsupport::homeLayout, "0");
    board.setText(logic::Text1, GetParam().first);
    Recorder recorder(board);
    board.clickTile(1);
    EXPECT_EQ(recorder.log.back() == "congratulations 1", GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Flags, SolvedTestGameFlag,
                         testing::Values(std::pair {"1", true}, std::pair {" 1", true},
                                         std::pair {"1abc", true}, std::pair {"1.0", true},
                                         std::pair {"0", false}, std::pair {"", false},
                                         std::pair {"abc", false}, std::pair {"2", false}));

// The first pass reads every neighbour before anything is written, also after the empty one,
// so a corrupt flag stops the click with the board untouched and the click not counted.
class TileMoveCorruptFlag : public testing::TestWithParam<const char *>
{
};

TEST_P(TileMoveCorruptFlag, StopsTheClickBeforeAnyWrite)
{
    // Tile 3 in cell 7; its first neighbour, cell 3, is empty and its last, cell 11, corrupt.
    Board board = gameOn({1, 2, 0, 4, 5, 6, 3, 8, 9, 10, 11, 12, 13, 14, 15, 7}, "5");
    board.setText(26, GetParam());
    Recorder recorder(board);
    EXPECT_THROW(board.clickTile(3), logic::TypeMismatch);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(board.text(logic::Text2), "5");
    EXPECT_EQ(board.left(3), 1920.0f);
    EXPECT_EQ(board.top(3), 1200.0f);
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, TileMoveCorruptFlag, testing::Values("", "x", "1 1", "1a"));

// Corrupts a flag the moment a tile's button has moved, between the two neighbour passes.
class CorruptAfterButtonMove : public logic::BoardObserver
{
public:
    explicit CorruptAfterButtonMove(Board &board)
        : m_board(board)
    {
    }
    void buttonTopChanged(int button, float) override
    {
        if (button == 3)
            m_board.setText(21, "x");
    }

private:
    Board &m_board;
};

TEST(TileMove, FailureInTheSecondPassLeavesTheButtonMoved)
{
    Board board = gameOn(threeAboveEmpty, "5");
    Recorder recorder(board);
    CorruptAfterButtonMove corrupter(board);
    board.addObserver(&corrupter);
    EXPECT_THROW(board.clickTile(3), logic::TypeMismatch);
    board.removeObserver(&corrupter);
    EXPECT_EQ(recorder.log, (Log {"Command3.Left=1920", "Command3.Top=1920", "Text21=x"}));
    EXPECT_EQ(board.text(34), "7");
    EXPECT_EQ(board.text(26), "0");
    EXPECT_EQ(board.text(22), "1");
    EXPECT_EQ(board.text(logic::Text2), "5");
}

TEST(TileMoveInconsistentBoard, NeighbourNeitherOneNorZeroMovesTheButtonButNotThePosition)
{
    Board board = gameOn(threeAboveEmpty, "5");
    board.setText(26, "2");
    Recorder recorder(board);
    board.clickTile(3);
    EXPECT_EQ(recorder.log,
              (Log {"Command3.Left=1920", "Command3.Top=1920", "Text22=0", "Text47=1920",
                    "Text48=1200", "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
    EXPECT_EQ(board.text(34), "7");
}

TEST(TileMoveInconsistentBoard, TwoEmptyNeighboursAreBothFilledAndTheLastWins)
{
    Board board = gameOn(threeAboveEmpty, "5");
    board.setText(21, "0"); // cell 6 empty too; the blank coordinates now name it
    Recorder recorder(board);
    board.clickTile(3);
    EXPECT_EQ(recorder.log, (Log {"Command3.Left=1200", "Command3.Top=1200", "Text34=6", "Text21=1",
                                  "Text34=11", "Text26=1", "Text22=0", "Text47=1920", "Text48=1200",
                                  "Command16.Left=1920", "Command16.Top=1200", "Text2=6"}));
}

// Tile 5 stands in cell 5, cell 2 is empty. A position that is not a whole 2..16 is handled with
// cell 1's neighbours (2 and 5), so the tile jumps into cell 2 and cell 1 is marked empty.
class TilePositionFallback : public testing::TestWithParam<std::pair<const char *, bool>>
{
};

TEST_P(TilePositionFallback, AnythingButAWholeTwoToSixteenUsesCellOne)
{
    const auto [position, usesCellOne] = GetParam();
    Board board;
    arrange(board, {1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2});
    board.setText(36, position);
    Recorder recorder(board);
    board.clickTile(5);
    if (usesCellOne) {
        EXPECT_EQ(recorder.log, (Log {"Command5.Left=1200", "Command5.Top=480", "Text36=2",
                                      "Text17=1", "Text16=0", "Text47=480", "Text48=480",
                                      "Command16.Left=480", "Command16.Top=480", "Text2=1"}));
    } else {
        EXPECT_EQ(recorder.log, Log {"Text2=1"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, TilePositionFallback,
    testing::Values(std::pair {"", true}, std::pair {"abc", true}, std::pair {"1", true},
                    std::pair {"0", true}, std::pair {"17", true}, std::pair {"2.5", true},
                    std::pair {"-2", true}, std::pair {"16.5", true}, std::pair {"1e9", true},
                    std::pair {"5", false}, std::pair {" 5", false}, std::pair {"5abc", false},
                    std::pair {"5.0", false}, std::pair {"5e0", false}, std::pair {"2", false}));

class MoveCounter : public testing::TestWithParam<std::pair<const char *, const char *>>
{
};

TEST_P(MoveCounter, AddsOneToTheLenientReading)
{
    Board board;
    board.setText(logic::Text2, GetParam().first);
    board.clickTile(1);
    EXPECT_EQ(board.text(logic::Text2), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Counters, MoveCounter,
                         testing::Values(std::pair {"0", "1"}, std::pair {"41", "42"},
                                         std::pair {"", "1"}, std::pair {"abc", "1"},
                                         std::pair {"12abc", "13"}, std::pair {" 9", "10"},
                                         std::pair {"2.5", "3.5"}, std::pair {"-4", "-3"},
                                         std::pair {"999999999999999", "1000000000000000"}));

TEST(MoveCounter, CounterPastEveryNumberIsAnOverflowNotInfinity)
{
    Board board = gameOn(threeAboveEmpty, "1e309");
    Recorder recorder(board);
    EXPECT_THROW(board.clickTile(3), logic::Overflow);
    // The move itself was made before the count failed, and stays.
    EXPECT_EQ(recorder.log.back(), "Command16.Top=1200");
    EXPECT_EQ(board.text(34), "11");
    EXPECT_EQ(board.text(logic::Text2), "1e309");
}

} // namespace
