// Text helpers: blanks, code points, the Greek code page of the settings file, and paths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

// Removes space characters (only those) from both ends.
std::string TrimBlanks(std::string_view s);

// UTF-8 and code points. Invalid bytes become U+FFFD, and so does a value that is no character
// (a lone UTF-16 surrogate, or past U+10FFFF), so what is written is always valid UTF-8.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view cps);
// Whether the bytes are valid UTF-8 and hold at least one multi-byte sequence.
bool IsMultiByteUtf8(std::string_view bytes);

// Windows-1253, the Greek code page. Encoding fails (nothing) for a character it can't hold.
std::optional<std::string> Utf8ToCp1253(std::string_view utf8);
std::string Cp1253ToUtf8(std::string_view bytes);

// Joins a file or relative path to a folder with one backslash, also when the folder is a
// drive's root ("E:\").
std::string JoinPath(std::string_view folder, std::string_view name);

// Case-insensitive comparison of ASCII letters (Windows names ignore case).
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace zorvik
