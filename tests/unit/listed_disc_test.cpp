// The start-up from listings: what it shows is what asking about each file shows, each folder is
// read once, and what a listing can't answer exactly goes to the disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

class ListedDiscTest : public LauncherTest {
 protected:
  // Everything start-up decides that a viewer sees.
  std::vector<std::string> Seen() {
    FrmMain& m = Main();
    std::vector<std::string> seen = Prompts();
    for (const MenuItem* e : {&m.BSplayer, &m.FFdshow, &m.XviD, &m.DivX502, &m.DivX502Pro,
                              &m.Readme, &m.Other1Name, &m.Trailer1})
      seen.push_back(e->Caption() + (e->Visible() ? " shown" : " hidden"));
    seen.push_back(m.Programs.Enabled() ? "programs" : "no programs");
    seen.push_back(m.LblPlay.Enabled() ? "play" : "no play");
    seen.push_back(Opt().TxtAviName.Text());
    seen.push_back(m.PicLogo2.GetPicture().name);
    seen.push_back(std::to_string(m.FrmBanner.Left()));
    seen.push_back(launcher->HelpFile);
    return seen;
  }
  size_t Count(const std::function<bool(const std::string&)>& which) {
    return std::count_if(fake.calls.begin(), fake.calls.end(), which);
  }
};

TEST_F(ListedDiscTest, StartsAsWhenAskingAboutEachFileReadingEachFolderOnce) {
  const std::vector<std::function<void(FakePlatform&)>> discs = {
      [](FakePlatform&) {},
      [](FakePlatform& f) {  // a disc as authors make it, its names in other cases
        f.AddFile(kSettingsPath, Edited(kFactoryFile, {{"\"\",\"Name other codec 1\"",
                                                        "\"TOOLS\\extra.exe\",\"Extra\""}}));
        f.AddFile("E:\\MORE\\Cover.JPG", "\xFF\xD8").AddFile("E:\\More\\help.chm");
        f.AddFile("E:\\readme.TXT").AddFile("E:\\Codecs\\XviD_Installer.exe");
        f.AddFile("E:\\tools\\extra.exe").AddFile("E:\\film.mpg");
      },
      [](FakePlatform& f) {  // installers elsewhere or missing, a bitmap beside a JPEG
        f.AddFile(kSettingsPath,
                  Edited(kFactoryFile, {{"codecs\\xvid_installer.exe", "C:\\setup\\xvid.exe"},
                                        {"codecs\\DivX_codec.exe", "codecs\\..\\divx.exe"}}));
        f.AddFile("C:\\setup\\xvid.exe").AddFile("E:\\divx.exe").AddFolder("E:\\codecs");
        f.AddFile("E:\\More\\a.jpg", "\xFF\xD8").AddFile("E:\\More\\b.bmp", "BM");
      },
  };
  for (size_t d = 0; d < discs.size(); ++d) {
    SCOPED_TRACE(d);
    std::vector<std::string> asked;
    for (bool lists : {false, true}) {
      Afresh();
      discs[d](fake);
      fake.listsFolders = lists;
      Start();
      if (!lists) {
        asked = Seen();
        continue;
      }
      EXPECT_EQ(Seen(), asked);
      const auto onDisc = [](const std::string& c) {  // but for a path with ".." in it
        const std::string path = c.substr(c.find(' ') + 1);
        return (c.starts_with("FileExists ") || c.starts_with("FindFirst ")) &&
               (path.starts_with("E:") || path[1] != ':') && path.find("..") == std::string::npos;
      };
      EXPECT_EQ(Count(onDisc), 0u);
      for (const std::string& call : fake.calls) {
        if (call.starts_with("ListFolder ") || call.starts_with("ReadFile ")) {
          EXPECT_EQ(Count([&](const std::string& c) { return c == call; }), 1u) << call;
        }
      }
    }
  }
}

TEST_F(ListedDiscTest, AnswersLikeTheDiscAndLeavesToItWhatItCantTell) {
  fake.listsFolders = true;
  fake.AddFile("E:\\film.avi").AddFile("E:\\More\\Settings.sav", "x").AddFolder("E:\\codecs");
  fake.AddFile("E:\\\xCF\x84\xCE\xB1\xCE\xBD\xCE\xB9\xCE\xB1.txt");  // "τανια.txt"
  ListedDisc disc(fake);
  disc.SetListing(true);
  struct Case {
    std::string path;
    bool askedOfDisc;
  };
  const Case cases[] = {{"more\\SETTINGS.SAV", false},
                        {"E:\\More\\settings.sav", false},
                        {"codecs\\xvid_installer.exe", false},
                        {"film.avi\\x", false},
                        {"nothing\\x", false},
                        {"More", false},
                        {"MORE\\", true},
                        {"film.avi\\", true},
                        {"\xCF\x84\xCE\xB1\xCE\xBD\xCE\xB9\xCE\xB1.txt", false},
                        {"\xCE\xA4\xCE\x91\xCE\x9D\xCE\x99\xCE\x91.txt", true},  // "ΤΑΝΙΑ.txt"
                        {"FILM~1.AVI", true},
                        {"film.avi.", true},
                        {"More\\..\\film.avi", true},
                        {"C:\\x", true},
                        {"\\film.avi", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    fake.calls.clear();
    const bool file = disc.FileExists(c.path), folder = disc.FolderExists(c.path);
    const std::optional<FindRecord> found = disc.FindFirst(c.path);
    EXPECT_EQ(std::any_of(fake.calls.begin(), fake.calls.end(),
                          [](const std::string& s) { return !s.starts_with("ListFolder"); }),
              c.askedOfDisc);
    EXPECT_EQ(file, fake.FileExists(c.path));
    EXPECT_EQ(folder, fake.FolderExists(c.path));
    const std::optional<FindRecord> expected = fake.FindFirst(c.path);
    EXPECT_EQ(found.has_value(), expected.has_value());
    if (found && expected) {
      EXPECT_EQ(found->name, expected->name);
    }
  }
  fake.calls.clear();
  EXPECT_EQ(disc.FindFirst("E:\\*.AVI")->name, "film.avi");
  EXPECT_FALSE(disc.FindFirst("More\\*.jpg"));
  EXPECT_TRUE(fake.calls.empty()) << fake.calls.front();

  // What is written shows at once; once started, every question goes to the disc.
  EXPECT_TRUE(disc.WriteFileAtomic("More\\new.txt", "y"));
  EXPECT_TRUE(disc.FileExists("More\\new.txt"));
  disc.SetListing(false);
  fake.calls.clear();
  disc.FileExists("film.avi");
  EXPECT_EQ(fake.calls, std::vector<std::string>{"FileExists film.avi"});
}

// A search matches an entry's 8.3 alias as well, as Windows's does; a launcher started from
// another folder asks the disc about relative paths.
TEST_F(ListedDiscTest, ShortNamesAndAnotherCurrentFolder) {
  struct Aliasing : FakePlatform {
    std::optional<FolderListing> ListFolder(const std::string& folder) override {
      std::optional<FolderListing> l = FakePlatform::ListFolder(folder);
      if (l) {
        for (FolderEntry& e : l->entries)
          if (e.name == "film.avix") e.shortName = "FILM~1.AVI";
      }
      return l;
    }
  } aliasing;
  aliasing.listsFolders = true;
  aliasing.AddFile("E:\\film.avix").AddFolder("E:\\elsewhere");
  ListedDisc disc(aliasing);
  disc.SetListing(true);
  EXPECT_EQ(disc.FindFirst("E:\\*.avi")->name, "film.avix");
  EXPECT_FALSE(disc.FindFirst("E:\\*.mpg")) << "neither its name nor its alias is an .mpg";
  aliasing.currentFolder = "E:\\elsewhere";
  ListedDisc other(aliasing);
  other.SetListing(true);
  aliasing.calls.clear();
  EXPECT_FALSE(other.FileExists("film.avix"));
  EXPECT_EQ(aliasing.calls.back(), "FileExists film.avix");
}

}  // namespace
}  // namespace zorvik::test
