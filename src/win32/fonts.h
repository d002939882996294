// GDI fonts for the model's fonts at a given DPI. A face the system lacks falls back to a sound
// UI face that can show the text (Greek included), not to whatever GDI would substitute.
#pragma once

#include <string>
#include <vector>

#include "core/controls.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

class FontCache {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  HFONT Get(const Font& font, int dpi);
  // The font of dialogs and their controls.
  HFONT Dialog(int dpi);

 private:
  struct Entry {
    Font font;
    int dpi;
    HFONT handle;
  };
  HFONT Make(const std::wstring& face, double points, bool bold, BYTE charset, int dpi);
  std::wstring Face(const std::string& name, bool greek);

  std::vector<Entry> fonts_;
  std::vector<std::pair<std::string, std::wstring>> faces_;
};

}  // namespace zorvik::win32
