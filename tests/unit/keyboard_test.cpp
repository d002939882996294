// Both windows without a mouse: the picture buttons' focus, Enter and Space on them, and Enter
// and Escape in the options window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/media_fixture.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

class MainKeysTest : public MediaTest {
 protected:
  void SetUp() override { StartQuiet(); }
  void Keys(std::initializer_list<std::pair<int, int>> keys) {
    for (const auto& [key, shift] : keys)
      Event([&] { Main().KeyDown(key, shift); });
  }
  void DisablePlay() {
    Opt().TxtAviName.SetText("");
    Event([&] { Main().MainVideo.UserClick(); });
    ASSERT_FALSE(PlayEnabled());
  }
};

constexpr std::pair<int, int> kTab{kKeyTab, 0}, kBackTab{kKeyTab, kShiftMask};

TEST_F(MainKeysTest, TabAndTheArrowsMoveTheFocusRound) {
  using enum PictureButton;
  struct Case {
    std::vector<std::pair<int, int>> keys;
    PictureButton focused;
  };
  const Case cases[] = {
      {{}, Play},
      {{kTab}, Explore},
      {{kTab, kTab}, Exit},
      {{kTab, kTab, kTab}, Help},
      {{kTab, kTab, kTab, kTab}, Handle},
      {{kTab, kTab, kTab, kTab, kTab}, Play},
      {{kBackTab}, Handle},
      {{kBackTab, kBackTab}, Help},
      {{kBackTab, kBackTab, kBackTab}, Exit},
      // The arrows go round the panel's three, and leave the others alone.
      {{kBackTab, {kKeyDown, 0}, {kKeyUp, 0}}, Handle},
      {{{kKeyRight, 0}}, Explore},
      {{{kKeyDown, 0}, {kKeyDown, 0}}, Exit},
      {{{kKeyLeft, 0}}, Exit},
      {{{kKeyUp, 0}, {kKeyUp, 0}}, Explore},
      // Keys with other modifiers belong to others (Ctrl+Tab, Alt+arrows).
      {{{kKeyTab, kCtrlMask}, {kKeyRight, kAltMask}, {kKeyDown, kShiftMask}}, Play}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "keys: " << c.keys.size());
    Start();
    for (const auto& [key, shift] : c.keys) {
      const PictureButton before = Main().FocusedButton();
      const auto revision = Main().Revision();
      Event([&] { Main().KeyDown(key, shift); });
      // The window is drawn anew when the focus moves.
      if (Main().FocusedButton() != before) {
        EXPECT_GT(Main().Revision(), revision);
      }
    }
    EXPECT_EQ(Main().FocusedButton(), c.focused);
    EXPECT_EQ(Looks(), "") << "the keyboard shows no hover look";
  }
}

TEST_F(MainKeysTest, EnterAndSpaceDoWhatAClickDoes) {
  Keys({{kKeyReturn, 0}});
  EXPECT_EQ(Requests(), "open " + std::string(kPlayerPath) + " [F:\\Film\\film.avi  -fs -eend] " +
                            kPlayerPath + " 4\n");
  EXPECT_EQ(Looks(), "") << "the pressed look went with the launch";
  EXPECT_TRUE(Main().Timer1.Enabled());

  fake.shell.clear();
  Keys({kTab, {kKeySpace, 0}});
  EXPECT_EQ(Requests(), "explore F:\\Film [] F:\\Film 10\n");
  Keys({{kKeyReturn, kShiftMask}, {kKeySpace, kCtrlMask}});
  EXPECT_EQ(fake.shell.size(), 1u) << "Enter and Space with modifiers do nothing";

  Keys({kTab, {kKeySpace, 0}});
  EXPECT_TRUE(launcher->Ending());
}

TEST_F(MainKeysTest, ADisabledPlayPassesTheFocusOnAndCannotBePressed) {
  using enum PictureButton;
  DisablePlay();
  EXPECT_EQ(Main().FocusedButton(), Explore);
  Keys({kTab, kTab, kTab, kTab});
  EXPECT_EQ(Main().FocusedButton(), Explore);
  Keys({{kKeyUp, 0}});
  EXPECT_EQ(Main().FocusedButton(), Exit);
  Event([&] { Main().FocusButton(Play); });
  EXPECT_EQ(Main().FocusedButton(), Exit);

  // Disabled whatever the reason, with a movie and a player at hand: no click reaches it.
  Start();
  Event([&] { Main().ImgPlay[2].SetEnabled(false); });
  Event([&] { Main().ClickButton(Play); });
  EXPECT_EQ(Requests(), "");
  EXPECT_EQ(Looks(), "");

  // Play enabled again by a new choice of movie takes the focus back only when it had it.
  Start();
  DisablePlay();
  Event([&] { Opt().TxtAviName.SetText("E:\\film.avi"); });
  EXPECT_EQ(Main().FocusedButton(), Play);
}

// A screen reader's press is a click: the button takes the focus, as under the mouse.
TEST_F(MainKeysTest, AClickFromElsewhereGivesTheButtonTheFocus) {
  using enum PictureButton;
  Event([&] { Main().FocusButton(Exit); });
  Event([&] { Main().ClickButton(Play); });
  EXPECT_EQ(Main().FocusedButton(), Play);
  EXPECT_EQ(fake.shell.size(), 1u);
  Event([&] { Main().ClickButton(Explore); });
  EXPECT_EQ(Main().FocusedButton(), Explore);
}

TEST_F(MainKeysTest, TheButtonsAreNamedByTheirCaptionsInTheLanguageInEffect) {
  using enum PictureButton;
  const auto names = [&] {
    std::string out;
    for (PictureButton b : kPictureButtons)
      out += Main().ButtonName(b) + "|";
    return out;
  };
  EXPECT_EQ(names(), "Launch Video|Explore the CD|Exit|About Zorvik|Hide the cover|");
  Event([&] { Main().Greek.UserClick(); });
  EXPECT_EQ(names(),
            "Αναπαραγωγή|Εξερεύνηση CD|Έξοδος|Σχετικά με το Zorvik|Απόκρυψη του εξωφύλλου|");
  EXPECT_EQ(&Main().ButtonImage(Play), &Main().ImgPlay[2]);
  EXPECT_EQ(&Main().ButtonImage(Explore), &Main().ImgExplore[2]);
  EXPECT_EQ(&Main().ButtonImage(Exit), &Main().ImgExit[2]);
  EXPECT_EQ(&Main().ButtonImage(Help), &Main().ImgHelp[kPlainIcon]);
  EXPECT_EQ(&Main().ButtonImage(Handle), &Main().ImgShow[kHideHandle]);
}

TEST_F(MainKeysTest, TheHelpIconAndTheHandleAnswerKeysAsTheyAnswerClicks) {
  using enum PictureButton;
  const auto aboutBoxes = [&] {
    return std::count_if(fake.boxes.begin(), fake.boxes.end(),
                         [](const MessageBoxCall& b) { return b.prompt.starts_with("Version: "); });
  };
  Keys({kTab, kTab, kTab, {kKeyReturn, 0}});
  EXPECT_EQ(aboutBoxes(), 1);
  Keys({{kKeyF1, 0}, {kKeyF1, kShiftMask}});
  EXPECT_EQ(aboutBoxes(), 2) << "F1 is the help icon's click, without modifiers";
  EXPECT_EQ(Main().FocusedButton(), Help);

  Keys({kTab, {kKeySpace, 0}});
  EXPECT_EQ(Main().FrmBanner.Left(), kOutOfSight);
  // The focus stays on the handle, which is now the one that shows the banner again.
  EXPECT_EQ(Main().FocusedButton(), Handle);
  EXPECT_EQ(&Main().ButtonImage(Handle), &Main().ImgShow[kShowHandle]);
  EXPECT_EQ(Main().ButtonName(Handle), "Show the cover");
  Keys({{kKeySpace, 0}});
  EXPECT_NE(Main().FrmBanner.Left(), kOutOfSight);
  EXPECT_EQ(fake.shell.size(), 0u);
}

class OptionsKeysTest : public OptionsTest {
 protected:
  void SetUp() override {
    StartQuiet();
    Event([&] { Main().General.UserClick(); });
  }
  void Enter() {
    Event([&] { Opt().PressEnter(); });
  }
  void Escape() {
    Event([&] { Opt().PressEscape(); });
  }
};

// Enter is OK, or the focused button, while it can be pressed, and waits for a number in the
// start-time box; Escape is Cancel whatever has the focus.
TEST_F(OptionsKeysTest, EnterAndEscapeAreTheWindowsButtons) {
  const auto startTime = [this](const char* text) {
    return [this, text] {
      Click(Opt().ChkStart);
      Event([&] { Opt().MoveFocus(&Opt().TxtSec); });
      Set([&](FrmOpt& o) { o.TxtSec.SetText(text); });
    };
  };
  const struct {
    const char* name;
    std::function<void()> act;
    bool enter, shown, saved;
    const char* parameters;  // null: the window is gone
  } cases[] = {
      {"OK", [this] { Click(Opt().ChkPanScan); }, true, false, true, "  -fs   -eend -pan "},
      {"OK disabled without Save",
       [this] {
         Click(Opt().ChkSave);
         Click(Opt().ChkFull);
       },
       true, true, false, "-fs -eend"},
      {"Apply focused",
       [this] {
         Click(Opt().ChkPanScan);
         Event([&] { Opt().MoveFocus(&Opt().CmdApply); });
       },
       true, true, true, "  -fs   -eend -pan "},
      {"a word for the start time", startTime("soon"), true, true, false, "-fs -eend"},
      {"a number for it", startTime("30"), true, false, true, "  -fs  -stime=30 -eend  "},
      {"Escape", startTime("soon"), false, false, false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Afresh();
    SetUp();
    c.act();
    c.enter ? Enter() : Escape();
    ASSERT_EQ(launcher->OptLoaded(), c.parameters != nullptr);
    if (!c.parameters) continue;
    EXPECT_EQ(Opt().Visible(), c.shown);
    EXPECT_EQ(Opt().TxtParam.Text(), c.parameters);
    const std::string saved = fake.FileBytes(kSettingsPath);
    EXPECT_EQ(saved.find('"' + std::string(c.parameters) + '"') != std::string::npos, c.saved);
    if (c.shown && Opt().ChkStart.Value() == kChecked) {
      EXPECT_EQ(Opt().Focused(), &Opt().TxtSec);
    }
  }
  EXPECT_EQ(Opt().ChkStart.Value(), kUnchecked) << "the cancelled window is made afresh";
  EXPECT_EQ(Opt().TxtSec.Text(), "x seconds");
}

TEST_F(OptionsKeysTest, EveryChangeOfPagePutsTheFocusOnThePageShown) {
  FrmOpt& o = Opt();
  const auto ctrlTab = [&] { o.KeyDown(kKeyTab, kCtrlMask); };
  const struct {
    const char* how;
    Control* from;
    std::function<void()> act;
    int page;
    const Control* focus;
  } cases[] = {
      {"Ctrl+Tab", &o.TxtAviName, ctrlTab, 2, &o.ChkFull},
      {"a click on a tab", &o.tbsOptions, [&] { o.tbsOptions.Select(4); }, 4, &o.CmdBSpath},
      {"Ctrl+Tab from the last page", &o.TxtSubs, ctrlTab, 1, &o.TxtAviName},
      // Default stands on the first page: the button keeps the focus.
      {"Default", &o.CmdDefault, [&] { o.CmdDefault.RaiseClick(); }, 1, &o.CmdDefault},
      {"Ctrl+Tab from a button", &o.cmdOK, ctrlTab, 2, &o.ChkFull},
      {"Ctrl+Tab again", &o.ChkFull, ctrlTab, 3, &o.ChkZorvikexit},
      // Ctrl+Tab with other modifiers belongs to others.
      {"Ctrl+Shift+Tab", &o.cmdOK, [&] { o.KeyDown(kKeyTab, kCtrlMask | kShiftMask); }, 3,
       &o.cmdOK},
      {"Ctrl+Alt+Tab", &o.cmdOK, [&] { o.KeyDown(kKeyTab, kCtrlMask | kAltMask); }, 3, &o.cmdOK},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Event([&] { o.MoveFocus(c.from); });
    Event(c.act);
    EXPECT_EQ(o.tbsOptions.SelectedIndex(), c.page);
    EXPECT_EQ(o.Focused(), c.focus);
    EXPECT_TRUE(o.CanFocus(*o.Focused()));
    // The other pages are out of sight and disabled, so Tab doesn't reach their controls.
    for (int page = 1; page <= 4; ++page) {
      EXPECT_EQ(o.Picoptions[page - 1].Left(), page == c.page ? 120 : -20000) << page;
      EXPECT_EQ(o.Picoptions[page - 1].Enabled(), page == c.page) << page;
    }
  }
}

TEST_F(OptionsKeysTest, AStartTimeThatIsNoNumberKeepsItsPage) {
  Event([&] { Opt().tbsOptions.Select(2); });
  Click(Opt().ChkStart);
  Event([&] { Opt().MoveFocus(&Opt().TxtSec); });
  Set([](FrmOpt& o) { o.TxtSec.SetText("soon"); });
  Event([&] { Opt().KeyDown(kKeyTab, kCtrlMask); });
  EXPECT_EQ(Opt().tbsOptions.SelectedIndex(), 2);
  EXPECT_EQ(Opt().Picoptions[1].Left(), 120);
  EXPECT_EQ(Opt().Focused(), &Opt().TxtSec);
  Set([](FrmOpt& o) { o.TxtSec.SetText("30"); });
  Event([&] { Opt().KeyDown(kKeyTab, kCtrlMask); });
  EXPECT_EQ(Opt().tbsOptions.SelectedIndex(), 3);
  EXPECT_EQ(Opt().Focused(), &Opt().ChkZorvikexit);
}

}  // namespace
}  // namespace zorvik::test
