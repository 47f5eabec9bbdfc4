// The shuffle: what it writes in which order, its draws, and long seeded runs of shuffles and
// clicks that must keep every rule of the board.

#include "recorder.h"
#include "tests/support/scripted.h"

#include "logic/random.h"
#include "logic/shuffle.h"

#include <cmath>
#include <random>
#include <set>

namespace {

using logic::Board;
using namespace testsupport;

TEST(Draws, SplitTheUnitIntervalIntoFifteenTilesAndReseedingKeepsThemApart)
{
    EXPECT_EQ(logic::drawnTile(0.0) * 100 + logic::drawnTile(0.0666), 101);
    EXPECT_EQ(logic::drawnTile(0.0667) * 100 + logic::drawnTile(0.9334), 215);
    EXPECT_EQ(logic::drawnTile(std::nextafter(1.0, 0.0)), 15);
    // The game's own source under a clock that never moves: a re-seed must not restart one
    // sequence, or every press would draw the same tile.
    logic::ClockSeededRandom random([] { return std::uint64_t {123456789}; });
    std::set<int> tiles;
    for (int i = 0; i < 1000; ++i) {
        random.reseedFromClock();
        const double r = random.draw();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
        tiles.insert(logic::drawnTile(r));
    }
    EXPECT_EQ(tiles.size(), 15u);
}

using Shuffle = testing::TestWithParam<const char *>;

TEST_P(Shuffle, ResetsTheBoardMixesItAndStartsTheGame)
{
    Board board; // from the start-up state, a game in progress or a corrupt one
    if (GetParam() != std::string("startUp"))
        board = game({5, 1, 2, 3, 9, 6, 7, 4, 13, 10, 11, 8, 14, 15, 0, 12}, "57");
    if (GetParam() == std::string("corrupt")) {
        for (auto [field, text] :
             {std::pair {20, "0"}, {25, "abc"}, {47, "x"}, {32, "16"}, {2, ""}})
            board.setText(field, text);
        board.setLeft(7, -5.0f);
    }
    Recorder recorder(board);
    const Log &log = recorder.log;
    // The highest draw presses tile 15, then 11, 10 and 6 follow it; draws of 0 press tile 1.
    ScriptedRandom random({std::nextafter(1.0, 0.0), 10.5 / 15, 9.5 / 15, 5.5 / 15}, &recorder.log);
    logic::shuffle(board, random);

    // Game flag, buttons, flags (the "0" moving the blank coordinates), positions, in that order.
    ASSERT_EQ(std::find(log.begin(), log.end(), "reseed") - log.begin(), 66);
    EXPECT_EQ((Log {log[0], log[1], log[2], log[30], log[31], log[32], log[33], log[47], log[48],
                    log[49], log[50], log[51], log[65]}),
              (Log {"Text1=0", "Command1.Left=480", "Command1.Top=480", "Command15.Top=2640",
                    "Command16.Left=2640", "Command16.Top=2640", "Text16=1", "Text30=1", "Text31=0",
                    "Text47=2640", "Text48=2640", "Text32=1", "Text46=15"}));
    // A re-seed before every one of the thousand draws, not once before them all.
    EXPECT_EQ(std::count(log.begin(), log.end(), "reseed"), 1000);
    for (std::size_t i = 66; i < log.size(); ++i)
        ASSERT_TRUE(log[i] != "draw" || log[i - 1] == "reseed") << "entry " << i;
    EXPECT_EQ(Log(log.end() - 2, log.end()), (Log {"Text1=1", "Text2=0"}));
    Layout layout {};
    ASSERT_TRUE(keepsInvariants(board, layout));
    EXPECT_EQ(layout, (Layout {1, 2, 3, 4, 5, 0, 7, 8, 9, 6, 10, 12, 13, 14, 11, 15}));
}

INSTANTIATE_TEST_SUITE_P(StartingBoards, Shuffle, testing::Values("startUp", "midGame", "corrupt"));

struct Congratulations : logic::BoardObserver
{
    void congratulationsRequested() override { ++count; }
    long count = 0;
};

// Seeded runs: a thousand shuffles, each followed by a hundred random clicks, half of them next to
// the empty cell. Every click counts, only the solved board congratulates, and the rules hold.
TEST(ShuffleProperty, ShufflesAndClicksKeepEveryRuleOfTheBoard)
{
    std::uint64_t tick = 99;
    logic::ClockSeededRandom random([&tick] { return tick += 15625; });
    std::mt19937 pick(7);
    Congratulations congratulations;
    Board board;
    board.addObserver(&congratulations);
    std::set<int> emptyCells;
    long solves = 0;
    for (int run = 1; run <= 1000; ++run) {
        logic::shuffle(board, random);
        Layout expected {};
        ASSERT_TRUE(keepsInvariants(board, expected)) << "after shuffle " << run;
        ASSERT_EQ(board.text(logic::Text1) + "/" + board.text(logic::Text2), "1/0");
        for (int click = 1; click <= 100; ++click) {
            const int empty =
                int(std::find(expected.begin(), expected.end(), 0) - expected.begin());
            int at = click % 2 ? int(pick() % 16) : empty + std::array {-4, -1, 1, 4}[pick() % 4];
            if (at < 0 || at > 15 || at == empty)
                at = (empty + 1 + int(pick() % 15)) % 16;
            board.clickTile(expected[std::size_t(at)]);
            if ((at / 4 == empty / 4 && std::abs(at - empty) == 1) || std::abs(at - empty) == 4)
                std::swap(expected[std::size_t(at)], expected[std::size_t(empty)]);
            solves += expected == homeLayout;
        }
        Layout actual {};
        ASSERT_TRUE(keepsInvariants(board, actual)) << "after run " << run;
        ASSERT_EQ(actual, expected) << "after run " << run;
        ASSERT_EQ(board.text(logic::Text2), "100");
        ASSERT_EQ(congratulations.count, solves);
        emptyCells.insert(int(std::find(actual.begin(), actual.end(), 0) - actual.begin()));
    }
    EXPECT_EQ(emptyCells.size(), 16u); // the walk wanders over the whole board
}

} // namespace
