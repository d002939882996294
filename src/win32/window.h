// A native window with a C++ object behind it: the object is attached at WM_NCCREATE and every
// message of the window, and of the native controls subclassed to it, goes to a member function,
// with exceptions stopped at this boundary.
#pragma once

#include <functional>

#include "win32/windows_api.h"

namespace zorvik::win32 {

// The Shift, Ctrl and Alt keys held down with the message being handled, as the forms' key and
// mouse events carry them.
int ShiftKeys();

// A window's painting, from BeginPaint to EndPaint. The paint ends also when drawing throws, or
// the window would be asked to paint forever.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC Dc() const { return dc_; }
  // What needs painting.
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

  // Registers a window class whose windows run through Window objects.
  static void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, HICON icon,
                                  HICON smallIcon);
  // What happens to an exception that reached a window procedure: the program can't go on. The
  // handler hears the exception's description, or null for an exception without one.
  static void SetFailureHandler(std::function<void(const char* what)> handler);

 protected:
  HWND Create(const wchar_t* className, DWORD exStyle, DWORD style, HWND parent, HMENU menu,
              const RECT& rect);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // The messages of a native control go to ControlMessage first, with its `id`.
  void Subclass(HWND control, UINT_PTR id);
  virtual LRESULT ControlMessage(UINT_PTR id, HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
  // Shows or hides the window; the first time it shows, it is centred on its owner's monitor, or
  // its own.
  void ShowAs(bool visible);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR window);
  // Runs HandleMessage, or ControlMessage for a control's `id`: no exception leaves a window
  // procedure.
  LRESULT Guarded(const UINT_PTR* id, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static void Fail(const char* what);

  HWND hwnd_ = nullptr;
  bool placed_ = false;
};

}  // namespace zorvik::win32
