#include "recorder.h"

#include "logic/board.h"
#include "logic/random.h"
#include "logic/shuffle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

using logic::Board;
using testsupport::Layout;
using testsupport::Recorder;

// Hands out the given draws (the last one over and over once they run out) and notes every call.
class ScriptedRandom : public logic::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> draws)
        : m_draws(std::move(draws))
    {
    }
    void reseedFromClock() override { calls.push_back('r'); }
    double draw() override
    {
        calls.push_back('d');
        if (m_next == 0 && onFirstDraw)
            onFirstDraw();
        const double r = m_draws[std::min(m_next, m_draws.size() - 1)];
        ++m_next;
        return r;
    }

    std::string calls;
    std::function<void()> onFirstDraw;

private:
    std::vector<double> m_draws;
    std::size_t m_next = 0;
};

// The middle of tile k's share of [0, 1).
double drawFor(int tile)
{
    return (tile - 0.5) / 15.0;
}

class DrawnTile : public testing::TestWithParam<std::pair<double, int>>
{
};

TEST_P(DrawnTile, SplitsTheUnitIntervalIntoFifteenTiles)
{
    EXPECT_EQ(logic::drawnTile(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Draws, DrawnTile,
                         testing::Values(std::pair {0.0, 1}, std::pair {0.0666, 1},
                                         std::pair {0.0667, 2}, std::pair {0.5, 8},
                                         std::pair {0.9333, 14}, std::pair {0.9334, 15},
                                         std::pair {std::nextafter(1.0, 0.0), 15}));

// Boards a shuffle may start from: the start-up state, a game in progress, and a corrupt one.
Board startUp()
{
    return Board();
}
Board midGame()
{
    Board board;
    testsupport::arrange(board, {5, 1, 2, 3, 9, 6, 7, 4, 13, 10, 11, 8, 14, 15, 0, 12});
    board.setText(logic::Text1, "1");
    board.setText(logic::Text2, "57");
    return board;
}
Board corrupt()
{
    Board board;
    board.setText(20, "0");
    board.setText(25, "abc");
    board.setText(31, "0");
    board.setText(logic::Text47, "x");
    board.setText(logic::Text48, "");
    board.setText(logic::Text32, "16");
    board.setText(logic::Text2, "");
    board.setText(logic::Text1, "abc");
    board.setLeft(7, -5.0f);
    return board;
}

struct StartingBoard
{
    const char *name;
    Board (*make)();
};

void PrintTo(const StartingBoard &b, std::ostream *os)
{
    *os << b.name;
}

class Shuffle : public testing::TestWithParam<StartingBoard>
{
};

TEST_P(Shuffle, PutsTheBoardHomeWithCellSixteenEmptyBeforeThePresses)
{
    Board board = GetParam().make();
    ScriptedRandom random({drawFor(12)});
    bool checked = false;
    random.onFirstDraw = [&] {
        Layout layout {};
        EXPECT_TRUE(testsupport::keepsInvariants(board, layout));
        EXPECT_EQ(layout, testsupport::homeLayout);
        EXPECT_EQ(board.text(31), "0");
        EXPECT_EQ(board.text(logic::Text47), "2640");
        EXPECT_EQ(board.text(logic::Text48), "2640");
        EXPECT_EQ(board.text(logic::Text1), "0");
        checked = true;
    };
    logic::shuffle(board, random);
    EXPECT_TRUE(checked);
}

TEST_P(Shuffle, EndsWithTheCounterAtZeroAndTheGameOn)
{
    Board board = GetParam().make();
    ScriptedRandom random({drawFor(12), drawFor(11), drawFor(7), drawFor(6), drawFor(1)});
    Recorder recorder(board);
    logic::shuffle(board, random);
    EXPECT_EQ(recorder.log[recorder.log.size() - 2], "Text1=1");
    EXPECT_EQ(recorder.log.back(), "Text2=0");
    Layout layout {};
    ASSERT_TRUE(testsupport::keepsInvariants(board, layout));
    // Tiles 12, 11, 7 and 6 slid one after the other; the thousand presses of tile 1 did nothing.
    EXPECT_EQ(layout, (Layout {1, 2, 3, 4, 5, 0, 6, 8, 9, 10, 7, 11, 13, 14, 15, 12}));
    EXPECT_EQ(board.text(logic::Text47), "1200");
    EXPECT_EQ(board.text(logic::Text48), "1200");
    for (const std::string &entry : recorder.log)
        EXPECT_EQ(entry.rfind("congratulations", 0), std::string::npos) << entry;
}

INSTANTIATE_TEST_SUITE_P(StartingBoards, Shuffle,
                         testing::Values(StartingBoard {"startUp", &startUp},
                                         StartingBoard {"midGame", &midGame},
                                         StartingBoard {"corrupt", &corrupt}),
                         [](const auto &board) { return std::string(board.param.name); });

TEST(ShuffleOrder, ResetsGameFlagButtonsFlagsAndPositionsInThatOrder)
{
    Board board = midGame();
    Recorder recorder(board);
    ScriptedRandom random({0.0});
    std::size_t before = 0;
    random.onFirstDraw = [&] { before = recorder.log.size(); };
    logic::shuffle(board, random);
    ASSERT_EQ(before, 66u);
    const auto &log = recorder.log;
    EXPECT_EQ(log[0], "Text1=0");
    EXPECT_EQ(log[1], "Command1.Left=480");
    EXPECT_EQ(log[2], "Command1.Top=480");
    EXPECT_EQ(log[29], "Command15.Left=1920");
    EXPECT_EQ(log[30], "Command15.Top=2640");
    EXPECT_EQ(log[31], "Command16.Left=2640");
    EXPECT_EQ(log[32], "Command16.Top=2640");
    EXPECT_EQ(log[33], "Text16=1");
    EXPECT_EQ(log[47], "Text30=1");
    EXPECT_EQ(log[48], "Text31=0");
    EXPECT_EQ(log[49], "Text47=2640");
    EXPECT_EQ(log[50], "Text48=2640");
    EXPECT_EQ(log[51], "Text32=1");
    EXPECT_EQ(log[65], "Text46=15");
    // A draw of 0 presses tile 1, which cannot leave cell 1: every press only counts.
    ASSERT_EQ(log.size(), 66u + 1000u + 2u);
    EXPECT_EQ(log[66], "Text2=58");
    EXPECT_EQ(log[1065], "Text2=1057");
}

TEST(ShuffleOrder, ReseedsBeforeEveryOneOfTheThousandDraws)
{
    Board board;
    ScriptedRandom random({drawFor(3)});
    logic::shuffle(board, random);
    std::string expected;
    for (int i = 0; i < 1000; ++i)
        expected += "rd";
    EXPECT_EQ(random.calls, expected);
}

TEST(ShuffleOrder, HighestDrawPressesTileFifteenAndMayEndHome)
{
    Board board;
    Recorder recorder(board);
    ScriptedRandom random({std::nextafter(1.0, 0.0)});
    logic::shuffle(board, random);
    // Tile 15 slides between cells 15 and 16 a thousand times and so ends at home.
    const auto moves = std::count(recorder.log.begin(), recorder.log.end(), "Command15.Top=2640");
    EXPECT_EQ(moves, 1001);
    Layout layout {};
    ASSERT_TRUE(testsupport::keepsInvariants(board, layout));
    EXPECT_EQ(layout, testsupport::homeLayout);
    EXPECT_EQ(board.text(logic::Text1), "1");

    recorder.log.clear();
    board.clickTile(1);
    EXPECT_EQ(recorder.log, (std::vector<std::string> {"Text2=1", "congratulations 1"}));
}

// The program's own source, with a clock that never moves: the draws must still wander.
class ClockSeededRandomFrozen : public testing::TestWithParam<std::uint64_t>
{
};

TEST_P(ClockSeededRandomFrozen, StillDrawsEveryTileInRange)
{
    const std::uint64_t now = GetParam();
    logic::ClockSeededRandom random([now] { return now; });
    std::set<int> tiles;
    for (int i = 0; i < 1000; ++i) {
        random.reseedFromClock();
        const double r = random.draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        tiles.insert(logic::drawnTile(r));
    }
    EXPECT_EQ(tiles.size(), 15u);
}

TEST_P(ClockSeededRandomFrozen, ShuffleMixesTheBoard)
{
    const std::uint64_t now = GetParam();
    logic::ClockSeededRandom random([now] { return now; });
    Board board;
    Recorder recorder(board);
    logic::shuffle(board, random);
    const auto slides =
        std::count_if(recorder.log.begin(), recorder.log.end(),
                      [](const std::string &e) { return e.rfind("Command16.Left", 0) == 0; });
    EXPECT_GT(slides, 100);
    Layout layout {};
    ASSERT_TRUE(testsupport::keepsInvariants(board, layout));
    int away = 0;
    for (std::size_t cell = 0; cell < 15; ++cell)
        away += layout[cell] != static_cast<int>(cell + 1);
    EXPECT_GE(away, 8);
    EXPECT_TRUE(testsupport::solvable(layout));
}

INSTANTIATE_TEST_SUITE_P(ClockReadings, ClockSeededRandomFrozen,
                         testing::Values(0u, 1u, 123456789u, 0xffffffffffffffffu));

} // namespace
