// The disc's installers and documents, and a view of the disc in the file explorer.
#pragma once

#include <string>

namespace zorvik {

class Launcher;

// Starts an installer or extra program on the disc, or says it wasn't found.
void RunInstaller(Launcher& l, const std::string& path);
// Opens Readme.txt in Notepad when the disc has one.
void OpenReadme(Launcher& l);
// Opens the launcher's folder in the file explorer.
void ExploreDisc(Launcher& l);

}  // namespace zorvik
