// Reloading the options window (Cancel, the close box, Default) refills it from the settings file
// or the defaults, and keeps what start-up found on this computer: the player and the movie.
#include <gtest/gtest.h>

#include <functional>

#include "media/video_launch.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

constexpr const char* kPlayer = "F:\\BSplayer\\bplay.exe";
// A settings file as the launcher writes it, but with no player path: its author can't know
// the viewer's. Full screen, end at the end, pan-scan.
const std::string kDiscFile =
    Edited(kFactoryFile, {{"0,0,0,0,1,1,\"Change Skin\",0", "0,0,0,0,1,1,\"Change Skin\",1"},
                          {"\"-fs -eend\"", "\"  -fs   -eend -pan \""}});

class OptionsReloadTest : public OptionsTest {
 protected:
  // The disc in E:\Movie, started from D:\Work, Windows in C:\WINNT, the player on F:.
  void Computer(bool settingsFile, bool ffdshow = true) {
    fake = FakePlatform();
    fake.windowsFolder = "C:\\WINNT";
    fake.launcherFolder = "E:\\Movie";
    fake.currentFolder = "D:\\Work";
    fake.AddFolder(fake.currentFolder);
    fake.AddFile("E:\\Movie\\film.avi");
    fake.SetRegString("Apppath", kPlayer);
    fake.AddFile(kPlayer, "", {2004, 3, 1});
    if (ffdshow) fake.AddFile("C:\\program files\\ffdshow\\ffdshow.ax");
    if (settingsFile) fake.AddFile("D:\\Work\\More\\Settings.sav", kDiscFile);
  }
  // What Play asks of the shell, as "file [parameters]"; empty when nothing is started.
  std::string Play() {
    fake.shell.clear();
    fake.started.clear();
    Event([&] { LaunchVideo(*launcher); });
    std::string out;
    for (const ShellRequest& r : fake.shell)
      out += r.file + " [" + r.parameters + "]";
    for (const ProgramStart& s : fake.started)
      out += s.path + " [" + s.arguments + "]";
    return out;
  }
  // Opens the options window from the menu; the user does `act` in it.
  void Options(const std::function<void(FrmOpt&)>& act) {
    fake.onModal = [&](Form& f) { act(static_cast<FrmOpt&>(f)); };
    Event([&] { Main().General.UserClick(); });
    fake.onModal = nullptr;
  }
};

// An applied but unsaved change, then the window is closed without saving.
void ApplyUnsaved(FrmOpt& o) {
  o.ChkSave.UserClick();
  o.ChkFull.UserClick();
  o.CmdApply.RaiseClick();
}

struct Closing {
  const char* name;
  std::function<void(FrmOpt&)> act;
  // Default runs the load again and OK builds the option string from what it restored.
  bool rebuilt;
};

// clang-format off
const Closing kClosings[] = {
    {"Cancel", [](FrmOpt& o) { ApplyUnsaved(o); o.cmdCancel.RaiseClick(); }, false},
    {"close box", [](FrmOpt& o) { ApplyUnsaved(o); o.Form_QueryClose(); }, false},
    {"Default, then OK",
     [](FrmOpt& o) { o.ChkFull.UserClick(); o.CmdDefault.RaiseClick(); o.cmdOK.RaiseClick(); }, true},
};
// clang-format on

TEST_F(OptionsReloadTest, PlayAfterClosingWithoutSavingStartsThePlayerAsBefore) {
  for (bool settingsFile : {true, false}) {
    for (const Closing& c : kClosings) {
      SCOPED_TRACE(std::string(c.name) + (settingsFile ? ", settings file" : ", no file"));
      Computer(settingsFile);
      Start();
      const std::string before = Play();
      ASSERT_EQ(before, std::string(kPlayer) + " [E:\\Movie\\film.avi  " +
                            (settingsFile ? "  -fs   -eend -pan " : "-fs -eend") + "]");
      Options(c.act);
      const std::string after =
          c.rebuilt && !settingsFile
              ? std::string(kPlayer) + " [E:\\Movie\\film.avi    -fs   -eend  ]"
              : before;
      EXPECT_EQ(Play(), after);
      EXPECT_EQ(Play(), after) << "and again";
      EXPECT_EQ(Prompts(), std::vector<std::string>{});
      // The window comes back as the file or the defaults have it, saving on.
      EXPECT_EQ(Opt().ChkSave.Value(), kChecked);
      EXPECT_EQ(Opt().ChkFull.Value(), kChecked);
      EXPECT_TRUE(c.rebuilt || !Opt().CmdApply.Enabled()) << "Apply is grey again";
    }
  }
}

TEST_F(OptionsReloadTest, ARegistryFailureIsReportedOnceAtStartUp) {
  Computer(true);
  fake.keyExists = false;
  Start();
  const std::vector<std::string> startUp = {"Can't get registry access",
                                            "Please install the BSplayer"};
  ASSERT_EQ(Prompts(), startUp);
  for (const Closing& c : kClosings) {
    SCOPED_TRACE(c.name);
    Options(c.act);
    EXPECT_EQ(Opt().TxtBSpath.Text(), "");
    EXPECT_EQ(Prompts(), startUp);
  }
}

// Finding the movie again on a reload is no change of the user's: a Play that start-up
// disabled (no codec for the movie here) stays disabled.
TEST_F(OptionsReloadTest, FindingTheMovieAgainLeavesPlayAsItWas) {
  for (bool ffdshow : {true, false}) {
    SCOPED_TRACE(ffdshow ? "FFdshow" : "no codec");
    Computer(false, ffdshow);
    fake.AddFile("E:\\Movie\\codecs\\xvid_installer.exe");
    Start();
    Options([](FrmOpt& o) { o.cmdCancel.RaiseClick(); });
    EXPECT_EQ(Opt().TxtAviName.Text(), "film.avi");
    FrmMain& m = Main();
    EXPECT_EQ(m.ImgPlay[2].Enabled(), ffdshow);
    EXPECT_EQ(m.ImgPlayIcon[0].Enabled(), ffdshow);
    EXPECT_EQ(m.LblPlay.Enabled(), ffdshow);
  }
}

TEST_F(OptionsReloadTest, DefaultWithoutAFileBringsBackEveryFactoryValue) {
  Computer(false);
  Start();
  FrmOpt& o = Opt();
  EXPECT_FALSE(o.TxtParam.Enabled() || o.TxtBSpath.Enabled());
  EXPECT_EQ(o.TxtParam.BackColor(), kSilver);
  Set([](FrmOpt& w) {
    for (CheckBox* c : {&w.ChkVersion, &w.ChkBanner, &w.ChkSubs, &w.ChkSubPath, &w.ChkStart,
                        &w.ChkSubsDisable, &w.ChkPanScan, &w.ChkParbox})
      c->SetValue(kChecked);
    for (CheckBox* c : {&w.ChkSave, &w.ChkFull, &w.ChkEend, &w.ChkZorvikexit})
      c->SetValue(kUnchecked);
    w.OptAutoIni[2].SetValue(true);
    w.TxtAviName.SetText("D:\\other.avi");
    w.TxtBSini.SetText("C:\\mine.bsi");
    w.TxtSec.SetText("90");
    w.CmbAspect.SetListIndex(2);
    w.CmbRes.SetListIndex(3);
    w.TxtParam.SetText("-mine");
  });
  Press(o.CmdDefault);
  for (CheckBox* c : {&o.ChkVersion, &o.ChkBanner, &o.ChkSubs, &o.ChkSubPath, &o.ChkStart,
                      &o.ChkSubsDisable, &o.ChkPanScan}) {
    EXPECT_EQ(c->Value(), kUnchecked) << c->Name();
  }
  for (CheckBox* c : {&o.ChkSave, &o.ChkFull, &o.ChkEend, &o.ChkZorvikexit})
    EXPECT_EQ(c->Value(), kChecked) << c->Name();
  EXPECT_EQ(o.ChkParbox.Value(), kChecked) << "Default leaves manual mode as it is";
  EXPECT_TRUE(o.OptAutoIni[0].Value());
  EXPECT_EQ(o.TxtAviName.Text(), "film.avi");
  EXPECT_EQ(o.TxtBSini.Text(), "Default");
  EXPECT_EQ(o.TxtSec.Text(), "x seconds");
  EXPECT_FALSE(o.TxtSec.Enabled() || o.TxtSubs.Enabled() || o.TxtSubPath.Enabled());
  EXPECT_EQ(o.CmbAspect.ListIndex() + o.CmbRes.ListIndex(), 0);
  EXPECT_EQ(o.TxtParam.Text(), "-fs -eend");
  EXPECT_TRUE(o.cmdOK.Enabled());
  EXPECT_FALSE(o.CmdApply.Enabled());
}

// What every load leaves, with automatic detection from the defaults, and with a file that
// checks the boxes whose texts go with them and names a skin.
TEST_F(OptionsReloadTest, EveryLoadLeavesTheBoxesThatGoWithTheirChoices) {
  for (bool settingsFile : {false, true}) {
    SCOPED_TRACE(settingsFile ? "settings file" : "defaults");
    Computer(false);
    if (settingsFile) {
      fake.AddFile("D:\\Work\\More\\Settings.sav",
                   Edited(kFactoryFile, {{"#TRUE#,#FALSE#,#FALSE#", "#FALSE#,#FALSE#,#TRUE#"},
                                         {"0,0,0,0,1,1,\"Change Skin\",0,0,\"x seconds\"",
                                          "1,1,0,0,1,1,\"Blue\",0,1,\"90\""}}));
    }
    Start();
    FrmOpt& o = Opt();
    for (TextBox* t : {&o.TxtSubs, &o.TxtSubPath, &o.TxtSec})
      EXPECT_EQ(t->Enabled(), settingsFile) << t->Name();
    for (TextBox* t : {&o.TxtSubs, &o.TxtSubPath})
      EXPECT_EQ(t->BackColor(), kSilver) << t->Name();
    EXPECT_EQ(o.ChkSkin.Value(), settingsFile ? kChecked : kUnchecked);
    // The path boxes of the other two ways of finding the movie look unused.
    EXPECT_EQ(o.TxtAviName.BackColor() == kSilver, !settingsFile);
    EXPECT_EQ(o.TxtAviName.ForeColor() == SystemColor(syscolor::kGrayText), !settingsFile);
    EXPECT_EQ(o.CmdAvi.Enabled(), settingsFile);
    EXPECT_EQ(o.TxtBSini.BackColor(), kSilver);
    EXPECT_EQ(o.TxtBSini.ForeColor(), SystemColor(syscolor::kGrayText));
    EXPECT_FALSE(o.CmdBSini.Enabled());
    EXPECT_FALSE(o.ChkAPI.Enabled() || o.ChkShutDown.Enabled() || o.CmdApply.Enabled());
  }
}

}  // namespace
}  // namespace zorvik::test
