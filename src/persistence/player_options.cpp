#include "persistence/player_options.h"

#include <cctype>

#include "core/text_util.h"
#include "forms/language.h"

namespace zorvik {

namespace {

template <size_t N>
std::string Entry(const std::array<const char*, N>& list, int index) {
  return index >= 0 && index < static_cast<int>(N) ? list[static_cast<size_t>(index)] : "";
}

}  // namespace

std::string JoinCommandLine(const std::array<std::string, 8>& pieces) {
  std::string out;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) out += ' ';
    out += TrimBlanks(pieces[i]);
  }
  return out;
}

std::string PlayerOptionString(const SettingsRecord& r) {
  std::array<std::string, 8> pieces;
  if (!IsNoSkinCaption(r.skin)) pieces[0] = "-skin=" + r.skin;
  if (r.disableSubs != kUnchecked) pieces[1] = "-nsub";
  if (r.fullScreen == kChecked) pieces[2] = "-fs";
  if (r.aspect != 0) pieces[3] = "-ar=" + Entry(kAspectRatios, r.aspect);
  // The start time goes to the player only as a number; the placeholder stays out.
  if (r.startAt == kChecked && IsNumeric(r.startPosition)) {
    pieces[4] = "-stime=" + TrimBlanks(r.startPosition);
  }
  if (r.endAtEnd == kChecked) pieces[5] = "-eend";
  if (r.panScan == kChecked) pieces[6] = "-pan";
  if (r.resolution != 0) pieces[7] = "-res=" + Entry(kResolutions, r.resolution);
  return JoinCommandLine(pieces);
}

std::string SkinName(const std::string& fileTitle) {
  const std::u32string chars = Utf8ToCodePoints(fileTitle);
  if (chars.size() <= 4) return "";
  return CodePointsToUtf8(chars.substr(0, chars.size() - 4));
}

bool IsNumeric(const std::string& text) {
  const std::string t = TrimBlanks(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(t[i]))) {
      digits = true;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

}  // namespace zorvik
