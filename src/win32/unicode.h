// UTF-8 is the program's text; the W functions of Windows take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace zorvik::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace zorvik::win32
