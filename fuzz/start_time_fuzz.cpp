// Any text typed as the start time: the numeric test takes exactly the decimal numbers (blanks
// around them, a sign, at most one point, a digit at least), the option string carries exactly
// such a number, trimmed, and leaving the box with anything else is refused.
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "core/launcher.h"
#include "core/text_util.h"
#include "support/fake_platform.h"
#include "ui/options/command_line.h"
#include "ui/options/frm_opt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  static const std::regex kDecimal(R"( *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+) *)");
  const bool decimal = std::regex_match(text, kDecimal);
  if (zorvik::IsNumeric(text) != decimal) std::abort();

  zorvik::test::FakePlatform fake;
  zorvik::Launcher l(fake);
  l.Start();
  zorvik::FrmOpt& o = l.Opt();
  l.Dispatch([&] {
    o.ChkParbox.SetValue(zorvik::kUnchecked);
    o.ChkStart.SetValue(zorvik::kChecked);
    o.TxtSec.SetText(text);
    zorvik::BuildCommandLine(l);
  });
  const std::string& options = o.TxtParam.Text();
  const size_t at = options.find("-stime=");
  if (decimal != (at != std::string::npos)) std::abort();
  const std::string piece = "-stime=" + zorvik::TrimBlanks(text) + " ";
  if (decimal && options.compare(at, piece.size(), piece) != 0) std::abort();
  bool refused = false;
  o.TxtSec_Validate(refused);
  if (refused != !decimal) std::abort();
  return 0;
}
