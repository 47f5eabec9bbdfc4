#include "recorder.h"

#include <tuple>

namespace {

using logic::Board;
using testsupport::Log;
using testsupport::Recorder;

// {cell, its flag field, Left, Top, neighbours in order}
using Cell = std::tuple<int, int, const char *, const char *, std::vector<int>>;
using BoardCell = testing::TestWithParam<Cell>;

// Command16 starts on cell 16 like tile n on cell n. Rows do not wrap: 4 and 5 are no neighbours.
// A "0" into the flag sets the blank coordinates to the cell inside the write, Left before Top.
TEST_P(BoardCell, StartsTakenAndTakesTheBlankCoordinatesWhenEmptied)
{
    const auto &[cell, flagField, left, top, neighbours] = GetParam();
    Board board;
    EXPECT_EQ(board.text(flagField), "1");
    EXPECT_EQ(logic::decimalText(board.left(cell)), left);
    EXPECT_EQ(logic::decimalText(board.top(cell)), top);
    const logic::Neighbours around = logic::neighboursOf(cell);
    EXPECT_EQ(std::vector<int>(around.begin(), around.end()), neighbours);

    Recorder recorder(board);
    board.setText(flagField, "0");
    recorder.log.push_back("write returned");
    EXPECT_EQ(recorder.log,
              (Log {"Text" + std::to_string(flagField) + "=0", std::string("Text47=") + left,
                    std::string("Text48=") + top, "write returned"}));
}

INSTANTIATE_TEST_SUITE_P(
    AllCells, BoardCell,
    testing::Values(
        Cell {1, 16, "480", "480", {2, 5}}, Cell {2, 17, "1200", "480", {1, 3, 6}},
        Cell {3, 18, "1920", "480", {2, 4, 7}}, Cell {4, 19, "2640", "480", {3, 8}},
        Cell {5, 20, "480", "1200", {1, 6, 9}}, Cell {6, 21, "1200", "1200", {2, 5, 7, 10}},
        Cell {7, 22, "1920", "1200", {3, 6, 8, 11}}, Cell {8, 23, "2640", "1200", {4, 7, 12}},
        Cell {9, 24, "480", "1920", {5, 10, 13}}, Cell {10, 25, "1200", "1920", {6, 9, 11, 14}},
        Cell {11, 26, "1920", "1920", {7, 10, 12, 15}}, Cell {12, 27, "2640", "1920", {8, 11, 16}},
        Cell {13, 28, "480", "2640", {9, 14}}, Cell {14, 29, "1200", "2640", {10, 13, 15}},
        Cell {15, 30, "1920", "2640", {11, 14, 16}}, Cell {16, 31, "2640", "2640", {12, 15}}),
    [](const auto &p) { return "cell" + std::to_string(std::get<0>(p.param)); });

TEST(BoardStartUp, HasNoEmptyPlaceAndNoGame)
{
    const Board board;
    EXPECT_EQ(board.text(logic::Text47), "");
    EXPECT_EQ(board.text(logic::Text48), "");
    EXPECT_EQ(board.text(logic::Text1), "0");
    EXPECT_EQ(board.text(logic::Text2), "0");
}

// Only the exact text "0" marks a cell empty: no trimming, no number reading. Neither in another
// cell's flag nor in the empty cell's own does any other text touch the blank coordinates.
using CellFlagRule = testing::TestWithParam<const char *>;

TEST_P(CellFlagRule, TextsOtherThanExactlyZeroLeaveTheBlankCoordinates)
{
    Board board;
    board.setText(28, "0");
    Recorder recorder(board);
    board.setText(19, GetParam());
    board.setText(28, GetParam());
    EXPECT_EQ(recorder.log,
              (Log {std::string("Text19=") + GetParam(), std::string("Text28=") + GetParam()}));
}

INSTANTIATE_TEST_SUITE_P(NotZero, CellFlagRule,
                         testing::Values("1", "00", " 0", "0 ", "0.0", "-0", "", "o"));

} // namespace
