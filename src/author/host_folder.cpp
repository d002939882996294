#include "author/host_folder.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <system_error>

namespace zorvik::author {

namespace fs = std::filesystem;

namespace {

LocalDate LocalDateOf(fs::file_time_type time) {
  const auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(time));
  const std::time_t t = std::chrono::system_clock::to_time_t(sys);
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &t) != 0) return {};
#else
  if (!localtime_r(&t, &local)) return {};
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

fs::path HostPath(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string HostText(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

fs::path HostFolder::Where(const DiscPath& path) const {
  fs::path out = root_;
  for (const std::string& part : path)
    out /= HostPath(part);
  return out;
}

std::optional<std::vector<DiscEntry>> HostFolder::List(const DiscPath& folder) {
  std::error_code ec;
  fs::directory_iterator it(Where(folder), ec);
  if (ec) return std::nullopt;
  std::vector<DiscEntry> out;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return std::nullopt;
    const fs::directory_entry& e = *it;
    DiscEntry entry;
    entry.name = HostText(e.path().filename());
    const fs::file_status link = e.symlink_status(ec);
    if (ec) continue;
    if (fs::is_regular_file(link)) {
      entry.kind = EntryKind::File;
      entry.size = e.file_size(ec);
    } else if (fs::is_directory(link)) {
      entry.kind = EntryKind::Folder;
    } else {
      entry.kind = EntryKind::Other;  // links, devices: nothing a disc can hold
    }
    const fs::file_time_type time = e.last_write_time(ec);
    if (!ec) entry.lastWrite = LocalDateOf(time);
    ec.clear();
    out.push_back(std::move(entry));
  }
  return out;
}

std::optional<std::string> ReadHostFile(const fs::path& path, std::uintmax_t limit) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > limit) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
  return bytes;
}

bool WriteHostFileAtomic(const fs::path& path, std::string_view bytes, std::string& error) {
  fs::path temp = path;
  temp += HostPath(".zorvik-new");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      error = "can't write " + HostText(temp);
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    error = "can't replace " + HostText(path) + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

std::optional<std::string> HostFolder::Read(const DiscPath& file, std::uintmax_t limit) {
  return ReadHostFile(Where(file), limit);
}

std::optional<std::string> HostFolder::ReadStart(const DiscPath& file, size_t bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(Where(file), ec)) return std::nullopt;
  std::ifstream in(Where(file), std::ios::binary);
  if (!in) return std::nullopt;
  std::string out(bytes, '\0');
  in.read(out.data(), static_cast<std::streamsize>(bytes));
  out.resize(static_cast<size_t>(in.gcount()));
  return out;
}

bool HostFolder::WriteAtomic(const DiscPath& file, std::string_view bytes, std::string& error) {
  return WriteHostFileAtomic(Where(file), bytes, error);
}

bool HostFolder::MakeFolder(const DiscPath& folder, std::string& error) {
  std::error_code ec;
  if (!fs::create_directory(Where(folder), ec)) {
    error = "can't make the folder " + HostText(Where(folder)) +
            (ec ? ": " + ec.message() : std::string(": something has that name"));
    return false;
  }
  return true;
}

}  // namespace zorvik::author
