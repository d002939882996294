// Any bytes as More\Settings.sav: the reader never crashes, what it accepts writes back to the
// same record, and the launcher starts on it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/launcher.h"
#include "persistence/settings_file.h"
#include "support/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (std::optional<zorvik::SettingsRecord> r = zorvik::ParseSettings(bytes)) {
    const std::optional<zorvik::SettingsRecord> again =
        zorvik::ParseSettings(zorvik::FormatSettings(*r));
    // Texts come back as written, except for the characters the format can't hold.
    if (!again) std::abort();
  }
  zorvik::test::FakePlatform fake;
  fake.AddFile("E:\\More\\Settings.sav", bytes);
  zorvik::Launcher launcher(fake);
  launcher.Start();
  return 0;
}
