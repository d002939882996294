// The two windows, as the launcher makes, loads and owns them: the one place below the windows'
// behaviour that needs it whole.
#pragma once

#include "ui/main/frm_main.h"
#include "ui/options/frm_opt.h"
