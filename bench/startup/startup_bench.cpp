// Starts programs in turn and times each from the moment it is created until its window is
// visible and taking input: a visible top-level window of the process, nothing of it left to
// paint, and its thread answering a sent message (so it waits in its message loop). Every
// program is measured the same way. Then the program is asked to close, and its peak working
// set is read.
//
//   startup_bench <runs> <label> <program> <folder> [<label> <program> <folder>]...
//
// Each run starts every program once, in the order given, so that the machine's state changes
// alike for all. Prints one line per start, "label milliseconds peak-KiB", and nothing else.
#include <windows.h>
// windows.h first: psapi.h depends on it.
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Program {
  std::wstring label, path, folder;
};

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

bool Ready(HWND hwnd) {
  if (GetUpdateRect(hwnd, nullptr, FALSE)) return false;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer)) return false;
  // The reply comes before the paint that showing queued: look again once it was answered.
  return !GetUpdateRect(hwnd, nullptr, FALSE) && IsWindowVisible(hwnd);
}

bool Measure(const Program& p, double& ms, SIZE_T& peak) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + p.path + L"\"";
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(p.path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      p.folder.c_str(), &si, &pi)) {
    fwprintf(stderr, L"can't start %ls (%lu)\n", p.path.c_str(), GetLastError());
    return false;
  }
  HWND window = nullptr;
  for (;;) {
    Search s{pi.dwProcessId, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&s));
    if (s.found && Ready(s.found)) {
      QueryPerformanceCounter(&now);
      window = s.found;
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    QueryPerformanceCounter(&now);
    if (now.QuadPart - start.QuadPart > 60 * frequency.QuadPart) break;
  }
  ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
       static_cast<double>(frequency.QuadPart);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  peak = GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters) ? counters.PeakWorkingSetSize
                                                                       : 0;
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (!window) fwprintf(stderr, L"%ls showed no window\n", p.label.c_str());
  return window != nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5 || (argc - 2) % 3 != 0) {
    fwprintf(stderr, L"usage: startup_bench runs label program folder [label program folder]...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  std::vector<Program> programs;
  for (int i = 2; i + 2 < argc; i += 3) {
    programs.push_back({argv[i], argv[i + 1], argv[i + 2]});
  }
  int failures = 0;
  for (int run = 0; run < runs; ++run) {
    for (const Program& p : programs) {
      double ms = 0;
      SIZE_T peak = 0;
      if (!Measure(p, ms, peak)) ++failures;
      wprintf(L"%ls %.1f %lu\n", p.label.c_str(), ms, static_cast<unsigned long>(peak / 1024));
      fflush(stdout);
    }
  }
  return failures == 0 ? 0 : 1;
}
