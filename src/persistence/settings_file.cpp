#include "persistence/settings_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "core/text_util.h"
#include "forms/language.h"
#include "forms/main_window_controls.h"
#include "forms/options_window_controls.h"

namespace zorvik {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Where a field of the file lives while the program runs.
enum class Holder {
  Check,       // a check box's value
  Text,        // a text box's text
  List,        // a list's chosen index
  Method,      // one of the three ways of finding the movie
  Language,    // the language menu
  Skin,        // the skin box's caption: a skin's name or the "no skin" word
  MovieTitle,  // the main window's title
};

// What follows a field in the file.
enum class After { Comma, LineEnd, SharedLine, LineEndAndEmptyLine };

// One field of the file and the control that holds it: the file's writer and reader, the capture
// of the controls and the load into them all walk this table, so a setting is bound in one row.
struct Field {
  // The record's member: one of the three.
  std::string SettingsRecord::*text = nullptr;
  int SettingsRecord::*number = nullptr;
  bool SettingsRecord::*flag = nullptr;
  Holder holder;
  CheckBox OptionsWindowControls::*check = nullptr;
  TextBox OptionsWindowControls::*box = nullptr;
  ComboBox OptionsWindowControls::*list = nullptr;
  FindMethod method = kAutoDetect;
  After after = After::Comma;
  // Loading sets the controls in this order (lowest first), and each control's reaction runs as
  // a user's change would: the order is part of what a load does.
  int loadStep = 0;
};

using R = SettingsRecord;
using O = OptionsWindowControls;
// clang-format off
constexpr Field kFields[] = {
    {.text = &R::language, .holder = Holder::Language, .after = After::LineEnd, .loadStep = -1},
    {.text = &R::movieFile, .holder = Holder::Text, .box = &O::TxtAviName, .loadStep = 10},
    {.number = &R::exitAfterLaunch, .holder = Holder::Check, .check = &O::ChkZorvikexit, .loadStep = 7},
    {.number = &R::hideBanner, .holder = Holder::Check, .check = &O::ChkBanner, .after = After::LineEnd, .loadStep = 6},
    {.flag = &R::autoDetect, .holder = Holder::Method, .method = kAutoDetect, .loadStep = 12},
    {.flag = &R::iniFile, .holder = Holder::Method, .method = kIniFile, .loadStep = 13},
    {.flag = &R::typedPath, .holder = Holder::Method, .method = kTypedPath, .after = After::SharedLine, .loadStep = 14},
    {.text = &R::playerPath, .holder = Holder::Text, .box = &O::TxtBSpath, .loadStep = 15},
    {.text = &R::playerIni, .holder = Holder::Text, .box = &O::TxtBSini, .loadStep = 9},
    {.number = &R::detectVersion, .holder = Holder::Check, .check = &O::ChkVersion, .after = After::LineEnd, .loadStep = 0},
    {.number = &R::writeSubStyle, .holder = Holder::Check, .check = &O::ChkSubs, .loadStep = 11},
    {.number = &R::writeSubFolder, .holder = Holder::Check, .check = &O::ChkSubPath, .loadStep = 2},
    {.number = &R::aspect, .holder = Holder::List, .list = &O::CmbAspect, .loadStep = 17},
    {.number = &R::disableSubs, .holder = Holder::Check, .check = &O::ChkSubsDisable, .loadStep = 8},
    {.number = &R::fullScreen, .holder = Holder::Check, .check = &O::ChkFull, .loadStep = 18},
    {.number = &R::endAtEnd, .holder = Holder::Check, .check = &O::ChkEend, .loadStep = 19},
    {.text = &R::skin, .holder = Holder::Skin, .loadStep = 20},
    {.number = &R::panScan, .holder = Holder::Check, .check = &O::ChkPanScan, .loadStep = 21},
    {.number = &R::startAt, .holder = Holder::Check, .check = &O::ChkStart, .loadStep = 22},
    {.text = &R::startPosition, .holder = Holder::Text, .box = &O::TxtSec, .loadStep = 24},
    {.number = &R::resolution, .holder = Holder::List, .list = &O::CmbRes, .after = After::LineEnd, .loadStep = 23},
    {.number = &R::useApi, .holder = Holder::Check, .check = &O::ChkAPI, .loadStep = 3},
    {.number = &R::shutDown, .holder = Holder::Check, .check = &O::ChkShutDown, .after = After::LineEnd, .loadStep = 4},
    {.text = &R::parameters, .holder = Holder::Text, .box = &O::TxtParam, .after = After::LineEndAndEmptyLine, .loadStep = 16},
    {.text = &R::movieTitle, .holder = Holder::MovieTitle, .after = After::LineEnd, .loadStep = 1},
};
// clang-format on
constexpr int kLastLoadStep = 24;

// Each field has its own step, so the load sets every one of them once.
constexpr bool StepsDistinct() {
  int seen = 0;
  for (int step = -1; step <= kLastLoadStep; ++step) {
    int n = 0;
    for (const Field& f : kFields)
      n += f.loadStep == step ? 1 : 0;
    if (n > 1) return false;
    seen += n;
  }
  return seen == static_cast<int>(std::size(kFields));
}
static_assert(StepsDistinct());

// The file's layout: the fields of the table, then the disc's trailers, installers and extra
// programs, each a line of a path and a name after an empty line. Walked by the writer and by
// the reader, so that the two agree field for field.
template <class V>
void Walk(V& v, SettingsRecord& r) {
  for (const Field& f : kFields) {
    if (f.text) v.Text(r.*f.text);
    if (f.number) v.Number(r.*f.number);
    if (f.flag) v.Boolean(r.*f.flag);
    if (f.after == After::SharedLine) v.ContinueRecord();
    if (f.after == After::LineEnd || f.after == After::LineEndAndEmptyLine) v.EndRecord();
    if (f.after == After::LineEndAndEmptyLine) v.EmptyRecord();
  }
  for (NamedPath& t : r.trailers) {
    v.Text(t.path);
    v.Text(t.name);
    v.EndRecord();
  }
  v.EmptyRecord();
  for (NamedPath& i : r.installers) {
    v.Text(i.path);
    v.Text(i.name);
    v.EndRecord();
  }
  v.EmptyRecord();
  for (NamedPath& o : r.others) {
    v.Text(o.path);
    v.Text(o.name);
    v.EndRecord();
  }
}

class Writer {
 public:
  void Text(const std::string& s) {
    std::string t = s;
    for (char& c : t) {
      if (c == '"') c = '\'';
      if (c == '\r' || c == '\n') c = ' ';
    }
    Field("\"" + t + "\"");
  }
  void Number(int n) { Field(std::to_string(n)); }
  void Boolean(bool b) { Field(b ? "#TRUE#" : "#FALSE#"); }
  void EndRecord() {
    out_ += "\r\n";
    first_ = true;
  }
  void ContinueRecord() {
    out_ += ',';
    first_ = true;
  }
  void EmptyRecord() { EndRecord(); }
  const std::string& Out() const { return out_; }

 private:
  void Field(const std::string& f) {
    if (!first_) out_ += ',';
    out_ += f;
    first_ = false;
  }
  std::string out_;
  bool first_ = true;
};

// Reads field by field: commas and line ends both end a field, so the reader doesn't care on
// which line a record stands.
class Reader {
 public:
  explicit Reader(std::string_view s) : s_(s) {}
  bool Ok() const { return ok_; }

  void Text(std::string& out) {
    std::string f;
    if (Next(f)) out = f;
  }
  void Number(int& out) {
    std::string f;
    if (!Next(f) || quoted_) return Fail();
    int n = 0;
    const char* end = f.data() + f.size();
    auto [p, ec] = std::from_chars(f.data(), end, n);
    if (f.empty() || ec != std::errc() || p != end) return Fail();
    out = n;
  }
  void Boolean(bool& out) {
    std::string f;
    if (!Next(f) || quoted_) return Fail();
    if (EqualsIgnoreCase(f, "#TRUE#")) {
      out = true;
    } else if (EqualsIgnoreCase(f, "#FALSE#")) {
      out = false;
    } else {
      Fail();
    }
  }
  void EndRecord() {}
  void ContinueRecord() {}
  void EmptyRecord() {
    std::string discarded;
    Next(discarded);
  }

 private:
  void Fail() { ok_ = false; }
  bool AtLineEnd() const { return pos_ < s_.size() && (s_[pos_] == '\r' || s_[pos_] == '\n'); }
  void SkipDelimiter() {
    if (pos_ >= s_.size()) return;
    if (s_[pos_] == ',') {
      ++pos_;
    } else if (s_[pos_] == '\r') {
      ++pos_;
      if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
    } else if (s_[pos_] == '\n') {
      ++pos_;
    }
  }
  // Reads on after a failure too: the record is then thrown away whole, so nothing read after
  // it is ever seen.
  bool Next(std::string& out) {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
      ++pos_;
    if (pos_ >= s_.size()) {
      Fail();
      return false;
    }
    quoted_ = s_[pos_] == '"';
    if (quoted_) {
      const size_t close = s_.find('"', pos_ + 1);
      if (close == std::string_view::npos) {
        Fail();
        return false;
      }
      out = std::string(s_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = close + 1;
      // Whatever stands between the closing quote and the delimiter is not part of the field.
      while (pos_ < s_.size() && s_[pos_] != ',' && !AtLineEnd())
        ++pos_;
    } else {
      const size_t start = pos_;
      while (pos_ < s_.size() && s_[pos_] != ',' && !AtLineEnd())
        ++pos_;
      out = TrimBlanks(s_.substr(start, pos_ - start));
    }
    SkipDelimiter();
    return true;
  }

  std::string_view s_;
  size_t pos_ = 0;
  bool ok_ = true;
  bool quoted_ = false;
};

bool InRange(int v, int lo, int hi) {
  return v >= lo && v <= hi;
}

// Whether every value fits the control it goes to.
bool Fits(const SettingsRecord& r) {
  for (int v :
       {r.exitAfterLaunch, r.hideBanner, r.detectVersion, r.writeSubStyle, r.writeSubFolder,
        r.disableSubs, r.fullScreen, r.endAtEnd, r.panScan, r.startAt, r.useApi, r.shutDown}) {
    if (!InRange(v, kUnchecked, kGrayed)) return false;
  }
  const int selected = int(r.autoDetect) + int(r.iniFile) + int(r.typedPath);
  return selected == 1 && InRange(r.aspect, -1, 2) && InRange(r.resolution, -1, 10);
}

void FailedSave(Launcher& l, const std::string& file) {
  OptionsWindowControls& o = l.OptControls();
  o.CmdApply.SetLeft(kOutOfSight);
  o.CmdApply.SetVisible(false);
  o.ChkSave.SetValue(kUnchecked);
  o.ChkSave.SetEnabled(false);
  // Clearing the box disabled OK; it stays, as the way out that keeps what was just applied for
  // this run.
  o.cmdOK.SetEnabled(true);
  if (!l.platform.FileExists(file)) {
    l.MsgBox(l.MsgCantWrite, kMbCritical, l.TitleCaution);
  } else {
    l.MsgBox(l.MsgRemovableDisk, kMbCritical, l.TitleCaution);
    l.MsgBox(
        "Tip: You can change your settings and play the file by not closing the options window",
        kMbInformation, l.TitleInformation);
  }
}

}  // namespace

std::string FormatSettings(const SettingsRecord& r) {
  SettingsRecord copy = r;
  Writer w;
  Walk(w, copy);
  // Greek bytes that happen to form UTF-8 would be read back as UTF-8: such a file goes out as
  // UTF-8 with its mark.
  const std::optional<std::string> greek = Utf8ToCp1253(w.Out());
  if (greek && !IsMultiByteUtf8(*greek)) return *greek;
  return std::string(kUtf8Bom) + w.Out();
}

std::optional<SettingsRecord> ParseSettings(std::string_view bytes) {
  std::string text;
  if (bytes.starts_with(kUtf8Bom)) {
    text = CodePointsToUtf8(Utf8ToCodePoints(bytes.substr(kUtf8Bom.size())));
  } else if (IsMultiByteUtf8(bytes)) {
    text = std::string(bytes);
  } else {
    text = Cp1253ToUtf8(bytes);
  }
  SettingsRecord r;
  Reader reader(text);
  Walk(reader, r);
  if (!reader.Ok() || !Fits(r)) return std::nullopt;
  return r;
}

SettingsRecord CaptureSettings(Launcher& l) {
  MainWindowControls& m = l.MainControls();
  OptionsWindowControls& o = l.OptControls();
  SettingsRecord r;
  for (const Field& f : kFields) {
    switch (f.holder) {
      case Holder::Check:
        r.*f.number = (o.*f.check).Value();
        break;
      case Holder::Text:
        r.*f.text = (o.*f.box).Text();
        break;
      case Holder::List:
        r.*f.number = (o.*f.list).ListIndex();
        break;
      case Holder::Method:
        r.*f.flag = o.OptAutoIni[f.method].Value();
        break;
      case Holder::Language:
        r.language = m.Greek.Checked() ? kGreekLanguageLine : kEnglishLanguageLine;
        break;
      case Holder::Skin:
        r.skin = o.ChkSkin.Caption();
        break;
      case Holder::MovieTitle:
        r.movieTitle = m.LblMovieName.Caption();
        break;
    }
  }
  for (int n = 1; n <= 3; ++n) {
    r.trailers[n - 1] = {l.TrailerPath(n), m.TrailerEntry(n).Caption()};
  }
  for (int i = 0; i < kInstallerCount; ++i) {
    r.installers[i] = {l.Installers[i].InstallerPath, l.Installers[i].InstallerName};
  }
  r.others[0] = {l.Other1Path, m.Other1Name.Caption()};
  r.others[1] = {l.Other2Path, m.Other2Name.Caption()};
  return r;
}

void SaveSettings(Launcher& l) {
  Platform& p = l.platform;
  const std::string folder = JoinPath(p.LauncherFolder(), "More\\");
  const std::string file = JoinPath(p.LauncherFolder(), kSettingsReadPath);
  const std::string bytes = FormatSettings(CaptureSettings(l));
  const bool ready = p.FolderExists(folder) || p.CreateFolder(folder);
  if (!ready || !p.WriteFileAtomic(file, bytes)) FailedSave(l, file);
}

bool LoadSettings(Launcher& l) {
  Platform& p = l.platform;
  if (!p.FileExists(kSettingsReadPath)) return false;
  const std::optional<std::string> bytes = p.ReadFile(kSettingsReadPath, kLargestSettingsFile);
  if (!bytes) return false;
  const std::optional<SettingsRecord> parsed = ParseSettings(*bytes);
  if (!parsed) return false;
  const SettingsRecord& r = *parsed;

  for (int n = 1; n <= 3; ++n)
    l.TrailerPath(n) = r.trailers[n - 1].path;
  for (int i = 0; i < kInstallerCount; ++i) {
    l.Installers[i] = {r.installers[i].path, r.installers[i].name};
  }
  l.Other1Path = r.others[0].path;
  l.Other2Path = r.others[1].path;

  MainWindowControls& m = l.MainControls();
  struct Entry {
    MenuItem& menu;
    const NamedPath& value;
  };
  for (const Entry& e : {Entry{m.Trailer1, r.trailers[0]}, Entry{m.Trailer2, r.trailers[1]},
                         Entry{m.Trailer3, r.trailers[2]}, Entry{m.Other1Name, r.others[0]},
                         Entry{m.Other2Name, r.others[1]}}) {
    e.menu.SetCaption(e.value.name);
    if (!e.value.path.empty()) e.menu.SetVisible(true);
  }

  // The language comes first: the options window, loaded at its first use below, then shows the
  // file's language.
  const auto o = [&l]() -> OptionsWindowControls& { return l.OptControls(); };
  for (int step = -1; step <= kLastLoadStep; ++step) {
    const Field* f = std::find_if(std::begin(kFields), std::end(kFields),
                                  [step](const Field& field) { return field.loadStep == step; });
    if (f == std::end(kFields)) continue;
    switch (f->holder) {
      case Holder::Check:
        (o().*f->check).SetValue(r.*f->number);
        break;
      case Holder::Text:
        (o().*f->box).SetText(r.*f->text);
        break;
      case Holder::List:
        (o().*f->list).SetListIndex(r.*f->number);
        break;
      case Holder::Method:
        o().OptAutoIni[f->method].SetValue(r.*f->flag);
        break;
      case Holder::Language:
        // A line that names neither language leaves the current one.
        if (r.language == kGreekLanguageLine) l.GreekLanguage = true;
        if (r.language == kEnglishLanguageLine) l.GreekLanguage = false;
        break;
      case Holder::Skin:
        if (IsNoSkinCaption(r.skin)) {
          // No skin in the file also unchecks a skin chosen since the window was loaded
          // (Default).
          o().ChkSkin.SetValue(kUnchecked);
          o().ChkSkin.SetCaption(l.TextChangeSkin);
        } else {
          o().ChkSkin.SetCaption(r.skin);
        }
        break;
      case Holder::MovieTitle:
        m.LblMovieName.SetCaption(r.movieTitle);
        break;
    }
  }
  return true;
}

}  // namespace zorvik
