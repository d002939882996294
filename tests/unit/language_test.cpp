#include <gtest/gtest.h>

#include <algorithm>

#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

using LanguageTest = OptionsTest;

// A menu and its entries on one line: "Name=Caption{Child=Caption,...}".
std::string MenuTree(const MenuItem& m) {
  std::string out = m.Name() + "=" + m.Caption();
  if (m.Children().empty()) return out;
  out += "{";
  for (const MenuItem* child : m.Children())
    out += MenuTree(*child) + (child == m.Children().back() ? "}" : ",");
  return out;
}

// Every text of both windows and every message text; a control that should say something but
// is blank shows as "blank".
std::vector<std::string> AllTexts(Launcher& l) {
  std::vector<std::string> out;
  for (Form* f : {static_cast<Form*>(&l.Main()), static_cast<Form*>(&l.Opt())}) {
    out.push_back(f->Name() + "=" + f->Caption());
    for (const Control* c : f->Controls()) {
      const ControlKind k = c->Kind();
      const bool says = k == ControlKind::Label || k == ControlKind::Frame ||
                        k == ControlKind::CheckBox || k == ControlKind::OptionButton ||
                        k == ControlKind::CommandButton;
      out.push_back(says && c->Caption().empty() ? "blank" : c->DisplayName() + "=" + c->Caption());
      out.push_back(c->ToolTip());
    }
    for (const MenuItem* m : f->MenuBar())
      out.push_back(MenuTree(*m));
  }
  for (const Tab& t : l.Opt().tbsOptions.Tabs())
    out.push_back(t.caption);
  for (const std::string* s :
       {&l.TitleCaution, &l.TitleInformation, &l.TextDefault, &l.TextChangeSkin,
        &l.MsgInstallBSplayer, &l.MsgInstallDivX, &l.MsgInstallXviD, &l.MsgFileNotFound,
        &l.MsgCantWrite, &l.MsgRemovableDisk, &l.MsgAutoDetect, &l.MsgNoVideo, &l.MsgOldVersion}) {
    out.push_back(*s);
  }
  return out;
}

TEST_F(LanguageTest, GreekAndBackRestoresEveryEnglishText) {
  StartQuiet();
  Event([&] { Opt().OptAutoIni[2].UserClick(); });
  const std::vector<std::string> english = AllTexts(*launcher);
  Event([&] { Main().Greek.UserClick(); });
  EXPECT_TRUE(Main().Greek.Checked() && !Main().English.Checked());
  const std::pair<std::string, std::string> greek[] = {
      {launcher->MsgInstallXviD, "Πρέπει να εγκαταστήσετε το XviD codec"},
      {launcher->MsgNoVideo,
       "Δεν επιλέχτηκε ή δεν βρέθηκε κανένα αρχείο video. Ελέγξτε τις ρυθμίσεις σας!"},
      {launcher->TitleCaution + launcher->TextChangeSkin, "ΠΡΟΣΟΧΗΑλλαγή Skin"},
      {Opt().Caption(), "Ρυθμίσεις"},
      {Opt().TxtBSini.ToolTip(), "Αφήστε την προεπιλογή εάν θέλετε να γράψετε σε cd τον launcher"},
      {Opt().OptAutoIni[0].Caption(), "Η αυτόματη εύρεση αρχείου Video είναι: OFF"},
      {Opt().cmdOK.Caption() + Opt().ChkPanScan.Caption(), "OKPan-scan"},
      // The tips of the help icon, both its looks, and of the banner's two handles.
      {Main().ImgHelp[0].ToolTip() + "|" + Main().ImgHelp[1].ToolTip() + "|" +
           Main().ImgShow[0].ToolTip() + "|" + Main().ImgShow[1].ToolTip(),
       "Σχετικά με το Zorvik|Σχετικά με το Zorvik|Απόκρυψη του εξωφύλλου|Εμφάνιση του εξωφύλλου"},
      // The design gives the menu panel's frame no font: it has the windows' usual one.
      {Main().FrmMenu.Caption() + " " + Main().FrmMenu.GetFont().name,
       "Βασικό Μενού MS Sans Serif"},
  };
  for (const auto& [shown, expected] : greek)
    EXPECT_EQ(shown, expected);
  // No caption: OptAutoIni(1), OptAutoIni(2), ChkSubs and ChkSubPath.
  EXPECT_EQ(std::ranges::count(AllTexts(*launcher), "blank"), 4);

  Event([&] { Main().English.UserClick(); });
  EXPECT_TRUE(Main().English.Checked() && !Main().Greek.Checked());
  EXPECT_EQ(AllTexts(*launcher), english);
  EXPECT_EQ(std::ranges::count(english, "blank"), 4);
}

// The menu tree and the options window's pages as the design names them, entry for entry and in
// their order, in both languages.
TEST_F(LanguageTest, TheMenusAndPagesReadAsDesignedInBothLanguages) {
  StartQuiet();
  const auto tree = [&] {
    std::string out;
    for (const MenuItem* m : Main().MenuBar())
      out += MenuTree(*m) + "\n";
    return out;
  };
  EXPECT_EQ(tree(),
            "Movie=Video File{MainVideo=Main video,Trailer1=Name Trailer 1,Trailer2=Name Trailer 2,"
            "Trailer3=Name Trailer 3,Readme=&Readme.txt}\n"
            "Programs=Programs{BSplayer=Install BSplayer,Other1Name=Name other codec 1,"
            "Other2Name=Name other codec 2,DivX502=Install DivX codec,"
            "DivX502Pro=Install DivX Pro codec,FFdshow=Install FFdshow filter,"
            "XviD=Install XviD codec}\n"
            "Options=Options{General=Settings,Language=Choose Language{English=English,"
            "Greek=Greek}}\n");
  const auto pages = [&] {
    std::string out;
    for (const Tab& t : Opt().tbsOptions.Tabs())
      out += t.caption + "|";
    return out;
  };
  EXPECT_EQ(pages(), "Video Detection Method|Command Line Options|Launcher's Settings|Varius|");
  // The controls by the names the design gives them, in the order the windows make them.
  const auto names = [](const Form& f) {
    std::string out;
    for (const Control* c : f.Controls())
      out += c->Index() > 0 ? "" : c->Name() + " ";
    return out + std::to_string(f.Controls().size());
  };
  EXPECT_EQ(names(Main()),
            "MainPic FrmMenu ImgCancel ImgPlayIcon LblPlay LblExit LblExplore ImgPlay ImgExplore "
            "ImgExit LblMovieName ImgShow Timer1 FrmBanner PicLogo2 ImgLogo ImgHelp 27");
  EXPECT_EQ(names(Opt()),
            "tbsOptions Picoptions ChkSave cmdOK cmdCancel CmdApply fraSample1 LblAviName "
            "LblVideoName OptAutoIni TxtAviName CmdAvi LblBSIni TxtBSini CmdBSini LblAuto "
            "CmdDefault fraSample2 ChkFull ChkSubsDisable ChkSkin LblAspect ChkEend CmbAspect "
            "ChkPanScan LblRes ChkStart TxtSec CmbRes TxtParam ChkParbox FraSample3 ChkZorvikexit "
            "ChkBanner ChkVersion ChkAPI ChkShutDown fraSample4 Lblpath TxtBSpath CmdBSpath "
            "LblSubname ChkSubs TxtSubs LblSubPath ChkSubPath TxtSubPath 52");
  Event([&] { Main().Greek.UserClick(); });
  EXPECT_EQ(pages(), "Εύρεση video|Command Line|Launcher's επιλογές|Διάφορες Ρυθμίσεις|");
  EXPECT_EQ(tree(),
            "Movie=Αρχείο Video{MainVideo=Κυρίως video,Trailer1=Name Trailer 1,"
            "Trailer2=Name Trailer 2,Trailer3=Name Trailer 3,Readme=&Readme.txt}\n"
            "Programs=Προγράμματα{BSplayer=Εγκατάσταση του BSplayer,"
            "Other1Name=Name other codec 1,Other2Name=Name other codec 2,"
            "DivX502=Εγκατάσταση του DivX codec,DivX502Pro=Εγκατάσταση του DivX Pro codec,"
            "FFdshow=Εγκατάσταση του FFdshow filter,XviD=Εγκατάσταση του XviD codec}\n"
            "Options=Ρυθμίσεις{General=Γενικές Ρυθμίσεις,Language=Επιλογή Γλώσσας{"
            "English=Αγγλικά,Greek=Ελληνικά}}\n");
}

TEST_F(LanguageTest, InstallerNamesFromTheFileShowAfterTheNextLanguageApplication) {
  fake.keyExists = false;  // no player: start-up asks to install it
  fake.AddFile("E:\\film.avi");
  fake.AddFile("E:\\DivX players\\BSplayer\\BSplay_installer.exe");
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"\"BSplayer\"", "\"BS.Player 1.0\""}}));
  Start();
  EXPECT_EQ(Main().BSplayer.Caption(), "Install BS.Player 1.0");
  const std::vector<std::string> prompts = Prompts();
  EXPECT_EQ(std::ranges::count(prompts, "Please install the BS.Player 1.0"), 1);

  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"\"BSplayer\"", "\"BS.Player 2.0\""}}));
  Reopen();  // the window applies the language before it reads the file
  EXPECT_EQ(Main().BSplayer.Caption(), "Install BS.Player 1.0");
  Event([&] { Main().Greek.UserClick(); });
  EXPECT_EQ(Main().BSplayer.Caption(), "Εγκατάσταση του BS.Player 2.0");
  EXPECT_EQ(launcher->MsgInstallBSplayer, "Πρέπει να εγκαταστήσετε το BS.Player 2.0");
}

}  // namespace
}  // namespace zorvik::test
