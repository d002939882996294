#include "media/prerequisites.h"

#include "core/launcher.h"
#include "core/text_util.h"
#include "forms/main_window_controls.h"
#include "forms/options_window_controls.h"
#include "media/player.h"

namespace zorvik {

namespace {

// At its usual place on the Windows drive, or in a program-files folder the system names: on
// 64-bit Windows the common 32-bit FFdshow is in "Program Files (x86)", and Windows in other
// languages names the folder otherwise.
bool FFdshowInstalled(Platform& p, const std::string& drive) {
  if (p.FileExists(drive + "program files\\ffdshow\\ffdshow.ax")) return true;
  for (const std::string& folder : p.ProgramFilesFolders()) {
    if (p.FileExists(JoinPath(folder, "ffdshow\\ffdshow.ax"))) return true;
  }
  return false;
}

}  // namespace

void DisablePlay(Launcher& l) {
  MainWindowControls& m = l.MainControls();
  m.ImgPlay[kIdleLook].SetEnabled(false);
  m.ImgPlayIcon[kPlainIcon].SetEnabled(false);
  m.LblPlay.SetEnabled(false);
  // A hover look left showing would still take presses and start the player.
  m.ImgPlay[kHoverLook].SetVisible(false);
  m.ImgPlayIcon[kHoverIcon].SetVisible(false);
}

void DetectPrerequisites(Launcher& l) {
  Platform& p = l.platform;
  MainWindowControls& m = l.MainControls();
  const std::string windows = p.WindowsFolder();
  const std::string drive = windows.substr(0, 3);
  const auto inSystem = [&](const char* dll) {
    return p.FileExists(JoinPath(windows, std::string("system32\\") + dll)) ||
           p.FileExists(JoinPath(windows, std::string("system\\") + dll));
  };
  const auto prompt = [&](const std::string& text) {
    l.MsgBox(text, kMbCritical, l.TitleInformation);
    DisablePlay(l);
  };

  if (l.OptControls().TxtBSpath.Text().empty()) ReadPlayerPath(l);
  const std::string player = l.OptControls().TxtBSpath.Text();
  if (player.empty()) prompt(l.MsgInstallBSplayer);

  // FFdshow decodes both kinds of movie by itself.
  if (!FFdshowInstalled(p, drive)) {
    const bool xvidOffered = m.Programs.Enabled() && m.XviD.Enabled() && m.XviD.Visible();
    if (!inSystem("xvid.dll") && xvidOffered) prompt(l.MsgInstallXviD);
    if (!inSystem("divx.dll") && !player.empty()) prompt(l.MsgInstallDivX);
  }

  m.Readme.SetVisible(p.FileExists("Readme.txt"));

  const std::string& title = m.LblMovieName.Caption();
  if (!title.empty() && title != kDefaultMovieTitle) {
    m.LblMovieName.SetFontSize(12);
  } else {
    m.LblMovieName.SetFontSize(13);
    m.LblMovieName.SetCaption(kDefaultMovieTitle);
  }
}

}  // namespace zorvik
