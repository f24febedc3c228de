// UTF-8, the window description's text, to and from UTF-16, the text of the W functions; and
// the texts the window reads from Windows, in UTF-8.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tarvik::win32 {

// Both throw std::runtime_error on text that is not well-formed in its encoding.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Texts that Windows keeps: a control's text or a window's caption, and the decimal
// separator of the user's locale; none when Windows cannot read them.
std::optional<std::string> WindowText(HWND window);
std::optional<std::string> UserDecimalSeparator();

}  // namespace tarvik::win32
