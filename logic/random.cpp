#include "logic/random.h"

#include <chrono>
#if defined(__linux__)
#include <time.h>
#endif

namespace logic {

namespace {

// The shuffle re-seeds a thousand times in a row, so the clock is read a thousand times: the
// coarse clock costs a few nanoseconds where the precise one costs tens. Its ticks are a few
// milliseconds apart, which the mixing with the running state makes up for.
std::uint64_t clockNanoseconds()
{
#if defined(__linux__)
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000ULL +
           static_cast<std::uint64_t>(now.tv_nsec);
#else
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
#endif
}

// SplitMix64's finaliser: every input bit reaches every output bit.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

ClockSeededRandom::ClockSeededRandom(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(clockNanoseconds))
    , m_state(mix(m_clock()))
{
}

std::uint64_t ClockSeededRandom::next()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    return mix(m_state);
}

void ClockSeededRandom::reseedFromClock()
{
    // The state moves on with every draw, so the same clock reading twice still seeds apart.
    m_state = mix(m_state ^ m_clock());
}

double ClockSeededRandom::draw()
{
    // The top 53 bits as a fraction: 0 <= r < 1 exactly, every value equally likely.
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

} // namespace logic
