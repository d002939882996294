// The viewer's computer that `check` runs the launcher on, described on the command line:
//
//   ITEM[,ITEM...]   applied left to right, each a preset or KEY=VALUE
//   ready            (the default) the player installed and recent, every codec, C:\WINDOWS
//   bare             no player, no codecs
//   player=PATH      the player's path in its registry key; player=none: no key at all
//   player-date=YYYY-MM-DD   the player program's date; player-date=missing: no file there
//   codecs=LIST      xvid, divx, ffdshow joined by '+'; codecs=none, codecs=all
//   windows=PATH     the Windows folder
//   disc=PATH        where the viewer's Windows sees the disc: a drive (E:) or a folder
#pragma once

#include <optional>
#include <string>

#include "core/platform.h"

namespace zorvik::author {

struct ViewerPc {
  std::string player = "C:\\Program Files\\BSplayer\\bplay.exe";  // empty: not installed
  std::optional<LocalDate> playerDate = LocalDate{2005, 6, 1};    // nothing: no such file
  bool xvid = true;
  bool divx = true;
  bool ffdshow = true;
  std::string windows = "C:\\WINDOWS";
  std::string disc = "D:\\";
};

// Nothing, with the reason in `error`, when the description can't be read.
std::optional<ViewerPc> ParseViewerPc(const std::string& description, std::string& error);

// One line saying what the computer has.
std::string DescribeViewerPc(const ViewerPc& pc);

// A drive letter and its colon.
bool IsDrivePath(const std::string& path);
// A Windows path that starts at a drive: "C:\\...".
bool IsFullWindowsPath(const std::string& path);

}  // namespace zorvik::author
