// What a viewer meets when the disc goes in: the launcher's own start-up run on the disc folder
// for a described computer, Play and each trailer pressed as a person would, the menus as they
// stand; and what could go wrong before the disc is burnt.
#pragma once

#include <string>
#include <vector>

#include "author/disc_files.h"
#include "author/disc_platform.h"
#include "author/viewer_pc.h"

namespace zorvik::author {

enum class Severity {
  Viewer,   // the viewer meets it: a message, something that won't play or start
  Warning,  // looks wrong or works only by chance
  Note,
};

struct Problem {
  Severity severity = Severity::Note;
  std::string code;  // stable, for scripts: "play-disabled"
  std::string text;
};

struct MenuView {
  std::string name;     // the launcher's name for the entry
  std::string caption;  // as the menu shows it
  bool enabled = true;
  bool checked = false;
  std::string does;  // what choosing it did, for the entries the check chose
  std::vector<MenuView> entries;
};

struct PlayView {
  std::string what;                   // "Play", or the trailer's menu text
  bool available = false;             // the viewer can press it
  bool started = false;               // something was started
  bool bare = false;                  // the player started as a program without parameters
  std::string program;                // what was started
  std::string parameters;             // exactly what the player is given
  bool closes = false;                // the launcher closes about a minute later
  std::vector<MessageBoxCall> boxes;  // boxes the press brought up
};

struct CheckReport {
  std::string pc;         // the viewer's computer in words
  std::string driveName;  // the name autorun.inf gives the drive, as Windows shows it
  bool startedUp = true;
  std::vector<MessageBoxCall> startBoxes;
  std::string language;
  std::vector<MenuView> menus;
  std::string title;
  double titleSize = 0;
  std::string cover;  // the picture in the banner; empty: the launcher's own
  int coverWidth = 0, coverHeight = 0;
  int boxWidth = 0, boxHeight = 0;  // the cover box, in pixels at 96 dots per inch
  bool banner = true;
  PlayView play;
  std::vector<PlayView> trailers;
  std::vector<Problem> problems;

  int Count(Severity s) const;
  bool ReachesViewer() const {
    return !startedUp || !startBoxes.empty() || Count(Severity::Viewer);
  }
};

CheckReport CheckDisc(DiscFiles& disc, const ViewerPc& pc);

// The problems of the disc's names and paths for an ISO 9660 image with Joliet names, which
// Windows reads.
std::vector<Problem> CheckDiscNames(DiscPlatform& platform);

// The order the launcher takes the videos beside it in, in words.
inline constexpr const char* kVideoOrder =
    "of .wma, .asf, .ogm, .mpeg, .mpg and .avi files the last kind there wins, and of one kind "
    "the first listed";
// The file name of the video the launcher finds beside itself with find=auto; empty: none.
std::string MovieFoundBesideLauncher(DiscFiles& disc);
// The videos beside the launcher, as the disc lists them.
std::vector<std::string> VideosBesideLauncher(DiscPlatform& platform);

// A caption as a menu shows it: "&&" is an ampersand, a single "&" underlines the next letter.
std::string MenuText(const std::string& caption);

}  // namespace zorvik::author
