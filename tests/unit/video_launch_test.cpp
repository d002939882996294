// What the player is started with, and the exit about a minute after a launch.
#include <gtest/gtest.h>

#include "media/video_launch.h"
#include "support/media_fixture.h"

namespace zorvik::test {
namespace {

constexpr const char* kMovie = "C:\\Movie";

struct Launch {
  const char* name;
  const char* folder;  // the launcher's
  int method;          // index of OptAutoIni
  const char* aviName;
  const char* ini;
  const char* options;
  int trailer;  // 0: the main video
  bool greek;
  const char* parameters;  // null: nothing started; "": the player started by itself
};

// Test output names the case, not its bytes.
void PrintTo(const Launch& c, std::ostream* os) {
  *os << c.name;
}

class VideoLaunchTest : public MediaTest, public ::testing::WithParamInterface<Launch> {
 protected:
  void StartIn(const char* folder) {
    fake.launcherFolder = folder;  // not the current folder, E:
    StartQuiet();
  }
  void Play() {
    Event([&] { LaunchVideo(*launcher); });
  }
};

TEST_P(VideoLaunchTest, PlayGivesThePlayerTheTextOfTheChosenWay) {
  const Launch& c = GetParam();
  StartIn(c.folder);
  if (c.greek) Main().Greek.UserClick();
  Opt().OptAutoIni[c.method].SetValue(true);
  Opt().TxtAviName.SetText(c.aviName);
  Opt().TxtBSini.SetText(c.ini);
  Opt().TxtParam.SetText(c.options);
  launcher->Trailer1Path = "trailers\\t1.avi";
  launcher->Trailer2Path = "trailers\\t2.avi";
  if (c.trailer) {
    Main().TrailerEntry(c.trailer).SetVisible(true);
    Main().TrailerEntry(c.trailer).UserClick();
  }
  Play();

  const std::string player = kPlayerPath;
  const std::string expected = !c.parameters ? ""
                               : *c.parameters
                                   ? "open " + player + " [" + c.parameters + "] " + player + " 4\n"
                                   : "start " + player + " [] 4\n";
  EXPECT_EQ(Requests(), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Methods, VideoLaunchTest,
    ::testing::Values(
        Launch{"Folder", kMovie, 0, "film.avi", "", "-fs", 0, false, "C:\\Movie\\film.avi  -fs"},
        Launch{"FolderAtDriveRoot", "G:\\", 0, "film.avi", "", "-fs", 0, false, "G:\\film.avi  -fs"},
        Launch{"TypedPath", kMovie, 2, "D:\\My Films\\a b.avi", "", "-fs -eend", 0, false, "D:\\My Films\\a b.avi  -fs -eend"},
        Launch{"TypedPathNoOptions", kMovie, 2, "D:\\f.avi", "", "", 0, false, "D:\\f.avi  "},
        Launch{"NoMovieFoundStartsNothing", kMovie, 0, "", "", "-fs", 0, false, nullptr},
        Launch{"NoPathTypedStartsNothing", kMovie, 2, "", "", "-fs", 0, false, nullptr},
        Launch{"SettingsFile", kMovie, 1, "film.avi", "C:\\x\\my.bsi", "-fs", 0, false, "C:\\x\\my.bsi"},
        Launch{"PlayersOwn", kMovie, 1, "film.avi", "Default", "-fs", 0, false, ""},
        Launch{"GreekWordInEnglish", kMovie, 1, "", "Προεπιλογή", "", 0, false, ""},
        Launch{"EnglishWordInGreek", kMovie, 1, "", "Default", "", 0, true, ""},
        Launch{"Trailer", kMovie, 0, "film.avi", "", "-fs", 2, false, "C:\\Movie\\trailers\\t2.avi -fs"},
        Launch{"TrailerAtDriveRoot", "G:\\", 1, "", "a.bsi", "", 1, false, "G:\\trailers\\t1.avi "}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(VideoLaunchTest, TheVideoMenuChecksOnlyWhatPlayWillPlay) {
  StartIn(kMovie);
  FrmMain& m = Main();
  const auto checked = [&] {
    std::string out;
    for (const MenuItem* e : {&m.MainVideo, &m.Trailer1, &m.Trailer2, &m.Trailer3})
      out += e->Checked() ? "x" : "-";
    return out;
  };
  for (int n = 1; n <= 3; ++n)
    m.TrailerEntry(n).SetVisible(true);
  launcher->Trailer3Path = "trailers\\t3.avi";
  m.Trailer1.UserClick();
  m.Trailer3.UserClick();
  EXPECT_EQ(checked(), "---x");
  Play();
  EXPECT_EQ(fake.shell.at(0).parameters, "C:\\Movie\\trailers\\t3.avi -fs -eend");
  m.Trailer2.UserClick();
  EXPECT_EQ(checked(), "--x-");
  m.MainVideo.UserClick();
  EXPECT_EQ(checked(), "x---");
}

// The exit timer is armed by every launch that asks for it, whatever was started.
TEST_F(VideoLaunchTest, ExitAboutAMinuteLater) {
  for (const auto& [exit, video] : {std::pair{true, ""}, std::pair{false, "film.avi"}}) {
    SCOPED_TRACE(exit);
    fake = FakePlatform();
    StartIn(kMovie);
    Opt().ChkZorvikexit.SetValue(exit ? kChecked : kUnchecked);
    Opt().TxtAviName.SetText(video);
    Play();
    EXPECT_EQ(fake.shell.size(), exit ? 0u : 1u);
    EXPECT_EQ(Main().Caption(), exit ? "Closing in about a minute..." : "Zorvik");
    EXPECT_EQ(Main().Timer1.Enabled(), exit);
    Event([&] { Main().Timer1.Tick(); });
    EXPECT_EQ(launcher->Ending(), exit);
  }
}

}  // namespace
}  // namespace zorvik::test
