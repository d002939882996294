// The main window's menu commands for what Play plays and for the disc's programs.
#include "core/launcher.h"
#include "media/disc_programs.h"
#include "media/video_discovery.h"
#include "ui/main/frm_main.h"

namespace zorvik {

void FrmMain::ChooseTrailer(int n) {
  MainVideo.SetChecked(false);
  for (int k = 1; k <= 3; ++k)
    TrailerEntry(k).SetChecked(k == n);
  LblPlay.SetEnabled(true);
  ImgPlay[kIdleLook].SetEnabled(true);
}

void FrmMain::Trailer1_Click() {
  ChooseTrailer(1);
}
void FrmMain::Trailer2_Click() {
  ChooseTrailer(2);
}
void FrmMain::Trailer3_Click() {
  ChooseTrailer(3);
}

void FrmMain::MainVideo_Click() {
  MainVideo.SetChecked(true);
  for (int k = 1; k <= 3; ++k)
    TrailerEntry(k).SetChecked(false);
  ValidateVideoSelection(Owner());
}

void FrmMain::Readme_Click() {
  OpenReadme(Owner());
}

void FrmMain::BSplayer_Click() {
  RunInstaller(Owner(), Owner().Installer(InstallerId::BSplayer).InstallerPath);
}
void FrmMain::DivX502_Click() {
  RunInstaller(Owner(), Owner().Installer(InstallerId::DivX).InstallerPath);
}
void FrmMain::DivX502Pro_Click() {
  RunInstaller(Owner(), Owner().Installer(InstallerId::DivXPro).InstallerPath);
}
void FrmMain::FFdshow_Click() {
  RunInstaller(Owner(), Owner().Installer(InstallerId::FFdshow).InstallerPath);
}
void FrmMain::XviD_Click() {
  RunInstaller(Owner(), Owner().Installer(InstallerId::XviD).InstallerPath);
}
void FrmMain::Other1Name_Click() {
  RunInstaller(Owner(), Owner().Other1Path);
}
void FrmMain::Other2Name_Click() {
  RunInstaller(Owner(), Owner().Other2Path);
}

}  // namespace zorvik
