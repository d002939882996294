// The launcher's outside world for the authors' tool: the disc folder seen as a drive (or folder)
// of the viewer's Windows, with names that ignore case and list as on a CD; the rest of the
// viewer's computer as described (player, codecs, Windows folder); message boxes, shell requests
// and program starts recorded, never shown or run (by StandInWindows, with the registry and the
// code page of a Greek Windows).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "author/disc_files.h"
#include "author/viewer_pc.h"
#include "core/stand_in_windows.h"

namespace zorvik::author {

// Where a Windows path leads on the disc.
struct DiscLookup {
  bool onDisc = false;    // the path lies inside the disc folder
  bool found = false;     // and names something there
  bool caseOnly = false;  // found only by ignoring case
  EntryKind kind = EntryKind::File;
  DiscPath stored;  // the names as stored, as far as they were found
};

class DiscPlatform : public StandInWindows {
 public:
  DiscPlatform(DiscFiles& disc, ViewerPc pc);

  // A disc that is being laid out takes writes; a finished one is read-only, as a CD is.
  bool writable = false;

  const ViewerPc& Pc() const { return pc_; }
  DiscFiles& Files() { return disc_; }
  DiscLookup Look(const std::string& windowsPath);
  // The folder's entries in the order the disc lists them.
  std::vector<DiscEntry> Listing(const DiscPath& folder);
  // The last failure of a write, in words.
  const std::string& WriteError() const { return writeError_; }

  std::vector<std::string> dialogs;

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path, size_t largest) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  std::optional<FindRecord> FindFirst(const std::string& pattern) override;
  std::string WindowsFolder() override;
  std::string LauncherFolder() override;
  std::vector<std::string> ProgramFilesFolders() override;
  FileDialogResult OpenFileDialog(const std::string& filter,
                                  const std::string& initialFolder) override;
  void ShowModal(Form& form) override;
  // The picture's own size, read from its header: the check reports a cover that doesn't fit.
  Picture LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                      std::string& error) override;

 private:
  // A path's parts from its drive on, with "." and ".." resolved.
  std::vector<std::string> FullParts(const std::string& path) const;
  // The parts after the disc folder's, or nothing when the path lies outside the disc.
  std::optional<std::vector<std::string>> InsideDisc(const std::vector<std::string>& full) const;
  DiscLookup LookInside(const std::vector<std::string>& inside);
  std::optional<FindRecord> FindOnComputer(const std::vector<std::string>& full);

  DiscFiles& disc_;
  ViewerPc pc_;
  std::vector<std::string> discParts_;
  struct ComputerEntry {
    std::vector<std::string> parts;
    bool folder = false;
    LocalDate date;
  };
  static std::string JoinParts(const std::vector<std::string>& parts);

  std::map<std::u32string, ComputerEntry> computer_;  // by folded full path
  std::map<DiscPath, std::vector<DiscEntry>> listings_;
  std::string writeError_;
};

}  // namespace zorvik::author
