#include "win32/options_window.h"

#include <algorithm>

#include "win32/unicode.h"
#include "win32/units.h"
#include "win32/views.h"

namespace zorvik::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kFirstId = 100;

}  // namespace

// The window of a page or frame: it holds the controls placed in it.
class OptionsWindow::Panel : public Window {
 public:
  Panel(OptionsWindow& owner, const Control& model, HWND parent, int id)
      : owner_(owner), model_(model) {
    // A frame's group box covers it whole but paints only its outline: the panel paints what
    // lies under it, so it must not clip its children away.
    const DWORD clip = model.Kind() == ControlKind::Frame ? 0 : WS_CLIPCHILDREN;
    Create(kPanelClassName, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | clip,
           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), RECT{0, 0, 0, 0});
  }

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_ERASEBKGND && owner_.alive_) {
      owner_.brushes_.Fill(reinterpret_cast<HDC>(wParam), Handle(), model_.BackColor());
      return 1;
    }
    LRESULT result = 0;
    if (owner_.ContainerMessage(msg, wParam, lParam, result)) return result;
    return Window::HandleMessage(msg, wParam, lParam);
  }

  OptionsWindow& owner_;
  const Control& model_;
};

OptionsWindow::OptionsWindow(Views& views, Form& form, HWND owner, std::function<void()> onClose)
    : views_(views), form_(form), onClose_(std::move(onClose)), nextId_(kFirstId) {
  Create(kClassName, kExStyle, kStyle, owner, nullptr, RECT{0, 0, 320, 240});
  dpi_ = WindowDpi(Handle());
  CreateChildren(nullptr, Handle());
  Sync();
}

OptionsWindow::~OptionsWindow() {
  Close();
}

void OptionsWindow::Close() {
  alive_ = false;
  if (!Handle()) return;
  views_.ReleaseOwner();
  DestroyWindow(Handle());
}

// Controls are numbered in the order they are made, from kFirstId, counting those that show
// nothing.
void OptionsWindow::CreateChildren(const Control* container, HWND parent) {
  const HFONT font = views_.Fonts().Dialog(dpi_);
  // A label has no window of its own in the form: every control lies over it, whatever the
  // stacking order. Its window is made after the others, which puts it beneath them.
  std::vector<Control*> children = form_.ChildrenOf(container);
  std::stable_partition(children.begin(), children.end(),
                        [](const Control* c) { return c->Kind() != ControlKind::Label; });
  for (Control* c : children) {
    if (c->IsContainer()) {
      AddPanel(*c, parent);
      continue;
    }
    std::unique_ptr<NativeControl> control = MakeNativeControl(*c, nextId_++, parent, brushes_);
    if (!control) continue;  // nothing of a timer or an image shows on a dialog
    control->SetFont(font, false);
    if (control->TakesFocus())
      Subclass(control->Handle(), reinterpret_cast<UINT_PTR>(control.get()));
    natives_.emplace(c, control.get());
    controls_.push_back(std::move(control));
  }
}

void OptionsWindow::AddPanel(Control& model, HWND parent) {
  const int id = nextId_++;
  controls_.push_back(
      std::make_unique<NativePanel>(model, id, std::make_unique<Panel>(*this, model, parent, id)));
  auto& panel = static_cast<NativePanel&>(*controls_.back());
  natives_.emplace(&model, &panel);
  CreateChildren(&model, panel.Handle());
  if (model.Kind() == ControlKind::Frame) panel.AddGroupBox(views_.Fonts().Dialog(dpi_));
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
  for (const auto& c : controls_) {
    if (c->Stale()) c->Apply(dpi_, hwnd, toolTips_);
  }

  // The owner first, or the system would activate some other program's window.
  if (!form_.Visible() && IsWindowVisible(hwnd)) views_.ReleaseOwner();
  ShowAs(form_.Visible());
  if (!alive_) return;

  KeepFocusInside();
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
  for (const auto& c : controls_) {
    if (c->Model().Kind() != ControlKind::CommandButton) continue;
    static_cast<NativeCommandButton&>(*c).MarkDefault(&c->Model() == enter);
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

LRESULT OptionsWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (msg) {
    case WM_ERASEBKGND:
      if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ACTIVATE:
      if (OnActivate(LOWORD(wParam))) return 0;
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      if (ContainerMessage(msg, wParam, lParam, result)) return result;
      break;
  }
  return Window::HandleMessage(msg, wParam, lParam);
}

bool OptionsWindow::ContainerMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!alive_) return false;
  switch (msg) {
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
      return true;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      result = reinterpret_cast<LRESULT>(
          OnControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
      return result != 0;
    default:
      return false;
  }
}

LRESULT OptionsWindow::ControlMessage(UINT_PTR id, HWND hwnd, UINT msg, WPARAM wParam,
                                      LPARAM lParam) {
  if (!alive_) return DefSubclassProc(hwnd, msg, wParam, lParam);
  NativeControl& c = *reinterpret_cast<NativeControl*>(id);
  LRESULT result = 0;
  if (c.OwnMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_SETFOCUS:
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
      OnControlFocus(c);
      return result;
    case WM_LBUTTONDOWN:
      pressedIn_ = hwnd;
      break;
    case WM_LBUTTONUP:
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
      if (alive_) OnControlClick(c);
      return result;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool OptionsWindow::OnEraseBackground(HDC dc) {
  if (!alive_) return false;
  brushes_.Fill(dc, Handle(), form_.BackColor());
  return true;
}

void OptionsWindow::OnClose() {
  if (alive_) views_.Dispatch(onClose_);
}

bool OptionsWindow::OnActivate(WORD state) {
  if (state == WA_INACTIVE || !alive_) return false;
  FocusFirst();
  return true;
}

void OptionsWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  const HFONT font = views_.Fonts().Dialog(dpi_);
  for (const auto& c : controls_) {
    c->SetFont(font, true);
    c->MarkStale();
  }
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (alive_) ApplySize();
  Sync();
}

void OptionsWindow::OnCommand(HWND from, WORD id, WORD code) {
  if (NativeControl* c = ControlOf(from)) {
    Notified(*c, code);
  } else if (!from && (id == IDOK || id == IDCANCEL)) {
    // Enter and Escape, as the dialog navigation reports them.
    Form& form = form_;
    const bool enter = id == IDOK;
    views_.Dispatch([&form, enter] { enter ? form.PressEnter() : form.PressEscape(); });
  }
}

bool OptionsWindow::OnNotify(const NMHDR& header) {
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  if (NativeControl* c = ControlOf(header.hwndFrom)) Notified(*c, header.code);
  return true;
}

HBRUSH OptionsWindow::OnControlColor(HWND control, HDC dc) {
  const NativeControl* c = ControlOf(control);
  return c ? c->Colors(dc, brushes_) : nullptr;
}

// The user acted on a control: the model hears, and the control then shows what the model made
// of it, also when the model kept its value.
void OptionsWindow::Notified(NativeControl& c, UINT code) {
  if (syncing_) return;  // our own updates of the controls
  const bool acted =
      code == BN_CLICKED || code == CBN_SELCHANGE || code == static_cast<UINT>(TCN_SELCHANGE);
  if (!acted || &c.Model() != refused_) {
    if (c.UserChanged(code)) views_.Dispatch([&c] { c.TellModel(); });
  }
  if (acted && alive_) {
    c.MarkStale();
    Sync();
  }
}

void OptionsWindow::OnControlFocus(NativeControl& c) {
  const Control* before = form_.Focused();
  Control* target = &c.Model();
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

void OptionsWindow::OnControlClick(NativeControl& c) {
  const bool refused = refused_ == &c.Model();
  if (refused) refused_ = nullptr;
  const bool pressedHere = pressedIn_ == c.Handle();
  pressedIn_ = nullptr;
  if (c.Model().Kind() == ControlKind::TextBox && pressedHere && !refused) {
    Control* box = &c.Model();
    views_.Dispatch([box] { box->RaiseClick(); });
  }
}

// The focus may rest only where the form says it can: a control disabled while it has the focus
// (Apply disables itself when clicked) would take every key with it, Escape included, and one on
// a hidden page would take the typing of a box nobody sees, or send the dialog navigation round
// for ever. The focus goes where the form has it, else to the default button, as in the system's
// property sheets after Apply, else to the first control that takes it.
void OptionsWindow::KeepFocusInside() {
  const HWND hwnd = Handle();
  if (!IsWindowVisible(hwnd) || GetActiveWindow() != hwnd) return;
  const HWND now = GetFocus();
  if (now == hwnd) return;
  if (const NativeControl* c = ControlOf(now); c && form_.CanFocus(c->Model())) return;
  const Control* button = form_.DefaultButton();
  if (button && !form_.CanFocus(*button)) button = nullptr;
  FocusFirst(button);
}

void OptionsWindow::FocusFirst(const Control* instead) {
  const Control* target = form_.Focused();
  if (!target || !form_.CanFocus(*target))
    target = instead ? instead : form_.FirstFocusable(nullptr);
  if (const HWND h = NativeOf(target)) SetFocus(h);
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

// A notification names the window it comes from, which carries its control.
NativeControl* OptionsWindow::ControlOf(HWND hwnd) const {
  return NativeControl::Of(hwnd);
}

HWND OptionsWindow::NativeOf(const Control* c) const {
  const auto found = natives_.find(c);
  return found == natives_.end() ? nullptr : found->second->Handle();
}

}  // namespace zorvik::win32
