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

const Closing kClosings[] = {
    {"Cancel",
     [](FrmOpt& o) {
       ApplyUnsaved(o);
       o.cmdCancel.RaiseClick();
     },
     false},
    {"close box",
     [](FrmOpt& o) {
       ApplyUnsaved(o);
       o.Form_QueryClose();
     },
     false},
    {"Default, then OK",
     [](FrmOpt& o) {
       o.ChkFull.UserClick();
       o.CmdDefault.RaiseClick();
       o.cmdOK.RaiseClick();
     },
     true},
};

TEST_F(OptionsReloadTest, PlayAfterClosingWithoutSavingStartsThePlayerAsBefore) {
  for (bool settingsFile : {true, false}) {
    for (const Closing& c : kClosings) {
      SCOPED_TRACE(std::string(c.name) + (settingsFile ? ", settings file" : ", no file"));
      fake = FakePlatform();
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
    fake = FakePlatform();
    Computer(false, ffdshow);
    fake.AddFile("E:\\Movie\\codecs\\xvid_installer.exe");
    Start();
    Options([](FrmOpt& o) { o.cmdCancel.RaiseClick(); });
    EXPECT_EQ(Opt().TxtAviName.Text(), "film.avi");
    FrmMain& m = Main();
    for (const Control* c : {static_cast<const Control*>(&m.ImgPlay[2]),
                             static_cast<const Control*>(&m.ImgPlayIcon[0]),
                             static_cast<const Control*>(&m.LblPlay)}) {
      EXPECT_EQ(c->Enabled(), ffdshow) << c->DisplayName();
    }
  }
}

}  // namespace
}  // namespace zorvik::test
