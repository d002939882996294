#include <gtest/gtest.h>

#include <functional>

#include "core/text_util.h"
#include "media/video_launch.h"
#include "persistence/settings_file.h"
#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

using SettingsFileTest = OptionsTest;

TEST_F(SettingsFileTest, FactoryDefaultsWriteTheDocumentedFile) {
  fake.keyExists = false;
  fake.AddFolder("E:\\");
  Start();
  Click(Opt().ChkParbox);
  Press(Opt().cmdOK);  // Apply is still disabled here; OK runs the same sequence
  EXPECT_EQ(fake.FileBytes(kSettingsPath), kFactoryFile);
}

TEST_F(SettingsFileTest, SaveThenLoadRestoresEveryField) {
  StartQuiet();
  Event([&] {  // the disc's own entries, which only the file sets
    Main().Greek.UserClick();
    launcher->Trailer2Path = "trailers\\τρέιλερ 2.avi";
    Main().Trailer2.SetCaption("Τρέιλερ, μέρος 2");
    launcher->Installer(InstallerId::XviD) = {"codecs\\xvid 1.1.exe", "XviD 1.1"};
    launcher->Other1Path = "extra\\vlc.exe";
    Main().Other1Name.SetCaption("VLC player");
    Main().LblMovieName.SetCaption("Η ταινία");
  });
  Set([](FrmOpt& o) {
    o.OptAutoIni[2].SetValue(true);
    o.TxtAviName.SetText("D:\\Ταινίες\\Η ταινία.avi");
    o.TxtBSini.SetText("D:\\Ρυθμίσεις.bsi");
    o.TxtBSpath.SetText("D:\\Tools\\bplay.exe");  // not the registry's
    o.CmbAspect.SetListIndex(-1);
    o.CmbRes.SetListIndex(10);
    o.ChkSkin.SetCaption("Μπλε");
    const std::pair<CheckBox*, int> boxes[] = {
        {&o.ChkZorvikexit, 0}, {&o.ChkBanner, 2},      {&o.ChkVersion, 1}, {&o.ChkSubs, 1},
        {&o.ChkSubPath, 1},    {&o.ChkSubsDisable, 1}, {&o.ChkFull, 0},    {&o.ChkEend, 2},
        {&o.ChkSkin, 1},       {&o.ChkPanScan, 1},     {&o.ChkStart, 1},   {&o.ChkAPI, 1},
        {&o.ChkShutDown, 2},   {&o.ChkParbox, 1}};
    for (auto [box, value] : boxes)
      box->SetValue(value);
    o.TxtSec.SetText("90");
    o.TxtParam.SetText("-fs -mine");
  });
  Press(Opt().cmdOK);
  const SettingsRecord saved = CaptureSettings(*launcher);
  const std::string bytes = fake.FileBytes(kSettingsPath);
  EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << "Greek fits Windows-1253";
  for (const char* record : {"\"Η ταινία\"\r\n", "\",0,2\r\n#FALSE#,#FALSE#,#TRUE#,\"D:\\Tools",
                             "\r\n1,1,-1,1,0,2,\"Μπλε\",1,1,\"90\",10\r\n1,2\r\n"}) {
    EXPECT_NE(bytes.find(*Utf8ToCp1253(record)), std::string::npos) << record;
  }

  Start();
  EXPECT_EQ(CaptureSettings(*launcher), saved);
  EXPECT_TRUE(Main().Trailer2.Visible() && Main().Other1Name.Visible());
  EXPECT_FALSE(Main().Trailer1.Visible());
}

TEST(SettingsText, TextsComeBackWithoutShiftingTheOtherFields) {
  struct Case {
    std::string written, readBack;
    bool utf8;
  };
  const Case cases[] = {
      {"Say \"Hi\"", "Say 'Hi'", false},
      {"one\r\ntwo\nthree", "one  two three", false},
      {"Blue, Dark", "Blue, Dark", false},
      {"Blue,", "Blue,", false},  // the comma is the text's own, not the field's end
      {"Αλλαγή Skin", "Αλλαγή Skin", false},
      {"ΣΈ", "ΣΈ", true},  // its Windows-1253 bytes read as UTF-8 too
      {"Фильм", "Фильм", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    SettingsRecord r;
    r.movieTitle = r.skin = c.written;
    r.trailers[0] = {"t1.avi", "Trailer"};
    r.startPosition = "90";
    const std::string bytes = FormatSettings(r);
    EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBF"), c.utf8);
    const std::optional<SettingsRecord> back = ParseSettings(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->movieTitle, c.readBack);
    EXPECT_EQ(back->skin, c.readBack);
    EXPECT_EQ(back->trailers[0], r.trailers[0]);
    EXPECT_EQ(back->startPosition, "90");
  }
}

// A base file that differs from the start values, and what becomes of it.
struct LoadCase {
  const char* name;
  std::function<void(std::string&)> edit;
  int exitValue;  // -1: the file is ignored
};

std::function<void(std::string&)> Replace(std::string from, std::string to) {
  return [=](std::string& f) { f = Edited(f, {{from, to}}); };
}

TEST_F(SettingsFileTest, LoadsWhatItCanAndIgnoresWhatItCant) {
  const std::string base =
      Edited(kFactoryFile, {{"English Language", "Greek Language"},
                            {"\"\",1,0", "\"\",0,1"},
                            {"ZORVIK", "Η ταινία"},
                            {"\"\",\"Name Trailer 2\"", "\"t2.avi\",\"T2\""},
                            {"\"\",\"Name Trailer 1\"", "\"\",\"Soon\""},
                            {"#TRUE#,#FALSE#,#FALSE#", "#FALSE#,#FALSE#,#TRUE#"}});
  const LoadCase cases[] = {
      {"as written, UTF-8", [](std::string&) {}, 0},
      {"Windows-1253", [](std::string& f) { f = *Utf8ToCp1253(f); }, 0},
      {"record 3 on its own line", Replace("#TRUE#,\"\",", "#TRUE#\r\n  \"\","), 0},
      {"line feeds only", [](std::string& f) { std::erase(f, '\r'); }, 0},
      {"greyed check box", Replace("\"\",0,1", "\"\",2,1"), 2},
      {"check box 5", Replace("\"\",0,1", "\"\",5,1"), -1},
      {"padded to the largest size", [](std::string& f) { f.resize(kLargestSettingsFile, '\n'); },
       0},
      // read as none, as is a file the platform can't read
      {"a byte over the largest size",
       [](std::string& f) { f.resize(kLargestSettingsFile + 1, '\n'); }, -1},
      {"a field missing", Replace("\"\",0,1", "\"\",0"), -1},
      {"the last line cut short", [](std::string& f) { f.resize(f.size() - 8); }, -1},
  };
  QuietDisc();
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const bool loads = c.exitValue >= 0;
    std::string file = base;
    c.edit(file);
    fake.AddFile(kSettingsPath, file);
    Start();
    EXPECT_FALSE(launcher->Ending());
    EXPECT_EQ(launcher->GreekLanguage, loads);
    EXPECT_EQ(Main().LblMovieName.Caption(), loads ? "Η ταινία" : "ZORVIK");
    EXPECT_EQ(Main().Trailer1.Caption(), loads ? "Soon" : "Name Trailer 1");
    EXPECT_FALSE(Main().Trailer1.Visible());
    EXPECT_EQ(Main().Trailer2.Visible(), loads);
    EXPECT_EQ(Opt().ChkBanner.Value(), loads ? 1 : 0);
    EXPECT_EQ(Opt().ChkZorvikexit.Value(), loads ? c.exitValue : 1);
    EXPECT_EQ(Opt().TxtParam.Text(), "-fs -eend");
    // The movie is looked for as the file says, or else found beside the launcher.
    EXPECT_TRUE(Opt().OptAutoIni[loads ? kTypedPath : kAutoDetect].Value());
    if (loads) continue;
    // Read again for a window made afresh, such a file loses nothing the last one gave.
    fake.AddFile(kSettingsPath, base);
    Start();
    fake.AddFile(kSettingsPath, file);
    Reopen();
    EXPECT_EQ(Opt().cmdCancel.Caption() + Main().LblMovieName.Caption() + Main().Trailer1.Caption(),
              "ΆκυροΗ ταινίαSoon");
    EXPECT_TRUE(Main().Trailer2.Visible() && launcher->Trailer2Path == "t2.avi");
    EXPECT_EQ(std::pair(Opt().ChkBanner.Value(), Opt().ChkZorvikexit.Value()), std::pair(0, 1))
        << "the window's defaults";
  }
}

TEST_F(SettingsFileTest, UnknownLanguageLineKeepsTheCurrentLanguage) {
  QuietDisc();
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"English", "Greek"}}));
  Start();
  fake.AddFile(kSettingsPath,
               Edited(kFactoryFile, {{"English Language", "Deutsch"}, {"\"\",1,0", "\"\",0,0"}}));
  FrmOpt& o = Reopen();
  EXPECT_TRUE(launcher->GreekLanguage);
  EXPECT_EQ(o.cmdCancel.Caption(), "Άκυρο");
  EXPECT_EQ(o.ChkZorvikexit.Value(), 0);
}

// The file names the no-skin caption and the ini word in either language.
TEST_F(SettingsFileTest, NoSkinAndDefaultWordsMeanTheSameInBothLanguages) {
  QuietDisc();
  fake.AddFile(kSettingsPath, Edited(kFactoryFile, {{"#TRUE#,#FALSE#", "#FALSE#,#TRUE#"},
                                                    {"Default", "Προεπιλογή"},
                                                    {"Change Skin", "Αλλαγή Skin"}}));
  Start();
  EXPECT_EQ(Opt().ChkSkin.Value(), kUnchecked);
  ClickMain(Main().ImgPlay[2]);
  ASSERT_EQ(fake.started.size(), 1u) << "the player starts with its own settings";
  EXPECT_TRUE(fake.shell.empty());

  // A skin chosen in this run, then Default brings back the file's "no skin".
  fake.dialogAnswers.push_back({"C:\\Skins\\Blue.bsz", "Blue.bsz"});
  Click(Opt().ChkSkin);
  EXPECT_EQ(fake.dialogs.back().filter, "BSplayer Skin(*.bsz)|*.bsz");
  Press(Opt().CmdDefault);
  EXPECT_EQ(Opt().ChkSkin.Value(), kUnchecked);
  EXPECT_EQ(Opt().ChkSkin.Caption(), "Change Skin");
  Click(Opt().ChkFull);
  Press(Opt().CmdApply);
  EXPECT_EQ(Opt().TxtParam.Text().find("-skin"), std::string::npos) << Opt().TxtParam.Text();
}

struct SaveFailure {
  const char* name;
  bool fileExists;
  bool readOnly;  // otherwise the write itself fails
  std::vector<std::string> prompts;
};

TEST_F(SettingsFileTest, FailedSaveWarnsTurnsSavingOffAndKeepsTheOldFile) {
  const std::string tip =
      "Tip: You can change your settings and play the file by not closing the options window";
  const SaveFailure cases[] = {
      {"read-only, no file", false, true, {"Can't write to the file!"}},
      {"read-only, file", true, true, {"You can't save on a removable disk!", tip}},
      {"write fails, no file", false, false, {"Can't write to the file!"}},
      {"write fails, file", true, false, {"You can't save on a removable disk!", tip}},
  };
  for (const SaveFailure& c : cases) {
    SCOPED_TRACE(c.name);
    Afresh();
    if (c.fileExists) fake.AddFile(kSettingsPath, kFactoryFile);
    if (!c.fileExists && !c.readOnly) fake.AddFolder("E:\\More");
    if (c.readOnly) fake.SetReadOnly("E:\\");
    fake.failWrites = !c.readOnly;
    Start();
    Click(Opt().ChkEend);
    fake.boxes.clear();
    Press(Opt().CmdApply);
    EXPECT_EQ(Prompts(), c.prompts);
    for (const MessageBoxCall& box : fake.boxes) {
      EXPECT_EQ(box.title + " " + std::to_string(box.style),
                box.prompt == tip ? "Information 64" : "Caution 16");
    }
    EXPECT_EQ(fake.FileBytes(kSettingsPath), c.fileExists ? kFactoryFile : "");
    EXPECT_EQ(fake.HasFile(kSettingsPath), c.fileExists);

    FrmOpt& o = Opt();
    EXPECT_TRUE(o.ChkSave.Value() == kUnchecked && !o.ChkSave.Enabled());
    EXPECT_TRUE(!o.CmdApply.Visible() && o.CmdApply.Left() == -20000);
    EXPECT_EQ(o.ChkEend.Value(), kUnchecked) << "the change stays in force";
    // OK closes the window keeping what was applied, unsaved, and Play passes it on.
    Press(o.cmdOK);
    EXPECT_FALSE(o.Visible());
    EXPECT_TRUE(launcher->OptLoaded());
    EXPECT_EQ(Prompts(), c.prompts) << "no second attempt to save";
    Event([&] { LaunchVideo(*launcher); });
    ASSERT_EQ(fake.shell.size(), 1u);
    EXPECT_EQ(fake.shell[0].parameters, "E:\\film.avi    -fs     ");

    FrmOpt& again = Reopen();
    EXPECT_TRUE(again.ChkSave.Value() == kChecked && again.ChkSave.Enabled());
    EXPECT_TRUE(again.CmdApply.Visible() && again.CmdApply.Left() == 5280);
    EXPECT_TRUE(again.cmdOK.Enabled());
  }
}

}  // namespace
}  // namespace zorvik::test
