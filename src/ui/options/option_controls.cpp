// How the option controls react to a change, by the user or by code.
#include "core/launcher.h"
#include "forms/language.h"
#include "ui/main/frm_main.h"
#include "ui/options/command_line.h"
#include "ui/options/frm_opt.h"

namespace zorvik {

namespace {

const char* kVideoFilter =
    "All Video files|*.avi;*.wmv;*.mpeg;*.mpg;*.asf;*.ogm|Avi files (*.avi)|*.avi|All files "
    "(*.*)|*.*";
const char* kIniFilter = "BSplayer's ini file (*.ini;*.bsi)|*.ini;*.bsi";
const char* kPlayerFilter = "bplay.exe|bplay.exe";
const char* kSkinFilter = "BSplayer Skin(*.bsz)|*.bsz";

}  // namespace

void FrmOpt::EnableApply() {
  CmdApply.SetEnabled(true);
}

void FrmOpt::EnablePlay() {
  FrmMain& main = Owner().Main();
  main.ImgPlay[kIdleLook].SetEnabled(true);
  main.LblPlay.SetEnabled(true);
}

void FrmOpt::SetPathBoxActive(TextBox& box, CommandButton& button, bool active) {
  box.SetBackColor(active ? SystemColor(syscolor::k3DHighlight) : kSilver);
  box.SetForeColor(SystemColor(active ? syscolor::kButtonText : syscolor::kGrayText));
  button.SetEnabled(active);
}

bool FrmOpt::ShowOpen(CommonDialog& dlg) {
  const FileDialogResult r = Owner().platform.OpenFileDialog(dlg.Filter, dlg.InitDir);
  dlg.FileName = r.fileName;
  dlg.FileTitle = r.fileTitle;
  return !dlg.FileName.empty();
}

void FrmOpt::OptAutoIni_Click(int) {
  EnableApply();
  OptAutoIni[kAutoDetect].SetCaption(AutoDetectCaption(Owner()));
  SetPathBoxActive(TxtAviName, CmdAvi, OptAutoIni[kTypedPath].Value());
  SetPathBoxActive(TxtBSini, CmdBSini, OptAutoIni[kIniFile].Value());
}

void FrmOpt::TxtAviName_Click() {
  OptAutoIni[kTypedPath].SetValue(true);
}

void FrmOpt::TxtAviName_Change() {
  EnableApply();
  EnablePlay();
}

void FrmOpt::TxtBSini_Click() {
  EnableApply();
  EnablePlay();
  OptAutoIni[kIniFile].SetValue(true);
  TxtBSini.SetText(Owner().TextDefault);
}

void FrmOpt::CmdAvi_Click() {
  CmdDlgAvi.Filter = kVideoFilter;
  if (ShowOpen(CmdDlgAvi)) TxtAviName.SetText(CmdDlgAvi.FileName);
}

void FrmOpt::CmdBSini_Click() {
  CmdDlgBSini.Filter = kIniFilter;
  if (ShowOpen(CmdDlgBSini)) TxtBSini.SetText(CmdDlgBSini.FileName);
}

void FrmOpt::CmdBSpath_Click() {
  CmdDlgBS.Filter = kPlayerFilter;
  CmdDlgBS.InitDir = TxtBSpath.Text();
  if (ShowOpen(CmdDlgBS)) TxtBSpath.SetText(CmdDlgBS.FileName);
}

void FrmOpt::ChkSkin_Click() {
  Launcher& l = Owner();
  if (IsNoSkinCaption(ChkSkin.Caption()) && ChkSkin.Value() == kChecked) {
    CmdDlgSkin.Filter = kSkinFilter;
    CmdDlgSkin.InitDir = TxtBSpath.Text();
    const std::string name = ShowOpen(CmdDlgSkin) ? SkinName(CmdDlgSkin.FileTitle) : "";
    if (!name.empty()) {
      ChkSkin.SetCaption(name);
    } else {
      ChkSkin.SetValue(kUnchecked);
      ChkSkin.SetCaption(l.TextChangeSkin);
    }
  }
  if (ChkSkin.Value() == kUnchecked) ChkSkin.SetCaption(l.TextChangeSkin);
  EnableApply();
}

void FrmOpt::ChkStart_Click() {
  if (ChkStart.Value() == kChecked) {
    TxtSec.SetEnabled(true);
  } else if (ChkStart.Value() == kUnchecked) {
    TxtSec.SetText(kSecondsPlaceholder);
    TxtSec.SetEnabled(false);
  }
}

void FrmOpt::TxtSec_GotFocus() {
  if (TxtSec.Text().empty() || TxtSec.Text() == kSecondsPlaceholder) TxtSec.SetText("");
}

void FrmOpt::TxtSec_Validate(bool& cancel) {
  if (TxtSec.Text().empty() || !IsNumeric(TxtSec.Text())) cancel = true;
}

void FrmOpt::TxtSec_LostFocus() {
  if (TxtSec.Text().empty()) TxtSec.SetText(kSecondsPlaceholder);
  TxtSec.SetEnabled(false);
}

void FrmOpt::ChkSave_Click() {
  if (ChkSave.Value() != kUnchecked) {
    cmdOK.SetEnabled(true);
  } else {
    cmdOK.SetEnabled(false);
    CmdApply.SetEnabled(false);
  }
}

void FrmOpt::ChkSubs_Click() {
  TxtSubs.SetEnabled(ChkSubs.Value() == kChecked);
  EnableApply();
}

void FrmOpt::ChkSubPath_Click() {
  TxtSubPath.SetEnabled(ChkSubPath.Value() == kChecked);
  EnableApply();
}

void FrmOpt::ChkParbox_Click() {
  const bool manual = ChkParbox.Value() == kChecked;
  TxtParam.SetEnabled(manual);
  TxtParam.SetBackColor(manual ? SystemColor(syscolor::k3DHighlight) : kSilver);
  if (manual) MoveFocus(&TxtParam);
}

void FrmOpt::TxtParam_LostFocus() {
  TxtParam.SetBackColor(ChkParbox.Value() == kChecked ? SystemColor(syscolor::k3DHighlight)
                                                      : kSilver);
}

}  // namespace zorvik
