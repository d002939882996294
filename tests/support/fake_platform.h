// An in-memory Windows for the tests: a disc and system folders whose names ignore case, of
// every letter as Windows does, and list in the order they were added, the player's registry key
// with failures to inject, and a log of every request to the shell, message box, file dialog and
// modal window. The registry, the code page, the shell and the message boxes are those of
// StandInWindows.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/stand_in_windows.h"
#include "core/text_util.h"

namespace zorvik::test {

struct FileDialogCall {
  std::string filter, initialFolder;
};

class FakePlatform : public StandInWindows {
 public:
  FakePlatform();

  // The file system. Paths without a drive count from currentFolder. Windows is not on the drive
  // of its programs, so that a program taking one for the other fails its tests.
  std::string currentFolder = "E:\\";
  std::string launcherFolder = "E:\\";
  std::string windowsFolder = "D:\\WINNT";
  std::vector<std::string> programFilesFolders = {"C:\\Program Files"};  // as reported
  FakePlatform& AddFile(const std::string& path, const std::string& bytes = "",
                        LocalDate lastWrite = {2005, 6, 1});
  FakePlatform& AddFolder(const std::string& path);
  // Nothing below this folder can be created or written, as on a CD.
  FakePlatform& SetReadOnly(const std::string& folder);
  bool HasFile(const std::string& path) const {
    const Entry* e = Lookup(path);
    return e && !e->folder;
  }
  std::string FileBytes(const std::string& path) const {
    const Entry* e = Lookup(path);
    return e ? e->bytes : std::string();
  }
  // Makes writes fail midway (after the folder exists), as a full disk would.
  bool failWrites = false;
  // Makes reads of files fail although they exist, as a file locked by another program would.
  bool failReads = false;
  // Lists a folder at once, as Windows does; without it the launcher asks about each file.
  bool listsFolders = false;

  // Logs and scripted answers, besides those of StandInWindows.
  std::vector<std::string> calls;              // every request, in order, as "Operation argument"
  std::deque<FileDialogResult> dialogAnswers;  // empty: the user cancels
  std::vector<FileDialogCall> dialogs;
  std::vector<std::string> modal;
  std::function<void(Form&)> onModal;  // what the user does while a window is shown modally
  std::vector<std::pair<Twips, Twips>> pictureBoxes;  // the box of each picture loaded

  // Platform.
  bool FileExists(const std::string& path) override {
    Log("FileExists " + path);
    return HasFile(path);
  }
  bool FolderExists(const std::string& path) override {
    const Entry* e = Lookup(path);
    return e && e->folder;
  }
  bool CreateFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path, size_t largest) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  std::optional<FindRecord> FindFirst(const std::string& pattern) override;
  std::optional<FolderListing> ListFolder(const std::string& folder) override;
  std::string WindowsFolder() override {
    Log("WindowsFolder");
    return windowsFolder;
  }
  std::string LauncherFolder() override { return launcherFolder; }
  std::vector<std::string> ProgramFilesFolders() override { return programFilesFolders; }
  FileDialogResult OpenFileDialog(const std::string& filter,
                                  const std::string& initialFolder) override;
  void ShowModal(Form& form) override;
  Picture LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                      std::string& error) override;

 private:
  struct Entry {
    std::string path;  // full, as added
    bool folder = false;
    std::string bytes;
    LocalDate lastWrite;
  };
  std::string Full(const std::string& path) const;
  Entry* Lookup(const std::string& path) const;
  bool Writable(const std::string& full) const;
  void Log(const std::string& what) { calls.push_back(what); }
  void Note(const std::string& what) override { Log(what); }

  mutable std::vector<Entry> entries_;  // in listing order
  std::vector<std::string> readOnly_;
};

}  // namespace zorvik::test
