// How Windows compares the names on a disc: ignoring case, for Greek and Cyrillic letters as well
// as Latin ones, with * and ? in search patterns.
#pragma once

#include <string>
#include <string_view>

namespace zorvik {

std::u32string FoldCase(std::string_view utf8);
bool SameName(std::string_view a, std::string_view b);
// A search pattern's last part against a name: * any run of characters, ? one character.
bool MatchesPattern(std::string_view pattern, std::string_view name);

}  // namespace zorvik
