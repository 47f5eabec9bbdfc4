// The game's hot paths on the model alone: one whole shuffle and one tile move, with an observer
// attached that does what the board window's mirror does per call (a store).

#include "logic/board.h"
#include "logic/random.h"
#include "logic/shuffle.h"

#include <benchmark/benchmark.h>

namespace {

class CountingObserver : public logic::BoardObserver
{
public:
    void fieldChanged(int field, const std::string &text) override
    {
        m_last = field + static_cast<int>(text.size());
        benchmark::DoNotOptimize(m_last);
    }
    void buttonLeftChanged(int button, float left) override
    {
        m_x = left + static_cast<float>(button);
    }
    void buttonTopChanged(int button, float top) override
    {
        m_y = top + static_cast<float>(button);
    }

private:
    int m_last = 0;
    float m_x = 0;
    float m_y = 0;
};

void BM_Shuffle(benchmark::State &state)
{
    logic::Board board;
    CountingObserver observer;
    board.addObserver(&observer);
    logic::ClockSeededRandom random;
    for (auto _ : state)
        logic::shuffle(board, random);
}
BENCHMARK(BM_Shuffle)->Unit(benchmark::kMicrosecond);

void BM_TileMove(benchmark::State &state)
{
    logic::Board board;
    CountingObserver observer;
    board.addObserver(&observer);
    logic::ClockSeededRandom random;
    logic::shuffle(board, random);
    // Tile standing next to the empty place: clicking it twice moves it out and back.
    int tile = 0;
    for (int t = 1; t <= logic::tileCount && tile == 0; ++t) {
        const int cell = std::stoi(board.text(logic::tilePositionField(t)));
        for (int n : logic::neighboursOf(cell)) {
            if (board.text(logic::cellFlagField(n)) == "0")
                tile = t;
        }
    }
    for (auto _ : state)
        board.clickTile(tile);
}
BENCHMARK(BM_TileMove)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
