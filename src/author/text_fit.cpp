#include "author/text_fit.h"

#include <cmath>

#include "core/text_util.h"

namespace zorvik::author {

namespace {

// Widths in hundredths of the font's size, a little over those of a bold Arial or Microsoft
// Sans Serif, so that a text said to fit does fit.
int Hundredths(char32_t c) {
  const std::u32string_view narrow = U" ijlI.,:;'!|`";
  const std::u32string_view slim = U"ftr()[]{}-/\\\"*";
  const std::u32string_view wide = U"mwMWΜΩΨΦ@%ωψ";
  if (narrow.find(c) != std::u32string_view::npos) return 32;
  if (slim.find(c) != std::u32string_view::npos) return 42;
  if (wide.find(c) != std::u32string_view::npos) return 100;
  if (c >= U'0' && c <= U'9') return 60;
  const bool lower = (c >= U'a' && c <= U'z') || (c >= 0x3AC && c <= 0x3CE) ||
                     (c >= 0xDF && c <= 0xFF) || (c >= 0x430 && c <= 0x45F);
  if (lower) return 64;
  if (c < 0x3000) return 80;  // capitals, and the letters of other scripts
  return 100;                 // ideographs are square
}

double EmPixels(double points) {
  return points * 96.0 / 72.0;
}

bool Drawable(char32_t c) {
  struct Range {
    char32_t from, to;
  };
  // Latin, Greek, Cyrillic, Hebrew, Arabic and Thai with their punctuation and common symbols:
  // what Microsoft Sans Serif and Tahoma carry.
  static constexpr Range kRanges[] = {
      {0x20, 0x7E},     {0xA0, 0x24F},    {0x2B0, 0x36F},   {0x370, 0x3FF},   {0x400, 0x52F},
      {0x590, 0x5FF},   {0x600, 0x6FF},   {0xE00, 0xE7F},   {0x1E00, 0x1FFF}, {0x2000, 0x206F},
      {0x20A0, 0x20CF}, {0x2100, 0x218F}, {0x2190, 0x21FF}, {0x2200, 0x22FF},
  };
  for (const Range& r : kRanges) {
    if (c >= r.from && c <= r.to) return true;
  }
  return false;
}

}  // namespace

int TextPixels(std::u32string_view text, double points) {
  long hundredths = 0;
  for (char32_t c : text)
    hundredths += Hundredths(c);
  return static_cast<int>(std::ceil(static_cast<double>(hundredths) * EmPixels(points) / 100.0));
}

int LinePixels(double points) {
  return static_cast<int>(std::ceil(EmPixels(points) * 1.2));
}

Wrapped WrapText(std::string_view utf8, double points, int width) {
  Wrapped w;
  const std::u32string text = Utf8ToCodePoints(utf8);
  std::u32string line;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == U' ')
      ++i;
    if (i == text.size()) break;
    size_t end = text.find(U' ', i);
    if (end == std::u32string::npos) end = text.size();
    const std::u32string word = text.substr(i, end - i);
    i = end;
    if (TextPixels(word, points) > width) w.wordTooWide = true;
    const std::u32string joined = line.empty() ? word : line + U' ' + word;
    if (!line.empty() && TextPixels(joined, points) > width) {
      ++w.lines;
      line = word;
    } else {
      line = joined;
    }
  }
  if (!line.empty()) ++w.lines;
  return w;
}

std::string Undrawable(std::string_view utf8) {
  std::u32string out;
  for (char32_t c : Utf8ToCodePoints(utf8)) {
    // Joiners and variation selectors come with emoji and draw nothing themselves.
    if (c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F)) continue;
    if (!Drawable(c) && out.find(c) == std::u32string::npos) out += c;
  }
  return CodePointsToUtf8(out);
}

}  // namespace zorvik::author
