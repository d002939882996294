// The started launcher of launcher_fixture.h with what the tests of the media and the main window
// share: the message boxes and requests seen, the state of Play, and mouse input at real places.
#pragma once

#include <string>
#include <vector>

#include "support/launcher_fixture.h"

namespace zorvik::test {

class MediaTest : public LauncherTest {
 protected:
  // The launcher was started from another folder, on another drive than the current one, so
  // that the movie, Explore and the trailers show which of the two they use.
  MediaTest() { fake.launcherFolder = "F:\\Film"; }

  struct Point {
    Twips x, y;
  };

  // Every box so far was this one message.
  void ExpectOnly(const std::string& prompt, const std::string& title) {
    ASSERT_EQ(Prompts(), std::vector<std::string>{prompt});
    EXPECT_EQ(fake.boxes[0].title, title);
    EXPECT_EQ(fake.boxes[0].style, kMbCritical);
  }
  // Shell requests and program starts, a line each: "explore E:\ [] E:\ 10" (verb, file,
  // [parameters], directory, show mode) or "start NOTEPAD.EXE [Readme.txt] 1".
  std::string Requests() const {
    std::string out;
    for (const ShellRequest& r : fake.shell) {
      out += r.verb + " " + r.file + " [" + r.parameters + "] " + r.directory + " " +
             std::to_string(r.show) + "\n";
    }
    for (const ProgramStart& s : fake.started) {
      out += "start " + s.path + " [" + s.arguments + "] " + std::to_string(s.show) + "\n";
    }
    return out;
  }
  bool PlayEnabled() {
    FrmMain& m = Main();
    return m.ImgPlay[2].Enabled() && m.ImgPlayIcon[0].Enabled() && m.LblPlay.Enabled();
  }

  // A point of the main window at an offset from a control's top left corner.
  Point At(const Control& c, Twips dx, Twips dy) {
    Point p{};
    Main().FormPosition(c, p.x, p.y);
    return {p.x + dx, p.y + dy};
  }
  Point Centre(const Control& c) { return At(c, c.Width() / 2, c.Height() / 2); }
  void MoveTo(Point p) {
    Event([&] { Main().MouseMove(0, p.x, p.y); });
  }
  void Press(Point p, MouseButton b = MouseButton::Left) {
    Event([&] { Main().MouseDown(b, 0, p.x, p.y); });
  }
  void Release(Point p, MouseButton b = MouseButton::Left) {
    Event([&] { Main().MouseUp(b, 0, p.x, p.y); });
  }
  // The hover and pressed looks that show, as "ImgPlay(1) ImgPlayIcon(1)".
  std::string Looks() {
    FrmMain& m = Main();
    std::string out;
    for (const Image* img :
         {&m.ImgPlay[0], &m.ImgPlay[1], &m.ImgExplore[0], &m.ImgExplore[1], &m.ImgExit[0],
          &m.ImgExit[1], &m.ImgPlayIcon[1], &m.ImgCancel[1], &m.ImgHelp[1]}) {
      if (img->Visible()) out += (out.empty() ? "" : " ") + img->DisplayName();
    }
    return out;
  }
};

}  // namespace zorvik::test
