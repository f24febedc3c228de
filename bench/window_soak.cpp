// Whether the Qt window holds on to memory as it is used: opens TARVIK on the offscreen
// platform and runs 10,000 cycles of Calculate and Clear, alternately with a result and with
// the red no-solution message, then prints the resident set size after the first 1,000
// cycles and after all of them. A leak shows as growth between the two.
#include <QApplication>
#include <QPushButton>
#include <QString>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "weir/window_port.h"
#include "window/qt/main_window.h"

namespace {

constexpr int kSettled = 1000;
constexpr int kCycles = 10000;

struct Inputs {
    const char* flow;
    const char* lower;
    const char* upper;
    bool solved;  // whether the bracket holds the head, so that Text4 shows it
};
constexpr std::array<Inputs, 2> kInputs{{
    {"1000", "50", "500", true},
    {"1000", "200", "500", false},
}};

// VmRSS from /proc/self/status, in KiB; -1 where the system has none.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    tarvik::qt::Window window;
    window.show();
    QApplication::processEvents();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* clear = window.findChild<QPushButton*>(QStringLiteral("Command2"));
    if (calculate == nullptr || clear == nullptr) {
        std::fputs("window_soak: the window has no Command1 or Command2\n", stderr);
        return 1;
    }

    const long opened = ResidentKiB();
    long settled = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        const Inputs& inputs = kInputs.at(static_cast<std::size_t>(cycle) % kInputs.size());
        window.Core().SetText(weir::Field::Text1, inputs.flow);
        window.Core().SetText(weir::Field::Text2, inputs.lower);
        window.Core().SetText(weir::Field::Text3, inputs.upper);
        calculate->click();
        QApplication::processEvents();  // paints the head or the red message
        const bool shown = !window.Core().GetText(weir::Field::Text4).empty();
        clear->click();
        QApplication::processEvents();
        // A soak of a window that no longer calculates or clears would measure nothing.
        if (shown != inputs.solved || !window.Core().GetText(weir::Field::Text4).empty()) {
            std::fprintf(stderr, "window_soak: cycle %d did not calculate and clear\n", cycle);
            return 1;
        }
        if (cycle == kSettled) {
            settled = ResidentKiB();
        }
    }
    const long last = ResidentKiB();
    std::printf("VmRSS with the window open:     %6ld KiB\n", opened);
    std::printf("VmRSS after %5d cycles:        %6ld KiB\n", kSettled, settled);
    std::printf("VmRSS after %5d cycles:        %6ld KiB\n", kCycles, last);
    std::printf("growth over the last %d cycles: %+ld KiB (%.1f bytes a cycle)\n",
                kCycles - kSettled, last - settled,
                static_cast<double>(last - settled) * 1024.0 / (kCycles - kSettled));
    return 0;
}
