// The disc as the launcher sees it while it starts. A CD pays a seek of a tenth of a second for
// each folder it reads and each file it opens, and the start-up asks some twenty questions about
// the disc's files. While it starts, each folder of the disc (the launcher's folder and those
// below it) is listed once, and the questions about names in it are answered from that listing;
// a file read at start-up is read once. Otherwise, and for any path the listing can't answer
// exactly as the system would, the question goes to the platform beneath.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"

namespace zorvik {

class ListedDisc final : public Platform {
 public:
  explicit ListedDisc(Platform& beneath) : p_(beneath) {}

  // Starts or ends answering from listings; ending forgets them, since the disc can be changed.
  void SetListing(bool on);

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path, size_t largest) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  std::optional<FindRecord> FindFirst(const std::string& pattern) override;
  std::optional<FolderListing> ListFolder(const std::string& folder) override {
    return p_.ListFolder(folder);
  }
  std::string WindowsFolder() override { return p_.WindowsFolder(); }
  std::string LauncherFolder() override { return p_.LauncherFolder(); }
  std::vector<std::string> ProgramFilesFolders() override { return p_.ProgramFilesFolders(); }
  long RegOpenPlayerKey(RegAccess access, RegKey& key) override {
    return p_.RegOpenPlayerKey(access, key);
  }
  long RegQueryValue(RegKey key, const std::string& name, std::string& bytes) override {
    return p_.RegQueryValue(key, name, bytes);
  }
  long RegSetValue(RegKey key, const std::string& name, std::string_view bytes) override {
    return p_.RegSetValue(key, name, bytes);
  }
  long RegCloseKey(RegKey key) override { return p_.RegCloseKey(key); }
  std::string ToAnsi(const std::string& utf8) override { return p_.ToAnsi(utf8); }
  std::string FromAnsi(const std::string& ansi) override { return p_.FromAnsi(ansi); }
  void ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int showMode) override {
    p_.ShellExecute(verb, file, parameters, directory, showMode);
  }
  void StartProgram(const std::string& path, const std::string& arguments, int showMode) override {
    p_.StartProgram(path, arguments, showMode);
  }
  int MessageBox(const std::string& prompt, int style, const std::string& title,
                 const std::string& helpFile) override {
    return p_.MessageBox(prompt, style, title, helpFile);
  }
  FileDialogResult OpenFileDialog(const std::string& filter,
                                  const std::string& initialFolder) override {
    return p_.OpenFileDialog(filter, initialFolder);
  }
  void ShowModal(Form& form) override { p_.ShowModal(form); }
  Picture LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                      std::string& error) override {
    return p_.LoadPicture(path, boxWidth, boxHeight, error);
  }

 private:
  struct Folder {
    std::string key;  // the names that lead to it from the launcher's folder, as listed
    bool listed = false;
    std::vector<FolderEntry> entries;
  };
  // What a listing says of a name: it knows the entry, knows there is none, or can't tell.
  struct Answer {
    bool known = false;
    const FolderEntry* entry = nullptr;
  };

  bool Locate(const std::string& path, bool pattern, std::vector<std::string>& parts);
  // The folder these names lead to from the launcher's folder; known and null when there is no
  // such folder.
  std::pair<bool, const Folder*> FolderAt(const std::vector<std::string>& parts);
  const Folder& Listed(const std::string& key, const std::string& folder);
  Answer Look(const std::string& path);
  void Forget();

  Platform& p_;
  bool listing_ = false;
  std::optional<bool> currentIsLauncher_;  // once the current folder was listed
  // A disc has few folders, and start-up reads few files.
  std::vector<Folder> folders_;
  std::vector<std::pair<std::string, std::string>> files_;
};

}  // namespace zorvik
