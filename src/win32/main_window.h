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
  void OnPaint();
  void OnDpiChanged(int dpi, const RECT& suggested);
  // Where a mouse message happened, in pixels and in the form's twips.
  struct MouseAt {
    POINT px;
    Twips x, y;
  };
  // Also remembered, for a press that another window ends.
  MouseAt Mouse(LPARAM lParam);
  void OnMouseMove(const MouseAt& at);
  void OnButtonDown(MouseButton button, const MouseAt& at);
  void OnButtonUp(MouseButton button, const MouseAt& at);
  void OnMouseLeave();
  void OnCaptureChanged(HWND taker);
  bool OnSetCursor(HWND over, WORD hit);
  bool SetPointer();
  // The keyboard and screen readers.
  bool OnKeyDown(WPARAM key, LPARAM flags);
  void ShowKeyboardCues();
  void OnFocusChanged(bool gained);
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  void OnAccessibleRequest(bool click, WPARAM button);
  void NotifyFocus();
  // Timers and menus.
  void OnTimer(WPARAM id);
  bool OnCommand(WORD id, WORD code, HWND from);

  void ApplySize();
  void SyncTimers();
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
