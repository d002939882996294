#include "win32/options_window.h"

#include <algorithm>
#include <stdexcept>

#include "win32/unicode.h"
#include "win32/units.h"
#include "win32/views.h"

namespace zorvik::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr int kFirstId = 100;
// Room below a combo box for its open list, at 96 DPI.
constexpr int kDropDownHeight = 200;

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetText(HWND hwnd, const std::string& text) {
  const std::wstring wide = Widen(text);
  // Equal text is left alone, which keeps the caret where the user has it.
  if (TextOf(hwnd) != wide) SetWindowTextW(hwnd, wide.c_str());
}

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::CommandButton:
    case ControlKind::TabStrip:
      return true;
    default:
      return false;
  }
}

WPARAM CheckState(int value) {
  switch (value) {
    case kChecked:
      return BST_CHECKED;
    case kGrayed:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

}  // namespace

struct OptionsWindow::Bound {
  Control* model = nullptr;
  int id = 0;
  HWND hwnd = nullptr;      // the control, or the window of a page or frame
  HWND groupBox = nullptr;  // a frame's outline and caption
  std::unique_ptr<Panel> panel;
  RECT placed{};
  bool stale = true;
  std::uint64_t synced = 0;
  std::vector<std::string> list;
  std::vector<Tab> tabs;
  std::string toolTip;
};

// The window of a page or frame: it holds the controls placed in it.
class OptionsWindow::Panel : public Window {
 public:
  Panel(OptionsWindow& owner, const Control& model, HWND parent, int id)
      : owner_(owner), model_(model) {
    // A frame's group box covers it whole but paints only its outline: the panel paints what
    // lies under it, so it must not clip its children away.
    const DWORD clip = model.Kind() == ControlKind::Frame ? 0 : WS_CLIPCHILDREN;
    Create(kPanelClassName, WS_EX_CONTROLPARENT, kChild | clip, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), RECT{0, 0, 0, 0});
  }

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_ERASEBKGND && owner_.alive_) {
      owner_.EraseWith(reinterpret_cast<HDC>(wParam), Handle(), model_.BackColor());
      return 1;
    }
    LRESULT result = 0;
    if (owner_.ChildMessage(msg, wParam, lParam, result)) return result;
    return Window::HandleMessage(msg, wParam, lParam);
  }

  OptionsWindow& owner_;
  const Control& model_;
};

OptionsWindow::OptionsWindow(Views& views, Form& form, HWND owner, std::function<void()> onClose)
    : views_(views), form_(form), onClose_(std::move(onClose)) {
  Create(kClassName, kExStyle, kStyle, owner, nullptr, RECT{0, 0, 320, 240});
  dpi_ = WindowDpi(Handle());
  CreateChildren(nullptr, Handle());
  Sync();
}

OptionsWindow::~OptionsWindow() {
  Close();
  for (const auto& [color, brush] : brushes_) {
    DeleteObject(brush);
  }
}

void OptionsWindow::Close() {
  alive_ = false;
  if (!Handle()) return;
  views_.ReleaseOwner();
  DestroyWindow(Handle());
}

void OptionsWindow::CreateChildren(const Control* container, HWND parent) {
  const HFONT font = views_.Fonts().Dialog(dpi_);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // A label has no window of its own in the form: every control lies over it, whatever the
  // stacking order. Its window is made after the others, which puts it beneath them.
  std::vector<Control*> children = form_.ChildrenOf(container);
  std::stable_partition(children.begin(), children.end(),
                        [](const Control* c) { return c->Kind() != ControlKind::Label; });
  for (Control* c : children) {
    const size_t index = bound_.size();
    bound_.push_back(std::make_unique<Bound>());
    Bound& b = *bound_.back();
    b.model = c;
    b.id = kFirstId + static_cast<int>(index);
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id));

    const wchar_t* className = L"BUTTON";
    DWORD style = kChild;
    DWORD exStyle = 0;
    switch (c->Kind()) {
      case ControlKind::PictureBox:
      case ControlKind::Frame:
        b.panel = std::make_unique<Panel>(*this, *c, parent, b.id);
        b.hwnd = b.panel->Handle();
        CreateChildren(c, b.hwnd);
        if (c->Kind() == ControlKind::Frame) {
          // Made last, so that it lies under the frame's controls.
          b.groupBox = CreateWindowExW(0, L"BUTTON", L"", kChild | BS_GROUPBOX, 0, 0, 0, 0, b.hwnd,
                                       id, instance, nullptr);
          SendMessageW(b.groupBox, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        continue;
      case ControlKind::Label:
        className = L"STATIC";
        style |= static_cast<const Label*>(c)->Centered() ? SS_CENTER : SS_LEFT;
        break;
      case ControlKind::CheckBox:
        style |= BS_3STATE | BS_MULTILINE | WS_TABSTOP;
        break;
      case ControlKind::OptionButton:
        style |= BS_RADIOBUTTON | BS_MULTILINE;
        break;
      case ControlKind::CommandButton:
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
      case ControlKind::TextBox:
        className = L"EDIT";
        style |= ES_AUTOHSCROLL | WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::ComboBox:
        className = L"COMBOBOX";
        style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
        break;
      case ControlKind::TabStrip:
        className = WC_TABCONTROLW;
        style |= WS_TABSTOP;
        break;
      default:
        continue;  // nothing of a timer or an image shows on a dialog
    }
    b.hwnd =
        CreateWindowExW(exStyle, className, L"", style, 0, 0, 0, 0, parent, id, instance, nullptr);
    if (!b.hwnd) throw std::runtime_error("the control " + c->DisplayName() + " can't be made.");
    SendMessageW(b.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (TakesFocus(c->Kind())) {
      Subclass(b.hwnd, index);
    }
  }
}

void OptionsWindow::Sync() {
  if (!alive_ || !Handle() || syncing_) return;
  syncing_ = true;
  // Showing the window or moving the focus runs the form's handlers, which may change more.
  for (int pass = 0; pass < 3 && alive_; ++pass) {
    const std::uint64_t revision = form_.Revision();
    const Control* focus = form_.Focused();
    SyncOnce();
    if (!alive_ || (form_.Revision() == revision && form_.Focused() == focus)) break;
  }
  syncing_ = false;
}

void OptionsWindow::SyncOnce() {
  const HWND hwnd = Handle();
  if (form_.Caption() != caption_) {
    caption_ = form_.Caption();
    SetWindowTextW(hwnd, Widen(caption_).c_str());
  }
  if (form_.InnerWidth() != innerWidth_ || form_.InnerHeight() != innerHeight_) ApplySize();
  for (const auto& b : bound_) {
    if (!b->hwnd || (!b->stale && b->model->Revision() == b->synced)) continue;
    b->stale = false;
    b->synced = b->model->Revision();
    Apply(*b);
  }

  // The owner first, or the system would activate some other program's window.
  if (!form_.Visible() && IsWindowVisible(hwnd)) views_.ReleaseOwner();
  ShowAs(form_.Visible());
  if (!alive_) return;

  const Control* focus = form_.Focused();
  if (focus != syncedFocus_) {
    syncedFocus_ = focus;
    const HWND target = NativeOf(focus);
    if (target && IsWindowVisible(hwnd) && GetFocus() != target) SetFocus(target);
  }
  MarkEnterButton();
}

// The button that Enter presses has the thick border of a default button, as in any dialog.
void OptionsWindow::MarkEnterButton() {
  const Control* enter = form_.EnterButton();
  for (const auto& b : bound_) {
    if (b->model->Kind() != ControlKind::CommandButton) continue;
    const LONG_PTR style = GetWindowLongPtrW(b->hwnd, GWL_STYLE);
    const LONG_PTR wanted =
        (style & ~LONG_PTR{BS_TYPEMASK}) | (b->model == enter ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (wanted != style) SendMessageW(b->hwnd, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
  }
}

void OptionsWindow::ApplySize() {
  innerWidth_ = form_.InnerWidth();
  innerHeight_ = form_.InnerHeight();
  const SIZE outer =
      OuterSize({Px(innerWidth_, dpi_), Px(innerHeight_, dpi_)}, kStyle, kExStyle, false, dpi_);
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OptionsWindow::ApplyGeometry(Bound& b) {
  const Control& m = *b.model;
  const int left = Px(m.Left(), dpi_);
  const int top = Px(m.Top(), dpi_);
  const int width = Px(m.Left() + m.Width(), dpi_) - left;
  int height = Px(m.Top() + m.Height(), dpi_) - top;
  if (m.Kind() == ControlKind::ComboBox) height += Scaled(kDropDownHeight, dpi_);
  const RECT place{left, top, left + width, top + height};
  // Moving a combo box whose list is open confuses it; nothing moves that needn't.
  if (EqualRect(&place, &b.placed)) return;
  b.placed = place;
  SetWindowPos(b.hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (b.groupBox) {
    SetWindowPos(b.groupBox, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void OptionsWindow::Apply(Bound& b) {
  Control& m = *b.model;
  const HWND hwnd = b.hwnd;
  ApplyGeometry(b);
  const bool shown = (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != m.Visible()) ShowWindow(hwnd, m.Visible() ? SW_SHOWNA : SW_HIDE);
  if ((IsWindowEnabled(hwnd) != FALSE) != m.Enabled()) EnableWindow(hwnd, m.Enabled());
  if (b.groupBox) EnableWindow(b.groupBox, m.Enabled());

  switch (m.Kind()) {
    case ControlKind::Frame:
      SetText(b.groupBox, m.Caption());
      break;
    case ControlKind::Label:
    case ControlKind::CommandButton:
    case ControlKind::TextBox:
      SetText(hwnd, m.Caption());
      break;
    case ControlKind::CheckBox:
      SetText(hwnd, m.Caption());
      SendMessageW(hwnd, BM_SETCHECK, CheckState(static_cast<CheckBox&>(m).Value()), 0);
      break;
    case ControlKind::OptionButton: {
      SetText(hwnd, m.Caption());
      const bool on = static_cast<OptionButton&>(m).Value();
      SendMessageW(hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
      // Tab reaches a group of option buttons at its chosen one.
      const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
      SetWindowLongW(hwnd, GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
      break;
    }
    case ControlKind::ComboBox: {
      const auto& combo = static_cast<ComboBox&>(m);
      if (b.list != combo.List()) {
        SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
        for (const std::string& entry : combo.List()) {
          SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
        }
        b.list = combo.List();
      }
      if (SendMessageW(hwnd, CB_GETCURSEL, 0, 0) != combo.ListIndex()) {
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
      }
      break;
    }
    case ControlKind::TabStrip: {
      const auto& strip = static_cast<TabStrip&>(m);
      if (b.tabs != strip.Tabs()) {
        TabCtrl_DeleteAllItems(hwnd);
        int i = 0;
        for (const Tab& tab : strip.Tabs()) {
          std::wstring caption = Widen(tab.caption);
          TCITEMW item{};
          item.mask = TCIF_TEXT;
          item.pszText = caption.data();
          SendMessageW(hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(i++),
                       reinterpret_cast<LPARAM>(&item));
        }
        b.tabs = strip.Tabs();
      }
      if (TabCtrl_GetCurSel(hwnd) != strip.SelectedIndex() - 1) {
        TabCtrl_SetCurSel(hwnd, strip.SelectedIndex() - 1);
      }
      break;
    }
    default:
      break;
  }
  InvalidateRect(hwnd, nullptr, TRUE);
  ApplyToolTip(b);
}

void OptionsWindow::ApplyToolTip(Bound& b) {
  const std::string& tip = b.model->ToolTip();
  if (tip == b.toolTip) return;
  if (!toolTip_) {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    // Long tips wrap instead of running across the screen.
    SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, Scaled(360, dpi_));
  }
  std::wstring text = Widen(tip);
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = Handle();
  info.uId = reinterpret_cast<UINT_PTR>(b.hwnd);
  info.lpszText = text.data();
  const UINT message = tip.empty()         ? TTM_DELTOOLW
                       : b.toolTip.empty() ? TTM_ADDTOOLW
                                           : TTM_UPDATETIPTEXTW;
  SendMessageW(toolTip_, message, 0, reinterpret_cast<LPARAM>(&info));
  b.toolTip = tip;
}

LRESULT OptionsWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (!alive_) break;
      EraseWith(reinterpret_cast<HDC>(wParam), Handle(), form_.BackColor());
      return 1;
    case WM_CLOSE:
      if (alive_) views_.Dispatch(onClose_);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && alive_) {
        FocusFirst();
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const HFONT font = views_.Fonts().Dialog(dpi_);
      for (const auto& b : bound_) {
        for (HWND h : {b->hwnd, b->groupBox}) {
          if (h) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
        b->stale = true;
      }
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (alive_) ApplySize();
      Sync();
      return 0;
    }
    default: {
      LRESULT result = 0;
      if (ChildMessage(msg, wParam, lParam, result)) return result;
      break;
    }
  }
  return Window::HandleMessage(msg, wParam, lParam);
}

bool OptionsWindow::ChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!alive_) return false;
  switch (msg) {
    case WM_COMMAND:
      if (Bound* b = BoundOf(reinterpret_cast<HWND>(lParam))) {
        Command(*b, HIWORD(wParam));
      } else if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        // Enter and Escape, as the dialog navigation reports them.
        Form& form = form_;
        const bool enter = LOWORD(wParam) == IDOK;
        views_.Dispatch([&form, enter] { enter ? form.PressEnter() : form.PressEscape(); });
      }
      result = 0;
      return true;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return false;
      if (Bound* b = BoundOf(header->hwndFrom)) TabChanged(*b);
      result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      const Bound* b = BoundOf(reinterpret_cast<HWND>(lParam));
      if (!b || b->model->Kind() == ControlKind::ComboBox) return false;
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ToColorRef(b->model->ForeColor()));
      SetBkColor(dc, ToColorRef(b->model->BackColor()));
      result = reinterpret_cast<LRESULT>(Brush(b->model->BackColor()));
      return true;
    }
    default:
      return false;
  }
}

LRESULT OptionsWindow::ControlMessage(UINT_PTR index, HWND hwnd, UINT msg, WPARAM wParam,
                                      LPARAM lParam) {
  if (!alive_) return DefSubclassProc(hwnd, msg, wParam, lParam);
  Bound& b = *bound_[index];
  switch (msg) {
    case WM_SETFOCUS: {
      const LRESULT result = DefSubclassProc(b.hwnd, msg, wParam, lParam);
      GainedFocus(b);
      return result;
    }
    case WM_LBUTTONDOWN:
      pressedIn_ = b.hwnd;
      break;
    case WM_LBUTTONUP: {
      const LRESULT result = DefSubclassProc(b.hwnd, msg, wParam, lParam);
      if (alive_) Clicked(b);
      return result;
    }
    case WM_ERASEBKGND:
      if (b.model->Kind() == ControlKind::TabStrip) return 1;
      break;
    case WM_PAINT:
      if (b.model->Kind() == ControlKind::TabStrip) {
        PaintTabStrip(b.hwnd);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(b.hwnd, msg, wParam, lParam);
}

// The tab control paints its pane in the system's colour, and the pages and the controls below
// them would stand on it as grey patches: the pane gets the dialog's colour instead.
void OptionsWindow::PaintTabStrip(HWND hwnd) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  RECT client{};
  GetClientRect(hwnd, &client);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  const HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  const HBRUSH back = Brush(form_.BackColor());
  FillRect(memory, &client, back);
  DefSubclassProc(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);

  RECT pane = client;
  TabCtrl_AdjustRect(hwnd, FALSE, &pane);
  const POINT inside{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2};
  const HGDIOBJ oldBrush = SelectObject(memory, back);
  ExtFloodFill(memory, inside.x, inside.y, GetPixel(memory, inside.x, inside.y), FLOODFILLSURFACE);
  SelectObject(memory, oldBrush);

  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd, &ps);
}

void OptionsWindow::Command(Bound& b, UINT code) {
  if (syncing_) return;  // our own updates of the controls
  Control* m = b.model;
  const bool acted = code == BN_CLICKED || code == CBN_SELCHANGE;
  if (acted && m == refused_) {
    b.stale = true;
    Sync();
    return;
  }
  switch (m->Kind()) {
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) {
        views_.Dispatch([m] { static_cast<CheckBox*>(m)->UserClick(); });
      }
      break;
    case ControlKind::OptionButton:
      if (code == BN_CLICKED) {
        views_.Dispatch([m] { static_cast<OptionButton*>(m)->UserClick(); });
      }
      break;
    case ControlKind::CommandButton:
      if (code == BN_CLICKED) views_.Dispatch([m] { m->RaiseClick(); });
      break;
    case ControlKind::TextBox:
      if (code == EN_CHANGE) {
        auto* box = static_cast<TextBox*>(m);
        const std::string text = Narrow(TextOf(b.hwnd));
        if (text != box->Text()) views_.Dispatch([box, text] { box->SetText(text); });
      }
      break;
    case ControlKind::ComboBox:
      if (code == CBN_SELCHANGE) {
        auto* combo = static_cast<ComboBox*>(m);
        const int index = static_cast<int>(SendMessageW(b.hwnd, CB_GETCURSEL, 0, 0));
        views_.Dispatch([combo, index] { combo->SetListIndex(index); });
      }
      break;
    default:
      break;
  }
  // The native control shows what the model made of it, also when the model kept its value.
  if (acted && alive_) {
    b.stale = true;
    Sync();
  }
}

void OptionsWindow::TabChanged(Bound& b) {
  if (syncing_) return;
  auto* strip = static_cast<TabStrip*>(b.model);
  if (strip != refused_) {
    const int index = TabCtrl_GetCurSel(b.hwnd) + 1;
    views_.Dispatch([strip, index] { strip->Select(index); });
  }
  if (alive_) {
    b.stale = true;
    Sync();
  }
}

void OptionsWindow::GainedFocus(Bound& b) {
  const Control* before = form_.Focused();
  Control* target = b.model;
  if (target == before) return;
  bool moved = true;
  Form& form = form_;
  views_.Dispatch([&form, target, &moved] { moved = form.MoveFocus(target); });
  if (!alive_) return;
  if (moved) {
    refused_ = nullptr;
    // The native focus is already where the model has it.
    if (form_.Focused() == target) syncedFocus_ = target;
    return;
  }
  // The focused control's Validate kept the focus: it goes back there.
  refused_ = target;
  if (const HWND keep = NativeOf(form_.Focused())) SetFocus(keep);
}

void OptionsWindow::Clicked(Bound& b) {
  const bool refused = refused_ == b.model;
  if (refused) refused_ = nullptr;
  const bool pressedHere = pressedIn_ == b.hwnd;
  pressedIn_ = nullptr;
  if (b.model->Kind() == ControlKind::TextBox && pressedHere && !refused) {
    Control* box = b.model;
    views_.Dispatch([box] { box->RaiseClick(); });
  }
}

void OptionsWindow::FocusFirst() {
  const auto reachable = [this](HWND h) {
    for (; h && h != Handle(); h = GetParent(h)) {
      if (!(GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) || !IsWindowEnabled(h)) return false;
    }
    return h != nullptr;
  };
  HWND target = NativeOf(form_.Focused());
  if (!target || !reachable(target)) {
    target = nullptr;
    for (const auto& b : bound_) {
      if (b->hwnd && TakesFocus(b->model->Kind()) && reachable(b->hwnd)) {
        target = b->hwnd;
        break;
      }
    }
  }
  if (target) SetFocus(target);
}

bool OptionsWindow::PreTranslate(MSG& msg) {
  const HWND dialog = Handle();
  if (!alive_ || !dialog || (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    const int key = static_cast<int>(msg.wParam);
    const int shift = ShiftKeys();
    Form& form = form_;
    views_.Dispatch([&form, key, shift] { form.KeyDown(key, shift); });
    // Ctrl+Tab is the form's: dialog navigation must not see it as Tab.
    if (key == VK_TAB && (shift & kCtrlMask)) return true;
    if (!alive_ || !Handle()) return true;
  }
  return IsDialogMessageW(dialog, &msg) != FALSE;
}

void OptionsWindow::EraseWith(HDC dc, HWND hwnd, Color color) {
  RECT r{};
  GetClientRect(hwnd, &r);
  FillRect(dc, &r, Brush(color));
}

HBRUSH OptionsWindow::Brush(Color color) {
  if (IsSystemColor(color)) return GetSysColorBrush(SystemColorIndex(color));
  auto found = brushes_.find(color);
  if (found == brushes_.end()) {
    found = brushes_.emplace(color, CreateSolidBrush(ToColorRef(color))).first;
  }
  return found->second;
}

OptionsWindow::Bound* OptionsWindow::BoundOf(HWND hwnd) const {
  if (!hwnd) return nullptr;
  const int index = GetDlgCtrlID(hwnd) - kFirstId;
  if (index < 0 || static_cast<size_t>(index) >= bound_.size()) return nullptr;
  Bound* b = bound_[static_cast<size_t>(index)].get();
  return (b->hwnd == hwnd || b->groupBox == hwnd) ? b : nullptr;
}

HWND OptionsWindow::NativeOf(const Control* c) const {
  if (!c) return nullptr;
  for (const auto& b : bound_) {
    if (b->model == c) return b->hwnd;
  }
  return nullptr;
}

}  // namespace zorvik::win32
