// The options window as the program builds it, at 96 and 144 DPI: what the user sees of its
// controls' borders and texts.
#include <string>
#include <vector>

#include "core/launcher.h"
#include "ui/options/frm_opt.h"
#include "win32/tests/check.h"
#include "win32/unicode.h"
#include "win32/units.h"
#include "win32/views.h"
#include "win32/win32_platform.h"

namespace zorvik::win32 {
namespace {

std::wstring ClassOf(HWND h) {
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  return name;
}

std::string Describe(HWND h) {
  wchar_t text[256] = {};
  GetWindowTextW(h, text, 256);
  return Narrow(ClassOf(h)) + " \"" + Narrow(text) + "\"";
}

// Controls that draw a border round their whole window.
bool Bordered(HWND h) {
  const std::wstring kind = ClassOf(h);
  if (kind == L"Edit" || kind == L"ComboBox" || kind == WC_TABCONTROLW) return true;
  if (kind != L"Button") return false;
  const LONG type = GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

RECT RectIn(HWND h, HWND parent) {
  RECT r{};
  GetWindowRect(h, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Inside the border: the pane of a tab strip, which holds the pages, or the rest of a control.
RECT InsideBorder(HWND h, RECT r) {
  if (ClassOf(h) == WC_TABCONTROLW) {
    TabCtrl_AdjustRect(h, FALSE, &r);
  } else {
    InflateRect(&r, -2, -2);
  }
  return r;
}

bool Contains(const RECT& outer, const RECT& r) {
  RECT both{};
  IntersectRect(&both, &outer, &r);
  return EqualRect(&both, &r) != FALSE;
}

// No window above a bordered one reaches over its border, and it lies wholly in its parent.
void CheckBorders(HWND parent, int dpi, std::vector<std::string>& faults) {
  RECT inner{};
  GetClientRect(parent, &inner);
  std::vector<HWND> above;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    const RECT r = RectIn(h, parent);
    if (Bordered(h)) {
      const RECT inside = InsideBorder(h, r);
      for (HWND upper : above) {
        RECT upperRect = RectIn(upper, parent), both{};
        if (IntersectRect(&both, &upperRect, &r) && !Contains(inside, upperRect)) {
          faults.push_back(std::to_string(dpi) + " DPI: " + Describe(upper) + " covers " +
                           Describe(h));
        }
      }
      if (!Contains(inner, r)) {
        faults.push_back(std::to_string(dpi) + " DPI: " + Describe(h) + " is cut off");
      }
    }
    above.push_back(h);
    CheckBorders(h, dpi, faults);
  }
}

struct TextSearch {
  std::wstring text;
  HWND found = nullptr;
};

BOOL CALLBACK FindEdit(HWND h, LPARAM search) {
  auto* s = reinterpret_cast<TextSearch*>(search);
  wchar_t text[256] = {};
  GetWindowTextW(h, text, 256);
  if (ClassOf(h) != L"Edit" || s->text != text) return TRUE;
  s->found = h;
  return FALSE;
}

BOOL CALLBACK FindOptions(HWND h, LPARAM found) {
  if (ClassOf(h) != L"ZorvikOptions") return TRUE;
  *reinterpret_cast<HWND*>(found) = h;
  return FALSE;
}

// The options window of a launcher, loaded as at start-up and shown: its controls are made then.
struct OptionsFixture {
  Win32Platform platform;
  Launcher launcher{platform};
  Views views{launcher, GetModuleHandleW(nullptr)};
  HWND dialog = nullptr;
  int dpi = 0;

  OptionsFixture() {
    views.Dispatch([this] { launcher.Opt().Show(); });
    EnumThreadWindows(GetCurrentThreadId(), FindOptions, reinterpret_cast<LPARAM>(&dialog));
    dpi = WindowDpi(dialog);
  }
  // As when the window moves to a screen of that DPI.
  void SetDpi(int wanted) {
    if (wanted == dpi) return;
    dpi = wanted;
    RECT r{};
    GetWindowRect(dialog, &r);
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(wanted, wanted), reinterpret_cast<LPARAM>(&r));
  }
};

TEST_CASE("every control of the options window shows its whole border, at 96 and 144 DPI") {
  OptionsFixture f;
  CHECK(f.dialog != nullptr);
  if (!f.dialog) return;
  std::vector<std::string> faults;
  for (int dpi : {96, 144}) {
    f.SetDpi(dpi);
    CheckBorders(f.dialog, dpi, faults);
  }
  for (const std::string& fault : faults) {
    CHECK_EQ_AT(fault, std::string(), "a border is hidden");
  }
}

TEST_CASE("the start-time box shows its whole placeholder, at 96 and 144 DPI") {
  OptionsFixture f;
  const std::wstring placeholder = Widen(kSecondsPlaceholder);
  for (int dpi : {96, 144}) {
    f.SetDpi(dpi);
    TextSearch search{placeholder};
    EnumChildWindows(f.dialog, FindEdit, reinterpret_cast<LPARAM>(&search));
    const HWND box = search.found;
    CHECK_EQ_AT(box != nullptr, true, std::to_string(dpi));
    if (!box) continue;
    RECT room{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const HDC dc = GetDC(box);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32W(dc, placeholder.c_str(), static_cast<int>(placeholder.size()), &text);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    CHECK_EQ_AT(text.cx <= room.right - room.left, true,
                std::to_string(dpi) + " DPI: " + std::to_string(text.cx) + " pixels of text in " +
                    std::to_string(room.right - room.left));
  }
}

}  // namespace
}  // namespace zorvik::win32
