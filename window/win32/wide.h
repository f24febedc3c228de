// UTF-8, the window description's text, to and from UTF-16, the text of the W functions.
#pragma once

#include <string>
#include <string_view>

namespace tarvik::win32 {

// Both throw std::runtime_error on text that is not well-formed in its encoding.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tarvik::win32
