// A stand-in for BSplayer (and, copied under another name, for any program the launcher starts).
//
// It notes what it was given, and shows it for a moment, in
//   <name>-args.txt     one line per start: the arguments, exactly as received (UTF-8, LF)
// where <name> is the program's own file name without ".exe", in lower case (bplay for the
// player). The files go to the folder named by ZORVIK_PLAYER_LOG, or beside the program; a Unix
// path there (under Wine) is taken through Wine's own path mapping.
//
// The arguments are the command line after the program's name and the one blank the shell puts
// after it; everything else, further blanks and trailing blanks included, is kept as it came.
//
// ZORVIK_PLAYER_SECONDS sets how long the window stays (default 4); 0 ends at once, no window.
#include <windows.h>

#include <string>

namespace {

constexpr UINT_PTR kTickTimer = 1;

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[1024];
  DWORD n = GetEnvironmentVariableW(name, buffer, ARRAYSIZE(buffer));
  if (n == 0 || n >= ARRAYSIZE(buffer)) return {};
  return std::wstring(buffer, n);
}

std::wstring ModulePath() {
  wchar_t buffer[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, buffer, ARRAYSIZE(buffer));
  return std::wstring(buffer, n);
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
  return text.size() >= prefix.size() &&
         CompareStringOrdinal(text.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                              static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// Where the program's name ends. The name is recognised as the module's own path, quoted or
// not, so that an unquoted path with blanks counts as one name; otherwise the usual rule holds
// (up to the closing quote, or up to the first blank or tab).
size_t EndOfProgramName(const std::wstring& line) {
  const std::wstring self = ModulePath();
  if (!self.empty()) {
    if (StartsWithNoCase(line, L"\"" + self + L"\"")) return self.size() + 2;
    if (StartsWithNoCase(line, self) &&
        (line.size() == self.size() || line[self.size()] == L' ' || line[self.size()] == L'\t'))
      return self.size();
  }
  if (!line.empty() && line[0] == L'"') {
    size_t close = line.find(L'"', 1);
    return close == std::wstring::npos ? line.size() : close + 1;
  }
  size_t blank = line.find_first_of(L" \t");
  return blank == std::wstring::npos ? line.size() : blank;
}

std::wstring ArgumentsOf(const std::wstring& line) {
  size_t at = EndOfProgramName(line);
  if (at < line.size() && (line[at] == L' ' || line[at] == L'\t')) ++at;
  return line.substr(at);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

// Wine can name a Unix path for us; on Windows the function does not exist and the path stays.
std::wstring WindowsPath(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  using ToDos = WCHAR*(CDECL*)(const char*);
  auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (!toDos) return path;
  WCHAR* dos = toDos(Utf8(path).c_str());
  if (!dos) return path;
  std::wstring out(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return out;
}

std::wstring LogFolder(const std::wstring& self) {
  std::wstring folder = WindowsPath(Environment(L"ZORVIK_PLAYER_LOG"));
  if (folder.empty()) folder = self.substr(0, self.find_last_of(L"\\/") + 1);
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder;
}

std::wstring BaseName(const std::wstring& self) {
  std::wstring name = self.substr(self.find_last_of(L"\\/") + 1);
  size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  // One spelling for the log files, however the program was named when it was started.
  CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

// Appends one line; several starts at once each add a whole line.
void AppendLine(const std::wstring& path, const std::wstring& text) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string line = Utf8(text) + "\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

struct Shown {
  std::wstring title;
  std::wstring arguments;
  int secondsLeft;
  HFONT font;
};

void Paint(HWND window, const Shown& shown) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT box;
  GetClientRect(window, &box);
  FillRect(dc, &box, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  InflateRect(&box, -12, -10);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  HGDIOBJ old = SelectObject(dc, shown.font);
  // The arguments between brackets, so that leading and trailing blanks can be seen.
  const std::wstring text = L"Started with " + std::to_wstring(shown.arguments.size()) +
                            L" characters of arguments:\n[" + shown.arguments + L"]\n\nCloses in " +
                            std::to_wstring(shown.secondsLeft) + L" s.";
  DrawTextW(dc, text.c_str(), -1, &box,
            DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* shown = reinterpret_cast<Shown*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (shown) {
        Paint(window, *shown);
        return 0;
      }
      break;
    case WM_TIMER:
      if (shown && wParam == kTickTimer && --shown->secondsLeft <= 0) {
        DestroyWindow(window);
      } else {
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int ShowFor(HINSTANCE instance, int show, Shown& shown) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.lpszClassName = L"ZorvikPlayerStandIn";
  RegisterClassW(&wc);

  shown.font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                           CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");

  HWND window =
      CreateWindowExW(0, wc.lpszClassName, shown.title.c_str(),
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                      CW_USEDEFAULT, 560, 200, nullptr, nullptr, instance, &shown);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  SetTimer(window, kTickTimer, 1000, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(shown.font);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // The CRT's own argument text drops leading blanks; the raw command line keeps everything.
  const std::wstring line = GetCommandLineW();
  const std::wstring self = ModulePath();
  const std::wstring arguments = ArgumentsOf(line);
  const std::wstring folder = LogFolder(self);
  const std::wstring name = BaseName(self);
  AppendLine(folder + name + L"-args.txt", arguments);

  int seconds = 4;
  std::wstring setting = Environment(L"ZORVIK_PLAYER_SECONDS");
  if (!setting.empty()) seconds = _wtoi(setting.c_str());
  if (seconds <= 0) return 0;

  std::wstring title = CompareStringOrdinal(name.c_str(), -1, L"bplay", -1, TRUE) == CSTR_EQUAL
                           ? L"BSplayer (stand-in)"
                           : name + L" (stand-in)";
  Shown shown{title, arguments, seconds, nullptr};
  return ShowFor(instance, show, shown);
}
