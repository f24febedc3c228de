// What both launch timers share: the order of the runs, and the figures they print (each
// program's median time to its window with quartiles and the fastest run, and the first
// program's median and fastest run as a ratio of the second's).
#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tarvik::bench {

// One start of a program: the wall-clock time until its window showed and, where the timer
// can tell, the processor time the program had used by then. On a machine whose cores are
// shared, the processor time stays steady while the wall clock waits for others' work.
struct Launch {
    double milliseconds = 0.0;
    std::optional<double> cpuMilliseconds;
};

struct LaunchSeries {
    std::string name;
    std::vector<double> milliseconds;     // one per measured run
    std::vector<double> cpuMilliseconds;  // as many, or none where the timer cannot tell
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
// its Launch.
template <typename Start>
std::vector<LaunchSeries> MeasureAlternating(const std::vector<std::string>& programs, int warmups,
                                             int runs, Start launch) {
    std::vector<LaunchSeries> series;
    for (const std::string& label : Labels(programs)) {
        series.push_back({label, {}, {}});
    }
    for (int round = 0; round < warmups + runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t program = round % 2 == 0 ? k : programs.size() - 1 - k;
            const Launch measured = launch(program);
            if (round >= warmups) {
                series[program].milliseconds.push_back(measured.milliseconds);
                if (measured.cpuMilliseconds) {
                    series[program].cpuMilliseconds.push_back(*measured.cpuMilliseconds);
                }
            }
        }
    }
    return series;
}

inline void PrintFigure(const char* title, const std::vector<LaunchSeries>& series,
                        std::vector<double> LaunchSeries::*times) {
    std::printf("%-28s %9s %21s %9s\n", title, "median", "quartiles", "fastest");
    for (const LaunchSeries& one : series) {
        const std::vector<double>& each = one.*times;
        std::printf("  %-26s %9.2f %9.2f .. %9.2f %9.2f\n", one.name.c_str(), Quantile(each, 0.5),
                    Quantile(each, 0.25), Quantile(each, 0.75), Quantile(each, 0.0));
    }
    if (series.size() == 2) {
        const std::vector<double>& first = series[0].*times;
        const std::vector<double>& second = series[1].*times;
        std::printf("  %-26s %9.3f %21s %9.3f\n", "ratio",
                    Quantile(first, 0.5) / Quantile(second, 0.5), "",
                    Quantile(first, 0.0) / Quantile(second, 0.0));
    }
}

inline void PrintLaunchFigures(const std::vector<LaunchSeries>& series) {
    if (series.empty() || series[0].milliseconds.empty()) {
        return;
    }
    std::printf("%zu runs each, alternating\n", series[0].milliseconds.size());
    PrintFigure("time to window, ms", series, &LaunchSeries::milliseconds);
    const bool cpuKnown = std::all_of(series.begin(), series.end(), [](const LaunchSeries& one) {
        return one.cpuMilliseconds.size() == one.milliseconds.size();
    });
    if (cpuKnown) {
        PrintFigure("processor time by then, ms", series, &LaunchSeries::cpuMilliseconds);
    }
    std::fflush(stdout);
}

}  // namespace tarvik::bench
