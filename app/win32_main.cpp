// The program's start on Windows: create the window TARVIK, load and show it, and hand it the
// messages until it is closed.
#include <windows.h>

#include <exception>

#include "weir/run_error.h"
#include "window/error_policy.h"
#include "window/layout.h"
#include "window/win32/main_window.h"
#include "window/win32/newer_api.h"
#include "window/win32/wide.h"

namespace {

// The window could not be made: the same box and status as any failure of the window.
int Fail(const std::string& message) {
    MessageBoxW(nullptr, tarvik::win32::Widen(message).c_str(),
                tarvik::win32::Widen(tarvik::kWindowLayout.name).c_str(), MB_OK | MB_ICONERROR);
    return tarvik::kControlFailureStatus;
}

}  // namespace

// nShowCmd is named as Windows' own declaration of the entry point names it.
int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int nShowCmd) {
    // A DLL dropped beside the program, in a Downloads folder say, is never to be loaded.
    const tarvik::win32::NewerApi newer{};
    LoadDllsFromSystemOnly(newer);
    try {
        tarvik::win32::Window window({}, {}, newer);
        window.Show(nShowCmd);
        MSG message{};
        BOOL got = FALSE;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
            if (!window.TakeDialogKey(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return got < 0 ? tarvik::kControlFailureStatus : static_cast<int>(message.wParam);
    } catch (const weir::RunError& error) {
        return Fail(tarvik::ErrorMessage(error));
    } catch (const std::exception&) {
        return Fail(tarvik::ErrorMessage(
            weir::RunError(weir::ErrorKind::ControlFailure, "the window could not be made")));
    }
}
