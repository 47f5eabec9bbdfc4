#pragma once

#include <cstdint>
#include <functional>

namespace logic {

// Where the shuffle's draws come from: re-seeded from the clock before every draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // A number r with 0 <= r < 1.
    virtual double draw() = 0;
};

// The game's own source. Re-seeding mixes the clock reading into the generator's running state
// rather than restarting a sequence from the clock alone: a thousand re-seeds within one tick
// of the clock still give a thousand different draws.
class ClockSeededRandom : public RandomSource
{
public:
    using Clock = std::function<std::uint64_t()>;

    // Without a clock, the system's monotonic clock is used, in nanoseconds.
    explicit ClockSeededRandom(Clock clock = {});

    void reseedFromClock() override;
    double draw() override;

private:
    std::uint64_t next();

    Clock m_clock;
    std::uint64_t m_state;
};

} // namespace logic
