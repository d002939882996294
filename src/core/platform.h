// Everything the launcher needs from the outside world. Paths are Windows paths with
// backslashes; names ignore case; a path without a drive counts from the current folder.
// Texts are UTF-8 unless a member says it deals in ANSI bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/controls.h"

namespace zorvik {

class Form;

struct LocalDate {
  int year = 1601;
  int month = 1;
  int day = 1;
  bool operator==(const LocalDate&) const = default;
};

// What a file search gives: the entry's bare name and its last-write date in local time. A
// record that found nothing keeps these values, the date of a zero file time.
struct FindRecord {
  std::string name;
  LocalDate lastWrite;
};

// One entry of a folder's listing.
struct FolderEntry {
  std::string name;       // as the file system keeps it
  std::string shortName;  // its 8.3 alias, when the system made one; a search matches either
  bool folder = false;
  LocalDate lastWrite;
};

struct FolderListing {
  std::string folder;                // the folder listed, in full, as LauncherFolder() gives it
  std::vector<FolderEntry> entries;  // in the file system's listing order
};

enum class RegAccess { Read, SetValue };
using RegKey = std::uintptr_t;
// Registry status codes (0 is success; the others are the Windows error numbers).
constexpr long kRegOk = 0;
constexpr long kRegNotFound = 2;
constexpr long kRegAccessDenied = 5;
constexpr long kRegInvalidHandle = 6;

// Message box styles and answers (the Windows numbers).
constexpr int kMbOk = 0;
constexpr int kMbCritical = 16;
constexpr int kMbInformation = 64;
constexpr int kMbHelp = 16384;
constexpr int kIdOk = 1;

// Show modes of started programs and shell requests.
constexpr int kShowNormal = 1;
constexpr int kShowNoActivate = 4;
constexpr int kShowDefault = 10;

struct FileDialogResult {
  std::string fileName;   // the chosen file's full path; empty when nothing was chosen
  std::string fileTitle;  // its name without the folder
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Files and folders.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  // The whole file's bytes, or nothing when it can't be read or holds more than `largest` bytes;
  // such a file is not read at all.
  virtual std::optional<std::string> ReadFile(const std::string& path, size_t largest) = 0;
  // Writes the whole file so that it is either replaced completely or left as it was.
  virtual bool WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;
  // The first entry matching a pattern (or a plain path), in the file system's listing order.
  virtual std::optional<FindRecord> FindFirst(const std::string& pattern) = 0;
  // Every entry of a folder at once ("" is the current folder), or nothing when it can't be
  // listed. A platform without it answers each question about a file by itself.
  virtual std::optional<FolderListing> ListFolder(const std::string& /*folder*/) {
    return std::nullopt;
  }
  // The Windows folder, without a trailing backslash ("C:\WINDOWS").
  virtual std::string WindowsFolder() = 0;
  // The folder of the running program, without a trailing backslash unless it is a drive's root.
  virtual std::string LauncherFolder() = 0;
  // The program-files folders the system reports, each once: the one of 32-bit programs and,
  // on 64-bit Windows, the native one. Without a trailing backslash.
  virtual std::vector<std::string> ProgramFilesFolders() = 0;

  // The player's registry key, Software\BST\bsplayer under the current user. Values are bytes
  // in the system's ANSI code page. Each call gives a status; 0 is success.
  virtual long RegOpenPlayerKey(RegAccess access, RegKey& key) = 0;
  // Reads a value whole, whatever its length; on failure the bytes are not to be trusted.
  virtual long RegQueryValue(RegKey key, const std::string& name, std::string& bytes) = 0;
  // Sets a REG_SZ value to exactly these bytes.
  virtual long RegSetValue(RegKey key, const std::string& name, std::string_view bytes) = 0;
  virtual long RegCloseKey(RegKey key) = 0;
  // Conversions between UTF-8 and the system's ANSI code page.
  virtual std::string ToAnsi(const std::string& utf8) = 0;
  virtual std::string FromAnsi(const std::string& ansi) = 0;

  // Asks the shell to perform a verb on a file or folder; the result is not examined.
  virtual void ShellExecute(const std::string& verb, const std::string& file,
                            const std::string& parameters, const std::string& directory,
                            int showMode) = 0;
  // Starts a program given by its path (never parsed out of a command line) with arguments.
  virtual void StartProgram(const std::string& path, const std::string& arguments,
                            int showMode) = 0;

  // Modal user interaction.
  virtual int MessageBox(const std::string& prompt, int style, const std::string& title,
                         const std::string& helpFile) = 0;
  virtual FileDialogResult OpenFileDialog(const std::string& filter,
                                          const std::string& initialFolder) = 0;
  // Shows a form modally; returns once it is hidden or unloaded.
  virtual void ShowModal(Form& form) = 0;

  // Loads a bitmap or JPEG file; a picture larger than the box (twips) is shrunk to fit it,
  // keeping its proportions. On failure returns an empty picture and says why.
  virtual Picture LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                              std::string& error) = 0;
};

}  // namespace zorvik
