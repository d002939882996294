// The control model: events raised by code, mouse routing to windowless controls, menus, the
// timer, change tracking and window lifetime.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form.h"
#include "core/launcher.h"
#include "support/fake_platform.h"
#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"

namespace zorvik {
namespace {

// A small window: a frame holding two stacked images under a label, and three option buttons
// in a picture box.
class TestForm : public Form {
 public:
  explicit TestForm(Launcher& l) : Form(l, "TestForm") {
    SetZOrder(nullptr, {&Panel, &Group, &Back});
    SetZOrder(&Panel, {&Caption, &Top, &Bottom});
    SetZOrder(&Group, {&Opt[0], &Opt[1], &Opt[2]});
    Back.Move(0, 0, 5000, 5000);
    Panel.Move(1000, 1000, 2000, 2000);
    Caption.Move(100, 100, 500, 200);
    Top.Move(0, 0, 1000, 1000);
    Bottom.Move(0, 0, 1000, 1000);
    Group.Move(3000, 3000, 1000, 1000);
    for (Control* c : std::vector<Control*>{&Panel, &Caption, &Top, &Bottom, &Back}) {
      c->onMouseDown = [this, c](const MouseArgs&) { log.push_back("down " + c->DisplayName()); };
      c->onMouseUp = [this, c](const MouseArgs&) { log.push_back("up " + c->DisplayName()); };
      c->onMouseMove = [this, c](const MouseArgs&) { log.push_back("move " + c->DisplayName()); };
      c->onClick = [this, c] { log.push_back("click " + c->DisplayName()); };
    }
    onMouseMove = [this](const MouseArgs&) { log.push_back("move form"); };
    Opt.OnClick([this](int i) { log.push_back("click Opt(" + std::to_string(i) + ")"); });
    Check.onClick = [this] { log.push_back("click Check"); };
    Text.onChange = [this] { log.push_back("change Text"); };
    List.onClick = [this] { log.push_back("click List"); };
    Ok.SetDefault(true);
    Cancel.SetCancel(true);
    for (CommandButton* b : {&Ok, &Cancel, &Other}) {
      b->onClick = [this, b] { log.push_back("click " + b->Name()); };
    }
  }

  Frame Panel{*this, "Panel"};
  Label Caption{*this, "Caption"};
  Image Top{*this, "Top"};
  Image Bottom{*this, "Bottom"};
  Image Back{*this, "Back"};
  PictureBox Group{*this, "Group"};
  ControlArray<OptionButton> Opt{*this, "Opt", 3};
  CheckBox Check{*this, "Check"};
  TextBox Text{*this, "Text"};
  ComboBox List{*this, "List"};
  CommandButton Ok{*this, "Ok"};
  CommandButton Cancel{*this, "Cancel"};
  CommandButton Other{*this, "Other"};
  std::vector<std::string> log;
};

class ControlModelTest : public ::testing::Test {
 protected:
  test::FakePlatform fake;
  Launcher launcher{fake};
  TestForm form{launcher};
  std::vector<std::string>& log = form.log;
};

TEST_F(ControlModelTest, CodeChangesRaiseEventsOnlyWhenTheValueChanges) {
  form.Check.SetValue(kChecked);
  form.Check.SetValue(kChecked);
  form.Check.SetValue(kGrayed);
  form.Text.SetText("a");
  form.Text.SetText("a");
  form.List.SetListEntry(0, "x");
  form.List.SetListEntry(1, "y");
  // An index outside -1 (none) .. the last entry is refused.
  EXPECT_FALSE(form.List.SetListIndex(2) || form.List.SetListIndex(-2));
  EXPECT_TRUE(form.List.SetListIndex(1) && form.List.SetListIndex(1));
  EXPECT_EQ(log,
            (std::vector<std::string>{"click Check", "click Check", "change Text", "click List"}));
  EXPECT_EQ(form.List.Text(), "y");
  // A new text for the chosen entry is the list's text; entries past the end are refused.
  for (int i : {-1, 3, 0, 1})
    form.List.SetListEntry(i, "Y" + std::to_string(i));
  EXPECT_EQ(form.List.List(), (std::vector<std::string>{"Y0", "Y1"}));
  EXPECT_EQ(form.List.Text(), "Y1");
}

TEST_F(ControlModelTest, SelectingAnOptionClearsItsGroupAndRaisesOnlyItsClick) {
  form.Opt[0].SetValue(true);
  form.Opt[2].SetValue(true);
  form.Opt[2].SetValue(true);
  EXPECT_FALSE(form.Opt[0].Value());
  EXPECT_FALSE(form.Opt[1].Value());
  EXPECT_TRUE(form.Opt[2].Value());
  // Clearing from code raises nothing.
  form.Opt[2].SetValue(false);
  EXPECT_EQ(log, (std::vector<std::string>{"click Opt(0)", "click Opt(2)"}));
}

TEST_F(ControlModelTest, EventsGoToTheTopmostVisibleEnabledControl) {
  struct Case {
    const char* name;
    std::function<void(TestForm&)> arrange;
    Twips x, y;
    const char* expected;
  };
  // clang-format off
  const Case cases[] = {
      {"hidden image lets through", [](TestForm& f) { f.Top.SetVisible(false); }, 1800, 1800, "move Bottom"},
      {"disabled image lets through", [](TestForm& f) { f.Top.SetEnabled(false); }, 1800, 1800, "move Bottom"},
      {"nothing left: the container",
       [](TestForm& f) { f.Top.SetVisible(false); f.Bottom.SetEnabled(false); }, 1800, 1800, "move Panel"},
      {"disabled container lets through", [](TestForm& f) { f.Panel.SetEnabled(false); }, 2500, 2500, "move Back"},
  };
  // clang-format on
  for (const Case& c : cases) {
    test::FakePlatform fakeCase;
    Launcher l(fakeCase);
    TestForm f(l);
    c.arrange(f);
    f.MouseMove(0, c.x, c.y);
    ASSERT_EQ(f.log.size(), 1u) << c.name;
    EXPECT_EQ(f.log[0], c.expected) << c.name;
  }
}

// The first and last twip of each control both ways, and the twip beyond each of its sides.
TEST_F(ControlModelTest, AControlReceivesFromItsFirstTwipToItsLast) {
  struct Edge {
    Twips x, y;
    const char* hit;
  };
  // Top fills the panel's first 1000 twips from 1000; the caption over it spans 1100..1599 and
  // 1100..1299; the group 3000..3999 holds only empty option buttons; Back 0..4999.
  for (const Edge& e : {Edge{1000, 1000, "Top"}, {999, 1000, "Back"},   {1000, 999, "Back"},
                        {1999, 1999, "Top"},     {2000, 1999, "Panel"}, {1999, 2000, "Panel"},
                        {1100, 1100, "Caption"}, {1099, 1100, "Top"},   {1100, 1099, "Top"},
                        {1599, 1299, "Caption"}, {1600, 1299, "Top"},   {1599, 1300, "Top"},
                        {2999, 2999, "Panel"},   {3000, 2999, "Back"},  {2999, 3000, "Back"},
                        {3000, 3000, "Group"},   {3999, 3999, "Group"}, {4000, 3999, "Back"},
                        {3999, 4000, "Back"},    {0, 0, "Back"},        {4999, 4999, "Back"},
                        {-1, 0, "form"},         {0, -1, "form"},       {5000, 4999, "form"},
                        {4999, 5000, "form"}}) {
    const Control* c = form.HitTest(e.x, e.y);
    EXPECT_EQ(c ? c->DisplayName() : "form", e.hit) << e.x << "," << e.y;
  }
}

// After a press the pressed control gets the moves and the release; a release over it with the
// left button is also a Click.
TEST_F(ControlModelTest, ThePressedControlGetsMovesAndReleaseUntilLetGo) {
  form.MouseDown(MouseButton::Right, 0, 1800, 1800);
  form.MouseMove(0, 4500, 4500);
  form.MouseUp(MouseButton::Right, 0, 4500, 4500);
  form.MouseMove(0, 4500, 4500);
  for (const auto& [button, x] : {std::pair{MouseButton::Left, 1700},
                                  {MouseButton::Left, 4500},
                                  {MouseButton::Middle, 1800}}) {
    form.MouseDown(button, 0, 1800, 1800);
    form.MouseUp(button, 0, x, x);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"down Top", "move Top", "up Top", "move Back",
                                           "down Top", "up Top", "click Top", "down Top", "up Top",
                                           "down Top", "up Top"}));
}

TEST_F(ControlModelTest, MouseArgumentsAreRelativeToTheReceivingControl) {
  MouseArgs seen;
  form.Top.onMouseMove = [&](const MouseArgs& a) { seen = a; };
  form.MouseMove(0, 1250, 1400);
  EXPECT_EQ(std::pair(seen.x, seen.y), std::pair(250, 400));
}

TEST_F(ControlModelTest, MenuEntriesRunOnlyWhenThemselvesAndTheirParentsAreUsable) {
  MenuItem file(form, "File", "&File");
  MenuItem open(form, "Open", "Open", &file);
  int runs = 0;
  open.onClick = [&] { ++runs; };
  open.UserClick();
  file.SetEnabled(false);
  open.UserClick();
  file.SetEnabled(true);
  open.SetVisible(false);
  open.UserClick();
  EXPECT_EQ(runs, 1);
  ASSERT_EQ(form.MenuBar().size(), 1u);
  EXPECT_EQ(form.MenuBar()[0]->Children(), (std::vector<MenuItem*>{&open}));
}

TEST_F(ControlModelTest, TimerTicksOnlyWhileEnabledAndNeverAfterTheEnd) {
  Timer t(form, "T");
  int ticks = 0;
  t.onTimer = [&] { ++ticks; };
  t.SetEnabled(false);
  t.Tick();
  t.SetEnabled(true);
  t.Tick();
  launcher.EndNow();
  t.Tick();
  form.MouseMove(0, 1800, 1800);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(ControlModelTest, OnlyRealChangesAdvanceTheRevision) {
  const std::uint64_t before = form.Revision();
  form.Top.SetVisible(true);
  form.Top.SetLeft(0);
  EXPECT_EQ(form.Revision(), before);
  form.Top.SetLeft(10);
  EXPECT_GT(form.Revision(), before);
  EXPECT_EQ(form.Top.Revision(), form.Revision());
  EXPECT_LT(form.Bottom.Revision(), form.Top.Revision());
  // A value the user sees changes the revision as well, so the window is painted again.
  const auto changes = [&](const std::function<void()>& change) {
    const std::uint64_t was = form.Revision();
    change();
    return form.Revision() > was;
  };
  EXPECT_TRUE(changes([&] { form.Check.SetValue(kChecked); }));
  EXPECT_TRUE(changes([&] { form.Opt[1].SetValue(true); }));
  EXPECT_TRUE(changes([&] { form.Text.SetText("new"); }));
  EXPECT_TRUE(changes([&] { form.List.SetListEntry(0, "entry"); }));
  EXPECT_TRUE(changes([&] { form.Top.SetPicture({"A", 10, 10, {}}); }));
  EXPECT_TRUE(changes([&] { form.Top.SetPicture({"B", 10, 10, {}}); }));
  EXPECT_FALSE(changes([&] { form.Top.SetPicture({"B", 10, 10, {}}); }));
}

class Observer : public FormObserver {
 public:
  void MainLoaded(FrmMain& f) override { events.push_back("loaded " + f.Name()); }
  void OptLoaded(FrmOpt& f) override { events.push_back("loaded " + f.Name()); }
  void OptUnloaded(FrmOpt& f) override { events.push_back("unloaded " + f.Name()); }
  std::vector<std::string> events;
};

TEST_F(ControlModelTest, EnterPressesTheFocusedOrDefaultButtonAndEscapeTheCancelButton) {
  struct Case {
    const char* name;
    std::function<void(TestForm&)> setUp;
    bool enter;
    std::vector<std::string> log;
  };
  const auto keepFocus = [](TestForm& f) {
    f.MoveFocus(&f.Text);
    f.Text.onValidate = [](bool& cancel) { cancel = true; };
  };
  const Case cases[] = {
      {"Enter", [](TestForm&) {}, true, {"click Ok"}},
      // clang-format off
      {"Enter on another button", [](TestForm& f) { f.MoveFocus(&f.Other); }, true, {"click Other"}},
      // clang-format on
      {"Enter on a text box", [](TestForm& f) { f.MoveFocus(&f.Text); }, true, {"click Ok"}},
      {"Enter, default disabled", [](TestForm& f) { f.Ok.SetEnabled(false); }, true, {}},
      {"Enter, default hidden", [](TestForm& f) { f.Ok.SetVisible(false); }, true, {}},
      {"Enter, focus kept by Validate", keepFocus, true, {}},
      {"Escape", [](TestForm& f) { f.MoveFocus(&f.Other); }, false, {"click Cancel"}},
      {"Escape, focus kept by Validate", keepFocus, false, {"click Cancel"}},
      {"Escape, cancel disabled", [](TestForm& f) { f.Cancel.SetEnabled(false); }, false, {}},
      {"Escape, cancel hidden", [](TestForm& f) { f.Cancel.SetVisible(false); }, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestForm f{launcher};
    c.setUp(f);
    f.log.clear();
    c.enter ? f.PressEnter() : f.PressEscape();
    EXPECT_EQ(f.log, c.log);
    // Enter moves the focus to the button it presses, as a click would.
    if (c.enter && !c.log.empty()) {
      EXPECT_EQ(f.Focused()->Name(), c.log[0].substr(6));
    }
  }
  form.KeyDown(kKeyReturn, 0);  // a window without key handling takes keys and does nothing
  launcher.EndNow();
  form.PressEnter();
  form.PressEscape();
  EXPECT_TRUE(log.empty());
}

TEST_F(ControlModelTest, OptionsWindowIsMadeOnFirstAccessAndMadeAfreshAfterUnload) {
  Observer views;
  launcher.observer = &views;
  EXPECT_FALSE(launcher.OptLoaded());
  FrmOpt& first = launcher.Opt();
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(first.TxtParam.Text(), "-fs -eend");  // its load ran
  first.ChkFull.SetValue(kUnchecked);

  // Unloading from its own handler: the object outlives the handler, then a new one comes.
  launcher.Dispatch([&] {
    first.cmdCancel.RaiseClick();
    EXPECT_FALSE(launcher.OptLoaded());
    EXPECT_EQ(first.Name(), "frmOpt");
  });
  EXPECT_EQ(launcher.Opt().ChkFull.Value(), kChecked);
  EXPECT_EQ(views.events, (std::vector<std::string>{"loaded frmOpt", "loaded FrmMain",
                                                    "unloaded frmOpt", "loaded frmOpt"}));
}

}  // namespace
}  // namespace zorvik
