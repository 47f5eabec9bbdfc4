// Long runs of seeded clicks and shuffles. DESLIZADOR_PROPERTY_SCALE shortens them (0.01 runs a
// hundredth).
#include "recorder.h"

#include "logic/board.h"
#include "logic/random.h"
#include "logic/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

namespace {

using logic::Board;
using testsupport::Layout;

long scaled(long count)
{
    double scale = 1.0;
    if (const char *text = std::getenv("DESLIZADOR_PROPERTY_SCALE"))
        scale = std::atof(text);
    return std::max(1L, static_cast<long>(static_cast<double>(count) * scale));
}

// Counts the congratulations the board asks for.
class Congratulations : public logic::BoardObserver
{
public:
    void congratulationsRequested() override { ++count; }
    long count = 0;
};

// The slide as the player knows it: a tile next to the empty cell swaps with it.
void slide(Layout &layout, int tile)
{
    const auto at = [&layout](int value) {
        return static_cast<int>(std::find(layout.begin(), layout.end(), value) - layout.begin());
    };
    const int from = at(tile);
    const int empty = at(0);
    const bool sameRow = from / 4 == empty / 4;
    if ((sameRow && std::abs(from - empty) == 1) || std::abs(from - empty) == 4)
        std::swap(layout[static_cast<std::size_t>(from)], layout[static_cast<std::size_t>(empty)]);
}

TEST(TileMoveProperty, MillionRandomClicksFollowTheSlidingRule)
{
    Board board;
    logic::ClockSeededRandom shuffler([] { return std::uint64_t {20240611}; });
    logic::shuffle(board, shuffler);
    Layout expected {};
    ASSERT_TRUE(testsupport::keepsInvariants(board, expected));

    Congratulations congratulations;
    board.addObserver(&congratulations);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> anyTile(1, 15);
    long solves = 0;
    const long clicks = scaled(1000000);
    for (long click = 1; click <= clicks; ++click) {
        // Half the clicks go to a tile next to the empty cell, so the board keeps moving.
        int tile = anyTile(random);
        if (click % 2 == 0) {
            const auto empty = std::find(expected.begin(), expected.end(), 0) - expected.begin();
            const logic::Neighbours around = logic::neighboursOf(static_cast<int>(empty) + 1);
            tile = expected[static_cast<std::size_t>(
                around.cells[static_cast<std::size_t>(random() %
                                                      static_cast<unsigned>(around.count))] -
                1)];
        }
        board.clickTile(tile);
        slide(expected, tile);
        solves += expected == testsupport::homeLayout;

        ASSERT_EQ(board.text(logic::Text2), std::to_string(click));
        ASSERT_EQ(congratulations.count, solves) << "after click " << click;
        if (click % 16 == 0) {
            Layout actual {};
            ASSERT_TRUE(testsupport::keepsInvariants(board, actual)) << "after click " << click;
            ASSERT_EQ(actual, expected) << "after click " << click;
        }
        if (click % 1024 == 0) {
            ASSERT_TRUE(testsupport::solvable(expected)) << "after click " << click;
        }
    }
    board.removeObserver(&congratulations);
}

TEST(ShuffleProperty, TenThousandShufflesLeaveSolvableBoards)
{
    std::uint64_t tick = 99;
    logic::ClockSeededRandom random([&tick] { return tick += 15625; });
    Board board;
    Congratulations congratulations;
    board.addObserver(&congratulations);
    std::set<int> emptyCells;
    long home = 0;
    const long shuffles = scaled(10000);
    for (long run = 1; run <= shuffles; ++run) {
        logic::shuffle(board, random);
        Layout layout {};
        ASSERT_TRUE(testsupport::keepsInvariants(board, layout)) << "after shuffle " << run;
        ASSERT_TRUE(testsupport::solvable(layout)) << "after shuffle " << run;
        ASSERT_EQ(board.text(logic::Text1), "1");
        ASSERT_EQ(board.text(logic::Text2), "0");
        emptyCells.insert(
            static_cast<int>(std::find(layout.begin(), layout.end(), 0) - layout.begin()) + 1);
        home += layout == testsupport::homeLayout;
    }
    EXPECT_EQ(congratulations.count, 0);
    // The walk wanders over the whole board and practically never comes back home.
    if (shuffles >= 1000) {
        EXPECT_EQ(emptyCells.size(), 16u);
    }
    EXPECT_LT(home, 1 + shuffles / 1000);
    board.removeObserver(&congratulations);
}

} // namespace
