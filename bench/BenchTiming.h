#pragma once
// The timing of the window benchmarks (the best and the median of a number
// of calls, printed beside the goal) and the environment they run in.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace korvan::bench {

// Milliseconds per call: the best and the median of `rounds` calls.
inline std::pair<double, double> TimeMillis(int rounds, const std::function<void(int)>& call) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> spent;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        call(r);
        spent.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(spent.begin(), spent.end());
    return {spent.front(), spent[spent.size() / 2]};
}

// A goal of 0 prints none.
inline void Print(const char* what, std::pair<double, double> t, double goal) {
    if (goal > 0)
        std::printf("%-28s best %8.3f ms  median %8.3f ms  (goal <= %.0f ms)\n", what, t.first, t.second,
                    goal);
    else
        std::printf("%-28s best %8.3f ms  median %8.3f ms\n", what, t.first, t.second);
}

// Qt's offscreen platform unless one is chosen, and, whatever the
// environment says, the window's link pointed at loopback.
inline void UseOffscreenLoopback() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KORVAN_UNIT_ADDRESS", "127.0.0.1", 1);
}

} // namespace korvan::bench
