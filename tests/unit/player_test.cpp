// The player's path from its registry value, and the warning about an old player.
#include <gtest/gtest.h>

#include "media/player.h"
#include "support/media_fixture.h"

namespace zorvik::test {
namespace {

class PlayerTest : public MediaTest {};

const std::vector<std::string> kRegistryFailed = {"Can't get registry access",
                                                  "Please install the BSplayer"};

// Each failing step ends in one report; the empty path then gets the install prompt and no
// old-version warning.
TEST_F(PlayerTest, RegistryFailureGivesOneMessageAndTheNextReadStartsAfresh) {
  const std::vector<void (*)(FakePlatform&)> failures = {
      [](FakePlatform& f) { f.keyExists = false; }, [](FakePlatform& f) { f.values.clear(); },
      [](FakePlatform& f) { f.failOpen = 5; }, [](FakePlatform& f) { f.failQuery = 5; },
      [](FakePlatform& f) { f.failClose = 6; }};
  for (size_t i = 0; i < failures.size(); ++i) {
    SCOPED_TRACE(i);
    Afresh();
    failures[i](fake);
    Start();
    ASSERT_EQ(Prompts(), kRegistryFailed);
    EXPECT_EQ(fake.boxes[0].title, "ERROR!");
    EXPECT_EQ(fake.boxes[0].style, kMbCritical);
    EXPECT_EQ(Opt().TxtBSpath.Text(), "");
    EXPECT_FALSE(PlayEnabled());
  }
  // The last case failed at the close; a new read starts afresh.
  fake.failClose.reset();
  Event([&] { ReadPlayerPath(*launcher); });
  EXPECT_EQ(Prompts(), kRegistryFailed);
  EXPECT_EQ(Opt().TxtBSpath.Text(), kPlayerPath);
}

TEST_F(PlayerTest, OldPlayerWarningFollowsTheExecutablesDate) {
  // 1601: what the search gives for a path that names no file.
  for (const auto& [date, warns] :
       {std::pair{LocalDate{2003, 8, 31}, true}, std::pair{LocalDate{2003, 9, 1}, false},
        std::pair{LocalDate{2004, 3, 1}, false}, std::pair{LocalDate{2002, 12, 20}, true},
        std::pair{LocalDate{1601, 1, 1}, true}}) {
    SCOPED_TRACE(testing::Message() << date.year << "-" << date.month << "-" << date.day);
    Afresh();
    if (date.year == 1601) {
      fake.SetRegString("Apppath", "C:\\Gone\\bplay.exe");
    } else {
      fake.AddFile(kPlayerPath, "", date);
    }
    Start();
    if (warns) {
      ExpectOnly("You have an old version of BSplayer. Please update!", "Zorvik");
    } else {
      EXPECT_TRUE(fake.boxes.empty());
    }
    EXPECT_TRUE(PlayEnabled());
  }
}

}  // namespace
}  // namespace zorvik::test
