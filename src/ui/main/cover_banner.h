// The cover banner at the left of the main window.
#pragma once

namespace zorvik {

class Launcher;

// Loads the cover picture from the More folder and sets the window's first layout.
void FindCover(Launcher& l);
// Switches between the layout with the banner and the one without.
void ApplyBannerLayout(Launcher& l);

}  // namespace zorvik
