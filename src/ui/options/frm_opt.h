// The options window's behaviour: loading, applying and saving the settings its controls hold,
// and the reactions of its controls.
#pragma once

#include "forms/options_window_controls.h"

namespace zorvik {

class Launcher;

class FrmOpt : public OptionsWindowControls {
 public:
  explicit FrmOpt(Launcher& launcher);

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
  void BindHandlers();
  // After start-up, a load keeps the player's path and the movie that start-up found.
  void KeepWhatStartUpFound();
  void SetPathBoxActive(TextBox& box, CommandButton& button, bool active);
  // Shows a file-open dialog through the platform; false when nothing was chosen.
  bool ShowOpen(CommonDialog& dlg);
  void EnablePlay();
  // Keys act on what the eye sees: the focus goes onto the page shown.
  void FocusShownPage();
};

}  // namespace zorvik
