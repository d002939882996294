// Every setting of the settings file in one row: the record's member and the control that holds
// it, its place and load step in the file, its factory value, its name and help for the authors'
// tool, and its piece of the player's option string. The file's reader and writer, the capture
// of the controls, the load, Default, the option string and the authors' `set` and `show` all
// walk this table.
#pragma once

#include <array>
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
enum class Holder {
  Check,       // a check box's value
  Text,        // a text box's text
  List,        // a list's chosen index
  Method,      // one of the three ways of finding the movie
  Language,    // the language menu
  Skin,        // the skin box's caption: a skin's name or the "no skin" word
  MovieTitle,  // the main window's title
};

// What follows a setting in the file.
enum class After { Comma, LineEnd, SharedLine, LineEndAndEmptyLine };

// What the options window's Default puts into the control when there is no file.
enum class Factory {
  Keep,     // nothing: the control keeps what it holds
  Number,   // the row's factoryNumber
  Text,     // the row's factoryText
  IniWord,  // the "player's own settings" word of the current language
};

// The values `zorvik-disc set` takes for a setting.
enum class ValueRule {
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
enum class Piece {
  None,
  Marked,     // the option when the box is checked or greyed
  Checked,    // the option when the box is checked
  ListEntry,  // the option and the chosen entry when it is not the first
  Skin,       // the option and the skin's name when one is chosen
  StartTime,  // the option and the start time when checked and the time is a number
};

struct Setting {
  // The record's member: one of the three.
  std::string SettingsRecord::*text = nullptr;
  int SettingsRecord::*number = nullptr;
  bool SettingsRecord::*flag = nullptr;
  // The name `set` takes and `show` prints; none for a setting named together with another.
  const char* name = nullptr;
  Holder holder = Holder::Text;
  CheckBox OptionsWindowControls::*check = nullptr;
  TextBox OptionsWindowControls::*box = nullptr;
  ComboBox OptionsWindowControls::*list = nullptr;
  FindMethod method = kAutoDetect;
  After after = After::Comma;
  // Loading sets the controls in this order (lowest first), and each control's reaction runs as
  // a user's change would: the order is part of what a load does.
  int loadStep = 0;
  Factory factory = Factory::Keep;
  int factoryNumber = 0;
  const char* factoryText = "";
  ValueRule rule = ValueRule::Text;
  const char* values = "";  // what the value may be, as the help shows it
  const char* help = "";
  Piece piece = Piece::None;
  int slot = 0;                            // the piece's place among the option string's eight
  const char* option = "";                 // ends in '=' when a value follows
  std::span<const char* const> entries{};  // a list's entries
};

namespace settings_rows {
using R = SettingsRecord;
using O = OptionsWindowControls;
// clang-format off
inline constexpr Setting kSettings[] = {
    {.text = &R::language, .name = "language", .holder = Holder::Language, .after = After::LineEnd, .loadStep = -1,
     .rule = ValueRule::Language, .values = "en | el", .help = "the language the launcher starts in"},
    {.text = &R::movieFile, .name = "movie", .box = &O::TxtAviName, .loadStep = 10,
     .factory = Factory::Text, .rule = ValueRule::Movie, .values = "NAME | PATH",
     .help = "the movie: a file name beside the launcher (find=auto) or a full path (find=path)"},
    {.number = &R::exitAfterLaunch, .name = "exit-after-launch", .holder = Holder::Check, .check = &O::ChkZorvikexit, .loadStep = 7,
     .factory = Factory::Number, .factoryNumber = kChecked, .rule = ValueRule::Switch, .values = "on | off",
     .help = "the launcher closes about a minute after Play"},
    {.number = &R::hideBanner, .name = "hide-banner", .holder = Holder::Check, .check = &O::ChkBanner, .after = After::LineEnd, .loadStep = 6,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off",
     .help = "hide the cover banner when there is no cover"},
    {.flag = &R::autoDetect, .name = "find", .holder = Holder::Method, .method = kAutoDetect, .loadStep = 12,
     .factory = Factory::Number, .factoryNumber = 1, .rule = ValueRule::Find, .values = "auto | path | ini",
     .help = "how Play finds the movie: beside the launcher, a full path, or a player settings file"},
    {.flag = &R::iniFile, .holder = Holder::Method, .method = kIniFile, .loadStep = 13},
    {.flag = &R::typedPath, .holder = Holder::Method, .method = kTypedPath, .after = After::SharedLine, .loadStep = 14},
    {.text = &R::playerPath, .name = "player", .box = &O::TxtBSpath, .loadStep = 15,
     .rule = ValueRule::PlayerPath, .values = "PATH",
     .help = "the player's path on the viewer's computer; empty: read from its registry key"},
    {.text = &R::playerIni, .name = "player-ini", .box = &O::TxtBSini, .loadStep = 9,
     .factory = Factory::IniWord, .rule = ValueRule::PlayerIni, .values = "PATH | default",
     .help = "the player's .ini or .bsi file for find=ini; default: the player's own"},
    {.number = &R::detectVersion, .name = "version-warning", .holder = Holder::Check, .check = &O::ChkVersion, .after = After::LineEnd, .loadStep = 0,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off",
     .help = "warn of an old player also after Apply in the options"},
    {.number = &R::writeSubStyle, .name = "write-subtitle-style", .holder = Holder::Check, .check = &O::ChkSubs, .loadStep = 11,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off",
     .help = "Apply writes the subtitle style to the player's registry"},
    {.number = &R::writeSubFolder, .name = "write-subtitle-folder", .holder = Holder::Check, .check = &O::ChkSubPath, .loadStep = 2,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off",
     .help = "Apply writes the subtitle folder to the player's registry"},
    {.number = &R::aspect, .name = "aspect", .holder = Holder::List, .list = &O::CmbAspect, .loadStep = 17,
     .factory = Factory::Number, .rule = ValueRule::Aspect, .values = "Original | 16:9 | 4:3", .help = "the aspect ratio",
     .piece = Piece::ListEntry, .slot = 3, .option = "-ar=", .entries = kAspectRatios},
    {.number = &R::disableSubs, .name = "subtitles-off", .holder = Holder::Check, .check = &O::ChkSubsDisable, .loadStep = 8,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off", .help = "play without subtitles",
     .piece = Piece::Marked, .slot = 1, .option = "-nsub"},
    {.number = &R::fullScreen, .name = "fullscreen", .holder = Holder::Check, .check = &O::ChkFull, .loadStep = 18,
     .factory = Factory::Number, .factoryNumber = kChecked, .rule = ValueRule::Switch, .values = "on | off", .help = "play full screen",
     .piece = Piece::Checked, .slot = 2, .option = "-fs"},
    {.number = &R::endAtEnd, .name = "close-at-end", .holder = Holder::Check, .check = &O::ChkEend, .loadStep = 19,
     .factory = Factory::Number, .factoryNumber = kChecked, .rule = ValueRule::Switch, .values = "on | off",
     .help = "the player closes at the end of the movie",
     .piece = Piece::Checked, .slot = 5, .option = "-eend"},
    {.text = &R::skin, .name = "skin", .holder = Holder::Skin, .loadStep = 20,
     .rule = ValueRule::Skin, .values = "NAME | none", .help = "the player's skin",
     .piece = Piece::Skin, .slot = 0, .option = "-skin="},
    {.number = &R::panScan, .name = "pan-scan", .holder = Holder::Check, .check = &O::ChkPanScan, .loadStep = 21,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off", .help = "pan-scan display",
     .piece = Piece::Checked, .slot = 6, .option = "-pan"},
    {.number = &R::startAt, .name = "start", .holder = Holder::Check, .check = &O::ChkStart, .loadStep = 22,
     .factory = Factory::Number, .rule = ValueRule::Switch, .values = "on | off", .help = "start the movie at start-seconds",
     .piece = Piece::StartTime, .slot = 4, .option = "-stime="},
    {.text = &R::startPosition, .name = "start-seconds", .box = &O::TxtSec, .loadStep = 24,
     .factory = Factory::Text, .factoryText = kSecondsPlaceholder, .rule = ValueRule::Seconds, .values = "SECONDS | M:SS",
     .help = "where the movie starts, up to 10 hours; the launcher starts the trailers there too"},
    {.number = &R::resolution, .name = "resolution", .holder = Holder::List, .list = &O::CmbRes, .after = After::LineEnd, .loadStep = 23,
     .factory = Factory::Number, .rule = ValueRule::Resolution, .values = "Original | 640x480x16 | ... | 1600x1200x32",
     .help = "the screen resolution while playing",
     .piece = Piece::ListEntry, .slot = 7, .option = "-res=", .entries = kResolutions},
    {.number = &R::useApi, .name = "use-api", .holder = Holder::Check, .check = &O::ChkAPI, .loadStep = 3,
     .rule = ValueRule::Switch, .values = "on | off", .help = "kept for the options window; Play doesn't use it"},
    {.number = &R::shutDown, .name = "shutdown", .holder = Holder::Check, .check = &O::ChkShutDown, .after = After::LineEnd, .loadStep = 4,
     .rule = ValueRule::Switch, .values = "on | off", .help = "kept for the options window; Play doesn't use it"},
    {.text = &R::parameters, .name = "parameters", .box = &O::TxtParam, .after = After::LineEndAndEmptyLine, .loadStep = 16,
     .factory = Factory::Text, .factoryText = "-fs -eend", .rule = ValueRule::Text, .values = "TEXT",
     .help = "the player's options as Play passes them; typed, they set the playback options they say; a playback "
             "option's change rebuilds them, keeping the options the options window doesn't know"},
    {.text = &R::movieTitle, .name = "title", .holder = Holder::MovieTitle, .after = After::LineEnd, .loadStep = 1,
     .rule = ValueRule::Text, .values = "TEXT", .help = "the movie's title on the main window"},
};
// clang-format on
}  // namespace settings_rows
using settings_rows::kSettings;

inline constexpr int kLastLoadStep = 24;

}  // namespace zorvik
