// A native window with a C++ object behind it: the object is attached at WM_NCCREATE and every
// message of the window goes to its HandleMessage, with exceptions stopped at this boundary.
#pragma once

#include <functional>
#include <string>

#include "win32/windows_api.h"

namespace zorvik::win32 {

// The Shift, Ctrl and Alt keys held down now, as the forms' key events carry them.
int ShiftKeys();

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
  // What happens to an exception that reached a window procedure: the program can't go on.
  static void SetFailureHandler(std::function<void(const std::string&)> handler);

 protected:
  HWND Create(const wchar_t* className, DWORD exStyle, DWORD style, HWND parent, HMENU menu,
              const RECT& rect);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // For window procedures of other kinds (subclassed controls): the same last resort.
  static void Fail(const std::string& what);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace zorvik::win32
