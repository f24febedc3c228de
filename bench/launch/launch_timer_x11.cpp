// Measures how long X11 programs take from their start until their top-level window is
// mapped: listens on the root window of $DISPLAY for MapNotify, starts each program in turn,
// takes the time of the first map of a window whose _NET_WM_PID is the program's and the
// processor time its threads have used by then, then ends the program.
// Usage: launch_timer_x11 RUNS PROGRAM [PROGRAM]
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/launch/launch_runs.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(30);
// How often, while no window shows, to look whether the program has ended instead.
constexpr auto kPollSlice = std::chrono::milliseconds(100);
constexpr int kWarmups = 3;

// xcb hands out its replies and events in memory from malloc.
struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

class Display {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0) {
            xcb_disconnect(connection_);
            throw std::runtime_error("cannot open the display $DISPLAY");
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        wmPid_ = Atom("_NET_WM_PID");
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    Display(Display&&) = delete;
    Display& operator=(Display&&) = delete;

    struct Map {
        Clock::time_point when;
        pid_t pid;  // from the window's _NET_WM_PID; 0 when it names none
    };

    // The next top-level window mapped within `wait`, if one was.
    std::optional<Map> NextMap(std::chrono::milliseconds wait) {
        const Clock::time_point until = Clock::now() + wait;
        for (;;) {
            Reply<xcb_generic_event_t> event(xcb_poll_for_event(connection_));
            if (!event) {
                if (!WaitForEvents(until)) {
                    return std::nullopt;
                }
                continue;
            }
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) {
                continue;
            }
            const Clock::time_point when = Clock::now();
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->event == root_ && map->override_redirect == 0) {
                return Map{when, PidOf(map->window)};
            }
        }
    }

    // Drops the events of the windows of programs already ended.
    void Discard() {
        const Reply<xcb_get_input_focus_reply_t> synced(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (Reply<xcb_generic_event_t>(xcb_poll_for_event(connection_))) {
        }
    }

  private:
    // Whether events arrived before `until`.
    bool WaitForEvents(Clock::time_point until) const {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watched{xcb_get_file_descriptor(connection_), POLLIN, 0};
        const int ready = poll(&watched, 1, static_cast<int>(left.count()));
        if (xcb_connection_has_error(connection_) != 0) {
            throw std::runtime_error("lost the display");
        }
        return ready > 0;
    }

    xcb_atom_t Atom(const char* name) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::string(name).size()),
                            name),
            nullptr));
        if (!reply) {
            throw std::runtime_error(std::string("cannot intern ") + name);
        }
        return reply->atom;
    }

    pid_t PidOf(xcb_window_t window) {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, wmPid_, XCB_ATOM_CARDINAL, 0, 1),
            nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(std::uint32_t)) {
            return 0;
        }
        return static_cast<pid_t>(
            *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t wmPid_ = 0;
};

// The processor time the threads of `pid` have used so far, from the scheduler's count in
// nanoseconds; nothing once the process is gone.
std::optional<double> CpuMilliseconds(pid_t pid) {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
    if (error) {
        return std::nullopt;
    }
    double total = 0.0;
    for (const std::filesystem::directory_entry& task : tasks) {
        std::ifstream schedstat(task.path() / "schedstat");
        double nanoseconds = 0.0;
        if (schedstat >> nanoseconds) {
            total += nanoseconds / 1e6;
        }
    }
    return total;
}

// Starts `program`, measures it until its window was mapped, then ends it.
tarvik::bench::Launch TimeToWindow(Display& display, const std::string& program) {
    display.Discard();
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        std::vector<char> path(program.begin(), program.end());
        path.push_back('\0');
        const std::array<char*, 2> arguments{path.data(), nullptr};
        execv(path.data(), arguments.data());
        _exit(127);
    }
    const auto end = [child](int signal) {
        kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
    };
    for (;;) {
        const std::optional<Display::Map> map = display.NextMap(kPollSlice);
        if (map && map->pid == child) {
            const std::optional<double> cpu = CpuMilliseconds(child);
            end(SIGTERM);
            return {std::chrono::duration<double, std::milli>(map->when - start).count(), cpu};
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            throw std::runtime_error(program + " ended before its window showed");
        }
        if (Clock::now() - start > kTimeout) {
            end(SIGKILL);
            throw std::runtime_error(program + " showed no window in time");
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? tarvik::bench::ParseRuns(argv[1]) : 0;
    if (argc < 3 || argc > 4 || runs == 0) {
        std::fputs("usage: launch_timer_x11 RUNS PROGRAM [PROGRAM]\n", stderr);
        return 2;
    }
    const std::vector<std::string> programs(argv + 2, argv + argc);
    try {
        Display display;
        const auto series = tarvik::bench::MeasureAlternating(
            programs, kWarmups, runs,
            [&](std::size_t program) { return TimeToWindow(display, programs[program]); });
        tarvik::bench::PrintLaunchFigures(series);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "launch_timer_x11: %s\n", error.what());
        return 1;
    }
    return 0;
}
