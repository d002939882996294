#include "core/file_names.h"

#include "core/text_util.h"

namespace zorvik {

namespace {

char32_t Fold(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
  switch (c) {
    case 0x386:
      return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
      return c + 0x25;
    case 0x38C:
      return 0x3CC;
    case 0x38E:
    case 0x38F:
      return c + 0x3F;
    case 0x3C2:
      return 0x3C3;  // final sigma is sigma
    default:
      break;
  }
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

bool Match(std::u32string_view p, std::u32string_view n) {
  size_t pi = 0, ni = 0, star = std::u32string_view::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
      ++pi, ++ni;
    } else if (pi < p.size() && p[pi] == U'*') {
      star = pi++, mark = ni;
    } else if (star != std::u32string_view::npos) {
      pi = star + 1, ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == U'*')
    ++pi;
  return pi == p.size();
}

}  // namespace

std::u32string FoldCase(std::string_view utf8) {
  std::u32string out = Utf8ToCodePoints(utf8);
  for (char32_t& c : out)
    c = Fold(c);
  return out;
}

bool SameName(std::string_view a, std::string_view b) {
  return FoldCase(a) == FoldCase(b);
}

bool MatchesPattern(std::string_view pattern, std::string_view name) {
  return Match(FoldCase(pattern), FoldCase(name));
}

}  // namespace zorvik
