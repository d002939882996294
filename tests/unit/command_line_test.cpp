#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "persistence/player_options.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

using CommandLineTest = OptionsTest;

TEST_F(CommandLineTest, OkJoinsTheEightPieces) {
  struct Case {
    const char* name;
    std::string skinFile;  // chosen in the dialog when the skin box is checked; empty: cancelled
    int skinValue;
    std::array<int, 5> boxes;  // ChkSubsDisable, ChkFull, ChkStart, ChkEend, ChkPanScan
    std::string seconds;       // empty: the placeholder stays
    int aspect, resolution;
    std::string expected;
  };
  const Case cases[] = {
      {"nothing", "", 0, {0, 0, 0, 0, 0}, "", 0, 0, "       "},
      {"factory defaults", "", 0, {0, 1, 0, 1, 0}, "", 0, 0, "  -fs   -eend  "},
      // clang-format off
      {"every option", "Blue.bsz", 1, {1, 1, 1, 1, 1}, "90", 1, 4,
       "-skin=Blue -nsub -fs -ar=16:9 -stime=90 -eend -pan -res=800x600x32"},
      // clang-format on
      {"skin with blanks", "My Skin .bsz", 1, {0, 0, 0, 0, 0}, "", 0, 0, "-skin=My Skin       "},
      {"greyed boxes", "Blue.bsz", 2, {2, 2, 2, 2, 2}, "90", 0, 0, "-skin=Blue -nsub      "},
      {"skin dialog cancelled", "", 1, {0, 0, 0, 0, 0}, "", 0, 0, "       "},
      {"skin name too short", "a.bs", 1, {0, 0, 0, 0, 0}, "", 0, 0, "       "},
      {"skin of one letter", "a.bsz", 1, {0, 0, 0, 0, 0}, "", 0, 0, "-skin=a       "},
      {"skin extension only", ".bsz", 1, {0, 0, 0, 0, 0}, "", 0, 0, "       "},
      {"start time in blanks", "", 0, {0, 0, 1, 0, 0}, " 90 ", 0, 0, "    -stime=90   "},
      {"start time not typed", "", 0, {0, 0, 1, 0, 0}, "", 0, 0, "       "},
      {"no resolution chosen", "", 0, {0, 0, 0, 0, 0}, "", 0, -1, "       -res="},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Afresh();
    if (!c.skinFile.empty()) fake.dialogAnswers.push_back({"C:\\Skins\\" + c.skinFile, c.skinFile});
    Start();
    Set([&](FrmOpt& o) {
      o.ChkSkin.SetValue(std::min(c.skinValue, kChecked));
      o.ChkSkin.SetValue(c.skinValue);
      CheckBox* boxes[] = {&o.ChkSubsDisable, &o.ChkFull, &o.ChkStart, &o.ChkEend, &o.ChkPanScan};
      for (size_t i = 0; i < c.boxes.size(); ++i)
        boxes[i]->SetValue(c.boxes[i]);
      if (!c.seconds.empty()) o.TxtSec.SetText(c.seconds);
      o.CmbAspect.SetListIndex(c.aspect);
      o.CmbRes.SetListIndex(c.resolution);
    });
    Press(Opt().cmdOK);
    EXPECT_EQ(Opt().TxtParam.Text(), c.expected);
    if (!c.expected.starts_with("-skin")) {
      EXPECT_EQ(Opt().ChkSkin.Value(), kUnchecked);
      EXPECT_EQ(Opt().ChkSkin.Caption(), "Change Skin");
    }
  }
}

// The player's resolutions as the options window lists them, each passed on as listed.
// What the start-time box takes as a number: digits, once a decimal point, a sign before them.
TEST(StartTimeText, IsANumberWithAtMostOnePoint) {
  for (const char* number : {"90", "1.5", ".5", "5.", "+3", "-2", " 90 "})
    EXPECT_TRUE(IsNumeric(number)) << number;
  for (const char* text : {"", ".", "-", "1.5.2", "1..5", "90s", "9 0"})
    EXPECT_FALSE(IsNumeric(text)) << text;
}

TEST_F(CommandLineTest, EachResolutionOfTheListReachesThePlayer) {
  const std::vector<std::string> listed = {
      "Original",    "640x480x16",  "640x480x32",  "800x600x16",   "800x600x32",  "1024x768x16",
      "1024x768x32", "1280x720x16", "1280x720x32", "1600x1200x16", "1600x1200x32"};
  StartQuiet();
  ASSERT_EQ(Opt().CmbRes.List(), listed);
  for (size_t i = 1; i < listed.size(); ++i) {
    Set([&](FrmOpt& o) { o.CmbRes.SetListIndex(static_cast<int>(i)); });
    Press(Opt().CmdApply);
    EXPECT_TRUE(Opt().TxtParam.Text().ends_with(" -res=" + listed[i])) << Opt().TxtParam.Text();
  }
}

TEST_F(CommandLineTest, ManualModeKeepsTheTypedStringUntilTheNextRun) {
  StartQuiet();
  Click(Opt().ChkParbox);
  Set([](FrmOpt& o) { o.TxtParam.SetText("-fs -mine"); });
  Press(Opt().CmdApply);
  Click(Opt().ChkFull);
  Press(Opt().cmdOK);
  EXPECT_EQ(Opt().TxtParam.Text(), "-fs -mine");
  Click(Opt().ChkParbox);  // leaving manual mode changes nothing before the next Apply
  EXPECT_EQ(Opt().TxtParam.Text(), "-fs -mine");

  Start();
  FrmOpt& o = Opt();
  EXPECT_EQ(o.ChkParbox.Value(), kUnchecked);
  EXPECT_EQ(o.TxtParam.Text(), "-fs -mine");
  Press(o.cmdOK);
  EXPECT_EQ(o.TxtParam.Text(), "     -eend  ");
}

}  // namespace
}  // namespace zorvik::test
