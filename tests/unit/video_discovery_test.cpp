// Finding the movie beside the launcher, and the message when there is nothing to play.
#include <gtest/gtest.h>

#include "media/video_discovery.h"
#include "support/media_fixture.h"

namespace zorvik::test {
namespace {

constexpr const char* kNoVideo = "No video file is selected or found. Check your settings!";

class VideoDiscoveryTest : public MediaTest {};

TEST_F(VideoDiscoveryTest, TheLastKindOfVideoFoundBesideTheLauncherWins) {
  struct Case {
    const char* folder;
    std::vector<std::string> files;  // in listing order
    const char* found;
  };
  for (const Case& c : {Case{"C:\\Movie", {"film.avi", "film.mpg"}, "film.mpg"},
                        Case{"C:\\Movie", {"b.wma", "a.avi"}, "b.wma"},
                        Case{"C:\\Movie", {"movie.ogm"}, "movie.ogm"},
                        Case{"C:\\Movie", {"x.avi", "x.asf", "x.mpeg"}, "x.asf"},
                        Case{"C:\\Movie", {"b.avi", "a.avi"}, "b.avi"},
                        Case{"C:\\Movie", {"x.txt", "extras\\t.avi"}, ""}}) {
    SCOPED_TRACE(c.found);
    Afresh();  // its film.avi lies in the current folder E:\, not the launcher's
    fake.launcherFolder = c.folder;
    for (const std::string& name : c.files)
      fake.AddFile(std::string(c.folder) + "\\" + name);
    Start();
    EXPECT_EQ(Opt().TxtAviName.Text(), c.found);
    if (*c.found) {
      EXPECT_TRUE(fake.boxes.empty());
      EXPECT_TRUE(PlayEnabled());
    } else {
      ExpectOnly(kNoVideo, "Caution");
      EXPECT_FALSE(Main().ImgPlay[2].Enabled() || Main().ImgPlayIcon[0].Enabled() ||
                   Main().LblPlay.Enabled());
    }
  }
}

TEST_F(VideoDiscoveryTest, ALookThatFindsNothingForgetsTheMovieFoundBefore) {
  StartQuiet();
  ASSERT_EQ(Opt().TxtAviName.Text(), "film.avi");
  fake.launcherFolder = "G:\\";
  Event([&] { AutoDetectVideo(*launcher); });
  EXPECT_EQ(Opt().TxtAviName.Text(), "");
}

TEST_F(VideoDiscoveryTest, ValidationReportsOnlyAMissingMainVideo) {
  struct Case {
    int method;  // index of OptAutoIni
    const char* aviName;
    const char* ini;
    bool trailer, greek, reports;
    const char* iniAfter;
  };
  for (const Case& c : {Case{0, "", "Default", false, false, true, "Default"},
                        Case{0, "", "Default", true, false, false, "Default"},
                        Case{2, "", "Default", false, false, true, "Default"},
                        Case{2, " ", "Default", false, false, false, "Default"},
                        Case{1, "", "", false, false, true, "Default"},
                        Case{1, "", "", false, true, true, "Προεπιλογή"},
                        Case{1, "", "", true, false, false, ""}}) {
    SCOPED_TRACE(testing::Message() << c.method << " '" << c.aviName << "' '" << c.ini << "' "
                                    << c.trailer << c.greek);
    Afresh();
    Start();
    if (c.greek) Main().Greek.UserClick();
    Opt().OptAutoIni[c.method].SetValue(true);
    Opt().TxtAviName.SetText(c.aviName);
    Opt().TxtBSini.SetText(c.ini);
    if (c.trailer) {
      Main().Trailer1.SetVisible(true);
      Main().Trailer1.UserClick();
    }
    Event([&] { ValidateVideoSelection(*launcher); });
    if (c.reports) {
      ExpectOnly(launcher->MsgNoVideo, launcher->TitleCaution);
    } else {
      EXPECT_TRUE(fake.boxes.empty());
    }
    EXPECT_EQ(PlayEnabled(), !c.reports);
    EXPECT_EQ(Opt().TxtBSini.Text(), c.iniAfter);
  }
}

// Validation never enables Play; a new choice does, all but its icon.
TEST_F(VideoDiscoveryTest, PlayComesBackWithANewChoice) {
  const std::vector<void (*)(Launcher&)> choices = {
      [](Launcher& l) { l.Main().Trailer2.UserClick(); },
      [](Launcher& l) { l.Opt().TxtAviName.SetText("x.avi"); },
      [](Launcher& l) { l.Opt().TxtBSini.RaiseClick(); }};
  QuietDisc();
  for (size_t i = 0; i < choices.size(); ++i) {
    SCOPED_TRACE(i);
    Start();
    Main().Trailer2.SetVisible(true);
    Opt().TxtAviName.SetText("");
    Main().MainVideo.UserClick();
    ASSERT_FALSE(Main().ImgPlay[2].Enabled() || Main().LblPlay.Enabled());
    Event([&] { choices[i](*launcher); });
    EXPECT_TRUE(Main().ImgPlay[2].Enabled() && Main().LblPlay.Enabled());
    EXPECT_FALSE(Main().ImgPlayIcon[0].Enabled());
    EXPECT_EQ(Prompts(), std::vector<std::string>(i + 1, kNoVideo));
  }
  EXPECT_TRUE(Opt().OptAutoIni[1].Value());
  EXPECT_EQ(Opt().TxtBSini.Text(), "Default");
}

}  // namespace
}  // namespace zorvik::test
