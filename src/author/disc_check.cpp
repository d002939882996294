#include "author/disc_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "author/autorun_inf.h"
#include "author/names.h"
#include "author/settings_fields.h"
#include "author/text_fit.h"
#include "author/video_header.h"
#include "core/launcher.h"
#include "core/text_util.h"
#include "forms/main_window_controls.h"
#include "forms/options_window_controls.h"
#include "media/video_discovery.h"
#include "media/video_launch.h"
#include "persistence/player_options.h"
#include "persistence/settings_file.h"

namespace zorvik::author {

namespace {

constexpr Twips kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr double kMenuPoints = 9;     // the system's menu font
constexpr int kSmallestScreen = 640;  // pixels across, the least the options window offers
constexpr size_t kJolietNameUnits = 64;
constexpr size_t kJolietPathBytes = 240;

std::string Quoted(const std::string& s) {
  return "\"" + s + "\"";
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < text.size()) {
    const size_t end = std::min(text.find(' ', i), text.size());
    if (end > i) out.push_back(text.substr(i, end - i));
    i = end + 1;
  }
  return out;
}

class Checker {
 public:
  Checker(DiscFiles& files, const ViewerPc& pc) : p_(files, pc), l_(p_) {}

  CheckReport Run() {
    rep_.pc = DescribeViewerPc(p_.Pc());
    l_.Start();
    rep_.startBoxes = p_.boxes;
    rep_.startedUp = !l_.Ending();
    StartBoxes();
    if (rep_.startedUp) Observe();
    CheckLauncherAndAutorun();
    CheckSettingsFile();
    for (Problem& problem : CheckDiscNames(p_))
      rep_.problems.push_back(std::move(problem));
    return std::move(rep_);
  }

 private:
  void Add(Severity s, std::string code, std::string text) {
    rep_.problems.push_back({s, std::move(code), std::move(text)});
  }

  // Each box at start-up, saying what it asks of the viewer and whether the disc can answer.
  void StartBoxes() {
    const struct {
      const std::string* prompt;
      InstallerId installer;
    } installs[] = {{&l_.MsgInstallBSplayer, InstallerId::BSplayer},
                    {&l_.MsgInstallXviD, InstallerId::XviD},
                    {&l_.MsgInstallDivX, InstallerId::DivX}};
    for (size_t i = 0; i < rep_.startBoxes.size(); ++i) {
      const std::string& prompt = rep_.startBoxes[i].prompt;
      const std::string shown = "the viewer is shown " + Quoted(prompt);
      if (!rep_.startedUp && i + 1 == rep_.startBoxes.size()) {
        Add(Severity::Viewer, "start-up-fails", shown + ", and the launcher stops there");
        continue;
      }
      bool known = false;
      for (const auto& install : installs) {
        if (prompt != *install.prompt) continue;
        known = true;
        const InstallerEntry& entry = l_.Installer(install.installer);
        const DiscLookup there = LookOnDisc(entry.InstallerPath);
        if (!there.found || there.kind != EntryKind::File) {
          Add(Severity::Viewer, "prompt-without-installer",
              shown + ", but the disc carries no " + entry.InstallerName + " installer (" +
                  entry.InstallerPath + " is not there), and Play stays disabled");
        } else {
          Add(Severity::Viewer, "install-prompt",
              shown + ": Play stays disabled until it is installed from the Programs menu");
        }
      }
      if (known) continue;
      if (prompt == l_.MsgOldVersion) {
        Add(Severity::Viewer, "old-player",
            shown +
                (p_.FileExists(l_.OptControls().TxtBSpath.Text())
                     ? ": the player is older than the launcher expects"
                     : ": the player's file isn't there to be dated, and the "
                       "launcher takes that for an old player") +
                "; the box only warns, and Play still starts it");
      } else if (prompt == l_.MsgNoVideo) {
        Add(Severity::Viewer, "no-video-box", shown + ", and Play is disabled");
      } else {
        Add(Severity::Viewer, "message-box", shown + " at start-up");
      }
    }
  }

  // Texts that don't fit their place, or hold what the launcher's fonts can't draw.
  void CheckTexts() {
    const Label& title = l_.MainControls().LblMovieName;
    const int width = title.Width() / kTwipsPerPixel, height = title.Height() / kTwipsPerPixel;
    const Wrapped w = WrapText(rep_.title, rep_.titleSize, width);
    const int lines = std::max(1, height / LinePixels(rep_.titleSize));
    if (w.lines > lines || w.wordTooWide) {
      char size[16];
      std::snprintf(size, sizeof size, "%g", rep_.titleSize);
      Add(Severity::Viewer, "title-doesnt-fit",
          "the title doesn't fit its place above the menu, " + std::to_string(lines) +
              " lines of " + std::to_string(width) + " pixels at " + size + " point: it takes " +
              std::to_string(w.lines) + (w.wordTooWide ? ", and a word is wider than a line" : "") +
              ", so the viewer sees it cut off");
    }
    Undrawn("the title", rep_.title);
    Captions(rep_.menus);
  }

  void Captions(const std::vector<MenuView>& menus) {
    for (const MenuView& v : menus) {
      Undrawn("the menu entry " + Quoted(v.caption), v.caption);
      if (TextPixels(Utf8ToCodePoints(v.caption), kMenuPoints) > kSmallestScreen) {
        Add(Severity::Viewer, "menu-name-too-long",
            "the menu entry " + Quoted(v.caption) + " is wider than a screen of " +
                std::to_string(kSmallestScreen) + " pixels, so the viewer sees it cut off");
      }
      Captions(v.entries);
    }
  }

  void Undrawn(const std::string& what, const std::string& text) {
    const std::string missing = Undrawable(text);
    if (missing.empty()) return;
    Add(Severity::Viewer, "undrawable-characters",
        what + " holds " + missing +
            ", which the launcher's fonts can't draw: the viewer sees empty boxes");
  }

  void Observe() {
    MainWindowControls& m = l_.MainControls();
    rep_.language = l_.GreekLanguage ? "Greek" : "English";
    rep_.title = m.LblMovieName.Caption();
    rep_.titleSize = m.LblMovieName.GetFont().size;
    const Picture& cover = m.PicLogo2.GetPicture();
    if (cover.name != res::kDefaultCover) {
      rep_.cover = cover.name;
      rep_.coverWidth = cover.width;
      rep_.coverHeight = cover.height;
    }
    // The box's pixels rounded up: at its place the window shows 214.3 x 308.7 pixels of it as
    // 215 x 309 (in part), so a cover of that size leaves no strip of the banner showing.
    rep_.boxWidth = (m.PicLogo2.Width() + kTwipsPerPixel - 1) / kTwipsPerPixel;
    rep_.boxHeight = (m.PicLogo2.Height() + kTwipsPerPixel - 1) / kTwipsPerPixel;
    rep_.banner = !m.ImgShow[1].Visible();
    CheckCover();

    rep_.menus = Menus(m.MenuBar());
    CheckTexts();
    rep_.play = Press("Play");
    if (!rep_.play.available) {
      Add(Severity::Viewer, "play-disabled", "Play is disabled: the viewer can't start the movie");
    } else if (!rep_.play.started) {
      Add(Severity::Viewer, "play-starts-nothing",
          "Play starts nothing: there is no movie to play");
    } else if (rep_.play.program.empty()) {
      Add(Severity::Viewer, "play-no-player", "Play has no player to start");
    }
    ChooseEntries();
  }

  std::vector<MenuView> Menus(const std::vector<MenuItem*>& items) {
    std::vector<MenuView> out;
    for (const MenuItem* item : items) {
      if (!item->Visible()) continue;
      out.push_back({item->Name(), MenuText(item->Caption()), item->Enabled(), item->Checked(), "",
                     Menus(item->Children())});
    }
    return out;
  }

  MenuView* View(const std::string& name, std::vector<MenuView>& in) {
    for (MenuView& v : in) {
      if (v.name == name) return &v;
      if (MenuView* inner = View(name, v.entries)) return inner;
    }
    return nullptr;
  }

  // Presses the Play button where a person would, in the middle of its picture.
  PlayView Press(const std::string& what) {
    MainWindowControls& m = l_.MainControls();
    PlayView v;
    v.what = what;
    Twips x = 0, y = 0;
    m.FormPosition(m.ImgPlay[2], x, y);
    x += m.ImgPlay[2].Width() / 2;
    y += m.ImgPlay[2].Height() / 2;
    const Control* target = m.HitTest(x, y);
    v.available = target == &m.LblPlay || target == &m.ImgPlayIcon[0] || target == &m.ImgPlay[2] ||
                  target == &m.ImgPlay[1] || target == &m.ImgPlayIcon[1];
    const size_t shells = p_.shell.size(), starts = p_.started.size(), boxes = p_.boxes.size();
    l_.Dispatch([&] {
      m.MouseMove(0, x, y);
      m.MouseDown(MouseButton::Left, 0, x, y);
      m.MouseUp(MouseButton::Left, 0, x, y);
    });
    if (p_.shell.size() > shells) {
      v.started = true;
      v.program = p_.shell.back().file;
      v.parameters = p_.shell.back().parameters;
    } else if (p_.started.size() > starts) {
      v.started = true;
      v.bare = true;
      v.program = p_.started.back().path;
    }
    v.boxes.assign(p_.boxes.begin() + static_cast<long>(boxes), p_.boxes.end());
    v.closes = m.Timer1.Enabled();
    return v;
  }

  // Chooses every entry of the disc's programs and documents, then each trailer and Play.
  void ChooseEntries() {
    MainWindowControls& m = l_.MainControls();
    std::vector<MenuItem*> entries;
    for (MenuItem* menu : {&m.Movie, &m.Programs}) {
      for (MenuItem* item : menu->Children()) {
        if (item == &m.MainVideo || item == &m.Trailer1 || item == &m.Trailer2 ||
            item == &m.Trailer3)
          continue;
        entries.push_back(item);
      }
    }
    for (MenuItem* item : entries) {
      MenuView* view = View(item->Name(), rep_.menus);
      if (!view || !view->enabled || !item->Parent()->Enabled()) continue;
      const size_t starts = p_.started.size(), boxes = p_.boxes.size();
      l_.Dispatch([item] { item->UserClick(); });
      if (p_.started.size() > starts) {
        const ProgramStart& s = p_.started.back();
        view->does = "starts " + s.path + (s.arguments.empty() ? "" : " " + s.arguments);
      } else if (p_.boxes.size() > boxes) {
        view->does = "shows " + Quoted(p_.boxes.back().prompt);
        Add(Severity::Viewer, "menu-entry-shows-box",
            Quoted(view->caption) + " in the " + MenuText(item->Parent()->Caption()) +
                " menu shows " + Quoted(p_.boxes.back().prompt));
      } else {
        view->does = "does nothing";
      }
    }

    for (int n = 1; n <= 3; ++n) {
      MenuItem& entry = m.TrailerEntry(n);
      MenuView* view = View(entry.Name(), rep_.menus);
      if (!view) continue;
      l_.Dispatch([&entry] { entry.UserClick(); });
      PlayView v = Press(view->caption);
      view->does = !v.started          ? "Play then starts nothing"
                   : v.program.empty() ? "Play then has no player to start"
                                       : "Play then passes [" + v.parameters + "]";
      if (!v.available || !v.started || v.program.empty()) {
        Add(Severity::Viewer, "trailer-doesnt-play",
            "the trailer " + Quoted(view->caption) + " doesn't play");
      }
      rep_.trailers.push_back(std::move(v));
    }
  }

  void CheckCover() {
    if (rep_.cover.empty()) {
      Add(Severity::Note, "no-cover",
          std::string("there is no cover picture in More\\ (a .jpg or .bmp): ") +
              (rep_.banner ? "the banner shows the launcher's own picture"
                           : "the window starts without the banner"));
      return;
    }
    const int w = rep_.coverWidth, h = rep_.coverHeight, bw = rep_.boxWidth, bh = rep_.boxHeight;
    if (w == bw && h == bh) return;
    std::string text = "the cover is " + std::to_string(w) + " x " + std::to_string(h) +
                       " pixels; its box shows " + std::to_string(bw) + " x " + std::to_string(bh) +
                       " at 96 dots per inch";
    if (w > bw || h > bh) {
      text += ", so " + std::to_string(std::max(w - bw, 0)) + " pixels on the right and " +
              std::to_string(std::max(h - bh, 0)) + " at the bottom are cut off";
    }
    if (w < bw || h < bh) {
      text += (w > bw || h > bh ? ", and " : ", so ") + std::string("a margin of ") +
              std::to_string(std::max(bw - w, 0)) + " pixels on the right and " +
              std::to_string(std::max(bh - h, 0)) + " at the bottom stays empty";
    }
    Add(Severity::Warning, "cover-size", text);
  }

  DiscLookup LookOnDisc(const std::string& relative) {
    return p_.Look(JoinPath(p_.LauncherFolder(), relative));
  }

  void CheckLauncherAndAutorun() {
    const DiscLookup launcher = LookOnDisc(kLauncherName);
    if (!launcher.found || launcher.kind != EntryKind::File) {
      Add(Severity::Viewer, "launcher-missing",
          std::string("the launcher ") + kLauncherName + " is not on the disc");
    } else {
      const std::optional<std::string> bytes = p_.Files().Read(launcher.stored, 64u << 20);
      if (!bytes || !bytes->starts_with("MZ")) {
        Add(Severity::Viewer, "launcher-not-a-program",
            std::string(kLauncherName) + " is not a Windows program");
      }
    }

    const DiscLookup inf = LookOnDisc(kAutorunName);
    if (!inf.found || inf.kind != EntryKind::File) {
      Add(Severity::Viewer, "autorun-missing",
          "there is no autorun.inf: the disc won't start the launcher by itself");
      return;
    }
    const std::optional<std::string> bytes = p_.Files().Read(inf.stored, 1u << 20);
    if (!bytes) {
      Add(Severity::Warning, "autorun-unread",
          "autorun.inf holds over 1 MiB or can't be read: the check can't say what Windows makes "
          "of it");
      return;
    }
    const AutorunInf a = ParseAutorun(*bytes);
    if (!a.hasSection) {
      Add(Severity::Viewer, "autorun-no-section",
          "autorun.inf has no [autorun] section: Windows ignores it");
      return;
    }
    if (a.encoding == "UTF-8") {
      Add(Severity::Viewer, "autorun-utf8",
          "autorun.inf is UTF-8 text with a byte-order mark, which Windows can't read: save it as "
          "UTF-16 or plain ASCII");
    }
    const auto key = [&a](const char* k) {
      const auto it = a.keys.find(k);
      return it == a.keys.end() ? std::string() : it->second;
    };
    const std::string program = AutorunProgram(key("open"));
    if (program.empty()) {
      Add(Severity::Viewer, "autorun-no-program", "autorun.inf names no program to start (open=)");
    } else {
      const DiscLookup target = LookOnDisc(program);
      if (!target.found || target.kind != EntryKind::File) {
        Add(Severity::Viewer, "autorun-program-missing",
            "autorun.inf starts " + program + ", which is not on the disc");
      } else if (!SameName(target.stored.back(), kLauncherName) || target.stored.size() != 1) {
        Add(Severity::Warning, "autorun-not-the-launcher",
            "autorun.inf starts " + program + ", not the launcher " + kLauncherName);
      }
    }
    const std::string icon = AutorunIconFile(key("icon"));
    if (icon.empty()) {
      Add(Severity::Warning, "autorun-no-icon", "autorun.inf gives the drive no icon (icon=)");
    } else if (!LookOnDisc(icon).found) {
      Add(Severity::Warning, "autorun-icon-missing",
          "autorun.inf takes the drive's icon from " + icon + ", which is not on the disc");
    }
    rep_.driveName = key("label");
    if (key("label").empty()) {
      Add(Severity::Note, "autorun-no-label", "autorun.inf gives the drive no name (label=)");
    } else if (a.encoding == "ANSI") {
      Add(Severity::Warning, "autorun-label-code-page",
          "autorun.inf's label is in a code page: a viewer whose Windows uses another "
          "one sees other letters (save it as UTF-16)");
    }
  }

  void CheckSettingsFile() {
    const DiscLookup where = p_.Look(kSettingsReadPath);
    if (!where.found) {
      Add(Severity::Warning, "settings-missing",
          std::string("there is no ") + kSettingsReadPath +
              ": the launcher starts with its own defaults");
      return;
    }
    const std::optional<std::string> bytes = p_.ReadFile(kSettingsReadPath, kLargestSettingsFile);
    const std::optional<SettingsRecord> record = bytes ? ParseSettings(*bytes) : std::nullopt;
    if (!record) {
      Add(Severity::Viewer, "settings-unreadable",
          std::string(kSettingsReadPath) +
              " can't be read as a settings file: the launcher ignores it and "
              "starts with its own defaults");
      return;
    }
    if (where.caseOnly) {
      Add(Severity::Note, "case-only",
          "the settings file is stored as " + ShowDiscPath(where.stored) +
              "; the launcher finds it only because Windows ignores case");
    }
    settings_ = *record;
    const std::vector<ShownField> fields = ShowSettings(*record);
    const auto value = [&fields](const std::string& name) {
      for (const ShownField& f : fields) {
        if (f.name == name) return f.value;
      }
      return std::string();
    };
    for (const ShownField& f : fields) {
      if (f.kind != FieldKind::Text) continue;
      if (!Utf8ToCp1253(f.value)) {
        Add(Severity::Warning, "text-stored-as-utf8",
            f.name +
                " holds characters that Windows-1253 can't hold, so the "
                "settings file is stored as UTF-8 (the launcher reads it; "
                "older tools show other letters)");
      }
      const bool menuText = f.name.ends_with(".name");
      if (menuText && MenuText(f.value) != f.value) {
        Add(Severity::Warning, "menu-ampersand",
            f.name +
                " holds \"&\", which a menu shows as an underlined letter "
                "(write && for an ampersand)");
      }
    }

    const std::string built = PlayerOptionString(*record);
    if (Words(built) != Words(record->parameters)) {
      Add(Severity::Warning, "parameters-typed",
          "Play passes the parameters as typed, [" + record->parameters +
              "]; the options window builds [" + built +
              "] from its boxes, so a viewer who presses Apply or OK there changes what Play "
              "passes");
    }

    const std::string find = value("find");
    const std::string movie = value("movie");
    if (find == "path") {
      const DiscLookup m = p_.Look(movie);
      if (!m.onDisc) {
        Add(Severity::Viewer, "movie-not-on-viewers-drive",
            "Play is given " + movie + ", but this viewer's disc is at " + p_.Pc().disc +
                ": the player is given a file that isn't there");
      } else if (!m.found) {
        Add(Severity::Viewer, "movie-missing", "the movie " + movie + " is not on the disc");
      }
      if (m.onDisc) {
        Add(Severity::Warning, "movie-full-path",
            "find=path names the movie by a full path, drive letter and all: a viewer "
            "whose disc has another drive letter can't play it (find=auto finds it "
            "beside the launcher)");
      }
      if (m.found && m.caseOnly) CaseOnly("movie", movie, m);
    } else if (find == "ini" && value("player-ini") != "default") {
      const DiscLookup ini = p_.Look(value("player-ini"));
      if (ini.onDisc && !ini.found) {
        Add(Severity::Viewer, "player-ini-missing",
            "player-ini " + value("player-ini") + " is not on the disc");
      } else if (ini.found && ini.caseOnly) {
        CaseOnly("player-ini", value("player-ini"), ini);
      }
    } else if (find == "auto" && rep_.startedUp) {
      const std::string found = l_.OptControls().TxtAviName.Text();
      const std::vector<std::string> videos = VideosBesideLauncher(p_);
      std::string others;
      for (const std::string& v : videos) {
        if (v != found) others += (others.empty() ? "" : ", ") + v;
      }
      if (found.empty()) {
        Add(Severity::Viewer, "no-movie",
            "there is no movie beside the launcher (.avi, .mpg, .mpeg, .ogm, .asf "
            "or .wma)");
      } else if (!movie.empty() && !SameName(movie, found)) {
        Add(Severity::Viewer, "movie-not-meant",
            "Play plays " + found + ", not the movie " + movie +
                " the settings name: with find=auto the launcher takes the video it finds (" +
                kVideoOrder + ")");
      } else if (!others.empty()) {
        Add(movie.empty() ? Severity::Viewer : Severity::Warning, "several-videos",
            "Play plays " + found + " of the videos beside the launcher, never " + others + " (" +
                kVideoOrder +
                "): move the videos that aren't the movie into a folder (trailers\\)" +
                (movie.empty() ? ", and name the movie with zorvik-disc set movie=NAME" : ""));
      }
    }
    CheckStartTime(value("start") == "on", value("start-seconds"),
                   find == "auto" && rep_.startedUp);

    const SettingsRecord factory = FactoryRecord();
    const auto placeholder = [&](const std::string& field, const std::string& caption,
                                 const std::string& factoryCaption, const char* menu) {
      if (caption != factoryCaption && !TrimBlanks(MenuText(caption)).empty()) return;
      Add(Severity::Viewer, "placeholder-name",
          "the " + std::string(menu) + " menu shows " +
              (TrimBlanks(MenuText(caption)).empty() ? std::string("an entry without a name")
                                                     : Quoted(caption)) +
              " for " + value(field) + ": give it a name with zorvik-disc set " + field +
              ".name=...");
    };
    for (int n = 1; n <= 3; ++n) {
      const std::string name = "trailer" + std::to_string(n);
      const std::string path = value(name);
      if (path.empty()) continue;
      placeholder(name, record->trailers[n - 1].name, factory.trailers[n - 1].name, "Video File");
      const DiscLookup t = LookOnDisc(path);
      if (!t.found || t.kind != EntryKind::File) {
        Add(Severity::Viewer, "trailer-missing",
            name + " " + path +
                (t.found && t.kind == EntryKind::Folder ? " is a folder" : " is not on the disc") +
                ": the player is given a file that isn't there");
      } else if (t.caseOnly) {
        CaseOnly(name, path, t);
      }
    }
    for (const ShownField& f : fields) {
      if (!f.name.starts_with("installer.") || f.name.ends_with(".name") || f.value.empty())
        continue;
      const DiscLookup i = LookOnDisc(f.value);
      if (i.found && i.caseOnly) CaseOnly(f.name, f.value, i);
    }
    for (int n = 1; n <= 2; ++n) {
      const std::string name = "program" + std::to_string(n);
      const std::string path = value(name);
      if (path.empty()) continue;
      placeholder(name, record->others[n - 1].name, factory.others[n - 1].name, "Programs");
      if (rep_.startedUp && !l_.MainControls().Programs.Enabled()) {
        Add(Severity::Viewer, "program-unreachable",
            name +
                " can't be reached: the Programs menu is disabled because the "
                "disc carries none of the five installers");
      }
      const DiscLookup o = LookOnDisc(path);
      if (o.found && o.caseOnly) CaseOnly(name, path, o);
    }
  }

  // The launcher gives every trailer the movie's options, its start time among them.
  void CheckStartTime(bool on, const std::string& start, bool movieBeside) {
    if (!on) return;
    const double seconds = IsNumeric(start) ? std::strtod(start.c_str(), nullptr) : -1;
    if (seconds < 0 || seconds > kLatestStart) {
      Add(Severity::Viewer, "start-beyond-reason",
          "Play starts the movie at " + Quoted(start) +
              " seconds, which is no time in a movie (zorvik-disc set start-seconds=M:SS)");
      return;
    }
    const auto length = [this](const std::string& relative) -> std::optional<long long> {
      const DiscLookup f = LookOnDisc(relative);
      if (!f.found || f.kind != EntryKind::File) return std::nullopt;
      const std::optional<std::string> head = p_.Files().ReadStart(f.stored, kVideoHeaderBytes);
      return head ? VideoSeconds(*head) : std::nullopt;
    };
    const std::string at = TrimBlanks(start) + " seconds";
    if (movieBeside && !l_.OptControls().TxtAviName.Text().empty()) {
      const std::optional<long long> movie = length(l_.OptControls().TxtAviName.Text());
      if (movie && seconds >= static_cast<double>(*movie)) {
        Add(Severity::Viewer, "start-past-movie",
            "Play starts the movie at " + at + ", but it is " + std::to_string(*movie) +
                " seconds long");
      }
    }
    for (const NamedPath& t : settings_.trailers) {
      if (t.path.empty()) continue;
      const std::optional<long long> trailerLength = length(t.path);
      if (trailerLength && seconds >= static_cast<double>(*trailerLength)) {
        Add(Severity::Viewer, "start-past-trailer",
            "the trailer " + t.path + " is " + std::to_string(*trailerLength) +
                " seconds long, and the launcher starts it at " + at +
                " too, as it gives the trailers the movie's options: the viewer sees nothing of "
                "it (set start=off: the launcher has no start time for the movie alone)");
      } else {
        Add(Severity::Warning, "start-reaches-trailers",
            "the launcher starts the trailer " + t.path + " at " + at +
                " too, as it gives the trailers the movie's options");
      }
    }
  }

  void CaseOnly(const std::string& name, const std::string& path, const DiscLookup& found) {
    Add(Severity::Warning, "case-only",
        name + " " + path + " matches " + ShowDiscPath(found.stored) +
            " only when case is ignored (Windows does; other players may not)");
  }

  DiscPlatform p_;
  Launcher l_;
  CheckReport rep_;
  SettingsRecord settings_;
};

size_t Utf16Units(const std::string& name) {
  size_t units = 0;
  for (char32_t c : Utf8ToCodePoints(name))
    units += c >= 0x10000 ? 2 : 1;
  return units;
}

void CheckNames(DiscPlatform& p, const DiscPath& folder, size_t pathBytes,
                std::vector<Problem>& out, unsigned long long& total) {
  const std::vector<DiscEntry> entries = p.Listing(folder);
  for (size_t i = 0; i < entries.size(); ++i) {
    const DiscEntry& e = entries[i];
    DiscPath path = folder;
    path.push_back(e.name);
    const std::string shown = ShowDiscPath(path);
    for (size_t k = 0; k < i; ++k) {
      if (SameName(entries[k].name, e.name)) {
        out.push_back({Severity::Viewer, "names-differ-in-case",
                       ShowDiscPath(DiscPath(folder)) + (folder.empty() ? "" : "\\") +
                           entries[k].name + " and " + shown +
                           " differ only in case: Windows sees one of them"});
      }
    }
    if (e.kind == EntryKind::Other) {
      out.push_back({Severity::Warning, "not-a-file",
                     shown + " is neither a file nor a folder: the image leaves it out"});
      continue;
    }
    const std::u32string cps = Utf8ToCodePoints(e.name);
    std::string bad;
    for (char32_t c : cps) {
      if (c < 0x20 || c == U'*' || c == U'/' || c == U':' || c == U';' || c == U'?' || c == U'\\') {
        bad =
            c < 0x20 ? "a control character" : "\"" + CodePointsToUtf8(std::u32string(1, c)) + "\"";
      } else if (c >= 0x10000 && bad.empty()) {
        bad = "a character beyond UCS-2";
      }
    }
    if (!bad.empty()) {
      out.push_back({Severity::Viewer, "name-character",
                     shown + ": the name holds " + bad + ", which Joliet names can't hold"});
    }
    if (!cps.empty() && (cps.back() == U'.' || cps.back() == U' ')) {
      out.push_back({Severity::Viewer, "name-ends-in-dot",
                     shown + ": Windows can't open a name that ends in a dot or a blank"});
    }
    const size_t units = Utf16Units(e.name);
    if (units > kJolietNameUnits) {
      out.push_back(
          {Severity::Viewer, "name-too-long",
           shown + ": the name has " + std::to_string(units) +
               " characters; a Joliet name holds 64, so the disc would show it cut short"});
    }
    const size_t bytes = pathBytes + 1 + 2 * units;
    if (bytes > kJolietPathBytes) {
      out.push_back({Severity::Viewer, "path-too-long",
                     shown + ": the path is too long for the disc's Joliet names (" +
                         std::to_string(bytes) +
                         " of 240 bytes, two a character), "
                         "so Windows wouldn't see it"});
      continue;
    }
    if (e.kind == EntryKind::Folder) {
      CheckNames(p, path, bytes, out, total);
    } else {
      total += e.size;
    }
  }
}

}  // namespace

int CheckReport::Count(Severity s) const {
  return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                        [s](const Problem& p) { return p.severity == s; }));
}

std::string MenuText(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

std::vector<Problem> CheckDiscNames(DiscPlatform& platform) {
  std::vector<Problem> out;
  unsigned long long total = 0;
  CheckNames(platform, {}, 1, out, total);
  constexpr unsigned long long kCd = 703ull << 20, kDvd = 4700000000ull;
  const std::string size = std::to_string((total + (1ull << 20) - 1) >> 20) + " MB";
  if (total > kDvd) {
    out.push_back({Severity::Warning, "larger-than-a-dvd",
                   "the files take " + size + ", more than a DVD holds"});
  } else if (total > kCd) {
    out.push_back({Severity::Note, "larger-than-a-cd",
                   "the files take " + size + ", more than a CD holds: burn a DVD"});
  }
  return out;
}

std::string MovieFoundBesideLauncher(DiscFiles& disc) {
  DiscPlatform p(disc, ViewerPc{});
  Launcher l(p);
  AutoDetectVideo(l);
  return l.OptControls().TxtAviName.Text();
}

std::vector<std::string> VideosBesideLauncher(DiscPlatform& platform) {
  std::vector<std::string> out;
  for (const DiscEntry& e : platform.Listing({})) {
    if (e.kind != EntryKind::File) continue;
    for (const char* pattern : kVideoPatterns) {
      if (MatchesPattern(pattern, e.name)) {
        out.push_back(e.name);
        break;
      }
    }
  }
  return out;
}

CheckReport CheckDisc(DiscFiles& disc, const ViewerPc& pc) {
  return Checker(disc, pc).Run();
}

}  // namespace zorvik::author
