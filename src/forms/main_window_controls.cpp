#include "forms/main_window_controls.h"

#include "core/launcher.h"

namespace zorvik {

namespace {

const Font kButtonFont{"Comic Sans MS", 9, true, true};

Picture Resource(const char* name, int width, int height) {
  return Picture{name, width, height, {}};
}

}  // namespace

MainWindowControls::MainWindowControls(Launcher& launcher) : Form(launcher, "FrmMain") {
  Layout();
}

void MainWindowControls::Layout() {
  SetCaption(kAppTitle);
  SetInnerSize(6810, 5235);
  SetWidth(6930);
  SetHeight(6015);
  SetBackColor(kPanelGrey);

  SetZOrder(nullptr,
            {&MainPic, &Timer1, &FrmBanner, &ImgLogo, &ImgHelp[kHoverIcon], &ImgHelp[kPlainIcon]});
  SetZOrder(&MainPic, {&FrmMenu, &LblMovieName, &ImgShow[kShowHandle], &ImgShow[kHideHandle]});
  SetZOrder(&FrmMenu, {&ImgCancel[kHoverIcon], &ImgCancel[kPlainIcon], &ImgPlayIcon[kHoverIcon],
                       &ImgPlayIcon[kPlainIcon], &LblPlay, &LblExit, &ImgExit[kPressedLook],
                       &LblExplore, &ImgExplore[kPressedLook], &ImgPlay[kPressedLook],
                       &ImgPlay[kHoverLook], &ImgExplore[kHoverLook], &ImgExit[kHoverLook],
                       &ImgPlay[kIdleLook], &ImgExplore[kIdleLook], &ImgExit[kIdleLook]});
  SetZOrder(&FrmBanner, {&PicLogo2});

  MainPic.Move(4080, 480, 2895, 4695);
  MainPic.SetBackColor(kPanelGrey);
  FrmMenu.Move(360, 840, 2200, 2895);
  FrmMenu.SetCaption("Κυρίως Μενού");
  FrmMenu.SetBackColor(kPanelGrey);

  for (int i = 0; i < 2; ++i) {
    ImgCancel[i].Move(480, 2280, 300, 300);
    ImgPlayIcon[i].Move(1080, 645, 240, 240);
  }
  ImgCancel[kHoverIcon].SetPicture(Resource(res::kExitHover, 20, 20));
  ImgCancel[kPlainIcon].SetPicture(Resource(res::kExitIcon, 20, 20));
  ImgPlayIcon[kHoverIcon].SetPicture(Resource(res::kPlayHover, 16, 16));
  ImgPlayIcon[kPlainIcon].SetPicture(Resource(res::kPlayIcon, 16, 16));

  struct LabelDesign {
    Label& label;
    Twips top;
    const char* caption;
    double size;
  };
  for (const LabelDesign& d :
       {LabelDesign{LblPlay, 840, "Αναπαραγωγή", 9.75}, LabelDesign{LblExit, 2280, "Έξοδος", 9},
        LabelDesign{LblExplore, 1560, "Εξερεύνηση CD", 9}}) {
    d.label.Move(480, d.top, 1335, 255);
    d.label.SetCaption(d.caption);
    Font f = kButtonFont;
    f.size = d.size;
    d.label.SetFont(f);
    d.label.SetMiddle(true);
  }

  const char* looks[] = {res::kButtonPressed, res::kButtonHover, res::kButtonIdle};
  for (int k = 0; k < 3; ++k) {
    ImgPlay[k].Move(360, 480, 1575, 735);
    ImgExplore[k].Move(360, 1440, 1575, 495);
    ImgExit[k].Move(360, 2160, 1575, 495);
    ImgPlay[k].SetPicture(Resource(looks[k], 102, 30));
    for (Image* img : {&ImgPlay[k], &ImgExplore[k], &ImgExit[k]}) {
      img->SetStretch(true);
      img->SetVisible(k == 2);
      img->SetBorder(k == 0);
    }
  }

  LblMovieName.Move(276, 120, 2505, 720);
  LblMovieName.SetFont(Font{"MS Sans Serif", 9.75, true, true});
  for (Label* lbl : {&LblPlay, &LblExit, &LblExplore, &LblMovieName}) {
    lbl->SetCentered(true);
    lbl->SetBackColor(kPanelGrey);
    lbl->SetForeColor(SystemColor(syscolor::kButtonText));
  }

  for (int i = 0; i < 2; ++i) {
    ImgShow[i].Move(0, 1920, 150, 480);
    ImgShow[i].SetPointer(MousePointer::Custom);
  }
  ImgShow[kShowHandle].SetPicture(Resource(res::kHandleShow, 10, 32));
  ImgShow[kShowHandle].SetVisible(false);
  ImgShow[kHideHandle].SetPicture(Resource(res::kHandleHide, 10, 32));

  Timer1.SetEnabled(false);
  Timer1.SetInterval(65500);

  FrmBanner.Move(600, 120, 3470, 5000);
  FrmBanner.SetCaption("Εξώφυλλο");
  FrmBanner.SetBackColor(kPanelGrey);
  PicLogo2.Move(120, 240, 3215, 4630);
  PicLogo2.SetPicture(Resource(res::kDefaultCover, 215, 309));

  ImgLogo.Move(0, 480, 615, 4455);
  ImgLogo.SetPicture(Resource(res::kLogoStrip, 41, 297));

  ImgHelp[kHoverIcon].Move(6360, 75, 360, 360);
  ImgHelp[kHoverIcon].SetPicture(Resource(res::kHelpHover, 24, 24));
  ImgHelp[kHoverIcon].SetVisible(false);
  ImgHelp[kPlainIcon].Move(6360, 80, 360, 360);
  ImgHelp[kPlainIcon].SetPicture(Resource(res::kHelpIcon, 24, 24));
  for (int i = 0; i < 2; ++i)
    ImgHelp[i].SetPointer(MousePointer::ArrowQuestion);

  MainVideo.SetChecked(true);
}

MenuItem& MainWindowControls::TrailerEntry(int n) {
  switch (n) {
    case 1:
      return Trailer1;
    case 2:
      return Trailer2;
    default:
      return Trailer3;
  }
}

}  // namespace zorvik
