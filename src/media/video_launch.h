// Starting the player on the movie or a trailer.
#pragma once

namespace zorvik {

class Launcher;

inline constexpr const char* kClosingCaption = "Closing in about a minute...";

// Starts the player on what the menu and the options choose, and arms the one-minute exit when
// the user asked for it.
void LaunchVideo(Launcher& l);

}  // namespace zorvik
