#include <gtest/gtest.h>

#include <optional>

#include "core/text_util.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

using PlayerRegistryTest = OptionsTest;

TEST_F(PlayerRegistryTest, WritesTheTextAs23BytesWithoutNulAndReadsItBackPadded) {
  struct Case {
    std::string text, bytes;
  };
  const Case cases[] = {
      {"161;Arial;24;1;16777215", "161;Arial;24;1;16777215"},
      {"Arial", "Arial" + std::string(18, ' ')},
      {"D:\\Subtitles\\For this film", "D:\\Subtitles\\For this f"},
      {"Υπότιτλοι", *Utf8ToCp1253("Υπότιτλοι") + std::string(14, ' ')},
  };
  QuietDisc();
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
    FrmOpt& o = Reopen();
    EXPECT_EQ(o.TxtSubs.Text(), fake.FromAnsi(c.bytes));
    EXPECT_EQ(o.TxtSubPath.Text(), fake.FromAnsi(c.bytes));
  }
}

TEST_F(PlayerRegistryTest, ReadsAtMost47BytesUpToTheFirstNul) {
  struct Case {
    const char* name;
    std::optional<std::string> stored;
    std::string shown;
  };
  const Case cases[] = {
      {"47 bytes fill the buffer", std::string(47, 'x'), std::string(47, 'x')},
      {"48 bytes don't fit", std::string(48, 'x'), ""},
      {"up to the first NUL", std::string("abc\0def", 7), "abc"},
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
  Press(o.CmdApply);
  EXPECT_TRUE(fake.values.empty());
  EXPECT_TRUE(fake.boxes.empty()) << fake.boxes[0].prompt;
}

}  // namespace
}  // namespace zorvik::test
