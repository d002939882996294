#include "media/video_discovery.h"

#include "core/launcher.h"
#include "core/text_util.h"
#include "forms/main_window_controls.h"
#include "forms/options_window_controls.h"
#include "media/prerequisites.h"

namespace zorvik {

void AutoDetectVideo(Launcher& l) {
  const std::string folder = l.platform.LauncherFolder();
  FindRecord record;
  for (const char* pattern : kVideoPatterns) {
    if (std::optional<FindRecord> found = l.platform.FindFirst(JoinPath(folder, pattern))) {
      record = *found;
    }
  }
  l.OptControls().TxtAviName.SetText(record.name);
}

void ValidateVideoSelection(Launcher& l) {
  OptionsWindowControls& o = l.OptControls();
  if (!l.MainControls().MainVideo.Checked()) return;
  const auto report = [&] { l.MsgBox(l.MsgNoVideo, kMbCritical, l.TitleCaution); };
  if (o.OptAutoIni[kAutoDetect].Value() && o.TxtAviName.Text().empty()) {
    report();
    DisablePlay(l);
  } else if (o.OptAutoIni[kIniFile].Value() && o.TxtBSini.Text().empty()) {
    report();
    o.TxtBSini.SetText(l.TextDefault);
    DisablePlay(l);
  } else if (o.OptAutoIni[kTypedPath].Value() && o.TxtAviName.Text().empty()) {
    report();
    DisablePlay(l);
  }
}

}  // namespace zorvik
