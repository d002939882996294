// The Programs menu's installers and extra programs, and the readme.
#include <gtest/gtest.h>

#include "support/media_fixture.h"

namespace zorvik::test {
namespace {

struct Program {
  const char* name;
  MenuItem FrmMain::*entry;
  const char* started;  // the path started; empty: not found
};

// Test output names the case, not its bytes.
void PrintTo(const Program& c, std::ostream* os) {
  *os << c.name;
}

class DiscProgramsTest : public MediaTest, public ::testing::WithParamInterface<Program> {};

TEST_P(DiscProgramsTest, StartsTheProgramOrSaysItIsMissing) {
  QuietDisc();
  for (const char* f :
       {"DivX players\\BSplayer\\BSplay_installer.exe", "codecs\\FFdshow_filter.exe",
        "codecs\\DivX_codec.exe", "codecs\\DivX_Pro_Adware_codec.exe", "codecs\\xvid_installer.exe",
        "extras\\My Tool Setup.exe"}) {
    fake.AddFile(f);
  }
  Start();
  launcher->Other1Path = "extras\\My Tool Setup.exe";
  launcher->Other2Path = "extras\\Gone.exe";
  launcher->Installer(InstallerId::XviD).InstallerPath = "extras";  // a folder
  Main().Other1Name.SetVisible(true);
  Main().Other2Name.SetVisible(true);
  (Main().*GetParam().entry).UserClick();

  const std::string path = GetParam().started;
  EXPECT_EQ(Requests(), path.empty() ? "" : "start " + path + " [] 1\n");
  if (path.empty()) {
    ExpectOnly("The file wasn't found!", "Caution");
  } else {
    EXPECT_TRUE(fake.boxes.empty());
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Entries, DiscProgramsTest,
    ::testing::Values(Program{"BSplayer", &FrmMain::BSplayer, "DivX players\\BSplayer\\BSplay_installer.exe"},
                      Program{"FFdshow", &FrmMain::FFdshow, "codecs\\FFdshow_filter.exe"},
                      Program{"DivX", &FrmMain::DivX502, "codecs\\DivX_codec.exe"},
                      Program{"DivXPro", &FrmMain::DivX502Pro, "codecs\\DivX_Pro_Adware_codec.exe"},
                      Program{"Other1", &FrmMain::Other1Name, "extras\\My Tool Setup.exe"},
                      Program{"Other2Missing", &FrmMain::Other2Name, ""},
                      Program{"XviDPathIsAFolder", &FrmMain::XviD, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DiscProgramsTest, ReadmeOpensInNotepadFromTheWindowsFolder) {
  QuietDisc();
  for (const bool readme : {false, true}) {
    SCOPED_TRACE(readme);
    if (readme) fake.AddFile("Readme.txt");
    Start();
    EXPECT_EQ(Main().Readme.Visible(), readme);
    Event([&] { Main().Readme_Click(); });
    EXPECT_EQ(Requests(), readme ? "start D:\\WINNT\\NOTEPAD.EXE [Readme.txt] 1\n" : "");
    EXPECT_TRUE(fake.boxes.empty());
  }
}

}  // namespace
}  // namespace zorvik::test
