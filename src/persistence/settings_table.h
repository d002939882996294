// Every setting of the settings file in one row: the record's member and the control that holds
// it, its place and load step in the file, its factory value, its name and help for the authors'
// tool, and its piece of the player's option string. The file's reader and writer, the capture
// of the controls, the load, Default, the option string and the authors' `set` and `show` all
// walk this table.
#pragma once

#include <array>
#include <iterator>
#include <span>

#include "forms/options_window_controls.h"
#include "persistence/settings_file.h"

namespace zorvik {

// The entries of the resolution and aspect-ratio lists; the first of each is the player's own.
inline constexpr std::array<const char*, 11> kResolutions = {
    "Original",    "640x480x16",  "640x480x32",  "800x600x16",   "800x600x32",  "1024x768x16",
    "1024x768x32", "1280x720x16", "1280x720x32", "1600x1200x16", "1600x1200x32"};
inline constexpr std::array<const char*, 3> kAspectRatios = {"Original", "16:9", "4:3"};

// Where a setting lives while the program runs.
enum class Holder : unsigned char {
  Check,       // a check box's value
  Text,        // a text box's text
  List,        // a list's chosen index
  Method,      // one of the three ways of finding the movie
  Language,    // the language menu
  Skin,        // the skin box's caption: a skin's name or the "no skin" word
  MovieTitle,  // the main window's title
};

// What follows a setting in the file.
enum class After : unsigned char { Comma, LineEnd, SharedLine, LineEndAndEmptyLine };

// What the options window's Default puts into the control when there is no file.
enum class Factory : unsigned char {
  Keep,     // nothing: the control keeps what it holds
  Number,   // the row's factoryNumber
  Text,     // the row's factoryText
  IniWord,  // the "player's own settings" word of the current language
};

// The values `zorvik-disc set` takes for a setting.
enum class ValueRule : unsigned char {
  Text,        // any text the file can hold
  DiscFile,    // a path inside the disc
  PlayerPath,  // a full path on the viewer's computer, or nothing
  Movie,
  PlayerIni,
  Skin,
  Seconds,
  Switch,
  Language,
  Find,
  Aspect,
  Resolution,
};

// How a setting goes into the player's option string.
enum class Piece : unsigned char {
  None,
  Marked,     // the option when the box is checked or greyed
  Checked,    // the option when the box is checked
  ListEntry,  // the option and the chosen entry when it is not the first
  Skin,       // the option and the skin's name when one is chosen
  StartTime,  // the option and the start time when checked and the time is a number
};

// Where a setting is, what the options window's Default puts there and what it adds to the
// player's option string: what the launcher needs of a row.
struct Setting {
  // The record's member: one of the three.
  std::string SettingsRecord::*text = nullptr;
  int SettingsRecord::*number = nullptr;
  bool SettingsRecord::*flag = nullptr;
  Holder holder = Holder::Text;
  CheckBox OptionsWindowControls::*check = nullptr;
  TextBox OptionsWindowControls::*box = nullptr;
  ComboBox OptionsWindowControls::*list = nullptr;
  FindMethod method = kAutoDetect;
  After after = After::Comma;
  // Loading sets the controls in this order (lowest first), and each control's reaction runs as
  // a user's change would: the order is part of what a load does.
  signed char loadStep = 0;
  Factory factory = Factory::Keep;
  signed char factoryNumber = 0;
  const char* factoryText = "";
  Piece piece = Piece::None;
  signed char slot = 0;                    // the piece's place among the option string's eight
  const char* option = "";                 // ends in '=' when a value follows
  std::span<const char* const> entries{};  // a list's entries
};

// A row's words for the authors' tool.
struct SettingWords {
  // The name `set` takes and `show` prints; none for a setting named together with another.
  const char* name = nullptr;
  ValueRule rule = ValueRule::Text;
  const char* values = "";  // what the value may be, as the help shows it
  const char* help = "";
};

// The rows in file order. Each row is ROW((member), (the tool's words), (the rest of Setting));
// the launcher's table and the tool's words are made from the same rows, so that the launcher
// carries none of the tool's texts.
// clang-format off
#define ZORVIK_SETTINGS(ROW) \
  ROW((.text = &R::language), ("language", ValueRule::Language, "en | el", \
      "the language the launcher starts in"), \
      (.holder = Holder::Language, .after = After::LineEnd, .loadStep = -1)) \
  ROW((.text = &R::movieFile), ("movie", ValueRule::Movie, "NAME | PATH", \
      "the movie: a file name beside the launcher (find=auto) or a full path (find=path)"), \
      (.box = &O::TxtAviName, .loadStep = 10, .factory = Factory::Text)) \
  ROW((.number = &R::exitAfterLaunch), ("exit-after-launch", ValueRule::Switch, "on | off", \
      "the launcher closes about a minute after Play"), \
      (.holder = Holder::Check, .check = &O::ChkZorvikexit, .loadStep = 7, \
       .factory = Factory::Number, .factoryNumber = kChecked)) \
  ROW((.number = &R::hideBanner), ("hide-banner", ValueRule::Switch, "on | off", \
      "hide the cover banner when there is no cover"), \
      (.holder = Holder::Check, .check = &O::ChkBanner, .after = After::LineEnd, .loadStep = 6, \
       .factory = Factory::Number)) \
  ROW((.flag = &R::autoDetect), ("find", ValueRule::Find, "auto | path | ini", \
      "how Play finds the movie: beside the launcher, a full path, or a player settings file"), \
      (.holder = Holder::Method, .method = kAutoDetect, .loadStep = 12, \
       .factory = Factory::Number, .factoryNumber = 1)) \
  ROW((.flag = &R::iniFile), (nullptr), \
      (.holder = Holder::Method, .method = kIniFile, .loadStep = 13)) \
  ROW((.flag = &R::typedPath), (nullptr), \
      (.holder = Holder::Method, .method = kTypedPath, .after = After::SharedLine, .loadStep = 14)) \
  ROW((.text = &R::playerPath), ("player", ValueRule::PlayerPath, "PATH", \
      "the player's path on the viewer's computer; empty: read from its registry key"), \
      (.box = &O::TxtBSpath, .loadStep = 15)) \
  ROW((.text = &R::playerIni), ("player-ini", ValueRule::PlayerIni, "PATH | default", \
      "the player's .ini or .bsi file for find=ini; default: the player's own"), \
      (.box = &O::TxtBSini, .loadStep = 9, .factory = Factory::IniWord)) \
  ROW((.number = &R::detectVersion), ("version-warning", ValueRule::Switch, "on | off", \
      "warn of an old player also after Apply in the options"), \
      (.holder = Holder::Check, .check = &O::ChkVersion, .after = After::LineEnd, .loadStep = 0, \
       .factory = Factory::Number)) \
  ROW((.number = &R::writeSubStyle), ("write-subtitle-style", ValueRule::Switch, "on | off", \
      "Apply writes the subtitle style to the player's registry"), \
      (.holder = Holder::Check, .check = &O::ChkSubs, .loadStep = 11, .factory = Factory::Number)) \
  ROW((.number = &R::writeSubFolder), ("write-subtitle-folder", ValueRule::Switch, "on | off", \
      "Apply writes the subtitle folder to the player's registry"), \
      (.holder = Holder::Check, .check = &O::ChkSubPath, .loadStep = 2, .factory = Factory::Number)) \
  ROW((.number = &R::aspect), ("aspect", ValueRule::Aspect, "Original | 16:9 | 4:3", \
      "the aspect ratio"), \
      (.holder = Holder::List, .list = &O::CmbAspect, .loadStep = 17, .factory = Factory::Number, \
       .piece = Piece::ListEntry, .slot = 3, .option = "-ar=", .entries = kAspectRatios)) \
  ROW((.number = &R::disableSubs), ("subtitles-off", ValueRule::Switch, "on | off", \
      "play without subtitles"), \
      (.holder = Holder::Check, .check = &O::ChkSubsDisable, .loadStep = 8, \
       .factory = Factory::Number, .piece = Piece::Marked, .slot = 1, .option = "-nsub")) \
  ROW((.number = &R::fullScreen), ("fullscreen", ValueRule::Switch, "on | off", \
      "play full screen"), \
      (.holder = Holder::Check, .check = &O::ChkFull, .loadStep = 18, .factory = Factory::Number, \
       .factoryNumber = kChecked, .piece = Piece::Checked, .slot = 2, .option = "-fs")) \
  ROW((.number = &R::endAtEnd), ("close-at-end", ValueRule::Switch, "on | off", \
      "the player closes at the end of the movie"), \
      (.holder = Holder::Check, .check = &O::ChkEend, .loadStep = 19, .factory = Factory::Number, \
       .factoryNumber = kChecked, .piece = Piece::Checked, .slot = 5, .option = "-eend")) \
  ROW((.text = &R::skin), ("skin", ValueRule::Skin, "NAME | none", \
      "the player's skin"), \
      (.holder = Holder::Skin, .loadStep = 20, .piece = Piece::Skin, .slot = 0, .option = "-skin=")) \
  ROW((.number = &R::panScan), ("pan-scan", ValueRule::Switch, "on | off", \
      "pan-scan display"), \
      (.holder = Holder::Check, .check = &O::ChkPanScan, .loadStep = 21, \
       .factory = Factory::Number, .piece = Piece::Checked, .slot = 6, .option = "-pan")) \
  ROW((.number = &R::startAt), ("start", ValueRule::Switch, "on | off", \
      "start the movie at start-seconds"), \
      (.holder = Holder::Check, .check = &O::ChkStart, .loadStep = 22, .factory = Factory::Number, \
       .piece = Piece::StartTime, .slot = 4, .option = "-stime=")) \
  ROW((.text = &R::startPosition), ("start-seconds", ValueRule::Seconds, "SECONDS | M:SS", \
      "where the movie starts, up to 10 hours; the launcher starts the trailers there too"), \
      (.box = &O::TxtSec, .loadStep = 24, .factory = Factory::Text, \
       .factoryText = kSecondsPlaceholder)) \
  ROW((.number = &R::resolution), ("resolution", ValueRule::Resolution, \
      "Original | 640x480x16 | ... | 1600x1200x32", "the screen resolution while playing"), \
      (.holder = Holder::List, .list = &O::CmbRes, .after = After::LineEnd, .loadStep = 23, \
       .factory = Factory::Number, .piece = Piece::ListEntry, .slot = 7, .option = "-res=", \
       .entries = kResolutions)) \
  ROW((.number = &R::useApi), ("use-api", ValueRule::Switch, "on | off", \
      "kept for the options window; Play doesn't use it"), \
      (.holder = Holder::Check, .check = &O::ChkAPI, .loadStep = 3)) \
  ROW((.number = &R::shutDown), ("shutdown", ValueRule::Switch, "on | off", \
      "kept for the options window; Play doesn't use it"), \
      (.holder = Holder::Check, .check = &O::ChkShutDown, .after = After::LineEnd, .loadStep = 4)) \
  ROW((.text = &R::parameters), ("parameters", ValueRule::Text, "TEXT", \
      "the player's options as Play passes them; typed, they set the playback options they " \
      "say; a playback option's change rebuilds them, keeping the options the options window " \
      "doesn't know"), \
      (.box = &O::TxtParam, .after = After::LineEndAndEmptyLine, .loadStep = 16, \
       .factory = Factory::Text, .factoryText = "-fs -eend")) \
  ROW((.text = &R::movieTitle), ("title", ValueRule::Text, "TEXT", \
      "the movie's title on the main window"), \
      (.holder = Holder::MovieTitle, .after = After::LineEnd, .loadStep = 1))
// clang-format on

#define ZORVIK_SETTING_FIELDS(...) __VA_ARGS__
#define ZORVIK_SETTING(member, words, rest) \
  Setting{ZORVIK_SETTING_FIELDS member, ZORVIK_SETTING_FIELDS rest},
#define ZORVIK_SETTING_WORDS(member, words, rest) SettingWords{ZORVIK_SETTING_FIELDS words},

namespace settings_rows {
using R = SettingsRecord;
using O = OptionsWindowControls;
inline constexpr Setting kSettings[] = {ZORVIK_SETTINGS(ZORVIK_SETTING)};
inline constexpr SettingWords kSettingWords[] = {ZORVIK_SETTINGS(ZORVIK_SETTING_WORDS)};
}  // namespace settings_rows
using settings_rows::kSettings;
using settings_rows::kSettingWords;

// The authors' tool reads a typed option back into the setting that says it, by its name.
constexpr bool EveryPieceNamed() {
  for (size_t i = 0; i < std::size(kSettings); ++i) {
    if (kSettings[i].piece != Piece::None && !kSettingWords[i].name) return false;
  }
  return true;
}
static_assert(EveryPieceNamed());

#undef ZORVIK_SETTING_WORDS
#undef ZORVIK_SETTING
#undef ZORVIK_SETTING_FIELDS
#undef ZORVIK_SETTINGS

inline constexpr int kLastLoadStep = 24;

}  // namespace zorvik
