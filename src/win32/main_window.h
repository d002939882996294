// The main window: one top-level window painted from its form, with the form's menus and timers.
// Mouse input goes to the form in twips; the form decides what it means.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/form.h"
#include "win32/form_painter.h"
#include "win32/menu_bar.h"
#include "win32/window.h"

namespace zorvik::win32 {

class Views;

class MainWindow : public Window {
 public:
  static constexpr const wchar_t* kClassName = L"ZorvikMain";

  MainWindow(Views& views, Form& form, std::function<void()> onClose);
  Form& Model() const { return form_; }
  // Brings the window up to date with its form.
  void Sync();
  void Close();

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Paint();
  void Mouse(UINT msg, WPARAM wParam, LPARAM lParam);
  bool SetPointer();
  void ApplySize();
  void SyncTimers();

  Views& views_;
  Form& form_;
  std::function<void()> onClose_;
  FormPainter painter_;
  BackBuffer buffer_;
  MenuBar menus_;
  int dpi_ = 96;
  std::uint64_t synced_ = 0;
  bool everSynced_ = false;
  bool shown_ = false;
  std::string caption_;
  Twips width_ = 0, height_ = 0;
  struct RunningTimer {
    Timer* timer;
    int interval;  // 0 while stopped
  };
  std::vector<RunningTimer> timers_;
  // The press the window holds the mouse for.
  bool pressed_ = false;
  MouseButton button_ = MouseButton::Left;
  Twips lastX_ = 0, lastY_ = 0;
};

}  // namespace zorvik::win32
