#include "win32/window.h"

#include <exception>
#include <stdexcept>

#include "core/form.h"

namespace zorvik::win32 {

namespace {

std::function<void(const std::string&)>& FailureHandler() {
  static std::function<void(const std::string&)> handler;
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
    throw std::runtime_error("the window class can't be registered");
  }
}

void Window::SetFailureHandler(std::function<void(const std::string&)> handler) {
  FailureHandler() = std::move(handler);
}

void Window::Fail(const std::string& what) {
  if (FailureHandler()) FailureHandler()(what);
}

HWND Window::Create(const wchar_t* className, DWORD exStyle, DWORD style, HWND parent, HMENU menu,
                    const RECT& rect) {
  CreateWindowExW(exStyle, className, L"", style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, menu, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("a window can't be created");
  return hwnd_;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(msg, wParam, lParam);
  } catch (const std::exception& e) {
    Fail(e.what());
  } catch (...) {
    Fail("an unknown failure.");
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace zorvik::win32
