// The launcher's outside world on Windows: files, the player's registry key, the shell, and the
// modal windows, with UTF-8 turned into UTF-16 at each call.
#pragma once

#include "core/platform.h"
#include "win32/windows_api.h"

namespace zorvik::win32 {

// What the platform needs from the windows of the program.
class PlatformHost {
 public:
  virtual ~PlatformHost() = default;
  // The owner of shell requests.
  virtual HWND MainWindowHandle() = 0;
  // The owner of message boxes and file dialogs; null when no window of the program shows.
  virtual HWND ModalOwner() = 0;
  // Around anything modal: the screen is brought up to date first, since the program waits.
  virtual void EnterModal() = 0;
  virtual void LeaveModal() = 0;
  virtual void ShowModal(Form& form) = 0;
};

class Win32Platform : public Platform {
 public:
  Win32Platform();
  void SetHost(PlatformHost* host) { host_ = host; }
  // A path of the launcher as the file functions take it (see SystemPath). Relative paths count
  // from the current folder; when the launcher's folder is too long to be anyone's current
  // folder, nobody could have started it there, and they count from the launcher's folder.
  std::wstring FilePath(const std::string& path) const;

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path, size_t largest) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  std::optional<FindRecord> FindFirst(const std::string& pattern) override;
  std::optional<FolderListing> ListFolder(const std::string& folder) override;
  std::string WindowsFolder() override;
  std::string LauncherFolder() override;
  std::vector<std::string> ProgramFilesFolders() override;

  long RegOpenPlayerKey(RegAccess access, RegKey& key) override;
  long RegQueryValue(RegKey key, const std::string& name, std::string& bytes) override;
  long RegSetValue(RegKey key, const std::string& name, std::string_view bytes) override;
  long RegCloseKey(RegKey key) override;
  std::string ToAnsi(const std::string& utf8) override;
  std::string FromAnsi(const std::string& ansi) override;

  void ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int showMode) override;
  void StartProgram(const std::string& path, const std::string& arguments, int showMode) override;

  int MessageBox(const std::string& prompt, int style, const std::string& title,
                 const std::string& helpFile) override;
  FileDialogResult OpenFileDialog(const std::string& filter,
                                  const std::string& initialFolder) override;
  void ShowModal(Form& form) override;

  Picture LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                      std::string& error) override;

 private:
  PlatformHost* host_ = nullptr;
  std::wstring relativeBase_;  // empty: the process's current folder
};

// Pure helpers of the platform, apart so that they can be checked on their own.
// The folder part of a path: "E:\a\b.exe" gives "E:\a", "E:\b.exe" gives "E:\", "b.exe" gives "".
std::wstring FolderOf(const std::wstring& path);
// A file dialog filter "Text|pattern|Text|pattern" as the dialog takes it: NUL separated, two
// NULs at the end.
std::wstring DialogFilter(const std::string& filter);
// A path without trailing backslashes, except for a drive's root ("E:\").
std::wstring WithoutTrailingSlash(std::wstring path);
// The longest folder that can be a process's current folder.
constexpr size_t kLongestCurrentFolder = MAX_PATH - 2;
// A path that the wide file functions reach whatever its length: a relative path is joined to
// `base` (or to the current folder when `base` is empty) and made full, and a full path too long
// for the plain functions gets the \\?\ form, in which Windows takes it as it stands.
std::wstring SystemPath(const std::wstring& path, const std::wstring& base);

}  // namespace zorvik::win32
