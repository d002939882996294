// zorvik-disc as its author uses it: each file of data/sessions is a session at a terminal, the
// commands given and everything they printed, and is run again and compared whole. Its lines:
//   # ...                 a comment
//   + PATH [= BYTES]      a file made (BYTES with C escapes); + PATH < SAMPLE a copy of one in
//                         data/; + PATH * SIZE what it held, grown with zeros that take no room
//                         to SIZE bytes; + PATH -> TARGET a link; + PATH/ a folder
//   - PATH                removed
//   % NAME=VALUE          the tool's environment (% NAME: unset); WINDOWS_BUILD=1 makes it the
//                         tool's Windows build
//   $ ARGS                zorvik-disc run, its words quoted as a shell quotes them; then what it
//                         printed: "| " standard output, "! " errors, "=> N" its exit status,
//                         "~ " each program it started (xorriso: a stand-in that makes the image)
//   @ PATH                a file's bytes, as "| " lines (bytes past ASCII as \xNN)
// \xNN stands for a byte in ARGS and in a made file's PATH too.
// ZORVIK_UPDATE_SESSIONS=1 writes what was printed into the files instead, to be read and kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "author/host_folder.h"
#include "author/run_program.h"
#include "author/tool.h"
#include "core/text_util.h"
#include "support/data_file.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
const fs::path kSessions = fs::path(ZORVIK_TEST_DATA) / "sessions";

std::string Slurp(const fs::path& path) {
  return author::ReadHostFile(path, std::uintmax_t{1} << 32).value_or("");
}

std::string Sample(const std::string& name) {
  EXPECT_TRUE(fs::is_regular_file(fs::path(ZORVIK_TEST_DATA) / name)) << name;
  return DataFile(name);
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
    } else if (s[++i] == 'x') {
      out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += s[i] == 'n' ? '\n' : s[i] == 'r' ? '\r' : s[i] == '0' ? '\0' : s[i];
    }
  }
  return out;
}

// Whether a byte is ASCII or starts or continues a whole UTF-8 character.
bool Utf8At(const std::string& s, size_t i) {
  const auto top = [&](size_t k, unsigned mask, unsigned bits) {
    return k < s.size() && (static_cast<unsigned char>(s[k]) & mask) == bits;
  };
  if (top(i, 0x80, 0x00)) return true;
  size_t start = i;
  while (start > 0 && i - start < 3 && top(start, 0xC0, 0x80))
    --start;
  const size_t length = top(start, 0xE0, 0xC0)   ? 2
                        : top(start, 0xF0, 0xE0) ? 3
                        : top(start, 0xF8, 0xF0) ? 4
                                                 : 0;
  if (length == 0 || i >= start + length) return false;
  for (size_t k = start + 1; k < start + length; ++k)
    if (!top(k, 0xC0, 0x80)) return false;
  return true;
}

enum class Shown { AsPrinted, Controls, PastAscii };  // what is escaped as \xNN

// Prefixed lines of the text; a last line without its end is marked so.
std::string Lines(const std::string& prefix, const std::string& text, Shown escape) {
  std::string out, line;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      out += prefix + line + "\n";
      line.clear();
    } else if (escape == Shown::AsPrinted
                   ? (c < 0x20 && c != '\t') || !Utf8At(text, i)
                   : c < 0x20 || c == '\\' || (escape == Shown::PastAscii && c > 0x7E)) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      line += c == '\\' ? "\\\\" : c == '\r' && text[i + 1] == '\n' ? "\\r" : hex;
    } else {
      line += static_cast<char>(c);
    }
  }
  return line.empty() ? out : out + prefix + line + "\\ (no end of line)\n";
}

// Only \xNN: the paths in a session are full of other backslashes.
std::string Bytes(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const bool hex = s.compare(i, 2, "\\x") == 0 && i + 3 < s.size() &&
                     std::isxdigit(static_cast<unsigned char>(s[i + 2])) &&
                     std::isxdigit(static_cast<unsigned char>(s[i + 3]));
    out += hex ? static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16)) : s[i];
    i += hex ? 3 : 0;
  }
  return out;
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> words;
  std::string word;
  bool in = false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '"' || s[i] == '\'') {
      const size_t end = s.find(s[i], i + 1);
      word += s.substr(i + 1, end - i - 1);
      i = end, in = true;
    } else if (s[i] == ' ') {
      if (in) words.push_back(word);
      word.clear(), in = false;
    } else {
      word += s[i], in = true;
    }
  }
  if (in) words.push_back(word);
  for (std::string& w : words)
    w = Bytes(w);
  return words;
}

// Masters an "image" that is the listing xorriso would give of it. Named careless-xorriso it
// leaves the last file out, muddled-xorriso gives each file a byte more and folders as files,
// relabelling-xorriso gives another label, failing-xorriso fails; missing-xorriso is not there.
class StandInXorriso : public author::ProgramRunner {
 public:
  author::ProgramRun Run(const std::string& program,
                         const std::vector<std::string>& args) override {
    author::ProgramRun r;
    r.started = program != "missing-xorriso";
    if (!r.started) r.error = "No such file or directory";
    r.exitCode = program == "failing-xorriso" ? 5 : 0;
    if (r.exitCode != 0) r.output = "xorriso : FAILURE : Cannot open /dev/null\n";
    const auto after = [&](const std::string& option) {
      const auto it = std::find(args.begin(), args.end(), option);
      return it == args.end() || it + 1 == args.end() ? std::string() : *(it + 1);
    };
    if (r.exitCode != 0 && after("-outdev").starts_with("stdio:")) {  // half an image written
      std::ofstream(author::HostPath(after("-outdev").substr(6)), std::ios::binary) << "CD001";
    }
    if (r.started && r.exitCode == 0 && after("-outdev").starts_with("stdio:")) {
      const bool muddled = program == "muddled-xorriso";
      std::map<std::string, std::string> entries;  // by name
      const fs::path folder = author::HostPath(after("-map"));
      for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        std::string name = "/" + author::HostText(fs::relative(e.path(), folder));
        for (size_t at = 0; (at = name.find('\'', at)) != std::string::npos; at += 5)
          name.replace(at, 1, "'\"'\"'");
        char line[64];
        std::snprintf(line, sizeof line, "%s    1 0        0 %15ju Dec  7 02:30 ",
                      e.is_directory() && !muddled ? "drwxr-xr-x" : "-rw-r--r--",
                      e.is_directory() ? std::uintmax_t{0} : e.file_size() + muddled);
        entries[name] = line + ("'" + name + "'\n");
      }
      if (program == "careless-xorriso" && !entries.empty()) entries.erase(--entries.end());
      std::string image =
          "Volume Id    : " + (program == "relabelling-xorriso" ? "OTHER" : after("-volid")) + "\n";
      for (const auto& [name, line] : entries)
        image += line;
      std::ofstream(author::HostPath(after("-outdev").substr(6)), std::ios::binary) << image;
    }
    if (r.started && after("-indev").starts_with("stdio:"))
      r.output = Slurp(author::HostPath(after("-indev").substr(6)));
    return r;
  }
};

// Each program the tool starts, as "~ " lines.
class Recorder : public author::ProgramRunner {
 public:
  explicit Recorder(author::ProgramRunner& runner) : runner_(runner) {}
  std::string runs;
  author::ProgramRun Run(const std::string& program,
                         const std::vector<std::string>& args) override {
    runs += "~ " + program;
    for (const std::string& a : args)
      runs += " " + a;
    runs += "\n";
    return runner_.Run(program, args);
  }

 private:
  author::ProgramRunner& runner_;
};

void Replay(const fs::path& file, author::ProgramRunner& runner) {
  const std::string expected = Slurp(file);
  const fs::path root =
      fs::temp_directory_path() /
      ("zorvik-session-" + std::to_string(std::random_device{}()) + "-" + file.stem().string());
  fs::create_directories(root / "tool");
  // Back where the tests run, and nothing left behind, however the session ends.
  struct Here {
    fs::path cwd = fs::current_path(), root;
    ~Here() {
      fs::current_path(cwd);
      fs::remove_all(root);
    }
  } here{fs::current_path(), root};
  fs::current_path(root);
  std::ofstream("tool/Zorvik.exe", std::ios::binary) << "MZ launcher";
  std::map<std::string, std::string> environment;
  Recorder xorriso(runner);
  author::ToolHost host;
  host.toolFolder = root / "tool";
  host.runner = &xorriso;
  host.environment = [&](const std::string& name) -> std::optional<std::string> {
    const auto it = environment.find(name);
    return it == environment.end() ? std::nullopt : std::optional(it->second);
  };

  std::istringstream in(expected);
  std::string actual, line;
  while (std::getline(in, line)) {
    if (line.starts_with("| ") || line.starts_with("! ") || line.starts_with("=> ") ||
        line.starts_with("~ "))
      continue;  // printed before: printed again below
    actual += line + "\n";
    const std::string rest = line.size() > 2 ? line.substr(2) : "";
    // A made file's name runs to its " = ", " < ", " * " or " -> ".
    size_t cut = rest.size();
    for (const char* how : {" = ", " < ", " * ", " -> "})
      cut = std::min(cut, rest.find(how));
    const std::string path = rest.substr(0, cut);
    if (line.starts_with("+ ") && path.ends_with('/')) {
      fs::create_directories(author::HostPath(path));
    } else if (line.starts_with("+ ")) {
      const fs::path made = author::HostPath(Bytes(path));
      if (made.has_parent_path()) fs::create_directories(made.parent_path());
      const std::string how = rest.size() > path.size() + 2 ? rest.substr(path.size() + 1, 2) : "";
      const std::string what = rest.size() > path.size() + 3 ? rest.substr(path.size() + 3) : "";
      if (how == "->") {
        fs::create_symlink(author::HostPath(rest.substr(path.size() + 4)), made);
        continue;
      }
      if (how != "* " || !fs::exists(made))
        std::ofstream(made, std::ios::binary) << (how == "= "   ? Unescape(what)
                                                  : how == "< " ? Sample(what)
                                                                : "");
      if (how == "* ") fs::resize_file(made, std::stoull(what));
    } else if (line.starts_with("- ")) {
      fs::remove_all(author::HostPath(rest));
    } else if (line.starts_with("% ")) {
      const size_t eq = rest.find('=');
      if (rest.starts_with("WINDOWS_BUILD")) host.windowsBuild = rest == "WINDOWS_BUILD=1";
      if (eq == std::string::npos)
        environment.erase(rest);
      else
        environment[rest.substr(0, eq)] = rest.substr(eq + 1);
    } else if (line.starts_with("@ ")) {
      if (!fs::exists(author::HostPath(rest))) {
        actual += "| (no such file)\n";
        continue;
      }
      std::string bytes = Slurp(author::HostPath(rest));
      Shown shown = Shown::PastAscii;
      if (bytes.starts_with("\xFF\xFE") && bytes.size() % 2 == 0) {
        std::u32string text;
        for (size_t i = 2; i < bytes.size(); i += 2) {
          const char32_t unit =
              static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
          if (!text.empty() && text.back() >= 0xD800 && text.back() < 0xDC00 && unit >= 0xDC00)
            text.back() = 0x10000 + ((text.back() - 0xD800) << 10) + (unit - 0xDC00);
          else
            text += unit;
        }
        bytes = CodePointsToUtf8(text);
        actual += "| (UTF-16)\n";
        shown = Shown::Controls;
      }
      actual += Lines("| ", bytes, shown);
    } else if (line == "$" || line.starts_with("$ ")) {
      std::vector<std::string> args = Words(rest);
      args.insert(args.begin(), "zorvik-disc");
      std::ostringstream out, err;
      xorriso.runs.clear();
      const int status = author::RunTool(args, out, err, host);
      const auto rooted = [&](std::string s) {
        for (size_t at; (at = s.find(author::HostText(root))) != std::string::npos;)
          s.replace(at, author::HostText(root).size(), "ROOT");
        return s;
      };
      actual += Lines("| ", rooted(out.str()), Shown::AsPrinted) +
                Lines("! ", rooted(err.str()), Shown::AsPrinted) + "=> " + std::to_string(status) +
                "\n" + rooted(xorriso.runs);
    }
  }
  if (std::getenv("ZORVIK_UPDATE_SESSIONS") != nullptr) {
    std::ofstream(file, std::ios::binary) << actual;
    return;
  }
  // The first line that differs, and the whole of what was printed beside the temporary files.
  std::istringstream was(expected), now(actual);
  std::string before, after;
  for (int n = 1;; ++n, before = after = "") {
    const bool more = static_cast<bool>(std::getline(was, before));
    if (!std::getline(now, after) && !more) break;
    if (before == after) continue;
    const fs::path printed = fs::temp_directory_path() / (file.filename().string() + ".printed");
    std::ofstream(printed, std::ios::binary) << actual;
    ADD_FAILURE() << file.string() << ":" << n << ": this session printed\n  " << after
                  << "\nwhere it printed before\n  " << before << "\n(all of it: " << printed
                  << ")";
    break;
  }
}

class DiscSessions : public ::testing::TestWithParam<std::string> {};

TEST_P(DiscSessions, PrintWhatTheyPrintedBefore) {
  StandInXorriso xorriso;
  Replay(kSessions / GetParam(), xorriso);
}

// The image made by the real xorriso, when the system has it (tools/test installs it).
TEST(DiscSessionWithXorriso, MastersAJolietImageThatReadsBack) {
  author::SystemRunner system;
  if (!system.Run("xorriso", {"-version"}).started) GTEST_SKIP() << "xorriso isn't installed";
  Replay(fs::path(ZORVIK_TEST_DATA) / "xorriso-session.txt", system);
}

std::vector<std::string> SessionFiles() {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(kSessions))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(, DiscSessions, ::testing::ValuesIn(SessionFiles()), [](const auto& info) {
  std::string name = info.param.substr(0, info.param.find('.'));
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

}  // namespace
}  // namespace zorvik::test
