// A disc folder on the author's computer, through the standard file system library. Names are
// UTF-8 on every host.
#pragma once

#include <filesystem>
#include <string>

#include "author/disc_files.h"

namespace zorvik::author {

// UTF-8 text as a host path, and back.
std::filesystem::path HostPath(const std::string& utf8);
std::string HostText(const std::filesystem::path& path);

class HostFolder : public DiscFiles {
 public:
  explicit HostFolder(std::filesystem::path root) : root_(std::move(root)) {}
  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Where(const DiscPath& path) const;

  std::optional<std::vector<DiscEntry>> List(const DiscPath& folder) override;
  std::optional<std::string> Read(const DiscPath& file, std::uintmax_t limit) override;
  std::optional<std::string> ReadStart(const DiscPath& file, size_t bytes) override;
  bool WriteAtomic(const DiscPath& file, std::string_view bytes, std::string& error) override;
  bool MakeFolder(const DiscPath& folder, std::string& error) override;

 private:
  std::filesystem::path root_;
};

// A whole file of the host, or nothing when it can't be read or is larger than `limit`.
std::optional<std::string> ReadHostFile(const std::filesystem::path& path, std::uintmax_t limit);
// Writes beside the target and renames over it, so a failure leaves the old file whole.
bool WriteHostFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error);

}  // namespace zorvik::author
