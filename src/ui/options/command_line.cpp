#include "ui/options/command_line.h"

#include "core/launcher.h"
#include "ui/options/frm_opt.h"

namespace zorvik {

void BuildCommandLine(Launcher& l) {
  FrmOpt& o = l.Opt();
  SettingsRecord r = CaptureOptionControls(o);
  // An unchecked skin box passes no skin, whatever its caption says.
  if (o.ChkSkin.Value() == kUnchecked) r.skin.clear();
  if (o.ChkParbox.Value() == kUnchecked) o.TxtParam.SetText(PlayerOptionString(r));
}

}  // namespace zorvik
