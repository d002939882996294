#include "ui/options/frm_opt.h"

#include "core/launcher.h"
#include "forms/language.h"
#include "media/player.h"
#include "media/video_discovery.h"
#include "persistence/player_registry.h"
#include "persistence/settings_file.h"
#include "persistence/settings_table.h"
#include "ui/main/frm_main.h"
#include "ui/options/command_line.h"

namespace zorvik {

FrmOpt::FrmOpt(Launcher& launcher) : OptionsWindowControls(launcher) {
  BindHandlers();
}

void FrmOpt::BindHandlers() {
  onKeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
  tbsOptions.onClick = [this] { tbsOptions_Click(); };
  CmdApply.onClick = [this] { CmdApply_Click(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
  CmdDefault.onClick = [this] { CmdDefault_Click(); };

  OptAutoIni.OnClick([this](int i) { OptAutoIni_Click(i); });
  TxtAviName.onClick = [this] { TxtAviName_Click(); };
  TxtAviName.onChange = [this] { TxtAviName_Change(); };
  TxtBSini.onClick = [this] { TxtBSini_Click(); };
  CmdAvi.onClick = [this] { CmdAvi_Click(); };
  CmdBSini.onClick = [this] { CmdBSini_Click(); };
  CmdBSpath.onClick = [this] { CmdBSpath_Click(); };
  ChkSkin.onClick = [this] { ChkSkin_Click(); };
  ChkStart.onClick = [this] { ChkStart_Click(); };
  TxtSec.onGotFocus = [this] { TxtSec_GotFocus(); };
  TxtSec.onValidate = [this](bool& cancel) { TxtSec_Validate(cancel); };
  TxtSec.onLostFocus = [this] { TxtSec_LostFocus(); };
  ChkSave.onClick = [this] { ChkSave_Click(); };
  ChkSubs.onClick = [this] { ChkSubs_Click(); };
  ChkSubPath.onClick = [this] { ChkSubPath_Click(); };
  ChkParbox.onClick = [this] { ChkParbox_Click(); };
  TxtParam.onLostFocus = [this] { TxtParam_LostFocus(); };

  for (CheckBox* c : {&ChkBanner, &ChkVersion, &ChkEend, &ChkFull, &ChkPanScan, &ChkSubsDisable,
                      &ChkZorvikexit}) {
    c->onClick = [this] { EnableApply(); };
  }
  for (ComboBox* c : {&CmbAspect, &CmbRes})
    c->onClick = [this] { EnableApply(); };
  for (TextBox* t : {&TxtBSini, &TxtBSpath, &TxtParam, &TxtSec, &TxtSubPath, &TxtSubs}) {
    t->onChange = [this] { EnableApply(); };
  }
}

void FrmOpt::Form_Load() {
  Launcher& l = Owner();
  ApplyLanguage(l);
  ReadSubStyle(l);
  ReadSubDir(l);

  for (size_t i = 0; i < kResolutions.size(); ++i)
    CmbRes.SetListEntry(static_cast<int>(i), kResolutions[i]);
  for (size_t i = 0; i < kAspectRatios.size(); ++i)
    CmbAspect.SetListEntry(static_cast<int>(i), kAspectRatios[i]);

  if (!(l.platform.FileExists(kSettingsReadPath) && LoadSettings(l))) {
    SetFactorySettings(*this, l.TextDefault);
    TxtSec.SetEnabled(false);
    ChkSave.SetValue(kChecked);
  }

  if (OptAutoIni[kAutoDetect].Value()) {
    for (TextBox* t : {&TxtBSini, &TxtAviName}) {
      t->SetForeColor(SystemColor(syscolor::kGrayText));
      t->SetBackColor(kSilver);
    }
    CmdAvi.SetEnabled(false);
    CmdBSini.SetEnabled(false);
  }
  if (ChkSubs.Value() == kUnchecked) TxtSubs.SetEnabled(false);
  if (ChkSubPath.Value() == kUnchecked) TxtSubPath.SetEnabled(false);
  if (ChkStart.Value() == kUnchecked) TxtSec.SetEnabled(false);
  if (!IsNoSkinCaption(ChkSkin.Caption())) ChkSkin.SetValue(kChecked);
  if (l.Started()) KeepWhatStartUpFound();
  CmdApply.SetEnabled(false);
  ChkShutDown.SetEnabled(false);
  ChkAPI.SetEnabled(false);
}

// The settings file and the defaults can't know this computer's player or the movie beside the
// launcher, so a reload would lose them and Play would start nothing.
void FrmOpt::KeepWhatStartUpFound() {
  Launcher& l = Owner();
  if (TxtBSpath.Text().empty()) TxtBSpath.SetText(l.PlayerPathFound);
  if (!OptAutoIni[kAutoDetect].Value()) return;
  // Finding the movie again is no choice of the user's: Play stays as it was.
  FrmMain& m = l.Main();
  const bool image = m.ImgPlay[kIdleLook].Enabled();
  const bool label = m.LblPlay.Enabled();
  AutoDetectVideo(l);
  m.ImgPlay[kIdleLook].SetEnabled(image);
  m.LblPlay.SetEnabled(label);
}

void FrmOpt::ApplyOptions() {
  Launcher& l = Owner();
  BuildCommandLine(l);
  if (ChkSave.Value() == kChecked) SaveSettings(l);
  if (OptAutoIni[kAutoDetect].Value()) AutoDetectVideo(l);
  ValidateVideoSelection(l);
  if (ChkVersion.Value() == kChecked) CheckPlayerVersion(l);
  if (ChkSubs.Value() == kChecked) WriteSubStyle(l);
  if (ChkSubPath.Value() == kChecked) WriteSubDir(l);
}

void FrmOpt::CmdApply_Click() {
  ApplyOptions();
  CmdApply.SetEnabled(false);
}

void FrmOpt::cmdOK_Click() {
  ApplyOptions();
  Hide();
}

void FrmOpt::cmdCancel_Click() {
  Owner().UnloadOpt();
}

void FrmOpt::Form_QueryClose() {
  Owner().UnloadOpt();
}

void FrmOpt::CmdDefault_Click() {
  Form_Load();
}

void FrmOpt::tbsOptions_Click() {
  const int selected = tbsOptions.SelectedIndex();
  for (int n = 1; n <= static_cast<int>(tbsOptions.Tabs().size()); ++n) {
    PictureBox& page = Picoptions[n - 1];
    page.SetLeft(n == selected ? 120 : kOutOfSight);
    page.SetEnabled(n == selected);
  }
  FocusShownPage();
}

// The focus moves to the first control of the page now shown that takes it; left on a hidden
// page, it would let typing change a box nobody sees. When the focused box's Validate keeps the
// focus, the page that holds it comes back instead.
void FrmOpt::FocusShownPage() {
  const int selected = tbsOptions.SelectedIndex();
  const int count = static_cast<int>(tbsOptions.Tabs().size());
  if (selected < 1 || selected > count) return;
  const auto pageOf = [this, count](const Control* c) {
    for (; c; c = c->Container()) {
      for (int n = 1; n <= count; ++n) {
        if (c == &Picoptions[n - 1]) return n;
      }
    }
    return 0;
  };
  if (pageOf(Focused()) == selected) return;
  Control* first = FirstFocusable(&Picoptions[selected - 1]);
  if (!first || MoveFocus(first)) return;
  if (const int kept = pageOf(Focused())) tbsOptions.Select(kept);
}

void FrmOpt::Form_KeyDown(int keyCode, int shift) {
  if (keyCode != kKeyTab || shift != kCtrlMask) return;
  const int count = static_cast<int>(tbsOptions.Tabs().size());
  tbsOptions.Select(tbsOptions.SelectedIndex() % count + 1);
}

}  // namespace zorvik
