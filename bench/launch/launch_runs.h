// What both launch timers share: the order of the runs, and the figures they print (each
// program's median time to its window, with quartiles and the fastest run, and the ratio of
// the first program's median to the second's).
#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace tarvik::bench {

struct LaunchSeries {
    std::string name;
    std::vector<double> milliseconds;  // one per measured run
};

// The value at fraction `at` of the sorted times, interpolated between neighbours.
inline double Quantile(std::vector<double> times, double at) {
    if (times.empty()) {
        return 0.0;
    }
    std::sort(times.begin(), times.end());
    const double position = at * static_cast<double>(times.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, times.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return times[below] + (times[above] - times[below]) * fraction;
}

// The number of runs asked for on the command line; 0 unless it is a whole number from 1.
inline int ParseRuns(const std::string& text) {
    int runs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), runs);
    return error == std::errc() && end == text.data() + text.size() && runs > 0 ? runs : 0;
}

// How the figures name each program: its file name, numbered when one is timed against itself.
inline std::vector<std::string> Labels(const std::vector<std::string>& programs) {
    std::vector<std::string> labels;
    for (const std::string& program : programs) {
        std::string label = program.substr(program.find_last_of("/\\") + 1);
        if (std::find(labels.begin(), labels.end(), label) != labels.end()) {
            label += " (" + std::to_string(labels.size() + 1) + ")";
        }
        labels.push_back(label);
    }
    return labels;
}

// Launches each program `warmups` times unmeasured (caches, the wine server's first start),
// then `runs` times each, alternating, with the order swapped every round so that a drift in
// the machine's speed falls on every program alike. `launch(i)` starts program i and returns
// the milliseconds until its window showed.
template <typename Launch>
std::vector<LaunchSeries> MeasureAlternating(const std::vector<std::string>& programs, int warmups,
                                             int runs, Launch launch) {
    std::vector<LaunchSeries> series;
    for (const std::string& label : Labels(programs)) {
        series.push_back({label, {}});
    }
    for (int round = 0; round < warmups + runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t program = round % 2 == 0 ? k : programs.size() - 1 - k;
            const double milliseconds = launch(program);
            if (round >= warmups) {
                series[program].milliseconds.push_back(milliseconds);
            }
        }
    }
    return series;
}

inline void PrintLaunchFigures(const std::vector<LaunchSeries>& series) {
    for (const LaunchSeries& one : series) {
        const auto& times = one.milliseconds;
        std::printf("%-24s median %8.2f ms   quartiles %8.2f .. %8.2f   fastest %8.2f   runs %zu\n",
                    one.name.c_str(), Quantile(times, 0.5), Quantile(times, 0.25),
                    Quantile(times, 0.75), *std::min_element(times.begin(), times.end()),
                    times.size());
    }
    if (series.size() == 2) {
        std::printf("ratio of medians, %s / %s: %.3f\n", series[0].name.c_str(),
                    series[1].name.c_str(),
                    Quantile(series[0].milliseconds, 0.5) / Quantile(series[1].milliseconds, 0.5));
    }
    std::fflush(stdout);
}

}  // namespace tarvik::bench
