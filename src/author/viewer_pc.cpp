#include "author/viewer_pc.h"

#include <cstdio>
#include <vector>

#include "core/file_names.h"
#include "core/text_util.h"

namespace zorvik::author {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return out;
    start = end + 1;
  }
}

std::optional<LocalDate> ParseDate(const std::string& text) {
  int y = 0, m = 0, d = 0;
  char rest = 0;
  if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &rest) != 3) {
    return std::nullopt;
  }
  if (y < 1601 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  return LocalDate{y, m, d};
}

std::string WithoutTrailingBackslash(std::string path) {
  while (path.size() > 3 && path.back() == '\\')
    path.pop_back();
  return path;
}

bool Apply(ViewerPc& pc, const std::string& item, std::string& error) {
  if (item == "ready") {
    pc = ViewerPc{};
    return true;
  }
  if (item == "bare") {
    pc.player.clear();
    pc.xvid = pc.divx = pc.ffdshow = false;
    return true;
  }
  const size_t eq = item.find('=');
  if (eq == std::string::npos) {
    error = "\"" + item + "\" is neither a preset (ready, bare) nor KEY=VALUE";
    return false;
  }
  const std::string key = item.substr(0, eq);
  const std::string value = item.substr(eq + 1);
  if (key == "player") {
    if (value == "none") {
      pc.player.clear();
    } else if (IsFullWindowsPath(value)) {
      pc.player = value;
    } else {
      error = "player=" + value + ": give the player's full Windows path, or none";
      return false;
    }
  } else if (key == "player-date") {
    if (value == "missing") {
      pc.playerDate.reset();
    } else if (std::optional<LocalDate> d = ParseDate(value)) {
      pc.playerDate = d;
    } else {
      error = "player-date=" + value + ": give a date as YYYY-MM-DD, or missing";
      return false;
    }
  } else if (key == "codecs") {
    bool xvid = false, divx = false, ffdshow = false;
    // The names as check prints them (XviD, DivX, FFdshow) or in any other case.
    if (EqualsIgnoreCase(value, "all")) {
      xvid = divx = ffdshow = true;
    } else if (!EqualsIgnoreCase(value, "none")) {
      for (const std::string& codec : Split(value, '+')) {
        if (EqualsIgnoreCase(codec, "xvid")) {
          xvid = true;
        } else if (EqualsIgnoreCase(codec, "divx")) {
          divx = true;
        } else if (EqualsIgnoreCase(codec, "ffdshow")) {
          ffdshow = true;
        } else {
          error = "codecs=" + value + ": \"" + codec + "\" is not xvid, divx or ffdshow";
          return false;
        }
      }
    }
    pc.xvid = xvid;
    pc.divx = divx;
    pc.ffdshow = ffdshow;
  } else if (key == "windows") {
    if (!IsFullWindowsPath(value)) {
      error = "windows=" + value + ": give the Windows folder's full path, as C:\\WINDOWS";
      return false;
    }
    pc.windows = WithoutTrailingBackslash(value);
  } else if (key == "disc") {
    if (IsDrivePath(value)) {
      pc.disc = value + "\\";
    } else if (IsFullWindowsPath(value)) {
      pc.disc = WithoutTrailingBackslash(value);
    } else {
      error = "disc=" + value + ": give a drive (E:) or a folder's full path";
      return false;
    }
  } else {
    error = "\"" + key +
            "\" is not a key of the viewer's computer (player, player-date, codecs, windows, disc)";
    return false;
  }
  return true;
}

}  // namespace

bool IsDrivePath(const std::string& path) {
  if (path.size() != 2) return false;
  const char c = path[0];
  return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && path[1] == ':';
}

bool IsFullWindowsPath(const std::string& path) {
  return path.size() >= 3 && IsDrivePath(path.substr(0, 2)) && path[2] == '\\';
}

std::optional<ViewerPc> ParseViewerPc(const std::string& description, std::string& error) {
  ViewerPc pc;
  for (const std::string& item : Split(description, ',')) {
    if (item.empty()) continue;
    if (!Apply(pc, item, error)) return std::nullopt;
  }
  // The disc is a drive or folder of its own: a Windows folder inside it would hide the codecs.
  const auto folder = [](const std::string& path) {
    return path.ends_with('\\') ? path : path + '\\';
  };
  const std::string windows = folder(pc.windows), disc = folder(pc.disc);
  if (windows.size() >= disc.size() && SameName(windows.substr(0, disc.size()), disc)) {
    error = "windows=" + pc.windows + ": the Windows folder can't be on the viewer's disc (" +
            pc.disc + ")";
    return std::nullopt;
  }
  return pc;
}

std::string DescribeViewerPc(const ViewerPc& pc) {
  std::string out = pc.player.empty() ? "no player" : "the player " + pc.player;
  if (!pc.player.empty()) {
    char date[32];
    if (pc.playerDate) {
      std::snprintf(date, sizeof date, " dated %04d-%02d-%02d", pc.playerDate->year,
                    pc.playerDate->month, pc.playerDate->day);
      out += date;
    } else {
      out += " (no file there)";
    }
  }
  std::string codecs;
  for (const auto& [has, name] :
       {std::pair{pc.xvid, "XviD"}, std::pair{pc.divx, "DivX"}, std::pair{pc.ffdshow, "FFdshow"}}) {
    if (has) codecs += (codecs.empty() ? "" : ", ") + std::string(name);
  }
  out += "; codecs: " + (codecs.empty() ? std::string("none") : codecs);
  out += "; Windows in " + pc.windows + "; the disc at " + pc.disc;
  return out;
}

}  // namespace zorvik::author
