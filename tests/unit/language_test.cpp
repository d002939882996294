#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

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

// Every text of both windows, a line each ("LblPlay=Launch Video"); a tip shows as
// "ImgHelp(0) tip=...".
std::string WindowTexts(MainWindowControls& main, OptionsWindowControls& opt) {
  std::string out;
  const auto line = [&out](const std::string& name, const std::string& text) {
    out += name + "=" + text + "\n";
  };
  for (Form* f : {static_cast<Form*>(&main), static_cast<Form*>(&opt)}) {
    line(f->Name(), f->Caption());
    for (const Control* c : f->Controls()) {
      const ControlKind k = c->Kind();
      if (k == ControlKind::Label || k == ControlKind::Frame || k == ControlKind::CheckBox ||
          k == ControlKind::OptionButton || k == ControlKind::CommandButton ||
          !c->Caption().empty()) {
        line(c->DisplayName(), c->Caption());
      }
      if (!c->ToolTip().empty()) line(c->DisplayName() + " tip", c->ToolTip());
    }
    for (const MenuItem* m : f->MenuBar())
      out += MenuTree(*m) + "\n";
  }
  for (const Tab& t : opt.tbsOptions.Tabs())
    line("tab " + t.key, t.caption);
  return out;
}

// How each control of both windows is drawn: its font and colours, a line each
// ("LblPlay font=Comic Sans MS 9.75 bold greek back=E0E0E0 fore=80000012").
std::string WindowLooks(MainWindowControls& main, OptionsWindowControls& opt) {
  std::string out;
  const auto colour = [](Color c) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(c));
    return std::string(hex);
  };
  for (Form* f : {static_cast<Form*>(&main), static_cast<Form*>(&opt)}) {
    out += f->Name() + " back=" + colour(f->BackColor()) + "\n";
    for (const Control* c : f->Controls()) {
      // An image and a timer draw no text and no background of their own.
      if (c->Kind() == ControlKind::Image || c->Kind() == ControlKind::Timer) continue;
      const Font& font = c->GetFont();
      char size[16];
      std::snprintf(size, sizeof size, "%g", font.size);
      out += c->DisplayName() + " font=" + font.name + " " + size + (font.bold ? " bold" : "") +
             (font.greekCharset ? " greek" : "") + " back=" + colour(c->BackColor()) +
             " fore=" + colour(c->ForeColor()) + "\n";
    }
  }
  return out;
}

// The windows' texts and every message.
std::string AllTexts(Launcher& l) {
  std::string out = WindowTexts(l.Main(), l.Opt());
  for (const auto& [name, text] : {std::pair{"TitleCaution", &l.TitleCaution},
                                   {"TitleInformation", &l.TitleInformation},
                                   {"TextDefault", &l.TextDefault},
                                   {"TextChangeSkin", &l.TextChangeSkin},
                                   {"MsgInstallBSplayer", &l.MsgInstallBSplayer},
                                   {"MsgInstallDivX", &l.MsgInstallDivX},
                                   {"MsgInstallXviD", &l.MsgInstallXviD},
                                   {"MsgFileNotFound", &l.MsgFileNotFound},
                                   {"MsgCantWrite", &l.MsgCantWrite},
                                   {"MsgRemovableDisk", &l.MsgRemovableDisk},
                                   {"MsgAutoDetect", &l.MsgAutoDetect},
                                   {"MsgNoVideo", &l.MsgNoVideo},
                                   {"MsgOldVersion", &l.MsgOldVersion}}) {
    out += std::string(name) + "=" + *text + "\n";
  }
  return out;
}

// Each language's texts word for word, the menus and pages in their order, and English again
// after Greek. The menu panel's frame has the windows' usual font: the design gives it none.
TEST_F(LanguageTest, EveryTextReadsAsWrittenInEitherLanguage) {
  StartQuiet();
  Event([&] { Opt().OptAutoIni[2].UserClick(); });
  const std::string english = DataFile("texts-english.txt");
  ASSERT_FALSE(english.empty());
  EXPECT_EQ(AllTexts(*launcher), english);
  Event([&] { Main().Greek.UserClick(); });
  EXPECT_TRUE(Main().Greek.Checked() && !Main().English.Checked());
  EXPECT_EQ(AllTexts(*launcher), DataFile("texts-greek.txt"));
  EXPECT_EQ(Main().FrmMenu.GetFont().name, "MS Sans Serif");
  Event([&] { Main().English.UserClick(); });
  EXPECT_TRUE(Main().English.Checked() && !Main().Greek.Checked());
  EXPECT_EQ(AllTexts(*launcher), english);
}

// The windows as they are laid out, before start-up puts each language's texts in: tables of
// the design's texts and looks, checked once.
TEST_F(LanguageTest, TheWindowsHoldTheirDesignTextsAndLooksUntilStartUp) {
  Launcher l(fake);
  MainWindowControls main(l);
  OptionsWindowControls opt(l);
  EXPECT_EQ(WindowTexts(main, opt), DataFile("texts-design.txt"));
  EXPECT_EQ(WindowLooks(main, opt), DataFile("looks-design.txt"));
}

// The controls by the names the design gives them, in the order the windows make them.
TEST_F(LanguageTest, TheControlsAreNamedAsDesigned) {
  StartQuiet();
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
