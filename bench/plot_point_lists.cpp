// Plot point lists: appending to the default list (the one an XY channel
// starts with) and feeding a full ring buffer.
//
// Goals on the development machine (for the XY channel built on this list):
// 10M appends at <= 20 ns and <= 26 resident bytes a point; a ring of 100k
// points fed 10M points allocates nothing once it is full.

#include "controls/plot/core/NullPointList.h"
#include "platform/sys/ProcessMemory.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <utility>
#include <vector>

// Every allocation of the program passes here, so the ring's claim can be
// counted rather than inferred.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_calloc(std::size_t n, std::size_t size);
}

namespace {
long allocations = 0;
}

extern "C" void* malloc(std::size_t size) {
    ++allocations;
    return __libc_malloc(size);
}
extern "C" void* realloc(void* p, std::size_t size) {
    ++allocations;
    return __libc_realloc(p, size);
}
extern "C" void* calloc(std::size_t n, std::size_t size) {
    ++allocations;
    return __libc_calloc(n, size);
}

namespace {

using Clock = std::chrono::steady_clock;

long ResidentBytes() {
    return korvan::sys::ResidentKiB() * 1024;
}

// One round of appends: nanoseconds a point, and resident bytes a point
// while the list holds them.
std::pair<double, double> AppendRound(int points) {
    const long before = ResidentBytes();
    TiPlotDataNullList list;
    const auto start = Clock::now();
    for (int i = 0; i < points; ++i) {
        list.Add(i, i * 0.5, false, false);
    }
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    return {spent.count() / points, double(ResidentBytes() - before) / points};
}

void Appends() {
    // The machine is shared: the best and the median of five rounds.
    constexpr int points = 10'000'000;
    std::vector<double> times;
    double bytes = 0;
    for (int round = 0; round < 5; ++round) {
        const auto [ns, perPoint] = AppendRound(points);
        times.push_back(ns);
        bytes = std::max(bytes, perPoint);
    }
    std::sort(times.begin(), times.end());
    std::printf("10M appends to the default point list: best %.1f, median %.1f ns a point (goal <= 20); %.1f "
                "resident bytes a point (goal <= 26)\n",
                times.front(), times[times.size() / 2], bytes);
}

void Ring() {
    constexpr int size = 100'000;
    constexpr int points = 10'000'000;
    TiPlotDataNullList list;
    list.SetRingBufferSize(size);
    for (int i = 0; i < size; ++i) {
        list.Add(i, i, false, false);
    }
    const long before = allocations;
    const auto start = Clock::now();
    for (int i = 0; i < points; ++i) {
        list.Add(i, i, false, false);
    }
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    std::printf("ring of 100k fed 10M points: %ld allocations after it filled (goal 0), %.1f ns a point\n",
                allocations - before, spent.count() / points);
}

} // namespace

int main() {
    Appends();
    Ring();
    return 0;
}
