// The model's units as Windows takes them: twips become pixels at a window's DPI (15 twips a
// pixel at 96), and colours become COLORREFs.
#pragma once

#include "core/controls.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

constexpr int kTwipsPerInch = 1440;
constexpr int kBaseDpi = 96;

inline int Px(Twips t, int dpi) {
  return MulDiv(t, dpi, kTwipsPerInch);
}
inline Twips ToTwips(int px, int dpi) {
  return MulDiv(px, kTwipsPerInch, dpi);
}
// A length designed in pixels at 96 DPI.
inline int Scaled(int px96, int dpi) {
  return MulDiv(px96, dpi, kBaseDpi);
}

inline COLORREF ToColorRef(Color c) {
  return IsSystemColor(c) ? GetSysColor(SystemColorIndex(c)) : static_cast<COLORREF>(c & 0xFFFFFF);
}

// The DPI a window is shown at: its own where the system knows it (Windows 10), else the screen's.
int WindowDpi(HWND hwnd);
// The outer size of a window whose client area has this size, at the given DPI.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi);
// A window of this size centred in the work area of the monitor nearest to `nearWindow`.
POINT CentredOrigin(SIZE size, HWND nearWindow);

}  // namespace zorvik::win32
