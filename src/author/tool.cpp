#include "author/tool.h"

#include <map>
#include <set>
#include <system_error>

#include "author/autorun_inf.h"
#include "author/check_output.h"
#include "author/disc_check.h"
#include "author/host_folder.h"
#include "author/iso_image.h"
#include "author/json.h"
#include "author/names.h"
#include "author/settings_fields.h"
#include "core/launcher.h"
#include "core/text_util.h"
#include "persistence/settings_file.h"

namespace zorvik::author {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kLauncherLimit = 64u << 20;

const char* const kMainHelp =
    R"(zorvik-disc lays out, checks and masters a movie disc for the Zorvik launcher.

  zorvik-disc init DIR [--title TEXT] [--language en|el]   lay out a disc folder
  zorvik-disc set DIR NAME=VALUE...                        change its settings
  zorvik-disc show DIR [--json]                            print its settings
  zorvik-disc check DIR [--pc COMPUTER] [--json]           show what a viewer will see
  zorvik-disc iso DIR OUT.iso [--label LABEL]              master an ISO image of it

Each command's --help says more: zorvik-disc check --help

Example, from an empty folder to an image:
  zorvik-disc init film --title "The Film"
  cp ~/video/film.avi film/
  zorvik-disc set film trailer1=trailers/teaser.avi trailer1.name=Teaser
  zorvik-disc check film
  zorvik-disc iso film film.iso --label THE_FILM

Exit status: 0 done; 1 check found something that reaches the viewer, or the image
didn't read back as the folder; 2 refused: a wrong argument, or a file that can't be
read or written.
)";

const char* const kInitHelp =
    R"(zorvik-disc init DIR [--title TEXT] [--language en|el] [--launcher PATH] [--force]

Lays out a disc folder, making it if it is missing:
  Zorvik.exe           the launcher
  autorun.inf          starts the launcher when the disc goes in; gives the drive the
                       launcher's icon and the title as its name
  More\Settings.sav    the launcher's factory settings with the title and the language,
                       written as the launcher writes it
The launcher is taken from --launcher PATH, else from $ZORVIK_LAUNCHER, else from beside
this tool, else from ../windows/bin beside this tool's folder (where the windows preset
builds it, for build/native/zorvik-disc and build/author/zorvik-disc). A folder that already has a settings file is refused unless --force is given.
Put the movie (.avi, .mpg, .mpeg, .ogm, .asf or .wma) beside Zorvik.exe and a cover
picture (.jpg or .bmp, 215 x 309 pixels) in More.

Example:
  zorvik-disc init film --title "Τα Φαντάσματα" --language el
)";

const char* const kShowHelp = R"(zorvik-disc show DIR [--json]

Prints the disc's settings file, More\Settings.sav, as NAME=VALUE lines in the file's
order, with the names that set takes (--json: one object of them).

Example:
  zorvik-disc show film
)";

const char* const kCheckHelp = R"(zorvik-disc check DIR [--pc COMPUTER] [--json]

Runs the launcher's own start-up on the disc folder for a viewer's computer and prints
what the viewer sees, in order: the drive's name; every message box (title, icon, text);
the menus with what is shown, enabled and checked; the title; the cover and the banner;
the exact parameter text Play and each trailer give the player (the launcher's own
launch, with Play pressed and each trailer chosen as a person would). Then the disc's
problems, those the viewer meets first (viewer:): each message box, and whether the disc
carries the installer a prompt asks for; files the settings name that are missing;
another video than the movie taking Play; a start time past a trailer's or the movie's
length (the launcher gives the trailers the movie's start time too); a placeholder name
in a menu; a find=path movie off the viewer's drive; a title that doesn't fit its place
at the launcher's font, a menu name wider than a screen, characters the launcher's fonts
can't draw; names and paths past what a Joliet disc holds (64 characters a name); a
missing or wrong autorun.inf. Then warnings and notes: a cover that doesn't fit its box,
texts stored as UTF-8, names that match only when case is ignored. With --json each
problem has a stable code, as "prompt-without-installer". Nothing on the disc is changed.

The disc folder is seen as Windows sees a CD: names ignore case and list in name order.
The viewer's computer, --pc COMPUTER, is ITEM[,ITEM...] applied left to right:
  ready                 (the default) the player installed and recent, every codec
  bare                  no player, no codecs
  player=PATH|none      the player's path in its registry key, or no key at all
  player-date=DATE      the player program's date, YYYY-MM-DD; missing: no file there
  codecs=LIST           xvid, divx, ffdshow (in any case) joined by +; none; all
  windows=PATH          the Windows folder (C:\WINDOWS), not on the disc
  disc=PATH             where the viewer's Windows sees the disc: a drive (D:, the
                        default) or a folder
Values hold no commas. The viewer's Windows is taken to be a Greek one (code page 1253).

Exit status: 1 when something reaches the viewer that shouldn't (a message box, a
disabled Play, a file that isn't there, a disc that won't start); 0 otherwise.

Examples:
  zorvik-disc check film
  zorvik-disc check film --pc bare,codecs=ffdshow
  zorvik-disc check film --pc "player=C:\Program Files\BSplayer\bplay.exe,disc=E:" --json
)";

const char* const kIsoHelp =
    R"(zorvik-disc iso DIR OUT.iso [--label LABEL] [--pc COMPUTER] [--xorriso PATH] [--force]

Masters an ISO 9660 image of the disc folder with Joliet names (which Windows reads) and
Rock Ridge names, with xorriso, then lists the image's Joliet tree back and compares it,
name, folder and size, with the folder. Names past what Joliet holds are refused first,
and so is a disc that zorvik-disc check finds something wrong with for the viewer, and an
OUT.iso that is already there; --force masters the one and replaces the other. The check
is for the viewer's computer --pc describes, as for zorvik-disc check (ready by default).
The label (volume name) defaults to the title's first 16 characters, Greek included, as
Windows shows them, or ZORVIK; it holds at most 32 bytes, and Windows shows 16 characters.

xorriso is taken from --xorriso PATH, else $ZORVIK_XORRISO, else PATH (Debian: apt-get
install xorriso). Windows doesn't come with xorriso: the Windows build of this tool uses
one you install (MSYS2 or Cygwin have it) or give with --xorriso; without it, master the
image on Linux.

Example:
  zorvik-disc iso film film.iso --label THE_FILM
)";

std::string SetHelp() {
  std::string out = R"(zorvik-disc set DIR NAME=VALUE...

Changes the disc's settings file, More\Settings.sav, through the launcher's own writer
(the file stays readable by the launcher, Greek included). Every argument is checked
first: an unknown name or a value that doesn't fit refuses the whole call and the file
is left as it was. Paths on the disc are given from its top, with / or \. A change of a
playback option rebuilds the player's parameters as the options window's Apply does, and
keeps the options it doesn't know (-vol=80); one it knows that only the parameters hold
would be lost, so that is refused. parameters=TEXT sets them by hand, and the playback
options follow what it says. With find=auto, movie= must be the video the launcher finds
beside itself; with find=path, the movie's full path as the viewer's Windows sees it.

)";
  for (const FieldHelp& f : SettingsFieldHelp()) {
    std::string line = "  " + f.name + "=" + f.values;
    if (line.size() < 40) line += std::string(40 - line.size(), ' ');
    out += line + "  " + f.what + "\n";
  }
  out += R"(
Example:
  zorvik-disc set film title="Τα Φαντάσματα" trailer1=trailers/teaser.avi trailer1.name=Teaser \
      installer.xvid=codecs/xvid.exe installer.xvid.name="XviD 1.3" fullscreen=off
)";
  return out;
}

struct Parsed {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  bool help = false;
};

// Options take their value as the next argument or after '='.
std::optional<Parsed> ParseArgs(const std::vector<std::string>& args, size_t from,
                                const std::set<std::string>& valued,
                                const std::set<std::string>& flags, std::string& error) {
  Parsed p;
  for (size_t i = from; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      p.help = true;
      continue;
    }
    if (!a.starts_with("-") || a == "-") {
      p.positional.push_back(a);
      continue;
    }
    const size_t eq = a.find('=');
    const std::string name = a.substr(0, eq);
    if (valued.contains(name)) {
      if (eq != std::string::npos) {
        p.options[name] = a.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        p.options[name] = args[++i];
      } else {
        error = name + " needs a value";
        return std::nullopt;
      }
    } else if (flags.contains(a)) {
      p.flags.insert(a);
    } else {
      error = "unknown option " + a;
      return std::nullopt;
    }
  }
  return p;
}

class Command {
 public:
  Command(std::ostream& out, std::ostream& err, const ToolHost& host)
      : out_(out), err_(err), host_(host) {}

  int Refuse(const std::string& why) {
    err_ << "zorvik-disc: " << why << "\n";
    return kExitRefused;
  }
  std::ostream& Out() { return out_; }
  std::ostream& Err() { return err_; }
  const ToolHost& Host() const { return host_; }

  // The disc folder given on the command line; nothing when it isn't a folder.
  std::optional<fs::path> Folder(const std::string& dir) {
    std::error_code ec;
    if (!fs::is_directory(HostPath(dir), ec)) {
      Refuse(dir + " is not a folder");
      return std::nullopt;
    }
    return HostPath(dir);
  }

 private:
  std::ostream& out_;
  std::ostream& err_;
  const ToolHost& host_;
};

std::string SettingsOnDisc(DiscPlatform& p) {
  return JoinPath(p.LauncherFolder(), kSettingsReadPath);
}

// The settings file of a disc; nothing (with the refusal said) when there is none to use.
std::optional<SettingsRecord> ReadSettings(Command& c, DiscPlatform& p, const std::string& dir) {
  if (!p.Look(kSettingsReadPath).found) {
    c.Refuse(dir + " has no More\\Settings.sav: lay the disc out with zorvik-disc init first");
    return std::nullopt;
  }
  const std::optional<std::string> bytes = p.ReadFile(kSettingsReadPath, kLargestSettingsFile);
  std::optional<SettingsRecord> record = bytes ? ParseSettings(*bytes) : std::nullopt;
  if (!record) {
    c.Refuse(dir +
             "/More/Settings.sav can't be read as a settings file (zorvik-disc init --force "
             "writes a new one)");
  }
  return record;
}

std::optional<std::string> LauncherBytes(Command& c, const Parsed& args, std::string& from) {
  fs::path path;
  std::string how;
  if (args.options.contains("--launcher")) {
    path = HostPath(args.options.at("--launcher"));
    how = "given with --launcher";
  } else if (std::optional<std::string> env =
                 c.Host().environment ? c.Host().environment("ZORVIK_LAUNCHER") : std::nullopt) {
    path = HostPath(*env);
    how = "named by $ZORVIK_LAUNCHER";
  } else {
    // Beside this tool, as the Windows build leaves them, else where the windows preset builds
    // the launcher when this tool was built by another preset of the same checkout.
    path = c.Host().toolFolder / kLauncherName;
    how = "beside this tool";
    const fs::path built = c.Host().toolFolder.parent_path() / "windows" / "bin" / kLauncherName;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) && fs::is_regular_file(built, ec)) {
      path = built;
      how = "built by the windows preset";
    }
  }
  from = HostText(path);
  std::optional<std::string> bytes = ReadHostFile(path, kLauncherLimit);
  if (!bytes) {
    c.Refuse("the launcher " + std::string(kLauncherName) + " was not found at " + from + " (" +
             how + ")" +
             (how == "beside this tool"
                  ? " nor in ../windows/bin (cmake --preset windows builds it)"
                  : "") +
             "; give it with --launcher PATH or $ZORVIK_LAUNCHER");
    return std::nullopt;
  }
  if (!bytes->starts_with("MZ")) {
    c.Refuse(from + " (" + how + ") is not a Windows program");
    return std::nullopt;
  }
  return bytes;
}

int Init(Command& c, const std::vector<std::string>& all) {
  std::string error;
  const std::optional<Parsed> args =
      ParseArgs(all, 2, {"--title", "--language", "--launcher"}, {"--force"}, error);
  if (!args) return c.Refuse(error);
  if (args->help) {
    c.Out() << kInitHelp;
    return kExitDone;
  }
  if (args->positional.size() != 1)
    return c.Refuse("init takes one folder (zorvik-disc init --help)");
  const std::string dir = args->positional[0];

  std::vector<std::string> choices;
  if (args->options.contains("--title")) choices.push_back("title=" + args->options.at("--title"));
  if (args->options.contains("--language")) {
    choices.push_back("language=" + args->options.at("--language"));
  }
  const SetResult settings = ApplySettings(FactoryRecord(), choices);
  if (!settings.record) return c.Refuse(settings.error);

  std::string launcherFrom;
  const std::optional<std::string> launcher = LauncherBytes(c, *args, launcherFrom);
  if (!launcher) return kExitRefused;

  std::error_code ec;
  const fs::path root = HostPath(dir);
  if (fs::exists(root, ec) && !fs::is_directory(root, ec))
    return c.Refuse(dir + " is not a folder");
  fs::create_directories(root, ec);
  if (ec) return c.Refuse("can't make the folder " + dir + ": " + ec.message());

  HostFolder folder(root);
  DiscPlatform p(folder, ViewerPc{});
  p.writable = true;
  if (p.Look(kSettingsReadPath).found && !args->flags.contains("--force")) {
    return c.Refuse(dir +
                    " is already laid out (it has More\\Settings.sav): change it with "
                    "zorvik-disc set, or start again with init --force");
  }
  const std::string top = p.LauncherFolder();
  const std::string label = settings.record->movieTitle;
  if (!p.FolderExists(JoinPath(top, "More")) && !p.CreateFolder(JoinPath(top, "More"))) {
    return c.Refuse("can't make " + dir + "/More: " + p.WriteError());
  }
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {{kLauncherName, *launcher},
               {kAutorunName, FormatAutorun(label)},
               {kSettingsReadPath, FormatSettings(*settings.record)}};
  for (const auto& f : files) {
    if (!p.WriteFileAtomic(JoinPath(top, f.name), f.bytes)) {
      return c.Refuse("can't write " + std::string(f.name) + " in " + dir + ": " + p.WriteError());
    }
  }
  c.Out() << "Laid out " << dir << ":\n"
          << "  " << kLauncherName << "            the launcher, from " << launcherFrom << "\n"
          << "  " << kAutorunName << "           starts it; names the drive \"" << label << "\"\n"
          << "  More\\Settings.sav     the factory settings, title \"" << label << "\", "
          << (settings.record->language == kGreekLanguageLine ? "Greek" : "English") << "\n"
          << "Next: put the movie beside " << kLauncherName
          << " and a cover in More, then zorvik-disc set and zorvik-disc check.\n";
  return kExitDone;
}

int Set(Command& c, const std::vector<std::string>& all) {
  std::vector<std::string> rest;
  bool help = false;
  for (size_t i = 2; i < all.size(); ++i) {
    if (all[i] == "--help" || all[i] == "-h") {
      help = true;
    } else if (all[i].starts_with("--")) {
      return c.Refuse("unknown option " + all[i]);
    } else {
      rest.push_back(all[i]);
    }
  }
  if (help) {
    c.Out() << SetHelp();
    return kExitDone;
  }
  if (rest.size() < 2)
    return c.Refuse("set takes a folder and NAME=VALUE arguments (zorvik-disc set --help)");
  const std::string dir = rest[0];
  const std::optional<fs::path> root = c.Folder(dir);
  if (!root) return kExitRefused;
  HostFolder folder(*root);
  DiscPlatform p(folder, ViewerPc{});
  p.writable = true;
  const std::optional<SettingsRecord> record = ReadSettings(c, p, dir);
  if (!record) return kExitRefused;

  const SetResult result = ApplySettings(*record, {rest.begin() + 1, rest.end()});
  if (!result.record) return c.Refuse(result.error + "; nothing was changed");
  const std::string& movie = result.record->movieFile;
  if (result.record->autoDetect && !movie.empty() && movie != record->movieFile) {
    // With find=auto the launcher takes the video it finds, whatever the file names: a movie is
    // pinned only when it is the one found.
    const std::string found = MovieFoundBesideLauncher(folder);
    if (!found.empty() && !SameName(found, movie)) {
      return c.Refuse("movie=" + movie + ": with find=auto the launcher plays " + found +
                      ", the video it finds beside itself (" + kVideoOrder + "), so " + movie +
                      " would not play: move " + found +
                      " into a folder (trailers\\ is the place for a trailer) or rename it; "
                      "nothing was changed");
    }
  }
  if (result.changes.empty()) {
    c.Out() << "Nothing to change: the settings already hold these values.\n";
    return kExitDone;
  }
  if (!p.WriteFileAtomic(SettingsOnDisc(p), FormatSettings(*result.record))) {
    return c.Refuse("can't write " + dir + "/More/Settings.sav: " + p.WriteError());
  }
  for (const std::string& change : result.changes)
    c.Out() << change << "\n";
  for (const std::string& path : result.discPaths) {
    const DiscLookup found = p.Look(JoinPath(p.LauncherFolder(), path));
    if (!found.found) {
      c.Out() << "note: " << path << " is not on the disc yet\n";
    } else if (found.kind != EntryKind::File) {
      c.Out() << "note: " << path
              << (found.kind == EntryKind::Folder
                      ? " is a folder, not a file"
                      : " is neither a file nor a folder: the image leaves it out")
              << "\n";
    } else if (found.caseOnly) {
      c.Out() << "note: " << path << " is stored as " << ShowDiscPath(found.stored)
              << "; it matches only because Windows ignores case\n";
    }
  }
  if (result.record->autoDetect && record->movieFile != result.record->movieFile) {
    c.Out() << "note: with find=auto the launcher looks for the movie itself at each start\n";
  }
  const SettingsRecord factory = FactoryRecord();
  for (size_t n = 0; n < result.record->trailers.size(); ++n) {
    const NamedPath& t = result.record->trailers[n];
    const NamedPath& was = record->trailers[n];
    if (!t.path.empty() && t.name == factory.trailers[n].name && !(t == was)) {
      c.Out() << "note: the Video File menu shows " << t.path << " as \"" << t.name
              << "\": name it with trailer" << n + 1 << ".name=...\n";
    }
  }
  if (result.record->startAt == kChecked) {
    for (const NamedPath& t : result.record->trailers) {
      if (t.path.empty()) continue;
      c.Out() << "note: the launcher gives the trailers the movie's options, so " << t.path
              << " starts at " << result.record->startPosition
              << " seconds too (zorvik-disc check says whether it is that long)\n";
    }
  }
  return kExitDone;
}

int Show(Command& c, const std::vector<std::string>& all) {
  std::string error;
  const std::optional<Parsed> args = ParseArgs(all, 2, {}, {"--json"}, error);
  if (!args) return c.Refuse(error);
  if (args->help) {
    c.Out() << kShowHelp;
    return kExitDone;
  }
  if (args->positional.size() != 1)
    return c.Refuse("show takes one folder (zorvik-disc show --help)");
  const std::optional<fs::path> root = c.Folder(args->positional[0]);
  if (!root) return kExitRefused;
  HostFolder folder(*root);
  DiscPlatform p(folder, ViewerPc{});
  const std::optional<SettingsRecord> record = ReadSettings(c, p, args->positional[0]);
  if (!record) return kExitRefused;
  const std::vector<ShownField> fields = ShowSettings(*record);
  if (!args->flags.contains("--json")) {
    for (const ShownField& f : fields)
      c.Out() << f.name << "=" << f.value << "\n";
    return kExitDone;
  }
  Json j;
  j.BeginObject();
  for (const ShownField& f : fields) {
    if (f.kind == FieldKind::Switch && (f.value == "on" || f.value == "off")) {
      j.Bool(f.name, f.value == "on");
    } else {
      j.String(f.name, f.value);
    }
  }
  c.Out() << j.EndObject().Text() << "\n";
  return kExitDone;
}

int Check(Command& c, const std::vector<std::string>& all) {
  std::string error;
  const std::optional<Parsed> args = ParseArgs(all, 2, {"--pc"}, {"--json"}, error);
  if (!args) return c.Refuse(error);
  if (args->help) {
    c.Out() << kCheckHelp;
    return kExitDone;
  }
  if (args->positional.size() != 1)
    return c.Refuse("check takes one folder (zorvik-disc check --help)");
  const std::optional<ViewerPc> pc =
      ParseViewerPc(args->options.contains("--pc") ? args->options.at("--pc") : "", error);
  if (!pc) return c.Refuse("--pc: " + error);
  const std::optional<fs::path> root = c.Folder(args->positional[0]);
  if (!root) return kExitRefused;
  HostFolder folder(*root);
  const CheckReport report = CheckDisc(folder, *pc);
  const std::string where = args->positional[0];
  c.Out() << (args->flags.contains("--json") ? CheckJson(report, where) : CheckText(report, where));
  return report.ReachesViewer() ? kExitViewerProblem : kExitDone;
}

bool Inside(const fs::path& file, const fs::path& folder) {
  std::error_code ec;
  const fs::path f = fs::weakly_canonical(fs::absolute(file, ec), ec);
  const fs::path d = fs::weakly_canonical(fs::absolute(folder, ec), ec);
  auto fi = f.begin();
  for (auto di = d.begin(); di != d.end(); ++di, ++fi) {
    if (di->empty()) continue;
    if (fi == f.end() || *fi != *di) return false;
  }
  return true;
}

int Iso(Command& c, const std::vector<std::string>& all) {
  std::string error;
  const std::optional<Parsed> args =
      ParseArgs(all, 2, {"--label", "--xorriso", "--pc"}, {"--force"}, error);
  if (!args) return c.Refuse(error);
  if (args->help) {
    c.Out() << kIsoHelp;
    return kExitDone;
  }
  if (args->positional.size() != 2)
    return c.Refuse("iso takes a folder and an image file (zorvik-disc iso --help)");
  const std::string dir = args->positional[0];
  const std::optional<fs::path> root = c.Folder(dir);
  if (!root) return kExitRefused;
  const fs::path image = fs::absolute(HostPath(args->positional[1]));
  if (Inside(image, *root)) return c.Refuse("put the image outside the disc folder");
  const bool force = args->flags.contains("--force");
  std::error_code ec;
  if (fs::is_directory(image, ec)) return c.Refuse(args->positional[1] + " is a folder");
  if (fs::exists(image, ec) && !force) {
    return c.Refuse(args->positional[1] + " exists: give --force to replace it");
  }

  HostFolder folder(*root);
  DiscPlatform p(folder, ViewerPc{});
  std::vector<std::string> refused;
  for (const Problem& problem : CheckDiscNames(p)) {
    if (problem.severity == Severity::Viewer) refused.push_back(problem.text);
  }
  if (!refused.empty()) {
    std::string text = "the disc's names don't fit a Joliet image:";
    for (const std::string& r : refused)
      text += "\n  " + r;
    return c.Refuse(text);
  }

  // The image waits for a disc that check passes.
  const std::optional<ViewerPc> pc =
      ParseViewerPc(args->options.contains("--pc") ? args->options.at("--pc") : "", error);
  if (!pc) return c.Refuse("--pc: " + error);
  const CheckReport report = CheckDisc(folder, *pc);
  if (report.ReachesViewer()) {
    std::string text = "check finds what reaches the viewer of this disc";
    for (const MessageBoxCall& box : report.startBoxes)
      text += "\n  a message box at start-up: " + box.prompt;
    for (const Problem& problem : report.problems) {
      if (problem.severity == Severity::Viewer) text += "\n  " + problem.text;
    }
    if (!force) {
      return c.Refuse(text + "\n(zorvik-disc check " + dir +
                      " says more; --force masters the image all the same)");
    }
    c.Err() << "note: " << text << "\nnote: mastered all the same, as --force asks\n";
  }

  std::string label;
  if (args->options.contains("--label")) {
    label = args->options.at("--label");
  } else {
    const std::optional<std::string> bytes = p.ReadFile(kSettingsReadPath, kLargestSettingsFile);
    const std::optional<SettingsRecord> record = bytes ? ParseSettings(*bytes) : std::nullopt;
    label = DefaultLabel(record ? record->movieTitle : "");
  }
  std::string warning;
  if (const std::optional<std::string> wrong = LabelProblem(label, warning)) {
    return c.Refuse("--label " + label + ": " + *wrong);
  }
  if (!warning.empty()) c.Err() << "note: label " << label << ": " << warning << "\n";

  std::string xorriso = "xorriso";
  if (args->options.contains("--xorriso")) {
    xorriso = args->options.at("--xorriso");
  } else if (std::optional<std::string> env =
                 c.Host().environment ? c.Host().environment("ZORVIK_XORRISO") : std::nullopt) {
    xorriso = *env;
  }
  fs::path temp = image;
  temp += HostPath(".zorvik-new");
  fs::remove(temp, ec);
  const ProgramRun master = c.Host().runner->Run(
      xorriso, MasterArguments(HostText(fs::absolute(*root)), HostText(temp), label));
  if (!master.started) {
    const std::string where = c.Host().windowsBuild
                                  ? "Windows doesn't come with it: install it (MSYS2: pacman -S "
                                    "xorriso; Cygwin: the xorriso package) and put it on PATH or "
                                    "name it with --xorriso PATH, or master the image on Linux"
                                  : "install it (Debian: apt-get install xorriso) or name it with "
                                    "--xorriso PATH";
    return c.Refuse("iso needs xorriso, which could not be started (" + master.error +
                    "): " + where);
  }
  if (master.exitCode != 0) {
    fs::remove(temp, ec);
    return c.Refuse("xorriso could not master the image:\n" + master.output);
  }
  const ProgramRun list = c.Host().runner->Run(xorriso, ListArguments(HostText(temp)));
  const ImageListing listing = ParseListing(list.output);
  std::vector<std::string> differences = CompareWithDisc(listing, p);
  if (listing.volumeId != label) {
    differences.push_back("the image's label is \"" + listing.volumeId + "\", not \"" + label +
                          "\"");
  }
  if (!list.started || list.exitCode != 0 || !differences.empty()) {
    fs::remove(temp, ec);
    c.Err() << "zorvik-disc: the image did not read back as the disc folder, so it was removed:\n";
    for (const std::string& d : differences)
      c.Err() << "  " << d << "\n";
    if (!list.started || list.exitCode != 0) c.Err() << list.error << list.output;
    return kExitViewerProblem;
  }
  fs::rename(temp, image, ec);
  if (ec && force) {
    // Some systems don't rename over a file; the old image goes only once the new one is whole.
    fs::remove(image, ec);
    fs::rename(temp, image, ec);
  }
  if (ec) return c.Refuse("can't name the image " + HostText(image) + ": " + ec.message());

  std::uintmax_t bytes = 0;
  size_t files = 0, folders = 0;
  for (const ImageEntry& e : listing.entries) {
    bytes += e.size;
    e.folder ? ++folders : ++files;
  }
  c.Out() << "Mastered " << args->positional[1] << ", volume " << label << ": " << files
          << " files in " << folders << " folders, " << bytes
          << " bytes. Read back from its Joliet names, it holds the disc folder:\n";
  for (const ImageEntry& e : listing.entries) {
    c.Out() << "  " << e.path << (e.folder ? "/" : "  " + std::to_string(e.size) + " bytes")
            << "\n";
  }
  return kExitDone;
}

}  // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const ToolHost& host) {
  Command c(out, err, host);
  if (args.size() < 2) {
    err << kMainHelp;
    return kExitRefused;
  }
  if (args[1] == "--help" || args[1] == "-h" || args[1] == "help") {
    out << kMainHelp;
    return kExitDone;
  }
  const std::string& command = args[1];
  if (command == "init") return Init(c, args);
  if (command == "set") return Set(c, args);
  if (command == "show") return Show(c, args);
  if (command == "check") return Check(c, args);
  if (command == "iso") return Iso(c, args);
  return c.Refuse("\"" + command +
                  "\" is not a command: init, set, show, check or iso (zorvik-disc --help)");
}

}  // namespace zorvik::author
