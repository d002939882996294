// The settings reader on files the launcher did not write itself.
#include <gtest/gtest.h>

#include <optional>
#include <string>

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
  const std::string last = "\"\",\"Name other codec 2\"\r\n";
  const ReadCase cases[] = {
      {"as written", kFactoryFile, true},
      {"blanks after a closing quote", Edited(kFactoryFile, {{"\"ZORVIK\"", "\"ZORVIK\"  "}}),
       true},
      {"the last line without its line end", kFactoryFile.substr(0, kFactoryFile.size() - 2), true},
      {"the last record missing", kFactoryFile.substr(0, kFactoryFile.size() - last.size()), false},
      {"a number in quotes", Edited(kFactoryFile, {{"\"\",1,0", "\"\",\"1\",0"}}), false},
      {"a boolean in quotes", Edited(kFactoryFile, {{"#TRUE#", "\"#TRUE#\""}}), false},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SettingsRecord> r = ParseSettings(c.file);
    ASSERT_EQ(r.has_value(), c.loads);
    if (!r) continue;
    EXPECT_EQ(r->movieTitle, "ZORVIK");
    EXPECT_EQ(r->exitAfterLaunch, 1);
    EXPECT_EQ(r->others[1].name, "Name other codec 2");
  }
}

// A comma at a text's end is the text's own, not the field's end.
TEST(SettingsReader, ATextEndingInACommaKeepsTheFieldsInPlace) {
  SettingsRecord r;
  r.skin = "Blue,";
  r.startPosition = "90";
  const std::optional<SettingsRecord> back = ParseSettings(FormatSettings(r));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->skin, "Blue,");
  EXPECT_EQ(back->startPosition, "90");
}

}  // namespace
}  // namespace zorvik::test
