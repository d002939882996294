#include "author/settings_fields.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <set>

#include "author/disc_files.h"
#include "author/disc_platform.h"
#include "author/names.h"
#include "author/viewer_pc.h"
#include "core/launcher.h"
#include "core/text_util.h"
#include "forms/language.h"
#include "persistence/player_options.h"
#include "persistence/settings_table.h"

namespace zorvik::author {

namespace {

// The lists and the words of the record's language, as the options window shows them.
class RecordWords {
 public:
  explicit RecordWords(const SettingsRecord& r)
      // A line that names neither language leaves the launcher's own, English.
      : greek_(r.language == kGreekLanguageLine) {}
  std::vector<std::string> AspectChoices() const {
    return {kAspectRatios.begin(), kAspectRatios.end()};
  }
  std::vector<std::string> ResolutionChoices() const {
    return {kResolutions.begin(), kResolutions.end()};
  }
  std::string NoSkinWord() const { return NoSkinCaption(greek_); }
  std::string DefaultIniWord() const { return zorvik::DefaultIniWord(greek_); }

 private:
  bool greek_;
};

using Rule = ValueRule;

struct Field {
  const char* name;
  Rule rule;
  const char* values;
  const char* what;
  bool playerOption = false;  // a change rebuilds the player's option string
  std::function<std::string&(SettingsRecord&)> text = nullptr;
  std::function<int&(SettingsRecord&)> number = nullptr;
};

using R = SettingsRecord;

const std::vector<Field>& Fields() {
  static const std::vector<Field> fields = [] {
    std::vector<Field> f;
    for (size_t i = 0; i < std::size(kSettings); ++i) {
      const Setting& row = kSettings[i];
      const SettingWords& words = kSettingWords[i];
      if (!words.name) continue;
      // The start time is a piece of the option string with its box.
      Field field{words.name, words.rule, words.values, words.help,
                  row.piece != Piece::None || words.rule == Rule::Seconds};
      if (row.text) field.text = [&row](R& r) -> std::string& { return r.*row.text; };
      if (row.number) field.number = [&row](R& r) -> int& { return r.*row.number; };
      f.push_back(std::move(field));
    }
    for (int n = 0; n < 3; ++n) {
      static const char* names[3][2] = {{"trailer1", "trailer1.name"},
                                        {"trailer2", "trailer2.name"},
                                        {"trailer3", "trailer3.name"}};
      f.push_back({names[n][0], Rule::DiscFile, "PATH", "a trailer's video, inside the disc", false,
                   [n](R& r) -> std::string& { return r.trailers[n].path; }});
      f.push_back({names[n][1], Rule::Text, "TEXT", "its entry in the Video File menu", false,
                   [n](R& r) -> std::string& { return r.trailers[n].name; }});
    }
    static const char* installers[kInstallerCount][2] = {
        {"installer.bsplayer", "installer.bsplayer.name"},
        {"installer.divx", "installer.divx.name"},
        {"installer.divxpro", "installer.divxpro.name"},
        {"installer.ffdshow", "installer.ffdshow.name"},
        {"installer.xvid", "installer.xvid.name"}};
    for (int i = 0; i < kInstallerCount; ++i) {
      f.push_back({installers[i][0], Rule::DiscFile, "PATH",
                   "an installer on the disc; the Programs menu offers it when the file is there",
                   false, [i](R& r) -> std::string& { return r.installers[i].path; }});
      f.push_back({installers[i][1], Rule::Text, "TEXT",
                   "its name in the Programs menu and the install prompts", false,
                   [i](R& r) -> std::string& { return r.installers[i].name; }});
    }
    for (int n = 0; n < 2; ++n) {
      static const char* names[2][2] = {{"program1", "program1.name"},
                                        {"program2", "program2.name"}};
      f.push_back({names[n][0], Rule::DiscFile, "PATH", "an extra program on the disc", false,
                   [n](R& r) -> std::string& { return r.others[n].path; }});
      f.push_back({names[n][1], Rule::Text, "TEXT", "its entry in the Programs menu", false,
                   [n](R& r) -> std::string& { return r.others[n].name; }});
    }
    return f;
  }();
  return fields;
}

const Field* FindField(const std::string& name) {
  for (const Field& f : Fields()) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

std::string SwitchText(int v) {
  return v == kUnchecked ? "off" : v == kChecked ? "on" : "greyed";
}

std::string ChoiceText(const std::vector<std::string>& choices, int index) {
  if (index < 0 || index >= static_cast<int>(choices.size())) return "none";
  return choices[static_cast<size_t>(index)];
}

std::string Shown(const Field& f, const SettingsRecord& record, const RecordWords& window) {
  R& r = const_cast<R&>(record);
  switch (f.rule) {
    case Rule::Language:
      if (r.language == kGreekLanguageLine) return "el";
      if (r.language == kEnglishLanguageLine) return "en";
      return r.language;
    case Rule::Find:
      return r.autoDetect ? "auto" : r.iniFile ? "ini" : "path";
    case Rule::Switch:
      return SwitchText(f.number(r));
    case Rule::Aspect:
      return ChoiceText(window.AspectChoices(), r.aspect);
    case Rule::Resolution:
      return ChoiceText(window.ResolutionChoices(), r.resolution);
    case Rule::Skin:
      return IsNoSkinCaption(r.skin) ? "none" : r.skin;
    case Rule::PlayerIni:
      return IsDefaultIniWord(r.playerIni) ? "default" : r.playerIni;
    default:
      return f.text(r);
  }
}

FieldKind KindOf(Rule rule) {
  switch (rule) {
    case Rule::Switch:
      return FieldKind::Switch;
    case Rule::Language:
    case Rule::Find:
    case Rule::Aspect:
    case Rule::Resolution:
      return FieldKind::Choice;
    default:
      return FieldKind::Text;
  }
}

// What the file's text fields can hold: no double quote (the format has no escape for it), no
// line breaks or other control characters, valid UTF-8.
bool Storable(const std::string& v, std::string& why) {
  if (CodePointsToUtf8(Utf8ToCodePoints(v)) != v) {
    why = "is not UTF-8 text";
    return false;
  }
  for (unsigned char c : v) {
    if (c == '"') {
      why = "holds a double quote, which the settings file can't store";
      return false;
    }
    if (c < 0x20 || c == 0x7F) {
      why = "holds a line break or another control character";
      return false;
    }
  }
  return true;
}

std::string Backslashes(std::string v) {
  for (char& c : v) {
    if (c == '/') c = '\\';
  }
  return v;
}

bool HasDriveOrRoot(const std::string& v) {
  return (v.size() >= 2 && v[1] == ':') || (!v.empty() && v[0] == '\\');
}

bool LeavesTheDisc(const std::string& v) {
  size_t start = 0;
  while (start <= v.size()) {
    size_t end = v.find('\\', start);
    if (end == std::string::npos) end = v.size();
    if (v.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

std::optional<int> ParseSwitch(const std::string& v) {
  for (const char* on : {"on", "1", "yes", "true"}) {
    if (EqualsIgnoreCase(v, on)) return kChecked;
  }
  for (const char* off : {"off", "0", "no", "false"}) {
    if (EqualsIgnoreCase(v, off)) return kUnchecked;
  }
  return std::nullopt;
}

std::optional<int> ParseChoice(const std::vector<std::string>& choices, const std::string& v) {
  for (size_t i = 0; i < choices.size(); ++i) {
    if (EqualsIgnoreCase(choices[i], v)) return static_cast<int>(i);
  }
  return std::nullopt;
}

int ParseChoiceIndex(const std::vector<std::string>& choices, const std::string& v) {
  return ParseChoice(choices, v).value_or(-1);
}

std::string Join(const std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (const std::string& s : items)
    out += (out.empty() ? "" : separator) + s;
  return out;
}

// A start time as seconds, minutes:seconds or hours:minutes:seconds, given back as the seconds
// the player's option takes.
std::optional<std::string> StartSeconds(const std::string& value, std::string& why) {
  const std::string v = TrimBlanks(value);
  double seconds = 0;
  std::string text;
  if (v.find(':') != std::string::npos) {
    long total = 0;
    size_t parts = 0, start = 0;
    while (start <= v.size()) {
      size_t end = v.find(':', start);
      if (end == std::string::npos) end = v.size();
      const std::string part = v.substr(start, end - start);
      const bool digits = !part.empty() && part.size() <= 5 &&
                          part.find_first_not_of("0123456789") == std::string::npos &&
                          (parts == 0 || part.size() == 2);
      if (!digits || ++parts > 3 || (parts > 1 && std::stol(part) > 59)) {
        why = "is not a time as M:SS or H:MM:SS";
        return std::nullopt;
      }
      total = total * 60 + std::stol(part);
      start = end + 1;
    }
    seconds = static_cast<double>(total);
    text = std::to_string(total);
  } else {
    if (!IsNumeric(v)) {
      why = "is not a number of seconds (or M:SS)";
      return std::nullopt;
    }
    seconds = std::strtod(v.c_str(), nullptr);  // too many digits: HUGE_VAL, refused below
    text = v[0] == '+' ? v.substr(1) : v;
  }
  if (seconds < 0) {
    why = "is before the start of the movie";
    return std::nullopt;
  }
  if (seconds > kLatestStart) {
    why = "is past " + std::to_string(kLatestStart / 3600) + " hours, longer than any movie";
    return std::nullopt;
  }
  return text;
}

std::vector<std::string> Entries(const Setting& row) {
  return {row.entries.begin(), row.entries.end()};
}

struct ParameterWord {
  const Setting* known = nullptr;  // nothing: an option the options window doesn't know
  std::string text;
  std::string value;
};

std::vector<ParameterWord> ParameterWords(const std::string& parameters) {
  std::vector<ParameterWord> out;
  std::vector<std::string> words;
  size_t i = 0;
  while (i < parameters.size()) {
    while (i < parameters.size() && parameters[i] == ' ')
      ++i;
    const size_t end = std::min(parameters.find(' ', i), parameters.size());
    if (end > i) words.push_back(parameters.substr(i, end - i));
    i = end;
  }
  for (size_t w = 0; w < words.size(); ++w) {
    ParameterWord word{nullptr, words[w], ""};
    for (const Setting& row : kSettings) {
      if (row.piece == Piece::None) continue;
      const std::string prefix = row.option;
      const bool valued = prefix.back() == '=';
      if (valued ? !word.text.starts_with(prefix) : word.text != prefix) continue;
      word.value = word.text.substr(prefix.size());
      // A skin's name may hold blanks; the option string has them unquoted.
      if (row.piece == Piece::Skin) {
        while (w + 1 < words.size() && !words[w + 1].starts_with("-")) {
          word.text += " " + words[++w];
          word.value += " " + words[w];
        }
      }
      const bool fits = row.piece == Piece::ListEntry
                            ? ParseChoiceIndex(Entries(row), word.value) > 0
                        : row.piece == Piece::StartTime ? IsNumeric(word.value)
                        : row.piece == Piece::Skin      ? !TrimBlanks(word.value).empty()
                                                        : true;
      if (fits) word.known = &row;
      break;
    }
    out.push_back(std::move(word));
  }
  return out;
}

// The options a hand-typed parameter text says, put into the fields that say them in the options
// window, so that the window and a later rebuild agree with what Play passes.
void TakeParameters(R& r, const std::vector<ParameterWord>& words, const RecordWords& window) {
  for (const Setting& row : kSettings) {
    if (row.piece == Piece::Skin) r.*row.text = window.NoSkinWord();
    if (row.piece == Piece::ListEntry) r.*row.number = 0;
    if (row.piece == Piece::Marked || row.piece == Piece::Checked ||
        row.piece == Piece::StartTime) {
      r.*row.number = kUnchecked;
    }
  }
  for (const ParameterWord& w : words) {
    if (!w.known) continue;
    const Setting& row = *w.known;
    if (row.piece == Piece::Skin) {
      r.*row.text = w.value;
    } else if (row.piece == Piece::ListEntry) {
      r.*row.number = ParseChoiceIndex(Entries(row), w.value);
    } else {
      r.*row.number = kChecked;
      if (row.piece == Piece::StartTime) r.startPosition = w.value;
    }
  }
}

// Sets one field; false with the reason when the value doesn't fit it.
bool Assign(const Field& f, R& r, const std::string& value, const RecordWords& window,
            std::string& why, std::vector<std::string>& discPaths) {
  switch (f.rule) {
    case Rule::Switch: {
      const std::optional<int> v = ParseSwitch(value);
      if (!v) {
        why = "is not on or off";
        return false;
      }
      f.number(r) = *v;
      return true;
    }
    case Rule::Language:
      if (value == "en" || value == "el") {
        r.language = value == "el" ? kGreekLanguageLine : kEnglishLanguageLine;
        return true;
      }
      why = "is not en or el";
      return false;
    case Rule::Find:
      if (value != "auto" && value != "path" && value != "ini") {
        why = "is not auto, path or ini";
        return false;
      }
      r.autoDetect = value == "auto";
      r.typedPath = value == "path";
      r.iniFile = value == "ini";
      return true;
    case Rule::Aspect:
    case Rule::Resolution: {
      const std::vector<std::string> choices =
          f.rule == Rule::Aspect ? window.AspectChoices() : window.ResolutionChoices();
      const std::optional<int> v = ParseChoice(choices, value);
      if (!v) {
        why = "is not one of " + Join(choices, ", ");
        return false;
      }
      f.number(r) = *v;
      return true;
    }
    default:
      break;
  }

  if (!Storable(value, why)) return false;
  std::string v = value;
  switch (f.rule) {
    case Rule::DiscFile:
      v = Backslashes(v);
      if (HasDriveOrRoot(v) || LeavesTheDisc(v)) {
        why =
            "is not a path inside the disc (give it from the disc's top, as trailers\\teaser.avi)";
        return false;
      }
      if (!v.empty()) discPaths.push_back(v);
      break;
    case Rule::PlayerPath:
      v = Backslashes(v);
      if (!v.empty() && !(v.size() >= 3 && v[1] == ':' && v[2] == '\\')) {
        why = "is not a full path on the viewer's computer (as C:\\Program Files\\...\\bplay.exe)";
        return false;
      }
      break;
    case Rule::Movie:
      v = Backslashes(v);
      break;
    case Rule::PlayerIni:
      v = EqualsIgnoreCase(v, "default") ? window.DefaultIniWord() : Backslashes(v);
      break;
    case Rule::Skin:
      if (EqualsIgnoreCase(v, "none")) {
        v = window.NoSkinWord();
      } else {
        // A skin file's name stands for its skin, as the options window takes it.
        if (v.size() >= 4 && EqualsIgnoreCase(v.substr(v.size() - 4), ".bsz")) v = SkinName(v);
        if (TrimBlanks(v).empty()) {
          why = "names no skin (give a name, or none)";
          return false;
        }
      }
      break;
    case Rule::Seconds:
      if (const std::optional<std::string> seconds = StartSeconds(v, why)) {
        v = *seconds;
      } else {
        return false;
      }
      break;
    default:
      break;
  }
  f.text(r) = v;
  return true;
}

ViewerPc NoPlayer() {
  ViewerPc pc;
  pc.player.clear();
  return pc;
}

}  // namespace

SettingsRecord FactoryRecord() {
  MemoryDisc empty;
  DiscPlatform platform(empty, NoPlayer());
  Launcher launcher(platform);
  launcher.Start();
  return CaptureSettings(launcher);
}

const std::vector<FieldHelp>& SettingsFieldHelp() {
  static const std::vector<FieldHelp> help = [] {
    std::vector<FieldHelp> out;
    for (const Field& f : Fields())
      out.push_back({f.name, f.values, f.what});
    return out;
  }();
  return help;
}

std::vector<ShownField> ShowSettings(const SettingsRecord& record) {
  const RecordWords window(record);
  std::vector<ShownField> out;
  for (const Field& f : Fields())
    out.push_back({f.name, Shown(f, record, window), KindOf(f.rule)});
  return out;
}

SetResult ApplySettings(const SettingsRecord& record, const std::vector<std::string>& arguments) {
  SetResult result;
  const RecordWords window(record);
  R r = record;
  std::set<std::string> seen;
  bool rebuild = false;
  std::vector<ParameterWord> before = ParameterWords(record.parameters);
  for (const std::string& argument : arguments) {
    if (argument.starts_with("parameters=")) {
      // Typed parameters say the options first; options named beside them then change those.
      before = ParameterWords(argument.substr(11));
      TakeParameters(r, before, window);
    }
  }
  for (const std::string& argument : arguments) {
    const size_t eq = argument.find('=');
    if (eq == std::string::npos || eq == 0) {
      result.error = "\"" + argument + "\" is not NAME=VALUE";
      return result;
    }
    const std::string name = argument.substr(0, eq);
    const std::string value = argument.substr(eq + 1);
    const Field* f = FindField(name);
    if (!f) {
      result.error = "\"" + name + "\" is not a setting (zorvik-disc set --help lists them)";
      return result;
    }
    if (!seen.insert(name).second) {
      result.error = name + " is given twice";
      return result;
    }
    std::string why;
    if (!Assign(*f, r, value, window, why, result.discPaths)) {
      result.error = name + "=" + value + ": the value " + why;
      return result;
    }
    rebuild = rebuild || f->playerOption;
  }
  if (r.startAt == kChecked && !IsNumeric(r.startPosition)) {
    result.error =
        "start=on: the movie's start needs start-seconds=SECONDS (now \"" + r.startPosition + "\")";
    return result;
  }
  const bool findNamed = seen.contains("find") || seen.contains("movie");
  if (findNamed && r.typedPath && !IsFullWindowsPath(r.movieFile)) {
    result.error =
        "find=path needs movie= the movie's full path as the viewer's Windows sees it "
        "(D:\\film.avi), not \"" +
        r.movieFile + "\"";
    return result;
  }
  if (findNamed && r.autoDetect && r.movieFile.find('\\') != std::string::npos) {
    result.error =
        "with find=auto the launcher finds the movie beside itself: movie= is a file "
        "name on the disc's top, not \"" +
        r.movieFile + "\"";
    return result;
  }
  if (rebuild) {
    // A rebuild keeps the options the options window doesn't know, after its own; one it knows
    // that only the typed text held would be lost, so that is refused.
    const std::string built = PlayerOptionString(r);
    std::vector<ParameterWord> now = ParameterWords(built);
    std::string extras, lost;
    for (const ParameterWord& w : before) {
      if (!w.known) {
        extras += " " + w.text;
        continue;
      }
      const bool named = seen.contains(kSettingWords[w.known - kSettings].name) ||
                         (w.known->piece == Piece::StartTime && seen.contains("start-seconds"));
      const bool kept = std::any_of(now.begin(), now.end(),
                                    [&w](const ParameterWord& n) { return n.text == w.text; });
      if (!named && !kept) lost += (lost.empty() ? "" : ", ") + w.text;
    }
    if (!lost.empty()) {
      result.error = "the parameters hold " + lost +
                     ", which the playback options don't say, so rebuilding them would lose it: "
                     "name the option as well, or give parameters= with the whole text";
      return result;
    }
    r.parameters = built + extras;
  }

  const RecordWords after(r);
  for (const Field& f : Fields()) {
    const std::string before = Shown(f, record, window);
    const std::string now = Shown(f, r, after);
    if (before != now) {
      result.changes.push_back(std::string(f.name) + ": \"" + before + "\" -> \"" + now + "\"");
    }
  }
  result.record = r;
  return result;
}

}  // namespace zorvik::author
