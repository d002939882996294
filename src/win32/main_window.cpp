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
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      Mouse(msg, lParam);
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (!pressed_) {
        FrmMain& form = form_;
        views_.Dispatch([&form] { form.MouseLeave(); });
      }
      return 0;
    case WM_KEYDOWN:
      if (Key(wParam, lParam)) return 0;
      break;
    case WM_SYSKEYDOWN:
      // Alt and F10 lead to the menu bar, and show where the focus is.
      ShowKeyboardCues();
      break;
    case WM_SETFOCUS:
      InvalidateRect(Handle(), nullptr, FALSE);
      if (accessible_) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT,
                       ButtonsAccessible::ChildId(form_.FocusedButton()));
      }
      return 0;
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        return AccessibleObject(wParam, lParam);
      }
      break;
    case kClickRequest:
    case kFocusRequest:
      // Not while a modal window keeps the main window's input, as for the mouse and keys.
      if (wParam < std::size(kPictureButtons) && IsWindowEnabled(Handle())) {
        FrmMain& form = form_;
        const PictureButton b = kPictureButtons[wParam];
        const bool click = msg == kClickRequest;
        views_.Dispatch([&form, b, click] { click ? form.ClickButton(b) : form.FocusButton(b); });
      }
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a press: the press is over.
      if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
        pressed_ = false;
        Form& form = form_;
        const MouseButton button = button_;
        const Twips x = lastX_, y = lastY_;
        views_.Dispatch([&form, button, x, y] { form.MouseUp(button, 0, x, y); });
      }
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == Handle() &&
          SetPointer()) {
        return TRUE;
      }
      break;
    case WM_TIMER:
      if (wParam >= 1 && wParam <= timers_.size()) {
        Timer* timer = timers_[wParam - 1].timer;
        views_.Dispatch([timer] { timer->Tick(); });
      }
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0) {
        if (MenuItem* item = menus_.ItemOf(LOWORD(wParam))) {
          views_.Dispatch([item] { item->UserClick(); });
        }
        return 0;
      }
      break;
    case WM_CLOSE:
      views_.Dispatch(onClose_);
      return 0;
    case WM_SIZE:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, Px(width_, dpi_),
                   Px(height_, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    }
    default:
      break;
  }
  return Window::HandleMessage(msg, wParam, lParam);
}

bool MainWindow::Key(WPARAM key, LPARAM flags) {
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_SPACE:
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

LRESULT MainWindow::AccessibleObject(WPARAM wParam, LPARAM lParam) {
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

void MainWindow::Paint() {
  // Ends the paint also when drawing throws, or the window would be asked to paint forever.
  struct PaintScope {
    HWND hwnd;
    PAINTSTRUCT ps;
    HDC dc;
    explicit PaintScope(HWND h) : hwnd(h), ps{}, dc(BeginPaint(h, &ps)) {}
    ~PaintScope() { EndPaint(hwnd, &ps); }
  } scope(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  if (buffer_.Resize(client.right, client.bottom)) {
    const bool focusShows = keyboardCues_ && GetFocus() == Handle();
    painter_.Paint(form_, buffer_, dpi_,
                   focusShows ? &form_.ButtonImage(form_.FocusedButton()) : nullptr);
    BitBlt(scope.dc, 0, 0, client.right, client.bottom, buffer_.Dc(), 0, 0, SRCCOPY);
  }
}

void MainWindow::Mouse(UINT msg, LPARAM lParam) {
  const Twips x = ToTwips(static_cast<short>(LOWORD(lParam)), dpi_);
  const Twips y = ToTwips(static_cast<short>(HIWORD(lParam)), dpi_);
  const int shift = ShiftKeys();
  const MouseButton button = ButtonOf(msg);
  lastX_ = x;
  lastY_ = y;
  Form& form = form_;
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
      }
      views_.Dispatch([&form, shift, x, y] { form.MouseMove(shift, x, y); });
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!pressed_) {
        pressed_ = true;
        button_ = button;
        SetCapture(Handle());
      }
      views_.Dispatch([&form, button, shift, x, y] { form.MouseDown(button, shift, x, y); });
      break;
    default: {
      if (pressed_) {
        pressed_ = false;
        ReleaseCapture();
      }
      views_.Dispatch([&form, button, shift, x, y] { form.MouseUp(button, shift, x, y); });
      // A press let go outside the window has left it.
      RECT client{};
      GetClientRect(Handle(), &client);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (!PtInRect(&client, at)) views_.Dispatch([&form] { form.MouseLeave(); });
      break;
    }
  }
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
