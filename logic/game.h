#pragma once

#include "logic/board.h"
#include "logic/random.h"

namespace logic {

// The game the board window plays: the board, where the shuffle's draws come from, and the
// place each button stands on as the board's own fields say.
class Game
{
public:
    Board &board() { return m_board; }
    const Board &board() const { return m_board; }

    // Tests mix with their own draws; nullptr puts back the game's own source, re-seeded from
    // the clock.
    void setRandomSource(RandomSource *source);
    // A new game: the board mixed by the shuffle.
    void shuffle();

    // Row and column, 1 to 4 from the top-left corner, of the place that a button's Left and Top
    // stand on.
    struct Place
    {
        int row;
        int column;
    };
    Place placeOf(int button) const;

private:
    Board m_board;
    ClockSeededRandom m_clockRandom;
    RandomSource *m_random = &m_clockRandom;
};

} // namespace logic
