// The main window as a screen reader and the painter see it: the picture buttons' accessible
// object, and the looks drawn in the skin's style.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/launcher.h"
#include "ui/main/frm_main.h"
#include "win32/form_painter.h"
#include "win32/tests/check.h"
#include "win32/unicode.h"
#include "win32/units.h"
#include "win32/views.h"
#include "win32/win32_platform.h"

namespace zorvik::win32 {
namespace {

BOOL CALLBACK FindMain(HWND h, LPARAM found) {
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  if (std::wstring(name) != L"ZorvikMain") return TRUE;
  *reinterpret_cast<HWND*>(found) = h;
  return FALSE;
}

VARIANT Id(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

std::string Name(IAccessible* a, long id) {
  BSTR name = nullptr;
  a->get_accName(Id(id), &name);
  const std::string out = name ? Narrow(name) : "";
  SysFreeString(name);
  return out;
}

TEST_CASE(
    "screen readers find the picture buttons, the help icon and the handle, named and pressable") {
  Win32Platform platform;
  Launcher launcher{platform};
  Views views{launcher, GetModuleHandleW(nullptr)};
  FrmMain* main = nullptr;
  views.Dispatch([&] { main = &launcher.Main(); });
  HWND window = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMain, reinterpret_cast<LPARAM>(&window));
  IAccessible* client = nullptr;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                             reinterpret_cast<void**>(&client));
  CHECK(client != nullptr);
  if (!client) return;

  long count = 0;
  client->get_accChildCount(&count);
  CHECK_EQ(count, 5L);
  // The window's design captions, before any language is applied.
  const char* names[] = {"Αναπαραγωγή", "Εξερεύνηση CD", "Έξοδος"};
  for (long id = 1; id <= 3; ++id) {
    CHECK_EQ_AT(Name(client, id), std::string(names[id - 1]), std::to_string(id));
    VARIANT role;
    client->get_accRole(Id(id), &role);
    CHECK_EQ_AT(role.lVal, static_cast<LONG>(ROLE_SYSTEM_PUSHBUTTON), std::to_string(id));
  }
  views.Dispatch([&] { main->LblExit.SetCaption("Exit"); });
  CHECK_EQ(Name(client, 3), std::string("Exit"));
  VARIANT none;
  CHECK_EQ(client->get_accRole(Id(6), &none), E_INVALIDARG);

  // Where a reader says the Explore button is, the picture is.
  long left = 0, top = 0, width = 0, height = 0;
  client->accLocation(&left, &top, &width, &height, Id(2));
  VARIANT hit;
  client->accHitTest(left + width / 2, top + height / 2, &hit);
  CHECK_EQ(hit.lVal, 2L);

  // The default action is the click, once the reader has its answer: Exit ends the program.
  CHECK_EQ(client->accDoDefaultAction(Id(3)), S_OK);
  CHECK(!launcher.Ending());
  MSG msg;
  while (!launcher.Ending() && PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&msg);
  }
  CHECK(launcher.Ending());
  client->Release();
  // The ending asked the message loop to stop; there is no loop here to hear it.
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_CASE("the default cover and the demo disc's cover fill the cover box, at 96 and 144 DPI") {
  Win32Platform platform;
  Launcher launcher{platform};
  const FrmMain main{launcher};
  Twips x = 0, y = 0;
  main.FormPosition(main.PicLogo2, x, y);
  for (const char* file :
       {"/resources/pictures/COVER_DEFAULT.jpg", "/examples/demo-disc/More/cover.jpg"}) {
    std::string path = std::string(ZORVIK_SOURCE_DIR) + file;
    if (path.front() == '/') path = "Z:" + path;  // a Unix source tree seen from Wine
    std::string error;
    const Picture cover =
        platform.LoadPicture(path, main.PicLogo2.Width(), main.PicLogo2.Height(), error);
    for (int dpi : {96, 144}) {
      // The box as the painter places it, and the cover at its own size.
      const int boxWidth = Px(x + main.PicLogo2.Width(), dpi) - Px(x, dpi);
      const int boxHeight = Px(y + main.PicLogo2.Height(), dpi) - Px(y, dpi);
      const int spareWidth = Scaled(cover.width, dpi) - boxWidth;
      const int spareHeight = Scaled(cover.height, dpi) - boxHeight;
      const std::string at = std::string(file) + " at " + std::to_string(dpi) +
                             " DPI: " + std::to_string(spareWidth) + ", " +
                             std::to_string(spareHeight);
      CHECK_EQ_AT(spareWidth >= 0 && spareWidth <= 1, true, at);
      CHECK_EQ_AT(spareHeight >= 0 && spareHeight <= 2, true, at);
    }
  }
}

// The rows of a control's place, less a margin, where pixels of one kind of ink show.
struct Ink {
  int top = 1 << 30, bottom = -1;
  double Middle() const { return (top + bottom) / 2.0; }
};
template <class Kind>
Ink InkOf(const BackBuffer& b, const FrmMain& main, const Control& c, int dpi, Kind kind) {
  Twips x = 0, y = 0;
  main.FormPosition(c, x, y);
  Ink ink;
  for (int row = Px(y, dpi) + 3; row < Px(y + c.Height(), dpi) - 3; ++row) {
    for (int col = Px(x, dpi); col < Px(x + c.Width(), dpi); ++col) {
      const std::uint32_t p = b.Bits()[static_cast<size_t>(row) * b.Width() + col];
      if (!kind(int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF))) continue;
      ink.top = std::min(ink.top, row);
      ink.bottom = std::max(ink.bottom, row);
    }
  }
  return ink;
}

TEST_CASE(
    "Play's icon stands clear above its caption and Exit's level with it, at 96 and 144 DPI") {
  Win32Platform platform;
  Launcher launcher{platform};
  FrmMain main{launcher};
  PictureStore pictures;
  FontCache fonts;
  FormPainter painter{pictures, fonts};
  const auto dark = [](int r, int g, int b) { return r < 90 && g < 90 && b < 90; };
  const auto blue = [](int r, int, int b) { return b > 150 && r < 120; };
  const auto red = [](int r, int g, int b) { return r > 150 && g < 120 && b < 120; };
  for (const bool english : {false, true}) {
    if (english) {
      main.LblPlay.SetCaption("Launch Video");
      main.LblExit.SetCaption("Exit");
    }
    for (const int dpi : {96, 144}) {
      BackBuffer buffer;
      CHECK(buffer.Resize(Px(main.InnerWidth(), dpi), Px(main.InnerHeight(), dpi)));
      painter.Paint(main, buffer, dpi);
      const Ink playIcon = InkOf(buffer, main, main.ImgPlayIcon[0], dpi, blue);
      const Ink playCaption = InkOf(buffer, main, main.ImgPlay[2], dpi, dark);
      const Ink exitIcon = InkOf(buffer, main, main.ImgCancel[0], dpi, red);
      const Ink exitCaption = InkOf(buffer, main, main.LblExit, dpi, dark);
      const std::string at = main.LblExit.Caption() + " at " + std::to_string(dpi) + " DPI: gap " +
                             std::to_string(playCaption.top - playIcon.bottom - 1) + ", off " +
                             std::to_string(exitIcon.Middle() - exitCaption.Middle());
      // Two clear rows at least, to the top of a Greek accent; more to the capitals.
      CHECK_EQ_AT(playCaption.top - playIcon.bottom - 1 >= 2, true, at);
      CHECK_EQ_AT(std::abs(exitIcon.Middle() - exitCaption.Middle()) <= 1, true, at);
    }
  }
}

TEST_CASE("the rim of a stretched button lies on its picture's edge") {
  // The Play button at 96 DPI: the 102 x 30 picture stretched to 105 x 49.
  const RECT play{0, 0, 105, 49};
  const struct {
    double x, y, low, high;
  } cases[] = {{0.5, 24, -0.6, 0.6},   // the left edge, half way down
               {52, 0.8, -0.8, 0.8},   // the top edge, half way along
               {52, 46.5, -0.8, 0.8},  // the bottom edge, above the shadow
               {52, 10, -10, -8},      // well inside, nine pixels below the top
               {-3, 24, 3, 4},         // three pixels out to the left
               {2.2, 3.4, 0.0, 1.5}};  // round the corner, just outside
  for (const auto& c : cases) {
    const double d = ButtonRimDistance(c.x, c.y, play);
    CHECK_EQ_AT(d >= c.low && d <= c.high, true,
                std::to_string(c.x) + "," + std::to_string(c.y) + ": " + std::to_string(d));
  }
}

TEST_CASE("a greyed picture keeps no colour and fades toward its background") {
  const std::vector<std::uint32_t> blue(4, 0xFF1E68C4);
  std::vector<std::uint32_t> target(4, 0xFF000000);
  const RECT all{0, 0, 2, 2};
  BlendPicture(target.data(), 2, 2, all, Pixels{blue.data(), 2, 2}, all, true, 0xE0E0E0);
  const std::uint32_t p = target[0];
  CHECK_EQ((p >> 16) & 0xFF, (p >> 8) & 0xFF);
  CHECK_EQ((p >> 8) & 0xFF, p & 0xFF);
  // Half way from the blue's lightness to the background's.
  CHECK((p & 0xFF) > 0x80 && (p & 0xFF) < 0xC0);
}

}  // namespace
}  // namespace zorvik::win32
