// What start-up asks the user to install before the movie can play.
#include <gtest/gtest.h>

#include <tuple>

#include "support/media_fixture.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

constexpr const char* kRegistry = "Can't get registry access";
constexpr const char* kPlayer = "Please install the BSplayer";
constexpr const char* kXviD = "Please install the XviD codec";
constexpr const char* kDivX = "Please install the DivX codec";
constexpr const char* kXviDSetup = "codecs\\xvid_installer.exe";
constexpr const char* kDivXSetup = "codecs\\DivX_codec.exe";

struct Machine {
  const char* name;
  bool player, ffdshow;
  const char* xvid;       // the system folder holding xvid.dll, or ""
  const char* divx;       // the same for divx.dll
  const char* installer;  // the one installer on the disc, or ""
  std::vector<std::string> prompts;
};

// Test output names the case, not its bytes.
void PrintTo(const Machine& c, std::ostream* os) {
  *os << c.name;
}

class PrerequisitesTest : public MediaTest, public ::testing::WithParamInterface<Machine> {};

TEST_P(PrerequisitesTest, PromptsForWhatIsMissing) {
  const Machine& m = GetParam();
  fake.AddFile(fake.launcherFolder + "\\film.avi");
  fake.keyExists = m.player;
  if (m.player) {
    fake.SetRegString("Apppath", kPlayerPath);
    fake.AddFile(kPlayerPath, "", {2004, 3, 1});
  }
  if (m.ffdshow) fake.AddFile("C:\\Program Files\\FFDSHOW\\ffdshow.ax");
  if (*m.xvid) fake.AddFile(fake.windowsFolder + "\\" + m.xvid + "\\xvid.dll");
  if (*m.divx) fake.AddFile(fake.windowsFolder + "\\" + m.divx + "\\divx.dll");
  if (*m.installer) fake.AddFile(m.installer);
  Start();

  EXPECT_EQ(Prompts(), m.prompts);
  for (const MessageBoxCall& b : fake.boxes) {
    EXPECT_EQ(b.title, b.prompt == kRegistry ? "ERROR!" : "Information");
    EXPECT_EQ(b.style, kMbCritical);
  }
  EXPECT_EQ(PlayEnabled(), m.prompts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Machines, PrerequisitesTest,
    ::testing::Values(
        Machine{"AllThere", true, true, "system32", "system", "", {}},
        Machine{"FFdshowForBoth", true, true, "", "", kXviDSetup, {}},
        Machine{"EitherFolder", true, false, "system", "system32", kXviDSetup, {}},
        Machine{"XviDInOneFolder", true, false, "system32", "", kXviDSetup, {kDivX}},
        Machine{"NoCodecs", true, false, "", "", kXviDSetup, {kXviD, kDivX}},
        Machine{"NoXviDInstaller", true, false, "", "", kDivXSetup, {kDivX}},
        Machine{"ProgramsDisabled", true, false, "", "", "", {kDivX}},
        Machine{"NoPlayer", false, false, "", "", kXviDSetup, {kRegistry, kPlayer, kXviD}},
        Machine{"NoPlayerFFdshow", false, true, "", "", "", {kRegistry, kPlayer}}),
    [](const auto& info) { return std::string(info.param.name); });

// FFdshow counts at its usual place on the Windows drive and in the program-files folders the
// system reports; here Windows is on D:, and the program files on C:.
struct FFdshowPlace {
  const char* name;
  std::vector<std::string> reported;
  const char* file;  // "": none
  bool found;
};

void PrintTo(const FFdshowPlace& c, std::ostream* os) {
  *os << c.name;
}

class FFdshowPlaceTest : public MediaTest, public ::testing::WithParamInterface<FFdshowPlace> {};

TEST_P(FFdshowPlaceTest, StandsInForBothCodecs) {
  const FFdshowPlace& c = GetParam();
  fake.programFilesFolders = c.reported;
  fake.SetRegString("Apppath", kPlayerPath);
  fake.AddFile(kPlayerPath, "", {2004, 3, 1});
  fake.AddFile(fake.launcherFolder + "\\film.avi");
  fake.AddFile(kXviDSetup);
  if (*c.file) fake.AddFile(c.file);
  Start();
  const std::vector<std::string> codecPrompts = {kXviD, kDivX};
  EXPECT_EQ(Prompts(), c.found ? std::vector<std::string>{} : codecPrompts);
  EXPECT_EQ(PlayEnabled(), c.found);
}

const std::vector<std::string> kWow64 = {"C:\\Program Files (x86)", "C:\\Program Files"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Places, FFdshowPlaceTest,
    ::testing::Values(
        FFdshowPlace{"OnTheWindowsDrive", kWow64, "D:\\Program Files\\ffdshow\\ffdshow.ax", true},
        FFdshowPlace{"OnTheWindowsDriveNothingReported", {}, "d:\\program files\\FFDSHOW\\ffdshow.ax", true},
        FFdshowPlace{"ThirtyTwoBitFolder", kWow64, "C:\\Program Files (x86)\\ffdshow\\ffdshow.ax", true},
        FFdshowPlace{"NativeFolder", kWow64, "C:\\Program Files\\ffdshow\\ffdshow.ax", true},
        FFdshowPlace{"AnotherLanguage", {"C:\\Programme (x86)", "C:\\Programme"}, "C:\\Programme\\ffdshow\\ffdshow.ax", true},
        FFdshowPlace{"ADriveRoot", {"P:\\"}, "P:\\ffdshow\\ffdshow.ax", true},
        FFdshowPlace{"FolderNotReported", {}, "C:\\Program Files (x86)\\ffdshow\\ffdshow.ax", false},
        FFdshowPlace{"ElsewhereInTheFolder", kWow64, "C:\\Program Files (x86)\\ffdshow.ax", false},
        FFdshowPlace{"None", kWow64, "", false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MediaTest, TheTitleIsTheMoviesNameOrZorvikInItsOwnSize) {
  for (const auto& [title, shown, size] :
       {std::tuple{"Η ταινία", "Η ταινία", 12.0}, std::tuple{"", "ZORVIK", 13.0},
        std::tuple{"ZORVIK", "ZORVIK", 13.0}}) {
    SCOPED_TRACE(title);
    Afresh();
    fake.AddFile(kSettingsPath,
                 Edited(kFactoryFile, {{"\"ZORVIK\"", "\"" + std::string(title) + "\""}}));
    Start();
    EXPECT_EQ(Main().LblMovieName.Caption(), shown);
    EXPECT_EQ(Main().LblMovieName.GetFont().size, size);
  }
}

}  // namespace
}  // namespace zorvik::test
