#include "recorder.h"
#include "tests/support/scripted.h"

#include "logic/random.h"
#include "logic/shuffle.h"

#include <cmath>
#include <set>

namespace {

using logic::Board;
using namespace testsupport;

using DrawnTile = testing::TestWithParam<std::pair<double, int>>;

TEST_P(DrawnTile, SplitsTheUnitIntervalIntoFifteenTiles)
{
    EXPECT_EQ(logic::drawnTile(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Draws, DrawnTile,
                         testing::Values(std::pair {0.0, 1}, std::pair {0.0666, 1},
                                         std::pair {0.0667, 2}, std::pair {0.9334, 15},
                                         std::pair {std::nextafter(1.0, 0.0), 15}));

// Boards a shuffle may start from: the start-up state, a game in progress and a corrupt one.
Board startingBoard(std::string_view name)
{
    Board board;
    if (name != "startUp")
        board = game({5, 1, 2, 3, 9, 6, 7, 4, 13, 10, 11, 8, 14, 15, 0, 12}, "57");
    if (name == "corrupt") {
        board.setText(20, "0");
        board.setText(25, "abc");
        board.setText(logic::Text47, "x");
        board.setText(logic::Text32, "16");
        board.setText(logic::Text2, "");
        board.setLeft(7, -5.0f);
    }
    return board;
}

using Shuffle = testing::TestWithParam<const char *>;

TEST_P(Shuffle, ResetsTheBoardMixesItAndStartsTheGame)
{
    Board board = startingBoard(GetParam());
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
    for (std::size_t i = 66; i < log.size(); ++i) {
        if (log[i] == "draw") {
            ASSERT_EQ(log[i - 1], "reseed") << "entry " << i;
        }
    }
    EXPECT_EQ(Log(log.end() - 2, log.end()), (Log {"Text1=1", "Text2=0"}));
    Layout layout {};
    ASSERT_TRUE(keepsInvariants(board, layout));
    EXPECT_EQ(layout, (Layout {1, 2, 3, 4, 5, 0, 7, 8, 9, 6, 10, 12, 13, 14, 11, 15}));
}

INSTANTIATE_TEST_SUITE_P(StartingBoards, Shuffle, testing::Values("startUp", "midGame", "corrupt"),
                         [](const auto &p) { return std::string(p.param); });

// The game's own source under a clock that never moves: each re-seed must not restart one
// sequence, or every press would draw the same tile.
TEST(ClockSeededRandom, DrawsEveryTileInRangeUnderAFrozenClock)
{
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

} // namespace
