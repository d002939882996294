#include "author/disc_platform.h"

#include <algorithm>
#include <cstring>

#include "author/names.h"
#include "author/picture_header.h"
#include "core/form.h"
#include "core/text_util.h"
#include "pictures/jpeg_eighth.h"
#include "pictures/picture_plan.h"

namespace zorvik::author {

namespace {

// No file the launcher reads from a disc is anywhere near this big.
constexpr std::uintmax_t kReadLimit = 64u << 20;

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> out;
  std::string part;
  for (char c : path + "\\") {
    if (c == '\\' || c == '/') {
      out.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  return out;
}

bool SameParts(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](auto& x, auto& y) { return SameName(x, y); });
}

}  // namespace

DiscPlatform::DiscPlatform(DiscFiles& disc, ViewerPc pc) : disc_(disc), pc_(std::move(pc)) {
  discParts_ = FullParts(pc_.disc);
  const auto addFolder = [this](const std::string& path) {
    std::vector<std::string> parts = FullParts(path);
    for (size_t n = 1; n <= parts.size(); ++n) {
      std::vector<std::string> p(parts.begin(), parts.begin() + static_cast<long>(n));
      if (!computer_.contains(FoldCase(JoinParts(p))))
        computer_[FoldCase(JoinParts(p))] = {p, true, {2003, 1, 1}};
    }
  };
  const auto addFile = [&](const std::string& path, LocalDate date) {
    std::vector<std::string> parts = FullParts(path);
    addFolder(JoinParts(std::vector<std::string>(parts.begin(), parts.end() - 1)));
    computer_[FoldCase(JoinParts(parts))] = {parts, false, date};
  };
  const std::string windows = pc_.windows;
  const std::string drive = windows.substr(0, 3);
  addFolder(JoinPath(windows, "system32"));
  addFolder(JoinPath(windows, "system"));
  addFile(JoinPath(windows, "NOTEPAD.EXE"), {2001, 8, 23});
  if (pc_.xvid) addFile(JoinPath(windows, "system32\\xvid.dll"), {2004, 1, 1});
  if (pc_.divx) addFile(JoinPath(windows, "system32\\divx.dll"), {2004, 1, 1});
  if (pc_.ffdshow) addFile(drive + "Program Files\\ffdshow\\ffdshow.ax", {2004, 1, 1});
  // The player's key is there when the player is.
  keyExists = !pc_.player.empty();
  if (keyExists) {
    SetRegString("Apppath", pc_.player);
    if (pc_.playerDate) {
      addFile(pc_.player, *pc_.playerDate);
    } else {
      const std::vector<std::string> parts = FullParts(pc_.player);
      addFolder(JoinParts(std::vector<std::string>(parts.begin(), parts.end() - 1)));
    }
  }
}

std::string DiscPlatform::JoinParts(const std::vector<std::string>& parts) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    out += parts[i];
    if (i + 1 < parts.size() || parts.size() == 1) out += '\\';
  }
  return out;
}

std::vector<std::string> DiscPlatform::FullParts(const std::string& path) const {
  std::string full;
  const std::string current = discParts_.empty() ? "D:\\" : JoinParts(discParts_);
  if (IsDrivePath(path.substr(0, 2))) {
    full = path.substr(0, 2) + "\\" + path.substr(2);
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    full = current.substr(0, 2) + path;
  } else {
    full = JoinPath(current, path);
  }
  std::vector<std::string> out;
  for (const std::string& part : SplitPath(full)) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (out.size() > 1) out.pop_back();
      continue;
    }
    out.push_back(part);
  }
  return out;
}

std::optional<std::vector<std::string>> DiscPlatform::InsideDisc(
    const std::vector<std::string>& full) const {
  if (full.size() < discParts_.size()) return std::nullopt;
  const std::vector<std::string> head(full.begin(),
                                      full.begin() + static_cast<long>(discParts_.size()));
  if (!SameParts(head, discParts_)) return std::nullopt;
  return std::vector<std::string>(full.begin() + static_cast<long>(discParts_.size()), full.end());
}

std::vector<DiscEntry> DiscPlatform::Listing(const DiscPath& folder) {
  auto cached = listings_.find(folder);
  if (cached != listings_.end()) return cached->second;
  std::vector<DiscEntry> entries = disc_.List(folder).value_or(std::vector<DiscEntry>{});
  std::stable_sort(entries.begin(), entries.end(), [](const DiscEntry& a, const DiscEntry& b) {
    return ListsBefore(a.name, b.name);
  });
  return listings_[folder] = std::move(entries);
}

DiscLookup DiscPlatform::LookInside(const std::vector<std::string>& inside) {
  DiscLookup r;
  r.onDisc = true;
  r.kind = EntryKind::Folder;
  for (const std::string& part : inside) {
    if (r.kind != EntryKind::Folder) return r;
    const std::vector<DiscEntry> entries = Listing(r.stored);
    const DiscEntry* hit = nullptr;
    for (const DiscEntry& e : entries) {
      if (e.name == part) hit = &e;
    }
    if (!hit) {
      for (const DiscEntry& e : entries) {
        if (!hit && SameName(e.name, part)) hit = &e;
      }
      if (hit) r.caseOnly = true;
    }
    if (!hit) return r;
    r.stored.push_back(hit->name);
    r.kind = hit->kind;
  }
  r.found = true;
  return r;
}

DiscLookup DiscPlatform::Look(const std::string& windowsPath) {
  const std::optional<std::vector<std::string>> inside = InsideDisc(FullParts(windowsPath));
  if (!inside) return {};
  return LookInside(*inside);
}

bool DiscPlatform::FileExists(const std::string& path) {
  const std::vector<std::string> full = FullParts(path);
  if (const auto inside = InsideDisc(full)) {
    const DiscLookup r = LookInside(*inside);
    return r.found && r.kind == EntryKind::File;
  }
  const auto it = computer_.find(FoldCase(JoinParts(full)));
  return it != computer_.end() && !it->second.folder;
}

bool DiscPlatform::FolderExists(const std::string& path) {
  const std::vector<std::string> full = FullParts(path);
  if (const auto inside = InsideDisc(full)) {
    const DiscLookup r = LookInside(*inside);
    return r.found && r.kind == EntryKind::Folder;
  }
  const auto it = computer_.find(FoldCase(JoinParts(full)));
  return it != computer_.end() && it->second.folder;
}

bool DiscPlatform::CreateFolder(const std::string& path) {
  const std::optional<std::vector<std::string>> inside = InsideDisc(FullParts(path));
  if (!writable || !inside || inside->empty()) return false;
  const DiscLookup parent = LookInside({inside->begin(), inside->end() - 1});
  if (!parent.found || parent.kind != EntryKind::Folder) {
    writeError_ = "the folder it goes in isn't there";
    return false;
  }
  if (LookInside(*inside).found) {
    writeError_ = "a file has that name";
    return false;
  }
  DiscPath folder = parent.stored;
  folder.push_back(inside->back());
  listings_.clear();
  return disc_.MakeFolder(folder, writeError_);
}

std::optional<std::string> DiscPlatform::ReadFile(const std::string& path, size_t largest) {
  const DiscLookup r = Look(path);
  if (!r.found || r.kind != EntryKind::File) return std::nullopt;
  return disc_.Read(r.stored, std::min<std::uintmax_t>(largest, kReadLimit));
}

bool DiscPlatform::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::optional<std::vector<std::string>> inside = InsideDisc(FullParts(path));
  if (!writable || !inside || inside->empty()) {
    writeError_ = "the disc can't be written";
    return false;
  }
  const DiscLookup parent = LookInside({inside->begin(), inside->end() - 1});
  if (!parent.found || parent.kind != EntryKind::Folder) {
    writeError_ = "its folder is missing";
    return false;
  }
  const DiscLookup existing = LookInside(*inside);
  DiscPath file = parent.stored;
  file.push_back(existing.found ? existing.stored.back() : inside->back());
  listings_.clear();
  return disc_.WriteAtomic(file, bytes, writeError_);
}

std::optional<FindRecord> DiscPlatform::FindOnComputer(const std::vector<std::string>& full) {
  const std::vector<std::string> folder(full.begin(), full.end() - 1);
  for (const auto& [key, entry] : computer_) {
    if (entry.parts.size() != full.size()) continue;
    const std::vector<std::string> parent(entry.parts.begin(), entry.parts.end() - 1);
    if (SameParts(parent, folder) && MatchesPattern(full.back(), entry.parts.back())) {
      return FindRecord{entry.parts.back(), entry.date};
    }
  }
  return std::nullopt;
}

std::optional<FindRecord> DiscPlatform::FindFirst(const std::string& pattern) {
  const std::vector<std::string> full = FullParts(pattern);
  if (full.size() < 2) return std::nullopt;
  const std::optional<std::vector<std::string>> inside = InsideDisc(full);
  if (!inside) return FindOnComputer(full);
  if (inside->empty()) return std::nullopt;
  const DiscLookup folder = LookInside({inside->begin(), inside->end() - 1});
  if (!folder.found || folder.kind != EntryKind::Folder) return std::nullopt;
  for (const DiscEntry& e : Listing(folder.stored)) {
    if (MatchesPattern(inside->back(), e.name)) return FindRecord{e.name, e.lastWrite};
  }
  return std::nullopt;
}

std::string DiscPlatform::WindowsFolder() {
  return pc_.windows;
}

std::string DiscPlatform::LauncherFolder() {
  return pc_.disc;
}

std::vector<std::string> DiscPlatform::ProgramFilesFolders() {
  return {pc_.windows.substr(0, 2) + "\\Program Files"};
}

FileDialogResult DiscPlatform::OpenFileDialog(const std::string& filter, const std::string&) {
  dialogs.push_back(filter);
  return {};
}

void DiscPlatform::ShowModal(Form& form) {
  dialogs.push_back(form.Name());
}

Picture DiscPlatform::LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                                  std::string& error) {
  const std::optional<std::string> bytes = ReadFile(path, kReadLimit);
  if (!bytes) {
    error = "the file can't be read.";
    return {};
  }
  const PictureHeader h = ReadPictureHeader(*bytes);
  if (!h.ok) {
    error = h.error + ".";
    return {};
  }
  // The launcher plans its reading as on a screen of 96 dots per inch here, and refuses what it
  // can't read within its memory; a JPEG it can read at an eighth is planned that way.
  MemorySource source(*bytes);
  JpegEighth jpeg(source);
  const std::optional<JpegFrame> frame = jpeg.ReadFrame();
  if (PlanReading({h.width, h.height}, BoxPixels(boxWidth, boxHeight),
                  frame && frame->eighthPossible) == PictureReading::TooLarge) {
    error = kPictureTooLarge;
    return {};
  }
  return Picture{path, h.width, h.height, {}};
}

}  // namespace zorvik::author
