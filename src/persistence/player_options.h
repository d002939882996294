// The player's option string, made from a settings record, and the lists of the options window
// whose entries go into it.
#pragma once

#include <array>
#include <string>

#include "persistence/settings_file.h"

namespace zorvik {

// The entries of the resolution and aspect-ratio lists; the first of each is the player's own.
inline constexpr std::array<const char*, 11> kResolutions = {
    "Original",    "640x480x16",  "640x480x32",  "800x600x16",   "800x600x32",  "1024x768x16",
    "1024x768x32", "1280x720x16", "1280x720x32", "1600x1200x16", "1600x1200x32"};
inline constexpr std::array<const char*, 3> kAspectRatios = {"Original", "16:9", "4:3"};

// Trims blanks around each piece and joins the eight with one blank each; empty pieces keep
// their place, so the result always holds seven separating blanks.
std::string JoinCommandLine(const std::array<std::string, 8>& pieces);

// The options Play passes to the player for these settings, as the options window's Apply
// writes them. A skin caption that names no skin adds none.
std::string PlayerOptionString(const SettingsRecord& r);

// The skin's name from the chosen file's title: the title less its four-character extension.
// Empty when the title is too short to hold a name.
std::string SkinName(const std::string& fileTitle);

// A decimal number: optional sign, digits with an optional decimal point, blanks around it.
bool IsNumeric(const std::string& text);

}  // namespace zorvik
