#include "author/iso_image.h"

#include <algorithm>
#include <map>

#include "core/text_util.h"

namespace zorvik::author {

namespace {

constexpr size_t kVolumeIdBytes = 32;
constexpr size_t kJolietVolumeIdChars = 16;

// A name in xorriso's shell-style quotes: '...' pieces, with "'" for a quote inside.
std::optional<std::string> Unquote(std::string_view s) {
  std::string out;
  size_t i = 0;
  if (s.empty()) return std::nullopt;
  while (i < s.size()) {
    const char q = s[i];
    if (q != '\'' && q != '"') return std::nullopt;
    const size_t close = s.find(q, i + 1);
    if (close == std::string_view::npos) return std::nullopt;
    out += s.substr(i + 1, close - i - 1);
    i = close + 1;
  }
  return out;
}

std::vector<std::string> Words(std::string_view line, size_t count, size_t& rest) {
  std::vector<std::string> out;
  const auto skipBlanks = [&line](size_t from) {
    return std::min(line.find_first_not_of(' ', from), line.size());
  };
  size_t i = skipBlanks(0);
  while (out.size() < count && i < line.size()) {
    const size_t end = std::min(line.find(' ', i), line.size());
    out.emplace_back(line.substr(i, end - i));
    i = skipBlanks(end);
  }
  rest = i;
  return out;
}

void Walk(DiscPlatform& disc, const DiscPath& folder, std::map<std::string, ImageEntry>& out) {
  for (const DiscEntry& e : disc.Listing(folder)) {
    if (e.kind == EntryKind::Other) continue;
    DiscPath path = folder;
    path.push_back(e.name);
    const std::string where = "/" + ShowDiscPath(path, '/');
    out[where] = {where, e.kind == EntryKind::Folder, e.size};
    if (e.kind == EntryKind::Folder) Walk(disc, path, out);
  }
}

}  // namespace

std::vector<std::string> MasterArguments(const std::string& discFolder, const std::string& image,
                                         const std::string& label) {
  return {"-no_rc",         "-abort_on", "FAILURE", "-local_charset", "UTF-8", "-outdev",
          "stdio:" + image, "-volid",    label,     "-joliet",        "on",    "-map",
          discFolder,       "/",         "-commit"};
}

std::vector<std::string> ListArguments(const std::string& image) {
  return {"-no_rc",    "-local_charset", "UTF-8", "-read_fs", "norock", "-indev", "stdio:" + image,
          "-pvd_info", "-find",          "/",     "-exec",    "lsdl",   "--"};
}

ImageListing ParseListing(const std::string& output) {
  ImageListing listing;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string_view line(output.data() + start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.starts_with("Volume Id")) {
      const size_t colon = line.find(": ");
      if (colon != std::string_view::npos) listing.volumeId = std::string(line.substr(colon + 2));
      continue;
    }
    // -rw-r--r--    1 0        0            1234 Dec  7 02:30 '/path'
    if (line.size() < 10 || (line[0] != '-' && line[0] != 'd')) continue;
    size_t rest = 0;
    const std::vector<std::string> words = Words(line, 8, rest);
    if (words.size() != 8 || words[0].size() != 10) continue;
    const std::optional<std::string> path = Unquote(line.substr(rest));
    if (!path || path->empty() || (*path)[0] != '/' || *path == "/") continue;
    ImageEntry e;
    e.path = *path;
    e.folder = line[0] == 'd';
    try {
      e.size = std::stoull(words[4]);
    } catch (...) {
      continue;
    }
    listing.entries.push_back(std::move(e));
  }
  return listing;
}

std::vector<std::string> CompareWithDisc(const ImageListing& image, DiscPlatform& disc) {
  std::map<std::string, ImageEntry> expected;
  Walk(disc, {}, expected);
  std::vector<std::string> out;
  std::map<std::string, const ImageEntry*> seen;
  for (const ImageEntry& e : image.entries)
    seen[e.path] = &e;
  for (const auto& [path, want] : expected) {
    const auto it = seen.find(path);
    if (it == seen.end()) {
      out.push_back(path + " is missing from the image");
    } else if (it->second->folder != want.folder) {
      out.push_back(path + " is a " + (want.folder ? "folder" : "file") +
                    " on the disc but not in the image");
    } else if (!want.folder && it->second->size != want.size) {
      out.push_back(path + " has " + std::to_string(it->second->size) + " bytes in the image, " +
                    std::to_string(want.size) + " on the disc");
    }
  }
  for (const auto& [path, entry] : seen) {
    if (!expected.contains(path)) out.push_back(path + " is in the image but not on the disc");
  }
  return out;
}

std::string DefaultLabel(const std::string& title) {
  // Windows shows the Joliet volume name, 16 UCS-2 characters, Greek included. The title's first
  // 16 characters, cut at a blank where one is near; characters a name can't hold become blanks.
  std::u32string chars;
  for (char32_t c : Utf8ToCodePoints(title)) {
    const bool unfit = c < 0x20 || c == 0x7F || c >= 0x10000 || c == 0xFFFD ||
                       std::u32string_view(U"*/:;?\\\"<>|").find(c) != std::u32string_view::npos;
    chars += unfit ? U' ' : c;
  }
  const auto blank = [](char32_t c) { return c == U' '; };
  std::u32string label;
  for (char32_t c : chars) {
    if (blank(c) && (label.empty() || blank(label.back()))) continue;
    label += c;
  }
  if (label.size() > kJolietVolumeIdChars) {
    const size_t cut = label.rfind(U' ', kJolietVolumeIdChars);
    label.resize(cut != std::u32string::npos && cut >= kJolietVolumeIdChars / 2
                     ? cut
                     : kJolietVolumeIdChars);
  }
  while (!label.empty() && blank(label.back()))
    label.pop_back();
  std::string out = CodePointsToUtf8(label);
  // The plain volume id holds the same bytes, 32 at most.
  while (out.size() > kVolumeIdBytes) {
    label.pop_back();
    out = CodePointsToUtf8(label);
  }
  return out.empty() ? "ZORVIK" : out;
}

std::optional<std::string> LabelProblem(const std::string& label, std::string& warning) {
  if (label.empty()) return "the label is empty";
  if (label.size() > kVolumeIdBytes) {
    return "the label takes " + std::to_string(label.size()) +
           " bytes; an ISO 9660 volume id holds 32";
  }
  const std::u32string chars = Utf8ToCodePoints(label);
  for (char32_t c : chars) {
    if (c < 0x20 || c == 0xFFFD) return "the label holds a control character or isn't UTF-8";
  }
  if (chars.size() > kJolietVolumeIdChars) {
    warning = "Windows shows the first 16 characters of the label";
  }
  for (char c : label) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) {
      if (!warning.empty()) warning += "; ";
      warning +=
          "Windows shows it from the Joliet names; readers of plain ISO 9660 alone expect only "
          "A-Z, 0-9 and _ in the label";
      break;
    }
  }
  return std::nullopt;
}

}  // namespace zorvik::author
