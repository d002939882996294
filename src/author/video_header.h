// A movie's length from its file's header alone, where the format says it plainly (AVI). Bytes
// from the disc are outside input: every read is bounds-checked.
#pragma once

#include <optional>
#include <string_view>

namespace zorvik::author {

// The bytes of a file's start that hold an AVI's main header.
inline constexpr size_t kVideoHeaderBytes = 4096;

// Whole seconds; nothing when the header doesn't say.
std::optional<long long> VideoSeconds(std::string_view head);

}  // namespace zorvik::author
