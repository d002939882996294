// The options window's Apply of the player's option string.
#pragma once

#include "persistence/player_options.h"

namespace zorvik {

class Launcher;

// Writes the option string of the window's controls into TxtParam unless manual mode is on.
void BuildCommandLine(Launcher& l);

}  // namespace zorvik
