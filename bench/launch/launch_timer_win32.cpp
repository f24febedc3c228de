// Measures how long Windows programs take from their start until their top-level window is
// visible: starts each program in turn with CreateProcessW, waits until it is idle for input
// (it has shown its window and waits for messages), then looks for its visible unowned
// window, polling each millisecond in case it went idle before showing one. Then it closes
// the window with WM_CLOSE and waits for the program to end.
// Usage: launch_timer_win32 RUNS PROGRAM [PROGRAM]
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/launch/launch_runs.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr int kWarmups = 3;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<Search*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window) != 0 &&
        GetWindow(window, GW_OWNER) == nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ShownWindow(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / ticksPerMs;
}

std::string Narrow(const std::wstring& wide) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

class Process {
  public:
    explicit Process(const std::wstring& program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info_) == 0) {
            throw std::runtime_error("cannot start " + Narrow(program));
        }
    }
    ~Process() {
        if (WaitForSingleObject(info_.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, INFINITE);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&&) = delete;
    Process& operator=(Process&&) = delete;

    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }

  private:
    PROCESS_INFORMATION info_{};
};

// Starts `program`, returns the milliseconds until its window was visible, then closes it.
// Counts in `latePolls` the runs whose window showed only after the program went idle, whose
// time then includes up to a millisecond of polling.
double TimeToWindow(const std::wstring& program, int& latePolls) {
    LARGE_INTEGER start{};
    QueryPerformanceCounter(&start);
    const Process process(program);
    WaitForInputIdle(process.Handle(), kTimeoutMs);
    HWND window = ShownWindow(process.Id());
    if (window == nullptr) {
        ++latePolls;
    }
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    while (window == nullptr) {
        if (WaitForSingleObject(process.Handle(), 1) == WAIT_OBJECT_0) {
            throw std::runtime_error(Narrow(program) + " ended before its window showed");
        }
        window = ShownWindow(process.Id());
        QueryPerformanceCounter(&now);
        if (window == nullptr && Milliseconds(start, now) > kTimeoutMs) {
            TerminateProcess(process.Handle(), 1);
            throw std::runtime_error(Narrow(program) + " showed no window in time");
        }
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    return Milliseconds(start, now);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    const int runs = argc > 1 ? tarvik::bench::ParseRuns(Narrow(argv[1])) : 0;
    if (argc < 3 || argc > 4 || runs < 1) {
        std::fputs("usage: launch_timer_win32 RUNS PROGRAM [PROGRAM]\n", stderr);
        return 2;
    }
    std::vector<std::string> programs;
    for (int i = 2; i < argc; ++i) {
        programs.push_back(Narrow(argv[i]));
    }
    int latePolls = 0;
    try {
        const auto series =
            tarvik::bench::MeasureAlternating(programs, kWarmups, runs, [&](std::size_t program) {
                return tarvik::bench::Launch{TimeToWindow(argv[2 + program], latePolls), {}};
            });
        tarvik::bench::PrintLaunchFigures(series);
        std::printf("runs (warm-ups too) whose window showed only after going idle: %d\n",
                    latePolls);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "launch_timer_win32: %s\n", error.what());
        return 1;
    }
    return 0;
}
