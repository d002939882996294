// What playing needs on this computer: the player and a decoder for the movie.
#pragma once

namespace zorvik {

class Launcher;

// Asks for what is missing and disables Play for it; settles the Readme entry and the title.
void DetectPrerequisites(Launcher& l);

// The title the main window shows when the disc names none.
inline constexpr const char* kDefaultMovieTitle = "ZORVIK";

// Disabling Play disables its button image, its icon and its label.
void DisablePlay(Launcher& l);

}  // namespace zorvik
