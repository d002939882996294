// The picture buttons: stacks of images whose visibility makes the idle, hovered and pressed
// looks, and the actions of their releases.
#include <iterator>

#include "core/launcher.h"
#include "media/disc_programs.h"
#include "media/video_launch.h"
#include "ui/main/frm_main.h"

namespace zorvik {

void FrmMain::ResetButtonImages() {
  for (Image* img : {&ImgPlay[kHoverLook], &ImgExit[kHoverLook], &ImgExplore[kHoverLook],
                     &ImgPlay[kPressedLook], &ImgExit[kPressedLook], &ImgExplore[kPressedLook],
                     &ImgPlayIcon[kHoverIcon], &ImgHelp[kHoverIcon], &ImgCancel[kHoverIcon]}) {
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
  ImgExit[kHoverLook].SetVisible(false);
  ImgExplore[kHoverLook].SetVisible(false);
  ImgPlay[kHoverLook].SetVisible(true);
  ImgPlayIcon[kHoverIcon].SetVisible(true);
}

void FrmMain::ImgExplore_MouseMove(int, const MouseArgs&) {
  ImgExplore[kHoverLook].SetVisible(true);
  ImgPlay[kHoverLook].SetVisible(false);
  ImgExit[kHoverLook].SetVisible(false);
}

void FrmMain::ImgExit_MouseMove(int, const MouseArgs&) {
  ImgExit[kHoverLook].SetVisible(true);
  ImgPlay[kHoverLook].SetVisible(false);
  ImgExplore[kHoverLook].SetVisible(false);
  ImgCancel[kHoverIcon].SetVisible(true);
}

void FrmMain::ImgHelp_MouseMove(int, const MouseArgs&) {
  ImgHelp[kHoverIcon].SetVisible(true);
}

void FrmMain::ImgPlay_MouseDown(int, const MouseArgs&) {
  FocusButton(PictureButton::Play);
  ImgPlay[kPressedLook].SetVisible(true);
}
void FrmMain::LblPlay_MouseDown(const MouseArgs&) {
  FocusButton(PictureButton::Play);
  ImgPlay[kPressedLook].SetVisible(true);
}
void FrmMain::ImgPlayIcon_MouseDown(int, const MouseArgs&) {
  FocusButton(PictureButton::Play);
  ImgPlay[kPressedLook].SetVisible(true);
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
  FocusButton(PictureButton::Explore);
  ImgExplore[kPressedLook].SetVisible(true);
}
void FrmMain::LblExplore_MouseDown(const MouseArgs&) {
  FocusButton(PictureButton::Explore);
  ImgExplore[kPressedLook].SetVisible(true);
}
void FrmMain::ImgExplore_MouseUp(int, const MouseArgs&) {
  ExploreDisc(Owner());
}
void FrmMain::LblExplore_MouseUp(const MouseArgs&) {
  ExploreDisc(Owner());
}

void FrmMain::ImgExit_MouseDown(int, const MouseArgs&) {
  FocusButton(PictureButton::Exit);
  ImgExit[kPressedLook].SetVisible(true);
}
void FrmMain::LblExit_MouseDown(const MouseArgs&) {
  FocusButton(PictureButton::Exit);
  ImgExit[kPressedLook].SetVisible(true);
}
void FrmMain::ImgCancel_MouseDown(int, const MouseArgs&) {
  FocusButton(PictureButton::Exit);
  ImgExit[kPressedLook].SetVisible(true);
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

PictureButton FrmMain::FocusedButton() const {
  if (focusedButton_ == PictureButton::Play && !ButtonEnabled(PictureButton::Play)) {
    return PictureButton::Explore;
  }
  return focusedButton_;
}

void FrmMain::FocusButton(PictureButton b) {
  if (b == focusedButton_ || !ButtonEnabled(b)) return;
  focusedButton_ = b;
  NextRevision();
}

bool FrmMain::ButtonEnabled(PictureButton b) const {
  return b != PictureButton::Play || ImgPlay[kIdleLook].Enabled();
}

const Label& FrmMain::ButtonLabel(PictureButton b) const {
  switch (b) {
    case PictureButton::Play:
      return LblPlay;
    case PictureButton::Explore:
      return LblExplore;
    default:
      return LblExit;
  }
}

const Image& FrmMain::ButtonImage(PictureButton b) const {
  switch (b) {
    case PictureButton::Play:
      return ImgPlay[kIdleLook];
    case PictureButton::Explore:
      return ImgExplore[kIdleLook];
    default:
      return ImgExit[kIdleLook];
  }
}

void FrmMain::ClickButton(PictureButton b) {
  if (!ButtonEnabled(b) || !HandlersAllowed()) return;
  const MouseArgs click{};
  switch (b) {
    case PictureButton::Play:
      ImgPlay_MouseDown(2, click);
      ImgPlay_MouseUp(2, click);
      break;
    case PictureButton::Explore:
      ImgExplore_MouseDown(2, click);
      ImgExplore_MouseUp(2, click);
      break;
    case PictureButton::Exit:
      ImgExit_MouseDown(2, click);
      ImgExit_MouseUp(2, click);
      break;
  }
}

PictureButton FrmMain::NextButton(PictureButton from, int step) const {
  const int count = static_cast<int>(std::size(kPictureButtons));
  int at = static_cast<int>(from);
  do {
    at = (at + step + count) % count;
  } while (!ButtonEnabled(kPictureButtons[at]));
  return kPictureButtons[at];
}

void FrmMain::Form_KeyDown(int keyCode, int shift) {
  const bool plain = shift == 0;
  switch (keyCode) {
    case kKeyTab:
      if (plain || shift == kShiftMask) {
        FocusButton(NextButton(FocusedButton(), plain ? 1 : -1));
      }
      break;
    case kKeyRight:
    case kKeyDown:
      if (plain) FocusButton(NextButton(FocusedButton(), 1));
      break;
    case kKeyLeft:
    case kKeyUp:
      if (plain) FocusButton(NextButton(FocusedButton(), -1));
      break;
    case kKeyReturn:
    case kKeySpace:
      if (plain) ClickButton(FocusedButton());
      break;
    default:
      break;
  }
}

}  // namespace zorvik
