#include "win32/window.h"

#include <exception>

#include "core/form.h"
#include "core/launcher.h"
#include "win32/units.h"

namespace zorvik::win32 {

namespace {

std::function<void(const char*)>& FailureHandler() {
  static std::function<void(const char*)> handler;
  return handler;
}

}  // namespace

int ShiftKeys() {
  return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) |
         (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) | (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::RegisterWindowClass(HINSTANCE instance, const wchar_t* name, HICON icon,
                                 HICON smallIcon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Failure("the window class can't be registered");
  }
}

void Window::SetFailureHandler(std::function<void(const char*)> handler) {
  FailureHandler() = std::move(handler);
}

HWND Window::Create(const wchar_t* className, DWORD exStyle, DWORD style, HWND parent, HMENU menu,
                    const RECT& rect) {
  CreateWindowExW(exStyle, className, L"", style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, menu, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw Failure("a window can't be created");
  return hwnd_;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void Window::Subclass(HWND control, UINT_PTR id) {
  SetWindowSubclass(control, SubclassProcedure, id, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT Window::ControlMessage(UINT_PTR, HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(control, msg, wParam, lParam);
}

void Window::ShowAs(bool visible) {
  if (visible == (IsWindowVisible(hwnd_) != FALSE)) return;
  if (visible && !placed_) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const HWND owner = GetWindow(hwnd_, GW_OWNER);
    const POINT at = CentredOrigin({r.right - r.left, r.bottom - r.top}, owner ? owner : hwnd_);
    SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placed_ = true;
  }
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);

  const LRESULT result = self->Guarded(nullptr, hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT CALLBACK Window::SubclassProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR window) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProcedure, id);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  return reinterpret_cast<Window*>(window)->Guarded(&id, hwnd, msg, wParam, lParam);
}

LRESULT Window::Guarded(const UINT_PTR* id, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // An exception must not unwind through the system's code that called the window procedure.
  try {
    return id ? ControlMessage(*id, hwnd, msg, wParam, lParam) : HandleMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    Fail(e.what());
  } catch (...) {
    Fail(nullptr);
  }
  return 0;
}

void Window::Fail(const char* what) {
  if (FailureHandler()) FailureHandler()(what);
}

}  // namespace zorvik::win32
