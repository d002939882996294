// The picture buttons: stacks of images whose visibility makes the idle, hovered and pressed
// looks, and the actions of their releases.
#include "core/launcher.h"
#include "media/disc_programs.h"
#include "media/video_launch.h"
#include "ui/main/frm_main.h"

namespace zorvik {

void FrmMain::ResetButtonImages() {
  for (Image* img : {&ImgPlay[1], &ImgExit[1], &ImgExplore[1], &ImgPlay[0], &ImgExit[0],
                     &ImgExplore[0], &ImgPlayIcon[1], &ImgHelp[1], &ImgCancel[1]}) {
    img->SetVisible(false);
  }
}

void FrmMain::Form_MouseMove(const MouseArgs&) {
  ResetButtonImages();
}
void FrmMain::MainPic_MouseMove(const MouseArgs&) {
  ResetButtonImages();
}
void FrmMain::FrmMenu_MouseMove(const MouseArgs&) {
  ResetButtonImages();
}

void FrmMain::ImgPlay_MouseMove(int, const MouseArgs&) {
  ImgExit[1].SetVisible(false);
  ImgExplore[1].SetVisible(false);
  ImgPlay[1].SetVisible(true);
  ImgPlayIcon[1].SetVisible(true);
}

void FrmMain::ImgExplore_MouseMove(int, const MouseArgs&) {
  ImgExplore[1].SetVisible(true);
  ImgPlay[1].SetVisible(false);
  ImgExit[1].SetVisible(false);
}

void FrmMain::ImgExit_MouseMove(int, const MouseArgs&) {
  ImgExit[1].SetVisible(true);
  ImgPlay[1].SetVisible(false);
  ImgExplore[1].SetVisible(false);
  ImgCancel[1].SetVisible(true);
}

void FrmMain::ImgHelp_MouseMove(int, const MouseArgs&) {
  ImgHelp[1].SetVisible(true);
}

void FrmMain::ImgPlay_MouseDown(int, const MouseArgs&) {
  ImgPlay[0].SetVisible(true);
}
void FrmMain::LblPlay_MouseDown(const MouseArgs&) {
  ImgPlay[0].SetVisible(true);
}
void FrmMain::ImgPlayIcon_MouseDown(int, const MouseArgs&) {
  ImgPlay[0].SetVisible(true);
}
void FrmMain::ImgPlay_MouseUp(int, const MouseArgs&) {
  LaunchVideo(Owner());
}
void FrmMain::LblPlay_MouseUp(const MouseArgs&) {
  LaunchVideo(Owner());
}
void FrmMain::ImgPlayIcon_MouseUp(int, const MouseArgs&) {
  LaunchVideo(Owner());
}

void FrmMain::ImgExplore_MouseDown(int, const MouseArgs&) {
  ImgExplore[0].SetVisible(true);
}
void FrmMain::LblExplore_MouseDown(const MouseArgs&) {
  ImgExplore[0].SetVisible(true);
}
void FrmMain::ImgExplore_MouseUp(int, const MouseArgs&) {
  ExploreDisc(Owner());
}
void FrmMain::LblExplore_MouseUp(const MouseArgs&) {
  ExploreDisc(Owner());
}

void FrmMain::ImgExit_MouseDown(int, const MouseArgs&) {
  ImgExit[0].SetVisible(true);
}
void FrmMain::LblExit_MouseDown(const MouseArgs&) {
  ImgExit[0].SetVisible(true);
}
void FrmMain::ImgCancel_MouseDown(int, const MouseArgs&) {
  ImgExit[0].SetVisible(true);
}
void FrmMain::ImgExit_MouseUp(int, const MouseArgs&) {
  Owner().EndNow();
}
void FrmMain::LblExit_MouseUp(const MouseArgs&) {
  Owner().EndNow();
}
void FrmMain::ImgCancel_MouseUp(int, const MouseArgs&) {
  Owner().EndNow();
}

}  // namespace zorvik
