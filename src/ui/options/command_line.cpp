#include "ui/options/command_line.h"

#include <cctype>

#include "core/launcher.h"
#include "core/text_util.h"
#include "ui/options/frm_opt.h"

namespace zorvik {

std::string JoinCommandLine(const std::array<std::string, 8>& pieces) {
  std::string out;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) out += ' ';
    out += TrimBlanks(pieces[i]);
  }
  return out;
}

void BuildCommandLine(Launcher& l) {
  FrmOpt& o = l.Opt();
  std::array<std::string, 8> pieces;
  if (o.ChkSkin.Value() != kUnchecked) pieces[0] = "-skin=" + o.ChkSkin.Caption();
  if (o.ChkSubsDisable.Value() != kUnchecked) pieces[1] = "-nsub";
  if (o.ChkFull.Value() == kChecked) pieces[2] = "-fs";
  if (o.CmbAspect.ListIndex() != 0) pieces[3] = "-ar=" + o.CmbAspect.Text();
  // The start time goes to the player only as a number; the placeholder stays out.
  if (o.ChkStart.Value() == kChecked && IsNumeric(o.TxtSec.Text())) {
    pieces[4] = "-stime=" + TrimBlanks(o.TxtSec.Text());
  }
  if (o.ChkEend.Value() == kChecked) pieces[5] = "-eend";
  if (o.ChkPanScan.Value() == kChecked) pieces[6] = "-pan";
  if (o.CmbRes.ListIndex() != 0) pieces[7] = "-res=" + o.CmbRes.Text();
  if (o.ChkParbox.Value() == kUnchecked) o.TxtParam.SetText(JoinCommandLine(pieces));
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
