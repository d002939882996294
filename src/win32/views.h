// The front end: a native window for each loaded form, every input run through the launcher, and
// the screen brought up to date after each event and before anything modal.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/launcher.h"
#include "win32/fonts.h"
#include "win32/pictures.h"
#include "win32/win32_platform.h"
#include "win32/window.h"

namespace zorvik {
class FrmOpt;
}

namespace zorvik::win32 {

class MainWindow;
class OptionsWindow;

// Tells the user that an unexpected failure stopped the program; `what` describes it, or is null.
void ShowUnexpectedError(const char* what);

class Views : public FormObserver, public PlatformHost {
 public:
  Views(Launcher& launcher, HINSTANCE instance);
  ~Views() override;
  Views(const Views&) = delete;
  Views& operator=(const Views&) = delete;

  // The launcher's start-up, then the windows it left visible.
  void Start();
  // The message loop; returns when the program ends.
  int Run();
  // One event from outside, then the screen follows the model.
  void Dispatch(const std::function<void()>& event);
  // Gives the main window its input back at the end of a modal display.
  void ReleaseOwner();

  PictureStore& Pictures() { return pictures_; }
  FontCache& Fonts() { return fonts_; }

  // FormObserver.
  void MainLoaded(FrmMain& form) override;
  void OptLoaded(FrmOpt& form) override;
  void OptUnloaded(FrmOpt& form) override;

  // PlatformHost.
  HWND MainWindowHandle() override;
  HWND ModalOwner() override;
  void EnterModal() override;
  void LeaveModal() override;
  void ShowModal(Form& form) override;

 private:
  void AfterEvent();
  void CloseOptionsWindow();
  void SyncWindows();
  // The options window's native controls cost more than the rest of the start-up: they are
  // made when the form first shows, not when it loads.
  OptionsWindow* OptionsWindowIfShown();
  void TearDown();
  bool PreTranslate(MSG& msg);
  // Handles one message of a loop; false when the loop must stop.
  bool Pump();
  void Fatal(const char* what);

  Launcher& launcher_;
  PictureStore pictures_;
  FontCache fonts_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<OptionsWindow> options_;
  FrmOpt* optionsForm_ = nullptr;  // loaded, its window not made yet
  // Windows whose form went; kept until no message of theirs is on the stack.
  std::vector<std::unique_ptr<Window>> closed_;
  HWND disabledOwner_ = nullptr;
  int modalDepth_ = 0;
  bool tornDown_ = false;
};

}  // namespace zorvik::win32
