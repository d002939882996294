#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

#include "core/text_util.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

using PlayerRegistryTest = OptionsTest;

TEST_F(PlayerRegistryTest, WritesShortTextsPaddedTo23BytesAndLongerOnesWhole) {
  struct Case {
    std::string text, bytes;
  };
  const std::string folder40 = "D:\\Subtitles\\" + std::string(27, 's');
  const std::string long300 = "\\\\server\\share\\" + std::string(285, 'x');
  const Case cases[] = {
      {"161;Arial;24;1;16777215", "161;Arial;24;1;16777215"},
      {"Arial", "Arial" + std::string(18, ' ')},
      {"D:\\Subtitles\\For this film", "D:\\Subtitles\\For this film"},
      {folder40, folder40},
      {long300, long300},
      {"Υπότιτλοι", *Utf8ToCp1253("Υπότιτλοι") + std::string(14, ' ')},
      {"D:\\Υπότιτλοι της ταινίας μας", *Utf8ToCp1253("D:\\Υπότιτλοι της ταινίας μας")},
  };
  QuietDisc();
  fake.SetRegString("SubD", "161;Arial;24;1;16777215");
  fake.SetRegString("SubDir", "(None)");
  Start();
  Click(Opt().ChkSubs);
  Click(Opt().ChkSubPath);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Set([&](FrmOpt& o) {
      o.TxtSubs.SetText(c.text);
      o.TxtSubPath.SetText(c.text);
    });
    Press(Opt().CmdApply);
    EXPECT_EQ(fake.values["SubD"], c.bytes);
    EXPECT_EQ(fake.values["SubDir"], c.bytes);
    EXPECT_EQ(fake.OpenKeys(), 0u);
    FrmOpt& o = Reopen();
    EXPECT_EQ(o.TxtSubs.Text(), fake.FromAnsi(c.bytes));
    EXPECT_EQ(o.TxtSubPath.Text(), fake.FromAnsi(c.bytes));
  }
}

TEST_F(PlayerRegistryTest, ReadsValuesWholeUpToTheFirstNul) {
  struct Case {
    const char* name;
    std::optional<std::string> stored;
    std::string shown;
  };
  const Case cases[] = {
      {"47 bytes", std::string(47, 'x'), std::string(47, 'x')},
      {"48 bytes", std::string(48, 'x'), std::string(48, 'x')},
      {"a long folder", "E:\\" + std::string(997, 'y') + '\0', "E:\\" + std::string(997, 'y')},
      {"up to the first NUL", std::string("abc\0def", 7), "abc"},
      {"empty", std::string(1, '\0'), ""},
      {"ANSI Greek", *Utf8ToCp1253("Ελληνικά") + '\0', "Ελληνικά"},
      {"no such value", std::nullopt, ""},
  };
  QuietDisc();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.values.erase("SubD");
    fake.values.erase("SubDir");
    if (c.stored) fake.values["SubD"] = fake.values["SubDir"] = *c.stored;
    Start();
    EXPECT_EQ(Opt().TxtSubs.Text(), c.shown);
    EXPECT_EQ(Opt().TxtSubPath.Text(), c.shown);
  }
}

TEST_F(PlayerRegistryTest, UncheckedValuesAndAMissingKeyAreLeftAlone) {
  QuietDisc();
  fake.SetRegString("SubD", "keep me");
  Start();
  Set([](FrmOpt& o) { o.TxtSubs.SetText("edited"); });
  Press(Opt().CmdApply);
  EXPECT_EQ(fake.values["SubD"], std::string("keep me") + '\0');

  fake.keyExists = false;
  fake.values.clear();
  fake.boxes.clear();
  FrmOpt& o = Reopen();
  EXPECT_EQ(o.TxtSubs.Text() + o.TxtSubPath.Text(), "");
  Click(o.ChkSubs);
  Click(o.ChkSubPath);
  Set([](FrmOpt& w) { w.TxtSubs.SetText("typed"); });
  Press(o.CmdApply);
  EXPECT_TRUE(fake.values.empty());
  EXPECT_TRUE(fake.boxes.empty()) << fake.boxes[0].prompt;
}

// A value the launcher could not read is the player's own, unknown to the launcher: the box
// that the read left empty never replaces it. What the user types does, and once written the
// value is known.
TEST_F(PlayerRegistryTest, AValueThatCouldNotBeReadIsNotOverwrittenWithAnEmptyBox) {
  const std::pair<const char*, std::function<void(FakePlatform&)>> failures[] = {
      {"the query fails", [](FakePlatform& f) { f.failQuery = kRegAccessDenied; }},
      {"the key can't be opened", [](FakePlatform& f) { f.failOpen = kRegAccessDenied; }},
      {"no such value", [](FakePlatform& f) { f.values.erase("SubDir"); }},
  };
  for (const auto& [name, failure] : failures) {
    SCOPED_TRACE(name);
    Afresh();
    fake.values["SubD"] = "161;Arial;24;1;16777215";
    fake.values["SubDir"] = std::string("D:\\Subs\0", 8);
    // Both "write" boxes checked in the file.
    fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"0,0,0,0,1,1", "1,1,0,0,1,1"}}));
    failure(fake);
    const auto stored = fake.values;
    Start();
    ASSERT_EQ(Opt().TxtSubPath.Text(), "");
    fake.failOpen.reset();
    fake.failQuery.reset();
    Click(Opt().ChkFull);
    Press(Opt().CmdApply);
    Press(Opt().cmdOK);
    EXPECT_EQ(fake.values, stored);

    Set([](FrmOpt& o) { o.TxtSubPath.SetText("E:\\Subtitles"); });
    Press(Opt().cmdOK);
    EXPECT_EQ(fake.values["SubDir"], "E:\\Subtitles" + std::string(11, ' '));
    Set([](FrmOpt& o) { o.TxtSubPath.SetText(""); });
    Press(Opt().cmdOK);
    EXPECT_EQ(fake.values["SubDir"], std::string(23, ' ')) << "the launcher's own value now";
  }
  // A value read whole is known even when empty: the empty box is written back.
  Afresh();
  fake.values["SubDir"] = std::string(1, '\0');
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"0,0,0,0,1,1", "1,1,0,0,1,1"}}));
  Start();
  Press(Opt().cmdOK);
  EXPECT_EQ(fake.values["SubDir"], std::string(23, ' '));
}

// Only a write that went through makes the player's value known.
TEST_F(PlayerRegistryTest, AFailedWriteLeavesTheValueUnknown) {
  QuietDisc();
  fake.values["SubDir"] = "D:\\Subs";
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"0,0,0,0,1,1", "0,1,0,0,1,1"}}));
  fake.failQuery = kRegAccessDenied;
  Start();
  fake.failQuery.reset();
  fake.failSet = kRegAccessDenied;
  Set([](FrmOpt& o) { o.TxtSubPath.SetText("E:\\Subtitles"); });
  Press(Opt().cmdOK);
  fake.failSet.reset();
  Set([](FrmOpt& o) { o.TxtSubPath.SetText(""); });
  Press(Opt().cmdOK);
  EXPECT_EQ(fake.values["SubDir"], "D:\\Subs");
  EXPECT_EQ(fake.OpenKeys(), 0u);
}

}  // namespace
}  // namespace zorvik::test
