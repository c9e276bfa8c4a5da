#pragma once

// Timing helpers shared by the benchmarks.

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstdio>
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

// Min, median and max of the ratios subject / baseline of runs taken in pairs, so that a noisy
// stretch of the machine weighs on both sides of the same ratio.
struct TRazones {
    double min = 0;
    double median = 0;
    double max = 0;
};

inline TRazones PairedRatios(const std::vector<double>& subject,
                             const std::vector<double>& baseline) {
    assert(subject.size() == baseline.size() && !subject.empty());
    std::vector<double> ratios;
    for (size_t i = 0; i < subject.size(); ++i)
        ratios.push_back(subject[i] / baseline[i]);
    std::sort(ratios.begin(), ratios.end());
    return {ratios.front(), Median(ratios), ratios.back()};
}

// One line: the medians of both sides and the paired ratios, against the goal (none when 0).
inline void PrintRatios(const char* label, const std::vector<double>& subject,
                        const std::vector<double>& baseline, double goal = 0) {
    const TRazones r = PairedRatios(subject, baseline);
    std::printf("%-34s %9.2f vs %9.2f  ratio min %.2f / median %.2f / max %.2f", label,
                Median(subject), Median(baseline), r.min, r.median, r.max);
    if (goal > 0)
        std::printf("  (goal <= %.2f: %s)", goal, r.median <= goal ? "met" : "NOT met");
    std::printf("\n");
}
