#include "win32/win32_platform.h"

#include <vector>

#include "core/text_util.h"
#include "win32/pictures.h"
#include "win32/unicode.h"
#include "win32/units.h"

namespace zorvik::win32 {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  bool Close() {
    if (!Valid()) return true;
    const bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

// While the program waits in something modal, the screen shows the model as it stands.
class ModalScope {
 public:
  explicit ModalScope(PlatformHost* host) : host_(host) {
    if (host_) host_->EnterModal();
  }
  ~ModalScope() {
    if (host_) host_->LeaveModal();
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  PlatformHost* host_;
};

DWORD Attributes(const std::wstring& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
}

bool IsFile(const std::wstring& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  if (written == 0 || written >= n) return path;
  full.resize(written);
  return full;
}

bool IsRelative(const std::wstring& path) {
  const bool drive = path.size() >= 2 && path[1] == L':';
  const bool rooted = !path.empty() && (path[0] == L'\\' || path[0] == L'/');
  return !drive && !rooted;
}

// Beyond this many characters the plain functions fail (folders are made with room for an 8.3
// name inside them).
constexpr size_t kLongestPlainPath = MAX_PATH - 12;

const wchar_t* OrNull(const std::wstring& s) {
  return s.empty() ? nullptr : s.c_str();
}

// Every start and shell request. A failure shows nothing: the launcher reports what it must
// itself. The shell is done with the request when this returns, since the launcher may end
// right after.
void Shell(HWND owner, const wchar_t* verb, const std::wstring& file,
           const std::wstring& parameters, const std::wstring& directory, int showMode) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = verb;
  info.lpFile = file.c_str();
  info.lpParameters = OrNull(parameters);
  info.lpDirectory = OrNull(directory);
  info.nShow = showMode;
  ShellExecuteExW(&info);
}

// The Help button of a message box: the help file as it is found from the current folder now.
void CALLBACK OpenHelpFile(LPHELPINFO info) {
  const auto* helpFile = reinterpret_cast<const std::wstring*>(info->dwContextId);
  if (!helpFile || helpFile->empty()) return;
  Shell(GetActiveWindow(), L"open", FullPath(*helpFile), L"", L"", SW_SHOWNORMAL);
}

// A folder the shell knows, or nothing when this Windows has none.
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path) {
    folder = path;
  }
  CoTaskMemFree(path);
  return folder;
}

std::wstring EnvironmentValue(const wchar_t* name) {
  const DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
  if (n == 0) return {};
  std::wstring value(n, L'\0');
  const DWORD written = GetEnvironmentVariableW(name, value.data(), n);
  if (written == 0 || written >= n) return {};
  value.resize(written);
  return value;
}

constexpr const char* kPlayerKey = "Software\\BST\\bsplayer";

LocalDate LocalDateOf(const FILETIME& time) {
  FILETIME local{};
  SYSTEMTIME date{};
  if (FileTimeToLocalFileTime(&time, &local) && FileTimeToSystemTime(&local, &date)) {
    return {date.wYear, date.wMonth, date.wDay};
  }
  return {};
}

}  // namespace

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  if (slash == 0) return path.substr(0, 1);
  std::wstring folder = path.substr(0, slash);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return folder;
}

std::wstring WithoutTrailingSlash(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') &&
         !(path.size() == 3 && path[1] == L':')) {
    path.pop_back();
  }
  return path;
}

std::wstring SystemPath(const std::wstring& path, const std::wstring& base) {
  if (path.empty() || path.starts_with(L"\\\\?\\")) return path;
  const std::wstring full = FullPath(
      base.empty() || !IsRelative(path) ? path : WithoutTrailingSlash(base) + L"\\" + path);
  if (full.size() < kLongestPlainPath) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

Win32Platform::Win32Platform() {
  const std::wstring launcher = Widen(LauncherFolder());
  if (launcher.size() > kLongestCurrentFolder) relativeBase_ = launcher;
}

std::wstring Win32Platform::FilePath(const std::string& path) const {
  return SystemPath(Widen(path), relativeBase_);
}

std::wstring DialogFilter(const std::string& filter) {
  if (filter.empty()) return {};
  std::wstring out = Widen(filter);
  for (wchar_t& c : out) {
    if (c == L'|') c = L'\0';
  }
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

bool Win32Platform::FileExists(const std::string& path) {
  return IsFile(FilePath(path));
}

bool Win32Platform::FolderExists(const std::string& path) {
  const DWORD a = Attributes(FilePath(Narrow(WithoutTrailingSlash(Widen(path)))));
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::CreateFolder(const std::string& path) {
  const std::wstring folder = FilePath(Narrow(WithoutTrailingSlash(Widen(path))));
  return !folder.empty() && CreateDirectoryW(folder.c_str(), nullptr) != 0;
}

std::optional<std::string> Win32Platform::ReadFile(const std::string& path, size_t largest) {
  FileHandle file(CreateFileW(FilePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || static_cast<ULONGLONG>(size.QuadPart) > largest) {
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!::ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                    nullptr)) {
      return std::nullopt;
    }
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool Win32Platform::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::wstring target = FilePath(path);
  std::wstring folder = FolderOf(target);
  if (target.empty() || folder.empty()) return false;
  if (folder.back() != L'\\') folder += L'\\';
  // The temporary file is named here: the system's temporary names are for folders of fewer
  // than MAX_PATH - 14 characters.
  static unsigned serial = 0;
  std::wstring temp;
  HANDLE made = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && made == INVALID_HANDLE_VALUE; ++attempt) {
    temp = folder + L"zvk" + Widen(std::to_string(GetCurrentProcessId())) + L"-" +
           Widen(std::to_string(++serial)) + L".tmp";
    made = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
    if (made == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
  }

  bool ok = false;
  {
    FileHandle file(made);
    if (file.Valid()) {
      size_t done = 0;
      ok = true;
      while (ok && done < bytes.size()) {
        DWORD wrote = 0;
        ok = WriteFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &wrote, nullptr) &&
             wrote > 0;
        done += wrote;
      }
      ok = ok && FlushFileBuffers(file.Get());
      ok = file.Close() && ok;
    }
  }
  ok = ok && MoveFileExW(temp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temp.c_str());
  return ok;
}

std::optional<FindRecord> Win32Platform::FindFirst(const std::string& pattern) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(FilePath(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  return FindRecord{Narrow(found.cFileName), LocalDateOf(found.ftLastWriteTime)};
}

std::optional<FolderListing> Win32Platform::ListFolder(const std::string& folder) {
  const std::wstring full = WithoutTrailingSlash(FilePath(folder.empty() ? "." : folder));
  if (full.empty()) return std::nullopt;
  FolderListing listing{Narrow(full), {}};
  WIN32_FIND_DATAW found{};
  const HANDLE search =
      FindFirstFileW((full.back() == L'\\' ? full + L"*" : full + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // Only a drive's root can hold nothing at all, not even "." and "..".
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return listing;
    return std::nullopt;
  }
  do {
    listing.entries.push_back({Narrow(found.cFileName), Narrow(found.cAlternateFileName),
                               (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                               LocalDateOf(found.ftLastWriteTime)});
  } while (FindNextFileW(search, &found));
  const bool whole = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(search);
  if (!whole) return std::nullopt;
  return listing;
}

std::string Win32Platform::WindowsFolder() {
  std::wstring folder(GetWindowsDirectoryW(nullptr, 0), L'\0');
  const UINT n = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (n == 0 || n >= folder.size()) return "C:\\WINDOWS";
  folder.resize(n);
  return Narrow(WithoutTrailingSlash(folder));
}

std::string Win32Platform::LauncherFolder() {
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (n == 0) return {};
    if (n < exe.size()) {
      exe.resize(n);
      break;
    }
    exe.resize(exe.size() * 2);
  }
  return Narrow(FolderOf(exe));
}

std::vector<std::string> Win32Platform::ProgramFilesFolders() {
  // A 32-bit program: FOLDERID_ProgramFiles names the 32-bit folder on 64-bit Windows too, and
  // the native one is not given to it as a known folder but as ProgramW6432 (Windows 7 on).
  const std::wstring candidates[] = {KnownFolder(FOLDERID_ProgramFilesX86),
                                     KnownFolder(FOLDERID_ProgramFiles),
                                     EnvironmentValue(L"ProgramW6432")};
  std::vector<std::string> folders;
  for (const std::wstring& candidate : candidates) {
    if (candidate.empty()) continue;
    const std::string folder = Narrow(WithoutTrailingSlash(candidate));
    bool known = false;
    for (const std::string& f : folders)
      known = known || EqualsIgnoreCase(f, folder);
    if (!known) folders.push_back(folder);
  }
  return folders;
}

long Win32Platform::RegOpenPlayerKey(RegAccess access, RegKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, kPlayerKey, 0,
                                    access == RegAccess::Read ? KEY_READ : KEY_SET_VALUE, &opened);
  key = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
  return status;
}

long Win32Platform::RegQueryValue(RegKey key, const std::string& name, std::string& bytes) {
  const HKEY hkey = reinterpret_cast<HKEY>(key);
  const std::string ansiName = ToAnsi(name);
  // The size first, then the value; should it grow in between, once more.
  LONG status = ERROR_MORE_DATA;
  for (int attempt = 0; attempt < 3 && status == ERROR_MORE_DATA; ++attempt) {
    DWORD size = 0;
    status = RegQueryValueExA(hkey, ansiName.c_str(), nullptr, nullptr, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    bytes.assign(size, '\0');
    status = RegQueryValueExA(hkey, ansiName.c_str(), nullptr, nullptr,
                              reinterpret_cast<BYTE*>(bytes.data()), &size);
    if (status == ERROR_SUCCESS) bytes.resize(size);
  }
  return status;
}

long Win32Platform::RegSetValue(RegKey key, const std::string& name, std::string_view bytes) {
  return RegSetValueExA(reinterpret_cast<HKEY>(key), ToAnsi(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size()));
}

long Win32Platform::RegCloseKey(RegKey key) {
  return ::RegCloseKey(reinterpret_cast<HKEY>(key));
}

std::string Win32Platform::ToAnsi(const std::string& utf8) {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::string Win32Platform::FromAnsi(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return Narrow(wide);
}

void Win32Platform::ShellExecute(const std::string& verb, const std::string& file,
                                 const std::string& parameters, const std::string& directory,
                                 int showMode) {
  std::wstring folder = Widen(directory);
  // The player's own path comes as the directory: it starts in the player's folder.
  if (IsFile(folder)) folder = FolderOf(folder);
  const std::wstring verbW = Widen(verb);
  Shell(host_ ? host_->MainWindowHandle() : nullptr, OrNull(verbW), Widen(file), Widen(parameters),
        folder, showMode);
}

void Win32Platform::StartProgram(const std::string& path, const std::string& arguments,
                                 int showMode) {
  // A full path, so that neither the search path nor blanks in it can pick another program.
  // An owner, so that an elevation prompt comes to the front instead of flashing.
  Shell(host_ ? host_->ModalOwner() : nullptr, nullptr, FullPath(Widen(path)), Widen(arguments),
        L"", showMode);
}

int Win32Platform::MessageBox(const std::string& prompt, int style, const std::string& title,
                              const std::string& helpFile) {
  ModalScope modal(host_);
  const HWND owner = host_ ? host_->ModalOwner() : nullptr;
  const std::wstring text = Widen(prompt);
  const std::wstring caption = Widen(title);
  const std::wstring help = Widen(helpFile);
  MSGBOXPARAMSW params{};
  params.cbSize = sizeof params;
  params.hwndOwner = owner;
  params.hInstance = GetModuleHandleW(nullptr);
  params.lpszText = text.c_str();
  params.lpszCaption = caption.c_str();
  // Without a window to own it, the box still keeps the program's windows from input.
  params.dwStyle = static_cast<DWORD>(style) | (owner ? 0 : MB_TASKMODAL);
  params.dwContextHelpId = reinterpret_cast<DWORD_PTR>(&help);
  params.lpfnMsgBoxCallback = OpenHelpFile;
  return MessageBoxIndirectW(&params);
}

FileDialogResult Win32Platform::OpenFileDialog(const std::string& filter,
                                               const std::string& initialFolder) {
  ModalScope modal(host_);
  const std::wstring filters = DialogFilter(filter);
  std::wstring folder = Widen(initialFolder);
  if (IsFile(folder)) folder = FolderOf(folder);
  std::vector<wchar_t> file(32768, L'\0');
  std::vector<wchar_t> title(file.size(), L'\0');

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = host_ ? host_->ModalOwner() : nullptr;
  ofn.lpstrFilter = OrNull(filters);
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrFileTitle = title.data();
  ofn.nMaxFileTitle = static_cast<DWORD>(title.size());
  ofn.lpstrInitialDir = OrNull(folder);
  // The launcher finds its disc files relative to the current folder: browsing must not move it.
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) return {};
  return {Narrow(file.data()), Narrow(title.data())};
}

void Win32Platform::ShowModal(Form& form) {
  if (host_) host_->ShowModal(form);
}

Picture Win32Platform::LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                                   std::string& error) {
  const PixelSize box = BoxPixels(boxWidth, boxHeight);
  const int dpi = WindowDpi(host_ ? host_->MainWindowHandle() : nullptr);
  DecodedPicture decoded = DecodePictureFile(FilePath(path), box, dpi, error);
  if (!decoded.image) return {};
  return Picture{path, decoded.shown.width, decoded.shown.height, std::move(decoded.image)};
}

}  // namespace zorvik::win32
