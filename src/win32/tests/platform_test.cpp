// The platform against the real file system and registry (of Wine when run there).
#include <string>
#include <vector>

#include "core/text_util.h"
#include "win32/tests/check.h"
#include "win32/unicode.h"
#include "win32/win32_platform.h"

namespace zorvik::win32 {
namespace {

// A scratch folder that is the current folder while it lives.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"zorvik-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path_.c_str(), nullptr);
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    SetCurrentDirectoryW(path_.c_str());
  }
  ~ScratchFolder() {
    SetCurrentDirectoryW(previous_.c_str());
    Remove(L"\\\\?\\" + path_);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path() const { return Narrow(path_); }
  void Write(const std::wstring& name, const std::string& bytes) const {
    const HANDLE f = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD wrote = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
    CloseHandle(f);
  }
  std::vector<std::wstring> Entries(const std::wstring& folder) const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
  }

 private:
  void Remove(const std::wstring& folder) const {
    for (const std::wstring& name : Entries(folder)) {
      const std::wstring full = folder + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (GetFileAttributesW(full.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
        Remove(full);
      } else {
        DeleteFileW(full.c_str());
      }
    }
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring path_;
  std::wstring previous_;
};

TEST_CASE("FolderOf keeps a drive's root and drops the last component") {
  const struct {
    const wchar_t* path;
    const wchar_t* folder;
  } cases[] = {
      {L"E:\\Movies\\bplay.exe", L"E:\\Movies"},
      {L"E:\\bplay.exe", L"E:\\"},
      {L"More\\cover.jpg", L"More"},
      {L"bplay.exe", L""},
      {L"\\\\server\\share\\setup.exe", L"\\\\server\\share"},
      {L"\\setup.exe", L"\\"},
  };
  for (const auto& c : cases) {
    CHECK_EQ_AT(FolderOf(c.path), std::wstring(c.folder), Narrow(c.path));
  }
}

TEST_CASE("WithoutTrailingSlash keeps the backslash of a drive's root only") {
  const struct {
    const wchar_t* path;
    const wchar_t* expected;
  } cases[] = {
      {L"More\\", L"More"}, {L"C:\\WINDOWS\\\\", L"C:\\WINDOWS"},
      {L"E:\\", L"E:\\"},   {L"More", L"More"},
      {L"\\", L"\\"},       {L"", L""},
  };
  for (const auto& c : cases) {
    CHECK_EQ_AT(WithoutTrailingSlash(c.path), std::wstring(c.expected), Narrow(c.path));
  }
}

TEST_CASE("DialogFilter turns bars into NULs and ends with two") {
  using namespace std::string_literals;
  const struct {
    std::string filter;
    std::wstring expected;
  } cases[] = {
      {"", L""},
      {"bplay.exe|bplay.exe", L"bplay.exe\0bplay.exe\0\0"s},
      {"Avi (*.avi)|*.avi|All (*.*)|*.*", L"Avi (*.avi)\0*.avi\0All (*.*)\0*.*\0\0"s},
      {"Ταινίες|*.avi", L"\u03a4\u03b1\u03b9\u03bd\u03af\u03b5\u03c2\0*.avi\0\0"s},
  };
  for (const auto& c : cases) {
    CHECK_EQ_AT(DialogFilter(c.filter) == c.expected, true, c.filter);
  }
}

TEST_CASE("files and folders are told apart, relative paths count from the current folder") {
  ScratchFolder scratch;
  CreateDirectoryW(L"More", nullptr);
  scratch.Write(L"More\\Settings.sav", "x");
  Win32Platform p;
  const struct {
    std::string path;
    bool file, folder;
  } cases[] = {
      {"More\\Settings.sav", true, false},
      {"more\\SETTINGS.SAV", true, false},
      {scratch.Path() + "\\More\\Settings.sav", true, false},
      {"More", false, true},
      {"More\\", false, true},
      {scratch.Path() + "\\More\\", false, true},
      {"More\\missing.sav", false, false},
      {"", false, false},
  };
  for (const auto& c : cases) {
    CHECK_EQ_AT(p.FileExists(c.path), c.file, "file " + c.path);
    CHECK_EQ_AT(p.FolderExists(c.path), c.folder, "folder " + c.path);
  }
}

TEST_CASE("CreateFolder makes a folder once") {
  ScratchFolder scratch;
  Win32Platform p;
  CHECK(p.CreateFolder("More\\"));
  CHECK(p.FolderExists("More"));
  CHECK(!p.CreateFolder("More"));
}

TEST_CASE("ReadFile gives every byte, or nothing for a missing or larger file") {
  ScratchFolder scratch;
  const std::string bytes("a\0b\r\n\xff", 6);
  scratch.Write(L"data.bin", bytes);
  Win32Platform p;
  CHECK(p.ReadFile("data.bin", 6) == bytes);
  CHECK(!p.ReadFile("data.bin", 5).has_value());
  CHECK(!p.ReadFile("missing.bin", 6).has_value());
}

TEST_CASE("WriteFileAtomic replaces the file whole and leaves no temporary file") {
  ScratchFolder scratch;
  CreateDirectoryW(L"More", nullptr);
  Win32Platform p;
  CHECK(p.WriteFileAtomic("More\\Settings.sav", "first"));
  CHECK(p.WriteFileAtomic("More\\Settings.sav", std::string("second\0", 7)));
  CHECK(p.ReadFile("More\\Settings.sav", 7) == std::string("second\0", 7));
  CHECK_EQ(scratch.Entries(L"More").size(), size_t{1});
}

TEST_CASE("WriteFileAtomic fails without leaving anything where it can't write") {
  ScratchFolder scratch;
  Win32Platform p;
  CHECK(!p.WriteFileAtomic("Missing\\Settings.sav", "x"));
  CreateDirectoryW(L"More", nullptr);
  CreateDirectoryW(L"More\\Settings.sav", nullptr);  // a folder where the file should go
  CHECK(!p.WriteFileAtomic("More\\Settings.sav", "x"));
  CHECK_EQ(scratch.Entries(L"More").size(), size_t{1});
}

TEST_CASE("SystemPath makes paths full, and long ones reachable") {
  const std::wstring longFolder =
      L"E:\\" + std::wstring(150, L'\u03b1') + L"\\" + std::wstring(150, L'b');
  const struct {
    std::wstring path, base, expected;
  } cases[] = {
      {L"E:\\Movies\\..\\film.avi", L"", L"E:\\film.avi"},
      {L"More\\Settings.sav", L"E:\\", L"E:\\More\\Settings.sav"},
      {L"More\\*.jpg", L"E:\\Disc\\", L"E:\\Disc\\More\\*.jpg"},
      {L"C:\\WINDOWS", L"E:\\Disc", L"C:\\WINDOWS"},
      {L"More\\Settings.sav", longFolder, L"\\\\?\\" + longFolder + L"\\More\\Settings.sav"},
      {longFolder + L"\\.\\film.avi", L"", L"\\\\?\\" + longFolder + L"\\film.avi"},
      {L"\\\\server\\share\\" + std::wstring(250, L'c'), L"",
       L"\\\\?\\UNC\\server\\share\\" + std::wstring(250, L'c')},
      {L"\\\\?\\E:\\as it stands. ", L"E:\\Disc", L"\\\\?\\E:\\as it stands. "},
      {L"", L"E:\\Disc", L""},
  };
  for (const auto& c : cases) {
    CHECK_EQ_AT(SystemPath(c.path, c.base) == c.expected, true, Narrow(c.path));
  }
}

// Wine writes past a MAX_PATH buffer for the system's temporary names in such a folder.
TEST_CASE("a launcher folder of 400 characters, Greek and blanks included, is read and written") {
  ScratchFolder scratch;
  std::wstring folder = Widen(scratch.Path());
  for (const wchar_t* part : {L"Ταινίες και τρέιλερ του δίσκου με ένα μακρύ όνομα φακέλου",
                              L"A folder with blanks and a long name that goes on for a while",
                              L"Δεύτερος φάκελος με ελληνικά γράμματα και κενά στο όνομά του",
                              L"Yet another folder name to take the path past every limit"}) {
    folder += L"\\";
    folder += part;
    CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
  }
  folder += L"\\" + std::wstring(399 - folder.size(), L'z');
  CHECK(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr));
  CHECK_EQ(folder.size(), size_t{400});

  Win32Platform p;
  const std::string disc = Narrow(folder);
  CHECK(p.FolderExists(disc) && !p.FolderExists(disc + "\\More"));
  CHECK(p.CreateFolder(disc + "\\More\\"));
  CHECK(p.WriteFileAtomic(disc + "\\More\\Settings.sav", "first"));
  CHECK(p.WriteFileAtomic(disc + "\\More\\Settings.sav", "second"));
  CHECK(p.ReadFile(disc + "\\More\\Settings.sav", 100) == std::string("second"));
  CHECK(p.FileExists(disc + "\\more\\settings.SAV"));
  const std::optional<FindRecord> found = p.FindFirst(disc + "\\More\\*.sav");
  CHECK(found && found->name == "Settings.sav");
  CHECK_EQ(scratch.Entries(L"\\\\?\\" + folder + L"\\More").size(), size_t{1});
}

TEST_CASE("FindFirst gives the bare name and the local date of the last write") {
  ScratchFolder scratch;
  CreateDirectoryW(L"More", nullptr);
  scratch.Write(L"More\\cover.jpg", "x");
  // Noon UTC: the local date is the same in every time zone within eleven hours of it.
  SYSTEMTIME noon{2003, 9, 0, 20, 12, 0, 0, 0};
  FILETIME written;
  SystemTimeToFileTime(&noon, &written);
  const HANDLE f = CreateFileW(L"More\\cover.jpg", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  SetFileTime(f, nullptr, nullptr, &written);
  CloseHandle(f);

  Win32Platform p;
  const std::optional<FindRecord> found = p.FindFirst("More\\*.jpg");
  CHECK(found.has_value());
  if (found) {
    CHECK_EQ(found->name, std::string("cover.jpg"));
    CHECK(found->lastWrite == (LocalDate{2003, 9, 20}));
  }
  CHECK(!p.FindFirst("More\\*.bmp").has_value());
}

TEST_CASE("LauncherFolder is the program's folder without a trailing backslash") {
  Win32Platform p;
  const std::string folder = p.LauncherFolder();
  CHECK(!folder.empty());
  CHECK(folder.back() != '\\' || folder.size() == 3);
  CHECK(p.FileExists(folder + "\\zorvik_win32_tests.exe"));
  const std::string windows = p.WindowsFolder();
  CHECK(p.FolderExists(windows) && windows.back() != '\\');
}

TEST_CASE("ANSI conversions keep every character of the code page, NULs included") {
  Win32Platform p;
  const std::string text("C:\\Program Files\\BSplayer\0", 26);
  CHECK(p.ToAnsi(text) == text);
  CHECK(p.FromAnsi(text) == text);
}

TEST_CASE("the player's registry values: exact bytes of any length, and the status codes") {
  HKEY created = nullptr;
  DWORD disposition = 0;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\BST\\bsplayer", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &created, &disposition);
  RegCloseKey(created);

  const std::string shortValue("161;Arial\0", 10);
  const std::string longValue = "C:\\" + std::string(2000, 'p') + "\\bplay.exe";
  Win32Platform p;
  RegKey key = 0;
  CHECK_EQ(p.RegOpenPlayerKey(RegAccess::SetValue, key), kRegOk);
  CHECK_EQ(p.RegSetValue(key, "ZorvikSelfTest", shortValue), kRegOk);
  CHECK_EQ(p.RegSetValue(key, "ZorvikSelfTestLong", longValue), kRegOk);
  CHECK_EQ(p.RegSetValue(key, "ZorvikSelfTestEmpty", ""), kRegOk);
  CHECK_EQ(p.RegCloseKey(key), kRegOk);

  CHECK_EQ(p.RegOpenPlayerKey(RegAccess::Read, key), kRegOk);
  std::string bytes;
  CHECK_EQ(p.RegQueryValue(key, "ZorvikSelfTest", bytes), kRegOk);
  CHECK(bytes == shortValue);
  CHECK_EQ(p.RegQueryValue(key, "ZorvikSelfTestLong", bytes), kRegOk);
  // Wine's ANSI query ends a text stored without its NUL with one.
  CHECK(bytes.substr(0, bytes.find('\0')) == longValue);
  CHECK_EQ(p.RegQueryValue(key, "ZorvikSelfTestEmpty", bytes), kRegOk);
  CHECK(bytes.find_first_not_of('\0') == std::string::npos);
  CHECK_EQ(p.RegQueryValue(key, "ZorvikNoSuchValue", bytes), kRegNotFound);
  CHECK_EQ(p.RegCloseKey(key), kRegOk);

  HKEY cleanup = nullptr;
  RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\BST\\bsplayer", 0, KEY_SET_VALUE, &cleanup);
  for (const char* name : {"ZorvikSelfTest", "ZorvikSelfTestLong", "ZorvikSelfTestEmpty"})
    RegDeleteValueA(cleanup, name);
  RegCloseKey(cleanup);
  if (disposition == REG_CREATED_NEW_KEY) {
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\BST\\bsplayer");
  }
}

TEST_CASE("the program-files folders are real folders, each named once") {
  Win32Platform p;
  const std::vector<std::string> folders = p.ProgramFilesFolders();
  CHECK(!folders.empty());
  for (size_t i = 0; i < folders.size(); ++i) {
    CHECK_EQ_AT(p.FolderExists(folders[i]), true, folders[i]);
    CHECK_EQ_AT(folders[i].back() != '\\', true, folders[i]);
    for (size_t k = 0; k < i; ++k)
      CHECK_EQ_AT(EqualsIgnoreCase(folders[i], folders[k]), false, folders[i]);
  }
  // On 64-bit Windows (and Wine's 64-bit prefixes) both folders: the 32-bit one first.
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  if (wow64) {
    CHECK_EQ(folders.size(), size_t{2});
    CHECK_EQ(folders[0].ends_with(" (x86)"), true);
  }
}

}  // namespace
}  // namespace zorvik::win32
