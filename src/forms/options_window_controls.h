// The options window's controls as data: four tabbed pages whose controls are the live store of
// the user's settings, and OK, Cancel and Apply, with their places and first values. What they
// do is the window's behaviour (ui/options/frm_opt.h).
#pragma once

#include "core/form.h"

namespace zorvik {

class Launcher;

// The placeholder of the start-time box.
inline constexpr const char* kSecondsPlaceholder = "x seconds";
// A page out of sight.
inline constexpr Twips kOutOfSight = -20000;

// The three ways of finding the movie, the indexes of OptAutoIni.
enum FindMethod : int { kAutoDetect = 0, kIniFile = 1, kTypedPath = 2 };

class OptionsWindowControls : public Form {
 public:
  explicit OptionsWindowControls(Launcher& launcher);

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

 private:
  void Layout();
};

}  // namespace zorvik
