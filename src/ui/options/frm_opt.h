// The options window: four tabbed pages whose controls are the live store of the user's
// settings, and OK, Cancel and Apply.
#pragma once

#include "core/form.h"

namespace zorvik {

class Launcher;

// The placeholder of the start-time box.
inline constexpr const char* kSecondsPlaceholder = "x seconds";
// A page out of sight.
inline constexpr Twips kOutOfSight = -20000;

class FrmOpt : public Form {
 public:
  explicit FrmOpt(Launcher& launcher);

  TabStrip tbsOptions{*this, "tbsOptions"};
  ControlArray<PictureBox> Picoptions{*this, "Picoptions", 4};
  CheckBox ChkSave{*this, "ChkSave"};
  CommandButton cmdOK{*this, "cmdOK"};
  CommandButton cmdCancel{*this, "cmdCancel"};
  CommandButton CmdApply{*this, "CmdApply"};
  CommonDialog CmdDlgAvi, CmdDlgBSini, CmdDlgBS, CmdDlgSkin;

  // Page 1: how the movie is found.
  Frame fraSample1{*this, "fraSample1"};
  Label LblAviName{*this, "LblAviName"};
  Label LblVideoName{*this, "LblVideoName"};
  ControlArray<OptionButton> OptAutoIni{*this, "OptAutoIni", 3};
  TextBox TxtAviName{*this, "TxtAviName"};
  CommandButton CmdAvi{*this, "CmdAvi"};
  Label LblBSIni{*this, "LblBSIni"};
  TextBox TxtBSini{*this, "TxtBSini"};
  CommandButton CmdBSini{*this, "CmdBSini"};
  Label LblAuto{*this, "LblAuto"};
  CommandButton CmdDefault{*this, "CmdDefault"};

  // Page 2: the player's command line.
  Frame fraSample2{*this, "fraSample2"};
  CheckBox ChkFull{*this, "ChkFull"};
  CheckBox ChkSubsDisable{*this, "ChkSubsDisable"};
  CheckBox ChkSkin{*this, "ChkSkin"};
  Label LblAspect{*this, "LblAspect"};
  CheckBox ChkEend{*this, "ChkEend"};
  ComboBox CmbAspect{*this, "CmbAspect"};
  CheckBox ChkPanScan{*this, "ChkPanScan"};
  Label LblRes{*this, "LblRes"};
  CheckBox ChkStart{*this, "ChkStart"};
  TextBox TxtSec{*this, "TxtSec"};
  ComboBox CmbRes{*this, "CmbRes"};
  TextBox TxtParam{*this, "TxtParam"};
  CheckBox ChkParbox{*this, "ChkParbox"};

  // Page 3: the launcher's behaviour.
  Frame FraSample3{*this, "FraSample3"};
  CheckBox ChkZorvikexit{*this, "ChkZorvikexit"};
  CheckBox ChkBanner{*this, "ChkBanner"};
  CheckBox ChkVersion{*this, "ChkVersion"};
  CheckBox ChkAPI{*this, "ChkAPI"};
  CheckBox ChkShutDown{*this, "ChkShutDown"};

  // Page 4: the player's path and subtitles.
  Frame fraSample4{*this, "fraSample4"};
  Label Lblpath{*this, "Lblpath"};
  TextBox TxtBSpath{*this, "TxtBSpath"};
  CommandButton CmdBSpath{*this, "CmdBSpath"};
  Label LblSubname{*this, "LblSubname"};
  CheckBox ChkSubs{*this, "ChkSubs"};
  TextBox TxtSubs{*this, "TxtSubs"};
  Label LblSubPath{*this, "LblSubPath"};
  CheckBox ChkSubPath{*this, "ChkSubPath"};
  TextBox TxtSubPath{*this, "TxtSubPath"};

  // Load, the common body of Apply and OK, the buttons and navigation.
  void Form_Load();
  void ApplyOptions();
  void CmdApply_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
  void CmdDefault_Click();
  void tbsOptions_Click();
  void Form_KeyDown(int keyCode, int shift);
  // The title bar's close box: the same as Cancel.
  void Form_QueryClose();

  // Reactions of the option controls.
  void OptAutoIni_Click(int index);
  void TxtAviName_Click();
  void TxtAviName_Change();
  void TxtBSini_Click();
  void CmdAvi_Click();
  void CmdBSini_Click();
  void CmdBSpath_Click();
  void ChkSkin_Click();
  void ChkStart_Click();
  void TxtSec_GotFocus();
  void TxtSec_Validate(bool& cancel);
  void TxtSec_LostFocus();
  void ChkSave_Click();
  void ChkSubs_Click();
  void ChkSubPath_Click();
  void ChkParbox_Click();
  void TxtParam_LostFocus();
  // The check boxes, lists and texts whose change only enables Apply.
  void EnableApply();

 private:
  void Layout();
  void BindHandlers();
  // After start-up, a load keeps the player's path and the movie that start-up found.
  void KeepWhatStartUpFound();
  void SetPathBoxActive(TextBox& box, CommandButton& button, bool active);
  // Shows a file-open dialog through the platform; false when nothing was chosen.
  bool ShowOpen(CommonDialog& dlg);
  void EnablePlay();
};

}  // namespace zorvik
