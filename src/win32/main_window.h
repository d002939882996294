// The main window: one top-level window painted from its form, with the form's menus and timers.
// Mouse and key input go to the form, the mouse in twips; the form decides what they mean.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/main/frm_main.h"
#include "win32/accessibility.h"
#include "win32/form_painter.h"
#include "win32/menu_bar.h"
#include "win32/window.h"

namespace zorvik::win32 {

class Views;

class MainWindow : public Window, private AccessibleHost {
 public:
  static constexpr const wchar_t* kClassName = L"ZorvikMain";

  MainWindow(Views& views, FrmMain& form, std::function<void()> onClose);
  ~MainWindow() override;
  FrmMain& Model() const override { return form_; }
  HWND Handle() const override { return Window::Handle(); }
  // Brings the window up to date with its form.
  void Sync();
  void Close();

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Paint();
  void Mouse(UINT msg, LPARAM lParam);
  bool Key(WPARAM key, LPARAM flags);
  void ShowKeyboardCues();
  bool SetPointer();
  void ApplySize();
  void SyncTimers();
  void NotifyFocus();
  LRESULT AccessibleObject(WPARAM wParam, LPARAM lParam);
  // AccessibleHost.
  RECT ScreenRect(const Control& c) const override;
  void RequestClick(PictureButton b) override;
  void RequestFocus(PictureButton b) override;

  Views& views_;
  FrmMain& form_;
  std::function<void()> onClose_;
  FormPainter painter_;
  BackBuffer buffer_;
  MenuBar menus_;
  int dpi_ = 96;
  std::uint64_t synced_ = 0;
  bool everSynced_ = false;
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
  // Whether the system hears when the pointer leaves the window.
  bool trackingLeave_ = false;
  // The focus look shows once the keyboard is used, as in every Windows dialog.
  bool keyboardCues_ = false;
  PictureButton notifiedFocus_ = PictureButton::Play;
  ButtonsAccessible* accessible_ = nullptr;
};

}  // namespace zorvik::win32
