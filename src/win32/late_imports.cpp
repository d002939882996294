// Libraries of the system that only some actions need are loaded at the first call of one of
// their functions, not when the program starts: under Wine, loading comctl32 (its version 6,
// with the themes) takes longer than a bare window's whole start. The program calls these
// functions as it calls any other. The headers declare some of them imported, called through a
// pointer the compiler names: those pointers are defined here, at first aimed at a stand-in that
// looks the function up, takes its place and calls it. The others are defined here to do the
// same. (binutils' delay-import libraries would do this, but those of dlltool 2.40 for i686 call
// address 0.) A function of these libraries not found here comes from its import library, and
// tools/test then finds the library among those loaded at the start.
#include <cstdlib>

#include "win32/windows_api.h"

static_assert(sizeof(void*) == 4, "the import pointers are named as on 32-bit Windows");

namespace {

template <class Fn>
Fn Find(const wchar_t* library, const char* function) {
  // By name: the manifest's activation context then gives version 6 of the common controls.
  HMODULE module = LoadLibraryW(library);
  FARPROC found = module ? GetProcAddress(module, function) : nullptr;
  // Every Windows has them; imported the usual way, the program wouldn't have started.
  if (!found) std::abort();
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(found));
}

constexpr const wchar_t* kCommonControls = L"comctl32.dll";
constexpr const wchar_t* kCommonDialogs = L"comdlg32.dll";
constexpr const wchar_t* kShell = L"shell32.dll";
// Only a screen reader asks for these.
constexpr const wchar_t* kAccessibility = L"oleacc.dll";
constexpr const wchar_t* kAutomation = L"oleaut32.dll";

BOOL WINAPI LateInitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
BOOL WINAPI LateGetOpenFileNameW(LPOPENFILENAMEW dialog);
HINSTANCE WINAPI LateShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                   LPCWSTR directory, INT show);
BOOL WINAPI LateShellExecuteExW(SHELLEXECUTEINFOW* info);
BSTR WINAPI LateSysAllocString(const OLECHAR* text);

}  // namespace

extern "C" {
decltype(&InitCommonControlsEx) importInitCommonControlsEx asm("__imp__InitCommonControlsEx@4") =
    LateInitCommonControlsEx;
decltype(&GetOpenFileNameW) importGetOpenFileNameW asm("__imp__GetOpenFileNameW@4") =
    LateGetOpenFileNameW;
decltype(&ShellExecuteW) importShellExecuteW asm("__imp__ShellExecuteW@24") = LateShellExecuteW;
decltype(&ShellExecuteExW) importShellExecuteExW asm("__imp__ShellExecuteExW@4") =
    LateShellExecuteExW;
decltype(&SysAllocString) importSysAllocString asm("__imp__SysAllocString@4") = LateSysAllocString;
}

namespace {

BOOL WINAPI LateInitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  importInitCommonControlsEx =
      Find<decltype(&InitCommonControlsEx)>(kCommonControls, "InitCommonControlsEx");
  return importInitCommonControlsEx(controls);
}

BOOL WINAPI LateGetOpenFileNameW(LPOPENFILENAMEW dialog) {
  importGetOpenFileNameW = Find<decltype(&GetOpenFileNameW)>(kCommonDialogs, "GetOpenFileNameW");
  return importGetOpenFileNameW(dialog);
}

HINSTANCE WINAPI LateShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                   LPCWSTR directory, INT show) {
  importShellExecuteW = Find<decltype(&ShellExecuteW)>(kShell, "ShellExecuteW");
  return importShellExecuteW(owner, verb, file, parameters, directory, show);
}

BOOL WINAPI LateShellExecuteExW(SHELLEXECUTEINFOW* info) {
  importShellExecuteExW = Find<decltype(&ShellExecuteExW)>(kShell, "ShellExecuteExW");
  return importShellExecuteExW(info);
}

BSTR WINAPI LateSysAllocString(const OLECHAR* text) {
  importSysAllocString = Find<decltype(&SysAllocString)>(kAutomation, "SysAllocString");
  return importSysAllocString(text);
}

}  // namespace

BOOL WINAPI SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  static const auto real = Find<decltype(&SetWindowSubclass)>(kCommonControls, "SetWindowSubclass");
  return real(hwnd, proc, id, data);
}

BOOL WINAPI RemoveWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
  static const auto real =
      Find<decltype(&RemoveWindowSubclass)>(kCommonControls, "RemoveWindowSubclass");
  return real(hwnd, proc, id);
}

LRESULT WINAPI DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const auto real = Find<decltype(&DefSubclassProc)>(kCommonControls, "DefSubclassProc");
  return real(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN object) {
  static const auto real = Find<decltype(&LresultFromObject)>(kAccessibility, "LresultFromObject");
  return real(riid, wParam, object);
}

HRESULT WINAPI AccessibleObjectFromWindow(HWND hwnd, DWORD id, REFIID riid, void** object) {
  static const auto real =
      Find<decltype(&AccessibleObjectFromWindow)>(kAccessibility, "AccessibleObjectFromWindow");
  return real(hwnd, id, riid, object);
}

HRESULT WINAPI SHGetKnownFolderPath(REFKNOWNFOLDERID id, DWORD flags, HANDLE token, PWSTR* path) {
  static const auto real = Find<decltype(&SHGetKnownFolderPath)>(kShell, "SHGetKnownFolderPath");
  return real(id, flags, token, path);
}
