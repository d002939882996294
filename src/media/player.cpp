#include "media/player.h"

#include "core/launcher.h"
#include "forms/options_window_controls.h"
#include "persistence/player_registry.h"

namespace zorvik {

void ReadPlayerPath(Launcher& l) {
  const PlayerValueRead r = ReadPlayerValue(l.platform, "Apppath");
  if (r.Failed()) l.RegistryError = true;
  if (l.RegistryError) {
    l.MsgBox("Can't get registry access", kMbCritical, "ERROR!");
    l.RegistryError = false;
    return;
  }
  l.PlayerPathFound = r.text;
  l.OptControls().TxtBSpath.SetText(r.text);
}

void CheckPlayerVersion(Launcher& l) {
  const std::string path = l.OptControls().TxtBSpath.Text();
  FindRecord record;
  if (!path.empty()) {
    if (std::optional<FindRecord> found = l.platform.FindFirst(path)) record = *found;
  }
  const LocalDate& d = record.lastWrite;
  const bool old =
      d.year < kOldPlayerYear || (d.year == kOldPlayerYear && d.month < kOldPlayerMonth);
  if (!path.empty() && old) l.MsgBox(l.MsgOldVersion, kMbCritical);
}

}  // namespace zorvik
