// Start-up, the Programs menu, the help file, the about box, and the ways the program ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

class StartupTest : public LauncherTest {
 protected:
  // The position of the first request at or after `from` that starts with `prefix`.
  size_t CallIndex(const std::string& prefix, size_t from = 0) {
    for (size_t i = from; i < fake.calls.size(); ++i)
      if (fake.calls[i].starts_with(prefix)) return i;
    ADD_FAILURE() << "no request " << prefix;
    return fake.calls.size();
  }
  // The factory file with an extra program named in it.
  void WriteSettings(std::vector<std::pair<std::string, std::string>> edits) {
    edits.push_back({"\"\",\"Name other codec 1\"", "\"tools\\extra.exe\",\"Extra tool\""});
    fake.AddFile(kSettingsPath, Edited(kFactoryFile, edits));
  }
};

TEST_F(StartupTest, StepsRunInTheirOrder) {
  QuietDisc();
  fake.keyExists = false;  // so the player's path is looked up, and reported, at its step
  fake.AddFile("E:\\More\\help.chm");
  Start();

  const size_t settings = CallIndex("FileExists More\\Settings.sav");
  const size_t subtitles = CallIndex("RegQuery SubD", settings);
  const size_t programs =
      CallIndex("FileExists DivX players\\BSplayer\\BSplay_installer.exe", subtitles);
  const size_t detect = CallIndex("FindFirst E:\\*.avi", programs);
  const size_t lastPattern = CallIndex("FindFirst E:\\*.wma", detect);
  const size_t prerequisites = CallIndex("WindowsFolder", lastPattern);
  const size_t registryBox = CallIndex("MessageBox Can't get registry access", prerequisites);
  const size_t installBox = CallIndex("MessageBox Please install the BSplayer", registryBox);
  const size_t readme = CallIndex("FileExists Readme.txt", installBox);
  const size_t cover = CallIndex("FindFirst More\\*.jpg", readme);
  const size_t help = CallIndex("FileExists More\\help.chm", cover);
  EXPECT_LT(help, fake.calls.size());
  EXPECT_EQ(launcher->HelpFile, "More\\help.chm");
  EXPECT_TRUE(Main().Visible());
  EXPECT_FALSE(Opt().Visible());
  EXPECT_FALSE(Opt().CmdApply.Enabled());
  EXPECT_FALSE(Main().Timer1.Enabled());
}

TEST_F(StartupTest, LanguageAndTextsComeFromTheSettingsBeforeAnyMessage) {
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"English", "Greek"}}));
  Start();  // no player: the install prompt is the first message, and it is Greek
  ASSERT_FALSE(fake.boxes.empty());
  EXPECT_EQ(fake.boxes[0].prompt, "Can't get registry access");
  EXPECT_EQ(fake.boxes[1].prompt, "Πρέπει να εγκαταστήσετε το BSplayer");
  EXPECT_TRUE(Main().Greek.Checked());
  EXPECT_FALSE(Main().English.Checked());
}

TEST_F(StartupTest, ProgramsMenuOffersOnlyTheInstallersOnTheDisc) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    std::string bsplayerPath;  // from the settings file; empty: no file
    bool enabled;
    std::vector<bool> visible;  // BSplayer, FFdshow, XviD, DivX502, DivX502Pro
  };
  // clang-format off
  const Case cases[] = {
      {"none", {}, "", false, {true, true, true, true, true}},
      {"only XviD", {"E:\\codecs\\xvid_installer.exe"}, "", true, {false, false, true, false, false}},
      {"settings name a missing BSplayer installer",
       {"E:\\DivX players\\BSplayer\\BSplay_installer.exe", "E:\\codecs\\FFdshow_filter.exe"},
       "DivX players\\other.exe", true, {false, true, false, false, false}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Afresh();
    for (const std::string& f : c.files)
      fake.AddFile(f);
    if (!c.bsplayerPath.empty()) {
      WriteSettings({{"DivX players\\BSplayer\\BSplay_installer.exe", c.bsplayerPath}});
    }
    Start();
    FrmMain& m = Main();
    EXPECT_EQ(m.Programs.Enabled(), c.enabled);
    EXPECT_EQ((std::vector<bool>{m.BSplayer.Visible(), m.FFdshow.Visible(), m.XviD.Visible(),
                                 m.DivX502.Visible(), m.DivX502Pro.Visible()}),
              c.visible);
    EXPECT_EQ(m.Other1Name.Visible(), !c.bsplayerPath.empty());
    EXPECT_FALSE(m.Other2Name.Visible()) << "no second program named";
  }
}

TEST_F(StartupTest, NoMovieSearchUnlessAutodetectionIsChosen) {
  QuietDisc();
  fake.AddFile(kSettingsPath,
               Edited(kFactoryFile, {{"\"\",1,0", "\"D:\\films\\chosen.avi\",1,0"},
                                     {"#TRUE#,#FALSE#,#FALSE#", "#FALSE#,#FALSE#,#TRUE#"}}));
  Start();
  EXPECT_EQ(std::count_if(fake.calls.begin(), fake.calls.end(),
                          [](const std::string& c) { return c.starts_with("FindFirst E:\\*."); }),
            0);
  EXPECT_EQ(Opt().TxtAviName.Text(), "D:\\films\\chosen.avi");
}

TEST_F(StartupTest, AboutBoxShowsVersionAndDateWithHelp) {
  for (bool helpFile : {true, false}) {
    SCOPED_TRACE(helpFile);
    Afresh();
    if (helpFile) fake.AddFile("E:\\More\\help.chm");
    Start();
    ClickMain(Main().ImgHelp[0]);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].prompt, "Version: 1.6.83\r\nDate: 20 / 9 / 03");
    EXPECT_EQ(fake.boxes[0].style, 16448);
    EXPECT_EQ(fake.boxes[0].title, "Zorvik");
    EXPECT_EQ(fake.boxes[0].helpFile, helpFile ? "More\\help.chm" : "");
  }
}

TEST_F(StartupTest, EachWayOfEndingStopsEveryHandler) {
  struct Case {
    const char* name;
    std::function<void(StartupTest&)> end;
  };
  const Case cases[] = {
      {"Exit button", [](StartupTest& t) { t.ClickMain(t.Main().LblExit, MouseButton::Right); }},
      {"timer after a launch",
       [](StartupTest& t) {
         t.ClickMain(t.Main().ImgPlay[2]);
         EXPECT_EQ(t.Main().Caption(), "Closing in about a minute...");
         EXPECT_TRUE(t.Main().Timer1.Enabled());
         EXPECT_EQ(t.Main().Timer1.Interval(), 65500);
         t.Event([&] { t.Main().Timer1.Tick(); });
       }},
      {"close box", [](StartupTest& t) { t.Event([&] { t.Main().Form_QueryClose(); }); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Afresh();
    Start();
    c.end(*this);
    EXPECT_TRUE(launcher->Ending());
    const size_t shellBefore = fake.shell.size();
    ClickMain(Main().ImgPlay[2]);
    Event([&] { Main().General.UserClick(); });
    Main().Timer1.Tick();
    EXPECT_EQ(fake.shell.size(), shellBefore);
    EXPECT_TRUE(fake.modal.empty());
    EXPECT_FALSE(Main().ImgPlay[1].Visible());
  }
}

// An unexpected failure in an event is shown, naming it where it can, and ends the program.
TEST_F(StartupTest, AnUnexpectedFailureIsShownAndEndsTheProgram) {
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[] { throw UserError("The cover can't be shown."); }, "The cover can't be shown."},
      {[] { throw std::runtime_error("out of handles"); },
       "An unexpected error stopped Zorvik: out of handles"},
      {[] { throw 42; }, "An unexpected error stopped Zorvik."},
  };
  for (const auto& [failure, message] : cases) {
    SCOPED_TRACE(message);
    Afresh();
    Start();
    Event(failure);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].prompt, message);
    EXPECT_EQ(fake.boxes[0].style, kMbCritical);
    EXPECT_TRUE(launcher->Ending());
  }
}

}  // namespace
}  // namespace zorvik::test
