// How Windows compares and lists the names on a disc.
#pragma once

#include <string_view>

#include "core/file_names.h"

namespace zorvik::author {

using zorvik::FoldCase;
using zorvik::MatchesPattern;
using zorvik::SameName;
// The order a Joliet directory lists its names in: by their UTF-16 code units.
bool ListsBefore(std::string_view a, std::string_view b);

}  // namespace zorvik::author
