#pragma once

#include "logic/random.h"

#include <string>
#include <vector>

namespace testsupport {

// Hands out the draws given, then 0 (tile 1) for ever; writes each re-seed and draw into `log`,
// if one is given, among whatever else is written there.
class ScriptedRandom : public logic::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> draws = {}, std::vector<std::string> *log = nullptr)
        : m_draws(std::move(draws))
        , m_log(log)
    {
    }
    void reseedFromClock() override
    {
        if (m_log)
            m_log->push_back("reseed");
    }
    double draw() override
    {
        if (m_log)
            m_log->push_back("draw");
        return m_next < m_draws.size() ? m_draws[m_next++] : 0.0;
    }

private:
    std::vector<double> m_draws;
    std::vector<std::string> *m_log;
    std::size_t m_next = 0;
};

// Tile 15 first, then tile 1 for the other 999 presses: the shuffle leaves only tile 15 out of
// place, in cell 16, and one click on it solves the board.
inline ScriptedRandom oneMoveFromHome()
{
    return ScriptedRandom({14.5 / 15});
}

} // namespace testsupport
