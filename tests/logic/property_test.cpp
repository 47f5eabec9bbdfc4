// Long seeded runs: a million clicks and ten thousand shuffles keep every rule of the board.
#include "recorder.h"

#include "logic/random.h"
#include "logic/shuffle.h"

#include <random>
#include <set>

namespace {

using namespace testsupport;

struct Congratulations : logic::BoardObserver
{
    void congratulationsRequested() override { ++count; }
    long count = 0;
};

int emptyIndex(const Layout &layout)
{
    return static_cast<int>(std::find(layout.begin(), layout.end(), 0) - layout.begin());
}

// A 4-wide board can be solved when the tiles' inversions plus the empty place's distance from
// the bottom row is even: a horizontal slide changes neither, a vertical one both by an odd number.
bool solvable(const Layout &layout)
{
    int parity = 3 - emptyIndex(layout) / 4;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        for (std::size_t j = i + 1; j < layout.size(); ++j)
            parity += layout[j] != 0 && layout[j] < layout[i];
    }
    return parity % 2 == 0;
}

TEST(TileMoveProperty, MillionRandomClicksFollowTheSlidingRule)
{
    Congratulations congratulations;
    logic::Board board;
    logic::ClockSeededRandom shuffler([] { return std::uint64_t {20240611}; });
    logic::shuffle(board, shuffler);
    Layout expected {};
    ASSERT_TRUE(keepsInvariants(board, expected));
    board.addObserver(&congratulations);
    std::mt19937 random(7);
    long solves = 0;
    for (long click = 1; click <= 1000000; ++click) {
        // Every other click goes one row or column from the empty cell, so the board keeps moving;
        // one across a row's end must not slide, and one off the board goes anywhere instead.
        const int empty = emptyIndex(expected);
        int at = click % 2 ? static_cast<int>(random() % 16)
                           : empty + std::array {-4, -1, 1, 4}[random() % 4];
        if (at < 0 || at > 15 || at == empty)
            at = (empty + 1 + static_cast<int>(random() % 15)) % 16;
        board.clickTile(expected[at]);
        if ((at / 4 == empty / 4 && std::abs(at - empty) == 1) || std::abs(at - empty) == 4)
            std::swap(expected[at], expected[empty]);
        solves += expected == homeLayout;
        ASSERT_EQ(board.text(logic::Text2), std::to_string(click));
        ASSERT_EQ(congratulations.count, solves) << "after click " << click;
        if (click % 16 == 0) {
            Layout actual {};
            ASSERT_TRUE(keepsInvariants(board, actual)) << "after click " << click;
            ASSERT_EQ(actual, expected) << "after click " << click;
            ASSERT_TRUE(solvable(actual)) << "after click " << click;
        }
    }
}

TEST(ShuffleProperty, TenThousandShufflesLeaveSolvableBoards)
{
    std::uint64_t tick = 99;
    logic::ClockSeededRandom random([&tick] { return tick += 15625; });
    Congratulations congratulations;
    logic::Board board;
    board.addObserver(&congratulations);
    std::set<int> emptyCells;
    int home = 0;
    for (int run = 1; run <= 10000; ++run) {
        logic::shuffle(board, random);
        Layout layout {};
        ASSERT_TRUE(keepsInvariants(board, layout)) << "after shuffle " << run;
        ASSERT_TRUE(solvable(layout)) << "after shuffle " << run;
        ASSERT_EQ(board.text(logic::Text1) + "/" + board.text(logic::Text2), "1/0");
        emptyCells.insert(emptyIndex(layout));
        home += layout == homeLayout;
    }
    EXPECT_EQ(congratulations.count, 0);
    // The walk wanders over the whole board and practically never comes back home.
    EXPECT_EQ(emptyCells.size(), 16u);
    EXPECT_LT(home, 10);
}

} // namespace
