// The player's option string, built from the command-line page of the options window.
#pragma once

#include <array>
#include <string>

namespace zorvik {

class Launcher;

// Trims blanks around each piece and joins the eight with one blank each; empty pieces keep
// their place, so the result always holds seven separating blanks.
std::string JoinCommandLine(const std::array<std::string, 8>& pieces);

// Writes the option string into TxtParam unless manual mode is on.
void BuildCommandLine(Launcher& l);

// The skin's name from the chosen file's title: the title less its four-character extension.
// Empty when the title is too short to hold a name.
std::string SkinName(const std::string& fileTitle);

// A decimal number: optional sign, digits with an optional decimal point, blanks around it.
bool IsNumeric(const std::string& text);

}  // namespace zorvik
