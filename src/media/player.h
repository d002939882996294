// Where the player is, and whether it is too old.
#pragma once

namespace zorvik {

class Launcher;

// Players whose executable was last written before this month are old.
inline constexpr int kOldPlayerYear = 2003;
inline constexpr int kOldPlayerMonth = 9;

// Fills the player's path from its registry value "Apppath", and keeps it as the path found; a
// failure is reported once.
void ReadPlayerPath(Launcher& l);
// Warns when the executable's last-write date is before September 2003.
void CheckPlayerVersion(Launcher& l);

}  // namespace zorvik
