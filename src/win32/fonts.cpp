#include "win32/fonts.h"

#include <cmath>

#include "core/text_util.h"
#include "win32/unicode.h"

namespace zorvik::win32 {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(const std::wstring& face, BYTE charset) {
  LOGFONTW lf{};
  lf.lfCharSet = charset;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &lf, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

FontCache::~FontCache() {
  for (const Entry& e : fonts_) {
    DeleteObject(e.handle);
  }
}

HFONT FontCache::Get(const Font& font, int dpi) {
  for (const Entry& e : fonts_) {
    if (e.dpi == dpi && e.font == font) return e.handle;
  }
  const BYTE charset = font.greekCharset ? GREEK_CHARSET : DEFAULT_CHARSET;
  HFONT made = Make(Face(font.name, font.greekCharset), font.size, font.bold, charset, dpi);
  fonts_.push_back({font, dpi, made});
  return made;
}

HFONT FontCache::Dialog(int dpi) {
  // Tahoma on every Windows since 2000, through the system's own substitution.
  return Get(Font{"MS Shell Dlg 2", 8, false, false}, dpi);
}

HFONT FontCache::Make(const std::wstring& face, double points, bool bold, BYTE charset, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&lf);
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring FontCache::Face(const std::string& name, bool greek) {
  const std::string key = name + (greek ? "|greek" : "");
  for (const auto& [known, face] : faces_) {
    if (known == key) return face;
  }
  std::wstring chosen = Widen(name);
  // The dialog font's name is a substitute that GDI maps itself; enumeration doesn't list it.
  if (!EqualsIgnoreCase(name, "MS Shell Dlg 2")) {
    std::vector<std::wstring> candidates;
    // The bitmap "MS Sans Serif" neither scales nor smooths; its TrueType twin looks the same.
    if (EqualsIgnoreCase(name, "MS Sans Serif")) candidates.push_back(L"Microsoft Sans Serif");
    // Then faces of Windows itself, and two that Wine systems usually have.
    candidates.insert(candidates.end(), {Widen(name), L"Segoe UI", L"Tahoma", L"Arial",
                                         L"Liberation Sans", L"DejaVu Sans"});
    for (const std::wstring& c : candidates) {
      if (Installed(c, greek ? GREEK_CHARSET : DEFAULT_CHARSET)) {
        chosen = c;
        break;
      }
    }
  }
  faces_.emplace_back(key, chosen);
  return chosen;
}

}  // namespace zorvik::win32
