#include "author/video_header.h"

#include <cstdint>

namespace zorvik::author {

namespace {

std::uint32_t Le32(std::string_view b, size_t at) {
  std::uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i)
    v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return v;
}

}  // namespace

std::optional<long long> VideoSeconds(std::string_view head) {
  if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "AVI ") {
    return std::nullopt;
  }
  // The main header: microseconds a frame, then three fields, then the count of frames.
  const size_t at = head.find("avih", 12);
  if (at == std::string_view::npos || at + 8 + 20 > head.size()) return std::nullopt;
  const std::uint64_t micro = Le32(head, at + 8);
  const std::uint64_t frames = Le32(head, at + 8 + 16);
  if (micro == 0 || frames == 0) return std::nullopt;
  return static_cast<long long>(micro * frames / 1000000);
}

}  // namespace zorvik::author
