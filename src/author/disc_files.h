// The files of a disc folder, addressed by the names they are stored under. The folder itself is
// on the author's computer (HostFolder) or, for a launcher run on a record alone, in memory.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"

namespace zorvik::author {

// A path inside the disc, one stored name a level; empty is the disc's root.
using DiscPath = std::vector<std::string>;

enum class EntryKind { File, Folder, Other };

struct DiscEntry {
  std::string name;
  EntryKind kind = EntryKind::File;
  std::uintmax_t size = 0;
  LocalDate lastWrite;
};

class DiscFiles {
 public:
  virtual ~DiscFiles() = default;
  // The entries of a folder, in no particular order; nothing when it isn't a folder.
  virtual std::optional<std::vector<DiscEntry>> List(const DiscPath& folder) = 0;
  // A file's bytes; nothing when it can't be read or holds more than `limit` bytes.
  virtual std::optional<std::string> Read(const DiscPath& file, std::uintmax_t limit) = 0;
  // Up to `bytes` bytes from a file's start: a movie's header.
  virtual std::optional<std::string> ReadStart(const DiscPath& file, size_t bytes) = 0;
  // Replaces a file whole or leaves it as it was; `error` says why it failed.
  virtual bool WriteAtomic(const DiscPath& file, std::string_view bytes, std::string& error) = 0;
  virtual bool MakeFolder(const DiscPath& folder, std::string& error) = 0;
};

// "a\b\c" as a path of the disc's own names: "a/b/c".
std::string ShowDiscPath(const DiscPath& path, char separator = '\\');

// A disc in memory: the tests' discs and a record's launcher.
class MemoryDisc : public DiscFiles {
 public:
  MemoryDisc& Add(const std::string& path, std::string bytes = "",
                  LocalDate lastWrite = {2006, 1, 1});
  MemoryDisc& AddFolder(const std::string& path);
  std::optional<std::string> Bytes(const std::string& path) const;

  std::optional<std::vector<DiscEntry>> List(const DiscPath& folder) override;
  std::optional<std::string> Read(const DiscPath& file, std::uintmax_t limit) override;
  std::optional<std::string> ReadStart(const DiscPath& file, size_t bytes) override;
  bool WriteAtomic(const DiscPath& file, std::string_view bytes, std::string& error) override;
  bool MakeFolder(const DiscPath& folder, std::string& error) override;

 private:
  struct Node {
    bool folder = false;
    std::string bytes;
    LocalDate lastWrite;
  };
  static DiscPath Parse(const std::string& path);
  std::map<DiscPath, Node> nodes_;
};

}  // namespace zorvik::author
