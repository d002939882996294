#include "media/video_launch.h"

#include "core/launcher.h"
#include "core/text_util.h"
#include "forms/language.h"
#include "forms/main_window_controls.h"
#include "forms/options_window_controls.h"

namespace zorvik {

void LaunchVideo(Launcher& l) {
  Platform& p = l.platform;
  MainWindowControls& m = l.MainControls();
  OptionsWindowControls& o = l.OptControls();
  m.ImgPlay[kPressedLook].SetVisible(false);

  const std::string player = o.TxtBSpath.Text();
  const std::string folder = p.LauncherFolder();
  const std::string& video = o.TxtAviName.Text();
  const std::string& ini = o.TxtBSini.Text();
  const std::string options = " " + o.TxtParam.Text();
  const auto open = [&](const std::string& parameters) {
    p.ShellExecute("open", player, parameters, player, kShowNoActivate);
  };

  if (m.MainVideo.Checked()) {
    if (o.OptAutoIni[kIniFile].Value() && !ini.empty() && !IsDefaultIniWord(ini)) {
      open(ini);
    } else if (o.OptAutoIni[kIniFile].Value()) {
      p.StartProgram(player, "", kShowNoActivate);
    } else if (o.OptAutoIni[kAutoDetect].Value() && !video.empty()) {
      open(JoinPath(folder, video) + " " + options);
    } else if (o.OptAutoIni[kTypedPath].Value() && !video.empty()) {
      open(video + " " + options);
    }
  } else {
    for (int n = 1; n <= 3; ++n) {
      if (m.TrailerEntry(n).Checked()) {
        open(JoinPath(folder, l.TrailerPath(n)) + options);
        break;
      }
    }
  }

  if (o.ChkZorvikexit.Value() == kChecked) {
    m.SetCaption(kClosingCaption);
    m.Timer1.SetEnabled(true);
  }
}

}  // namespace zorvik
