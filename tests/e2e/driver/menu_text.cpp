// Reads an open menu the way a person does: by its pixels. Another process can't ask Wine for a
// program's menu entries, but it can see the open menu on the screen. For each text given, the
// program draws it as menus draw their entries (the system's menu font, in the menu's colours)
// and looks for exactly those pixels in the open menu.
//
//   menu_text <text>...    prints "shown: <text>" or "not shown: <text>" for each; exit status 1
//                          when one isn't shown or no menu is open. Entries that aren't checked.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Image {
  int width = 0, height = 0;
  std::vector<DWORD> pixels;
  DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
};

// Draws into a 32-bit top-down DIB and copies its pixels out.
template <class Paint>
Image Capture(int width, int height, Paint paint) {
  Image image;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return image;
  HGDIOBJ old = SelectObject(dc, dib);
  paint(dc);
  GdiFlush();
  image.width = width;
  image.height = height;
  const DWORD* p = static_cast<const DWORD*>(bits);
  image.pixels.assign(p, p + static_cast<size_t>(width) * height);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  return image;
}

HWND OpenMenu() {
  for (HWND h = FindWindowW(L"#32768", nullptr); h;
       h = FindWindowExW(nullptr, h, L"#32768", nullptr)) {
    if (IsWindowVisible(h)) return h;
  }
  return nullptr;
}

// The text as a menu entry draws it, cut to the pixels that differ from the background, with
// background either side so that a text is found whole and not inside a longer one (an entry's
// check mark lies nearer than that: a checked entry's text isn't found).
constexpr int kLeftMargin = 8;
constexpr int kRightMargin = 3;

Image Glyphs(const std::wstring& text, HFONT font, COLORREF ink, COLORREF paper) {
  const Image drawn = Capture(1000, 60, [&](HDC dc) {
    HBRUSH brush = CreateSolidBrush(paper);
    RECT all{0, 0, 1000, 60};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, font);
    SetTextColor(dc, ink);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
  });
  const DWORD background = drawn.At(0, 0);
  int left = drawn.width, top = drawn.height, right = -1, bottom = -1;
  for (int y = 0; y < drawn.height; ++y) {
    for (int x = 0; x < drawn.width; ++x) {
      if (drawn.At(x, y) == background) continue;
      if (x < left) left = x;
      if (x > right) right = x;
      if (y < top) top = y;
      if (y > bottom) bottom = y;
    }
  }
  Image out;
  if (right < 0) return out;
  left -= kLeftMargin;
  right += kRightMargin;
  out.width = right - left + 1;
  out.height = bottom - top + 1;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x)
      out.pixels.push_back(drawn.At(x, y));
  }
  return out;
}

bool Contains(const Image& screen, const Image& glyphs) {
  if (glyphs.width == 0) return false;
  for (int y = 0; y + glyphs.height <= screen.height; ++y) {
    for (int x = 0; x + glyphs.width <= screen.width; ++x) {
      bool same = true;
      for (int gy = 0; same && gy < glyphs.height; ++gy) {
        for (int gx = 0; same && gx < glyphs.width; ++gx) {
          same = screen.At(x + gx, y + gy) == glyphs.At(gx, gy);
        }
      }
      if (same) return true;
    }
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  HWND menu = nullptr;
  for (int i = 0; i < 30 && !menu; ++i, Sleep(100))
    menu = OpenMenu();
  if (!menu) {
    std::fprintf(stderr, "no menu is open\n");
    return 1;
  }
  Sleep(300);  // let it finish drawing
  RECT r;
  GetWindowRect(menu, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const Image screen = Capture(w, h, [&](HDC dc) {
    HDC desktop = GetDC(nullptr);
    BitBlt(dc, 0, 0, w, h, desktop, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, desktop);
  });

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  const COLORREF looks[][2] = {{GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_MENU)},
                               {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)},
                               {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_MENUHILIGHT)}};
  int missing = 0;
  for (int i = 1; i < argc; ++i) {
    bool shown = false;
    for (const auto& look : looks)
      shown = shown || Contains(screen, Glyphs(argv[i], font, look[0], look[1]));
    char text[1024];
    WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text, sizeof text, nullptr, nullptr);
    std::printf("%s: %s\n", shown ? "shown" : "not shown", text);
    missing += !shown;
  }
  DeleteObject(font);
  return missing ? 1 : 0;
}
