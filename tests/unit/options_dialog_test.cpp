#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "support/settings_samples.h"

namespace zorvik::test {
namespace {

class OptionsDialogTest : public OptionsTest {
 protected:
  void SetUp() override { StartQuiet(); }
};

// Where a request stands in the platform's log; past the end when it isn't there.
std::ptrdiff_t At(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) - calls.begin();
}

void ExpectInOrder(const std::vector<std::string>& calls, const std::vector<std::string>& order) {
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_LT(At(calls, order[i]),
              i + 1 < order.size() ? At(calls, order[i + 1]) : std::ssize(calls))
        << order[i];
  }
}

TEST_F(OptionsDialogTest, ApplySavesThenDetectsThenValidatesThenChecksThenWritesTheRegistry) {
  fake = FakePlatform();
  fake.SetRegString("Apppath", kPlayerPath);
  fake.SetRegString("SubD", "161;Arial;24;1;16777215");
  fake.SetRegString("SubDir", "D:\\Subtitles");
  fake.AddFile(kPlayerPath, "", {2002, 5, 1});
  fake.AddFile("C:\\program files\\ffdshow\\ffdshow.ax");
  Start();  // no movie yet
  Set([](FrmOpt& o) {
    for (CheckBox* c : {&o.ChkVersion, &o.ChkSubs, &o.ChkSubPath})
      c->SetValue(kChecked);
  });
  fake.AddFile("E:\\film.avi");
  fake.calls.clear();
  fake.boxes.clear();
  Press(Opt().CmdApply);

  EXPECT_EQ(Opt().TxtAviName.Text(), "film.avi");
  EXPECT_NE(fake.FileBytes(kSettingsPath).find("\r\n\"\",1,0\r\n"), std::string::npos)
      << "the file holds the movie as it was before this Apply's detection";
  EXPECT_EQ(Prompts(), std::vector<std::string>{launcher->MsgOldVersion});
  ExpectInOrder(fake.calls,
                {"WriteFile E:\\More\\Settings.sav", "FindFirst E:\\*.avi",
                 "MessageBox " + launcher->MsgOldVersion, "RegSet SubD", "RegSet SubDir"});
  EXPECT_FALSE(Opt().CmdApply.Enabled());
}

TEST_F(OptionsDialogTest, DefaultReloadsTheFileKeepingTheListsWholeThePageAndManualMode) {
  Press(Opt().cmdOK);  // saves the factory defaults
  Click(Opt().ChkFull);
  Set([](FrmOpt& o) { o.CmbRes.SetListIndex(3); });
  Event([&] { Opt().tbsOptions.Select(2); });
  Click(Opt().ChkParbox);
  Press(Opt().CmdDefault);
  Press(Opt().CmdDefault);
  FrmOpt& o = Opt();
  EXPECT_EQ(o.CmbRes.ListCount(), 11);
  EXPECT_EQ(o.CmbAspect.ListCount(), 3);
  // The lists look as Windows draws them, as the text boxes in use do.
  for (const ComboBox* c : {&o.CmbAspect, &o.CmbRes}) {
    EXPECT_EQ(c->BackColor(), SystemColor(syscolor::kWindow));
    EXPECT_EQ(c->ForeColor(), SystemColor(syscolor::kWindowText));
  }
  EXPECT_EQ(o.ChkFull.Value(), kChecked);
  EXPECT_EQ(o.CmbRes.ListIndex(), 0);
  EXPECT_FALSE(o.CmdApply.Enabled());
  EXPECT_EQ(o.tbsOptions.SelectedIndex(), 2);
  EXPECT_EQ(o.ChkParbox.Value(), kChecked);
  EXPECT_TRUE(o.TxtParam.Enabled());
}

// Only the path box of the chosen way of finding the movie looks in use, with its button; the
// other is grey on silver.
TEST_F(OptionsDialogTest, ThePathBoxOfTheChosenWayLooksInUse) {
  FrmOpt& o = Opt();
  const auto look = [](const TextBox& box, const CommandButton& button) {
    return std::tuple{box.BackColor(), box.ForeColor(), button.Enabled()};
  };
  const auto inUse = [](bool used) {
    return used ? std::tuple{SystemColor(syscolor::k3DHighlight),
                             SystemColor(syscolor::kButtonText), true}
                : std::tuple{kSilver, SystemColor(syscolor::kGrayText), false};
  };
  for (int way : {0, 2, 1, 0}) {  // first as loaded
    SCOPED_TRACE(way);
    Set([&](FrmOpt& w) { w.OptAutoIni[way].SetValue(true); });
    EXPECT_EQ(look(o.TxtAviName, o.CmdAvi), inUse(way == 2));
    EXPECT_EQ(look(o.TxtBSini, o.CmdBSini), inUse(way == 1));
    EXPECT_EQ(o.OptAutoIni[0].Caption(), way == 0 ? "Video AutoDetection is currently: ON"
                                                  : "Video AutoDetection is currently: OFF");
  }
  Set([](FrmOpt& w) { w.TxtAviName.RaiseClick(); });  // a click in the box chooses its way
  EXPECT_TRUE(o.OptAutoIni[2].Value() && o.CmdAvi.Enabled());
}

TEST_F(OptionsDialogTest, ManualModeTakesTheFocusIntoTheOptionString) {
  FrmOpt& o = Opt();
  Click(o.ChkParbox);
  EXPECT_EQ(o.Focused(), &o.TxtParam);
  EXPECT_TRUE(o.TxtParam.Enabled());
  EXPECT_EQ(o.TxtParam.BackColor(), SystemColor(syscolor::k3DHighlight));
  Event([&] { o.MoveFocus(&o.ChkFull); });
  EXPECT_EQ(o.TxtParam.BackColor(), SystemColor(syscolor::k3DHighlight));
  Click(o.ChkParbox);
  EXPECT_FALSE(o.TxtParam.Enabled());
  EXPECT_EQ(o.TxtParam.BackColor(), kSilver);
}

// The box is cleared to take a number, keeps the focus until it has one, and is disabled again
// when left; unchecking puts its hint back.
TEST_F(OptionsDialogTest, TheStartTimeBoxTakesOnlyANumber) {
  FrmOpt& o = Opt();
  EXPECT_FALSE(o.TxtSec.Enabled());
  EXPECT_EQ(o.TxtSec.BackColor(), SystemColor(syscolor::kWindow));
  Click(o.ChkStart);
  Click(o.ChkStart);
  EXPECT_FALSE(o.TxtSec.Enabled());
  Click(o.ChkStart);
  ASSERT_TRUE(o.TxtSec.Enabled());
  Event([&] { o.MoveFocus(&o.TxtSec); });
  EXPECT_EQ(o.TxtSec.Text(), "");
  for (const char* refused : {"", "soon", "90s", "s90", "1.5.2", "-"}) {
    Set([&](FrmOpt& w) { w.TxtSec.SetText(refused); });
    Event([&] { o.MoveFocus(&o.ChkFull); });
    EXPECT_EQ(o.Focused(), &o.TxtSec) << refused;
  }
  Set([](FrmOpt& w) { w.TxtSec.SetText("90"); });
  Event([&] { o.MoveFocus(&o.ChkFull); });
  EXPECT_EQ(o.Focused(), &o.ChkFull);
  EXPECT_EQ(o.TxtSec.Text(), "90");
  EXPECT_FALSE(o.TxtSec.Enabled());
  Click(o.ChkStart);
  EXPECT_EQ(o.TxtSec.Text(), "x seconds");
}

TEST_F(OptionsDialogTest, EachFindButtonOffersItsKindOfFileAndTakesTheChoice) {
  FrmOpt& o = Opt();
  Set([](FrmOpt& w) { w.OptAutoIni[2].SetValue(true); });
  struct Case {
    CommandButton& button;
    TextBox& box;
    const char* filter;
    std::string initialFolder;
  };
  const char* videos =
      "All Video files|*.avi;*.wmv;*.mpeg;*.mpg;*.asf;*.ogm|Avi files (*.avi)|*.avi|All files "
      "(*.*)|*.*";
  for (const Case& c :
       {Case{o.CmdAvi, o.TxtAviName, videos, ""},
        Case{o.CmdBSpath, o.TxtBSpath, "bplay.exe|bplay.exe", kPlayerPath},
        Case{o.CmdBSini, o.TxtBSini, "BSplayer's ini file (*.ini;*.bsi)|*.ini;*.bsi", ""}}) {
    SCOPED_TRACE(c.button.Name());
    if (&c.button == &o.CmdBSini) Set([](FrmOpt& w) { w.OptAutoIni[1].SetValue(true); });
    const std::string before = c.box.Text();
    Press(c.button);  // cancelled: the box keeps its text
    EXPECT_EQ(c.box.Text(), before);
    fake.dialogAnswers.push_back({"C:\\Chosen\\file", "file"});
    Press(c.button);
    EXPECT_EQ(c.box.Text(), "C:\\Chosen\\file");
    EXPECT_EQ(fake.dialogs.back().filter, c.filter);
    EXPECT_EQ(fake.dialogs.back().initialFolder, c.initialFolder);
  }
}

// Apply lights up at any change of what it applies; the start-time box's own check box, manual
// mode and Save leave it grey.
TEST_F(OptionsDialogTest, AnyChangeOfWhatApplyAppliesEnablesIt) {
  using O = OptionsWindowControls;
  std::vector<std::pair<std::function<void(FrmOpt&)>, bool>> changes;
  for (CheckBox O::*box : {&O::ChkBanner, &O::ChkVersion, &O::ChkEend, &O::ChkFull, &O::ChkPanScan,
                           &O::ChkSubsDisable, &O::ChkZorvikexit, &O::ChkSubs, &O::ChkSubPath,
                           &O::ChkSkin, &O::ChkStart, &O::ChkParbox, &O::ChkSave}) {
    const bool enables = box != &O::ChkStart && box != &O::ChkParbox && box != &O::ChkSave;
    changes.push_back({[box](FrmOpt& o) { (o.*box).UserClick(); }, enables});
  }
  for (TextBox O::*text : {&O::TxtAviName, &O::TxtBSini, &O::TxtBSpath, &O::TxtParam, &O::TxtSec,
                           &O::TxtSubPath, &O::TxtSubs})
    changes.push_back({[text](FrmOpt& o) { (o.*text).SetText("1"); }, true});
  changes.push_back({[](FrmOpt& o) { o.CmbAspect.SetListIndex(1); }, true});
  changes.push_back({[](FrmOpt& o) { o.CmbRes.SetListIndex(1); }, true});
  changes.push_back({[](FrmOpt& o) { o.OptAutoIni[2].UserClick(); }, true});
  for (size_t i = 0; i < changes.size(); ++i) {
    SCOPED_TRACE(i);
    Start();
    ASSERT_FALSE(Opt().CmdApply.Enabled());
    Set(changes[i].first);
    EXPECT_EQ(Opt().CmdApply.Enabled(), changes[i].second);
  }
}

TEST_F(OptionsDialogTest, TheSubtitleBoxesTakeTextOnlyWhileTheirBoxesAreChecked) {
  FrmOpt& o = Opt();
  for (const auto& [check, box] :
       {std::pair{&o.ChkSubs, &o.TxtSubs}, {&o.ChkSubPath, &o.TxtSubPath}}) {
    EXPECT_FALSE(box->Enabled());
    Click(*check);
    EXPECT_TRUE(box->Enabled());
    Click(*check);
    EXPECT_FALSE(box->Enabled());
  }
}

}  // namespace
}  // namespace zorvik::test
