// What only the Win32 window can get wrong: its controls and their styles, the layout at the
// window's dpi and after a dpi change, colours, the load, the painted surface, the names
// for screen readers, the input method, the end of the program and its GDI and USER objects.
#include <windows.h>

#include <imm.h>
#include <oleacc.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "weir/calculate.h"
#include "window/colours.h"
#include "window/layout.h"
#include "window/tests/contrast.h"
#include "window/twips.h"
#include "window/win32/tests/win32_driver.h"
#include "window/win32/wide.h"

namespace tarvik::win32::testing {
namespace {

using tarvik::testing::Key;

std::wstring ClassName(HWND control) {
    std::wstring name(64, L'\0');
    name.resize(static_cast<std::size_t>(GetClassNameW(control, name.data(), 64)));
    return name;
}

RECT ChildRect(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

UINT OtherDpi(UINT dpi) {
    return dpi == 120 ? 96 : 120;
}

class Win32Window : public ::testing::Test {
  protected:
    void SetUp() override { driver_.Open(UserDecimalSeparator().value()); }
    win32::Window& Window() { return driver_.Window(); }

    Win32Driver driver_;
};

TEST_F(Win32Window, EveryControlIsTheKindItsRowSays) {
    for (const ControlLayout& row : kControls) {
        SCOPED_TRACE(row.name);
        const HWND control = Window().Control(row.name);
        ASSERT_NE(control, nullptr);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
        EXPECT_EQ(driver_.Text(row.name), row.caption);
        EXPECT_EQ((style & WS_TABSTOP) != 0, TakesFocus(row));
        switch (row.kind) {
            case ControlKind::Label:
                EXPECT_EQ(ClassName(control), L"Static");
                EXPECT_EQ(style & SS_TYPEMASK, DWORD{SS_LEFT});  // wraps, from the top left
                break;
            case ControlKind::TextField:
                EXPECT_EQ(ClassName(control), L"Edit");
                EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY), 0U);
                EXPECT_NE(style & ES_AUTOHSCROLL, 0U);
                EXPECT_NE(exStyle & WS_EX_CLIENTEDGE, 0U);
                break;
            case ControlKind::Button:
                EXPECT_EQ(ClassName(control), L"Button");
                EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_PUSHBUTTON});  // never the default
                break;
        }
    }
    EXPECT_EQ(WindowText(Window().Handle()).value_or(""), kWindowLayout.caption);
}

UINT ExpectedDpi() {
    const char* expected = std::getenv("TARVIK_EXPECT_DPI");
    return expected != nullptr ? static_cast<UINT>(std::stoul(expected)) : 96U;
}

// The client area and every control where the layout in twips puts them at `dpi`.
void ExpectLaidOutAt(const win32::Window& window, UINT dpi) {
    struct ClientSize {
        UINT dpi;
        LONG width;
        LONG height;
    };
    const std::vector<ClientSize> sizes{{96, 240, 286}, {120, 300, 358}};
    RECT client{};
    GetClientRect(window.Handle(), &client);
    const auto size = std::find_if(sizes.begin(), sizes.end(),
                                   [dpi](const ClientSize& row) { return row.dpi == dpi; });
    ASSERT_NE(size, sizes.end());
    EXPECT_EQ(client.right, size->width);
    EXPECT_EQ(client.bottom, size->height);
    const auto scale = static_cast<int>(dpi);
    for (const ControlLayout& row : kControls) {
        SCOPED_TRACE(row.name);
        const RECT rect = ChildRect(window.Handle(), window.Control(row.name));
        EXPECT_EQ(rect.left, TwipsToPixels(row.left, scale));
        EXPECT_EQ(rect.top, TwipsToPixels(row.top, scale));
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(row.width, scale));
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(row.height, scale));
    }
}

// At the dpi the window was made at, and after Windows moves it to a monitor of the other.
TEST_F(Win32Window, LaysOutInTwipsAtTheWindowsDpi) {
    EXPECT_EQ(Window().Dpi(), ExpectedDpi());
    const int halfPoints = Window().FontHalfPoints();
    for (const UINT dpi : {Window().Dpi(), OtherDpi(Window().Dpi())}) {
        SCOPED_TRACE(dpi);
        if (dpi != Window().Dpi()) {
            const HWND window = Window().Handle();
            RECT suggested{};
            GetWindowRect(window, &suggested);
            SIZE outer{};
            SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&outer));
            suggested.right = suggested.left + outer.cx;
            suggested.bottom = suggested.top + outer.cy;
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            driver_.Pump();
            ASSERT_EQ(Window().Dpi(), dpi);
        }
        ExpectLaidOutAt(Window(), dpi);
        // The font is made again at the new dpi, at the same size in points.
        auto* const font =
            reinterpret_cast<HFONT>(SendMessageW(Window().Control("Label3"), WM_GETFONT, 0, 0));
        LOGFONTW described{};
        ASSERT_NE(GetObjectW(font, sizeof described, &described), 0);
        EXPECT_EQ(described.lfHeight, -MulDiv(halfPoints, static_cast<int>(dpi), 144));
        EXPECT_EQ(Window().FontHalfPoints(), halfPoints);
    }
}

// Windows 8.1 as far as the window can tell: the monitor's dpi, none of Windows 10's functions.
FARPROC FindAsOnWindows81(const wchar_t* dll, const char* name) {
    return std::wstring_view(dll) == L"shcore.dll" ? FindInSystemDll(dll, name) : nullptr;
}

// On Windows 8.1 the window takes its monitor's dpi; on Windows 7 and 8, which have none of the
// newer functions, the system's; either way it sizes its frame with the functions of old.
TEST(Win32WindowOnOlderWindows, LaysOutAtTheMonitorsOrTheSystemDpi) {
    for (const FindFunction find : {FindAsOnWindows81, FindNothing}) {
        SCOPED_TRACE(find == FindNothing ? "Windows 7" : "Windows 8.1");
        Win32Driver driver(find);
        driver.Open(UserDecimalSeparator().value());
        EXPECT_EQ(driver.Window().Dpi(), ExpectedDpi());
        ExpectLaidOutAt(driver.Window(), ExpectedDpi());
        EXPECT_GT(driver.Window().FontHalfPoints(), 0);
        EXPECT_TRUE(driver.Reports().empty());
    }
}

TEST_F(Win32Window, PaintsEachColourOfTheLayoutWithTheOtherOfItsPair) {
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlLayout& row : kControls) {
        const auto pair = DesignedColours(row);
        if (!pair) {
            continue;
        }
        SCOPED_TRACE(row.name);
        const UINT message = row.kind == ControlKind::Label ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        SetTextColor(dc, 0x00123456);
        SetBkColor(dc, 0x00654321);
        auto* const brush = reinterpret_cast<HBRUSH>(
            SendMessageW(Window().Handle(), message, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(Window().Control(row.name))));
        LOGBRUSH described{};
        ASSERT_NE(GetObjectW(brush, sizeof described, &described), 0);
        EXPECT_EQ(described.lbColor, pair->background);
        EXPECT_EQ(GetBkColor(dc), pair->background);
        EXPECT_EQ(GetTextColor(dc), pair->text);
    }
    DeleteDC(dc);
}

TEST_F(Win32Window, EveryTextReadsAtLeastFourAndAHalfToOne) {
    driver_.Type("Text1", "1000");
    driver_.Type("Text2", "200");
    driver_.Type("Text3", "500");
    driver_.Click("Command1");  // the message, and empty output fields to type into
    driver_.Type("Text4", "170.74");
    driver_.Type("Text5", "12");
    const Picture picture = Capture(Window().Handle(), Source::Screen);
    const auto contrastIn = [&picture](const RECT& area) {
        std::vector<weir::Colour> pixels;
        for (LONG y = std::max(area.top, 0L); y < std::min<LONG>(area.bottom, picture.height);
             ++y) {
            for (LONG x = std::max(area.left, 0L); x < std::min<LONG>(area.right, picture.width);
                 ++x) {
                const DWORD pixel = picture.pixels[static_cast<std::size_t>(y) *
                                                       static_cast<std::size_t>(picture.width) +
                                                   static_cast<std::size_t>(x)];
                // 0x00RRGGBB from the capture, 0x00BBGGRR for the measure.
                pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
            }
        }
        return tarvik::testing::TextContrast(pixels);
    };
    // Inside each control's frame.
    std::vector<std::pair<std::string, RECT>> areas;
    for (const ControlLayout& row : kControls) {
        RECT area = ChildRect(Window().Handle(), Window().Control(row.name));
        InflateRect(&area, -3, -3);
        areas.emplace_back(row.name, area);
    }
    for (const auto& [name, area] : areas) {
        EXPECT_GE(contrastIn(area), tarvik::kReadableContrast) << name;
    }
}

TEST(Win32ColourScheme, HighContrastPaintsInTheSystemsPairs) {
    // A high-contrast scheme as Windows' "High Contrast Black" sets it.
    const std::array<int, 7> elements{COLOR_BTNFACE,    COLOR_BTNTEXT,   COLOR_WINDOW,
                                      COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                                      COLOR_GRAYTEXT};
    const std::array<COLORREF, 7> black{RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 0, 0),
                                        RGB(255, 255, 255), RGB(26, 235, 255),  RGB(0, 0, 0),
                                        RGB(63, 242, 63)};
    std::array<COLORREF, 7> before{};
    std::transform(elements.begin(), elements.end(), before.begin(),
                   [](int element) { return GetSysColor(element); });
    EXPECT_TRUE(SetSysColors(static_cast<int>(elements.size()), elements.data(), black.data()));

    const ColourScheme scheme(true);
    const ColourPair window{RGB(255, 255, 255), RGB(0, 0, 0)};
    EXPECT_EQ(scheme.Window().text, window.text);
    EXPECT_EQ(scheme.Window().background, window.background);
    for (const ControlLayout& row : kControls) {
        const auto pair = scheme.Control(row);
        EXPECT_EQ(pair.has_value(), row.kind == ControlKind::Label) << row.name;
        if (pair) {
            EXPECT_EQ(pair->text, window.text) << row.name;
            EXPECT_EQ(pair->background, window.background) << row.name;
        }
    }
    const ColourPair message = scheme.Message(weir::kMessageColour);
    EXPECT_EQ(message.text, RGB(0, 0, 0));
    EXPECT_EQ(message.background, RGB(26, 235, 255));
    EXPECT_GE(tarvik::ContrastRatio(message.text, message.background), tarvik::kReadableContrast);
    EXPECT_NE(message.background, window.background) << "the message must stand out";
    SetSysColors(static_cast<int>(elements.size()), elements.data(), before.data());
}
TEST_F(Win32Window, LoadCentresTheWindowWithItsFrameAndPutsTheCaretInText1) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Window().Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT outer{};
    GetWindowRect(Window().Handle(), &outer);
    const RECT& screen = monitor.rcMonitor;
    EXPECT_EQ(outer.left - screen.left,
              (screen.right - screen.left - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top - screen.top,
              (screen.bottom - screen.top - (outer.bottom - outer.top)) / 2);
    EXPECT_EQ(driver_.Focused(), "Text1");
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &thread));
    EXPECT_EQ(thread.hwndCaret, Window().Control("Text1"));
}

TEST_F(Win32Window, DrawsTheMessageTransparentlyAndKeepsItAcrossRepaints) {
    driver_.Type("Text1", "1000");
    driver_.Type("Text2", "200");
    driver_.Type("Text3", "500");
    driver_.Click("Command1");
    const Picture before = Capture(Window().Handle());
    const int strip = TwipsToPixels(kMessageStripHeight, static_cast<int>(Window().Dpi()));
    const int red = before.Count(0, strip, StronglyRed);
    EXPECT_GT(red, 50);
    // Between the letters, the window's grey shows: no box behind the text.
    const auto white = [](DWORD r, DWORD g, DWORD b) { return r > 240 && g > 240 && b > 240; };
    EXPECT_EQ(before.Count(0, strip, white), 0);

    RedrawWindow(Window().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Capture(Window().Handle()).Count(0, strip, StronglyRed), red);
    ShowWindow(Window().Handle(), SW_MINIMIZE);
    ShowWindow(Window().Handle(), SW_RESTORE);
    driver_.Pump();
    EXPECT_EQ(Capture(Window().Handle()).Count(0, strip, StronglyRed), red);
}

TEST_F(Win32Window, NamesEachFieldAfterItsLabelForScreenReaders) {
    struct Named {
        const char* control;
        const char* name;
    };
    const std::vector<Named> expected{
        {"Text1", "流量(L/min)"},  {"Text2", "解の挟込最小値(mm)"}, {"Text3", "最大値(mm)"},
        {"Text4", "越流高さ(mm)"}, {"Text5", "Trial回数"},          {"Command1", "計算"},
        {"Command2", "クリヤ"},
    };
    const std::vector<AccessibleName>& names = Window().AccessibleNames();
    ASSERT_EQ(names.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE(expected[index].control);
        EXPECT_EQ(names[index].control, expected[index].control);
        EXPECT_EQ(names[index].name, expected[index].name);
        // wine 8 has the service but not this call of it.
        EXPECT_TRUE(SUCCEEDED(names[index].result) || names[index].result == E_NOTIMPL)
            << std::hex << names[index].result;
        RecordProperty(expected[index].control,
                       SUCCEEDED(names[index].result) ? "named" : "E_NOTIMPL");
    }
}

// The events about the message's object that screen readers were sent, in order. A win event
// hook is a plain function, so the record cannot live in the test.
std::vector<DWORD> messageEvents;

void CALLBACK NoteMessageEvent(HWINEVENTHOOK /*hook*/, DWORD event, HWND /*window*/, LONG object,
                               LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    if (object == kMessageObjectId) {
        messageEvents.push_back(event);
    }
}

TEST_F(Win32Window, TheMessageIsAnAlertThatScreenReadersAreToldOf) {
    messageEvents.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, NoteMessageEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    driver_.Type("Text1", "1000");
    driver_.Type("Text2", "200");
    driver_.Type("Text3", "500");
    driver_.Click("Command1");
    driver_.Pump();

    // As a screen reader reaches it from the event: through WM_GETOBJECT and oleacc.
    IAccessible* message = nullptr;
    VARIANT self{};
    ASSERT_EQ(AccessibleObjectFromEvent(Window().Handle(), kMessageObjectId, CHILDID_SELF, &message,
                                        &self),
              S_OK);
    const auto name = [&] {
        BSTR text = nullptr;
        message->get_accName(self, &text);
        std::string said = text == nullptr ? "" : Narrow(text);
        SysFreeString(text);
        return said;
    };
    const auto state = [&] {
        VARIANT value{};
        message->get_accState(self, &value);
        return value.lVal;
    };
    VARIANT role{};
    ASSERT_EQ(message->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_ALERT);
    EXPECT_EQ(name(), weir::kNoSolutionMessage);
    EXPECT_EQ(state() & STATE_SYSTEM_INVISIBLE, 0);
    // Where a screen reader shows it: across the client area, above every control.
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
    ASSERT_EQ(message->accLocation(&left, &top, &width, &height, self), S_OK);
    RECT client{};
    GetClientRect(Window().Handle(), &client);
    EXPECT_EQ(width, client.right);
    EXPECT_GT(height, 0);
    for (const ControlLayout& row : kControls) {
        RECT control{};
        GetWindowRect(Window().Control(row.name), &control);
        EXPECT_LE(top + height, control.top) << row.name;
    }
    EXPECT_EQ(messageEvents, (std::vector<DWORD>{EVENT_OBJECT_SHOW, EVENT_SYSTEM_ALERT,
                                                 EVENT_OBJECT_LIVEREGIONCHANGED}));

    messageEvents.clear();
    driver_.Click("Command2");
    driver_.Pump();
    EXPECT_EQ(name(), "");
    EXPECT_NE(state() & STATE_SYSTEM_INVISIBLE, 0);
    EXPECT_EQ(messageEvents,
              (std::vector<DWORD>{EVENT_OBJECT_HIDE, EVENT_OBJECT_LIVEREGIONCHANGED}));
    message->Release();
    UnhookWinEvent(hook);
}

TEST_F(Win32Window, ClosesTheInputMethodInTheInputFieldsOnly) {
    const HIMC probe = ImmGetContext(Window().Control("Text1"));
    if (probe == nullptr) {
        ASSERT_EQ(std::getenv("TARVIK_EXPECT_INPUT_METHOD"), nullptr)
            << "no input method context, though this run expects one";
        GTEST_SKIP() << "no input method context here (wine's null display driver has none)";
    }
    ImmReleaseContext(Window().Control("Text1"), probe);
    struct Row {
        const char* field;
        BOOL openAfterFocus;
    };
    for (const Row& row : std::vector<Row>{{"Text1", FALSE},
                                           {"Text2", FALSE},
                                           {"Text3", FALSE},
                                           {"Text4", TRUE},
                                           {"Text5", TRUE}}) {
        SCOPED_TRACE(row.field);
        const HWND field = Window().Control(row.field);
        driver_.Press("Command1", Key::Escape);  // the focus away from the field
        const HIMC context = ImmGetContext(field);
        ASSERT_NE(context, nullptr);
        ImmSetOpenStatus(context, TRUE);
        SetFocus(field);
        driver_.Pump();
        EXPECT_EQ(ImmGetOpenStatus(context), row.openAfterFocus);
        ImmReleaseContext(field, context);
    }
}

TEST_F(Win32Window, AFailureOfTheWindowEndsTheMessageLoopWithStatus1ByDefault) {
    std::vector<weir::ErrorKind> reported;
    win32::Window window([&](const ErrorBox& box) { reported.push_back(box.kind); });
    window.Show(SW_SHOWNORMAL);
    DestroyWindow(window.Control("Text4"));
    SendMessageW(window.Control("Command1"), BM_CLICK, 0, 0);
    EXPECT_EQ(reported, std::vector{weir::ErrorKind::ControlFailure});
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, WPARAM{1});
}

// The GDI objects of this process. Windows counts them for GetGuiResources; wine 8 answers 0
// there, but fills the GDI handle table that Windows publishes in the process environment
// block, where every used entry is one of the process's objects.
DWORD GdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) {
        return counted;
    }
    struct HandleEntry {  // GDI_HANDLE_ENTRY of 64-bit Windows and of wine
        ULONG64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        ULONG64 user;
    };
    static_assert(sizeof(HandleEntry) == 24);
    // PEB::GdiSharedHandleTable
    constexpr std::size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    constexpr std::size_t kEntries = 0x10000;
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic,
                                  sizeof basic, nullptr) != 0) {
        return 0;
    }
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + kTableOffset);
    return static_cast<DWORD>(std::count_if(
        table, table + kEntries, [](const HandleEntry& entry) { return entry.type != 0; }));
}

// Windows calls these back with its own calling convention (stdcall on 32-bit), which a
// lambda does not have.
BOOL CALLBACK CountWindow(HWND /*window*/, LPARAM total) {
    ++*reinterpret_cast<DWORD*>(total);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM total) {
    CountWindow(window, total);
    EnumChildWindows(window, CountWindow, total);
    return TRUE;
}

// The windows of this thread, where wine has no count of USER objects either.
DWORD UserObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counted != 0) {
        return counted;
    }
    DWORD windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren,
                      reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The soak runs for minutes beside the other window tests, in a process of its own. On the
// same desktop its window would take the foreground, and the keyboard focus with it, from
// theirs; on a desktop of its own it takes nothing.
class OwnDesktop {
  public:
    OwnDesktop()
        : previous_(GetThreadDesktop(GetCurrentThreadId())),
          desktop_(CreateDesktopW(L"TARVIK soak", nullptr, nullptr, 0, GENERIC_ALL, nullptr)) {}
    OwnDesktop(const OwnDesktop&) = delete;
    OwnDesktop& operator=(const OwnDesktop&) = delete;
    OwnDesktop(OwnDesktop&&) = delete;
    OwnDesktop& operator=(OwnDesktop&&) = delete;
    ~OwnDesktop() {
        if (desktop_ != nullptr) {
            SetThreadDesktop(previous_);
            CloseDesktop(desktop_);
        }
    }
    // Fails where the thread has a window already: a thread's windows stay on its desktop.
    bool Enter() const { return desktop_ != nullptr && SetThreadDesktop(desktop_) != FALSE; }

  private:
    HDESK previous_;
    HDESK desktop_;
};

// The desktop is the first base, so that the window, made on it, goes before it.
class Win32WindowSoak : private OwnDesktop, public Win32Window {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Enter()) << "error " << GetLastError();
        Win32Window::SetUp();
    }
};

TEST_F(Win32WindowSoak, TenThousandCalculationsAndClearsLeaveTheObjectCountsAsTheyWere) {
    const auto memory = [] {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters);
        return static_cast<long long>(counters.PrivateUsage);
    };
    // The controls paint nothing meanwhile: under wine that is most of the time, and it is
    // wine's own code. The window paints its surface at every turn.
    for (const ControlLayout& row : kControls) {
        SendMessageW(Window().Control(row.name), WM_SETREDRAW, FALSE, 0);
    }
    const auto click = [this](const char* button) {
        const HWND control = Window().Control(button);
        SendMessageW(Window().Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
        driver_.Pump();
    };
    const auto cycle = [&](int index) {
        // A result, then the red message: both ways of the Calculate action paint.
        SetWindowTextW(Window().Control("Text1"), L"1000");
        SetWindowTextW(Window().Control("Text2"), index % 2 == 0 ? L"50" : L"200");
        SetWindowTextW(Window().Control("Text3"), L"500");
        click("Command1");
        click("Command2");
    };
    for (int index = 0; index < 100; ++index) {
        cycle(index);
    }
    const DWORD gdi = GdiObjects();
    const DWORD user = UserObjects();
    const long long before = memory();
    for (int index = 0; index < 10000; ++index) {
        cycle(index);
    }
    // wine makes the odd object of its own on the way (a cached device context, a font for a
    // glyph not seen before); a leak of one object a cycle would add ten thousand.
    constexpr DWORD kWineOwnObjects = 8;
    EXPECT_GT(gdi, 0U);
    EXPECT_LE(GdiObjects(), gdi + kWineOwnObjects);
    EXPECT_GE(user, kControls.size() + 1);
    EXPECT_EQ(UserObjects(), user);
    EXPECT_LT(memory() - before, 512LL * 1024);
    EXPECT_TRUE(driver_.Reports().empty());
}

}  // namespace
}  // namespace tarvik::win32::testing
