#include "win32/units.h"

namespace zorvik::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Functions of newer Windows, looked up so that the program still starts on older ones.
template <class Fn>
Fn User32(const char* name) {
  static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

}  // namespace

int WindowDpi(HWND hwnd) {
  static const auto forWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow && hwnd) {
    if (const UINT dpi = forWindow(hwnd)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi) {
  static const auto forDpi = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT r{0, 0, client.cx, client.cy};
  if (forDpi) {
    forDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&r, style, menu, exStyle);
  }
  return {r.right - r.left, r.bottom - r.top};
}

POINT CentredOrigin(SIZE size, HWND nearWindow) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (GetMonitorInfoW(MonitorFromWindow(nearWindow, MONITOR_DEFAULTTOPRIMARY), &info)) {
    area = info.rcWork;
  }
  POINT p{area.left + (area.right - area.left - size.cx) / 2,
          area.top + (area.bottom - area.top - size.cy) / 2};
  if (p.x < area.left) p.x = area.left;
  if (p.y < area.top) p.y = area.top;
  return p;
}

}  // namespace zorvik::win32
