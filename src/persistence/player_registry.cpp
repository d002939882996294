#include "persistence/player_registry.h"

#include <algorithm>
#include <array>

#include "core/launcher.h"
#include "core/text_util.h"
#include "ui/options/frm_opt.h"

namespace zorvik {

namespace {

constexpr const char* kSubStyleValue = "SubD";
constexpr const char* kSubDirValue = "SubDir";

void WritePlayerValue(Platform& p, const std::string& name, const std::string& text) {
  RegKey key = 0;
  p.RegOpenPlayerKey(RegAccess::SetValue, key);
  p.RegSetValue(key, name, FitPlayerValue(p, text));
  p.RegCloseKey(key);
}

}  // namespace

PlayerValueRead ReadPlayerValue(Platform& p, const std::string& name) {
  PlayerValueRead r;
  std::array<char, kPlayerValueReadBytes> buffer{};
  RegKey key = 0;
  r.open = p.RegOpenPlayerKey(RegAccess::Read, key);
  r.query = p.RegQueryValue(key, name, buffer);
  r.close = p.RegCloseKey(key);
  // After a failed query the buffer holds nothing the launcher can trust.
  if (r.query != kRegOk) buffer.fill(0);
  const std::string bytes(buffer.data(), std::find(buffer.begin(), buffer.end(), '\0'));
  r.text = p.FromAnsi(bytes);
  return r;
}

std::string FitPlayerValue(Platform& p, const std::string& text) {
  std::u32string chars = Utf8ToCodePoints(text);
  chars.resize(kPlayerValueWriteBytes, U' ');
  std::string bytes = p.ToAnsi(CodePointsToUtf8(chars));
  bytes.resize(kPlayerValueWriteBytes, ' ');
  return bytes;
}

void ReadSubStyle(Launcher& l) {
  l.Opt().TxtSubs.SetText(ReadPlayerValue(l.platform, kSubStyleValue).text);
}
void ReadSubDir(Launcher& l) {
  l.Opt().TxtSubPath.SetText(ReadPlayerValue(l.platform, kSubDirValue).text);
}
void WriteSubStyle(Launcher& l) {
  WritePlayerValue(l.platform, kSubStyleValue, l.Opt().TxtSubs.Text());
}
void WriteSubDir(Launcher& l) {
  WritePlayerValue(l.platform, kSubDirValue, l.Opt().TxtSubPath.Text());
}

}  // namespace zorvik
