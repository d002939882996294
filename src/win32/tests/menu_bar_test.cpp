// The native menu bar built from a form's menu tree.
#include <string>

#include "core/form.h"
#include "core/launcher.h"
#include "win32/menu_bar.h"
#include "win32/tests/check.h"
#include "win32/unicode.h"
#include "win32/win32_platform.h"

namespace zorvik::win32 {
namespace {

class MenuForm : public Form {
 public:
  explicit MenuForm(Launcher& l) : Form(l, "MenuForm") {}
  MenuItem Movie{*this, "Movie", "&Video"};
  MenuItem MainVideo{*this, "MainVideo", "Main video", &Movie};
  MenuItem Trailer1{*this, "Trailer1", "Trailer", &Movie};
  MenuItem Readme{*this, "Readme", "&Readme.txt", &Movie};
  MenuItem Options{*this, "Options", "Options"};
  MenuItem Language{*this, "Language", "Language", &Options};
  MenuItem Greek{*this, "Greek", "Ελληνικά", &Language};
};

std::wstring Caption(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
  return text;
}

struct MenuFixture {
  Win32Platform platform;
  Launcher launcher{platform};
  MenuForm form{launcher};
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  MenuBar menus{form};
  ~MenuFixture() { DestroyWindow(window); }
  HMENU Popup(int position) { return GetSubMenu(GetMenu(window), position); }
};

TEST_CASE("the menu bar shows the tree with its states; hidden entries are absent") {
  MenuFixture f;
  f.form.MainVideo.SetChecked(true);
  f.form.Trailer1.SetVisible(false);
  f.form.Readme.SetEnabled(false);
  f.menus.Sync(f.window);

  HMENU movie = f.Popup(0);
  CHECK_EQ(GetMenuItemCount(GetMenu(f.window)), 2);
  CHECK_EQ(GetMenuItemCount(movie), 2);
  CHECK(Caption(movie, 1) == L"&Readme.txt");
  CHECK((GetMenuState(movie, 0, MF_BYPOSITION) & MF_CHECKED) != 0);
  CHECK((GetMenuState(movie, 1, MF_BYPOSITION) & MF_GRAYED) != 0);
  HMENU language = GetSubMenu(f.Popup(1), 0);
  CHECK(Caption(language, 0) == Widen("Ελληνικά"));
}

TEST_CASE("a change of any entry rebuilds the menu, and commands lead back to entries") {
  MenuFixture f;
  f.form.Trailer1.SetVisible(false);
  f.menus.Sync(f.window);
  CHECK_EQ(GetMenuItemCount(f.Popup(0)), 2);

  f.form.Trailer1.SetVisible(true);
  f.form.Greek.SetCaption("Greek");
  f.menus.Sync(f.window);
  CHECK_EQ(GetMenuItemCount(f.Popup(0)), 3);
  CHECK(Caption(GetSubMenu(f.Popup(1), 0), 0) == L"Greek");

  const UINT trailer = GetMenuItemID(f.Popup(0), 1);
  CHECK(f.menus.ItemOf(trailer) == &f.form.Trailer1);
  CHECK(f.menus.ItemOf(0) == nullptr);
  CHECK(f.menus.ItemOf(trailer + 1000) == nullptr);
}

}  // namespace
}  // namespace zorvik::win32
