#include "win32/main_window.h"

#include <iterator>

#include "win32/unicode.h"
#include "win32/units.h"
#include "win32/views.h"

namespace zorvik::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A screen reader's click or focus for a picture button, run once its call has returned.
constexpr UINT kClickRequest = WM_APP + 1;
constexpr UINT kFocusRequest = WM_APP + 2;

MouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

}  // namespace

MainWindow::MainWindow(Views& views, FrmMain& form, std::function<void()> onClose)
    : views_(views),
      form_(form),
      onClose_(std::move(onClose)),
      painter_(views.Pictures(), views.Fonts()),
      menus_(form) {
  for (Control* c : form.Controls()) {
    if (c->Kind() == ControlKind::Timer) timers_.push_back({static_cast<Timer*>(c), 0});
  }
  BOOL cues = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0);
  keyboardCues_ = cues != FALSE;
  notifiedFocus_ = form.FocusedButton();
  Create(kClassName, 0, kStyle, nullptr, nullptr, RECT{0, 0, 320, 240});
  dpi_ = WindowDpi(Handle());
  Sync();
}

MainWindow::~MainWindow() {
  Close();
}

void MainWindow::Close() {
  for (RunningTimer& t : timers_) {
    t.interval = 0;
  }
  if (accessible_) {
    accessible_->Disconnect();
    accessible_->Release();
    accessible_ = nullptr;
  }
  if (Window::Handle()) DestroyWindow(Window::Handle());
}

void MainWindow::Sync() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  menus_.Sync(hwnd);
  if (everSynced_ && form_.Revision() == synced_) return;
  everSynced_ = true;
  synced_ = form_.Revision();

  if (form_.Caption() != caption_) {
    caption_ = form_.Caption();
    SetWindowTextW(hwnd, Widen(caption_).c_str());
  }
  if (form_.Width() != width_ || form_.Height() != height_) ApplySize();
  SyncTimers();
  NotifyFocus();
  InvalidateRect(hwnd, nullptr, FALSE);

  ShowAs(form_.Visible());
}

// Screen readers hear where the focus went.
void MainWindow::NotifyFocus() {
  const PictureButton focused = form_.FocusedButton();
  if (focused == notifiedFocus_) return;
  notifiedFocus_ = focused;
  if (GetFocus() == Handle()) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT, ButtonsAccessible::ChildId(focused));
  }
}

void MainWindow::ApplySize() {
  width_ = form_.Width();
  height_ = form_.Height();
  // The form's size is the outer one, frame and bars included.
  SetWindowPos(Handle(), nullptr, 0, 0, Px(width_, dpi_), Px(height_, dpi_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SyncTimers() {
  for (size_t i = 0; i < timers_.size(); ++i) {
    RunningTimer& t = timers_[i];
    const int wanted = t.timer->Enabled() ? t.timer->Interval() : 0;
    if (wanted == t.interval) continue;
    const UINT_PTR id = i + 1;
    if (wanted > 0) {
      SetTimer(Handle(), id, static_cast<UINT>(wanted), nullptr);
    } else {
      KillTimer(Handle(), id);
    }
    t.interval = wanted;
  }
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers it all
    case WM_SIZE:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(Mouse(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnButtonDown(ButtonOf(msg), Mouse(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnButtonUp(ButtonOf(msg), Mouse(lParam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam, lParam)) return 0;
      break;
    case WM_SYSKEYDOWN:
      // Alt and F10 lead to the menu bar, and show where the focus is.
      ShowKeyboardCues();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      OnFocusChanged(msg == WM_SETFOCUS);
      return 0;
    case WM_GETOBJECT:
      return OnGetObject(wParam, lParam);
    case kClickRequest:
    case kFocusRequest:
      OnAccessibleRequest(msg == kClickRequest, wParam);
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_CLOSE:
      views_.Dispatch(onClose_);
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(msg, wParam, lParam);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, Px(width_, dpi_),
               Px(height_, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void MainWindow::OnFocusChanged(bool gained) {
  InvalidateRect(Handle(), nullptr, FALSE);
  if (gained && accessible_) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT,
                   ButtonsAccessible::ChildId(form_.FocusedButton()));
  }
}

void MainWindow::OnAccessibleRequest(bool click, WPARAM button) {
  // Not while a modal window keeps the main window's input, as for the mouse and keys.
  if (button >= std::size(kPictureButtons) || !IsWindowEnabled(Handle())) return;
  FrmMain& form = form_;
  const PictureButton b = kPictureButtons[button];
  views_.Dispatch([&form, b, click] { click ? form.ClickButton(b) : form.FocusButton(b); });
}

void MainWindow::OnTimer(WPARAM id) {
  if (id < 1 || id > timers_.size()) return;
  Timer* timer = timers_[id - 1].timer;
  views_.Dispatch([timer] { timer->Tick(); });
}

bool MainWindow::OnCommand(WORD id, WORD code, HWND from) {
  // A menu's entry.
  if (code != 0 || from) return false;
  if (MenuItem* item = menus_.ItemOf(id)) views_.Dispatch([item] { item->UserClick(); });
  return true;
}

bool MainWindow::OnKeyDown(WPARAM key, LPARAM flags) {
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_SPACE:
    case VK_F1:
      break;
    default:
      return false;
  }
  ShowKeyboardCues();
  // Enter or Space held down clicks once.
  const bool repeated = (flags & (1 << 30)) != 0;
  if (repeated && (key == VK_RETURN || key == VK_SPACE)) return true;
  FrmMain& form = form_;
  const int code = static_cast<int>(key);
  const int shift = ShiftKeys();
  views_.Dispatch([&form, code, shift] { form.KeyDown(code, shift); });
  return true;
}

void MainWindow::ShowKeyboardCues() {
  if (keyboardCues_) return;
  keyboardCues_ = true;
  InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT MainWindow::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) {
    return Window::HandleMessage(WM_GETOBJECT, wParam, lParam);
  }
  if (!accessible_) accessible_ = new ButtonsAccessible(*this);
  const LRESULT result = LresultFromObject(IID_IAccessible, wParam, accessible_);
  return SUCCEEDED(static_cast<HRESULT>(result))
             ? result
             : DefWindowProcW(Handle(), WM_GETOBJECT, wParam, lParam);
}

RECT MainWindow::ScreenRect(const Control& c) const {
  Twips x = 0, y = 0;
  form_.FormPosition(c, x, y);
  RECT r{Px(x, dpi_), Px(y, dpi_), Px(x + c.Width(), dpi_), Px(y + c.Height(), dpi_)};
  MapWindowPoints(Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void MainWindow::RequestClick(PictureButton b) {
  PostMessageW(Handle(), kClickRequest, static_cast<WPARAM>(b), 0);
}

void MainWindow::RequestFocus(PictureButton b) {
  PostMessageW(Handle(), kFocusRequest, static_cast<WPARAM>(b), 0);
}

void MainWindow::OnPaint() {
  const PaintScope paint(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  if (buffer_.Resize(client.right, client.bottom)) {
    const bool focusShows = keyboardCues_ && GetFocus() == Handle();
    painter_.Paint(form_, buffer_, dpi_,
                   focusShows ? &form_.ButtonImage(form_.FocusedButton()) : nullptr);
    BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, buffer_.Dc(), 0, 0, SRCCOPY);
  }
}

MainWindow::MouseAt MainWindow::Mouse(LPARAM lParam) {
  const POINT px{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  lastX_ = ToTwips(px.x, dpi_);
  lastY_ = ToTwips(px.y, dpi_);
  return {px, lastX_, lastY_};
}

void MainWindow::OnMouseMove(const MouseAt& at) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  Form& form = form_;
  const int shift = ShiftKeys();
  views_.Dispatch([&form, shift, at] { form.MouseMove(shift, at.x, at.y); });
}

void MainWindow::OnButtonDown(MouseButton button, const MouseAt& at) {
  if (!pressed_) {
    pressed_ = true;
    button_ = button;
    SetCapture(Handle());
  }
  Form& form = form_;
  const int shift = ShiftKeys();
  views_.Dispatch([&form, button, shift, at] { form.MouseDown(button, shift, at.x, at.y); });
}

void MainWindow::OnButtonUp(MouseButton button, const MouseAt& at) {
  if (pressed_) {
    pressed_ = false;
    ReleaseCapture();
  }
  Form& form = form_;
  const int shift = ShiftKeys();
  views_.Dispatch([&form, button, shift, at] { form.MouseUp(button, shift, at.x, at.y); });
  // A press let go outside the window has left it.
  RECT client{};
  GetClientRect(Handle(), &client);
  if (!PtInRect(&client, at.px)) views_.Dispatch([&form] { form.MouseLeave(); });
}

void MainWindow::OnMouseLeave() {
  trackingLeave_ = false;
  if (pressed_) return;
  FrmMain& form = form_;
  views_.Dispatch([&form] { form.MouseLeave(); });
}

void MainWindow::OnCaptureChanged(HWND taker) {
  // Another window took the mouse in the middle of a press: the press is over.
  if (!pressed_ || taker == Handle()) return;
  pressed_ = false;
  Form& form = form_;
  const MouseButton button = button_;
  const Twips x = lastX_, y = lastY_;
  views_.Dispatch([&form, button, x, y] { form.MouseUp(button, 0, x, y); });
}

bool MainWindow::OnSetCursor(HWND over, WORD hit) {
  return hit == HTCLIENT && over == Handle() && SetPointer();
}

bool MainWindow::SetPointer() {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(Handle(), &p);
  HCURSOR cursor = nullptr;
  switch (form_.PointerAt(ToTwips(p.x, dpi_), ToTwips(p.y, dpi_))) {
    case MousePointer::ArrowQuestion:
      cursor = LoadCursorW(nullptr, IDC_HELP);
      break;
    case MousePointer::Custom:
      cursor = LoadCursorW(GetModuleHandleW(nullptr), L"HANDLE_CURSOR");
      break;
    case MousePointer::Default:
      cursor = LoadCursorW(nullptr, IDC_ARROW);
      break;
  }
  if (!cursor) return false;
  SetCursor(cursor);
  return true;
}

}  // namespace zorvik::win32
