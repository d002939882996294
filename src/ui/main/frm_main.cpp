#include "ui/main/frm_main.h"

#include "core/launcher.h"
#include "forms/language.h"
#include "media/player.h"
#include "media/prerequisites.h"
#include "media/video_discovery.h"
#include "persistence/settings_file.h"
#include "ui/main/cover_banner.h"
#include "ui/options/frm_opt.h"

namespace zorvik {

FrmMain::FrmMain(Launcher& launcher) : MainWindowControls(launcher) {
  BindHandlers();
}

void FrmMain::BindHandlers() {
  onMouseMove = [this](const MouseArgs& a) { Form_MouseMove(a); };
  onKeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
  MainPic.onMouseMove = [this](const MouseArgs& a) { MainPic_MouseMove(a); };
  FrmMenu.onMouseMove = [this](const MouseArgs& a) { FrmMenu_MouseMove(a); };
  ImgPlay.OnMouseMove([this](int i, const MouseArgs& a) { ImgPlay_MouseMove(i, a); });
  ImgExplore.OnMouseMove([this](int i, const MouseArgs& a) { ImgExplore_MouseMove(i, a); });
  ImgExit.OnMouseMove([this](int i, const MouseArgs& a) { ImgExit_MouseMove(i, a); });
  ImgHelp.OnMouseMove([this](int i, const MouseArgs& a) { ImgHelp_MouseMove(i, a); });

  ImgPlay.OnMouseDown([this](int i, const MouseArgs& a) { ImgPlay_MouseDown(i, a); });
  ImgPlay.OnMouseUp([this](int i, const MouseArgs& a) { ImgPlay_MouseUp(i, a); });
  LblPlay.onMouseDown = [this](const MouseArgs& a) { LblPlay_MouseDown(a); };
  LblPlay.onMouseUp = [this](const MouseArgs& a) { LblPlay_MouseUp(a); };
  ImgPlayIcon.OnMouseDown([this](int i, const MouseArgs& a) { ImgPlayIcon_MouseDown(i, a); });
  ImgPlayIcon.OnMouseUp([this](int i, const MouseArgs& a) { ImgPlayIcon_MouseUp(i, a); });

  ImgExplore.OnMouseDown([this](int i, const MouseArgs& a) { ImgExplore_MouseDown(i, a); });
  ImgExplore.OnMouseUp([this](int i, const MouseArgs& a) { ImgExplore_MouseUp(i, a); });
  LblExplore.onMouseDown = [this](const MouseArgs& a) { LblExplore_MouseDown(a); };
  LblExplore.onMouseUp = [this](const MouseArgs& a) { LblExplore_MouseUp(a); };

  ImgExit.OnMouseDown([this](int i, const MouseArgs& a) { ImgExit_MouseDown(i, a); });
  ImgExit.OnMouseUp([this](int i, const MouseArgs& a) { ImgExit_MouseUp(i, a); });
  LblExit.onMouseDown = [this](const MouseArgs& a) { LblExit_MouseDown(a); };
  LblExit.onMouseUp = [this](const MouseArgs& a) { LblExit_MouseUp(a); };
  ImgCancel.OnMouseDown([this](int i, const MouseArgs& a) { ImgCancel_MouseDown(i, a); });
  ImgCancel.OnMouseUp([this](int i, const MouseArgs& a) { ImgCancel_MouseUp(i, a); });

  ImgShow.OnClick([this](int i) { ImgShow_Click(i); });
  ImgHelp.OnClick([this](int i) { ImgHelp_Click(i); });
  Timer1.onTimer = [this] { Timer1_Timer(); };

  General.onClick = [this] { General_Click(); };
  English.onClick = [this] { English_Click(); };
  Greek.onClick = [this] { Greek_Click(); };
  MainVideo.onClick = [this] { MainVideo_Click(); };
  Trailer1.onClick = [this] { Trailer1_Click(); };
  Trailer2.onClick = [this] { Trailer2_Click(); };
  Trailer3.onClick = [this] { Trailer3_Click(); };
  Readme.onClick = [this] { Readme_Click(); };
  BSplayer.onClick = [this] { BSplayer_Click(); };
  Other1Name.onClick = [this] { Other1Name_Click(); };
  Other2Name.onClick = [this] { Other2Name_Click(); };
  DivX502.onClick = [this] { DivX502_Click(); };
  DivX502Pro.onClick = [this] { DivX502Pro_Click(); };
  FFdshow.onClick = [this] { FFdshow_Click(); };
  XviD.onClick = [this] { XviD_Click(); };
}

void FrmMain::Form_Load() {
  Launcher& l = Owner();
  Platform& p = l.platform;

  for (int k = 0; k < 3; ++k)
    ImgExplore[k].SetPicture(ImgPlay[k].GetPicture());
  for (int k = 0; k < 3; ++k)
    ImgExit[k].SetPicture(ImgPlay[k].GetPicture());
  ImgShow[kShowHandle].SetVisible(true);
  ResetButtonImages();

  l.GreekLanguage = false;
  l.RegistryError = false;
  l.Trailer1Path.clear();
  l.Trailer2Path.clear();
  l.Trailer3Path.clear();
  Trailer1.SetVisible(false);
  Trailer2.SetVisible(false);
  Trailer3.SetVisible(false);
  l.Installer(InstallerId::BSplayer) = {"DivX players\\BSplayer\\BSplay_installer.exe", "BSplayer"};
  l.Installer(InstallerId::XviD) = {"codecs\\xvid_installer.exe", "XviD codec"};
  l.Installer(InstallerId::DivX) = {"codecs\\DivX_codec.exe", "DivX codec"};
  l.Installer(InstallerId::DivXPro) = {"codecs\\DivX_Pro_Adware_codec.exe", "DivX Pro codec"};
  l.Installer(InstallerId::FFdshow) = {"codecs\\FFdshow_filter.exe", "FFdshow filter"};
  l.Other1Path.clear();
  l.Other2Path.clear();
  Other1Name.SetVisible(false);
  Other2Name.SetVisible(false);

  LoadSettings(l);
  ApplyLanguage(l);

  // The Programs menu offers only the installers the disc carries.
  struct Entry {
    MenuItem& menu;
    InstallerId id;
  };
  const Entry entries[] = {{BSplayer, InstallerId::BSplayer},
                           {FFdshow, InstallerId::FFdshow},
                           {XviD, InstallerId::XviD},
                           {DivX502, InstallerId::DivX},
                           {DivX502Pro, InstallerId::DivXPro}};
  bool exists[std::size(entries)];
  bool any = false;
  for (size_t i = 0; i < std::size(entries); ++i) {
    exists[i] = p.FileExists(l.Installer(entries[i].id).InstallerPath);
    any = any || exists[i];
  }
  if (!any) {
    Programs.SetEnabled(false);
  } else {
    for (size_t i = 0; i < std::size(entries); ++i) {
      if (!exists[i]) entries[i].menu.SetVisible(false);
    }
  }

  if (l.Opt().OptAutoIni[kAutoDetect].Value()) AutoDetectVideo(l);
  DetectPrerequisites(l);
  ValidateVideoSelection(l);
  FindCover(l);
  CheckPlayerVersion(l);
  if (p.FileExists("More\\help.chm")) l.HelpFile = "More\\help.chm";
  l.Opt().CmdApply.SetEnabled(false);
}

void FrmMain::Timer1_Timer() {
  Owner().EndNow();
}

void FrmMain::Form_QueryClose() {
  Owner().EndNow();
}

void FrmMain::ImgHelp_Click(int) {
  Launcher& l = Owner();
  const std::string version = "Version: " + std::to_string(kVersionMajor) + "." +
                              std::to_string(kVersionMinor) + "." +
                              std::to_string(kVersionRevision);
  l.MsgBox(version + "\r\nDate: 20 / 9 / 03", kMbInformation | kMbHelp);
}

void FrmMain::General_Click() {
  Launcher& l = Owner();
  FrmOpt& opt = l.Opt();
  opt.Show();
  l.platform.ShowModal(opt);
}

void FrmMain::English_Click() {
  Owner().GreekLanguage = false;
  ApplyLanguage(Owner());
}

void FrmMain::Greek_Click() {
  Owner().GreekLanguage = true;
  ApplyLanguage(Owner());
}

}  // namespace zorvik
