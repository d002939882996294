// English and Greek: the two text tables of both windows and the message texts.
#pragma once

#include <string>

namespace zorvik {

class Launcher;

// Checks the language menu entry of GreekLanguage and applies its table.
void ApplyLanguage(Launcher& l);
void SetEnglishTexts(Launcher& l);
void SetGreekTexts(Launcher& l);

// The caption of the autodetection option: the current prefix and ON or OFF.
std::string AutoDetectCaption(Launcher& l);

// The skin box's "no skin chosen" caption and the ini box's "use the player's own settings"
// word exist in both languages; a value saved in one language must mean the same in the other.
// An empty skin name is no skin either.
bool IsNoSkinCaption(const std::string& caption);
bool IsDefaultIniWord(const std::string& text);
// Those words in one language.
const char* NoSkinCaption(bool greek);
const char* DefaultIniWord(bool greek);

}  // namespace zorvik
