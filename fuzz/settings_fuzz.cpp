// Any bytes as More\Settings.sav (up to the 1 MiB the launcher reads): the reader never crashes,
// what it accepts writes back and reads again as the same record (less what the format can't
// hold), and the launcher starts on it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/launcher.h"
#include "persistence/settings_file.h"
#include "support/fake_platform.h"

namespace {

// What the writer makes of a text: the format has no room for quotes or line breaks.
std::string Written(std::string s) {
  for (char& c : s) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return s;
}

zorvik::SettingsRecord AsWritten(zorvik::SettingsRecord r) {
  for (std::string* s : {&r.language, &r.movieFile, &r.playerPath, &r.playerIni, &r.skin,
                         &r.startPosition, &r.parameters, &r.movieTitle}) {
    *s = Written(*s);
  }
  for (zorvik::NamedPath& p : r.trailers)
    p = {Written(p.path), Written(p.name)};
  for (zorvik::NamedPath& p : r.installers)
    p = {Written(p.path), Written(p.name)};
  for (zorvik::NamedPath& p : r.others)
    p = {Written(p.path), Written(p.name)};
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (std::optional<zorvik::SettingsRecord> r = zorvik::ParseSettings(bytes)) {
    const std::string file = zorvik::FormatSettings(*r);
    const std::optional<zorvik::SettingsRecord> again = zorvik::ParseSettings(file);
    if (!again || *again != AsWritten(*r)) std::abort();
    if (zorvik::FormatSettings(*again) != file) std::abort();
  }
  zorvik::test::FakePlatform fake;
  fake.AddFile("E:\\More\\Settings.sav", bytes);
  zorvik::Launcher launcher(fake);
  launcher.Start();
  return 0;
}
