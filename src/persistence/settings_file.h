// The settings file, More\Settings.sav: a copy of the options window's controls, the language,
// the movie title and the disc's trailer, installer and extra-program table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/launcher.h"
#include "forms/options_window_controls.h"

namespace zorvik {

// Read from the current folder; written beside the program.
inline constexpr const char* kSettingsReadPath = "More\\Settings.sav";
// A real file is under 4 KiB; a larger one than this is taken as malformed without reading it.
inline constexpr size_t kLargestSettingsFile = size_t{1} << 20;

inline constexpr const char* kGreekLanguageLine = "Greek Language";
inline constexpr const char* kEnglishLanguageLine = "English Language";

struct NamedPath {
  std::string path;
  std::string name;
  bool operator==(const NamedPath&) const = default;
};

// The file's 48 fields, in file order.
struct SettingsRecord {
  std::string language;
  std::string movieFile;
  int exitAfterLaunch = 0;
  int hideBanner = 0;
  bool autoDetect = true;
  bool iniFile = false;
  bool typedPath = false;
  std::string playerPath;
  std::string playerIni;
  int detectVersion = 0;
  int writeSubStyle = 0;
  int writeSubFolder = 0;
  int aspect = 0;
  int disableSubs = 0;
  int fullScreen = 0;
  int endAtEnd = 0;
  std::string skin;
  int panScan = 0;
  int startAt = 0;
  std::string startPosition;
  int resolution = 0;
  int useApi = 0;
  int shutDown = 0;
  std::string parameters;
  std::string movieTitle;
  std::array<NamedPath, 3> trailers;
  std::array<NamedPath, kInstallerCount> installers;
  std::array<NamedPath, 2> others;
  bool operator==(const SettingsRecord&) const = default;
};

// The file's bytes: Windows-1253 when every text fits, otherwise UTF-8 with a byte-order mark.
// A double quote, which the format can't hold, is written as an apostrophe; line breaks as
// blanks.
std::string FormatSettings(const SettingsRecord& r);
// Nothing when the bytes are not a whole, well-formed settings file.
std::optional<SettingsRecord> ParseSettings(std::string_view bytes);

// The record as the controls and the launcher hold it now.
SettingsRecord CaptureSettings(Launcher& l);
// Only the fields the options window's controls hold; the others keep the record's defaults.
SettingsRecord CaptureOptionControls(const OptionsWindowControls& o);

// Puts the factory settings into the options window's controls, as Default does when there is
// no file; iniWord is the "player's own settings" word of the current language.
void SetFactorySettings(OptionsWindowControls& o, const std::string& iniWord);

// Writes the file. A failure is reported to the user, turns saving off while the options
// window stays loaded (OK then closes it keeping the values unsaved), and leaves any previous
// file as it was.
void SaveSettings(Launcher& l);
// Reads the file into the launcher and the controls. Returns false, changing nothing, when
// there is no file or it can't be read as a whole.
bool LoadSettings(Launcher& l);

}  // namespace zorvik
