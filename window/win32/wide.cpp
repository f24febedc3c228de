// UTF-8 and UTF-16 converted with MultiByteToWideChar and WideCharToMultiByte; window texts
// and the locale's separator read with GetWindowTextW and GetLocaleInfoEx.
#include "window/win32/wide.h"

#include <array>
#include <stdexcept>

namespace tarvik::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) {
        throw std::runtime_error("text that is no UTF-8");
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        throw std::runtime_error("text that is no UTF-16");
    }
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), size, narrow.data(), length,
                        nullptr, nullptr);
    return narrow;
}

std::optional<std::string> WindowText(HWND window) {
    SetLastError(ERROR_SUCCESS);
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    if (copied == 0 && GetLastError() != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text);
}

std::optional<std::string> UserDecimalSeparator() {
    std::array<wchar_t, 8> separator{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                        static_cast<int>(separator.size())) == 0) {
        return std::nullopt;
    }
    return Narrow(separator.data());
}

}  // namespace tarvik::win32
