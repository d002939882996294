#include "media/disc_programs.h"

#include "core/launcher.h"
#include "core/text_util.h"
#include "forms/main_window_controls.h"

namespace zorvik {

void RunInstaller(Launcher& l, const std::string& path) {
  if (l.platform.FileExists(path)) {
    l.platform.StartProgram(path, "", kShowNormal);
  } else {
    l.MsgBox(l.MsgFileNotFound, kMbCritical, l.TitleCaution);
  }
}

void OpenReadme(Launcher& l) {
  Platform& p = l.platform;
  const std::string notepad = JoinPath(p.WindowsFolder(), "NOTEPAD.EXE");
  if (p.FileExists("Readme.txt")) p.StartProgram(notepad, "Readme.txt", kShowNormal);
}

void ExploreDisc(Launcher& l) {
  l.MainControls().ImgExplore[kPressedLook].SetVisible(false);
  const std::string folder = l.platform.LauncherFolder();
  l.platform.ShellExecute("explore", folder, "", folder, kShowDefault);
}

}  // namespace zorvik
