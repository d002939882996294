// Whether a text shows whole where the launcher puts it: its width at the launcher's fonts, by a
// table of character widths that errs on the wide side (a bold sans serif's widest letters of
// each kind), and the characters those fonts have no glyph for.
#pragma once

#include <string>
#include <string_view>

namespace zorvik::author {

// The width in pixels at 96 dots per inch of a line of text at `points`.
int TextPixels(std::u32string_view text, double points);
// The height of a line at `points`, in pixels.
int LinePixels(double points);

struct Wrapped {
  int lines = 0;
  bool wordTooWide = false;  // a word wider than the box, which the label cuts at its sides
};
// A label's word wrap: words go on a line while they fit `width` pixels.
Wrapped WrapText(std::string_view utf8, double points, int width);

// The characters of `utf8` the launcher's fonts (Microsoft Sans Serif for the labels, the
// system's Tahoma or Segoe UI for menus and message boxes) can't draw, each once, in order.
std::string Undrawable(std::string_view utf8);

}  // namespace zorvik::author
