#include "core/listed_disc.h"

#include <algorithm>

#include "core/file_names.h"
#include "core/text_util.h"

namespace zorvik {

namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A name the listing can look up as the system would: no wildcard but a * where a pattern is
// asked for, nothing the system would trim or read as an 8.3 alias, a stream or a device.
bool Plain(std::string_view part, bool pattern) {
  if (part.empty() || part == "." || part == ".." || part.back() == '.' || part.back() == ' ') {
    return false;
  }
  for (char c : part) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("<>:\"/|?~").find(c) != std::string_view::npos || (c == '*' && !pattern)) {
      return false;
    }
  }
  return true;
}

// The listing compares ASCII names only. Windows's case table also turns the dotless i and the
// long s into ASCII letters: beside such a name, a name the listing lacks may still be found.
bool MissTrusted(std::string_view name, const std::vector<FolderEntry>& entries) {
  return IsAscii(name) && std::none_of(entries.begin(), entries.end(), [](const FolderEntry& e) {
           return e.name.find("\xC4\xB1") != std::string::npos ||
                  e.name.find("\xC5\xBF") != std::string::npos;
         });
}

// The entry of that name, the one spelt as asked first, as the system finds it.
const FolderEntry* Entry(const std::vector<FolderEntry>& entries, std::string_view name) {
  const FolderEntry* found = nullptr;
  for (const FolderEntry& e : entries) {
    if (e.name == name) return &e;
    if (!found && e.name != "." && e.name != ".." && EqualsIgnoreCase(e.name, name)) found = &e;
  }
  return found;
}

std::string WithoutTrailingBackslash(std::string path) {
  while (path.size() > 1 && path.back() == '\\' && !(path.size() == 3 && path[1] == ':'))
    path.pop_back();
  return path;
}

}  // namespace

void ListedDisc::SetListing(bool on) {
  listing_ = on;
  if (!on) Forget();
}

void ListedDisc::Forget() {
  folders_.clear();
  files_.clear();
  currentIsLauncher_.reset();
}

const ListedDisc::Folder& ListedDisc::Listed(const std::string& key, const std::string& folder) {
  for (const Folder& f : folders_) {
    if (f.key == key) return f;
  }
  Folder& f = folders_.emplace_back();
  f.key = key;
  if (std::optional<FolderListing> l = p_.ListFolder(folder)) {
    f.listed = true;
    f.entries = std::move(l->entries);
  }
  return f;
}

bool ListedDisc::Locate(const std::string& path, bool pattern, std::vector<std::string>& parts) {
  if (!listing_) return false;
  const std::string launcher = WithoutTrailingBackslash(p_.LauncherFolder());
  const std::string prefix = JoinPath(launcher, "");
  std::string rest;
  if (path.size() > prefix.size() && EqualsIgnoreCase(path.substr(0, prefix.size()), prefix)) {
    rest = path.substr(prefix.size());
  } else if (path.find(':') == std::string::npos && !path.starts_with('\\') &&
             !path.starts_with('/')) {
    // A relative path counts from the current folder: the disc's only when the launcher runs
    // from there.
    if (!currentIsLauncher_) {
      std::optional<FolderListing> current = p_.ListFolder("");
      currentIsLauncher_ =
          current && EqualsIgnoreCase(WithoutTrailingBackslash(current->folder), launcher);
      if (*currentIsLauncher_) folders_.push_back({"", true, std::move(current->entries)});
    }
    if (!*currentIsLauncher_) return false;
    rest = path;
  } else {
    return false;
  }
  parts.clear();
  for (size_t start = 0;;) {
    const size_t end = rest.find('\\', start);
    parts.push_back(rest.substr(start, end - start));
    if (!Plain(parts.back(), pattern && end == std::string::npos)) return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

std::pair<bool, const ListedDisc::Folder*> ListedDisc::FolderAt(
    const std::vector<std::string>& parts) {
  std::string folder = WithoutTrailingBackslash(p_.LauncherFolder()), key;
  const Folder* f = &Listed(key, folder);
  for (const std::string& part : parts) {
    if (!f->listed) return {false, nullptr};
    const FolderEntry* entry = Entry(f->entries, part);
    if (!entry) return {MissTrusted(part, f->entries), nullptr};
    if (!entry->folder) return {true, nullptr};
    folder = JoinPath(folder, entry->name);
    key = JoinPath(key, entry->name);
    f = &Listed(key, folder);
  }
  if (!f->listed) return {false, nullptr};
  return {true, f};
}

ListedDisc::Answer ListedDisc::Look(const std::string& path) {
  std::vector<std::string> parts;
  if (!Locate(path, false, parts)) return {};
  const std::string name = parts.back();
  parts.pop_back();
  const auto [known, folder] = FolderAt(parts);
  if (!folder) return {known, nullptr};
  const FolderEntry* entry = Entry(folder->entries, name);
  return {entry || MissTrusted(name, folder->entries), entry};
}

bool ListedDisc::FileExists(const std::string& path) {
  // A folder's name with a backslash after it (the cover's folder when it holds no cover) names
  // no file; a file's name with one is left to the system.
  const bool slash = path.ends_with('\\');
  const Answer a = Look(slash ? WithoutTrailingBackslash(path) : path);
  if (a.known && !(slash && a.entry && !a.entry->folder)) return a.entry && !a.entry->folder;
  return p_.FileExists(path);
}

bool ListedDisc::FolderExists(const std::string& path) {
  const Answer a = Look(WithoutTrailingBackslash(path));
  if (a.known) return a.entry && a.entry->folder;
  return p_.FolderExists(path);
}

std::optional<FindRecord> ListedDisc::FindFirst(const std::string& pattern) {
  if (pattern.find('*') == std::string::npos) {
    const Answer a = Look(pattern);
    if (!a.known) return p_.FindFirst(pattern);
    if (!a.entry) return std::nullopt;
    return FindRecord{a.entry->name, a.entry->lastWrite};
  }
  std::vector<std::string> parts;
  if (!Locate(pattern, true, parts)) return p_.FindFirst(pattern);
  const std::string name = parts.back();
  parts.pop_back();
  const auto [known, folder] = FolderAt(parts);
  if (known && !folder) return std::nullopt;
  if (!known || !MissTrusted(name, folder->entries)) return p_.FindFirst(pattern);
  for (const FolderEntry& e : folder->entries) {
    if (MatchesPattern(name, e.name) ||
        (!e.shortName.empty() && MatchesPattern(name, e.shortName))) {
      return FindRecord{e.name, e.lastWrite};
    }
  }
  return std::nullopt;
}

std::optional<std::string> ListedDisc::ReadFile(const std::string& path, size_t largest) {
  std::vector<std::string> parts;
  if (!Locate(path, false, parts)) return p_.ReadFile(path, largest);
  for (const auto& [read, bytes] : files_) {
    if (EqualsIgnoreCase(read, path)) {
      if (bytes.size() > largest) return std::nullopt;
      return bytes;
    }
  }
  std::optional<std::string> bytes = p_.ReadFile(path, largest);
  if (bytes) files_.emplace_back(path, *bytes);
  return bytes;
}

bool ListedDisc::CreateFolder(const std::string& path) {
  Forget();
  return p_.CreateFolder(path);
}

bool ListedDisc::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  Forget();
  return p_.WriteFileAtomic(path, bytes);
}

}  // namespace zorvik
