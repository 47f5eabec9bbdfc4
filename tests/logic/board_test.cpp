#include "recorder.h"

#include "logic/board.h"
#include "logic/errors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using logic::Board;
using logic::Text47;
using logic::Text48;
using testsupport::Recorder;

struct Cell
{
    int cell;
    int flagField;
    const char *left;
    const char *top;
    std::vector<int> neighbours;
};

const Cell cells[] = {
    {1, 16, "480", "480", {2, 5}},
    {2, 17, "1200", "480", {1, 3, 6}},
    {3, 18, "1920", "480", {2, 4, 7}},
    {4, 19, "2640", "480", {3, 8}},
    {5, 20, "480", "1200", {1, 6, 9}},
    {6, 21, "1200", "1200", {2, 5, 7, 10}},
    {7, 22, "1920", "1200", {3, 6, 8, 11}},
    {8, 23, "2640", "1200", {4, 7, 12}},
    {9, 24, "480", "1920", {5, 10, 13}},
    {10, 25, "1200", "1920", {6, 9, 11, 14}},
    {11, 26, "1920", "1920", {7, 10, 12, 15}},
    {12, 27, "2640", "1920", {8, 11, 16}},
    {13, 28, "480", "2640", {9, 14}},
    {14, 29, "1200", "2640", {10, 13, 15}},
    {15, 30, "1920", "2640", {11, 14, 16}},
    {16, 31, "2640", "2640", {12, 15}},
};

void PrintTo(const Cell &c, std::ostream *os)
{
    *os << "cell " << c.cell;
}

class BoardCell : public testing::TestWithParam<Cell>
{
};

TEST_P(BoardCell, StartsWithItsFlagSetAndItsButtonHome)
{
    const Cell &c = GetParam();
    const Board board;
    EXPECT_EQ(board.text(c.flagField), "1");
    EXPECT_EQ(logic::decimalText(board.left(c.cell)), c.left);
    EXPECT_EQ(logic::decimalText(board.top(c.cell)), c.top);
}

TEST_P(BoardCell, ZeroInItsFlagMovesTheBlankCoordinatesThereLeftFirst)
{
    const Cell &c = GetParam();
    Board board;
    Recorder recorder(board);
    board.setText(c.flagField, "0");
    recorder.log.push_back("write returned");
    const std::string field = "Text" + std::to_string(c.flagField);
    EXPECT_EQ(recorder.log,
              (std::vector<std::string> {field + "=0", std::string("Text47=") + c.left,
                                         std::string("Text48=") + c.top, "write returned"}));
}

TEST_P(BoardCell, HasItsNeighboursInAscendingOrder)
{
    const Cell &c = GetParam();
    const logic::Neighbours neighbours = logic::neighboursOf(c.cell);
    EXPECT_EQ(std::vector<int>(neighbours.begin(), neighbours.end()), c.neighbours);
}

// A tile click reads the flag of every neighbour of its cell, strictly, and of no other cell: a
// corrupt flag stops the click exactly when it is one of them.
TEST_P(BoardCell, TileClickReadsEveryNeighbourFlagAndNoOther)
{
    const Cell &c = GetParam();
    for (int corrupt = 1; corrupt <= 16; ++corrupt) {
        Board board;
        board.setText(logic::Text32, std::to_string(c.cell));
        board.setText(logic::cellFlagField(corrupt), "x");
        const bool isNeighbour =
            std::find(c.neighbours.begin(), c.neighbours.end(), corrupt) != c.neighbours.end();
        if (isNeighbour) {
            EXPECT_THROW(board.clickTile(1), logic::TypeMismatch) << "flag of cell " << corrupt;
        } else {
            EXPECT_NO_THROW(board.clickTile(1)) << "flag of cell " << corrupt;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllCells, BoardCell, testing::ValuesIn(cells));

TEST(BoardStartUp, HasNoEmptyCellAndNoGame)
{
    const Board board;
    EXPECT_EQ(board.text(Text47), "");
    EXPECT_EQ(board.text(Text48), "");
    EXPECT_EQ(board.text(logic::Text1), "0");
    EXPECT_EQ(board.text(logic::Text2), "0");
    EXPECT_EQ(board.text(logic::Text46), "15");
}

// Only the exact text "0" marks a cell empty: no trimming, no number reading.
class CellFlagRule : public testing::TestWithParam<const char *>
{
};

TEST_P(CellFlagRule, TextsOtherThanExactlyZeroLeaveTheBlankCoordinates)
{
    Board board;
    board.setText(28, "0");
    Recorder recorder(board);
    board.setText(19, GetParam());
    EXPECT_EQ(recorder.log, std::vector<std::string> {std::string("Text19=") + GetParam()});
    EXPECT_EQ(board.text(Text47), "480");
    EXPECT_EQ(board.text(Text48), "2640");
}

INSTANTIATE_TEST_SUITE_P(NotZero, CellFlagRule,
                         testing::Values("00", " 0", "0 ", "0.0", "+0", "-0", "", "1", "o"));

TEST(CellFlagRuleCases, OneIntoTheEmptyCellKeepsItsCoordinatesUntilAnotherBecomesEmpty)
{
    Board board;
    board.setText(28, "0");
    board.setText(28, "1");
    EXPECT_EQ(board.text(Text47), "480");
    EXPECT_EQ(board.text(Text48), "2640");
    board.setText(19, "0");
    EXPECT_EQ(board.text(Text47), "2640");
    EXPECT_EQ(board.text(Text48), "480");
}

} // namespace
