#include "logic/game.h"

#include "logic/shuffle.h"

#include <cmath>

namespace logic {

void Game::setRandomSource(RandomSource *source)
{
    m_random = source ? source : &m_clockRandom;
}

void Game::shuffle()
{
    logic::shuffle(m_board, *m_random);
}

Game::Place Game::placeOf(int button) const
{
    constexpr double pitch = cellLeft(2) - cellLeft(1);
    const auto index = [](double twips, int first) {
        return static_cast<int>(std::floor((twips - first) / pitch)) + 1;
    };
    return {index(m_board.top(button), cellTop(1)), index(m_board.left(button), cellLeft(1))};
}

} // namespace logic
