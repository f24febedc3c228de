// What a Windows screen reader receives from tarvik.exe, taken as one does: from another
// process, through an out-of-context win event hook, each event's object reached through
// oleacc and read for its name, role and state. It starts the program, works it from the
// keyboard as a user does (Tab through the fields, a bracket without solution, 計算), prints
// every event it heard, and fails unless each Tab brought a focus event whose object it could
// read, the fields were named after their labels and the buttons after their captions, and
// an alert carried the message.
//   winevent_client PROGRAM
// Under wine the fields' names are wine's: its oleacc names an edit control after the first
// static control before it in z-order and has no SetHwndPropStr, by which the window names
// each field after its own label, so there the names heard are printed, not required.
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/win32/wide.h"

namespace {

using tarvik::win32::Narrow;

constexpr std::string_view kMessage = "解がありません。挟込範囲を変更して下さい。";
// The names a screen reader must say as Tab enters each input field and each button.
constexpr std::array<std::string_view, 3> kLabels{"流量(L/min)", "解の挟込最小値(mm)",
                                                  "最大値(mm)"};
constexpr std::array<std::string_view, 2> kButtons{"計算", "クリヤ"};

// The keys, in the window's tab order (流量, 解の挟込最小値, 計算, クリヤ, 最大値, 越流高さ,
// Trial回数), from the focus in 流量 where the window starts: the bracket 1000 L/min in
// 200–500 mm typed as Tab first enters each field, then round to 流量 again and on to 計算,
// which the space bar presses.
struct Keys {
    const char* text;  // typed, or else
    WORD key;          // pressed
    int times;
};
constexpr std::array<Keys, 7> kKeys{{{"1000", 0, 1},
                                     {nullptr, VK_TAB, 1},
                                     {"200", 0, 1},
                                     {nullptr, VK_TAB, 3},
                                     {"500", 0, 1},
                                     {nullptr, VK_TAB, 5},
                                     {nullptr, VK_SPACE, 1}}};

struct Heard {
    DWORD event;
    LONG object;
    LONG child;
    HRESULT reached;  // of AccessibleObjectFromEvent
    std::string name;
    LONG role;
    LONG state;
    int control;  // the window's control id, 0 for the window itself
};

// A win event hook is a plain function: what it hears goes here, for main() to read.
std::vector<Heard> heard;

std::string Hex(unsigned long number) {
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "0x%lx", number);
    return text.data();
}

std::string EventName(DWORD event) {
    struct Named {
        DWORD event;
        const char* name;
    };
    static constexpr std::array<Named, 15> kNames{{
        {EVENT_SYSTEM_FOREGROUND, "foreground"},
        {EVENT_SYSTEM_ALERT, "alert"},
        {EVENT_OBJECT_CREATE, "create"},
        {EVENT_OBJECT_DESTROY, "destroy"},
        {EVENT_OBJECT_SHOW, "show"},
        {EVENT_OBJECT_HIDE, "hide"},
        {EVENT_OBJECT_REORDER, "reorder"},
        {EVENT_OBJECT_FOCUS, "focus"},
        {EVENT_OBJECT_SELECTION, "selection"},
        {EVENT_OBJECT_STATECHANGE, "state"},
        {EVENT_OBJECT_LOCATIONCHANGE, "location"},
        {EVENT_OBJECT_NAMECHANGE, "name"},
        {EVENT_OBJECT_VALUECHANGE, "value"},
        {0x8014, "text selection"},  // EVENT_OBJECT_TEXTSELECTIONCHANGED
        {0x8019, "live region"},     // EVENT_OBJECT_LIVEREGIONCHANGED
    }};
    const auto* named = std::find_if(kNames.begin(), kNames.end(),
                                     [event](const Named& known) { return known.event == event; });
    return named == kNames.end() ? Hex(event) : named->name;
}

void CALLBACK Note(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                   DWORD /*thread*/, DWORD /*time*/) {
    // Noted first: reaching the object sends the program a message, and while waiting for its
    // answer this thread hears the events that came after, in calls nested in this one.
    const std::size_t index = heard.size();
    heard.push_back({event, object, child, E_FAIL, {}, 0, 0, GetDlgCtrlID(window)});
    IAccessible* accessible = nullptr;
    VARIANT self{};
    const HRESULT reached = window == nullptr ? E_INVALIDARG
                                              : AccessibleObjectFromEvent(
                                                    window, static_cast<DWORD>(object),
                                                    static_cast<DWORD>(child), &accessible, &self);
    heard[index].reached = reached;
    if (FAILED(reached) || accessible == nullptr) {
        return;
    }
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
        heard[index].name = Narrow(name);
    }
    SysFreeString(name);
    VARIANT value{};
    if (accessible->get_accRole(self, &value) == S_OK && value.vt == VT_I4) {
        heard[index].role = value.lVal;
    }
    VariantClear(&value);
    if (accessible->get_accState(self, &value) == S_OK && value.vt == VT_I4) {
        heard[index].state = value.lVal;
    }
    VariantClear(&value);
    VariantClear(&self);
    accessible->Release();
}

// Hands the hook its events for a while: out of context, they come as messages.
void Listen(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    while (GetTickCount64() < until) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

struct Found {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM found) {
    auto& wanted = *reinterpret_cast<Found*>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == wanted.process && IsWindowVisible(window) != FALSE) {
        wanted.window = window;
        return FALSE;
    }
    return TRUE;
}

void Press(WORD key) {
    std::array<INPUT, 2> inputs{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Listen(300);
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string Describe(const Heard& note) {
    std::string line = EventName(note.event) + ": control " + std::to_string(note.control) +
                       " object " + std::to_string(note.object) + " child " +
                       std::to_string(note.child) + " role " + std::to_string(note.role) +
                       " state " + Hex(static_cast<unsigned long>(note.state));
    if (FAILED(note.reached)) {
        line += ", unreached (" + Hex(static_cast<unsigned long>(note.reached)) + ")";
    }
    return line + " \"" + note.name + "\"";
}

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The program started suspended, so that the hook listens before it says anything.
bool Start(wchar_t* path, PROCESS_INFORMATION& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + std::wstring(path) + L"\"";
    return CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          nullptr, &startup, &program) != FALSE;
}

HWND WindowOf(DWORD process) {
    Found found{process, nullptr};
    for (int tries = 0; tries < 100 && found.window == nullptr; ++tries) {
        Listen(100);
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&found));
    }
    return found.window;
}

// Presses every key of kKeys; returns how many were Tab.
int PressKeys() {
    int tabs = 0;
    for (const Keys& keys : kKeys) {
        for (int time = 0; time < keys.times; ++time) {
            if (keys.text != nullptr) {
                for (const char* digit = keys.text; *digit != '\0'; ++digit) {
                    Press(static_cast<WORD>(*digit));
                }
            } else {
                Press(keys.key);
                tabs += keys.key == VK_TAB ? 1 : 0;
            }
        }
    }
    return tabs;
}

// What is wrong with the events heard since the first key.
std::vector<std::string> Check(const std::vector<Heard>& since, int tabs, bool underWine) {
    std::vector<std::string> failures;
    std::vector<const Heard*> focus;
    for (const Heard& note : since) {
        if (note.event == EVENT_OBJECT_FOCUS) {
            focus.push_back(&note);
        }
    }
    if (focus.size() != static_cast<std::size_t>(tabs)) {
        failures.push_back(std::to_string(tabs) + " presses of Tab brought " +
                           std::to_string(focus.size()) + " focus events");
    }
    // wine's oleacc gives a button the role of a plain client object: buttons are known by
    // their names alone.
    const auto focused = [&](std::string_view name, LONG role) {
        return std::any_of(focus.begin(), focus.end(), [&](const Heard* note) {
            return note->name == name && (role == 0 || note->role == role) &&
                   SUCCEEDED(note->reached);
        });
    };
    for (std::string_view label : kLabels) {
        if (!focused(label, ROLE_SYSTEM_TEXT)) {
            if (underWine) {
                Print("winevent_client: wine does not name the field of " + std::string(label));
            } else {
                failures.push_back("no focus event on a field named " + std::string(label));
            }
        }
    }
    for (std::string_view caption : kButtons) {
        if (!focused(caption, 0)) {
            failures.push_back("no focus event on a button named " + std::string(caption));
        }
    }
    const bool alerted = std::any_of(since.begin(), since.end(), [](const Heard& note) {
        return note.event == EVENT_SYSTEM_ALERT && note.role == ROLE_SYSTEM_ALERT &&
               note.name == kMessage;
    });
    if (!alerted) {
        failures.push_back("no alert carried the message " + std::string(kMessage));
    }
    return failures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        Print("usage: winevent_client PROGRAM");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PROCESS_INFORMATION program{};
    if (!Start(argv[1], program)) {
        Print("winevent_client: the program does not start");
        return 1;
    }
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Note,
                                               program.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    ResumeThread(program.hThread);
    WaitForInputIdle(program.hProcess, 10000);
    const HWND window = WindowOf(program.dwProcessId);

    std::vector<std::string> failures;
    if (hook == nullptr || window == nullptr) {
        failures.emplace_back(hook == nullptr ? "no hook" : "no window");
    } else {
        // The keys go to the foreground window, as from the keyboard.
        SetForegroundWindow(window);
        Listen(500);
        if (GetForegroundWindow() != window) {
            failures.emplace_back("the window does not come to the foreground");
        }
        const std::size_t firstKey = heard.size();
        const int tabs = PressKeys();
        Listen(1000);
        for (const Heard& note : heard) {
            Print(Describe(note));
        }
        const std::vector<Heard> since(heard.begin() + static_cast<std::ptrdiff_t>(firstKey),
                                       heard.end());
        for (std::string& failure : Check(since, tabs, UnderWine())) {
            failures.push_back(std::move(failure));
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (hook != nullptr) {
        UnhookWinEvent(hook);
    }
    if (WaitForSingleObject(program.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(program.hProcess, 1);
    }
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
    for (const std::string& failure : failures) {
        Print("winevent_client: " + failure);
    }
    if (failures.empty()) {
        Print("winevent_client: every Tab and the message heard");
    }
    return failures.empty() ? 0 : 1;
}
