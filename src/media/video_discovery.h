// Finding the movie in the launcher's folder, and telling the user when there is none to play.
#pragma once

namespace zorvik {

class Launcher;

// The patterns the movie is looked for by, in the order of the search.
inline constexpr const char* kVideoPatterns[] = {"*.avi", "*.mpg", "*.mpeg",
                                                 "*.ogm", "*.asf", "*.wma"};

// Puts the name of the movie found in the launcher's folder into TxtAviName; the last of the
// patterns .avi .mpg .mpeg .ogm .asf .wma that matches anything wins.
void AutoDetectVideo(Launcher& l);
// With the main video chosen and nothing named by the selected method: the message, and Play
// disabled.
void ValidateVideoSelection(Launcher& l);

}  // namespace zorvik
