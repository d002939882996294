#include "persistence/player_options.h"

#include <cctype>

#include "core/text_util.h"
#include "forms/language.h"

namespace zorvik {

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
  for (const Setting& f : kSettings) {
    std::string& piece = pieces[static_cast<size_t>(f.slot)];
    switch (f.piece) {
      case Piece::None:
        break;
      case Piece::Marked:
        if (r.*f.number != kUnchecked) piece = f.option;
        break;
      case Piece::Checked:
        if (r.*f.number == kChecked) piece = f.option;
        break;
      case Piece::ListEntry: {
        // An entry the list hasn't got (a negative index is one too) gives the option alone.
        const auto i = static_cast<size_t>(r.*f.number);
        if (i != 0) piece = f.option + std::string(i < f.entries.size() ? f.entries[i] : "");
        break;
      }
      case Piece::Skin:
        if (!IsNoSkinCaption(r.*f.text)) piece = f.option + r.*f.text;
        break;
      case Piece::StartTime:
        // The start time goes to the player only as a number; the placeholder stays out.
        if (r.*f.number == kChecked && IsNumeric(r.startPosition)) {
          piece = f.option + TrimBlanks(r.startPosition);
        }
        break;
    }
  }
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
