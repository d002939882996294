#include "author/disc_files.h"

#include <algorithm>

namespace zorvik::author {

std::string ShowDiscPath(const DiscPath& path, char separator) {
  std::string out;
  for (const std::string& part : path) {
    if (!out.empty()) out += separator;
    out += part;
  }
  return out;
}

DiscPath MemoryDisc::Parse(const std::string& path) {
  DiscPath out;
  std::string part;
  for (char c : path + "\\") {
    if (c == '\\' || c == '/') {
      if (!part.empty()) out.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  return out;
}

MemoryDisc& MemoryDisc::AddFolder(const std::string& path) {
  DiscPath p = Parse(path);
  for (size_t n = 1; n <= p.size(); ++n) {
    nodes_[DiscPath(p.begin(), p.begin() + static_cast<long>(n))].folder = true;
  }
  return *this;
}

MemoryDisc& MemoryDisc::Add(const std::string& path, std::string bytes, LocalDate lastWrite) {
  DiscPath p = Parse(path);
  if (p.size() > 1) AddFolder(ShowDiscPath(DiscPath(p.begin(), p.end() - 1)));
  nodes_[p] = Node{false, std::move(bytes), lastWrite};
  return *this;
}

std::optional<std::string> MemoryDisc::Bytes(const std::string& path) const {
  const auto it = nodes_.find(Parse(path));
  if (it == nodes_.end() || it->second.folder) return std::nullopt;
  return it->second.bytes;
}

std::optional<std::vector<DiscEntry>> MemoryDisc::List(const DiscPath& folder) {
  if (!folder.empty()) {
    const auto it = nodes_.find(folder);
    if (it == nodes_.end() || !it->second.folder) return std::nullopt;
  }
  std::vector<DiscEntry> out;
  for (const auto& [path, node] : nodes_) {
    if (path.size() != folder.size() + 1 || !std::equal(folder.begin(), folder.end(), path.begin()))
      continue;
    out.push_back({path.back(), node.folder ? EntryKind::Folder : EntryKind::File,
                   node.bytes.size(), node.lastWrite});
  }
  return out;
}

std::optional<std::string> MemoryDisc::Read(const DiscPath& file, std::uintmax_t limit) {
  const auto it = nodes_.find(file);
  if (it == nodes_.end() || it->second.folder || it->second.bytes.size() > limit) {
    return std::nullopt;
  }
  return it->second.bytes;
}

std::optional<std::string> MemoryDisc::ReadStart(const DiscPath& file, size_t bytes) {
  const auto it = nodes_.find(file);
  if (it == nodes_.end() || it->second.folder) return std::nullopt;
  return it->second.bytes.substr(0, bytes);
}

bool MemoryDisc::WriteAtomic(const DiscPath& file, std::string_view bytes, std::string& error) {
  const DiscPath parent(file.begin(), file.end() - (file.empty() ? 0 : 1));
  if (file.empty() || (!parent.empty() && !List(parent))) {
    error = "no such folder";
    return false;
  }
  const auto it = nodes_.find(file);
  if (it != nodes_.end() && it->second.folder) {
    error = "a folder has that name";
    return false;
  }
  nodes_[file] = Node{false, std::string(bytes), {2006, 1, 1}};
  return true;
}

bool MemoryDisc::MakeFolder(const DiscPath& folder, std::string& error) {
  const DiscPath parent(folder.begin(), folder.end() - (folder.empty() ? 0 : 1));
  if (folder.empty() || nodes_.contains(folder) || (!parent.empty() && !List(parent))) {
    error = "can't make that folder";
    return false;
  }
  nodes_[folder].folder = true;
  return true;
}

}  // namespace zorvik::author
