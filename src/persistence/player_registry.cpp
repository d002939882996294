#include "persistence/player_registry.h"

#include "core/launcher.h"
#include "forms/options_window_controls.h"

namespace zorvik {

namespace {

constexpr const char* kSubStyleValue = "SubD";
constexpr const char* kSubDirValue = "SubDir";

void ReadSubValue(Launcher& l, const std::string& name, TextBox& box, bool& unread) {
  const PlayerValueRead r = ReadPlayerValue(l.platform, name);
  unread = !r.Read();
  box.SetText(r.text);
}

void WriteSubValue(Launcher& l, const std::string& name, const TextBox& box, bool& unread) {
  if (unread && box.Text().empty()) return;
  Platform& p = l.platform;
  RegKey key = 0;
  const long open = p.RegOpenPlayerKey(RegAccess::SetValue, key);
  const long set = p.RegSetValue(key, name, FitPlayerValue(p, box.Text()));
  p.RegCloseKey(key);
  // Once written, the player's value is what the box holds.
  if (open == kRegOk && set == kRegOk) unread = false;
}

}  // namespace

PlayerValueRead ReadPlayerValue(Platform& p, const std::string& name) {
  PlayerValueRead r;
  std::string bytes;
  RegKey key = 0;
  r.open = p.RegOpenPlayerKey(RegAccess::Read, key);
  r.query = p.RegQueryValue(key, name, bytes);
  r.close = p.RegCloseKey(key);
  // After a failed query the bytes hold nothing the launcher can trust.
  if (r.query != kRegOk) bytes.clear();
  r.text = p.FromAnsi(bytes.substr(0, bytes.find('\0')));
  return r;
}

std::string FitPlayerValue(Platform& p, const std::string& text) {
  std::string bytes = p.ToAnsi(text);
  if (bytes.size() < kPlayerValueWriteBytes) bytes.resize(kPlayerValueWriteBytes, ' ');
  return bytes;
}

void ReadSubStyle(Launcher& l) {
  ReadSubValue(l, kSubStyleValue, l.OptControls().TxtSubs, l.SubStyleUnread);
}
void ReadSubDir(Launcher& l) {
  ReadSubValue(l, kSubDirValue, l.OptControls().TxtSubPath, l.SubDirUnread);
}
void WriteSubStyle(Launcher& l) {
  WriteSubValue(l, kSubStyleValue, l.OptControls().TxtSubs, l.SubStyleUnread);
}
void WriteSubDir(Launcher& l) {
  WriteSubValue(l, kSubDirValue, l.OptControls().TxtSubPath, l.SubDirUnread);
}

}  // namespace zorvik
