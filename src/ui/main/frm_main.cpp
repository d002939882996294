#include "ui/main/frm_main.h"

#include "core/launcher.h"
#include "media/player.h"
#include "media/prerequisites.h"
#include "media/video_discovery.h"
#include "persistence/settings_file.h"
#include "ui/main/cover_banner.h"
#include "ui/options/frm_opt.h"
#include "ui/text/language.h"

namespace zorvik {

namespace {

const Font kButtonFont{"Comic Sans MS", 9, true, true};

Picture Resource(const char* name, int width, int height) {
  return Picture{name, width, height, {}};
}

}  // namespace

FrmMain::FrmMain(Launcher& launcher) : Form(launcher, "FrmMain") {
  Layout();
  BindHandlers();
}

void FrmMain::Layout() {
  SetCaption(kAppTitle);
  SetInnerSize(6810, 5235);
  SetWidth(6930);
  SetHeight(6015);
  SetBackColor(kPanelGrey);

  SetZOrder(nullptr, {&MainPic, &Timer1, &FrmBanner, &ImgLogo, &ImgHelp[1], &ImgHelp[0]});
  SetZOrder(&MainPic, {&FrmMenu, &LblMovieName, &ImgShow[1], &ImgShow[0]});
  SetZOrder(&FrmMenu, {&ImgCancel[1], &ImgCancel[0], &ImgPlayIcon[1], &ImgPlayIcon[0], &LblPlay,
                       &LblExit, &ImgExit[0], &LblExplore, &ImgExplore[0], &ImgPlay[0], &ImgPlay[1],
                       &ImgExplore[1], &ImgExit[1], &ImgPlay[2], &ImgExplore[2], &ImgExit[2]});
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
  ImgCancel[1].SetPicture(Resource(res::kExitHover, 20, 20));
  ImgCancel[0].SetPicture(Resource(res::kExitIcon, 20, 20));
  ImgPlayIcon[1].SetPicture(Resource(res::kPlayHover, 16, 16));
  ImgPlayIcon[0].SetPicture(Resource(res::kPlayIcon, 16, 16));

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
  ImgShow[1].SetPicture(Resource(res::kHandleShow, 10, 32));
  ImgShow[1].SetVisible(false);
  ImgShow[0].SetPicture(Resource(res::kHandleHide, 10, 32));

  Timer1.SetEnabled(false);
  Timer1.SetInterval(65500);

  FrmBanner.Move(600, 120, 3470, 5000);
  FrmBanner.SetCaption("Εξώφυλλο");
  FrmBanner.SetBackColor(kPanelGrey);
  PicLogo2.Move(120, 240, 3215, 4630);
  PicLogo2.SetPicture(Resource(res::kDefaultCover, 215, 309));

  ImgLogo.Move(0, 480, 615, 4455);
  ImgLogo.SetPicture(Resource(res::kLogoStrip, 41, 297));

  ImgHelp[1].Move(6360, 75, 360, 360);
  ImgHelp[1].SetPicture(Resource(res::kHelpHover, 24, 24));
  ImgHelp[1].SetVisible(false);
  ImgHelp[0].Move(6360, 80, 360, 360);
  ImgHelp[0].SetPicture(Resource(res::kHelpIcon, 24, 24));
  for (int i = 0; i < 2; ++i)
    ImgHelp[i].SetPointer(MousePointer::ArrowQuestion);

  MainVideo.SetChecked(true);
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

MenuItem& FrmMain::TrailerEntry(int n) {
  switch (n) {
    case 1:
      return Trailer1;
    case 2:
      return Trailer2;
    default:
      return Trailer3;
  }
}

void FrmMain::Form_Load() {
  Launcher& l = Owner();
  Platform& p = l.platform;

  for (int k = 0; k < 3; ++k)
    ImgExplore[k].SetPicture(ImgPlay[k].GetPicture());
  for (int k = 0; k < 3; ++k)
    ImgExit[k].SetPicture(ImgPlay[k].GetPicture());
  ImgShow[1].SetVisible(true);
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

  if (l.Opt().OptAutoIni[0].Value()) AutoDetectVideo(l);
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
