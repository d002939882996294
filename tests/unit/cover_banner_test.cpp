// The cover picture from the More folder, the first layout, and the banner handle.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/media_fixture.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

// Window width and height, FrmBanner left and enabled, MainPic left, ImgLogo top, both ImgHelp
// lefts, FrmMenu width, and whether the handle shows ImgShow(1).
using Layout = std::vector<int>;
const Layout kWithBanner = {6930, 6015, 600, 1, 4080, 480, 6360, 6360, 2200, 0};
const Layout kWithoutBanner = {3800, 5300, -20000, 0, 700, 20, 3200, 3200, 2300, 1};

class CoverBannerTest : public MediaTest {
 protected:
  // A disc whose saved settings differ from the defaults only in ChkBanner (-1: no settings),
  // with these files in More; pictures by their extension.
  void StartWith(int hideBanner, const std::vector<std::string>& files) {
    QuietDisc();
    const std::string banner = "\"\",1," + std::to_string(hideBanner);
    if (hideBanner >= 0) fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"\"\",1,0", banner}}));
    for (const std::string& f : files) {
      fake.AddFile("More\\" + f, f.ends_with(".bmp")   ? "BM"
                                 : f.ends_with(".jpg") ? "\xFF\xD8"
                                                       : "");
    }
    Start();
  }
  Layout Current() {
    FrmMain& m = Main();
    return {m.Width(),           m.Height(),
            m.FrmBanner.Left(),  m.FrmBanner.Enabled(),
            m.MainPic.Left(),    m.ImgLogo.Top(),
            m.ImgHelp[0].Left(), m.ImgHelp[1].Left(),
            m.FrmMenu.Width(),   m.ImgShow[1].Visible()};
  }
};

// A greyed box, which only a hand-made file holds, hides the banner even beside a cover.
TEST_F(CoverBannerTest, TheBannerShowsWhenThereIsACoverOrItIsNotToBeHidden) {
  struct Case {
    int hideBanner;
    std::vector<std::string> files;
    const char* picture;  // empty: the default cover
    bool banner;
  };
  for (const Case& c :
       {Case{0, {"cover.jpg"}, "cover.jpg", true}, Case{0, {"notes.txt"}, "", true},
        Case{-1, {}, "", true}, Case{1, {"cover.jpg"}, "cover.jpg", true},
        Case{1, {"notes.txt"}, "", false}, Case{0, {"a.jpg", "b.bmp"}, "b.bmp", true},
        Case{1, {"z.jpg", "a.jpg"}, "z.jpg", true}, Case{2, {"cover.jpg"}, "cover.jpg", false}}) {
    SCOPED_TRACE(testing::Message() << c.hideBanner << " " << c.files.size() << " " << c.picture);
    fake = FakePlatform();
    StartWith(c.hideBanner, c.files);
    EXPECT_EQ(Opt().ChkBanner.Value(), std::max(c.hideBanner, 0));
    EXPECT_EQ(Current(), c.banner ? kWithBanner : kWithoutBanner);
    EXPECT_EQ(Main().PicLogo2.GetPicture().name,
              *c.picture ? std::string("E:\\More\\") + c.picture : "COVER_DEFAULT");
    // A cover larger than the banner's picture box is shrunk to fit it.
    using Boxes = std::vector<std::pair<Twips, Twips>>;
    EXPECT_EQ(fake.pictureBoxes, (*c.picture ? Boxes{{3215, 4630}} : Boxes{}));
    EXPECT_TRUE(fake.boxes.empty());
  }
}

TEST_F(CoverBannerTest, TheHandleHidesAndShowsTheBanner) {
  StartWith(kChecked, {});
  ASSERT_EQ(Current(), kWithoutBanner);
  for (const Layout& next : {kWithBanner, kWithoutBanner, kWithBanner}) {
    ClickMain(Main().ImgShow[1].Visible() ? Main().ImgShow[1] : Main().ImgShow[0]);
    EXPECT_EQ(Current(), next);
  }
  EXPECT_EQ(Main().PicLogo2.GetPicture().name, "COVER_DEFAULT");
}

// The window's own pictures have the sizes the design gives them, the default cover filling its
// box, and the picture buttons' labels their fonts.
TEST_F(CoverBannerTest, TheWindowsPicturesHaveTheirDesignedSizes) {
  StartWith(-1, {});
  FrmMain& m = Main();
  // clang-format off
  const std::tuple<const Control&, int, int> pictures[] = {
      {m.ImgCancel[0], 20, 20}, {m.ImgCancel[1], 20, 20}, {m.ImgPlayIcon[0], 16, 16}, {m.ImgPlayIcon[1], 16, 16},
      {m.ImgPlay[0], 102, 30}, {m.ImgPlay[1], 102, 30}, {m.ImgPlay[2], 102, 30}, {m.ImgShow[0], 10, 32},
      {m.ImgShow[1], 10, 32}, {m.PicLogo2, 215, 309}, {m.ImgLogo, 41, 297}, {m.ImgHelp[0], 24, 24},
      {m.ImgHelp[1], 24, 24}};
  // clang-format on
  for (const auto& [c, width, height] : pictures) {
    EXPECT_EQ(c.GetPicture().width, width) << c.DisplayName();
    EXPECT_EQ(c.GetPicture().height, height) << c.DisplayName();
  }
  EXPECT_EQ(m.LblPlay.GetFont(), (Font{"Comic Sans MS", 9.75, true, true}));
  EXPECT_EQ(m.LblExit.GetFont(), (Font{"Comic Sans MS", 9, true, true}));
  EXPECT_EQ(m.LblExplore.GetFont(), m.LblExit.GetFont());
}

}  // namespace
}  // namespace zorvik::test
