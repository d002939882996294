// A form shown with native controls: the model's values reach the controls, the user's input
// reaches the model, and the model keeps the last word on focus and keys.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/launcher.h"
#include "win32/options_window.h"
#include "win32/tests/check.h"
#include "win32/unicode.h"
#include "win32/units.h"
#include "win32/views.h"
#include "win32/win32_platform.h"

namespace zorvik::win32 {
namespace {

class TestForm : public Form {
 public:
  explicit TestForm(Launcher& l) : Form(l, "TestForm") {
    SetCaption("Test");
    SetInnerSize(3000, 2400);
    SetZOrder(nullptr, {&Page, &Outside});
    SetZOrder(&Page, {&Box, &Check, &Combo, &Other});
    Page.Move(0, 0, 3000, 2400);
    Box.Move(120, 120, 2000, 315);
    Check.Move(120, 600, 2000, 315);
    Combo.Move(120, 1080, 2000, 315);
    Other.Move(120, 1560, 2000, 315);
    Outside.Move(120, 2000, 2000, 315);
    Combo.SetListEntry(0, "Original");
    Combo.SetListEntry(1, "16:9");
    // Like the start-time box: no moving on while it holds no number.
    Box.onValidate = [this](bool& cancel) { cancel = Box.Text() == "bad"; };
    onKeyDown = [this](int key, int shift) { keys.emplace_back(key, shift); };
  }
  PictureBox Page{*this, "Page"};
  TextBox Box{*this, "Box"};
  CheckBox Check{*this, "Check"};
  ComboBox Combo{*this, "Combo"};
  CheckBox Other{*this, "Other"};
  CheckBox Outside{*this, "Outside"};
  std::vector<std::pair<int, int>> keys;
};

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK FindId(HWND hwnd, LPARAM search) {
  auto* s = reinterpret_cast<Search*>(search);
  if (GetDlgCtrlID(hwnd) != s->id) return TRUE;
  s->found = hwnd;
  return FALSE;
}

struct Fixture {
  Win32Platform platform;
  Launcher launcher{platform};
  Views views{launcher, GetModuleHandleW(nullptr)};
  TestForm form{launcher};
  OptionsWindow window{views, form, nullptr, [] {}};

  Fixture() {
    form.Show();
    window.Sync();
  }
  // Controls are numbered in the order the form lists them, from 100.
  HWND Native(const Control& c) const {
    const auto at = std::find(form.Controls().begin(), form.Controls().end(), &c);
    Search search{100 + static_cast<int>(at - form.Controls().begin()), nullptr};
    EnumChildWindows(window.Handle(), FindId, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  std::string Text(const Control& c) const {
    wchar_t text[256] = {};
    GetWindowTextW(Native(c), text, 256);
    return Narrow(text);
  }
};

TEST_CASE("the model's values show in the native controls") {
  Fixture f;
  f.form.Check.SetValue(kGrayed);
  f.form.Box.SetText("Z:\\movie.avi");
  f.form.Combo.SetListIndex(1);
  f.form.Other.SetVisible(false);
  f.window.Sync();
  CHECK_EQ(SendMessageW(f.Native(f.form.Check), BM_GETCHECK, 0, 0), LRESULT{BST_INDETERMINATE});
  CHECK_EQ(f.Text(f.form.Box), std::string("Z:\\movie.avi"));
  CHECK_EQ(SendMessageW(f.Native(f.form.Combo), CB_GETCOUNT, 0, 0), LRESULT{2});
  CHECK_EQ(SendMessageW(f.Native(f.form.Combo), CB_GETCURSEL, 0, 0), LRESULT{1});
  CHECK(!IsWindowVisible(f.Native(f.form.Other)));
}

TEST_CASE("the user's input reaches the model, and the control shows what the model made of it") {
  Fixture f;
  f.form.Check.SetValue(kGrayed);
  f.window.Sync();
  SendMessageW(f.Native(f.form.Check), BM_CLICK, 0, 0);
  CHECK_EQ(f.form.Check.Value(), kChecked);
  CHECK_EQ(SendMessageW(f.Native(f.form.Check), BM_GETCHECK, 0, 0), LRESULT{BST_CHECKED});

  SetWindowTextW(f.Native(f.form.Box), L"Ταινία.avi");
  CHECK_EQ(f.form.Box.Text(), std::string("Ταινία.avi"));

  const HWND combo = f.Native(f.form.Combo);
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  CHECK_EQ(f.form.Combo.ListIndex(), 1);
  CHECK_EQ(f.form.Combo.Text(), std::string("16:9"));
}

TEST_CASE("a change of the model that leaves the text as it is keeps the caret") {
  Fixture f;
  const HWND box = f.Native(f.form.Box);
  SetWindowTextW(box, L"-fs -eend");
  SendMessageW(box, EM_SETSEL, 3, 3);
  f.form.Box.SetBackColor(kSilver);
  f.window.Sync();
  DWORD start = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  CHECK_EQ(start, DWORD{3});
}

TEST_CASE(
    "each control answers its colour message with its model's colours; a list keeps the "
    "system's") {
  Fixture f;
  constexpr Color kNavy = Rgb(0, 0, 128);
  for (Control* c : std::initializer_list<Control*>{&f.form.Box, &f.form.Check, &f.form.Combo}) {
    c->SetBackColor(kSilver);
    c->SetForeColor(kNavy);
  }
  f.window.Sync();
  const HDC dc = CreateCompatibleDC(nullptr);
  const struct {
    const Control* control;
    UINT message;
    bool model;
  } cases[] = {{&f.form.Box, WM_CTLCOLOREDIT, true},
               {&f.form.Check, WM_CTLCOLORSTATIC, true},
               {&f.form.Check, WM_CTLCOLORBTN, true},
               {&f.form.Combo, WM_CTLCOLOREDIT, false}};
  for (const auto& c : cases) {
    const HWND native = f.Native(*c.control);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(GetParent(native), c.message, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(native));
    const std::string row = c.control->DisplayName() + " " + std::to_string(c.message);
    CHECK_EQ_AT(GetBkColor(dc) == ToColorRef(kSilver), c.model, row);
    CHECK_EQ_AT(GetTextColor(dc) == ToColorRef(kNavy), c.model, row);
  }
  DeleteDC(dc);
}

TEST_CASE("a focus move that Validate refuses goes back, and its click does nothing") {
  Fixture f;
  const HWND box = f.Native(f.form.Box);
  SetFocus(box);
  CHECK(f.form.Focused() == &f.form.Box);
  SetWindowTextW(box, L"bad");
  SendMessageW(f.Native(f.form.Check), BM_CLICK, 0, 0);
  CHECK(GetFocus() == box);
  CHECK(f.form.Focused() == &f.form.Box);
  CHECK_EQ(f.form.Check.Value(), kUnchecked);

  SetWindowTextW(box, L"10");
  SendMessageW(f.Native(f.form.Check), BM_CLICK, 0, 0);
  CHECK(f.form.Focused() == &f.form.Check);
  CHECK_EQ(f.form.Check.Value(), kChecked);
}

TEST_CASE("the model's own focus moves move the native focus") {
  Fixture f;
  SetFocus(f.Native(f.form.Check));
  f.form.MoveFocus(&f.form.Box);
  f.window.Sync();
  CHECK(GetFocus() == f.Native(f.form.Box));
}

TEST_CASE("a page disabled round the focus passes the focus to a control that can take it") {
  Fixture f;
  SetActiveWindow(f.window.Handle());
  SetFocus(f.Native(f.form.Box));
  CHECK(f.form.Focused() == &f.form.Box);
  // As a page put out of sight is: its controls keep their own state.
  f.form.Page.SetEnabled(false);
  f.window.Sync();
  CHECK(GetFocus() == f.Native(f.form.Outside));
  CHECK(f.form.Focused() == &f.form.Outside);
}

TEST_CASE("the form sees keys first; Ctrl+Tab goes no further") {
  Fixture f;
  const HWND box = f.Native(f.form.Box);
  SetFocus(box);
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE ctrl = keys[VK_CONTROL];
  const struct {
    bool ctrl;
    bool consumed;
    int shift;
  } cases[] = {{true, true, kCtrlMask}, {false, true, 0}};
  for (const auto& c : cases) {
    keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    f.form.keys.clear();
    MSG msg{box, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    CHECK_EQ(f.window.PreTranslate(msg), c.consumed);
    CHECK(f.form.keys == (std::vector<std::pair<int, int>>{{VK_TAB, c.shift}}));
  }
  keys[VK_CONTROL] = ctrl;
  SetKeyboardState(keys);
  // The plain Tab went on to the dialog's navigation.
  CHECK(GetFocus() != box);
}

}  // namespace
}  // namespace zorvik::win32
