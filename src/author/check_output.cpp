#include "author/check_output.h"

#include <cstdio>

#include "author/json.h"
#include "core/platform.h"
#include "core/text_util.h"

namespace zorvik::author {

namespace {

std::string Icon(int style) {
  if (style & kMbCritical) return "error";
  if (style & kMbInformation) return "information";
  return "none";
}

std::string Boxes(const std::vector<MessageBoxCall>& boxes, const std::string& indent) {
  std::string out;
  for (size_t i = 0; i < boxes.size(); ++i) {
    const MessageBoxCall& b = boxes[i];
    const std::string head = indent + std::to_string(i + 1) + ". ";
    out += head + "\"" + b.title + "\" (" + Icon(b.style) + " icon): " + b.prompt + "\n";
  }
  return out;
}

void Menu(const std::vector<MenuView>& entries, int depth, std::string& out) {
  for (const MenuView& e : entries) {
    std::string line = std::string(2 + 2 * static_cast<size_t>(depth), ' ');
    if (depth > 0) line += e.checked ? "[x] " : "    ";
    line += e.caption;
    if (!e.enabled) line += " (disabled)";
    if (!e.does.empty()) {
      const size_t width = Utf8ToCodePoints(line).size();
      if (width < 36) line += std::string(36 - width, ' ');
      line += "  " + e.does;
    }
    out += line + "\n";
    Menu(e.entries, depth + 1, out);
  }
}

std::string Launch(const PlayView& v) {
  if (!v.available) return "disabled: pressing it does nothing\n";
  if (!v.started) return "starts nothing\n";
  if (v.program.empty())
    return "there is no player to start; the shell is given [" + v.parameters + "]\n";
  if (v.bare) return v.program + " is started with no parameters\n";
  return v.program + " is given [" + v.parameters + "]\n";
}

const char* SeverityName(Severity s) {
  switch (s) {
    case Severity::Viewer:
      return "viewer";
    case Severity::Warning:
      return "warning";
    default:
      return "note";
  }
}

void JsonBoxes(Json& j, const std::vector<MessageBoxCall>& boxes) {
  j.BeginArray("messageBoxes");
  for (const MessageBoxCall& b : boxes) {
    j.BeginObject().String("title", b.title).String("text", b.prompt);
    j.String("icon", Icon(b.style)).EndObject();
  }
  j.EndArray();
}

void JsonMenus(Json& j, const std::vector<MenuView>& entries) {
  for (const MenuView& e : entries) {
    j.BeginObject().String("name", e.name).String("caption", e.caption);
    j.Bool("enabled", e.enabled).Bool("checked", e.checked);
    if (!e.does.empty()) j.String("does", e.does);
    if (!e.entries.empty()) {
      j.BeginArray("entries");
      JsonMenus(j, e.entries);
      j.EndArray();
    }
    j.EndObject();
  }
}

void JsonLaunch(Json& j, const PlayView& v, std::string_view key = {}) {
  j.BeginObject(key).String("what", v.what).Bool("available", v.available);
  j.Bool("started", v.started).String("program", v.program);
  if (v.bare) {
    j.Bool("noParameters", true);
  } else if (v.started) {
    j.String("parameters", v.parameters);
  }
  j.Bool("closesAfterAMinute", v.closes);
  JsonBoxes(j, v.boxes);
  j.EndObject();
}

}  // namespace

std::string CheckText(const CheckReport& r, const std::string& disc) {
  std::string out =
      "Disc: " + disc + "\nViewer's computer: " + r.pc + "\nThe drive's name: " +
      (r.driveName.empty() ? std::string("none of the disc's own") : "\"" + r.driveName + "\"") +
      "\n\n";
  if (r.startBoxes.empty()) {
    out += "Message boxes at start-up: none\n";
  } else {
    out += "Message boxes at start-up, in order:\n" + Boxes(r.startBoxes, "  ");
  }
  if (!r.startedUp) {
    out += "The launcher stops there: the viewer sees nothing more.\n";
  } else {
    out += "\nMenus (" + r.language + "):\n";
    Menu(r.menus, 0, out);
    char size[16];
    std::snprintf(size, sizeof size, "%g", r.titleSize);
    out += "\nTitle: " + r.title + " (" + size + " point)\n";
    if (r.cover.empty()) {
      out += "Cover: none; ";
      out += r.banner ? "the banner shows the launcher's own picture\n"
                      : "the window starts without the banner\n";
    } else {
      out += "Cover: " + r.cover + ", " + std::to_string(r.coverWidth) + " x " +
             std::to_string(r.coverHeight) + " pixels, in the banner\n";
    }
    out += "\nPlay: " + Launch(r.play);
    out += Boxes(r.play.boxes, "  ");
    if (r.play.closes) out += "  then the launcher closes in about a minute\n";
    for (const PlayView& t : r.trailers) {
      out += "Trailer \"" + t.what + "\": " + Launch(t);
      out += Boxes(t.boxes, "  ");
    }
  }
  out += "\n";
  if (r.problems.empty()) {
    out += "Problems: none\n";
  } else {
    out += "Problems:\n";
    for (Severity s : {Severity::Viewer, Severity::Warning, Severity::Note}) {
      for (const Problem& p : r.problems) {
        if (p.severity != s) continue;
        std::string head = std::string("  ") + SeverityName(s) + ": ";
        head += std::string(11 - head.size(), ' ');
        out += head + p.text + "\n";
      }
    }
  }
  // Each message box at start-up is one of the problems.
  const int viewer = r.Count(Severity::Viewer);
  out += r.ReachesViewer() ? "\nResult: " + std::to_string(viewer) +
                                 (viewer == 1 ? " thing reaches" : " things reach") +
                                 " the viewer that shouldn't.\n"
                           : "\nResult: nothing reaches the viewer that shouldn't.\n";
  return out;
}

std::string CheckJson(const CheckReport& r, const std::string& disc) {
  Json j;
  j.BeginObject().String("disc", disc).String("viewerComputer", r.pc);
  j.String("driveName", r.driveName);
  j.Bool("startedUp", r.startedUp);
  JsonBoxes(j, r.startBoxes);
  if (r.startedUp) {
    j.String("language", r.language);
    j.BeginArray("menus");
    JsonMenus(j, r.menus);
    j.EndArray();
    j.String("title", r.title).Decimal("titleSize", r.titleSize);
    j.BeginObject("cover").String("file", r.cover).Number("width", r.coverWidth);
    j.Number("height", r.coverHeight).Number("boxWidth", r.boxWidth);
    j.Number("boxHeight", r.boxHeight).EndObject();
    j.Bool("banner", r.banner);
    JsonLaunch(j, r.play, "play");
    j.BeginArray("trailers");
    for (const PlayView& t : r.trailers)
      JsonLaunch(j, t);
    j.EndArray();
  }
  j.BeginArray("problems");
  for (const Problem& p : r.problems) {
    j.BeginObject().String("severity", SeverityName(p.severity)).String("code", p.code);
    j.String("text", p.text).EndObject();
  }
  j.EndArray();
  j.Bool("reachesViewer", r.ReachesViewer()).EndObject();
  return j.Text() + "\n";
}

}  // namespace zorvik::author
