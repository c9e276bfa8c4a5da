#pragma once

// Timing helpers shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// Milliseconds one run of work takes.
inline double Ms(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median milliseconds of runs of work.
inline double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(Ms(work));
    return Median(times);
}
