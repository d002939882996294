#include "forms/options_window_controls.h"

namespace zorvik {

OptionsWindowControls::OptionsWindowControls(Launcher& launcher) : Form(launcher, "frmOpt") {
  Layout();
}

void OptionsWindowControls::Layout() {
  SetCaption("Ρυθμίσεις");
  SetInnerSize(6465, 5055);
  SetBackColor(kPanelGrey);

  SetZOrder(nullptr, {&Picoptions[0], &Picoptions[1], &Picoptions[2], &Picoptions[3], &ChkSave,
                      &cmdOK, &cmdCancel, &CmdApply, &tbsOptions});
  SetZOrder(&Picoptions[0], {&fraSample1});
  SetZOrder(&Picoptions[1], {&fraSample2});
  SetZOrder(&Picoptions[2], {&FraSample3});
  SetZOrder(&Picoptions[3], {&fraSample4});
  SetZOrder(&fraSample1, {&LblAviName, &LblVideoName, &TxtAviName, &OptAutoIni[kTypedPath], &CmdAvi,
                          &LblBSIni, &TxtBSini, &OptAutoIni[kIniFile], &CmdBSini, &LblAuto,
                          &OptAutoIni[kAutoDetect], &CmdDefault});
  SetZOrder(&fraSample2,
            {&ChkFull, &ChkSubsDisable, &ChkSkin, &LblAspect, &ChkEend, &CmbAspect, &ChkPanScan,
             &LblRes, &ChkStart, &TxtSec, &CmbRes, &TxtParam, &ChkParbox});
  SetZOrder(&FraSample3, {&ChkZorvikexit, &ChkBanner, &ChkVersion, &ChkAPI, &ChkShutDown});
  SetZOrder(&fraSample4, {&Lblpath, &TxtBSpath, &CmdBSpath, &LblSubname, &TxtSubs, &ChkSubs,
                          &LblSubPath, &TxtSubPath, &ChkSubPath});

  // The tab strip fills the window's inner area, no more, so that its border shows all round.
  tbsOptions.Move(0, 0, 6465, 5055);
  tbsOptions.AddTab("", "VideoDetection");
  tbsOptions.AddTab("", "CommandLine");
  tbsOptions.AddTab("", "Launcher");
  tbsOptions.AddTab("", "Other");
  Picoptions[0].Move(120, 360, 6135, 4140);
  Picoptions[1].Move(kOutOfSight, 360, 6255, 4155);
  Picoptions[2].Move(kOutOfSight, 480, 6285, 4020);
  Picoptions[3].Move(kOutOfSight, 480, 6255, 3975);
  fraSample1.Move(120, 120, 6015, 3855);
  fraSample2.Move(120, 120, 6015, 3825);
  FraSample3.Move(120, 0, 6135, 3975);
  fraSample4.Move(120, 0, 6015, 3945);

  ChkSave.Move(240, 4440, 2535, 495);
  cmdOK.Move(2880, 4560, 1095, 375);
  cmdOK.SetCaption("OK");
  cmdOK.SetDefault(true);
  cmdCancel.Move(4080, 4560, 1095, 375);
  cmdCancel.SetCancel(true);
  CmdApply.Move(5280, 4560, 1095, 375);

  LblAviName.Move(120, 360, 5775, 375);
  LblVideoName.Move(120, 960, 5655, 255);
  OptAutoIni[kTypedPath].Move(120, 1200, 4815, 375);
  TxtAviName.Move(480, 1200, 4455, 375);
  CmdAvi.Move(5160, 1200, 735, 375);
  LblBSIni.Move(120, 1800, 5775, 615);
  OptAutoIni[kIniFile].Move(120, 2520, 4815, 375);
  TxtBSini.Move(480, 2520, 4455, 405);
  TxtBSini.SetCaption("Type or find the BSplayer's .ini or .bsi file, in order to use it.");
  CmdBSini.Move(5160, 2520, 735, 375);
  LblAuto.Move(120, 3120, 4575, 255);
  OptAutoIni[kAutoDetect].Move(120, 3360, 3855, 375);
  CmdDefault.Move(4440, 3360, 1455, 375);
  CmdAvi.SetCaption(". . .");
  CmdBSini.SetCaption(". . .");

  ChkFull.Move(240, 480, 1695, 375);
  ChkSubsDisable.Move(3120, 480, 2775, 375);
  ChkSkin.Move(240, 960, 1935, 375);
  ChkSkin.SetCaption("Change Skin");
  LblAspect.Move(3000, 1080, 2775, 375);
  ChkEend.Move(240, 1440, 2415, 375);
  CmbAspect.Move(3480, 1440, 1455, 315);
  ChkPanScan.Move(240, 1920, 1335, 375);
  ChkPanScan.SetCaption("Pan-scan");
  LblRes.Move(3000, 2040, 2895, 375);
  // Up to the start-time box beside it, whose border shows whole.
  ChkStart.Move(240, 2400, 1440, 375);
  // Wide enough for its "x seconds" in the dialog font, which the design's 855 was not.
  TxtSec.Move(1680, 2400, 1095, 375);
  TxtSec.SetCaption(kSecondsPlaceholder);
  CmbRes.Move(3480, 2400, 1455, 315);
  TxtParam.Move(240, 3240, 3495, 375);
  TxtParam.SetEnabled(false);
  TxtParam.SetBackColor(kSilver);
  ChkParbox.Move(3960, 3240, 1935, 375);
  ChkParbox.SetCaption("Χειροκίνητη αλλαγή παραμέτρων.");

  ChkZorvikexit.Move(240, 720, 4455, 255);
  ChkBanner.Move(240, 1320, 5415, 255);
  ChkVersion.Move(240, 1920, 4575, 255);
  ChkAPI.Move(240, 2520, 4215, 255);
  ChkAPI.SetCaption("Use BSplayer's API for launching");
  ChkShutDown.Move(240, 3120, 3615, 255);
  ChkShutDown.SetCaption("Shutdown Windows when video finishes.");

  Lblpath.Move(240, 480, 5655, 495);
  TxtBSpath.Move(240, 960, 3735, 405);
  TxtBSpath.SetEnabled(false);
  CmdBSpath.Move(4320, 960, 1455, 375);
  LblSubname.Move(240, 1920, 5535, 375);
  ChkSubs.Move(240, 2400, 255, 255);
  TxtSubs.Move(600, 2400, 2655, 375);
  TxtSubs.SetCaption("161;Arial;24;1;16777215");
  TxtSubs.SetBackColor(kSilver);
  LblSubPath.Move(240, 3000, 5655, 255);
  ChkSubPath.Move(240, 3480, 255, 255);
  TxtSubPath.Move(600, 3360, 4815, 375);
  TxtSubPath.SetCaption("(None)");
  TxtSubPath.SetBackColor(kSilver);

  // Everything on the dialog shares its grey, except the boxes one types or picks in.
  for (Control* c : Controls()) {
    switch (c->Kind()) {
      case ControlKind::TextBox:
      case ControlKind::ComboBox:
      case ControlKind::Timer:
        break;
      default:
        c->SetBackColor(kPanelGrey);
    }
  }

  // The design's values, set before any handler is bound.
  ChkSave.SetValue(kChecked);
  OptAutoIni[kAutoDetect].SetValue(true);
}

}  // namespace zorvik
