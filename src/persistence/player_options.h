// The player's option string, made from a settings record by the table's pieces.
#pragma once

#include <array>
#include <string>

#include "persistence/settings_file.h"
#include "persistence/settings_table.h"

namespace zorvik {

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
