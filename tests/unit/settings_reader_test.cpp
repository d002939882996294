// The settings reader on files the launcher did not write itself.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "persistence/settings_file.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

struct ReadCase {
  const char* name;
  std::string file;
  bool loads;
};

TEST(SettingsReader, TakesWhatTheFormatHoldsAndNothingElse) {
  const ReadCase cases[] = {
      {"as written", kFactoryFile, true},
      {"blanks after a closing quote", Edited(kFactoryFile, {{"\"ZORVIK\"", "\"ZORVIK\"  "}}),
       true},
      {"carriage returns only",
       [] {
         std::string f = kFactoryFile;
         std::erase(f, '\n');
         return f;
       }(),
       true},
      {"blanks around a number", Edited(kFactoryFile, {{"\"\",1,0", "\"\",  1  ,0"}}), true},
      {"a boolean in small letters", Edited(kFactoryFile, {{"#TRUE#", "#true#"}}), true},
      {"a number in quotes", Edited(kFactoryFile, {{"\"\",1,0", "\"\",\"1\",0"}}), false},
      {"a number with a letter", Edited(kFactoryFile, {{"\"\",1,0", "\"\",1x,0"}}), false},
      {"a number with a plus", Edited(kFactoryFile, {{"\"\",1,0", "\"\",+1,0"}}), false},
      {"no number", Edited(kFactoryFile, {{"\"\",1,0", "\"\",,0"}}), false},
      {"a number past the largest", Edited(kFactoryFile, {{"\"\",1,0", "\"\",4294967297,0"}}),
       false},
      {"a boolean in quotes", Edited(kFactoryFile, {{"#TRUE#", "\"#TRUE#\""}}), false},
      {"a boolean without its last sign", Edited(kFactoryFile, {{"#TRUE#", "#TRUE"}}), false},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    // The bytes end where their buffer ends, so that a read past them shows.
    const std::vector<char> bytes(c.file.begin(), c.file.end());
    const std::optional<SettingsRecord> r = ParseSettings({bytes.data(), bytes.size()});
    ASSERT_EQ(r.has_value(), c.loads);
    if (!r) continue;
    EXPECT_EQ(r->movieTitle, "ZORVIK");
    EXPECT_EQ(r->exitAfterLaunch, 1);
    EXPECT_EQ(r->others[1].name, "Name other codec 2");
  }
  // A file cut short anywhere is refused; only its last line end may go.
  for (size_t kept = 0; kept < kFactoryFile.size(); ++kept) {
    const std::vector<char> bytes(kFactoryFile.begin(), kFactoryFile.begin() + kept);
    EXPECT_EQ(ParseSettings({bytes.data(), kept}).has_value(), kept + 2 >= kFactoryFile.size())
        << kept;
  }
}

// Each number must fit its control: a check box's value 0 to 2, a list's index from -1 (none)
// to its last entry; and exactly one way of finding the movie is chosen.
TEST(SettingsReader, ValuesTheControlsCantTakeAreRefused) {
  const SettingsRecord factory = *ParseSettings(kFactoryFile);
  const auto loads = [](const SettingsRecord& r) { return ParseSettings(FormatSettings(r)); };
  using R = SettingsRecord;
  for (int R::*check : {&R::exitAfterLaunch, &R::hideBanner, &R::detectVersion, &R::writeSubStyle,
                        &R::writeSubFolder, &R::disableSubs, &R::fullScreen, &R::endAtEnd,
                        &R::panScan, &R::startAt, &R::useApi, &R::shutDown}) {
    for (int value : {-1, 0, 2, 3}) {
      SettingsRecord r = factory;
      r.*check = value;
      const std::optional<SettingsRecord> back = loads(r);
      EXPECT_EQ(back.has_value(), value == 0 || value == 2) << value;
      if (back) {
        EXPECT_EQ(*back, r);
      }
    }
  }
  for (const auto& [list, last] : {std::pair{&R::aspect, 2}, {&R::resolution, 10}}) {
    for (int value : {-2, -1, last, last + 1}) {
      SettingsRecord r = factory;
      r.*list = value;
      EXPECT_EQ(loads(r).has_value(), value == -1 || value == last) << value;
    }
  }
  for (const auto& [auto_, ini, path] : {std::tuple{true, true, false},
                                         {false, false, false},
                                         {false, true, true},
                                         {false, false, true}}) {
    SettingsRecord r = factory;
    r.autoDetect = auto_, r.iniFile = ini, r.typedPath = path;
    EXPECT_EQ(loads(r).has_value(), int(auto_) + int(ini) + int(path) == 1);
  }
}

// A file marked as UTF-8 may still hold broken sequences: each shows as a replacement character,
// never as the character an overlong form mimics, a surrogate or a value past Unicode's last.
TEST(SettingsReader, AMarkedFileShowsBrokenSequencesAsReplacements) {
  const std::string title = "\"/\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xCE\xB1\"";
  const std::optional<SettingsRecord> r =
      ParseSettings("\xEF\xBB\xBF" + Edited(kFactoryFile, {{"\"ZORVIK\"", title}}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->movieTitle, "/\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD\uFFFD|\u03B1");
}

using SettingsLoadTest = OptionsTest;

// Default goes back to the file's way of finding the movie, whichever was chosen since.
TEST_F(SettingsLoadTest, DefaultSelectsTheFilesMethodAgain) {
  QuietDisc();
  fake.AddFile(kSettingsPath, kFactoryFile);
  Start();
  for (int chosen : {1, 2}) {
    SCOPED_TRACE(chosen);
    Set([&](FrmOpt& o) { o.OptAutoIni[chosen].SetValue(true); });
    Press(Opt().CmdDefault);
    EXPECT_TRUE(Opt().OptAutoIni[0].Value());
    EXPECT_FALSE(Opt().OptAutoIni[1].Value() || Opt().OptAutoIni[2].Value());
  }
}

// A hand-made file without a skin name means no skin, not "-skin=" with nothing behind it; the
// window's own caption for it is English, and a Greek file shows the Greek one.
TEST_F(SettingsLoadTest, NoSkinShowsInTheFilesLanguage) {
  QuietDisc();
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"English Language", "Greek Language"},
                                                    {"\"Change Skin\"", "\"\""}}));
  Start();
  EXPECT_EQ(Opt().ChkSkin.Value(), kUnchecked);
  EXPECT_EQ(Opt().ChkSkin.Caption(), "Αλλαγή Skin");
}

}  // namespace
}  // namespace zorvik::test
