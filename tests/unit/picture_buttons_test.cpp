// The Play, Explore and Exit picture buttons driven by raw mouse input at their places.
#include <gtest/gtest.h>

#include <map>

#include "support/media_fixture.h"

namespace zorvik::test {
namespace {

class PictureButtonsTest : public MediaTest {
 protected:
  void SetUp() override { StartQuiet(); }
  // The button images are taken clear of their labels and icons.
  Point Place(const std::string& name) {
    FrmMain& m = Main();
    const std::map<std::string, Point> places = {
        {"play", At(m.ImgPlay[2], 60, 60)},     {"playLabel", Centre(m.LblPlay)},
        {"playIcon", Centre(m.ImgPlayIcon[0])}, {"explore", At(m.ImgExplore[2], 60, 40)},
        {"exploreLabel", Centre(m.LblExplore)}, {"exit", At(m.ImgExit[2], 60, 40)},
        {"exitLabel", Centre(m.LblExit)},       {"cancel", Centre(m.ImgCancel[0])},
        {"help", Centre(m.ImgHelp[0])},         {"panel", At(m.FrmMenu, 100, 300)},
        {"mainPic", At(m.MainPic, 100, 100)},   {"form", Point{300, 60}},
        {"cover", Centre(m.PicLogo2)},          {"title", Centre(m.LblMovieName)}};
    return places.at(name);
  }
};

TEST_F(PictureButtonsTest, TheHoverLooksFollowThePointer) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"play", "playLabel", "playIcon"}, "ImgPlay(1) ImgPlayIcon(1)"},
      {{"playLabel", "exitLabel", "cancel", "title"}, ""},
      {{"play", "explore"}, "ImgExplore(1) ImgPlayIcon(1)"},
      {{"exit", "explore"}, "ImgExplore(1) ImgCancel(1)"},
      {{"exit", "play"}, "ImgPlay(1) ImgPlayIcon(1) ImgCancel(1)"},
      {{"explore", "play"}, "ImgPlay(1) ImgPlayIcon(1)"},
      {{"play", "exit"}, "ImgExit(1) ImgPlayIcon(1) ImgCancel(1)"},
      {{"explore", "exit"}, "ImgExit(1) ImgCancel(1)"},
      {{"help", "exit", "cover"}, "ImgExit(1) ImgCancel(1) ImgHelp(1)"},
      {{"play", "help", "panel"}, ""},
      {{"exit", "help", "mainPic"}, ""},
      {{"explore", "play", "form"}, ""}};
  for (const bool banner : {true, false}) {
    for (const auto& [path, looks] : cases) {
      SCOPED_TRACE(path.front() + " " + path.back() + (banner ? "" : " without the banner"));
      Start();
      if (!banner) Event([&] { Main().ImgShow_Click(0); });
      const std::string handle = Main().ImgShow[banner ? 0 : 1].DisplayName();
      for (const std::string& p : path)
        MoveTo(Place(p));
      if (banner) {
        EXPECT_EQ(Looks(), looks);  // without, the places differ
      }
      EXPECT_TRUE(Main().ImgShow[banner ? 0 : 1].Visible()) << "the banner's handle " << handle;
    }
  }
}

// The help icon and the banner's handle show their own pointers.
TEST_F(PictureButtonsTest, ExploreAndExitWearPlaysThreeLooks) {
  for (int k = 0; k < 3; ++k) {
    const std::string look = Main().ImgPlay[k].GetPicture().name;
    EXPECT_FALSE(look.empty());
    EXPECT_EQ(Main().ImgExplore[k].GetPicture().name, look);
    EXPECT_EQ(Main().ImgExit[k].GetPicture().name, look);
    for (const Image* img : {&Main().ImgPlay[k], &Main().ImgExplore[k], &Main().ImgExit[k]})
      EXPECT_EQ(img->Border(), k == 0) << img->DisplayName() << ": only the pressed look";
    if (k == 2) continue;
    EXPECT_EQ(Main().ImgHelp[k].Pointer(), MousePointer::ArrowQuestion);
    EXPECT_EQ(Main().ImgShow[k].Pointer(), MousePointer::Custom);
  }
}

TEST_F(PictureButtonsTest, PlayLaunchesOnReleaseAnywhere) {
  MoveTo(Place("play"));
  Press(Place("play"));
  EXPECT_EQ(Looks(), "ImgPlay(0) ImgPlay(1) ImgPlayIcon(1)");
  MoveTo(Place("form"));  // the pressed button keeps the moves: no reset
  EXPECT_EQ(Looks(), "ImgPlay(0) ImgPlay(1) ImgPlayIcon(1)");
  EXPECT_EQ(Requests(), "");
  Release(Place("form"));
  EXPECT_EQ(fake.shell.size(), 1u);
  EXPECT_EQ(Looks(), "ImgPlay(1) ImgPlayIcon(1)");
  MoveTo(Place("form"));
  EXPECT_EQ(Looks(), "");
}

// The pointer leaving the window is a move over the background, except during a press.
TEST_F(PictureButtonsTest, LeavingTheWindowClearsTheHoverLooks) {
  const auto leave = [&] { Event([&] { Main().MouseLeave(); }); };
  MoveTo(Place("exit"));
  MoveTo(Place("help"));
  ASSERT_EQ(Looks(), "ImgExit(1) ImgCancel(1) ImgHelp(1)");
  leave();
  EXPECT_EQ(Looks(), "");

  MoveTo(Place("play"));
  Press(Place("play"));
  leave();
  EXPECT_EQ(Looks(), "ImgPlay(0) ImgPlay(1) ImgPlayIcon(1)");
  Release(Point{-100, -100});
  EXPECT_EQ(fake.shell.size(), 1u);
  leave();
  EXPECT_EQ(Looks(), "");
}

// A press with any mouse button on a button's picture, label or icon shows its pressed look
// only and gives it the focus; the release does what the button does.
TEST_F(PictureButtonsTest, AnyPressOnAButtonsPartsPressesIt) {
  using enum PictureButton;
  const struct {
    const char* place;
    PictureButton button;
    MouseButton mouse;
    const char* request;  // null: the launcher ends
  } cases[] = {
      // clang-format off
      {"playLabel", Play, MouseButton::Right, "open"}, {"playIcon", Play, MouseButton::Middle, "open"},
      {"play", Play, MouseButton::Left, "open"}, {"explore", Explore, MouseButton::Middle, "explore"},
      {"exploreLabel", Explore, MouseButton::Right, "explore F:\\Film [] F:\\Film 10\n"},
      {"exit", Exit, MouseButton::Middle, nullptr}, {"exitLabel", Exit, MouseButton::Right, nullptr},
      {"cancel", Exit, MouseButton::Right, nullptr},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place);
    fake.shell.clear();
    Start();
    Event([&] { Main().FocusButton(c.button == Explore ? Exit : Explore); });
    Press(Place(c.place), c.mouse);
    EXPECT_EQ(Looks(), Main().ButtonImage(c.button).Name() + "(0)");
    EXPECT_EQ(Main().FocusedButton(), c.button);
    EXPECT_FALSE(launcher->Ending());
    Release(Place(c.place), c.mouse);
    EXPECT_EQ(launcher->Ending(), !c.request);
    if (c.request) {
      EXPECT_EQ(Looks(), "");
      EXPECT_TRUE(Requests().starts_with(c.request)) << Requests();
    }
  }
}

// A press on the first or last row or column of a button's picture presses it; a twip beyond
// any of its sides, it lands on the panel.
TEST_F(PictureButtonsTest, EachButtonTakesPressesUpToItsEveryEdge) {
  for (const PictureButton b : {PictureButton::Play, PictureButton::Explore, PictureButton::Exit}) {
    for (int edge = 0; edge < 8; ++edge) {
      Start();
      const Image& img = Main().ButtonImage(b);
      const Twips w = img.Width(), h = img.Height(), beyond = edge < 4 ? 0 : 1;
      const Point at[] = {At(img, 0 - beyond, h / 2), At(img, w - 1 + beyond, h / 2),
                          At(img, w / 2, 0 - beyond), At(img, w / 2, h - 1 + beyond)};
      Press(at[edge % 4]);
      EXPECT_EQ(Looks(), beyond ? "" : img.Name() + "(0)") << img.Name() << " edge " << edge;
    }
  }
}

// Play disabled while the pointer rests on it, hover look showing: the hover look goes with it,
// and from then on its picture, label and icon pass everything to the panel.
TEST_F(PictureButtonsTest, DisabledPlayPassesEverythingToThePanel) {
  MoveTo(Place("play"));
  ASSERT_EQ(Looks(), "ImgPlay(1) ImgPlayIcon(1)");
  Opt().TxtAviName.SetText("");
  Event([&] { Main().MainVideo.UserClick(); });
  ASSERT_FALSE(PlayEnabled());
  EXPECT_EQ(Looks(), "");
  Press(Place("playIcon"));  // still under the pointer
  Release(Place("playIcon"));
  for (const char* place : {"play", "playLabel", "playIcon"}) {
    SCOPED_TRACE(place);
    MoveTo(Place("exit"));
    ASSERT_EQ(Looks(), "ImgExit(1) ImgCancel(1)");
    MoveTo(Place(place));
    EXPECT_EQ(Looks(), "");
    Press(Place(place));
    Release(Place(place));
    EXPECT_EQ(Looks(), "");
  }
  EXPECT_EQ(Requests(), "");
  EXPECT_FALSE(Main().Timer1.Enabled());
}

}  // namespace
}  // namespace zorvik::test
