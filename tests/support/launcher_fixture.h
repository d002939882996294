// A started launcher on a fake Windows, and the discs the tests start it on.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/launcher.h"
#include "support/fake_platform.h"
#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"

namespace zorvik::test {

inline constexpr const char* kPlayerPath = "C:\\Program Files\\BSplayer\\bplay.exe";

class LauncherTest : public ::testing::Test {
 public:
  FakePlatform fake;
  std::unique_ptr<Launcher> launcher;

  // A disc and computer on which start-up asks nothing: the player installed and recent, FFdshow
  // present, one movie beside the launcher.
  void QuietDisc() {
    fake.SetRegString("Apppath", kPlayerPath);
    fake.AddFile(kPlayerPath, "", {2004, 3, 1});
    fake.AddFile("C:\\program files\\ffdshow\\ffdshow.ax");
    fake.AddFile(fake.launcherFolder + "\\film.avi");
  }

  // A new computer with the quiet disc, for the next case of a table.
  void Afresh() {
    fake = FakePlatform();
    QuietDisc();
  }

  Launcher& Start() {
    launcher = std::make_unique<Launcher>(fake);
    launcher->Start();
    return *launcher;
  }
  Launcher& StartQuiet() {
    QuietDisc();
    return Start();
  }
  FrmMain& Main() { return launcher->Main(); }
  FrmOpt& Opt() { return launcher->Opt(); }
  // The message boxes shown so far, by their texts.
  std::vector<std::string> Prompts() const {
    std::vector<std::string> out;
    for (const MessageBoxCall& b : fake.boxes)
      out.push_back(b.prompt);
    return out;
  }
  // Runs an action as one event from outside, as the front end does.
  void Event(const std::function<void()>& action) { launcher->Dispatch(action); }
  // Clicks the centre of a control of the main window with the left button.
  void ClickMain(const Control& c, MouseButton button = MouseButton::Left) {
    Twips x = 0, y = 0;
    Main().FormPosition(c, x, y);
    x += c.Width() / 2;
    y += c.Height() / 2;
    Event([&] {
      Main().MouseMove(0, x, y);
      Main().MouseDown(button, 0, x, y);
      Main().MouseUp(button, 0, x, y);
    });
  }
};

}  // namespace zorvik::test
