// The authors' tool's names for the settings: what show prints, what set takes and refuses.
#include <gtest/gtest.h>

#include "author/settings_fields.h"
#include "support/settings_samples.h"
#include "unit/disc_samples.h"

namespace zorvik::test {
namespace {

using author::ApplySettings;
using author::SetResult;
using author::ShowSettings;

std::string Value(const SettingsRecord& r, const std::string& name) {
  for (const author::ShownField& f : ShowSettings(r)) {
    if (f.name == name) return f.value;
  }
  ADD_FAILURE() << "no field " << name;
  return "";
}

TEST(DiscFields, EveryFieldShownCanBeSetBackToTheSameRecord) {
  const SettingsRecord wanted =
      Settings({"title=Τα Φαντάσματα", "language=el", "find=path", "movie=D:/film.avi",
                "trailer2=trailers/t2.avi", "trailer2.name=Δεύτερο", "program1=extra/setup.exe",
                "program1.name=Extras", "aspect=4:3", "resolution=1024x768x32", "skin=Matrix",
                "start=on", "start-seconds=90", "exit-after-launch=off", "hide-banner=on",
                "installer.divx.name=DivX 5", "player-ini=my.ini"});
  std::vector<std::string> arguments;
  for (const author::ShownField& f : ShowSettings(wanted))
    arguments.push_back(f.name + "=" + f.value);
  const SetResult back = ApplySettings(author::FactoryRecord(), arguments);
  ASSERT_TRUE(back.record) << back.error;
  EXPECT_EQ(*back.record, wanted);
  EXPECT_EQ(ShowSettings(wanted).size(), 43u);
}

TEST(DiscFields, ValuesAreStoredAsTheLauncherStoresThem) {
  struct Case {
    std::vector<std::string> arguments;
    std::string field, value;
  };
  const Case cases[] = {
      {{"trailer1=trailers/teaser.avi"}, "trailer1", "trailers\\teaser.avi"},
      {{"fullscreen=off"}, "parameters", "     -eend  "},
      {{"aspect=16:9"}, "parameters", "  -fs -ar=16:9  -eend  "},
      {{"resolution=800x600x32", "close-at-end=no"}, "parameters", "  -fs     -res=800x600x32"},
      {{"skin=Matrix.bsz"}, "parameters", "-skin=Matrix  -fs   -eend  "},
      {{"skin=Matrix", "skin=none"}, "skin", ""},  // refused below: given twice
      {{"start=on", "start-seconds= 90 "}, "parameters", "  -fs  -stime=90 -eend  "},
      {{"subtitles-off=1", "pan-scan=true"}, "parameters", " -nsub -fs   -eend -pan "},
      {{"fullscreen=off", "parameters=-x"}, "parameters", "        -x"},
      {{"parameters=-fs -eend -vol=80", "aspect=4:3"},
       "parameters",
       "  -fs -ar=4:3  -eend   -vol=80"},
      {{"parameters=-ar=4:3 -vol=80"}, "aspect", "4:3"},
      {{"parameters=-ar=4:3 -vol=80"}, "close-at-end", "off"},
      {{"parameters=-skin=My Skin -fs"}, "skin", "My Skin"},
      {{"start=on", "start-seconds=1:30"}, "start-seconds", "90"},
      {{"start-seconds=1:02:03"}, "start-seconds", "3723"},
      {{"start-seconds=00599:59"}, "start-seconds", "35999"},
      {{"find=path", "movie=D:/film.avi"}, "movie", "D:\\film.avi"},
      {{"language=el"}, "language", "el"},
      {{"find=ini", "player-ini=default"}, "find", "ini"},
      {{"player=C:/Players/bplay.exe"}, "player", "C:\\Players\\bplay.exe"},
      {{"subtitles-off=on"}, "parameters", " -nsub -fs   -eend  "},
      {{"start-seconds=5"}, "parameters", "  -fs   -eend  "},
  };
  for (const Case& c : cases) {
    const SetResult r = ApplySettings(author::FactoryRecord(), c.arguments);
    if (c.value.empty()) {
      EXPECT_FALSE(r.record) << c.arguments[0];
      continue;
    }
    ASSERT_TRUE(r.record) << c.arguments[0] << ": " << r.error;
    EXPECT_EQ(Value(*r.record, c.field), c.value) << c.arguments[0];
  }
}

TEST(DiscFields, WordsOfTheLauncherFollowTheLanguage) {
  const SettingsRecord greek = Settings({"language=el"});
  const SetResult r = ApplySettings(greek, {"find=ini", "player-ini=Default", "skin=none"});
  ASSERT_TRUE(r.record) << r.error;
  EXPECT_EQ(r.record->playerIni, "Προεπιλογή");
  EXPECT_EQ(ApplySettings(greek, {"language=en"}).record->language, "English Language");
  EXPECT_EQ(r.record->skin, "Αλλαγή Skin");
  EXPECT_TRUE(r.record->iniFile);
  EXPECT_FALSE(r.record->autoDetect);
}

TEST(DiscFields, SettingsOutsideThePlayersOptionsLeaveItsParametersAlone) {
  for (const char* argument :
       {"exit-after-launch=off", "hide-banner=on", "version-warning=on", "write-subtitle-style=on",
        "write-subtitle-folder=on", "use-api=on", "shutdown=on", "find=ini", "language=el",
        "player=C:\\bplay.exe", "movie=film.avi", "title=Film"}) {
    const SetResult r = ApplySettings(author::FactoryRecord(), {argument});
    ASSERT_TRUE(r.record) << argument << ": " << r.error;
    EXPECT_EQ(r.record->parameters, "-fs -eend") << argument;
  }
}

TEST(DiscFields, EverySettingIsDocumentedAndShownAsItStands) {
  for (const author::FieldHelp& f : author::SettingsFieldHelp()) {
    EXPECT_FALSE(f.values.empty()) << f.name;
    EXPECT_FALSE(f.what.empty()) << f.name;
  }
  SettingsRecord r = author::FactoryRecord();
  r.language = "Deutsch";
  r.aspect = -1;
  r.fullScreen = kGrayed;
  EXPECT_EQ(Value(r, "language"), "Deutsch");
  EXPECT_EQ(Value(r, "aspect"), "none");
  EXPECT_EQ(Value(r, "fullscreen"), "greyed");
}

TEST(DiscFields, RefusalsNameTheArgumentAndChangeNothing) {
  struct Case {
    std::string argument;
    std::string says;
  };
  const Case cases[] = {
      {"colour=red", "\"colour\" is not a setting"},
      {"title", "\"title\" is not NAME=VALUE"},
      {"=x", "\"=x\" is not NAME=VALUE"},
      {"fullscreen=maybe", "fullscreen=maybe: the value is not on or off"},
      {"language=de", "is not en or el"},
      {"find=somewhere", "is not auto, path or ini"},
      {"aspect=21:9", "is not one of Original, 16:9, 4:3"},
      {"resolution=640x480", "is not one of Original, 640x480x16"},
      {"title=The \"Film\"", "double quote"},
      {"title=Two\nlines", "control character"},
      {"title=\xCE", "not UTF-8"},
      {"trailer1=C:\\t.avi", "not a path inside the disc"},
      {"trailer1=/t.avi", "not a path inside the disc"},
      {"program1=extras/../../t.exe", "not a path inside the disc"},
      {"player=bplay.exe", "not a full path on the viewer's computer"},
      {"start-seconds=soon", "not a number of seconds"},
      {"start-seconds=-5", "is before the start of the movie"},
      {"start-seconds=99999999999", "is past 10 hours"},
      {"start-seconds=" + std::string(400, '9'), "is past 10 hours"},
      {"start-seconds=1:75", "is not a time as M:SS"},
      {"find=path", "find=path needs movie= the movie's full path"},
      {"movie=extras\\film.avi", "with find=auto the launcher finds the movie beside itself"},
      {"skin=.bsz", "names no skin"},
      {"skin=   ", "names no skin"},
      {"start=on", "start=on: the movie's start needs start-seconds=SECONDS (now \"x seconds\")"},
      {"trailer1=C:", "not a path inside the disc"},
  };
  for (const Case& c : cases) {
    const SetResult r = ApplySettings(author::FactoryRecord(), {"trailer1.name=Fine", c.argument});
    EXPECT_FALSE(r.record) << c.argument;
    EXPECT_NE(r.error.find(c.says), std::string::npos) << c.argument << ": " << r.error;
  }
}

TEST(DiscFields, ARebuildKeepsTheOptionsTheOptionsWindowDoesntKnowOrRefuses) {
  const SetResult typed = ApplySettings(author::FactoryRecord(), {"parameters=-fs -eend -vol=80"});
  ASSERT_TRUE(typed.record) << typed.error;
  const SetResult aspect = ApplySettings(*typed.record, {"aspect=4:3"});
  ASSERT_TRUE(aspect.record) << aspect.error;
  EXPECT_EQ(aspect.record->parameters, "  -fs -ar=4:3  -eend   -vol=80");

  // A file whose parameters were typed in the options window, saying more than its boxes.
  SettingsRecord hand = author::FactoryRecord();
  hand.parameters = "-fs -pan -vol=80";
  const SetResult lost = ApplySettings(hand, {"aspect=4:3"});
  EXPECT_FALSE(lost.record);
  EXPECT_NE(lost.error.find("the parameters hold -pan, which the playback options don't say"),
            std::string::npos)
      << lost.error;
  const SetResult named = ApplySettings(hand, {"aspect=4:3", "pan-scan=off"});
  ASSERT_TRUE(named.record) << named.error;
  EXPECT_EQ(named.record->parameters, "  -fs -ar=4:3  -eend   -vol=80");
}

TEST(DiscFields, ChangesAreListedWithOldAndNewValues) {
  const SetResult r = ApplySettings(
      author::FactoryRecord(), {"title=Film", "fullscreen=on", "trailer1=t.avi", "pan-scan=on"});
  ASSERT_TRUE(r.record);
  EXPECT_EQ(r.changes, (std::vector<std::string>{
                           "pan-scan: \"off\" -> \"on\"",
                           "parameters: \"-fs -eend\" -> \"  -fs   -eend -pan \"",
                           "title: \"ZORVIK\" -> \"Film\"", "trailer1: \"\" -> \"t.avi\""}));
  EXPECT_EQ(r.discPaths, std::vector<std::string>{"t.avi"});
}

}  // namespace
}  // namespace zorvik::test
