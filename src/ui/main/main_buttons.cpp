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

// Every part of a picture button (its picture, its caption, its icon) takes a press and a release
// as the button itself.
void FrmMain::PressButton(PictureButton b) {
  FocusButton(b);
  ButtonLook(b, kPressedLook).SetVisible(true);
}

void FrmMain::ReleaseButton(PictureButton b) {
  switch (b) {
    case PictureButton::Play:
      LaunchVideo(Owner());
      break;
    case PictureButton::Explore:
      ExploreDisc(Owner());
      break;
    case PictureButton::Exit:
      Owner().EndNow();
      break;
    default:
      break;  // the help icon and the handle act on their clicks
  }
}

void FrmMain::ImgPlay_MouseDown(int, const MouseArgs&) {
  PressButton(PictureButton::Play);
}
void FrmMain::LblPlay_MouseDown(const MouseArgs&) {
  PressButton(PictureButton::Play);
}
void FrmMain::ImgPlayIcon_MouseDown(int, const MouseArgs&) {
  PressButton(PictureButton::Play);
}
void FrmMain::ImgPlay_MouseUp(int, const MouseArgs&) {
  ReleaseButton(PictureButton::Play);
}
void FrmMain::LblPlay_MouseUp(const MouseArgs&) {
  ReleaseButton(PictureButton::Play);
}
void FrmMain::ImgPlayIcon_MouseUp(int, const MouseArgs&) {
  ReleaseButton(PictureButton::Play);
}
void FrmMain::ImgExplore_MouseDown(int, const MouseArgs&) {
  PressButton(PictureButton::Explore);
}
void FrmMain::LblExplore_MouseDown(const MouseArgs&) {
  PressButton(PictureButton::Explore);
}
void FrmMain::ImgExplore_MouseUp(int, const MouseArgs&) {
  ReleaseButton(PictureButton::Explore);
}
void FrmMain::LblExplore_MouseUp(const MouseArgs&) {
  ReleaseButton(PictureButton::Explore);
}
void FrmMain::ImgExit_MouseDown(int, const MouseArgs&) {
  PressButton(PictureButton::Exit);
}
void FrmMain::LblExit_MouseDown(const MouseArgs&) {
  PressButton(PictureButton::Exit);
}
void FrmMain::ImgCancel_MouseDown(int, const MouseArgs&) {
  PressButton(PictureButton::Exit);
}
void FrmMain::ImgExit_MouseUp(int, const MouseArgs&) {
  ReleaseButton(PictureButton::Exit);
}
void FrmMain::LblExit_MouseUp(const MouseArgs&) {
  ReleaseButton(PictureButton::Exit);
}
void FrmMain::ImgCancel_MouseUp(int, const MouseArgs&) {
  ReleaseButton(PictureButton::Exit);
}

PictureButton FrmMain::FocusedButton() const {
  // A disabled Play or a handle put away passes the focus to Explore, which is always there.
  if (!ButtonEnabled(focusedButton_)) return PictureButton::Explore;
  return focusedButton_;
}

void FrmMain::FocusButton(PictureButton b) {
  if (b == focusedButton_ || !ButtonEnabled(b)) return;
  focusedButton_ = b;
  NextRevision();
}

bool FrmMain::ButtonEnabled(PictureButton b) const {
  const Image& place = ButtonImage(b);
  return place.Visible() && place.Enabled();
}

const std::string& FrmMain::ButtonName(PictureButton b) const {
  switch (b) {
    case PictureButton::Play:
      return LblPlay.Caption();
    case PictureButton::Explore:
      return LblExplore.Caption();
    case PictureButton::Exit:
      return LblExit.Caption();
    default:
      return ButtonImage(b).ToolTip();
  }
}

const Image& FrmMain::ButtonImage(PictureButton b) const {
  switch (b) {
    case PictureButton::Play:
      return ImgPlay[kIdleLook];
    case PictureButton::Explore:
      return ImgExplore[kIdleLook];
    case PictureButton::Exit:
      return ImgExit[kIdleLook];
    case PictureButton::Help:
      return ImgHelp[kPlainIcon];
    default:
      // The handle that shows the banner lies over the one that hides it.
      return ImgShow[ImgShow[kShowHandle].Visible() ? kShowHandle : kHideHandle];
  }
}

Image& FrmMain::ButtonLook(PictureButton b, int look) {
  switch (b) {
    case PictureButton::Play:
      return ImgPlay[look];
    case PictureButton::Explore:
      return ImgExplore[look];
    default:
      return ImgExit[look];
  }
}

void FrmMain::ClickButton(PictureButton b) {
  if (!ButtonEnabled(b) || !HandlersAllowed()) return;
  switch (b) {
    case PictureButton::Help:
      ImgHelp_Click(kPlainIcon);
      break;
    case PictureButton::Handle:
      ImgShow_Click(ButtonImage(b).Index());
      break;
    default:
      PressButton(b);
      ReleaseButton(b);
      break;
  }
}

PictureButton FrmMain::NextButton(PictureButton from, int step, int count) const {
  int at = static_cast<int>(from);
  if (at >= count) return from;
  do {
    at = (at + step + count) % count;
  } while (!ButtonEnabled(kPictureButtons[at]));
  return kPictureButtons[at];
}

void FrmMain::Form_KeyDown(int keyCode, int shift) {
  const bool plain = shift == 0;
  const int all = static_cast<int>(std::size(kPictureButtons));
  switch (keyCode) {
    case kKeyTab:
      if (plain || shift == kShiftMask) {
        FocusButton(NextButton(FocusedButton(), plain ? 1 : -1, all));
      }
      break;
    case kKeyRight:
    case kKeyDown:
      if (plain) FocusButton(NextButton(FocusedButton(), 1, kPanelButtons));
      break;
    case kKeyLeft:
    case kKeyUp:
      if (plain) FocusButton(NextButton(FocusedButton(), -1, kPanelButtons));
      break;
    case kKeyReturn:
    case kKeySpace:
      if (plain) ClickButton(FocusedButton());
      break;
    case kKeyF1:
      if (plain) ClickButton(PictureButton::Help);
      break;
    default:
      break;
  }
}

}  // namespace zorvik
