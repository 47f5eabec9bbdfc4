#pragma once

#include "logic/random.h"

#include <string>
#include <vector>

namespace testsupport {

// Hands out the draws given, then 0 (tile 1) for ever; notes each re-seed and draw in `log`.
class ScriptedRandom : public logic::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> draws = {}, std::vector<std::string> *log = nullptr)
        : m_draws(std::move(draws))
        , m_log(log)
    {
    }
    void reseedFromClock() override { note("reseed"); }
    double draw() override
    {
        note("draw");
        return m_next < m_draws.size() ? m_draws[m_next++] : 0.0;
    }

private:
    void note(const char *what)
    {
        if (m_log)
            m_log->push_back(what);
    }
    std::vector<double> m_draws;
    std::vector<std::string> *m_log;
    std::size_t m_next = 0;
};

// Tile 15 first, then tile 1: only tile 15 is left out of place, in cell 16; one click solves.
inline ScriptedRandom oneMoveFromHome()
{
    return ScriptedRandom({14.5 / 15});
}

} // namespace testsupport
